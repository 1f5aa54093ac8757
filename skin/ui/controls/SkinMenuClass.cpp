#include "skin/ui/controls/SkinMenuClass.h"

#include "framework/CallbackGuard.h"
#include "framework/WinApp.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/SystemChecks.h"
#include "skin/ui/controls/SkinMenu.h"

#include <iterator>

namespace Vexel {
namespace {

constexpr wchar_t kPopupMenuClass[] = L"#32768";
constexpr UINT kMenuSelectItem = 0x1E5;   // the popup's own item-selection message

WNDPROC g_systemMenuProc = nullptr;
// What taking the 3-D frame off cost the last popup made; every popup of the process has
// the same styles. Zero where the system's popups have no such frame (Wine draws its
// border inside the client area).
SIZE g_frameRemoved{0, 0};

LRESULT CallSystem(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return g_systemMenuProc ? ::CallWindowProcW(g_systemMenuProc, window, message, wParam, lParam)
                            : ::DefWindowProcW(window, message, wParam, lParam);
}

// The style of the skinned menu the thread is tracking now, or null.
const MENUMEMBER* TrackedStyle()
{
    if (!AfxGetTrackingWindow())
        return nullptr;
    const CMenu* const menu = CMenu::FromHandlePermanent(AfxGetTrackingMenu());
    if (!menu || !menu->IsKindOf(RUNTIME_CLASS(CSkinMenu)))
        return nullptr;
    return &static_cast<const CSkinMenu*>(menu)->GetMenuMember();
}

SIZE FrameSize(DWORD style, DWORD exStyle)
{
    RECT frame{0, 0, 0, 0};
    ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void TakeOffFrame(HWND window, const MENUMEMBER& style)
{
    g_frameRemoved = SIZE{0, 0};
    if (IsCompositionEnabled())
        return;
    const PopupFrame frame = FlattenPopupFrame(static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE)),
                                               static_cast<DWORD>(::GetWindowLongW(window, GWL_EXSTYLE)),
                                               style.borderStyle);
    ::SetWindowLongW(window, GWL_EXSTYLE, static_cast<LONG>(frame.exStyle));
    ::SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(frame.style));
    g_frameRemoved = frame.removed;
}

// The flat outline over the printed frame.
void DrawFlatOutline(HWND window, HDC dc, COLORREF color)
{
    RECT frame{};
    ::GetWindowRect(window, &frame);
    const int w = frame.right - frame.left;
    const int h = frame.bottom - frame.top;
    CPen pen(PS_SOLID, IsCompositionEnabled() ? 5 : 1, color);
    SelectedObject selected(dc, pen);
    const POINT outline[] = {{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}, {0, 0}};
    ::Polyline(dc, outline, static_cast<int>(std::size(outline)));
}

// A menu bar may take a move over the popup to open its neighbour's menu instead.
bool MenuBarTakesMove(HWND popup)
{
    const HWND owner = AfxGetTrackingWindow();
    if (!::SendMessageW(owner, WM_VXL_MENUBARTRACKING, 0, 0))
        return false;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    return ::SendMessageW(owner, WM_VXL_MENUBARMOUSEMOVE, reinterpret_cast<WPARAM>(popup),
                          MAKELPARAM(cursor.x, cursor.y)) == 1;
}

LRESULT SkinnedPopupMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const MENUMEMBER& style)
{
    switch (message) {
    case WM_CREATE:
        MenuTrackInfo.popup = window;
        TakeOffFrame(window, style);
        break;
    case WM_WINDOWPOSCHANGING:
        if (style.borderStyle == kMenuBorderFlat) {
            auto* const pos = reinterpret_cast<WINDOWPOS*>(lParam);
            if (pos && !(pos->flags & SWP_NOSIZE)) {
                pos->cx -= g_frameRemoved.cx;
                pos->cy -= g_frameRemoved.cy;
            }
        }
        break;
    case kMenuSelectItem:
        if (MenuBarTakesMove(window))
            return 0;
        break;
    case WM_PRINT:
        if (style.borderStyle == kMenuBorderFlat && (::GetWindowLongW(window, GWL_STYLE) & WS_BORDER) &&
            (lParam & PRF_NONCLIENT)) {
            const LRESULT result = CallSystem(window, message, wParam, lParam);
            DrawFlatOutline(window, reinterpret_cast<HDC>(wParam), style.flatBorderColor);
            return result;
        }
        break;
    default:
        break;
    }
    return CallSystem(window, message, wParam, lParam);
}

} // namespace

PopupFrame FlattenPopupFrame(DWORD style, DWORD exStyle, int borderStyle)
{
    PopupFrame frame{style, exStyle, SIZE{0, 0}};
    if (borderStyle != kMenuBorderFlat && borderStyle != kMenuBorderNone)
        return frame;
    frame.exStyle &= ~static_cast<DWORD>(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE);
    if (borderStyle == kMenuBorderNone)
        frame.style &= ~static_cast<DWORD>(WS_BORDER);
    const SIZE before = FrameSize(style, exStyle);
    const SIZE after = FrameSize(frame.style, frame.exStyle);
    frame.removed = SIZE{before.cx - after.cx, before.cy - after.cy};
    return frame;
}

int RegisterSkinMenuClass()
{
    if (g_systemMenuProc)
        return 0;
    WNDCLASSW wc{};
    if (!::GetClassInfoW(nullptr, kPopupMenuClass, &wc) || wc.lpfnWndProc == SkinMenuWindowProc)
        return 0;
    g_systemMenuProc = wc.lpfnWndProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.lpfnWndProc = SkinMenuWindowProc;
    wc.lpszClassName = kPopupMenuClass;
    ::SetLastError(0);
    return ::RegisterClassW(&wc) ? 1 : 0;
}

LRESULT CALLBACK SkinMenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        if (const MENUMEMBER* const style = TrackedStyle())
            return SkinnedPopupMessage(window, message, wParam, lParam, *style);
    } catch (...) {
        AfxReportCallbackException("skinned popup-menu procedure");
    }
    return CallSystem(window, message, wParam, lParam);
}

} // namespace Vexel
