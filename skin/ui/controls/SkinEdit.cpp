#include "skin/ui/controls/SkinEdit.h"

#include "framework/WndDC.h"
#include "skin/model/EditProperties.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/BitmapCopies.h"
#include "skin/ui/BitmapDrawing.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/DpiScaling.h"
#include "skin/ui/NineGrid.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/SkinColors.h"
#include "skin/ui/SkinFonts.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/SystemChecks.h"
#include "skin/ui/WindowImages.h"
#include "skin/ui/controls/LayeredParent.h"
#include "skin/ui/controls/RedrawHeld.h"

#include <commctrl.h>

namespace Vexel {

using namespace record_read;

IMPLEMENT_DYNAMIC(CSkinEdit, CEdit)

BEGIN_MESSAGE_MAP(CSkinEdit, CEdit)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CSkinEdit::~CSkinEdit() = default;

int CSkinEdit::ApplyProperties(CTRLPROPERTIES* record)
{
    const int check = CheckApplyRecord(this, record, L"EDIT");
    if (check != 0)
        return check;
    const DpiPair dpi = CurrentDpi();

    CFont font;
    CreateFontFromProperty(record, &font);
    SetTextFont(static_cast<HFONT>(font.Detach()));
    SetTextMargins(ScaleX(Int(*record, EdtVar::TextHorOffset), dpi), ScaleY(Int(*record, EdtVar::TextVerOffset), dpi));

    if (Switch(*record, CtrlVar::IsCanBackgroundChange) && Switch(*record, CtrlVar::IsSpecifyImages)) {
        SharedBitmap loaded[kStates];
        LoadFourStateImages(record, &loaded[kNormal], &loaded[kHover], &loaded[kFocus], &loaded[kDisabled]);
        // A skin whose files are all missing keeps the images the control had.
        if (loaded[kNormal] || loaded[kHover] || loaded[kFocus] || loaded[kDisabled])
            SetImages(loaded);
        // The point follows the images, which are scaled to the screen as they load.
        SetResizePoint(ScalePoint(Point(*record, CtrlVar::ResizingPoint), dpi));
    }

    GetFourStateColors(record, &m_textColor, nullptr, nullptr, nullptr);
    SetTag(Text(*record, EdtVar::Tag));
    return 0;
}

int CSkinEdit::ApplyStyle(LPCWSTR styleId)
{
    return ApplyNamedStyle(*this, StyleKind::Edit, styleId);
}

int CSkinEdit::ReleaseImages()
{
    m_font.DeleteObject();
    return DeleteImages(m_images);
}

int CSkinEdit::SetImages(HBITMAP normal, HBITMAP hover, HBITMAP focus, HBITMAP disabled)
{
    HandImages(m_images, {normal, hover, focus, disabled}, false);
    UpdateBackgroundBrush();
    return 1;
}

int CSkinEdit::SetImages(const SharedBitmap (&images)[kStates])
{
    ShareImages(m_images, images, false);
    UpdateBackgroundBrush();
    return 1;
}

int CSkinEdit::GetImages(HBITMAP* normal, HBITMAP* hover, HBITMAP* focus, HBITMAP* disabled) const
{
    HBITMAP* const out[kStates] = {normal, hover, focus, disabled};
    for (int state = 0; state < kStates; ++state) {
        if (out[state])
            *out[state] = m_images[state];
    }
    return 1;
}

int CSkinEdit::SetResizePoint(POINT point)
{
    m_parentResizePoint = false;
    m_resizePoint = point;
    UpdateBackgroundBrush();
    return 0;
}

int CSkinEdit::SetTextMargins(int horizontal, int vertical)
{
    m_horizontalOffset = horizontal;
    m_verticalOffset = vertical;
    if (!m_hWnd)
        return 0;
    const bool right = (GetStyle() & ES_RIGHT) != 0;
    if (IsSingleLine()) {
        SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                    right ? MAKELONG(0, horizontal) : MAKELONG(horizontal, 0));
        m_centred = true;
        ApplyTextInset();
        return 0;
    }
    // From the client area each time, so that applying the margins again gives the same.
    CRect format;
    GetClientRect(&format);
    format.top += vertical;
    if (right)
        format.right -= horizontal;
    else
        format.left += horizontal;
    SetRect(&format);
    return 0;
}

int CSkinEdit::SetTextFont(HFONT font)
{
    if (font)
        m_font.Attach(font);
    else
        m_font.DeleteObject();
    if (m_hWnd) {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()), TRUE);
        ApplyTextInset();
    }
    return 0;
}

void CSkinEdit::SetRightReserve(int width)
{
    m_rightReserve = width;
    if (!m_hWnd)
        return;
    // The window's own size, not the client area's: the two differ by a frame, which
    // must not be taken off as well.
    CRect window;
    GetWindowRect(&window);
    SetWindowPos(nullptr, 0, 0, window.Width() - width, window.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CSkinEdit::State CSkinEdit::CurrentState() const
{
    if (!IsWindowEnabled() || (GetStyle() & ES_READONLY))
        return kDisabled;
    if (::GetFocus() == m_hWnd)
        return kFocus;
    return m_hover ? kHover : kNormal;
}

POINT CSkinEdit::ResizePoint() const
{
    const HWND parent = ::GetParent(m_hWnd);
    return ControlResizePoint(m_hWnd, parent, RectInParent(m_hWnd, parent), m_parentResizePoint, m_resizePoint.x,
                              m_resizePoint.y);
}

int CSkinEdit::UpdateBackgroundBrush()
{
    if (!::IsWindow(m_hWnd))
        return 1;
    CRect client;
    GetClientRect(&client);
    const POINT point = ResizePoint();
    const HBITMAP image = m_images[CurrentState()];
    CBitmap sized;
    if (CreateResizedBitmap(image, &sized, point.x, point.y, client.Width(), client.Height(), 1, 1) != 0 ||
        !sized.GetSafeHandle())
        return 1;

    CBrush brush;
    if (IsWindowsXPSP2OrLater() && IsSingleLine()) {
        // The pattern spans the whole window, so the image lines up with the window's
        // frame rather than with the client area inside it.
        CRect window;
        GetWindowRect(&window);
        WindowDCScope clientDC(m_hWnd);
        CBitmap whole;
        if (whole.CreateCompatibleBitmap(&clientDC, window.Width(), window.Height())) {
            BitmapDC target(clientDC, whole);
            DrawResizedBitmapEx(target, 0, 0, window.Width(), window.Height(), image, 1, 1, point.x, point.y);
        }
        brush.CreatePatternBrush(&whole);
    } else {
        brush.CreatePatternBrush(&sized);
    }
    m_background.Attach(brush.Detach());
    Invalidate(TRUE);
    RepaintTextInset();
    return 0;
}

bool CSkinEdit::PaintsItself() const
{
    return m_framed || (!IsWindowsXPSP2OrLater() && IsSingleLine());
}

LRESULT CSkinEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_WINDOWPOSCHANGED:
        RepaintOverLayeredParent(m_hWnd, *reinterpret_cast<const WINDOWPOS*>(lParam));
        break;
    case WM_NCCALCSIZE:
        return OnNcCalcSize(wParam, lParam);
    case WM_NCHITTEST:
        return OnNcHitTest(wParam, lParam);
    case WM_NCPAINT:
        CEdit::WindowProc(message, wParam, lParam);
        PaintTextInset();
        return 0;
    case WM_CREATE:
        m_framed = (reinterpret_cast<const CREATESTRUCTW*>(lParam)->style & WS_BORDER) != 0;
        break;
    case WM_MOUSEACTIVATE:
        if (!IsWindowsXPSP2OrLater() && IsSingleLine())
            UpdateBackgroundBrush();
        break;
    case WM_MOUSEMOVE: {
        if (!m_hover) {
            m_hover = true;
            UpdateBackgroundBrush();
        }
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, HOVER_DEFAULT};
        ::TrackMouseEvent(&track);
        break;
    }
    case WM_MOUSELEAVE:
        m_hover = false;
        UpdateBackgroundBrush();
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (IsWindowVisible())
            return RunWithRedrawHeld(*this, [&] { return CEdit::WindowProc(message, wParam, lParam); });
        break;
    case EM_SCROLLCARET:
        Invalidate(TRUE);
        break;
    case WM_SIZE:
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        UpdateBackgroundBrush();
        break;
    case WM_PAINT:
        if (PaintsItself()) {
            PaintSkinned();
            return 0;
        }
        break;
    default:
        break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}

// The edit paints its text into a white scratch image; the state image is laid out at the
// window's size, and the edit's drawing is copied over it, less a 2-pixel rim (where the
// edit draws its own frame) and less every pixel of the colour the edit fills its
// background with.
void CSkinEdit::PaintSkinned()
{
    CPaintDC paint(this);
    CRect window;
    GetWindowRect(&window);
    const int w = window.Width();
    const int h = window.Height();
    const HBITMAP content = m_content.Get(paint, window.Size());
    const HBITMAP composed = m_composed.Get(paint, window.Size());
    if (!content || !composed)
        return;

    BitmapDC contentDC(paint, content);
    contentDC.FillSolidRect(0, 0, w, h, RGB(255, 255, 255));
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(contentDC.GetSafeHdc()), 0);

    BitmapDC composedDC(paint, composed);
    const POINT point = ResizePoint();
    DrawResizedBitmapEx(composedDC, 0, 0, w, h, m_images[CurrentState()], 1, 1, point.x, point.y);
    const bool writable = IsWindowEnabled() && !(GetStyle() & ES_READONLY);
    const COLORREF key = ::GetSysColor(writable ? COLOR_WINDOW : COLOR_BTNFACE);
    DrawTransparentBitmap(composedDC, 2, 2, w - 4, h - 4, contentDC, 2, 2, w - 4, h - 4, key);
    paint.BitBlt(0, 0, w, h, &composedDC, 0, 0, SRCCOPY);
}

void CSkinEdit::OnKeyDown(UINT, UINT, UINT)
{
    OnKeyInput();
}

void CSkinEdit::OnChar(UINT, UINT, UINT)
{
    OnKeyInput();
}

// Older systems draw a single-line edit's background over the skin as each key arrives.
void CSkinEdit::OnKeyInput()
{
    if (!IsWindowsXPSP2OrLater() && IsSingleLine() && IsWindowVisible())
        RunWithRedrawHeld(*this, [&] { return Default(); });
    else
        Default();
}

HBRUSH CSkinEdit::CtlColor(CDC* dc, UINT)
{
    // Inside an IP address box the fields sit 2 pixels into the box's own frame.
    wchar_t parentClass[32] = {};
    ::GetClassNameW(::GetParent(m_hWnd), parentClass, ARRAYSIZE(parentClass));
    const bool inAddressBox = ::lstrcmpW(parentClass, WC_IPADDRESSW) == 0;
    // A centred line's client area starts below the band that shows the image's top.
    ::SetBrushOrgEx(*dc, inAddressBox ? -2 : 0, (inAddressBox ? -2 : 0) - m_textInset, nullptr);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(m_textColor);
    return static_cast<HBRUSH>(m_background.GetSafeHandle());
}

BOOL CSkinEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    // A change of text draws over the old text: the whole control is painted again.
    if (message == WM_COMMAND)
        Invalidate(TRUE);
    return CEdit::OnChildNotify(message, wParam, lParam, result);
}

} // namespace Vexel
