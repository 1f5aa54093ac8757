#include "skin/ui/SkinWindowClass.h"

#include "framework/Afx.h"

namespace Vexel {

bool RegisterSkinWindowClass(LPCWSTR name, HICON icon)
{
    WNDCLASSW wc{};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hIcon = icon;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = name;
    return AfxRegisterClass(&wc) != FALSE;
}

} // namespace Vexel
