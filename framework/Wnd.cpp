#include "framework/Wnd.h"

#include "framework/CallbackGuard.h"
#include "framework/Menu.h"
#include "framework/OleDropTarget.h"
#include "framework/ThreadSlot.h"
#include "framework/WinApp.h"
#include "framework/WinThread.h"

#include <memory>
#include <unordered_map>
#include <utility>

namespace {

constexpr wchar_t kFrameworkClass[] = L"LumeoWnd";
constexpr UINT WF_MARKER = 0x8000;   // the insert-after markers: no window, no maps

// What each thread keeps for its windows (an AfxThreadLocal). A framework thread frees it
// when it ends (AfxTermThreadWindows); other threads keep theirs to the end.
struct WndThreadState {
    // Windows bound to objects. Most messages in a row go to one window, so the last
    // answer is kept in front of the map.
    CWnd* Find(HWND hwnd)
    {
        if (hwnd == lastHwnd)
            return lastWnd;
        const auto it = permanent.find(hwnd);
        if (it == permanent.end())
            return nullptr;
        lastHwnd = hwnd;
        lastWnd = it->second;
        return lastWnd;
    }
    void Insert(HWND hwnd, CWnd* wnd)
    {
        permanent[hwnd] = wnd;
        lastHwnd = hwnd;
        lastWnd = wnd;
    }
    void Erase(HWND hwnd)
    {
        permanent.erase(hwnd);
        if (hwnd == lastHwnd) {
            lastHwnd = nullptr;
            lastWnd = nullptr;
        }
    }

    std::unordered_map<HWND, CWnd*> permanent;
    HWND lastHwnd = nullptr;
    CWnd* lastWnd = nullptr;
    std::unordered_map<HWND, std::unique_ptr<CWnd>> temporary;
    CWnd* creating = nullptr;   // bound at the next HCBT_CREATEWND of this thread
    HHOOK cbtHook = nullptr;
    MSG current{};              // the message being handled, for CWnd::Default

    WndThreadState() = default;
    WndThreadState(const WndThreadState&) = delete;
    WndThreadState& operator=(const WndThreadState&) = delete;
    ~WndThreadState();
};

const AfxThreadLocal<WndThreadState>& WndStates()
{
    static const AfxThreadLocal<WndThreadState> states;
    return states;
}

// Null when this thread has no windows to know of.
WndThreadState* StateIfAny()
{
    return WndStates().IfAny();
}

WndThreadState& State()
{
    return WndStates().Get();
}

bool IsImeWindow(HWND hwnd)
{
    // The system may create input-method windows of its own (the default "IME" window
    // and the text services' windows of classes with CS_IME) while a window is being
    // created; they must not take the pending object.
    if (GetClassLongPtrW(hwnd, GCL_STYLE) & CS_IME)
        return true;
    wchar_t name[8];
    return GetClassNameW(hwnd, name, 8) > 0 && lstrcmpiW(name, L"IME") == 0;
}

LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);

// WM_CTLCOLORMSGBOX .. WM_CTLCOLORSTATIC, which share one map entry.
bool IsCtlColor(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

} // namespace

// Free functions of this file that reach CWnd's private parts.
struct WndAccess {
    static void Bind(CWnd* wnd, HWND hwnd, WndThreadState& s)
    {
        s.Insert(hwnd, wnd);
        wnd->m_hWnd = hwnd;
    }
    static void Unbind(CWnd* wnd, HWND hwnd, WndThreadState& s)
    {
        if (s.Find(hwnd) == wnd)
            s.Erase(hwnd);
        wnd->m_hWnd = nullptr;
    }

    static void Subclass(CWnd* wnd, HWND hwnd)
    {
        const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
        if (previous != &AfxWndProc)
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc));
        // No previous procedure of its own (a class registered with AfxWndProc, or the
        // plain default procedure): DefWindowProcW is called directly, which is cheaper
        // than going through CallWindowProcW.
        wnd->m_pfnSuper = previous == &AfxWndProc || previous == &::DefWindowProcW ? nullptr : previous;
    }

    static LRESULT Call(WndThreadState& s, CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void FinishNcDestroy(WndThreadState& s, HWND hwnd);
    static bool IsMarker(const CWnd* wnd) { return (wnd->m_nFlags & WF_MARKER) != 0; }
    static void ForgetTemporary(CWnd* wnd) { wnd->m_hWnd = nullptr; }
    static bool Reflect(const CWnd* parent, HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                        LRESULT* result);
};

namespace {

WndThreadState::~WndThreadState()
{
    for (auto& entry : temporary)
        WndAccess::ForgetTemporary(entry.second.get());
    if (cbtHook)
        UnhookWindowsHookEx(cbtHook);
}

LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam)
{
    // The hook belongs to the thread's state, so the state exists while it is installed;
    // nothing is allocated here.
    WndThreadState* const state = StateIfAny();
    if (!state)
        return CallNextHookEx(nullptr, code, wParam, lParam);
    WndThreadState& s = *state;
    if (code == HCBT_CREATEWND && s.creating) {
        const HWND hwnd = reinterpret_cast<HWND>(wParam);
        if (!IsImeWindow(hwnd)) {
            CWnd* const wnd = s.creating;
            s.creating = nullptr;
            try {
                WndAccess::Bind(wnd, hwnd, s);
                WndAccess::Subclass(wnd, hwnd);
            } catch (...) {
                // Not bound: CreateEx then binds the window once it exists.
                WndAccess::Unbind(wnd, hwnd, s);
                AfxReportCallbackException("window creation hook");
            }
        }
    }
    return CallNextHookEx(s.cbtHook, code, wParam, lParam);
}

bool EnsureCbtHook(WndThreadState& s)
{
    if (!s.cbtHook)
        s.cbtHook = SetWindowsHookExW(WH_CBT, &CbtHook, nullptr, GetCurrentThreadId());
    return s.cbtHook != nullptr;
}

// What a message answers when its handler threw.
LRESULT FailedResult(HWND hwnd, UINT message)
{
    switch (message) {
    case WM_NCCREATE:
        return FALSE;
    case WM_CREATE:
        return -1;
    case WM_PAINT:
        ValidateRect(hwnd, nullptr);   // or the paint would come back at once, forever
        return 0;
    default:
        return 0;
    }
}

} // namespace

LRESULT WndAccess::Call(WndThreadState& s, CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const MSG outer = s.current;
    s.current = MSG{hwnd, message, wParam, lParam, 0, {0, 0}};
    LRESULT result;
    try {
        result = wnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        AfxReportCallbackException("window procedure");
        result = FailedResult(hwnd, message);
    }
    // `wnd` may be gone by now (a handler can destroy and delete its own window); from
    // here on only the handle is used.
    if (message == WM_NCDESTROY) {
        try {
            FinishNcDestroy(s, hwnd);
        } catch (...) {
            AfxReportCallbackException("window clean-up");
        }
    }
    s.current = outer;
    return result;
}

void WndAccess::FinishNcDestroy(WndThreadState& s, HWND hwnd)
{
    CWnd* const wnd = s.Find(hwnd);
    if (!wnd)
        return;
    if (COleDropTarget* const target = std::exchange(wnd->m_pDropTarget, nullptr))
        target->Revoke();
    if (CWinThread* const thread = AfxGetThread(); thread && thread->m_pMainWnd == wnd) {
        thread->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    if (CWnd::ModalRun* const run = wnd->m_pModalRun) {
        run->windowGone = true;
        run->result = (wnd->m_nFlags & WF_CONTINUEMODAL) ? -1 : wnd->m_nModalResult;
        wnd->m_pModalRun = nullptr;
        wnd->m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    }
    if (wnd->m_pfnSuper &&
        reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)) == &AfxWndProc)
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(wnd->m_pfnSuper));
    s.Erase(hwnd);
    wnd->m_hWnd = nullptr;
    wnd->m_pfnSuper = nullptr;
    wnd->PostNcDestroy();   // last: it may delete the object
}

LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    WndThreadState* const s = StateIfAny();
    CWnd* const wnd = s ? s->Find(hwnd) : nullptr;
    if (!wnd)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return WndAccess::Call(*s, wnd, hwnd, message, wParam, lParam);
}

void AfxDeleteTempWindowMap()
{
    WndThreadState* const s = StateIfAny();
    if (!s)
        return;
    for (auto& entry : s->temporary)
        WndAccess::ForgetTemporary(entry.second.get());
    s->temporary.clear();
}

void AfxTermThreadWindows()
{
    WndStates().Free();
}

BOOL AfxRegisterClass(WNDCLASSW* wndClass)
{
    WNDCLASSW existing;
    if (GetClassInfoW(wndClass->hInstance, wndClass->lpszClassName, &existing))
        return TRUE;
    return RegisterClassW(wndClass) != 0;
}

CString AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    const HINSTANCE instance = AfxGetInstanceHandle();
    CString name;
    name.Format(L"Lumeo:%p:%x:%p:%p:%p", static_cast<void*>(instance), classStyle, static_cast<void*>(cursor),
                static_cast<void*>(background), static_cast<void*>(icon));
    WNDCLASSW wc{};
    wc.style = classStyle;
    wc.lpfnWndProc = &::DefWindowProcW;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    if (!AfxRegisterClass(&wc))
        name.Empty();
    return name;
}

// ---------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd() = default;

CWnd::CWnd(HWND marker) : m_hWnd(marker), m_nFlags(WF_MARKER) {}

CWnd::~CWnd()
{
    if (WndAccess::IsMarker(this))
        return;
    if (m_pModalRun)
        m_pModalRun->windowGone = true;
    WndThreadState* const s = StateIfAny();
    if (!s || !m_hWnd || s->Find(m_hWnd) != this)
        return;
    // Still owning a window: destroy it (its messages now reach the CWnd part only).
    const HWND hwnd = m_hWnd;
    ::DestroyWindow(hwnd);
    if (s->Find(hwnd) == this) {   // not destroyed (another thread's window)
        s->Erase(hwnd);
        m_hWnd = nullptr;
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    WndThreadState* const s = StateIfAny();
    return hwnd && s ? s->Find(hwnd) : nullptr;
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    WndThreadState& s = State();
    if (CWnd* const wnd = s.Find(hwnd))
        return wnd;
    std::unique_ptr<CWnd>& temporary = s.temporary[hwnd];
    if (!temporary) {
        temporary = std::make_unique<CWnd>();
        temporary->m_hWnd = hwnd;
    }
    return temporary.get();
}

BOOL CWnd::Attach(HWND hwnd)
{
    WndThreadState& s = State();
    if (!hwnd || m_hWnd || s.Find(hwnd))
        return FALSE;
    WndAccess::Bind(this, hwnd, s);
    return TRUE;
}

HWND CWnd::Detach()
{
    const HWND hwnd = m_hWnd;
    if (hwnd) {
        WndThreadState& s = State();
        if (s.Find(hwnd) == this)
            s.Erase(hwnd);
        m_hWnd = nullptr;
    }
    return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd)
{
    // Another thread's window would get its messages on that thread, where this object
    // is unknown: they would skip the window's own procedure altogether.
    if (!IsWindow(hwnd) || GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId() || !Attach(hwnd))
        return FALSE;
    WndAccess::Subclass(this, hwnd);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    return parent && SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow()
{
    // Only our own procedure can be taken out: one installed above it keeps ours as its
    // predecessor, and an attached window never had ours.
    if (!m_hWnd || reinterpret_cast<WNDPROC>(GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC)) != &AfxWndProc)
        return nullptr;
    SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(m_pfnSuper ? m_pfnSuper : &::DefWindowProcW));
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTW& cs)
{
    if (cs.lpszClass)
        return TRUE;
    WNDCLASSW wc{};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &::DefWindowProcW;
    wc.hInstance = cs.hInstance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));   // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kFrameworkClass;
    if (!AfxRegisterClass(&wc))
        return FALSE;
    cs.lpszClass = kFrameworkClass;
    return TRUE;
}

BOOL CWnd::Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id, LPVOID param)
{
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU idOrMenu, LPVOID param)
{
    if (m_hWnd)
        return FALSE;
    CREATESTRUCTW cs{};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = static_cast<LONG>(style);
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.hwndParent = parent;
    cs.hMenu = idOrMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = param;

    WndThreadState& s = State();
    if (!PreCreateWindow(cs) || !EnsureCbtHook(s)) {
        PostNcDestroy();
        return FALSE;
    }
    s.creating = this;
    const HWND hwnd = CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style),
                                      cs.x, cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance,
                                      cs.lpCreateParams);
    const bool hookTookIt = s.creating != this;
    s.creating = nullptr;
    if (!hwnd) {
        // When the window was bound it has had its WM_NCDESTROY, and PostNcDestroy with it;
        // the object may be gone.
        if (!hookTookIt)
            PostNcDestroy();
        return FALSE;
    }
    if (m_hWnd != hwnd)   // the hook could not bind it: late, but bound all the same
        SubclassWindow(hwnd);
    return m_hWnd == hwnd;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

void CWnd::PostNcDestroy() {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& current = State().current;
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

// The attached object of a control that sent its parent a message, when it wants it back.
bool WndAccess::Reflect(const CWnd* parent, HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                        LRESULT* result)
{
    CWnd* const child = CWnd::FromHandlePermanent(control);
    if (!child || child == parent)
        return false;
    LRESULT ignored = 0;
    return child->OnChildNotify(message, wParam, lParam, result ? result : &ignored) != FALSE;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (IsCtlColor(message)) {
        if (WndAccess::Reflect(this, reinterpret_cast<HWND>(lParam), message, wParam, lParam, result))
            return TRUE;
        AFX_MSGCALL call{message, wParam, lParam, 0};
        if (!DispatchMsg(AFX_WM_CTLCOLOR, 0, 0, call))
            return FALSE;
        *result = call.result;
        return TRUE;
    }
    switch (message) {
    case WM_COMMAND:
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *result = 0;
        return TRUE;
    case WM_NOTIFY: {
        LRESULT answer = 0;
        if (!OnNotify(wParam, lParam, &answer))
            return FALSE;
        *result = answer;
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item && item->CtlType != ODT_MENU && WndAccess::Reflect(this, item->hwndItem, message, wParam, lParam, result))
            return TRUE;
        break;
    }
    case WM_MEASUREITEM: {
        const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        if (item && item->CtlType != ODT_MENU &&
            WndAccess::Reflect(this, ::GetDlgItem(m_hWnd, static_cast<int>(item->CtlID)), message, wParam, lParam, result))
            return TRUE;
        break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lParam && WndAccess::Reflect(this, reinterpret_cast<HWND>(lParam), message, wParam, lParam, result))
            return TRUE;
        break;
    default:
        break;
    }
    AFX_MSGCALL call{message, wParam, lParam, 0};
    if (DispatchMsg(message, 0, 0, call)) {
        *result = call.result;
        return TRUE;
    }
    // Owner-drawn menu items that no handler took: the object of their menu answers.
    const bool menuItemDone =
        (message == WM_DRAWITEM && AfxDrawMenuItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam))) ||
        (message == WM_MEASUREITEM && AfxMeasureMenuItem(m_hWnd, reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)));
    if (!menuItemDone)
        return FALSE;
    *result = TRUE;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    const HWND control = reinterpret_cast<HWND>(lParam);
    int code = HIWORD(wParam);
    if (control) {
        if (WndAccess::Reflect(this, control, WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
    } else {
        code = CN_COMMAND;   // a menu item (0) or an accelerator (1)
    }
    return OnCmdMsg(id, code, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    NMHDR* const header = reinterpret_cast<NMHDR*>(lParam);
    if (!header)
        return FALSE;
    if (header->hwndFrom && WndAccess::Reflect(this, header->hwndFrom, WM_NOTIFY, wParam, lParam, result))
        return TRUE;
    AFX_NOTIFY notify{result, header};
    return OnCmdMsg(static_cast<UINT>(header->idFrom), static_cast<int>(MAKELONG(header->code, WM_NOTIFY)), &notify,
                    nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const UINT reflected = WM_REFLECT_BASE + (IsCtlColor(message) ? AFX_WM_CTLCOLOR : message);
    UINT code = 0;
    if (message == WM_COMMAND)
        code = HIWORD(wParam);
    else if (message == WM_NOTIFY)
        code = reinterpret_cast<const NMHDR*>(lParam)->code;
    AFX_MSGCALL call{message, wParam, lParam, 0};
    if (!DispatchMsg(reflected, code, 0, call))
        return FALSE;
    if (result)
        *result = call.result;
    return TRUE;
}
