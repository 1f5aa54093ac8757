// The rules of a skinned header item: which look it has as the mouse and the left button
// move over the items, and where its text and bitmap go for each alignment, with and
// without room.
#include "skin/ui/controls/HeaderItemLayout.h"

#include <commctrl.h>

#include <gtest/gtest.h>

using namespace Vexel;

namespace {

TEST(HeaderItemLook, FollowsThePressedAndTheHoveredItem)
{
    const struct {
        const char* name;
        bool enabled, down;
        int pressed, hover;
        VisualState look;   // of item 1
    } kCases[] = {
        {"idle", true, false, -1, -1, kStateNormal},
        {"hovered", true, false, -1, 1, kStateHighlight},
        {"another hovered", true, false, -1, 2, kStateNormal},
        {"pressed and held over it", true, true, 1, 1, kStateSelected},
        {"pressed, held, mouse elsewhere", true, true, 1, 2, kStateHighlight},
        {"pressed, held, mouse outside", true, true, 1, -1, kStateHighlight},
        {"hovered while another is pressed", true, true, 2, 1, kStateNormal},
        {"pressed but the button is up", true, false, 1, 1, kStateNormal},
        {"disabled", false, true, 1, 1, kStateDisabled},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(ChooseHeaderLook(c.enabled, c.down, c.pressed, c.hover, 1), c.look) << c.name;
}

TEST(HeaderItemLayout, TextAndBitmapPlacesByAlignmentAndRoom)
{
    constexpr RECT kItem{100, 0, 200, 20};
    constexpr UINT kBase = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    const struct {
        const char* name;
        int format, textWidth, bitmapWidth;
        bool drawText;
        RECT text;
        UINT flags;
        bool drawBitmap;
        int bitmapX, bitmapWidthDrawn;
    } kCases[] = {
        {"left, fits", HDF_LEFT, 30, -1, true, {104, 0, 196, 20}, kBase, false, 0, 0},
        {"centre, fits", HDF_CENTER, 30, -1, true, {104, 0, 196, 20}, kBase | DT_CENTER, false, 0, 0},
        {"right, fits", HDF_RIGHT, 30, -1, true, {104, 0, 196, 20}, kBase | DT_RIGHT, false, 0, 0},
        {"centre, too wide", HDF_CENTER, 120, -1, true, {104, 0, 196, 20}, kBase, false, 0, 0},
        {"right-to-left reading", HDF_LEFT | HDF_RTLREADING, 30, -1, true, {104, 0, 196, 20}, kBase | DT_RTLREADING,
         false, 0, 0},
        {"left with a bitmap", HDF_LEFT, 30, 16, true, {104, 0, 134, 20}, kBase, true, 138, 16},
        {"centre with a bitmap", HDF_CENTER, 30, 16, true, {125, 0, 155, 20}, kBase | DT_CENTER, true, 159, 16},
        {"right with a bitmap", HDF_RIGHT, 30, 16, true, {146, 0, 176, 20}, kBase | DT_RIGHT, true, 180, 16},
        {"too wide with a bitmap", HDF_CENTER, 90, 16, true, {104, 0, 176, 20}, kBase, true, 180, 16},
        {"a bitmap alone sits at the right edge", HDF_LEFT, -1, 16, false, {}, 0, true, 180, 16},
        {"a bitmap wider than the item is cut", HDF_LEFT, -1, 150, false, {}, 0, true, 104, 96},
        {"no room for the text beside a bitmap", HDF_LEFT, 30, 90, false, {}, 0, true, 106, 90},
    };
    for (const auto& c : kCases) {
        const HeaderItemLayout layout = LayOutHeaderItem(kItem, c.format, c.textWidth, c.bitmapWidth);
        EXPECT_EQ(layout.drawText, c.drawText) << c.name;
        if (c.drawText) {
            EXPECT_EQ(layout.text.left, c.text.left) << c.name;
            EXPECT_EQ(layout.text.right, c.text.right) << c.name;
            EXPECT_EQ(layout.text.top, c.text.top) << c.name;
            EXPECT_EQ(layout.text.bottom, c.text.bottom) << c.name;
            EXPECT_EQ(layout.format, c.flags) << c.name;
        }
        EXPECT_EQ(layout.drawBitmap, c.drawBitmap) << c.name;
        if (c.drawBitmap) {
            EXPECT_EQ(layout.bitmapX, c.bitmapX) << c.name;
            EXPECT_EQ(layout.bitmapWidth, c.bitmapWidthDrawn) << c.name;
        }
    }
}

TEST(HeaderItemLayout, AnItemWithoutHeightDrawsNoText)
{
    const HeaderItemLayout layout = LayOutHeaderItem(RECT{0, 0, 100, 0}, HDF_LEFT, 10, -1);
    EXPECT_FALSE(layout.drawText);
}

} // namespace
