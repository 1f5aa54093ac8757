// The skinned static: which records it takes, its images in the Normal and Disabled looks,
// the parent's background where it has none, one repaint for a new caption, the parent's
// takeover of its drawing, its tool tip, what it does under a layered parent, and that
// everything it held is freed once.
#include "ControlTestSupport.h"
#include "GdiCount.h"

#include "skin/model/ButtonProperties.h"
#include "skin/model/EditProperties.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/controls/SkinStatic.h"

#include <gtest/gtest.h>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kStaticWindowId = 3950;
constexpr UINT kStaticId = 1951;
constexpr RECT kStaticRect = {30, 40, 90, 60};   // 60 x 20
constexpr COLORREF kNormal = RGB(20, 120, 220);
constexpr COLORREF kDisabled = RGB(220, 120, 20);

class SkinStaticTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UIWNDPROPERTIES& window = skin.AddWindow(L"IDW_STATICS", kStaticWindowId);
        skin.SetImage(window, CtrlVar::BackgroundNormal, L"bk.bmp", 200, 100, &Tag);
        ASSERT_TRUE(parent.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
        ASSERT_TRUE(label.Create(L"", WS_VISIBLE | SS_NOTIFY, kStaticRect, &parent, kStaticId));
        SetText(record, CtrlVar::Type, L"STATIC");
    }

    // A record whose own images are one colour per look.
    void WithImages()
    {
        SetSwitch(record, CtrlVar::IsSpecifyImages, true);
        skin.SetImage(record, CtrlVar::BackgroundNormal, L"n.bmp", 60, 20, [](int, int) { return kNormal; });
        skin.SetImage(record, CtrlVar::BackgroundDisabled, L"d.bmp", 60, 20, [](int, int) { return kDisabled; });
    }

    WindowSkin skin;
    ProbeWnd parent{kStaticWindowId};
    CSkinStatic label;
    TXTPROPERTIES record;
};

TEST_F(SkinStaticTest, ItTakesStaticRecordsAndStylesOnly)
{
    BTNPROPERTIES button;
    SetText(button, CtrlVar::Type, L"PUSHBUTTON");
    EXPECT_EQ(label.ApplyProperties(&button), -3);
    EXPECT_EQ(label.ApplyProperties(nullptr), -2);
    EXPECT_EQ(label.ApplyProperties(&record), 0);
    SetText(record, CtrlVar::Type, L"STYLE_STATIC");
    EXPECT_EQ(label.ApplyProperties(&record), 0);
    EXPECT_EQ(label.ApplyStyle(nullptr), -2);
    EXPECT_EQ(label.ApplyStyle(L"IDS_NO_SUCH_STYLE"), -2);
    CSkinStatic windowless;
    EXPECT_EQ(windowless.ApplyProperties(&record), -1);
    EXPECT_EQ(windowless.ApplyStyle(L"IDS_ANY"), -1);
}

TEST_F(SkinStaticTest, ItTellsHowMuchRoomItsTextTakesOnOneLineOrWrappedAndHowMuchItHas)
{
    const auto width = [](LRESULT answer) { return static_cast<int>(LOWORD(answer)); };
    const auto height = [](LRESULT answer) { return static_cast<int>(HIWORD(answer)); };
    const LRESULT room = label.SendMessage(WM_VXL_GETTEXTEXTENT, kTextRoom);
    label.SetWindowText(L"");
    EXPECT_EQ(0, label.SendMessage(WM_VXL_GETTEXTEXTENT, kTextNeeded));   // no text, nothing to fit
    label.SetWindowText(L"Ab");
    SetSwitch(record, TxtVar::Nowrap, false);
    ASSERT_EQ(0, label.ApplyProperties(&record));
    const LRESULT shortText = label.SendMessage(WM_VXL_GETTEXTEXTENT, kTextNeeded);
    EXPECT_EQ(60, width(label.SendMessage(WM_VXL_GETTEXTEXTENT, kTextRoom)));
    EXPECT_EQ(20, height(label.SendMessage(WM_VXL_GETTEXTEXTENT, kTextRoom)));
    EXPECT_EQ(0, room);   // the room of no text is none either
    EXPECT_GT(width(shortText), 0);
    EXPECT_LE(width(shortText), 60);
    EXPECT_LE(height(shortText), 20);

    // Wrapped, a long text stays within the width and grows down past the room.
    label.SetWindowText(L"A label much longer than its static");
    const LRESULT wrapped = label.SendMessage(WM_VXL_GETTEXTEXTENT, kTextNeeded);
    EXPECT_LE(width(wrapped), 60);
    EXPECT_GT(height(wrapped), 20);
    // On one line, it runs past the right edge instead.
    SetSwitch(record, TxtVar::Nowrap, true);
    ASSERT_EQ(0, label.ApplyProperties(&record));
    const LRESULT oneLine = label.SendMessage(WM_VXL_GETTEXTEXTENT, kTextNeeded);
    EXPECT_GT(width(oneLine), 60);
    EXPECT_EQ(height(shortText), height(oneLine));
}

TEST_F(SkinStaticTest, WithoutImagesOfItsOwnItShowsTheParentsBackgroundUnderIt)
{
    ASSERT_EQ(label.ApplyProperties(&record), 0);
    Canvas canvas(60, 20);
    PaintInto(label, canvas);
    EXPECT_EQ(CompareArea(canvas, 0, 0, 60, 20, [](int x, int y) { return Tag(x + 30, y + 40); }), "");
}

TEST_F(SkinStaticTest, ItsOwnImagesFollowTheEnabledState)
{
    WithImages();
    ASSERT_EQ(label.ApplyProperties(&record), 0);
    for (const bool enabled : {true, false}) {
        label.EnableWindow(enabled);
        Canvas canvas(60, 20);
        PaintInto(label, canvas);
        EXPECT_EQ(canvas.At(30, 10), enabled ? kNormal : kDisabled) << enabled;
    }
}

TEST_F(SkinStaticTest, ANewCaptionRepaintsOnceWhileShownAndNotAtAllWhileHidden)
{
    label.UpdateWindow();
    parent.items.clear();
    label.SetWindowText(L"First");
    EXPECT_EQ(parent.items.size(), 1u);   // one WM_PAINT, offered to the parent

    label.ShowWindow(SW_HIDE);
    parent.items.clear();
    label.SetWindowText(L"Second");
    label.UpdateWindow();
    EXPECT_TRUE(parent.items.empty());
    CString text;
    label.GetWindowText(text);
    EXPECT_EQ(text, CString(L"Second"));
}

TEST_F(SkinStaticTest, AParentThatDrawsTheItemGetsTheWholeDrawing)
{
    ::SetWindowLongPtrW(label, GWLP_USERDATA, 0x5A);
    parent.takeItem = 1;
    parent.items.clear();
    label.Invalidate(FALSE);
    label.UpdateWindow();
    ASSERT_EQ(parent.items.size(), 1u);
    const DRAWITEMSTRUCT& item = parent.items[0];
    EXPECT_EQ(item.CtlType, 102u);
    EXPECT_EQ(item.CtlID, kStaticId);
    EXPECT_EQ(item.itemID, static_cast<UINT>(-1));
    EXPECT_EQ(item.hwndItem, label.GetSafeHwnd());
    EXPECT_EQ(CRect(item.rcItem), CRect(0, 0, 60, 20));
    EXPECT_EQ(item.itemData, 0x5Au);
}

TEST_F(SkinStaticTest, HidingItOverALayeredParentInvalidatesTheParentThere)
{
    parent.ModifyStyleEx(0, WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(parent, 0, 255, LWA_ALPHA);
    parent.UpdateWindow();
    ::ValidateRect(parent, nullptr);
    ::SetWindowPos(label, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOREDRAW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT update{};
    ASSERT_TRUE(::GetUpdateRect(parent, &update, FALSE));
    EXPECT_EQ(CRect(update), CRect(kStaticRect));
}

TEST_F(SkinStaticTest, ATurnedOnToolTipAddsTheStaticAsATool)
{
    SetSwitch(record, TxtVar::ToolTipEnable, true);
    SetText(record, TxtVar::ToolTipText, L"Tip");
    ASSERT_EQ(label.ApplyProperties(&record), 0);
    ASSERT_NE(label.GetToolTip().GetSafeHwnd(), nullptr);
    EXPECT_EQ(label.GetToolTip().GetToolCount(), 1);
}

TEST_F(SkinStaticTest, EverythingItHeldIsFreedOnceWhetherOrNotItsWindowReleasedIt)
{
    WithImages();
    SetSwitch(record, TxtVar::IsSpecifyForegroundImages, true);
    skin.SetImage(record, TxtVar::ForegroundNormal, L"fn.bmp", 8, 8, &Tag);
    const auto makeAndDestroy = [&] {
        for (const bool releasedFirst : {true, false}) {
            CSkinStatic other;
            ASSERT_TRUE(other.Create(L"", WS_VISIBLE, kStaticRect, &parent, kStaticId + 1));
            ASSERT_EQ(other.ApplyProperties(&record), 0);
            other.UpdateWindow();
            if (releasedFirst) {
                EXPECT_EQ(other.ReleaseImages(), 0);
                EXPECT_EQ(other.ReleaseImages(), 0);   // an empty slot deletes nothing
            }
            other.DestroyWindow();
        }
        CSkinStatic bare;   // destroyed before any image was set
        ASSERT_TRUE(bare.Create(L"", WS_VISIBLE, kStaticRect, &parent, kStaticId + 2));
        bare.UpdateWindow();
    };
    EXPECT_EQ(GdiObjectsLeftBy(makeAndDestroy), 0);
}

} // namespace
} // namespace skin_ui_test
