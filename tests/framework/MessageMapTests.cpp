// Message maps: derived and chained maps, Default(), command routing and the typed entries.
#include "framework/WndDC.h"
#include "tests/framework/WindowTestSupport.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace {

constexpr UINT WM_PING = WM_APP + 1;
constexpr UINT WM_BASEONLY = WM_APP + 2;
constexpr UINT WM_DERIVEDONLY = WM_APP + 3;
constexpr UINT WM_UNMAPPED = WM_APP + 4;
constexpr UINT ID_SAVE = 32001;
constexpr UINT ID_OPEN = 32002;
constexpr UINT ID_NOWHERE = 32099;
constexpr LRESULT kPreviousAnswer = 777;

// The procedure the test windows had before the framework took them over.
std::vector<UINT> g_previousSaw;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_APP || message == WM_COMMAND || message == WM_NOTIFY) {
        g_previousSaw.push_back(message);
        return kPreviousAnswer;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LPCWSTR RecordingClass()
{
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &RecordingProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"LumeoTestRecording";
        return AfxRegisterClass(&wc) != FALSE;
    }();
    return registered ? L"LumeoTestRecording" : nullptr;
}

class BaseWnd : public CWnd {
public:
    std::vector<std::string> log;

protected:
    LRESULT OnPing(WPARAM wParam, LPARAM)
    {
        log.push_back("base ping");
        return 100 + static_cast<LRESULT>(wParam);
    }
    LRESULT OnBaseOnly(WPARAM wParam, LPARAM)
    {
        log.push_back("base only");
        return 200 + static_cast<LRESULT>(wParam);
    }
    void OnSave() { log.push_back("base save"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
    ON_MESSAGE(WM_PING, &BaseWnd::OnPing)
    ON_MESSAGE(WM_BASEONLY, &BaseWnd::OnBaseOnly)
    ON_COMMAND(ID_SAVE, &BaseWnd::OnSave)
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
public:
    bool Make() { return CreateEx(0, RecordingClass(), L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr) != FALSE; }

protected:
    LRESULT OnPing(WPARAM wParam, LPARAM)
    {
        log.push_back("derived ping");
        return 300 + static_cast<LRESULT>(wParam);
    }
    LRESULT OnDerivedOnly(WPARAM, LPARAM)
    {
        log.push_back("derived only");
        return Default();
    }
    void OnOpen() { log.push_back("derived open"); }
    BOOL OnClickRange(UINT id, NMHDR*, LRESULT* result)
    {
        log.push_back("range " + std::to_string(id));
        *result = 5;
        return id != 150;   // declines 150: the next entry gets it
    }
    void OnClick150(NMHDR*, LRESULT* result)
    {
        log.push_back("click 150");
        *result = 6;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
    ON_MESSAGE(WM_PING, &DerivedWnd::OnPing)
    ON_MESSAGE(WM_DERIVEDONLY, &DerivedWnd::OnDerivedOnly)
    ON_COMMAND(ID_OPEN, &DerivedWnd::OnOpen)
    ON_NOTIFY_EX_RANGE(NM_CLICK, 100, 199, &DerivedWnd::OnClickRange)
    ON_NOTIFY(NM_CLICK, 150, &DerivedWnd::OnClick150)
END_MESSAGE_MAP()

class MessageMapTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_previousSaw.clear();
        ASSERT_TRUE(wnd.Make());
    }
    DerivedWnd wnd;
};

TEST_F(MessageMapTest, DerivedEntryWinsAndChainedBaseEntriesAreReached)
{
    EXPECT_EQ(wnd.SendMessage(WM_PING, 5), 305);
    EXPECT_EQ(wnd.SendMessage(WM_BASEONLY, 1), 201);
    EXPECT_EQ(wnd.log, (std::vector<std::string>{"derived ping", "base only"}));
    EXPECT_TRUE(g_previousSaw.empty());
}

TEST_F(MessageMapTest, DefaultReachesThePreviousProcedure)
{
    EXPECT_EQ(wnd.SendMessage(WM_DERIVEDONLY), kPreviousAnswer);
    EXPECT_EQ(wnd.log, std::vector<std::string>{"derived only"});
    EXPECT_EQ(g_previousSaw, std::vector<UINT>{WM_DERIVEDONLY});

    // Nothing in the maps: straight to the previous procedure.
    EXPECT_EQ(wnd.SendMessage(WM_UNMAPPED), kPreviousAnswer);
    EXPECT_EQ(g_previousSaw, (std::vector<UINT>{WM_DERIVEDONLY, WM_UNMAPPED}));
}

TEST_F(MessageMapTest, CommandsFromMenusAndAcceleratorsRunThroughTheChain)
{
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_SAVE, 0), 0);   // menu
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_OPEN, 1), 0);   // accelerator
    EXPECT_EQ(wnd.log, (std::vector<std::string>{"base save", "derived open"}));
    EXPECT_TRUE(g_previousSaw.empty());

    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_NOWHERE, 0), 0);   // no handler: default processing
    EXPECT_EQ(g_previousSaw, std::vector<UINT>{WM_COMMAND});
}

TEST_F(MessageMapTest, AnswersWhetherItHandlesACommandWithoutRunningIt)
{
    const struct {
        UINT id;
        bool handled;
    } cases[] = {{ID_SAVE, true}, {ID_OPEN, true}, {ID_NOWHERE, false}, {0, false}, {150, false}};
    for (const auto& c : cases)
        EXPECT_EQ(wnd.HasCommandHandler(c.id), c.handled) << c.id;
    EXPECT_TRUE(wnd.log.empty());
}

TEST_F(MessageMapTest, ARangeEntryThatDeclinesPassesTheNotificationOn)
{
    const struct {
        UINT id;
        LRESULT result;
        std::vector<std::string> log;
    } cases[] = {
        {120, 5, {"range 120"}},
        {150, 6, {"range 150", "click 150"}},
        {199, 5, {"range 199"}},
        {200, kPreviousAnswer, {}},   // outside the range: not handled
    };
    for (const auto& c : cases) {
        wnd.log.clear();
        NMHDR header{nullptr, c.id, static_cast<UINT>(NM_CLICK)};
        EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, c.id, reinterpret_cast<LPARAM>(&header)), c.result) << c.id;
        EXPECT_EQ(wnd.log, c.log) << c.id;
    }
}

// One handler per typed entry, each writing down what it was given.
class EntryWnd : public CWnd {
public:
    std::string last;
    HDC eraseDC = nullptr;

protected:
    void Put(const std::string& text) { last = text; }
    static std::string S(long v) { return std::to_string(v); }

    void OnSize(UINT type, int cx, int cy) { Put("size " + S(type) + " " + S(cx) + " " + S(cy)); }
    void OnTimer(UINT_PTR id) { Put("timer " + S(static_cast<long>(id))); }
    void OnClose() { Put("close"); }
    void OnShowWindow(BOOL show, UINT status) { Put("show " + S(show) + " " + S(status)); }
    void OnMouseMove(UINT flags, CPoint p) { Put("move " + S(flags) + " " + S(p.x) + " " + S(p.y)); }
    void OnLButtonDown(UINT flags, CPoint p) { Put("ldown " + S(flags) + " " + S(p.x) + " " + S(p.y)); }
    void OnLButtonUp(UINT flags, CPoint p) { Put("lup " + S(flags) + " " + S(p.x) + " " + S(p.y)); }
    void OnLButtonDblClk(UINT flags, CPoint p) { Put("ldbl " + S(flags) + " " + S(p.x) + " " + S(p.y)); }
    void OnRButtonDown(UINT flags, CPoint p) { Put("rdown " + S(flags) + " " + S(p.x) + " " + S(p.y)); }
    void OnRButtonUp(UINT flags, CPoint p) { Put("rup " + S(flags) + " " + S(p.x) + " " + S(p.y)); }
    void OnRButtonDblClk(UINT flags, CPoint p) { Put("rdbl " + S(flags) + " " + S(p.x) + " " + S(p.y)); }
    void OnMouseHover(UINT flags, CPoint p) { Put("hover " + S(flags) + " " + S(p.x) + " " + S(p.y)); }
    void OnMouseLeave() { Put("leave"); }
    void OnNcLButtonDown(UINT hit, CPoint p) { Put("ncdown " + S(hit) + " " + S(p.x) + " " + S(p.y)); }
    void OnNcLButtonDblClk(UINT hit, CPoint p) { Put("ncdbl " + S(hit) + " " + S(p.x) + " " + S(p.y)); }
    BOOL OnMouseWheel(UINT flags, short delta, CPoint p)
    {
        Put("wheel " + S(flags) + " " + S(delta) + " " + S(p.x) + " " + S(p.y));
        return TRUE;
    }
    BOOL OnSetCursor(CWnd* wnd, UINT hit, UINT message)
    {
        Put(std::string("cursor ") + (wnd == this ? "self" : "other") + " " + S(hit) + " " + S(message));
        return TRUE;
    }
    void OnKeyDown(UINT key, UINT repeat, UINT flags) { Put("keydown " + S(key) + " " + S(repeat) + " " + S(flags)); }
    void OnKeyUp(UINT key, UINT repeat, UINT flags) { Put("keyup " + S(key) + " " + S(repeat) + " " + S(flags)); }
    void OnChar(UINT ch, UINT repeat, UINT flags) { Put("char " + S(ch) + " " + S(repeat) + " " + S(flags)); }
    void OnSysKeyDown(UINT key, UINT repeat, UINT flags) { Put("syskey " + S(key) + " " + S(repeat) + " " + S(flags)); }
    void OnHScroll(UINT code, UINT pos, CWnd* bar) { Put("hscroll " + S(code) + " " + S(pos) + (bar ? " bar" : " none")); }
    void OnVScroll(UINT code, UINT pos, CWnd* bar) { Put("vscroll " + S(code) + " " + S(pos) + (bar ? " bar" : " none")); }
    void OnParentNotify(UINT event, LPARAM lParam) { Put("parentnotify " + S(event) + " " + S(static_cast<long>(lParam))); }
    void OnInitMenuPopup(HMENU, UINT index, BOOL system) { Put("initmenupopup " + S(index) + " " + S(system)); }
    void OnGetMinMaxInfo(MINMAXINFO* info)
    {
        Put("minmax");
        info->ptMinTrackSize = CPoint(123, 45);
    }
    void OnWindowPosChanging(WINDOWPOS* pos)
    {
        Put("poschanging " + S(pos->cx));
        pos->cx = 99;
    }
    BOOL OnEraseBkgnd(CDC* dc)
    {
        Put("erase");
        eraseDC = dc->GetSafeHdc();
        return TRUE;
    }
    void OnPaint()
    {
        CPaintDC dc(this);
        Put(dc.GetSafeHdc() ? "paint dc" : "paint nodc");
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(EntryWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_WM_CLOSE()
    ON_WM_SHOWWINDOW()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_RBUTTONDBLCLK()
    ON_WM_MOUSEHOVER()
    ON_WM_MOUSELEAVE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_MOUSEWHEEL()
    ON_WM_SETCURSOR()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_CHAR()
    ON_WM_SYSKEYDOWN()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_PARENTNOTIFY()
    ON_WM_INITMENUPOPUP()
    ON_WM_GETMINMAXINFO()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(MessageMapEntries, EachEntryUnpacksItsParameters)
{
    EntryWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr));
    const LPARAM keyBits = 0x001C0003;   // repeat 3, scan code 0x1C
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char* expected;
        LRESULT result;
    } cases[] = {
        {WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(320, 240), "size 2 320 240", 0},
        {WM_TIMER, 17, 0, "timer 17", 0},
        {WM_CLOSE, 0, 0, "close", 0},
        {WM_SHOWWINDOW, TRUE, SW_PARENTOPENING, "show 1 3", 0},
        {WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, 7), "move 1 -5 7", 0},
        {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 2), "ldown 1 1 2", 0},
        {WM_LBUTTONUP, 0, MAKELPARAM(3, 4), "lup 0 3 4", 0},
        {WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(0, 0), "ldbl 1 0 0", 0},
        {WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(9, -1), "rdown 2 9 -1", 0},
        {WM_RBUTTONUP, 0, MAKELPARAM(9, 8), "rup 0 9 8", 0},
        {WM_RBUTTONDBLCLK, MK_RBUTTON | MK_SHIFT, MAKELPARAM(6, 6), "rdbl 6 6 6", 0},
        {WM_MOUSEHOVER, 0, MAKELPARAM(11, 12), "hover 0 11 12", 0},
        {WM_MOUSELEAVE, 0, 0, "leave", 0},
        {WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(500, 20), "ncdown 2 500 20", 0},
        {WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(-300, 20), "ncdbl 2 -300 20", 0},
        {WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, static_cast<WORD>(-120)), MAKELPARAM(100, 200), "wheel 8 -120 100 200", TRUE},
        {WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), "cursor self 1 512", TRUE},
        {WM_KEYDOWN, VK_RETURN, keyBits, "keydown 13 3 28", 0},
        {WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(keyBits | 0xC0000000), "keyup 27 3 49180", 0},
        {WM_CHAR, 'a', keyBits, "char 97 3 28", 0},
        {WM_SYSKEYDOWN, VK_F4, 0x20000001, "syskey 115 1 8192", 0},
        {WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 40), 0, "hscroll 5 40 none", 0},
        {WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0, "vscroll 1 0 none", 0},
        {WM_PARENTNOTIFY, MAKEWPARAM(WM_LBUTTONDOWN, 0), MAKELPARAM(4, 5), "parentnotify 513 327684", 0},
        {WM_INITMENUPOPUP, 0, MAKELPARAM(2, TRUE), "initmenupopup 2 1", 0},
    };
    for (const auto& c : cases) {
        wnd.last.clear();
        EXPECT_EQ(wnd.SendMessage(c.message, c.wParam, c.lParam), c.result) << c.expected;
        EXPECT_EQ(wnd.last, c.expected);
    }
}

TEST(MessageMapEntries, StructureEntriesLetTheHandlerChangeTheStructure)
{
    EntryWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr));

    MINMAXINFO info{};
    wnd.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(wnd.last, "minmax");
    EXPECT_EQ(info.ptMinTrackSize.x, 123);

    WINDOWPOS pos{wnd.m_hWnd, nullptr, 0, 0, 70, 30, SWP_NOZORDER};
    wnd.SendMessage(WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    EXPECT_EQ(wnd.last, "poschanging 70");
    EXPECT_EQ(pos.cx, 99);
}

TEST(MessageMapEntries, PaintAndEraseHandlersGetTheDeviceContext)
{
    EntryWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr));
    const HDC screen = GetDC(nullptr);
    EXPECT_EQ(wnd.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(screen)), TRUE);
    EXPECT_EQ(wnd.eraseDC, screen);
    ReleaseDC(nullptr, screen);

    wnd.Invalidate(FALSE);
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.last, "paint dc");
    RECT dirty;
    EXPECT_FALSE(GetUpdateRect(wnd.m_hWnd, &dirty, FALSE));   // EndPaint validated it
}

} // namespace
