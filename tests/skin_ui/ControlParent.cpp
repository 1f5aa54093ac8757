#include "ControlParent.h"

#include "skin/ui/SkinMessages.h"

using namespace Vexel;

namespace skin_ui_test {

ControlParent::ControlParent(int x, int y, int w, int h, bool hidden)
{
    CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW)), L"", WS_POPUP | WS_CLIPCHILDREN | (hidden ? 0 : WS_VISIBLE),
             x, y, w, h, nullptr, nullptr);
}

ControlParent::~ControlParent()
{
    if (m_hWnd)
        DestroyWindow();
}

LRESULT ControlParent::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL: {
        const Scroll scroll{message, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)};
        scrolls.push_back(scroll);
        if (onScroll)
            onScroll(scroll);
        return 0;
    }
    case WM_NOTIFY: {
        const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
        const int code = static_cast<int>(header.code);
        if (header.code == NM_RELEASEDCAPTURE)
            ++releasedCaptures;
        if (code == TVN_VXL_HOVERCHANGING || code == TVN_VXL_HOVERCHANGED)
            hoverChanges.push_back(*reinterpret_cast<const NMTREEVIEWW*>(lParam));
        if (code == static_cast<int>(LVN_COLUMNCLICK))
            columnClicks.push_back(*reinterpret_cast<const NMLISTVIEW*>(lParam));
        if (code == NM_VXL_DBLCLKITEM || code == TVN_VXL_HOVERCHANGING || code == TVN_VXL_HOVERCHANGED) {
            notifyCodes.push_back(code);
            return notifyAnswer ? notifyAnswer(header) : 0;
        }
        break;
    }
    case WM_VXL_GETRESIZEPOINT:
        if (resizePoint.x != -1 || resizePoint.y != -1)
            return wParam == kResizePointX ? resizePoint.x : resizePoint.y;
        break;
    case WM_VXL_LISTTIPTEXT: {
        auto& text = *reinterpret_cast<CString*>(wParam);
        tipTexts.push_back(static_cast<LPCWSTR>(text));
        if (!tipReplacement.empty())
            text = tipReplacement.c_str();
        return 0;
    }
    case WM_VXL_CHILDMOUSE:
        ++childMice;
        childMouse.push_back(wParam);
        return 0;
    case WM_VXL_DRAWCHILDITEM:
        return drawItem ? drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) : 0;
    case WM_VXL_DRAWCHILDITEMBK:
        return drawItemBk ? drawItemBk(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) : 0;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

} // namespace skin_ui_test
