#pragma once
// CWnd: a C++ object bound to a window handle.
//
// A window made by Create/CreateEx is attached while it is being created (a per-thread
// CBT hook binds it at HCBT_CREATEWND), so the object sees WM_NCCREATE and WM_CREATE even
// for system classes such as BUTTON or EDIT. Messages then run WindowProc -> OnWndMsg (the
// message map) -> DefWindowProc, which is the procedure the window had before. At
// WM_NCDESTROY the object is detached and PostNcDestroy runs last; a window may delete
// itself there, since nothing touches the object afterwards.
//
// Handle maps are per thread: FromHandlePermanent finds objects attached on the calling
// thread; FromHandle also wraps foreign handles in temporary objects that live until the
// thread next goes idle (CWinThread::OnIdle) or ends.
#include "framework/CmdTarget.h"
#include "framework/Geometry.h"
#include "framework/String.h"

#include <windows.h>

class CDC;
class CFont;
class COleDropTarget;
struct tagTOOLINFOW;   // TOOLINFOW of <commctrl.h>

// RunModalLoop flags.
constexpr DWORD MLF_NOIDLEMSG = 0x0001;    // do not send WM_ENTERIDLE to the owner
constexpr DWORD MLF_SHOWONIDLE = 0x0004;   // show the window once the queue first runs dry

// CWnd::m_nFlags bits.
constexpr UINT WF_MODALLOOP = 0x0001;      // inside RunModalLoop
constexpr UINT WF_CONTINUEMODAL = 0x0002;  // the loop goes on until EndModalLoop clears it
constexpr UINT WF_TOOLTIPS = 0x0004;       // EnableToolTips: the thread's tip shows this window's tools

// Registers `wndClass` unless a class of that name is already registered for its module;
// both count as success. (Registering an existing class fails on Wine with last error 0,
// so the check comes first.)
BOOL AfxRegisterClass(WNDCLASSW* wndClass);
// A class with the given style, cursor, background and icon, registered on first use;
// answers its name. FALSE-like (empty) when registration fails.
CString AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                            HICON icon = nullptr);

// The window procedure of every attached window.
LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Deletes the calling thread's temporary window wrappers (see FromHandle).
void AfxDeleteTempWindowMap();
// Frees what the calling thread kept for its windows: the last step of a framework thread.
void AfxTermThreadWindows();
// Destroys the calling thread's tool tip (EnableToolTips); comes before AfxTermThreadWindows.
void AfxTermThreadToolTips();

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd();
    // Destroys the window when this object still owns one.
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    // The drop target registered on this window (COleDropTarget::Register); it is revoked
    // when the window is destroyed.
    COleDropTarget* m_pDropTarget = nullptr;

    // Insert-after markers for SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // --- handle maps
    // The object attached to `hwnd` on this thread, else a temporary wrapper; null for null.
    static CWnd* FromHandle(HWND hwnd);
    // The object attached to `hwnd` on this thread, or null.
    static CWnd* FromHandlePermanent(HWND hwnd);
    // Binds this object to `hwnd` without taking its messages; FALSE when either is bound.
    BOOL Attach(HWND hwnd);
    HWND Detach();
    // Binds and routes the window's messages through this object. FALSE for a window of
    // another thread (its messages would never reach this thread's objects).
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    // Puts the previous procedure back and unbinds; answers the handle. Null, changing
    // nothing, while another procedure is installed above ours (it would be cut out of the
    // chain) or when the window was only attached.
    HWND UnsubclassWindow();

    // --- creation
    // A child window (WS_CHILD is added). A null class name uses the framework's class.
    virtual BOOL Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                        UINT id);
    // A failed creation ends like a destroyed window: PostNcDestroy has run when this
    // answers FALSE, so a self-deleting object is gone by then.
    virtual BOOL CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                          int width, int height, HWND parent, HMENU idOrMenu, LPVOID param = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, LPVOID param = nullptr);
    // Destroying may delete this object (PostNcDestroy): do not touch it afterwards.
    virtual BOOL DestroyWindow();

    // --- message loop hooks
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Dialog keys (Tab, arrows, Enter, Escape) for keyboard and mouse messages.
    BOOL PreTranslateInput(MSG* msg);
    // Offers `msg` to PreTranslateMessage of its target window and each parent up to the
    // target's top-level window; TRUE as soon as one takes it. Mouse messages are shown to
    // the thread's tool tip first (EnableToolTips).
    static BOOL WalkPreTranslateTree(MSG* msg);

    // --- modal runs
    // Pumps messages until EndModalLoop (or the window's destruction, which answers -1
    // unless EndModalLoop gave a value first); answers the value given to EndModalLoop.
    // -1 at once without a window, or when this window's loop is already running.
    virtual int RunModalLoop(DWORD flags = 0);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int result);

    // The window a modal run or prompt should be owned by: the top-level window of
    // `parent` (the thread's main window when null), or its active popup. With `topLevel`,
    // that top-level window is disabled when it was enabled and handed back there so the
    // caller can enable it again; otherwise *topLevel is null.
    static HWND GetSafeOwner_(HWND parent, HWND* topLevel);
    static CWnd* GetSafeOwner(CWnd* parent = nullptr, HWND* topLevel = nullptr);

    // --- thin members
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_EXSTYLE)); }
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }

    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    CWnd* GetOwner() const { return FromHandle(::GetWindow(m_hWnd, GW_OWNER)); }
    CWnd* GetTopLevelParent() const;
    CWnd* GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    static CWnd* GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    BOOL IsChild(const CWnd* wnd) const { return wnd && ::IsChild(m_hWnd, wnd->m_hWnd); }

    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsZoomed() const { return ::IsZoomed(m_hWnd); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
    void SetRedraw(BOOL redraw = TRUE) { SendMessage(WM_SETREDRAW, redraw, 0); }

    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, UINT flags)
    {
        return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, width, height, flags);
    }
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE)
    {
        ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE)
    {
        MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
    }
    // Centres on the owner (a child: on its parent), or on the work area when there is
    // no visible owner.
    void CenterWindow(CWnd* alternateOwner = nullptr);
    void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
    void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
    void ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
    void ScreenToClient(LPRECT rect) const;

    void SetWindowText(LPCWSTR text) { ::SetWindowTextW(m_hWnd, text); }
    int GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }
    void GetWindowText(CString& text) const;
    void SetDlgItemText(int id, LPCWSTR text) { ::SetDlgItemTextW(m_hWnd, id, text); }
    HMENU GetMenu() const { return ::GetMenu(m_hWnd); }
    HICON SetIcon(HICON icon, BOOL big)
    {
        return reinterpret_cast<HICON>(SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
    }

    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr)
    {
        return ::SetTimer(m_hWnd, id, elapse, proc);
    }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
    CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
    static CWnd* GetCapture() { return FromHandle(::GetCapture()); }
    int SetWindowRgn(HRGN region, BOOL redraw) { return ::SetWindowRgn(m_hWnd, region, redraw); }
    // Copies the window's region into `region`, which must exist; ERROR when it has none.
    int GetWindowRgn(HRGN region) const { return ::GetWindowRgn(m_hWnd, region); }

    CWnd* GetWindow(UINT command) const { return FromHandle(::GetWindow(m_hWnd, command)); }
    static CWnd* WindowFromPoint(POINT point) { return FromHandle(::WindowFromPoint(point)); }
    void MapWindowPoints(const CWnd* to, LPPOINT points, UINT count) const
    {
        ::MapWindowPoints(m_hWnd, to ? to->m_hWnd : nullptr, points, count);
    }
    void MapWindowPoints(const CWnd* to, LPRECT rect) const { MapWindowPoints(to, reinterpret_cast<LPPOINT>(rect), 2); }
    BOOL RedrawWindow(LPCRECT rect = nullptr, HRGN region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE)
    {
        return ::RedrawWindow(m_hWnd, rect, region, flags);
    }
    void ValidateRect(LPCRECT rect) { ::ValidateRect(m_hWnd, rect); }

    // The font the window draws its text with (WM_SETFONT / WM_GETFONT); the caller keeps
    // owning it and must keep it alive while the window uses it. Null: the system font.
    void SetFont(CFont* font, BOOL redraw = TRUE);
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }

    // Scroll bars of the window itself (SB_HORZ, SB_VERT) or of a scroll-bar control
    // (SB_CTL). GetScrollInfo fills what `mask` asks for.
    BOOL GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask = SIF_ALL) const;
    int SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw = TRUE)
    {
        info->cbSize = sizeof(SCROLLINFO);
        return ::SetScrollInfo(m_hWnd, bar, info, redraw);
    }
    int GetScrollPos(int bar) const { return ::GetScrollPos(m_hWnd, bar); }
    int SetScrollPos(int bar, int position, BOOL redraw = TRUE) { return ::SetScrollPos(m_hWnd, bar, position, redraw); }
    void GetScrollRange(int bar, LPINT minimum, LPINT maximum) const { ::GetScrollRange(m_hWnd, bar, minimum, maximum); }
    void SetScrollRange(int bar, int minimum, int maximum, BOOL redraw = TRUE)
    {
        ::SetScrollRange(m_hWnd, bar, minimum, maximum, redraw);
    }
    void ShowScrollBar(UINT bar, BOOL show = TRUE) { ::ShowScrollBar(m_hWnd, static_cast<int>(bar), show); }
    BOOL EnableScrollBar(int bar, UINT arrows = ESB_ENABLE_BOTH) { return ::EnableScrollBar(m_hWnd, bar, arrows); }

    // --- tool tips
    // With tool tips on, the mouse messages the framework's message pump takes for this
    // window or its children are shown to the thread's tool tip, which shows the text of
    // the tool OnToolHitTest names under the mouse. A tool whose text comes by callback
    // asks for it with TTN_NEEDTEXTW, which reaches the handlers of the window that holds
    // the tool (the window itself, by default). FALSE when the tip cannot be made.
    BOOL EnableToolTips(BOOL enable = TRUE);
    // The tool at `point` (client coordinates): fills `info` (hwnd, uId, uFlags, rect,
    // lpszText; lpszText LPSTR_TEXTCALLBACKW to ask by TTN_NEEDTEXTW) and answers an id
    // that tells tools apart, or -1 for no tool. The base makes the child window under the
    // point the tool, with its control id.
    virtual INT_PTR OnToolHitTest(CPoint point, tagTOOLINFOW* info) const;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Commands, notifications, reflection and the message map; TRUE when handled.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The procedure the window had before this object took it over.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // DefWindowProc with the message now being handled.
    LRESULT Default();

    virtual BOOL PreCreateWindow(CREATESTRUCTW& cs);
    // Called last, after the window is gone and the object detached. A window that owns
    // itself deletes itself here.
    virtual void PostNcDestroy();

    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A message from this control to its parent, handed back first (WM_COMMAND, WM_NOTIFY,
    // WM_CTLCOLOR*, WM_DRAWITEM, WM_MEASUREITEM, WM_HSCROLL, WM_VSCROLL). TRUE: handled
    // here, the parent does nothing more. The default runs the reflected map entries.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // Default handlers, for derived handlers to call: each does the default processing.
    int OnCreate(LPCREATESTRUCT);
    void OnDestroy();
    void OnClose();
    void OnSize(UINT, int, int);
    void OnTimer(UINT_PTR);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC*);
    void OnHScroll(UINT, UINT, CWnd*);
    void OnVScroll(UINT, UINT, CWnd*);
    void OnShowWindow(BOOL, UINT);
    void OnWindowPosChanging(WINDOWPOS*);
    void OnWindowPosChanged(WINDOWPOS*);
    void OnGetMinMaxInfo(MINMAXINFO*);
    void OnInitMenuPopup(HMENU, UINT, BOOL);
    HBRUSH OnCtlColor(CDC*, CWnd*, UINT);
    void OnParentNotify(UINT, LPARAM);
    void OnMouseMove(UINT, CPoint);
    void OnLButtonDown(UINT, CPoint);
    void OnLButtonUp(UINT, CPoint);
    void OnLButtonDblClk(UINT, CPoint);
    void OnRButtonDown(UINT, CPoint);
    void OnRButtonUp(UINT, CPoint);
    void OnRButtonDblClk(UINT, CPoint);
    BOOL OnMouseWheel(UINT, short, CPoint);
    void OnMouseHover(UINT, CPoint);
    void OnMouseLeave();
    BOOL OnSetCursor(CWnd*, UINT, UINT);
    void OnNcLButtonDown(UINT, CPoint);
    void OnNcLButtonDblClk(UINT, CPoint);
    void OnKeyDown(UINT, UINT, UINT);
    void OnKeyUp(UINT, UINT, UINT);
    void OnChar(UINT, UINT, UINT);
    void OnSysKeyDown(UINT, UINT, UINT);
    // Owner-drawn menu items go to the object of their menu (see CMenu); other items to
    // the default procedure (controls have had theirs handed back already).
    void OnDrawItem(int, LPDRAWITEMSTRUCT);
    void OnMeasureItem(int, LPMEASUREITEMSTRUCT);
    void OnEnterMenuLoop(BOOL);
    void OnExitMenuLoop(BOOL);

    WNDPROC m_pfnSuper = nullptr;   // the procedure before ours; DefWindowProcW when none
    UINT m_nFlags = 0;              // WF_*
    int m_nModalResult = -1;

    DECLARE_MESSAGE_MAP()

private:
    // The RunModalLoop frame: it lives on the loop's stack so the loop learns that the
    // window went away even when the object went with it.
    struct ModalRun {
        bool windowGone = false;
        int result = -1;
    };
    friend struct WndAccess;
    ModalRun* m_pModalRun = nullptr;   // the RunModalLoop frame on the stack, while it runs

    // Shows a mouse message taken by the pump to the thread's tool tip (EnableToolTips).
    static void RelayToolTipMessage(const MSG& msg);

    CWnd(HWND marker);   // the insert-after markers
};

#include "framework/WndMessages.h"
