// CUIWnd without a system caption: dragging by the skin's title band, the skin's
// minimise, maximise and close buttons, and the menu items nothing would carry out.
#include "skin/model/ButtonProperties.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/UIWndPrivate.h"

#include <cwchar>
#include <iterator>
#include <vector>

namespace Vexel {

using namespace record_read;

namespace {

// ButtonType and CheckBoxType values of the window's own buttons.
constexpr int kMinimizeBox = 1;
constexpr int kCloseBox = 2;
constexpr int kMaximizeBox = 1;

bool IsMaximizeBox(const ChildControlRecord& child)
{
    return IsType(child, L"CHECK") && child.properties &&
           Enum(*child.properties, ChkVar::CheckBoxType, ValueKind::CheckBoxType) == kMaximizeBox;
}

} // namespace

int CUIWnd::TitleBarHeight() const
{
    return Int(m_pPrivate->record, UiWndVar::TitleBarHeight, 0);
}

bool CUIWnd::InTitleBand(POINT point) const
{
    const int height = TitleBarHeight();
    return height < 0 || (height > 0 && point.y < height);
}

const ChildControlRecord* CUIWnd::FindChild(HWND window) const
{
    for (const ChildControlRecord& child : m_pPrivate->children) {
        if (child.window && child.window->GetSafeHwnd() == window)
            return &child;
    }
    return nullptr;
}

const ChildControlRecord* CUIWnd::FindMaximizeBox() const
{
    for (const ChildControlRecord& child : m_pPrivate->children) {
        if (IsMaximizeBox(child))
            return &child;
    }
    return nullptr;
}

void CUIWnd::OnTitleButtonDown(LPARAM lParam)
{
    if (TitleBarHeight() == 0)
        return;
    const CPoint point(lParam);
    // The hit is the border drag's business only while border resizing is on; here it
    // only keeps clicks on a border strip from moving the window.
    if (HitTestBorder(point.x, point.y) != HTCLIENT || IsZoomed() || IsIconic() || !InTitleBand(point))
        return;
    SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, lParam);   // the system moves the window
}

void CUIWnd::OnTitleDoubleClick(LPARAM lParam)
{
    if (TitleBarHeight() == 0)
        return;
    const CPoint point(lParam);
    if (HitTestBorder(point.x, point.y) != HTCLIENT)
        return;
    // Only a window with a maximise box in its skin maximises by double click.
    if (FindMaximizeBox() && InTitleBand(point))
        SendMessage(WM_SYSCOMMAND, IsZoomed() ? SC_RESTORE : SC_MAXIMIZE, 0);
}

bool CUIWnd::OnSkinCommand(WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    UIWndPrivate& p = *m_pPrivate;
    const HWND control = reinterpret_cast<HWND>(lParam);
    const int id = LOWORD(wParam);
    if (!control) {
        // A menu item or an accelerator.
        if (p.modal && id == IDCANCEL)
            EndDialog(IDCANCEL);
        return false;
    }
    if (HIWORD(wParam) != BN_CLICKED)
        return false;

    WCHAR type[256] = {};
    ::SendMessageW(control, WM_VXL_GETCONTROLTYPE, 0, reinterpret_cast<LPARAM>(type));
    type[std::size(type) - 1] = L'\0';
    const ChildControlRecord* const child = FindChild(control);

    if (std::wcscmp(type, L"PUSHBUTTON") == 0) {
        const int buttonType =
            child && child->properties ? Enum(*child->properties, BtnVar::ButtonType, ValueKind::ButtonType) : -1;
        if (buttonType == kMinimizeBox) {
            SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        } else if (buttonType == kCloseBox) {
            if (p.modal) {
                EndDialog(id);
            } else {
                // Closing may destroy the window and delete this object: nothing after it.
                result = SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
                return true;
            }
        }
    } else if (std::wcscmp(type, L"CHECK") == 0) {
        if (child && IsMaximizeBox(*child)) {
            if (IsZoomed())
                SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
            else if (!IsIconic())
                SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        }
    } else if (std::wcscmp(type, L"RADIO") == 0) {
        // A switch may add or drop managers: walk a copy.
        const std::vector<HostedTaskWndMgr*> managers = p.hostedTaskWndMgrs;
        for (HostedTaskWndMgr* manager : managers)
            manager->SwitchTo(id, TRUE);
    }
    return false;
}

void CUIWnd::OnSkinSysCommand(WPARAM command)
{
    UIWndPrivate& p = *m_pPrivate;
    const UINT which = static_cast<UINT>(command) & 0xFFF0;
    if (which == SC_MAXIMIZE || which == SC_RESTORE) {
        // The skin's maximise box follows the window's state.
        for (const ChildControlRecord& child : p.children) {
            if (IsMaximizeBox(child) && child.window && child.window->GetSafeHwnd())
                child.window->SendMessage(BM_SETCHECK, which == SC_MAXIMIZE ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    } else if (which == SC_CLOSE && p.modal) {
        EndDialog(IDCANCEL);
    }
}

void CUIWnd::OnInitMenuPopup(HMENU popup, UINT, BOOL isSystemMenu)
{
    Default();
    if (isSystemMenu || !popup)
        return;
    const bool autoEnable = m_pPrivate->autoMenuEnable != 0;
    const int count = ::GetMenuItemCount(popup);
    for (int index = 0; index < count; ++index) {
        const UINT id = ::GetMenuItemID(popup, index);
        // Separators carry no command, and an item that opens a submenu is never
        // disabled for want of a handler.
        if (id == 0 || id == static_cast<UINT>(-1))
            continue;
        if (id >= 0xF000 || !autoEnable)
            continue;
        const UINT state = HasCommandHandler(id) ? MF_ENABLED : (MF_DISABLED | MF_GRAYED);
        ::EnableMenuItem(popup, static_cast<UINT>(index), MF_BYPOSITION | state);
    }
}

} // namespace Vexel
