// Messages a control sends its parent are handed back to the control's object first; what
// the control takes, the parent never sees.
#include "tests/framework/WindowTestSupport.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kReflectingId = 11;
constexpr UINT kPlainId = 12;
constexpr UINT kRawId = 13;

std::vector<std::string> g_log;

class ParentWnd : public wndtest::Frame {
public:
    CWnd* ctlColorFrom = nullptr;
    UINT ctlColorKind = 99;
    HBRUSH parentBrush = reinterpret_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    CWnd* scrollFrom = nullptr;

protected:
    void OnClick(NMHDR* header, LRESULT* result)
    {
        g_log.push_back("parent click " + std::to_string(header->idFrom));
        *result = 21;
    }
    void OnDoubleClick(NMHDR*, LRESULT* result)
    {
        g_log.push_back("parent dblclk");
        *result = 22;
    }
    void OnReflectingClicked() { g_log.push_back("parent clicked reflecting"); }
    void OnPlainClicked() { g_log.push_back("parent clicked plain"); }
    void OnRawClicked() { g_log.push_back("parent clicked raw"); }
    HBRUSH OnCtlColor(CDC*, CWnd* wnd, UINT kind)
    {
        g_log.push_back("parent ctlcolor");
        ctlColorFrom = wnd;
        ctlColorKind = kind;
        return parentBrush;
    }
    void OnHScroll(UINT, UINT, CWnd* bar)
    {
        g_log.push_back("parent hscroll");
        scrollFrom = bar;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ParentWnd, wndtest::Frame)
    ON_NOTIFY(NM_CLICK, kReflectingId, &ParentWnd::OnClick)
    ON_NOTIFY(NM_CLICK, kPlainId, &ParentWnd::OnClick)
    ON_NOTIFY(NM_DBLCLK, kReflectingId, &ParentWnd::OnDoubleClick)
    ON_BN_CLICKED(kReflectingId, &ParentWnd::OnReflectingClicked)
    ON_BN_CLICKED(kPlainId, &ParentWnd::OnPlainClicked)
    ON_BN_CLICKED(kRawId, &ParentWnd::OnRawClicked)
    ON_WM_CTLCOLOR()
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

class ReflectingButton : public CWnd {
public:
    bool giveBrush = true;
    HBRUSH ownBrush = reinterpret_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    UINT ctlColorKind = 99;

protected:
    void OnReflectClick(NMHDR*, LRESULT* result)
    {
        g_log.push_back("child click");
        *result = 31;
    }
    void OnReflectClicked() { g_log.push_back("child clicked"); }
    HBRUSH CtlColor(CDC* dc, UINT kind)
    {
        g_log.push_back(dc && dc->GetSafeHdc() ? "child ctlcolor" : "child ctlcolor without dc");
        ctlColorKind = kind;
        return giveBrush ? ownBrush : nullptr;
    }
    LRESULT OnReflectedHScroll(WPARAM, LPARAM)
    {
        g_log.push_back("child hscroll");
        return 0;
    }
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        if (message == WM_DRAWITEM || message == WM_MEASUREITEM) {
            g_log.push_back(message == WM_DRAWITEM ? "child drawitem" : "child measureitem");
            *result = TRUE;
            return TRUE;
        }
        return CWnd::OnChildNotify(message, wParam, lParam, result);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingButton, CWnd)
    ON_NOTIFY_REFLECT(NM_CLICK, &ReflectingButton::OnReflectClick)
    ON_CONTROL_REFLECT(BN_CLICKED, &ReflectingButton::OnReflectClicked)
    ON_WM_CTLCOLOR_REFLECT()
    ON_MESSAGE(WM_REFLECT_BASE + WM_HSCROLL, &ReflectingButton::OnReflectedHScroll)
END_MESSAGE_MAP()

class ReflectionTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_log.clear();
        ASSERT_TRUE(parent.Make(L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
        const DWORD style = WS_VISIBLE | BS_PUSHBUTTON;
        ASSERT_TRUE(reflecting.Create(L"BUTTON", L"r", style, CRect(0, 0, 60, 20), &parent, kReflectingId));
        ASSERT_TRUE(plain.Create(L"BUTTON", L"p", style, CRect(0, 30, 60, 50), &parent, kPlainId));
        raw = CreateWindowExW(0, L"BUTTON", L"raw", WS_CHILD | style, 0, 60, 60, 20, parent.m_hWnd,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kRawId)), GetModuleHandleW(nullptr),
                              nullptr);
        ASSERT_TRUE(raw);
        wndtest::PumpPending();
        g_log.clear();
    }

    LRESULT Notify(HWND from, UINT id, UINT code)
    {
        NMHDR header{from, id, code};
        return parent.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
    }

    ParentWnd parent;
    ReflectingButton reflecting;
    CWnd plain;
    HWND raw = nullptr;
};

TEST_F(ReflectionTest, NotifyGoesToTheControlThatReflectsItAndNotAlsoToTheParent)
{
    const struct {
        HWND from;
        UINT id;
        UINT code;
        LRESULT result;
        std::vector<std::string> log;
    } cases[] = {
        {reflecting.m_hWnd, kReflectingId, NM_CLICK, 31, {"child click"}},
        {reflecting.m_hWnd, kReflectingId, NM_DBLCLK, 22, {"parent dblclk"}},   // not reflected by the child
        {plain.m_hWnd, kPlainId, NM_CLICK, 21, {"parent click 12"}},          // a control without reflection
    };
    for (const auto& c : cases) {
        g_log.clear();
        EXPECT_EQ(Notify(c.from, c.id, c.code), c.result);
        EXPECT_EQ(g_log, c.log);
    }
}

TEST_F(ReflectionTest, ButtonClicksAreReflectedOnceOrHandledByTheParent)
{
    const struct {
        HWND button;
        std::vector<std::string> log;
    } cases[] = {
        {reflecting.m_hWnd, {"child clicked"}},
        {plain.m_hWnd, {"parent clicked plain"}},
        {raw, {"parent clicked raw"}},
    };
    for (const auto& c : cases) {
        g_log.clear();
        SendMessageW(c.button, BM_CLICK, 0, 0);   // the button itself tells its parent
        wndtest::PumpPending();
        std::vector<std::string> clicks;   // the buttons also ask for colours as they paint
        for (const std::string& entry : g_log) {
            if (entry.find("clicked") != std::string::npos)
                clicks.push_back(entry);
        }
        EXPECT_EQ(clicks, c.log);
    }
}

TEST_F(ReflectionTest, ControlColoursAskTheControlFirst)
{
    const HDC dc = GetDC(reflecting.m_hWnd);
    const LPARAM from = reinterpret_cast<LPARAM>(reflecting.m_hWnd);

    EXPECT_EQ(parent.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), from),
              reinterpret_cast<LRESULT>(reflecting.ownBrush));
    EXPECT_EQ(g_log, std::vector<std::string>{"child ctlcolor"});
    EXPECT_EQ(reflecting.ctlColorKind, static_cast<UINT>(CTLCOLOR_BTN));

    // A control that answers no brush leaves the colour to its parent.
    g_log.clear();
    reflecting.giveBrush = false;
    EXPECT_EQ(parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), from),
              reinterpret_cast<LRESULT>(parent.parentBrush));
    EXPECT_EQ(g_log, (std::vector<std::string>{"child ctlcolor", "parent ctlcolor"}));
    EXPECT_EQ(parent.ctlColorFrom, &reflecting);
    EXPECT_EQ(parent.ctlColorKind, static_cast<UINT>(CTLCOLOR_STATIC));

    // A control without the entry: the parent alone.
    g_log.clear();
    parent.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(plain.m_hWnd));
    EXPECT_EQ(g_log, std::vector<std::string>{"parent ctlcolor"});
    EXPECT_EQ(parent.ctlColorKind, static_cast<UINT>(CTLCOLOR_EDIT));
    ReleaseDC(reflecting.m_hWnd, dc);
}

TEST_F(ReflectionTest, ScrollDrawAndMeasureMessagesAreHandedToTheControl)
{
    parent.SendMessage(WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(reflecting.m_hWnd));
    EXPECT_EQ(g_log, std::vector<std::string>{"child hscroll"});

    g_log.clear();
    parent.SendMessage(WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(plain.m_hWnd));
    EXPECT_EQ(g_log, std::vector<std::string>{"parent hscroll"});
    EXPECT_EQ(parent.scrollFrom, &plain);

    g_log.clear();
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_BUTTON;
    draw.CtlID = kReflectingId;
    draw.hwndItem = reflecting.m_hWnd;
    EXPECT_EQ(parent.SendMessage(WM_DRAWITEM, kReflectingId, reinterpret_cast<LPARAM>(&draw)), TRUE);
    draw.CtlType = ODT_MENU;   // menu items are no control's
    parent.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    EXPECT_EQ(g_log, std::vector<std::string>{"child drawitem"});

    g_log.clear();
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_LISTBOX;
    measure.CtlID = kReflectingId;
    EXPECT_EQ(parent.SendMessage(WM_MEASUREITEM, kReflectingId, reinterpret_cast<LPARAM>(&measure)), TRUE);
    EXPECT_EQ(g_log, std::vector<std::string>{"child measureitem"});
}

} // namespace
