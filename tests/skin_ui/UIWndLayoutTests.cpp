// A live skinned window on resize: its children follow their layout modes, it keeps its
// size limits, it resizes from its borders, answers splitters and moves hosted pages.
#include "TestWindow.h"
#include "UIWndTestSupport.h"

#include "skin/model/ButtonProperties.h"
#include "skin/model/EditProperties.h"
#include "skin/model/MiscControlProperties.h"
#include "skin/ui/HostedTaskWndMgr.h"
#include "skin/ui/RectCtrl.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/UIWndGeometry.h"

#include <gtest/gtest.h>

#include <string>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kLayoutWindowId = 3300;
constexpr SIZE kLayoutBackground{200, 150};
constexpr POINT kPoint{100, 75};

class UIWndLayout : public ::testing::Test {
protected:
    UIWNDPROPERTIES& Window()
    {
        UIWNDPROPERTIES& window = skin.AddWindow(L"IDW_LAYOUT", kLayoutWindowId);
        skin.SetImage(window, CtrlVar::BackgroundNormal, L"bk.bmp", kLayoutBackground.cx, kLayoutBackground.cy, &Grey);
        SetPoint(window, UiWndVar::ResizingPoint, kPoint);
        return window;
    }

    template <class Record>
    Record& Control(UIWNDPROPERTIES& window, LPCWSTR id, int number, RECT rect, int hor, int ver)
    {
        Record& record = skin.AddControl<Record>(window, id, number, rect);
        SetEnum(record, CtrlVar::HorLayoutMode, ValueKind::HorLayoutMode, hor);
        SetEnum(record, CtrlVar::VerLayoutMode, ValueKind::VerLayoutMode, ver);
        return record;
    }

    static RECT Expected(RECT design, int cx, int cy, int rawCx, int rawCy, int hor, int ver)
    {
        return LayoutRect(design, DesignFrame{kLayoutBackground, kPoint}, cx, cy, rawCx, rawCy, hor, ver);
    }

    WindowSkin skin;
    TestControlKinds kinds;
};

struct ChildCase {
    LPCWSTR id;
    int number;
    RECT design;
    int hor, ver;
};

const ChildCase kChildren[] = {
    {L"IDC_BTN_FIXED", 1301, {10, 10, 60, 30}, kLayoutDefault, kLayoutDefault},
    {L"IDC_BTN_STRETCH", 1302, {80, 60, 150, 90}, kLayoutDefault, kLayoutDefault},
    {L"IDC_BTN_MOVE", 1303, {150, 100, 190, 140}, kLayoutDefault, kLayoutDefault},
    {L"IDC_BTN_FAR", 1304, {10, 100, 60, 120}, kLayoutFar, kLayoutNear},
    {L"IDC_BTN_CENTRE", 1305, {10, 40, 50, 50}, kLayoutCenter, kLayoutCenter},
    {L"IDC_BTN_FREE", 1306, {150, 10, 190, 30}, kLayoutFree, kLayoutFree},
    {L"IDC_BTN_ZOOM", 1307, {150, 40, 190, 60}, kLayoutFarEvenZoomOut, kLayoutFarEvenZoomOut},
};

TEST_F(UIWndLayout, ChildrenFollowTheLayoutTableOnALiveResize)
{
    UIWNDPROPERTIES& window = Window();
    for (const ChildCase& c : kChildren)
        Control<BTNPROPERTIES>(window, c.id, c.number, c.design, c.hor, c.ver);
    TestUIWnd wnd(kLayoutWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    // A child free on both axes is not touched at all: where the program put it, it stays.
    constexpr RECT kMovedFree{5, 120, 45, 140};
    ::MoveWindow(::GetDlgItem(wnd, 1306), kMovedFree.left, kMovedFree.top, 40, 20, FALSE);

    wnd.SetWindowPos(nullptr, 0, 0, 300, 260, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const ChildCase& c : kChildren) {
        const RECT expected = c.hor == kLayoutFree && c.ver == kLayoutFree
                                  ? kMovedFree
                                  : Expected(c.design, 300, 260, 300, 260, c.hor, c.ver);
        const RECT actual = ChildRect(wnd, ::GetDlgItem(wnd, c.number));
        EXPECT_EQ(Text(actual), Text(expected)) << c.number;
    }

    // Laid out for a client below the design size: the design size, except the modes
    // that follow the real size.
    wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(150, 100));
    for (const ChildCase& c : kChildren) {
        if (c.hor == kLayoutFree && c.ver == kLayoutFree)
            continue;
        const RECT expected = Expected(c.design, 200, 150, 150, 100, c.hor, c.ver);
        EXPECT_EQ(Text(ChildRect(wnd, ::GetDlgItem(wnd, c.number))), Text(expected)) << c.number;
    }

    // A minimised window is not laid out.
    const RECT before = ChildRect(wnd, ::GetDlgItem(wnd, 1303));
    wnd.SendMessage(WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(400, 400));
    EXPECT_EQ(Text(ChildRect(wnd, ::GetDlgItem(wnd, 1303))), Text(before));
}

TEST_F(UIWndLayout, AComboBoxKeepsItsHeightAndItsEditSelection)
{
    UIWNDPROPERTIES& window = Window();
    Control<CMBPROPERTIES>(window, L"IDC_CMB_LIST", 1311, {20, 60, 180, 84}, kLayoutDefault, kLayoutFar);
    TestUIWnd wnd(kLayoutWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    const HWND combo = ::GetDlgItem(wnd, 1311);
    ::SetWindowTextW(combo, L"hello world");
    ::SendMessageW(combo, CB_SETEDITSEL, 0, MAKELPARAM(2, 5));
    const RECT created = ChildRect(wnd, combo);
    const int height = created.bottom - created.top;

    wnd.SetWindowPos(nullptr, 0, 0, 320, 230, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT moved = ChildRect(wnd, combo);
    EXPECT_EQ(moved.bottom - moved.top, height);
    EXPECT_EQ(moved.right, 180 + 120);            // stretched across the point
    EXPECT_EQ(moved.top, 60 + 80);                 // anchored to the bottom
    EXPECT_EQ(::SendMessageW(combo, CB_GETEDITSEL, 0, 0), MAKELRESULT(2, 5));
    EXPECT_TRUE(::IsWindowVisible(combo));
}

TEST_F(UIWndLayout, SpinAndIpAddressOnlyMove)
{
    UIWNDPROPERTIES& window = Window();
    Control<SPNPROPERTIES>(window, L"IDC_SPN_A", 1321, {80, 60, 120, 90}, kLayoutDefault, kLayoutDefault);
    Control<IPAPROPERTIES>(window, L"IDC_IPA_B", 1322, {60, 100, 160, 120}, kLayoutCenter, kLayoutFar);
    Control<EDTPROPERTIES>(window, L"IDC_EDT_C", 1323, {80, 60, 120, 90}, kLayoutDefault, kLayoutDefault);
    TestUIWnd wnd(kLayoutWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    wnd.SetWindowPos(nullptr, 0, 0, 300, 250, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    EXPECT_EQ(Text(ChildRect(wnd, ::GetDlgItem(wnd, 1321))), Text(RECT{80, 60, 120, 90}));
    EXPECT_EQ(Text(ChildRect(wnd, ::GetDlgItem(wnd, 1322))), Text(RECT{100, 200, 200, 220}));
    EXPECT_EQ(Text(ChildRect(wnd, ::GetDlgItem(wnd, 1323))), Text(RECT{80, 60, 220, 190}));   // an edit stretches
}

TEST_F(UIWndLayout, AChildTheWindowVetoesStaysWhereItIs)
{
    UIWNDPROPERTIES& window = Window();
    Control<BTNPROPERTIES>(window, L"IDC_BTN_KEEP", 1331, {150, 100, 190, 140}, kLayoutDefault, kLayoutDefault);
    Control<BTNPROPERTIES>(window, L"IDC_BTN_GO", 1332, {150, 10, 190, 30}, kLayoutFar, kLayoutNear);
    TestUIWnd wnd(kLayoutWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    wnd.vetoChild = ::GetDlgItem(wnd, 1331);
    wnd.SetWindowPos(nullptr, 0, 0, 260, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(Text(ChildRect(wnd, wnd.vetoChild)), Text(RECT{150, 100, 190, 140}));
    EXPECT_EQ(Text(ChildRect(wnd, ::GetDlgItem(wnd, 1332))), Text(RECT{210, 10, 250, 30}));
}

TEST_F(UIWndLayout, PlaceholdersMoveWithTheLayout)
{
    UIWNDPROPERTIES& window = Window();
    Control<RECTPROPERTIES>(window, L"IDC_RECT_LIST", 1341, {20, 40, 180, 140}, kLayoutDefault, kLayoutDefault);
    TestUIWnd wnd(kLayoutWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    wnd.SetWindowPos(nullptr, 0, 0, 250, 190, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rect;
    wnd.GetRectCtrl(1341)->GetRect(rect);
    EXPECT_EQ(Text(rect), Text(RECT{20, 40, 230, 180}));
    EXPECT_EQ(Text(wnd.GetRectCtrl(1341)->GetDesignRect()), Text(RECT{20, 40, 180, 140}));
}

TEST_F(UIWndLayout, TheWindowStaysWithinItsBackgroundAndTheWorkArea)
{
    Window();
    TestUIWnd wnd(kLayoutWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    RECT work;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    struct Case {
        int cx, cy;
        int expectedCx, expectedCy;
    };
    const Case cases[] = {
        {50, 40, kLayoutBackground.cx, kLayoutBackground.cy},
        {260, 20, 260, kLayoutBackground.cy},
        {20000, 300, work.right - work.left, 300},
        {300, 20000, 300, work.bottom - work.top},
    };
    for (const Case& c : cases) {
        wnd.SetWindowPos(nullptr, 0, 0, c.cx, c.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        CRect rect;
        wnd.GetWindowRect(&rect);
        EXPECT_EQ(rect.Width(), c.expectedCx) << c.cx << "x" << c.cy;
        EXPECT_EQ(rect.Height(), c.expectedCy) << c.cx << "x" << c.cy;
    }
}

TEST_F(UIWndLayout, BorderDragResizesAndStopsAtTheMinimum)
{
    UIWNDPROPERTIES& window = Window();
    SetSwitch(window, UiWndVar::IsResizing, true);
    SetSwitch(window, UiWndVar::IsResizingBorder, true);
    TestUIWnd wnd(kLayoutWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    wnd.SetWindowPos(nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    // Right border: 30 pixels wider.
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(198, 70));
    EXPECT_EQ(::GetCapture(), wnd.GetSafeHwnd());
    wnd.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(228, 70));
    wnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(228, 70));
    EXPECT_NE(::GetCapture(), wnd.GetSafeHwnd());
    CRect rect;
    wnd.GetWindowRect(&rect);
    EXPECT_EQ(Text(rect), Text(RECT{100, 100, 330, 250}));

    // Left border far to the right: stops at the minimum width with the right edge fixed.
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 70));
    wnd.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(151, 70));
    wnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(151, 70));
    wnd.GetWindowRect(&rect);
    EXPECT_EQ(Text(rect), Text(RECT{130, 100, 330, 250}));

    // Bottom-right grip.
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(195, 145));
    wnd.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(215, 165));
    wnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(215, 165));
    wnd.GetWindowRect(&rect);
    EXPECT_EQ(Text(rect), Text(RECT{130, 100, 350, 270}));

    // Moving without a drag only changes the cursor.
    wnd.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(100, 70));
    wnd.GetWindowRect(&rect);
    EXPECT_EQ(Text(rect), Text(RECT{130, 100, 350, 270}));

    // With border resizing switched off the borders do nothing.
    wnd.SetFlag(0);
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(218, 70));
    wnd.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(248, 70));
    wnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(248, 70));
    wnd.GetWindowRect(&rect);
    EXPECT_EQ(Text(rect), Text(RECT{130, 100, 350, 270}));
}

TEST_F(UIWndLayout, LosingTheCaptureEndsTheDrag)
{
    UIWNDPROPERTIES& window = Window();
    SetSwitch(window, UiWndVar::IsResizing, true);
    SetSwitch(window, UiWndVar::IsResizingBorder, true);
    TestUIWnd wnd(kLayoutWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    TestWindow other(10, 10);
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(198, 70));
    wnd.SendMessage(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(static_cast<HWND>(other)));
    CRect before;
    wnd.GetWindowRect(&before);
    wnd.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(240, 70));
    CRect after;
    wnd.GetWindowRect(&after);
    EXPECT_TRUE(before == after);
    ::ReleaseCapture();
}

TEST_F(UIWndLayout, AMaximizedWindowHasNoResizeBorders)
{
    UIWNDPROPERTIES& window = Window();
    SetSwitch(window, UiWndVar::IsResizing, true);
    TestUIWnd wnd(kLayoutWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    EXPECT_EQ(wnd.HitTestBorder(1, 70), HTLEFT);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_SIZEWE));
    wnd.SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ASSERT_TRUE(wnd.IsZoomed());
    EXPECT_EQ(wnd.HitTestBorder(1, 70), HTCLIENT);
}

TEST_F(UIWndLayout, SplitterAnswersKeepTheMinimumWidth)
{
    Window();
    TestUIWnd wnd(kLayoutWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    wnd.SetWindowPos(nullptr, 100, 100, 260, 150, SWP_NOZORDER | SWP_NOACTIVATE);

    SplitterMoveRecord move;
    move.side = 0;
    move.proposed = {340, 100, 346, 250};   // leaves 240: accepted
    EXPECT_EQ(wnd.SendMessage(WM_VXL_SPLITTERMOVING, 0, reinterpret_cast<LPARAM>(&move)), 0);
    EXPECT_EQ(Text(move.proposed), Text(RECT{340, 100, 346, 250}));
    move.proposed = {250, 100, 256, 250};   // would leave 150
    EXPECT_EQ(wnd.SendMessage(WM_VXL_SPLITTERMOVING, 0, reinterpret_cast<LPARAM>(&move)), -1);
    EXPECT_EQ(Text(move.proposed), Text(RECT{300, 100, 306, 250}));
    move.side = 2;
    move.proposed = {200, 100, 206, 250};   // left edge to 200: 160 wide
    EXPECT_EQ(wnd.SendMessage(WM_VXL_SPLITTERMOVING, 0, reinterpret_cast<LPARAM>(&move)), -1);
    EXPECT_EQ(Text(move.proposed), Text(RECT{160, 100, 166, 250}));

    move.side = 0;
    move.second = {390, 100, 396, 250};
    EXPECT_EQ(wnd.SendMessage(WM_VXL_SPLITTERMOVED, 0, reinterpret_cast<LPARAM>(&move)), 0);
    CRect rect;
    wnd.GetWindowRect(&rect);
    EXPECT_EQ(Text(rect), Text(RECT{100, 100, 390, 250}));
}

// A task-window manager that records what its host asks of it.
class RecordingManager : public HostedTaskWndMgr {
public:
    int SwitchTo(int key, BOOL) override
    {
        switches.push_back(key);
        return 0;
    }
    bool GetTaskWndRect(RECT& rect) const override
    {
        rect = taskRect;
        return hasRect;
    }
    int MoveTaskWindows(const RECT& rect) override
    {
        moves.push_back(rect);
        return 0;
    }
    void ForgetTaskWindows() override { ++forgotten; }

    bool hasRect = true;
    RECT taskRect{20, 30, 180, 120};
    std::vector<int> switches;
    std::vector<RECT> moves;
    int forgotten = 0;
};

TEST_F(UIWndLayout, HostedPagesSwitchOnRadioClicksAndMoveOnResize)
{
    UIWNDPROPERTIES& window = Window();
    skin.AddControl<RADPROPERTIES>(window, L"IDC_RAD_PAGE2", 1352, {10, 130, 60, 145});
    skin.AddControl<BTNPROPERTIES>(window, L"IDC_BTN_OTHER", 1353, {70, 130, 120, 145});
    TestUIWnd wnd(kLayoutWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    RecordingManager pages;
    RecordingManager whole;
    whole.hasRect = false;
    wnd.AddHostedTaskWndMgr(&pages);
    wnd.AddHostedTaskWndMgr(&whole);

    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(1352, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(wnd, 1352)));
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(1353, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(wnd, 1353)));
    EXPECT_EQ(pages.switches, (std::vector<int>{1352}));
    EXPECT_EQ(whole.switches, (std::vector<int>{1352}));

    wnd.SetWindowPos(nullptr, 0, 0, 260, 190, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_FALSE(pages.moves.empty());
    EXPECT_EQ(Text(pages.moves.back()), Text(RECT{20, 30, 240, 160}));
    ASSERT_FALSE(whole.moves.empty());
    EXPECT_EQ(Text(whole.moves.back()), Text(RECT{0, 0, 260, 190}));
    RECT mapped;
    EXPECT_EQ(wnd.MapTaskWndRect(&pages.taskRect, &mapped), 0);
    EXPECT_EQ(Text(mapped), Text(RECT{20, 30, 240, 160}));
    EXPECT_EQ(wnd.MapTaskWndRect(nullptr, &mapped), -1);

    wnd.DestroyWindow();
    EXPECT_EQ(pages.forgotten, 1);
    EXPECT_EQ(whole.forgotten, 1);
}

} // namespace
} // namespace skin_ui_test
