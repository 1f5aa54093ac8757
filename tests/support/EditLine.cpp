#include "tests/support/EditLine.h"

namespace lumeo_test {

bool LineOfEdit(HWND edit, EditLine* line)
{
    if (!::IsWindow(edit) || ::GetWindowTextLengthW(edit) == 0)
        return false;
    const LRESULT place = ::SendMessageW(edit, EM_POSFROMCHAR, 0, 0);
    if (place == -1)
        return false;
    POINT first{static_cast<short>(LOWORD(place)), static_cast<short>(HIWORD(place))};
    ::ClientToScreen(edit, &first);
    RECT window{};
    ::GetWindowRect(edit, &window);

    const HDC dc = ::GetDC(edit);
    const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(edit, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = font ? ::SelectObject(dc, font) : nullptr;
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    if (previous)
        ::SelectObject(dc, previous);
    ::ReleaseDC(edit, dc);

    line->top = first.y - window.top;
    line->bottom = line->top + metrics.tmHeight;
    line->boxHeight = window.bottom - window.top;
    return true;
}

} // namespace lumeo_test
