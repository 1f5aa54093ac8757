// The control base: who paints a control's background, copying the parent's composed
// background, and the result convention of applying a record.
#include "TestWindow.h"
#include "UIWndTestSupport.h"

#include "skin/model/EditProperties.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/SkinMessages.h"

#include <gtest/gtest.h>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kControlBaseWindowId = 3500;

// A plain child window with the control base, as the skinned controls have it.
class BaseControl : public CWnd, public CControlBase {
public:
    bool Make(CWnd& parent, RECT rect)
    {
        return CreateEx(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, rect, &parent, 1501) != FALSE;
    }
};

class ControlBaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UIWNDPROPERTIES& window = skin.AddWindow(L"IDW_BASE", kControlBaseWindowId);
        skin.SetImage(window, CtrlVar::BackgroundNormal, L"bk.bmp", 80, 90, &Tag);
        ASSERT_TRUE(parent.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
        ASSERT_TRUE(control.Make(parent, {10, 20, 70, 80}));
        parent.UpdateWindow();
        ::ValidateRect(control, nullptr);
    }

    static bool HasUpdate(HWND window)
    {
        RECT update;
        return ::GetUpdateRect(window, &update, FALSE) != FALSE;
    }

    WindowSkin skin;
    TestUIWnd parent{kControlBaseWindowId};
    BaseControl control;
};

TEST_F(ControlBaseTest, RedrawInvalidatesTheControlWhenTheParentDoesNotDrawIt)
{
    EXPECT_EQ(control.ParentDrawsChildren(&control), FALSE);
    EXPECT_EQ(control.RedrawControl(&control), 0);
    EXPECT_TRUE(HasUpdate(control));
    EXPECT_EQ(parent.redrawChildBackgrounds, 0);
}

TEST_F(ControlBaseTest, RedrawAsksAParentThatDrawsItsChildren)
{
    parent.drawsChildren = 1;
    EXPECT_EQ(control.ParentDrawsChildren(&control), TRUE);
    EXPECT_EQ(control.RedrawControl(&control), 0);
    EXPECT_FALSE(HasUpdate(control));
    EXPECT_EQ(parent.redrawChildBackgrounds, 1);
}

TEST_F(ControlBaseTest, DrawParentBackgroundCopiesTheBlockUnderTheRectangleToTheOrigin)
{
    Canvas canvas(30, 40);
    BOOL parentDraws = TRUE;
    EXPECT_EQ(control.DrawParentBackground(&control, canvas.Cdc(), RECT{10, 20, 40, 60}, &parentDraws), 0);
    EXPECT_FALSE(parentDraws);
    EXPECT_EQ(CompareArea(canvas, 0, 0, 30, 40, [](int x, int y) { return Tag(x + 10, y + 20); }), "");
}

TEST_F(ControlBaseTest, DrawParentBackgroundLeavesTheDcToAParentThatDraws)
{
    parent.drawsChildren = 1;
    Canvas canvas(30, 40);
    BOOL parentDraws = FALSE;
    EXPECT_EQ(control.DrawParentBackground(&control, canvas.Cdc(), RECT{10, 20, 40, 60}, &parentDraws), 0);
    EXPECT_TRUE(parentDraws);
    EXPECT_EQ(canvas.At(0, 0), Canvas::kFill);
    EXPECT_EQ(canvas.At(29, 39), Canvas::kFill);
}

TEST_F(ControlBaseTest, MissingPiecesGiveTheirResults)
{
    Canvas canvas(10, 10);
    EXPECT_EQ(control.DrawParentBackground(nullptr, canvas.Cdc(), RECT{0, 0, 10, 10}), -1);
    EXPECT_EQ(control.DrawParentBackground(&control, nullptr, RECT{0, 0, 10, 10}), -1);
    EXPECT_EQ(control.RedrawControl(nullptr), -1);
    EXPECT_EQ(control.ParentDrawsChildren(nullptr), FALSE);
    BaseControl windowless;
    EXPECT_EQ(windowless.RedrawControl(&windowless), -1);

    // The base applies nothing.
    EXPECT_EQ(control.ApplyProperties(nullptr), -1);
    EXPECT_EQ(control.ApplyStyle(L"IDS_ANY"), -1);
    EXPECT_EQ(control.ReleaseImages(), -1);

    // A parent that is no skinned window has no background to give.
    TestWindow plain(100, 100);
    BaseControl orphan;
    ASSERT_TRUE(orphan.CreateEx(0, L"STATIC", L"", WS_CHILD, RECT{0, 0, 10, 10}, CWnd::FromHandle(plain), 1));
    EXPECT_EQ(orphan.DrawParentBackground(&orphan, canvas.Cdc(), RECT{0, 0, 10, 10}), -1);
    EXPECT_EQ(canvas.At(0, 0), Canvas::kFill);
}

TEST_F(ControlBaseTest, ApplyResultConvention)
{
    EDTPROPERTIES edit;
    EDTPROPERTIES style;
    SetText(style, CtrlVar::Type, L"STYLE_EDIT");
    EDTPROPERTIES other;
    SetText(other, CtrlVar::Type, L"STATIC");
    BaseControl windowless;
    struct Case {
        const char* what;
        const CWnd* control;
        const CTRLPROPERTIES* record;
        int expected;
    };
    const Case cases[] = {
        {"no window", &windowless, &edit, -1},
        {"no record", &control, nullptr, -2},
        {"the bare type word", &control, &edit, 0},
        {"the style type word", &control, &style, 0},
        {"another type", &control, &other, -3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckApplyRecord(c.control, c.record, L"EDIT"), c.expected) << c.what;
}

// One bitmap handed for several states is adopted once, whether missing states keep their old
// image or not: the slots share one hold, and the bitmap goes once, with the last of them.
TEST(HandImages, OneBitmapGivenForSeveralStatesIsOwnedOnce)
{
    for (const bool keepMissing : {false, true}) {
        SCOPED_TRACE(keepMissing ? "keeping missing states" : "emptying missing states");
        SharedBitmap images[4];
        const HBITMAP kept = ::CreateBitmap(2, 2, 1, 32, nullptr);
        images[3] = SharedBitmap::Adopt(kept);
        const HBITMAP both = ::CreateBitmap(4, 4, 1, 32, nullptr);
        const HBITMAP other = ::CreateBitmap(3, 3, 1, 32, nullptr);
        ASSERT_TRUE(both && other && kept);

        HandImages(images, {both, other, both, nullptr}, keepMissing);
        EXPECT_EQ(both, images[0].GetSafeHandle());
        EXPECT_EQ(both, images[2].GetSafeHandle());
        EXPECT_EQ(other, images[1].GetSafeHandle());
        EXPECT_EQ(keepMissing ? kept : nullptr, images[3].GetSafeHandle());

        images[0].Release();
        EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), ::GetObjectType(both)) << "the other state still holds it";
        DeleteImages(images);
        EXPECT_EQ(0u, ::GetObjectType(both));
        EXPECT_EQ(0u, ::GetObjectType(other));
        EXPECT_EQ(0u, ::GetObjectType(kept));
    }
}

} // namespace
} // namespace skin_ui_test
