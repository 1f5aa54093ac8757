// Where a caption goes: the format bits and edges each alignment gives, and a caption of
// several lines centred or bottom-aligned by its measured height.
#include "Pixels.h"

#include "skin/ui/TextPlacement.h"

#include <gtest/gtest.h>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr RECT kBox = {10, 20, 110, 80};

TEST(TextPlacement, EachAlignmentMovesItsEdgeByTheOffsetAndAsksForItsFormat)
{
    Canvas canvas(120, 100);
    const struct {
        int hor, ver;
        UINT format;   // added to DT_SINGLELINE
        RECT rect;
    } kCases[] = {
        {kTextNear, kTextNear, 0, {13, 25, 110, 80}},
        {kTextFar, kTextFar, DT_RIGHT | DT_BOTTOM, {10, 20, 107, 75}},
        {kTextCenter, kTextCenter, DT_CENTER | DT_VCENTER, {13, 25, 110, 80}},
        {kTextDefault, kTextDefault, 0, {13, 25, 110, 80}},   // the control maps its default first
        {-1, -1, 0, {13, 25, 110, 80}},                       // an absent alignment counts as near
    };
    for (const auto& c : kCases) {
        RECT rect = kBox;
        const UINT format = PlaceText(*canvas.Cdc(), L"Text", rect, DT_SINGLELINE, c.hor, c.ver, 3, 5);
        EXPECT_EQ(format, static_cast<UINT>(DT_SINGLELINE) | c.format) << c.hor << "," << c.ver;
        EXPECT_EQ(CRect(rect), CRect(c.rect)) << c.hor << "," << c.ver;
    }
}

TEST(TextPlacement, SeveralLinesAreCentredAndBottomAlignedByTheirMeasuredHeight)
{
    Canvas canvas(200, 400);
    CDC& dc = *canvas.Cdc();
    RECT line = {0, 0, 200, 0};
    dc.DrawText(L"X", &line, DT_SINGLELINE | DT_CALCRECT);
    const int lineHeight = line.bottom - line.top;
    ASSERT_GT(lineHeight, 0);

    const CString threeLines = L"one\ntwo\nthree";
    RECT centred = {0, 0, 200, 6 * lineHeight};
    EXPECT_EQ(PlaceText(dc, threeLines, centred, DT_WORDBREAK, kTextNear, kTextCenter, 0, 0),
              static_cast<UINT>(DT_WORDBREAK));   // no DT_VCENTER: it acts on single lines only
    EXPECT_EQ(centred.top, 3 * lineHeight / 2);   // one and a half lines down

    RECT bottom = {0, 0, 200, 6 * lineHeight};
    PlaceText(dc, threeLines, bottom, DT_WORDBREAK, kTextNear, kTextFar, 0, 4);
    EXPECT_EQ(bottom.bottom, 6 * lineHeight - 4);
    EXPECT_EQ(bottom.top, bottom.bottom - 3 * lineHeight);
}

} // namespace
} // namespace skin_ui_test
