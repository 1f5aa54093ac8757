// CUIWnd: construction, creation from the skin record, the child pass, the clean-up at
// WM_NCDESTROY, and the window procedure that routes every message to its part.
#include "skin/ui/UIWnd.h"

#include "framework/CallbackGuard.h"
#include "framework/WinApp.h"
#include "framework/WndDC.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/SkinWindowClass.h"
#include "skin/ui/UIWndPrivate.h"
#include "skin/ui/UIWndScaling.h"

#include <comdef.h>

#include <algorithm>
#include <cwchar>
#include <iterator>

namespace Vexel {

using namespace record_read;

IMPLEMENT_DYNCREATE(CUIWnd, CWnd)

BEGIN_MESSAGE_MAP(CUIWnd, CWnd)
    ON_COMMAND(IDCANCEL, &CUIWnd::OnCancel)
    ON_WM_PAINT()
    ON_WM_INITMENUPOPUP()
    ON_MESSAGE(WM_VXL_CANLAYOUTCHILD, &CUIWnd::OnCanLayoutChild)
END_MESSAGE_MAP()

namespace {

constexpr wchar_t kUIWndClass[] = L"UIWND";

// The window-record switches that add style bits, and the bits they add.
struct StyleSwitch {
    int variable;
    DWORD bit;
};

constexpr StyleSwitch kStyleSwitches[] = {
    {CtrlVar::IsClipChildren, WS_CLIPCHILDREN},
    {CtrlVar::IsClipSiblings, WS_CLIPSIBLINGS},
};

constexpr StyleSwitch kExStyleSwitches[] = {
    {UiWndVar::IsNoActivate, WS_EX_NOACTIVATE},
    {UiWndVar::IsAppWindow, WS_EX_APPWINDOW},
    {UiWndVar::IsTopmost, WS_EX_TOPMOST},
    {UiWndVar::IsAcceptFiles, WS_EX_ACCEPTFILES},
    {UiWndVar::IsToolWindow, WS_EX_TOOLWINDOW},
};

// The bitmaps LoadBackgroundImages hands over, owned from the moment they arrive so that
// no failure path can lose one.
struct LoadedImages {
    CBitmap normal;
    CBitmap highlight;
    CBitmap selected;
    CBitmap disabled;
};

void ReleaseLoadedStates(UIWndPrivate& p)
{
    for (SharedBitmap& image : p.loadedImages)
        image.Release();
}

void Take(CBitmap& slot, HBITMAP bitmap)
{
    if (bitmap)
        slot.Attach(bitmap);
}

} // namespace

CUIWnd::CUIWnd(CWnd* owner) : m_pPrivate(std::make_unique<UIWndPrivate>()), m_pOwner(owner)
{
}

CUIWnd::~CUIWnd()
{
    // A window still up goes now, while its WM_NCDESTROY still reaches this class: the
    // images its controls hold are released once, as on every other way out. (Derived
    // parts are gone already, so a derived PostNcDestroy is not called from here.)
    if (CWnd::FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    m_nWindowID = -1;
}

void CUIWnd::SetWindowID()
{
}

BOOL CUIWnd::Create(UINT resourceId, DWORD style, CWnd* parent, int imagesFromFiles, int layered)
{
    UIWndPrivate& p = *m_pPrivate;
    p.imagesFromFiles = imagesFromFiles;
    p.layered = layered;
    p.resourceId = static_cast<int>(resourceId);

    if (!RegisterSkinWindowClass(kUIWndClass,
                                 ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(LOWORD(resourceId)))))
        return FALSE;

    const bool show = (style & WS_VISIBLE) != 0;
    CString caption;
    if (!caption.LoadString(resourceId))
        caption.Empty();
    // A failed creation has run PostNcDestroy: a window that deletes itself is gone.
    if (!CreateEx(0, kUIWndClass, caption, style & ~WS_VISIBLE, 0, 0, 0, 0, parent ? parent->GetSafeHwnd() : nullptr,
                  nullptr))
        return FALSE;
    if (show)
        ShowWindow(SW_SHOWNA);
    return TRUE;
}

BOOL CUIWnd::PreCreateWindow(CREATESTRUCTW& cs)
{
    SetWindowID();

    // Looked up on every creation, so a window made again follows a changed skin.
    UIWndPrivate& p = *m_pPrivate;
    CString name;
    g_skinStore.GetNameByID(m_nWindowID, name);
    try {
        if (const UIWNDPROPERTIES* found = g_skinStore.FindWindowProperties(name))
            p.record = *found;
        else
            p.record = UIWNDPROPERTIES();
        // Lengths follow the images: scaled where the images are (files), not otherwise.
        p.scale = p.imagesFromFiles ? CurrentDpi() : kUnscaledDpi;
        ScaleWindowLengths(p.record, p.scale);
    } catch (const _com_error&) {
        return FALSE;   // a value that cannot be copied: no window from a half record
    }
    p.clientArea = Rect(p.record, UiWndVar::ClientArea);

    for (const StyleSwitch& s : kStyleSwitches) {
        if (Switch(p.record, s.variable))
            cs.style |= static_cast<LONG>(s.bit);
    }
    for (const StyleSwitch& s : kExStyleSwitches) {
        if (Switch(p.record, s.variable))
            cs.dwExStyle |= s.bit;
    }
    return CWnd::PreCreateWindow(cs);
}

LRESULT CUIWnd::OnSkinCreate(bool withChildren)
{
    UIWndPrivate& p = *m_pPrivate;
    HBITMAP background = nullptr;
    HBITMAP normal = nullptr;
    HBITMAP highlight = nullptr;
    HBITMAP selected = nullptr;
    HBITMAP disabled = nullptr;
    BOOL deleteAfterUse = TRUE;
    p.createError = LoadBackgroundImages(&background, &normal, &highlight, &selected, &disabled, &deleteAfterUse);
    // The window's own loader keeps its images in the store's holds; any other loader's
    // background is the window's from here on.
    p.background = p.loadedImages[0].GetSafeHandle() == background && background ? p.loadedImages[0]
                                                                                 : SharedBitmap::Adopt(background);
    p.loadedImages[0].Release();
    const ParentBackgrounds backgrounds{normal, highlight, selected, disabled};
    LoadedImages states;
    if (deleteAfterUse) {
        Take(states.normal, normal);
        Take(states.highlight, highlight);
        Take(states.selected, selected);
        Take(states.disabled, disabled);
    }
    if (p.createError != 0) {
        ReleaseLoadedStates(p);
        return -1;
    }

    BITMAP header{};
    if (p.background.GetSafeHandle() && p.background.GetBitmap(&header))
        p.backgroundSize = {header.bmWidth, header.bmHeight};
    // Sized without activation: a window made hidden, or shown without activation, must
    // not take the activation from the window the user is in.
    SetWindowPos(nullptr, 0, 0, p.backgroundSize.cx, p.backgroundSize.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    p.tag = Text(p.record, UiWndVar::Tag);
    const bool made = !withChildren || CreateChildControls(backgrounds);
    // The controls have cut their parts out of the state images: `states` frees them, and
    // the loader's holds go (an image stays while a control or the background holds it).
    ReleaseLoadedStates(p);
    if (!made) {
        p.createError = 110;
        return -1;
    }

    ApplyWindowShape(Switch(p.record, UiWndVar::IsLayeredWindow) ? 1 : 0);

    p.stringId = Text(p.record, CtrlVar::ID);
    ::SetPropW(m_hWnd, kStringIdProperty, const_cast<LPWSTR>(static_cast<LPCWSTR>(p.stringId)));
    if (Switch(p.record, UiWndVar::IsResizing))
        p.borderResizeEnabled = Int(p.record, UiWndVar::IsResizingBorder, 0);
    return 0;
}

bool CUIWnd::CreateChildControls(const ParentBackgrounds& backgrounds)
{
    UIWndPrivate& p = *m_pPrivate;
    for (CTRLPROPERTIES* record : p.record.Controls()) {
        if (!record)
            continue;
        const CString type = Text(*record, CtrlVar::Type);
        const ControlKind* const kind = FindControlKind(type);
        if (!kind || !kind->create)
            continue;   // a kind this window cannot make: no child, no record
        CreatedControl made;
        try {
            made = kind->create(*this, *record, backgrounds);
        } catch (...) {
            AfxReportCallbackException("skinned control creation");
            return false;   // a control that could not be made, as any other
        }
        if (!made.object)
            return false;

        ChildControlRecord child;
        child.window = made.window;
        child.placeholder = made.placeholder;
        child.control = std::move(made.object);
        if (kind->designRect == DesignRectFrom::CreatedWindow && child.window && child.window->GetSafeHwnd()) {
            CRect rect;
            child.window->GetWindowRect(&rect);
            ScreenToClient(&rect);
            child.designRect = rect;
        } else {
            child.designRect = ControlRect(*record);
        }
        std::wcsncpy(child.type, type, std::size(child.type) - 1);
        child.properties = record;
        child.kind = kind;
        p.children.push_back(std::move(child));
    }
    return true;
}

void CUIWnd::DestroyChildControls()
{
    UIWndPrivate& p = *m_pPrivate;
    for (ChildControlRecord& child : p.children) {
        if (!child.control)
            continue;
        // The window owns the skin images it handed the control: they go exactly once, here.
        if (child.kind && child.kind->release)
            child.kind->release(*child.control);
        if (child.window)
            child.window->DestroyWindow();
        child.window = nullptr;
        child.placeholder = nullptr;
        child.control.reset();
    }
    p.children.clear();
}

void CUIWnd::CleanUpOnNcDestroy()
{
    UIWndPrivate& p = *m_pPrivate;
    DestroyChildControls();
    ReleaseBackground();
    for (HostedTaskWndMgr* manager : p.hostedTaskWndMgrs)
        manager->ForgetTaskWindows();
    p.hostedTaskWndMgrs.clear();
    p.parentDrawsChildBackground = 0;
    ::RemovePropW(m_hWnd, kStringIdProperty);
}

int CUIWnd::GetLastCreateError() const
{
    return m_pPrivate->createError;
}

int CUIWnd::SetFlag(int on)
{
    m_pPrivate->borderResizeEnabled = on;
    return 0;
}

int CUIWnd::GetOrigRect(RECT* out) const
{
    if (!out)
        return -1;
    *out = Rect(m_pPrivate->record, UiWndVar::ClientArea);
    return 0;
}

RECT CUIWnd::ControlRect(const CTRLPROPERTIES& record) const
{
    return ScaleRect(Rect(record, CtrlVar::Rect), m_pPrivate->scale);
}

CRectCtrl* CUIWnd::GetRectCtrl(int id) const
{
    for (const ChildControlRecord& child : m_pPrivate->children) {
        if (std::wcscmp(child.type, L"RECT") != 0 || !child.properties)
            continue;
        if (g_skinStore.GetIDByName(Text(*child.properties, CtrlVar::ID)) == id)
            return child.placeholder;
    }
    return nullptr;
}

const std::vector<ChildControlRecord>& CUIWnd::GetChildControls() const
{
    return m_pPrivate->children;
}

const UIWNDPROPERTIES& CUIWnd::GetWindowProperties() const
{
    return m_pPrivate->record;
}

const CString& CUIWnd::GetTag() const
{
    return m_pPrivate->tag;
}

void CUIWnd::AddHostedTaskWndMgr(HostedTaskWndMgr* manager)
{
    if (manager)
        m_pPrivate->hostedTaskWndMgrs.push_back(manager);
}

void CUIWnd::RemoveHostedTaskWndMgr(HostedTaskWndMgr* manager)
{
    std::vector<HostedTaskWndMgr*>& managers = m_pPrivate->hostedTaskWndMgrs;
    managers.erase(std::remove(managers.begin(), managers.end(), manager), managers.end());
}

LRESULT CUIWnd::OnCanLayoutChild(WPARAM, LPARAM)
{
    return 1;
}

LRESULT CUIWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    UIWndPrivate& p = *m_pPrivate;
    switch (message) {
    case WM_CREATE:
        if (OnSkinCreate(true) != 0)
            return -1;
        break;

    case WM_NCDESTROY:
        // Our own clean-up first: after the default processing the object may be gone
        // (PostNcDestroy of a window that deletes itself).
        CleanUpOnNcDestroy();
        return CWnd::WindowProc(message, wParam, lParam);

    case WM_MOVE:
        if (p.modal && p.initPending) {
            const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
            SendInitDialogOnce();
            return result;
        }
        break;

    case WM_INITDIALOG:
        if (!p.modal)
            return 0;
        OnInitDialog();
        break;

    case WM_SYSCOMMAND:
        OnSkinSysCommand(wParam);
        break;

    case WM_COMMAND: {
        LRESULT result = 0;
        if (OnSkinCommand(wParam, lParam, result))
            return result;   // closed by its close box: the object may be gone
        break;
    }

    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            LayoutChildren(LOWORD(lParam), HIWORD(lParam));
        break;

    case WM_WINDOWPOSCHANGING:
        if (lParam)
            LimitWindowPos(*reinterpret_cast<WINDOWPOS*>(lParam));
        break;

    case WM_MOUSEMOVE:
        if (BorderResizing())
            OnBorderMouseMove(lParam);
        break;

    case WM_LBUTTONDOWN:
        if (BorderResizing())
            OnBorderButtonDown(lParam);
        OnTitleButtonDown(lParam);
        break;

    case WM_LBUTTONUP:
        if (BorderResizing())
            ResetBorderDrag(true);
        break;

    case WM_CAPTURECHANGED:
        if (BorderResizing() && reinterpret_cast<HWND>(lParam) != m_hWnd)
            ResetBorderDrag(false);
        break;

    case WM_LBUTTONDBLCLK:
        OnTitleDoubleClick(lParam);
        break;

    case WM_ERASEBKGND:
        return 1;   // the paint draws everything

    case WM_SHOWWINDOW:
        if (lParam == 0) {
            if (const HWND parent = ::GetParent(m_hWnd))
                ::SendMessageW(parent, WM_VXL_CHILDSHOWWINDOW, wParam, reinterpret_cast<LPARAM>(this));
        }
        break;

    case DM_GETDEFID:
        return MAKELRESULT(LOWORD(p.defaultId), DC_HASDEFID);

    case DM_SETDEFID:
        p.defaultId = static_cast<int>(wParam);
        return 1;

    case WM_VXL_RELOADSKIN:
        // Background, size and shape again; the children stay as they are.
        ReleaseBackground();
        return OnSkinCreate(false) == 0 ? 0 : -1;

    case WM_VXL_GETRESIZEPOINT: {
        const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
        const POINT point = Point(p.record, UiWndVar::ResizingPoint);
        if (wParam == kResizePointX)
            return point.x;
        if (wParam == kResizePointY)
            return point.y;
        return result;
    }

    case WM_VXL_ISONRESIZELINES: {
        const RECT* const rect = reinterpret_cast<const RECT*>(wParam);
        if (!rect)
            return 0;
        const POINT point = Point(p.record, UiWndVar::ResizingPoint);
        return (point.x >= rect->left && point.x <= rect->right) || (point.y >= rect->top && point.y <= rect->bottom);
    }

    case WM_VXL_ISUIWND:
        return 1;

    case WM_VXL_ISDRAWCHILDBK:
        CWnd::WindowProc(message, wParam, lParam);
        return p.parentDrawsChildBackground;

    case WM_VXL_GETBKDC: {
        CWnd::WindowProc(message, wParam, lParam);
        if (p.backgroundMemory.GetSafeHandle())
            return reinterpret_cast<LRESULT>(p.backgroundMemory.GetSafeHandle());
        // Asked before the first paint: compose it now rather than answer nothing.
        CClientDC dc(this);
        return reinterpret_cast<LRESULT>(ComposeBackground(dc));
    }

    case WM_VXL_SPLITTERMOVING:
        return OnSplitterMoving(lParam);

    case WM_VXL_SPLITTERMOVED:
        return OnSplitterMoved(lParam);

    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

} // namespace Vexel
