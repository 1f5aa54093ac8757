// A skinned window made from its skin record: size, creation errors, the child pass
// through the control table, the clean-up when it goes, and its answers to its controls.
#include "UIWndTestSupport.h"
#include "GdiCount.h"
#include "TestWindow.h"
#include "UIWndTestIds.h"

#include "skin/model/ButtonProperties.h"
#include "skin/model/EditProperties.h"
#include "skin/model/MiscControlProperties.h"
#include "skin/ui/RectCtrl.h"
#include "skin/ui/SkinMessages.h"

#include <gtest/gtest.h>

#include <string>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kCreatedWindowId = 3000;
constexpr COLORREF kGrey = RGB(90, 90, 90);

class UIWndCreate : public ::testing::Test {
protected:
    UIWNDPROPERTIES& Window(int w = 120, int h = 80)
    {
        UIWNDPROPERTIES& window = skin.AddWindow(L"IDW_TEST", kCreatedWindowId);
        skin.SetImage(window, CtrlVar::BackgroundNormal, L"bk.bmp", w, h, &Grey);
        return window;
    }

    WindowSkin skin;
    TestControlKinds kinds;
};

TEST_F(UIWndCreate, TakesItsBackgroundsSize)
{
    Window(120, 80);
    TestUIWnd wnd(kCreatedWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    EXPECT_EQ(wnd.GetLastCreateError(), 0);
    CRect rect;
    wnd.GetWindowRect(&rect);
    EXPECT_EQ(rect.Width(), 120);
    EXPECT_EQ(rect.Height(), 80);
    EXPECT_FALSE(wnd.IsWindowVisible());
    EXPECT_EQ(wnd.SendMessage(WM_VXL_ISUIWND), 1);
}

TEST_F(UIWndCreate, CreationTakesNoActivation)
{
    Window();
    TestWindow active(40, 40, true);
    ::SetActiveWindow(active);
    // Other programs sharing the display may take the activation meanwhile; what counts
    // is that the new window never has it.
    for (const DWORD style : {static_cast<DWORD>(WS_POPUP), static_cast<DWORD>(WS_POPUP | WS_VISIBLE)}) {
        TestUIWnd wnd(kCreatedWindowId);
        ASSERT_TRUE(wnd.Create(0, style, nullptr, 1, 1));
        EXPECT_NE(::GetActiveWindow(), wnd.GetSafeHwnd()) << std::hex << style;
        EXPECT_NE(::GetForegroundWindow(), wnd.GetSafeHwnd()) << std::hex << style;
    }
}

TEST_F(UIWndCreate, BackgroundHideComesBeforeBackgroundNormal)
{
    UIWNDPROPERTIES& window = Window(120, 80);
    skin.SetImage(window, UiWndVar::BackgroundHide, L"hide.bmp", 60, 50, &Grey);
    TestUIWnd wnd(kCreatedWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    CRect rect;
    wnd.GetWindowRect(&rect);
    EXPECT_EQ(rect.Size(), CSize(60, 50));
}

TEST_F(UIWndCreate, VisibleStyleShowsTheWindowOnceMade)
{
    Window();
    TestUIWnd wnd(kCreatedWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    EXPECT_TRUE(wnd.IsWindowVisible());
}

TEST_F(UIWndCreate, CaptionAndIconComeFromTheResourceId)
{
    Window();
    TestUIWnd named(kCreatedWindowId);
    ASSERT_TRUE(named.Create(IDS_TEST_CAPTION, WS_POPUP, nullptr, 1, 1));
    CString caption;
    named.GetWindowText(caption);
    EXPECT_STREQ(caption, L"Skinned test window");

    TestUIWnd unnamed(kCreatedWindowId);
    ASSERT_TRUE(unnamed.Create(IDS_TEST_ABSENT, WS_POPUP, nullptr, 1, 1));
    unnamed.GetWindowText(caption);
    EXPECT_STREQ(caption, L"");
}

TEST_F(UIWndCreate, CreationErrorsGiveTheirCodes)
{
    struct Case {
        const char* what;
        int images;        // ImagesFromFiles
        LPCWSTR normal;    // BackgroundNormal text
        int expected;
    };
    const Case cases[] = {
        {"no background file", 1, L"missing.bmp", 1},
        {"no background resource", 0, L"102", 2},
    };
    for (const Case& c : cases) {
        WindowSkin local;
        UIWNDPROPERTIES& window = local.AddWindow(L"IDW_BROKEN", 3001);
        SetText(window, CtrlVar::BackgroundNormal, c.normal);
        TestUIWnd wnd(3001);
        EXPECT_FALSE(wnd.Create(0, WS_POPUP, nullptr, c.images, 1)) << c.what;
        EXPECT_EQ(wnd.GetLastCreateError(), c.expected) << c.what;
        EXPECT_EQ(wnd.GetSafeHwnd(), nullptr) << c.what;
    }

    // No record at all: the defaults of an empty record, which name no image.
    TestUIWnd unknown(4242);
    EXPECT_FALSE(unknown.Create(0, WS_POPUP, nullptr, 1, 1));
    EXPECT_EQ(unknown.GetLastCreateError(), 1);
}

TEST_F(UIWndCreate, BackgroundFromABitmapResource)
{
    UIWNDPROPERTIES& window = skin.AddWindow(L"IDW_RESOURCE", 3002);
    SetText(window, CtrlVar::BackgroundNormal, L"101");   // IDB_TEST_QUAD, 2 x 2
    TestUIWnd wnd(3002);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 0, 1));
    CRect rect;
    wnd.GetWindowRect(&rect);
    EXPECT_EQ(rect.Size(), CSize(2, 2));
}

TEST_F(UIWndCreate, ChildrenAreMadeInRecordOrderWithTheirIds)
{
    UIWNDPROPERTIES& window = Window(200, 150);
    skin.AddControl<BTNPROPERTIES>(window, L"IDC_BTN_OK", 1001, {10, 10, 60, 30});
    skin.AddUnknownControl(window, L"BOGUS", L"IDC_BOGUS", 1009, {0, 0, 5, 5});
    skin.AddUnknownControl(window, L"pushbutton", L"IDC_LOWER", 1010, {0, 0, 5, 5});   // words are case-sensitive
    skin.AddUnknownControl(window, L"SLIDER", L"IDC_SLIDER", 1011, {0, 0, 5, 5});      // a kind without a factory
    skin.AddControl<EDTPROPERTIES>(window, L"IDC_EDT_NAME", 1002, {10, 40, 150, 60});
    skin.AddControl<CMBPROPERTIES>(window, L"IDC_CMB_LIST", 1003, {10, 70, 150, 92});
    skin.AddControl<RECTPROPERTIES>(window, L"IDC_RECT_AREA", 1004, {20, 100, 180, 140});
    skin.AddControl<CHKPROPERTIES>(window, L"IDC_CHK_NOID", -1, {160, 10, 190, 30});

    const ControlKind slider = ReplaceControlKind({L"SLIDER", DesignRectFrom::CreatedWindow, nullptr, nullptr});
    TestUIWnd wnd(kCreatedWindowId);
    const BOOL created = wnd.Create(0, WS_POPUP, nullptr, 1, 1);
    ReplaceControlKind(slider);
    ASSERT_TRUE(created);
    EXPECT_EQ(TestControlKinds::Log().created, (std::vector<int>{1001, 1002, 1003, 1004, -1}));

    const std::vector<ChildControlRecord>& children = wnd.GetChildControls();
    ASSERT_EQ(children.size(), 5u);   // the words it cannot make made nothing and left no record
    struct Expected {
        LPCWSTR type;
        RECT design;
    };
    const Expected expected[] = {
        {L"PUSHBUTTON", {10, 10, 60, 30}},
        {L"EDIT", {10, 40, 150, 60}},
        {L"COMBOBOX", {10, 70, 150, 92}},   // the record's rectangle, not the taller window
        {L"RECT", {20, 100, 180, 140}},
        {L"CHECK", {160, 10, 190, 30}},
    };
    for (size_t i = 0; i < children.size(); ++i) {
        EXPECT_STREQ(children[i].type, expected[i].type) << i;
        EXPECT_TRUE(CRect(children[i].designRect) == expected[i].design) << i;
    }
    EXPECT_NE(wnd.GetDlgItem(1001), nullptr);
    EXPECT_NE(wnd.GetDlgItem(1002), nullptr);
    EXPECT_EQ(children[3].window, nullptr);   // a placeholder has no window
    ASSERT_NE(children[3].placeholder, nullptr);
}

TEST_F(UIWndCreate, GetRectCtrlFindsPlaceholdersById)
{
    UIWNDPROPERTIES& window = Window(200, 150);
    skin.AddControl<BTNPROPERTIES>(window, L"IDC_BTN_OK", 1001, {10, 10, 60, 30});
    skin.AddControl<RECTPROPERTIES>(window, L"IDC_RECT_LIST", 1014, {20, 40, 180, 140});
    skin.AddControl<RECTPROPERTIES>(window, L"IDC_RECT_SIDE", 1015, {0, 0, 10, 10});
    TestUIWnd wnd(kCreatedWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));

    CRectCtrl* hit = wnd.GetRectCtrl(1014);
    ASSERT_NE(hit, nullptr);
    EXPECT_TRUE(hit->IsCreated());
    EXPECT_EQ(hit->GetID(), 1014u);
    RECT rect;
    hit->GetRect(rect);
    EXPECT_TRUE(CRect(rect) == CRect(20, 40, 180, 140));
    EXPECT_EQ(wnd.GetRectCtrl(1015)->GetID(), 1015u);

    EXPECT_EQ(wnd.GetRectCtrl(1001), nullptr);   // a button is no placeholder
    EXPECT_EQ(wnd.GetRectCtrl(7777), nullptr);
    EXPECT_FALSE(CRectCtrl::IsCreated(wnd.GetRectCtrl(7777)));
}

TEST_F(UIWndCreate, AFailingControlFailsTheWindowWithError110AndLeaksNothing)
{
    UIWNDPROPERTIES& window = Window(200, 150);
    skin.SetImage(window, CtrlVar::BackgroundHighlight, L"bkh.bmp", 200, 150, &Grey);
    skin.SetImage(window, CtrlVar::BackgroundDisabled, L"bkd.bmp", 200, 150, &Grey);
    skin.AddControl<BTNPROPERTIES>(window, L"IDC_BTN_OK", 1001, {10, 10, 60, 30});
    skin.AddControl<RECTPROPERTIES>(window, L"IDC_RECT_AREA", 1004, {20, 100, 180, 140});
    skin.AddControl<EDTPROPERTIES>(window, L"IDC_EDT_BAD", 1002, {10, 40, 150, 60});
    skin.AddControl<EDTPROPERTIES>(window, L"IDC_EDT_LATER", 1003, {10, 70, 150, 90});
    {
        TestUIWnd warmUp(kCreatedWindowId);   // the window class and the system's own caches
        ASSERT_TRUE(warmUp.Create(0, WS_POPUP, nullptr, 1, 1));
    }
    TestControlKinds::Log().Clear();
    TestControlKinds::FailOn(L"IDC_EDT_BAD");

    const int gdiBefore = LiveGdiObjects();
    TestUIWnd wnd(kCreatedWindowId);
    EXPECT_FALSE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    EXPECT_EQ(wnd.GetLastCreateError(), 110);
    EXPECT_EQ(wnd.GetSafeHwnd(), nullptr);
    // The pass stopped at the failing control; what it had made was released once each.
    EXPECT_EQ(TestControlKinds::Log().created, (std::vector<int>{1001, 1004}));
    EXPECT_EQ(TestControlKinds::Log().released.size(), 2u);
    EXPECT_TRUE(wnd.GetChildControls().empty());
    // The background and the four state images are all gone again.
    EXPECT_EQ(LiveGdiObjects(), gdiBefore);
}

TEST_F(UIWndCreate, AControlThatRaisesFailsTheWindowLikeOneThatFails)
{
    UIWNDPROPERTIES& window = Window(200, 150);
    skin.AddControl<BTNPROPERTIES>(window, L"IDC_BTN_OK", 1001, {10, 10, 60, 30});
    skin.AddControl<EDTPROPERTIES>(window, L"IDC_EDT_BAD", 1002, {10, 40, 150, 60});
    TestControlKinds::ThrowOn(L"IDC_EDT_BAD");
    TestUIWnd wnd(kCreatedWindowId);
    EXPECT_FALSE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    EXPECT_EQ(wnd.GetLastCreateError(), 110);
    EXPECT_EQ(TestControlKinds::Log().released.size(), 1u);
}

TEST_F(UIWndCreate, AMadeAndDestroyedWindowLeavesNoGdiObjectsBehind)
{
    UIWNDPROPERTIES& window = Window(200, 150);
    skin.SetImage(window, CtrlVar::BackgroundSelected, L"bks.bmp", 200, 150, &Grey);
    SetSwitch(window, UiWndVar::IsUseMaskColor, true);
    SetSwitch(window, UiWndVar::IsResizing, true);
    skin.AddControl<BTNPROPERTIES>(window, L"IDC_BTN_OK", 1001, {10, 10, 60, 30});
    TestUIWnd wnd(kCreatedWindowId);
    const auto cycle = [&] {
        ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
        wnd.SetWindowPos(nullptr, 0, 0, 260, 190, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        wnd.UpdateWindow();
        ComposedBackground(wnd);
        wnd.SendMessage(WM_VXL_RELOADSKIN);
        wnd.DestroyWindow();
        PumpPending();
    };
    cycle();   // the system keeps a few objects of its own from the first paint of a class
    const int gdiBefore = LiveGdiObjects();
    cycle();
    EXPECT_EQ(LiveGdiObjects(), gdiBefore);
}

TEST_F(UIWndCreate, AWindowStillUpWhenItsObjectGoesReleasesItsControls)
{
    UIWNDPROPERTIES& window = Window(200, 150);
    skin.AddControl<BTNPROPERTIES>(window, L"IDC_BTN_OK", 1001, {10, 10, 60, 30});
    skin.AddControl<RECTPROPERTIES>(window, L"IDC_RECT_AREA", 1004, {20, 100, 180, 140});
    HWND hwnd = nullptr;
    {
        TestUIWnd wnd(kCreatedWindowId);
        ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
        hwnd = wnd.GetSafeHwnd();
    }
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(TestControlKinds::Log().released.size(), 2u);
}

TEST_F(UIWndCreate, DynamicCreationAndTheRecordsOwnValues)
{
    CObject* made = RUNTIME_CLASS(CUIWnd)->CreateObject();
    ASSERT_NE(made, nullptr);
    EXPECT_STREQ(made->GetRuntimeClass()->m_lpszClassName, "CUIWnd");
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CWnd)));
    delete made;

    UIWNDPROPERTIES& window = Window();
    SetRect(window, UiWndVar::ClientArea, {5, 25, 115, 75});
    SetText(window, UiWndVar::Tag, L"page");
    TestUIWnd wnd(kCreatedWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    RECT area{};
    EXPECT_EQ(wnd.GetOrigRect(&area), 0);
    EXPECT_TRUE(CRect(area) == CRect(5, 25, 115, 75));
    EXPECT_EQ(wnd.GetOrigRect(nullptr), -1);
    EXPECT_STREQ(wnd.GetTag(), L"page");
}

TEST_F(UIWndCreate, ImagesAreScaledWhenTheSkinWasDrawnForAnotherDpi)
{
    Window(60, 40);
    skin.SetDesignDpi(48, 48);   // the screen answers 96
    TestUIWnd wnd(kCreatedWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    CRect rect;
    wnd.GetWindowRect(&rect);
    EXPECT_EQ(rect.Size(), CSize(120, 80));
}

TEST_F(UIWndCreate, DestroyReleasesEachControlOnceAndRecreateGivesTheSameChildren)
{
    UIWNDPROPERTIES& window = Window(200, 150);
    skin.AddControl<BTNPROPERTIES>(window, L"IDC_BTN_OK", 1001, {10, 10, 60, 30});
    skin.AddControl<CMBPROPERTIES>(window, L"IDC_CMB_LIST", 1003, {10, 70, 150, 92});
    skin.AddControl<RECTPROPERTIES>(window, L"IDC_RECT_AREA", 1004, {20, 100, 180, 140});

    TestUIWnd wnd(kCreatedWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    struct Snapshot {
        std::wstring type;
        CRect design;
        int id;
    };
    const auto snapshot = [&] {
        std::vector<Snapshot> out;
        for (const ChildControlRecord& child : wnd.GetChildControls())
            out.push_back({child.type, CRect(child.designRect),
                           child.window ? child.window->GetDlgCtrlID()
                                        : static_cast<int>(child.placeholder->GetID())});
        return out;
    };
    const std::vector<Snapshot> first = snapshot();
    std::vector<const CObject*> made;
    for (const ChildControlRecord& child : wnd.GetChildControls())
        made.push_back(child.control.get());

    ASSERT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(wnd.GetSafeHwnd(), nullptr);
    EXPECT_TRUE(wnd.GetChildControls().empty());
    EXPECT_EQ(TestControlKinds::Log().released, made);   // each exactly once, in order

    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    const std::vector<Snapshot> second = snapshot();
    ASSERT_EQ(second.size(), first.size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(second[i].type, first[i].type) << i;
        EXPECT_TRUE(second[i].design == first[i].design) << i;
        EXPECT_EQ(second[i].id, first[i].id) << i;
    }
}

TEST_F(UIWndCreate, StringIdPropertyLivesWithTheWindow)
{
    Window();
    TestUIWnd wnd(kCreatedWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    const HWND hwnd = wnd.GetSafeHwnd();
    const auto text = static_cast<LPCWSTR>(::GetPropW(hwnd, kStringIdProperty));
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, L"IDW_TEST");
    // Still readable after the window has handled other messages and reloaded its skin.
    wnd.SendMessage(WM_VXL_RELOADSKIN);
    EXPECT_STREQ(static_cast<LPCWSTR>(::GetPropW(hwnd, kStringIdProperty)), L"IDW_TEST");

    wnd.DestroyWindow();
    EXPECT_TRUE(wnd.stringIdGoneAtNcDestroy);
}

TEST_F(UIWndCreate, RecordSwitchesAddStyleBits)
{
    UIWNDPROPERTIES& window = Window();
    SetSwitch(window, CtrlVar::IsClipChildren, true);
    SetSwitch(window, UiWndVar::IsTopmost, true);
    SetSwitch(window, UiWndVar::IsToolWindow, true);
    TestUIWnd wnd(kCreatedWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    EXPECT_TRUE(wnd.GetStyle() & WS_CLIPCHILDREN);
    EXPECT_TRUE(wnd.GetExStyle() & WS_EX_TOPMOST);
    EXPECT_TRUE(wnd.GetExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(wnd.GetExStyle() & WS_EX_APPWINDOW);
}

TEST_F(UIWndCreate, DefaultButtonIdAndDialogAnswers)
{
    Window();
    TestUIWnd wnd(kCreatedWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    EXPECT_EQ(static_cast<DWORD>(wnd.SendMessage(DM_GETDEFID)), 0x534B0001u);
    EXPECT_EQ(wnd.SendMessage(DM_SETDEFID, 1005), 1);
    EXPECT_EQ(static_cast<DWORD>(wnd.SendMessage(DM_GETDEFID)), 0x534B03EDu);

    // Other windows are not skinned ones.
    TestWindow plain(50, 50);
    EXPECT_EQ(::SendMessageW(plain, WM_VXL_ISUIWND, 0, 0), 0);
}

TEST_F(UIWndCreate, ResizePointAnswers)
{
    UIWNDPROPERTIES& window = Window(200, 150);
    SetPoint(window, UiWndVar::ResizingPoint, {50, 60});
    TestUIWnd wnd(kCreatedWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    EXPECT_EQ(wnd.SendMessage(WM_VXL_GETRESIZEPOINT, kResizePointX), 50);
    EXPECT_EQ(wnd.SendMessage(WM_VXL_GETRESIZEPOINT, kResizePointY), 60);

    struct Case {
        RECT rect;
        LRESULT expected;
    };
    const Case cases[] = {
        {{50, 0, 80, 10}, 1},    // the left edge on the column (bounds inclusive)
        {{10, 0, 50, 10}, 1},    // the right edge on it
        {{0, 60, 10, 70}, 1},    // on the row
        {{51, 61, 90, 90}, 0},
        {{0, 0, 49, 59}, 0},
    };
    for (const Case& c : cases) {
        RECT rect = c.rect;
        EXPECT_EQ(wnd.SendMessage(WM_VXL_ISONRESIZELINES, reinterpret_cast<WPARAM>(&rect)), c.expected)
            << rect.left << "," << rect.top;
    }
}

TEST_F(UIWndCreate, ReloadSkinRebuildsTheBackgroundButNotTheChildren)
{
    UIWNDPROPERTIES& window = Window(120, 80);
    skin.AddControl<BTNPROPERTIES>(window, L"IDC_BTN_OK", 1001, {10, 10, 60, 30});
    TestUIWnd wnd(kCreatedWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    ASSERT_EQ(wnd.GetChildControls().size(), 1u);

    ASSERT_TRUE(WriteBmp(skin.Path(L"bk.bmp"), 150, 100, &Grey));
    EXPECT_EQ(wnd.SendMessage(WM_VXL_RELOADSKIN), 0);
    EXPECT_EQ(wnd.GetChildControls().size(), 1u);
    EXPECT_EQ(TestControlKinds::Log().created.size(), 1u);
    int buttons = 0;
    for (HWND child = ::GetWindow(wnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ++buttons;
    EXPECT_EQ(buttons, 1);
    CRect rect;
    wnd.GetWindowRect(&rect);
    EXPECT_EQ(rect.Size(), CSize(150, 100));

    // A background that is gone fails the reload.
    ::DeleteFileW(skin.Path(L"bk.bmp").c_str());
    EXPECT_EQ(wnd.SendMessage(WM_VXL_RELOADSKIN), -1);
}

// A window that owns itself: it deletes itself once its window is gone.
class SelfDeletingWnd : public TestUIWnd {
public:
    SelfDeletingWnd(int windowId, bool* deleted) : TestUIWnd(windowId), m_deleted(deleted) {}
    ~SelfDeletingWnd() override { *m_deleted = true; }

protected:
    void PostNcDestroy() override { delete this; }

private:
    bool* m_deleted;
};

TEST_F(UIWndCreate, ASelfDeletingWindowSurvivesItsNcDestroy)
{
    UIWNDPROPERTIES& window = Window();
    skin.AddControl<BTNPROPERTIES>(window, L"IDC_BTN_OK", 1001, {10, 10, 60, 30});
    bool deleted = false;
    auto* wnd = new SelfDeletingWnd(kCreatedWindowId, &deleted);
    ASSERT_TRUE(wnd->Create(0, WS_POPUP, nullptr, 1, 1));
    const HWND hwnd = wnd->GetSafeHwnd();
    ::DestroyWindow(hwnd);
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(TestControlKinds::Log().released.size(), 1u);

    // The same when the creation fails: the failed window deletes itself too.
    TestControlKinds::FailOn(L"IDC_BTN_OK");
    deleted = false;
    auto* failing = new SelfDeletingWnd(kCreatedWindowId, &deleted);
    EXPECT_FALSE(failing->Create(0, WS_POPUP, nullptr, 1, 1));
    EXPECT_TRUE(deleted);
}

TEST_F(UIWndCreate, ShowingAChildWindowTellsItsParent)
{
    Window(200, 150);
    TestUIWnd parent(kCreatedWindowId);
    ASSERT_TRUE(parent.Create(0, WS_POPUP, nullptr, 1, 1));
    TestUIWnd child(kCreatedWindowId);
    ASSERT_TRUE(child.Create(0, WS_CHILD, &parent, 1, 1));
    child.ShowWindow(SW_SHOWNA);
    child.ShowWindow(SW_HIDE);
    EXPECT_EQ(parent.childShows, (std::vector<WPARAM>{TRUE, FALSE}));
}

} // namespace
} // namespace skin_ui_test
