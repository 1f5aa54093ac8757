#include "skin/ui/controls/HtmlCtrl.h"

#include "skin/model/MiscControlProperties.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/WndProcRegistry.h"

#include <algorithm>

namespace Vexel {
namespace {

// The browser nests three windows inside the view. Each level subclasses the window made
// inside it with the next level; the innermost never erases its background, so the page
// does not flash white as it is drawn.
constexpr int kInnermostLevel = 3;

template <int Level>
LRESULT CALLBACK NestedBrowserProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if constexpr (Level == kInnermostLevel) {
        if (message == WM_ERASEBKGND)
            return 1;
    } else {
        if (message == WM_PARENTNOTIFY && LOWORD(wParam) == WM_CREATE)
            SubclassWithOldWndProc(reinterpret_cast<HWND>(lParam), &NestedBrowserProc<Level + 1>);
    }
    return CallOldWndProc(window, message, wParam, lParam);
}

// The extension of a file name: what follows its last dot, when that dot comes after the
// last folder separator; empty otherwise.
CString ExtensionOf(const CString& name)
{
    const int dot = name.ReverseFind(L'.');
    const int separator = std::max(name.ReverseFind(L'\\'), name.ReverseFind(L'/'));
    if (dot < 0 || dot < separator)
        return CString();
    return name.Mid(dot + 1);
}

bool IsPageFile(const CString& name)
{
    const CString extension = ExtensionOf(name);
    for (LPCWSTR page : {L"swf", L"html", L"htm"}) {
        if (extension.CompareNoCase(page) == 0)
            return true;
    }
    return false;
}

} // namespace

IMPLEMENT_DYNAMIC(CHtmlCtrl, CHtmlView)

BEGIN_MESSAGE_MAP(CHtmlCtrl, CHtmlView)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CHtmlCtrl::CHtmlCtrl() = default;

CHtmlCtrl::~CHtmlCtrl() = default;

BOOL CHtmlCtrl::Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (m_hWnd || !CWnd::Create(className, windowName, style | WS_CLIPCHILDREN, rect, parent, id))
        return FALSE;
    m_browserResult = CreateBrowser();
    return TRUE;
}

CString CHtmlCtrl::StartPageAddress(const CString& startPage, const CString& skinFolder)
{
    // An address with a scheme is never a skin file, whatever it ends in.
    if (startPage.Find(L"://") >= 0 || !IsPageFile(startPage))
        return startPage;
    return skinFolder + startPage;
}

// --- Records -----------------------------------------------------------------------

int CHtmlCtrl::ApplyStyle(LPCWSTR styleId)
{
    return ApplyNamedStyle(*this, StyleKind::HtmlCtrl, styleId);
}

int CHtmlCtrl::ApplyProperties(CTRLPROPERTIES* record)
{
    const int checked = CheckApplyRecord(this, record, L"HTMLCTRL");
    if (checked != 0)
        return checked;
    if (!dynamic_cast<const HTMLCTRLPROPERTIES*>(record))
        return -3;
    using namespace record_read;
    ShowBorder(!Switch(*record, HtmlVar::IsHideBorder));
    ShowScrollBar(!Switch(*record, HtmlVar::IsHideScrollBar));
    if (Switch(*record, HtmlVar::IsHideContextMenu))
        m_hostFlags |= kNoContextMenu;
    else
        m_hostFlags &= ~static_cast<DWORD>(kNoContextMenu);
    const CString startPage = Text(*record, HtmlVar::StartPage);
    if (!startPage.IsEmpty())
        Navigate(StartPageAddress(startPage, g_skinStore.GetSkinFolder()));
    return 0;
}

int CHtmlCtrl::ShowBorder(BOOL show)
{
    if (show)
        m_hostFlags &= ~static_cast<DWORD>(kNoBorder);
    else
        m_hostFlags |= kNoBorder;
    return 0;
}

int CHtmlCtrl::ShowScrollBar(BOOL show)
{
    if (show)
        m_hostFlags &= ~static_cast<DWORD>(kNoScrollBars);
    else
        m_hostFlags |= kNoScrollBars;
    return 0;
}

// --- The browser's questions and windows ---------------------------------------------

HRESULT CHtmlCtrl::OnGetHostInfo(DOCHOSTUIINFO* info)
{
    if (!info)
        return E_POINTER;
    info->cbSize = 20;
    info->dwFlags = m_hostFlags;
    info->dwDoubleClick = m_doubleClick;
    return S_OK;
}

HRESULT CHtmlCtrl::OnShowContextMenu(DWORD, LPPOINT, LPUNKNOWN, LPDISPATCH)
{
    return (m_hostFlags & kNoContextMenu) ? S_OK : S_FALSE;
}

LRESULT CHtmlCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PARENTNOTIFY && LOWORD(wParam) == WM_CREATE)
        SubclassWithOldWndProc(reinterpret_cast<HWND>(lParam), &NestedBrowserProc<1>);
    return CHtmlView::WindowProc(message, wParam, lParam);
}

void CHtmlCtrl::OnSize(UINT type, int cx, int cy)
{
    CHtmlView::OnSize(type, cx, cy);
    if (const HWND browser = GetBrowserWindow()) {
        RECT client{};
        GetClientRect(&client);
        ::SetWindowPos(browser, nullptr, client.left, client.top, client.right - client.left,
                       client.bottom - client.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

} // namespace Vexel
