#include "skin/ui/controls/SkinEdit.h"

#include "skin/ui/DcScopes.h"
#include "skin/ui/NineGrid.h"

#include <algorithm>

// A single-line edit draws its line at the top of its client area and has no formatting
// rectangle to move it down. The line is put in the middle of the box by handing the room
// above it to the non-client area, which shows the same image as the client area, so the
// box looks as one piece and the text sits where a skinned combo box puts its own.

namespace Vexel {

// A framed edit, and a single-line one on systems before XP SP2, paints the whole window
// itself at the client's origin; its text stays at the top.
bool CSkinEdit::CentresText() const
{
    return m_centred && IsSingleLine() && !PaintsItself();
}

// The height the edit gives its line: that of its font (the system font when it has none).
int CSkinEdit::LineHeight() const
{
    WindowDCScope dc(m_hWnd);
    const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
    const SelectedObject selectedFont(dc, font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

// The frame is worked out again, which sends WM_NCCALCSIZE and, when the client area
// changes, WM_SIZE, on which the edit lays its line out anew.
void CSkinEdit::ApplyTextInset()
{
    if (!::IsWindow(m_hWnd) || (!CentresText() && m_textInset == 0))
        return;
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

LRESULT CSkinEdit::OnNcCalcSize(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CEdit::WindowProc(WM_NCCALCSIZE, wParam, lParam);
    // Both forms of the message start with the proposed client rectangle.
    RECT& client = *reinterpret_cast<RECT*>(lParam);
    m_textInset = 0;
    if (CentresText()) {
        const int room = (client.bottom - client.top) - LineHeight();
        if (room > 0) {
            m_textInset = std::clamp(room / 2 + m_verticalOffset, 0, room);
            client.top += m_textInset;
        }
    }
    return result;
}

// The band belongs to the box: a click there puts the caret in the text, and the pointer
// is the text's.
LRESULT CSkinEdit::OnNcHitTest(WPARAM wParam, LPARAM lParam)
{
    const LRESULT hit = CEdit::WindowProc(WM_NCHITTEST, wParam, lParam);
    return (hit == HTNOWHERE && m_textInset > 0) ? HTCLIENT : hit;
}

// The band shows the state image's top rows, laid out at the window's size as the text's
// background brush lays it out.
void CSkinEdit::PaintTextInset()
{
    if (m_textInset <= 0)
        return;
    CRect window;
    GetWindowRect(&window);
    WindowDCScope dc(m_hWnd, WindowDCScope::Area::Whole);
    dc.IntersectClipRect(0, 0, window.Width(), m_textInset);
    const POINT point = ResizePoint();
    DrawResizedBitmapEx(dc, 0, 0, window.Width(), window.Height(), m_images[CurrentState()], 1, 1, point.x, point.y);
}

void CSkinEdit::RepaintTextInset()
{
    if (m_textInset > 0)
        RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

} // namespace Vexel
