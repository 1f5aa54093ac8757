// Tool tips: a window with tool tips on names the tool under the mouse, the pump shows the
// thread's tip the mouse messages, and the tip shows the text the window supplies when
// asked with TTN_NEEDTEXTW. Also CToolTipCtrl's own tool members.
#include "tests/framework/WindowTestSupport.h"

#include "framework/ToolTipCtrl.h"
#include "framework/WinThread.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT_PTR kToolId = 7;
const CRect kToolRect(20, 20, 120, 60);
constexpr wchar_t kToolText[] = L"Seven's text";

class TipWindow : public wndtest::Frame {
public:
    std::vector<UINT_PTR> askedIds;
    mutable int hitTests = 0;

    INT_PTR OnToolHitTest(CPoint point, TOOLINFOW* info) const override
    {
        ++hitTests;
        if (!kToolRect.PtInRect(point))
            return -1;
        info->hwnd = m_hWnd;
        info->uId = kToolId;
        info->rect = kToolRect;
        info->lpszText = LPSTR_TEXTCALLBACKW;
        return static_cast<INT_PTR>(kToolId);
    }

protected:
    BOOL OnNeedText(UINT id, NMHDR* header, LRESULT* result)
    {
        askedIds.push_back(header->idFrom);
        if (id != kToolId)
            return FALSE;
        reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = const_cast<LPWSTR>(kToolText);
        *result = 0;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TipWindow, wndtest::Frame)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, &TipWindow::OnNeedText)
END_MESSAGE_MAP()

// Puts the cursor at `point` of `hwnd` and sends the mouse message through the framework's
// pump, as the program's loop would. (The tip checks the cursor before it shows.)
void PumpMouse(HWND hwnd, UINT message, CPoint point)
{
    CPoint screen = point;
    ClientToScreen(hwnd, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageW(hwnd, message, 0, MAKELPARAM(point.x, point.y));
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        AfxPumpMessage(msg);
}

struct TipSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindTip(HWND hwnd, LPARAM param)
{
    auto* const search = reinterpret_cast<TipSearch*>(param);
    wchar_t name[64] = L"";
    GetClassNameW(hwnd, name, 64);
    if (std::wstring(name) != TOOLTIPS_CLASSW || GetWindow(hwnd, GW_OWNER) != search->owner)
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

// The thread's tip: the tool-tip window that `owner` owns.
HWND TipOf(HWND owner)
{
    TipSearch search{owner, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &FindTip, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Shows the tip now rather than after its delay: TTM_POPUP where the tip takes it, else
// the tip's own show timer, driven here instead of waited for.
void ShowNow(HWND tip)
{
    constexpr UINT_PTR kTipShowTimer = 1;
    SendMessageW(tip, TTM_POPUP, 0, 0);
    if (!IsWindowVisible(tip))
        SendMessageW(tip, WM_TIMER, kTipShowTimer, 0);
}

std::wstring TextOf(HWND hwnd)
{
    wchar_t text[128] = L"";
    GetWindowTextW(hwnd, text, 128);
    return text;
}

class ToolTipTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(window.Make(L"tips", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
        ASSERT_TRUE(window.EnableToolTips());
        tip = TipOf(window.m_hWnd);
        ASSERT_NE(tip, nullptr);
    }
    int ToolCount() const { return static_cast<int>(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0)); }

    TipWindow window;
    HWND tip = nullptr;
};

TEST_F(ToolTipTest, TheTipShowsTheTextItsWindowSuppliesForTheToolUnderTheMouse)
{
    PumpMouse(window.m_hWnd, WM_MOUSEMOVE, kToolRect.CenterPoint());
    EXPECT_GT(window.hitTests, 0);
    EXPECT_EQ(ToolCount(), 1);

    ShowNow(tip);
    EXPECT_TRUE(IsWindowVisible(tip));
    EXPECT_EQ(TextOf(tip), kToolText);
    ASSERT_FALSE(window.askedIds.empty());
    EXPECT_EQ(window.askedIds.back(), kToolId);

    // Off the tool: the tip gives it up.
    PumpMouse(window.m_hWnd, WM_MOUSEMOVE, CPoint(200, 150));
    EXPECT_EQ(ToolCount(), 0);
    SendMessageW(tip, TTM_POP, 0, 0);
}

TEST_F(ToolTipTest, MessagesForAChildCountForItsParentsTools)
{
    CWnd child;
    ASSERT_TRUE(child.Create(L"STATIC", L"", WS_VISIBLE, CRect(10, 10, 150, 100), &window, 5));
    // (30, 30) of the child is (40, 40) of the window: inside the tool.
    PumpMouse(child.m_hWnd, WM_MOUSEMOVE, CPoint(30, 30));
    EXPECT_EQ(ToolCount(), 1);
    ShowNow(tip);
    EXPECT_EQ(TextOf(tip), kToolText);
    SendMessageW(tip, TTM_POP, 0, 0);
}

TEST_F(ToolTipTest, AnotherWindowKeepsItsTipsWhenTheTipsOwnerGoes)
{
    TipWindow other;
    ASSERT_TRUE(other.Make(L"other tips", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    ASSERT_TRUE(other.EnableToolTips());
    window.DestroyWindow();   // the tip was made for it and goes with it
    EXPECT_FALSE(IsWindow(tip));

    PumpMouse(other.m_hWnd, WM_MOUSEMOVE, kToolRect.CenterPoint());
    const HWND newTip = TipOf(other.m_hWnd);
    ASSERT_NE(newTip, nullptr);
    EXPECT_EQ(SendMessageW(newTip, TTM_GETTOOLCOUNT, 0, 0), 1);
    ShowNow(newTip);
    EXPECT_EQ(TextOf(newTip), kToolText);
    SendMessageW(newTip, TTM_POP, 0, 0);
}

TEST_F(ToolTipTest, AWindowWithToolTipsOffIsNotAsked)
{
    window.EnableToolTips(FALSE);
    window.hitTests = 0;
    PumpMouse(window.m_hWnd, WM_MOUSEMOVE, kToolRect.CenterPoint());
    EXPECT_EQ(window.hitTests, 0);
    EXPECT_EQ(ToolCount(), 0);
}

TEST_F(ToolTipTest, ByDefaultTheChildUnderTheMouseIsTheTool)
{
    // A plain window with tool tips on: its own hit test names its children.
    wndtest::Frame plain;
    ASSERT_TRUE(plain.Make(L"plain", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    ASSERT_TRUE(plain.EnableToolTips());
    CWnd button;
    ASSERT_TRUE(button.Create(L"BUTTON", L"b", WS_VISIBLE, CRect(10, 10, 60, 40), &plain, 33));
    const HWND plainTip = TipOf(plain.m_hWnd);
    // The thread has one tip: made for the first window, it serves this one too.
    EXPECT_EQ(plainTip, nullptr);
    PumpMouse(button.m_hWnd, WM_MOUSEMOVE, CPoint(5, 5));
    ASSERT_EQ(ToolCount(), 1);
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    ASSERT_TRUE(SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(info.hwnd, plain.m_hWnd);
    EXPECT_EQ(info.uId, reinterpret_cast<UINT_PTR>(button.m_hWnd));
    EXPECT_TRUE(info.uFlags & TTF_IDISHWND);
}

class ToolHolder : public wndtest::Frame {};

TEST(ToolTipCtrl, ToolsAreAddedReadAndRemoved)
{
    ToolHolder holder;
    ASSERT_TRUE(holder.Make(L"holder", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    CWnd child;
    ASSERT_TRUE(child.Create(L"STATIC", L"", WS_VISIBLE, CRect(0, 0, 40, 40), &holder, 3));
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&holder));
    EXPECT_EQ(GetWindow(tips.m_hWnd, GW_OWNER), holder.m_hWnd);
    EXPECT_TRUE(tips.GetStyle() & TTS_ALWAYSTIP);

    const CRect area(5, 5, 25, 25);
    ASSERT_TRUE(tips.AddTool(&holder, L"area", &area, 9));   // a rectangle of the holder
    ASSERT_TRUE(tips.AddTool(&child, L"whole child"));       // the whole child, held by its parent
    EXPECT_EQ(tips.GetToolCount(), 2);

    TOOLINFOW info;
    ASSERT_TRUE(tips.GetToolInfo(info, &holder, 9));
    EXPECT_EQ(CRect(info.rect), area);
    ASSERT_TRUE(tips.GetToolInfo(info, &child));
    EXPECT_EQ(info.hwnd, holder.m_hWnd);
    EXPECT_TRUE(info.uFlags & TTF_IDISHWND);

    tips.UpdateTipText(L"changed", &holder, 9);
    wchar_t text[32] = L"";
    tips.FillInToolInfo(info, &holder, 9);
    info.lpszText = text;
    tips.SendMessage(TTM_GETTEXTW, 32, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, L"changed");

    tips.DelTool(&holder, 9);
    EXPECT_EQ(tips.GetToolCount(), 1);
    EXPECT_FALSE(tips.GetToolInfo(info, &holder, 9));
    EXPECT_EQ(tips.SetMaxTipWidth(300), -1);
    EXPECT_EQ(tips.GetMaxTipWidth(), 300);
    EXPECT_FALSE(tips.AddTool(nullptr, L"nothing"));
}

} // namespace
