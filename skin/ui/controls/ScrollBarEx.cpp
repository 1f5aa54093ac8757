#include "skin/ui/controls/ScrollBarEx.h"

#include "framework/WndDC.h"
#include "skin/model/SkinGlobals.h"
#include "skin/model/SliderProperties.h"
#include "skin/ui/BitmapCopies.h"
#include "skin/ui/BitmapDrawing.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/DpiScaling.h"
#include "skin/ui/NineGrid.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/SkinImageStore.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/SkinWindowClass.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/controls/LayeredParent.h"

namespace Vexel {
namespace {

constexpr wchar_t kScrollBarExClass[] = L"ScrollBarEx";

// The repeat timer that follows each first timer, and the notification of both.
struct RepeatTimer {
    UINT_PTR first;
    UINT_PTR repeat;
    WORD code;
};
constexpr RepeatTimer kRepeatTimers[] = {
    {CScrollBarEx::kTimerLineUp, CScrollBarEx::kTimerRepeatLineUp, SB_LINEUP},
    {CScrollBarEx::kTimerLineDown, CScrollBarEx::kTimerRepeatLineDown, SB_LINEDOWN},
    {CScrollBarEx::kTimerPageUp, CScrollBarEx::kTimerRepeatPageUp, SB_PAGEUP},
    {CScrollBarEx::kTimerPageDown, CScrollBarEx::kTimerRepeatPageDown, SB_PAGEDOWN},
};

} // namespace

IMPLEMENT_DYNAMIC(CScrollBarEx, CWnd)

BEGIN_MESSAGE_MAP(CScrollBarEx, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CScrollBarEx::CScrollBarEx()
{
    m_info.cbSize = sizeof(SCROLLINFO);
    m_info.fMask = SIF_ALL;
}

CScrollBarEx::~CScrollBarEx() = default;

BOOL CScrollBarEx::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    m_style = style;
    if (!RegisterSkinWindowClass(kScrollBarExClass))
        return FALSE;
    return CreateEx(0, kScrollBarExClass, L"", style | WS_CHILD, rect, parent, id);
}

// --- Records -----------------------------------------------------------------------

int CScrollBarEx::ApplyProperties(CTRLPROPERTIES* record)
{
    if (!HasWindow(this))
        return -1;
    if (IsSizeBox())
        return 0;
    return IsVertical() ? ApplyVertProperties(record) : ApplyHorzProperties(record);
}

int CScrollBarEx::ApplyStyle(LPCWSTR styleId)
{
    if (!HasWindow(this))
        return -1;
    if (IsSizeBox())
        return 0;
    if (IsVertical())
        return ApplyVertProperties(g_skinStore.FindStyle(StyleKind::VerScrollBar, styleId));
    return ApplyHorzProperties(g_skinStore.FindStyle(StyleKind::HorScrollBar, styleId));
}

int CScrollBarEx::ApplyHorzProperties(CTRLPROPERTIES* record)
{
    const int checked = CheckApplyRecord(this, record, L"HORSCROLLBAR");
    return checked != 0 ? checked : ApplyBarRecord(*record);
}

int CScrollBarEx::ApplyVertProperties(CTRLPROPERTIES* record)
{
    const int checked = CheckApplyRecord(this, record, L"VERSCROLLBAR");
    return checked != 0 ? checked : ApplyBarRecord(*record);
}

int CScrollBarEx::ApplyBarRecord(const CTRLPROPERTIES& record)
{
    m_leftUpLength = record_read::Int(record, ScrollBarStyleVar::LeftUpButtonSize, m_leftUpLength);
    m_rightDownLength = record_read::Int(record, ScrollBarStyleVar::RightDownButtonSize, m_rightDownLength);

    SharedBitmap background[kScrollLookCount];   // the parts are cut out of these
    LoadFourStateImages(&record, &background[0], &background[1], &background[2], &background[3]);
    SetImages(background, TRUE);
    // Both points lie in images scaled as they loaded.
    m_resizePoint = ScalePoint(record_read::Point(record, CtrlVar::ResizingPoint), CurrentDpi());

    SharedBitmap thumbs[kScrollLookCount];
    LoadScrollBarStateImages(&record, &thumbs[0], &thumbs[1], &thumbs[2], &thumbs[3]);
    SetThumbImages(thumbs, TRUE);
    m_thumbResizePoint = ScalePoint(record_read::Point(record, ScrollBarStyleVar::ThumbResizingPoint), CurrentDpi());
    return 0;
}

// --- Images ------------------------------------------------------------------------

int CScrollBarEx::SetImages(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled, BOOL replace)
{
    const HBITMAP sources[kScrollLookCount] = {normal, highlight, selected, disabled};
    return CutImages(sources, nullptr, replace);
}

int CScrollBarEx::SetImages(const SharedBitmap (&images)[kScrollLookCount], BOOL replace)
{
    const HBITMAP sources[kScrollLookCount] = {images[0], images[1], images[2], images[3]};
    return CutImages(sources, images, replace);
}

namespace {

SharedBitmap CutOut(const RECT& rect, HBITMAP source, const SharedBitmap* shared)
{
    return shared ? SharedCrop(*shared, rect) : CroppedCopy(rect, source);
}

} // namespace

int CScrollBarEx::CutImages(const HBITMAP (&sources)[kScrollLookCount], const SharedBitmap* shared, BOOL replace)
{
    if (replace) {
        for (auto& arrow : m_arrows)
            DeleteImages(arrow);
        m_track.Release();
    }
    const HBITMAP normal = sources[kScrollLookNormal];
    if (!normal)
        return -1;
    const int up = m_leftUpLength;
    const int down = m_rightDownLength;
    for (int look = 0; look < kScrollLookCount && !IsSizeBox(); ++look) {
        SIZE size;
        if (GetBitmapSize(sources[look], size) != 0)
            continue;
        const LONG w = size.cx;
        const LONG h = size.cy;
        const bool vertical = IsVertical();
        const RECT upRect = vertical ? RECT{0, 0, w, up} : RECT{0, 0, up, h};
        const RECT downRect = vertical ? RECT{0, h - down, w, h} : RECT{w - down, 0, w, h};
        const SharedBitmap* const from = shared ? &shared[look] : nullptr;
        m_arrows[kArrowLeftUp][look] = CutOut(upRect, sources[look], from);
        m_arrows[kArrowRightDown][look] = CutOut(downRect, sources[look], from);
        if (look == kScrollLookNormal) {
            const RECT trackRect = vertical ? RECT{0, up, w, h - down} : RECT{up, 0, w - down, h};
            m_track = CutOut(trackRect, sources[look], from);
        }
    }
    return sources[1] && sources[2] && sources[3] ? 0 : -2;
}

int CScrollBarEx::SetThumbImages(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled,
                                 BOOL replace)
{
    if (!normal) {
        if (replace)
            DeleteImages(m_thumbs);
        return -1;
    }
    const HBITMAP given[kScrollLookCount] = {normal, highlight, selected, disabled};
    SharedBitmap taken[kScrollLookCount];
    for (int look = 0; look < kScrollLookCount; ++look)
        taken[look] = SharedBitmap::Adopt(given[look]);
    return TakeThumbs(taken, replace);
}

int CScrollBarEx::SetThumbImages(const SharedBitmap (&images)[kScrollLookCount], BOOL replace)
{
    if (!images[kScrollLookNormal]) {
        if (replace)
            DeleteImages(m_thumbs);
        return -1;
    }
    return TakeThumbs(images, replace);
}

int CScrollBarEx::TakeThumbs(const SharedBitmap (&thumbs)[kScrollLookCount], BOOL replace)
{
    if (replace)
        DeleteImages(m_thumbs);
    ShareImages(m_thumbs, thumbs, true);
    return thumbs[1] && thumbs[2] && thumbs[3] ? 0 : -2;
}

int CScrollBarEx::GetThumbImages(HBITMAP* normal, HBITMAP* highlight, HBITMAP* selected, HBITMAP* disabled) const
{
    HBITMAP* const out[kScrollLookCount] = {normal, highlight, selected, disabled};
    for (int look = 0; look < kScrollLookCount; ++look) {
        if (out[look])
            *out[look] = m_thumbs[look];
    }
    return 0;
}

// --- Scroll info -------------------------------------------------------------------

BOOL CScrollBarEx::SetScrollInfo(const SCROLLINFO& info)
{
    const SCROLLINFO before = m_info;
    if (info.fMask & SIF_RANGE) {
        m_info.nMin = info.nMin;
        m_info.nMax = info.nMax;
    }
    if (info.fMask & SIF_PAGE)
        m_info.nPage = info.nPage;
    if (info.fMask & SIF_POS)
        m_info.nPos = info.nPos;
    if (info.fMask & SIF_TRACKPOS)
        m_info.nTrackPos = info.nTrackPos;
    // Its control relays its range at every layout, mostly unchanged; and a hidden bar paints
    // when it is shown. Either way a synchronous paint now would be spent for nothing.
    const bool changed = before.nMin != m_info.nMin || before.nMax != m_info.nMax || before.nPage != m_info.nPage ||
                         before.nPos != m_info.nPos || before.nTrackPos != m_info.nTrackPos;
    if (changed && HasWindow(this) && IsWindowVisible()) {
        Invalidate(FALSE);
        UpdateWindow();
    }
    return TRUE;
}

BOOL CScrollBarEx::SetScrollPos(int position)
{
    if (position > m_info.nMax || position < m_info.nMin)
        return FALSE;
    m_info.nPos = position;
    if (HasWindow(this))
        Invalidate(FALSE);
    return TRUE;
}

ScrollBarShape CScrollBarEx::Shape() const
{
    ScrollBarShape shape{};
    GetClientRect(&shape.client);
    shape.vertical = IsVertical();
    shape.leftUpLength = m_leftUpLength;
    shape.rightDownLength = m_rightDownLength;
    // Both ends scale with the vertical DPI, whichever way the bar lies.
    ScaleYToDpi(shape.leftUpLength);
    ScaleYToDpi(shape.rightDownLength);
    return shape;
}

ScrollBarParts CScrollBarEx::GetPartRects() const
{
    return PartsOf(Shape());
}

ScrollBarParts CScrollBarEx::PartsOf(const ScrollBarShape& shape) const
{
    // A dragged thumb follows the mouse from where it was pressed, whatever the owner has
    // set since.
    const bool dragging = m_hitPart == kScrollPartThumb;
    return ComputeScrollBarParts(shape, dragging ? m_dragInfo : m_info, dragging ? m_dragOffset : 0);
}

// --- Painting ----------------------------------------------------------------------

void CScrollBarEx::OnPaint()
{
    CPaintDC paint(this);
    RECT client;
    GetClientRect(&client);
    const SIZE size{client.right, client.bottom};
    if (size.cx < 1 || size.cy < 1)
        return;
    if (!m_canvas.GetSafeHandle() || size.cx != m_canvasSize.cx || size.cy != m_canvasSize.cy) {
        m_canvas.DeleteObject();
        if (!m_canvas.CreateCompatibleBitmap(&paint, size.cx, size.cy))
            return;
        m_canvasSize = size;
    }
    BitmapDC memory(paint, m_canvas);
    memory.PatBlt(0, 0, size.cx, size.cy, BLACKNESS);
    if (IsSizeBox())
        DrawSizeBox(&memory, client);
    else if (IsVertical())
        DrawVertScrollBar(&memory, client);
    else
        DrawHorzScrollBar(&memory, client);
    paint.BitBlt(0, 0, size.cx, size.cy, &memory, 0, 0, SRCCOPY);
}

BOOL CScrollBarEx::OnEraseBkgnd(CDC*)
{
    return TRUE;   // the paint covers everything, from one off-screen bitmap
}

int CScrollBarEx::DrawSizeBox(CDC*, const RECT&)
{
    return 0;
}

int CScrollBarEx::DrawHorzScrollBar(CDC* dc, const RECT& rect)
{
    if (dc)
        DrawBar(*dc, rect);
    return 0;
}

int CScrollBarEx::DrawVertScrollBar(CDC* dc, const RECT& rect)
{
    if (dc)
        DrawBar(*dc, rect);
    return 0;
}

void CScrollBarEx::DrawBar(CDC& dc, const RECT& rect)
{
    ScrollBarShape shape = Shape();
    shape.client = rect;
    const ScrollBarParts parts = PartsOf(shape);
    const bool enabled = IsWindowEnabled() != FALSE;
    const bool active = parts.HasThumb();
    const bool buttonDown = (::GetKeyState(VK_LBUTTON) & 0x8000) != 0;

    const RECT arrowRects[kArrows] = {parts.leftUp, parts.rightDown};
    for (int arrow = 0; arrow < kArrows; ++arrow) {
        const RECT& r = arrowRects[arrow];
        const ScrollBarLook look = PartLook(enabled, active, buttonDown, m_pressed[arrow], m_hover[arrow]);
        DrawResizedBitmap(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, m_arrows[arrow][look], 1,
                          m_resizePoint.x, m_resizePoint.y);
    }
    const RECT track = shape.vertical ? RECT{rect.left, parts.leftUp.bottom, rect.right, parts.rightDown.top}
                                      : RECT{parts.leftUp.right, rect.top, parts.rightDown.left, rect.bottom};
    DrawResizedBitmap(dc, track.left, track.top, track.right - track.left, track.bottom - track.top, m_track, 1,
                      m_resizePoint.x, m_resizePoint.y);
    if (active) {
        const ScrollBarLook look =
            PartLook(enabled, true, buttonDown, m_pressed[kScrollPartThumb], m_hover[kScrollPartThumb]);
        DrawThumb(dc, parts.thumb, m_thumbs[look]);
    }
}

void CScrollBarEx::DrawThumb(CDC& dc, const RECT& thumb, HBITMAP image)
{
    SIZE imageSize;
    if (GetBitmapSize(image, imageSize) != 0)
        return;
    const int w = thumb.right - thumb.left;
    const int h = thumb.bottom - thumb.top;
    CBitmap composed;
    if (!composed.CreateCompatibleBitmap(&dc, w, h))
        return;
    BitmapDC target(dc, composed);
    const bool vertical = IsVertical();
    const int length = vertical ? h : w;
    const int imageLength = vertical ? imageSize.cy : imageSize.cx;
    if (length < imageLength) {
        // Shorter than its image: both ends of the image, the middle left out.
        const int first = length / 2;
        const int rest = length - first;
        BitmapDC source(dc, image);
        if (vertical) {
            target.BitBlt(0, 0, w, first, &source, 0, 0, SRCCOPY);
            target.BitBlt(0, first, w, rest, &source, 0, imageLength - rest, SRCCOPY);
        } else {
            target.BitBlt(0, 0, first, h, &source, 0, 0, SRCCOPY);
            target.BitBlt(first, 0, rest, h, &source, imageLength - rest, 0, SRCCOPY);
        }
    } else {
        DrawResizedBitmap(target, 0, 0, w, h, image, 1, m_thumbResizePoint.x, m_thumbResizePoint.y);
    }
    DrawTransparentBitmap(dc, thumb.left, thumb.top, w, h, target, 0, 0, w, h, kThumbKey);
}

// --- Mouse -------------------------------------------------------------------------

LRESULT CScrollBarEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        ForwardMouse(message, lParam);
        PressPartAt(afxmap::PointOf(lParam));
        break;
    case WM_LBUTTONUP:
        ForwardMouse(message, lParam);
        for (bool& pressed : m_pressed)
            pressed = false;
        break;
    case WM_MOUSEMOVE:
        UpdateHover(afxmap::PointOf(lParam));
        TrackLeave();
        break;
    case WM_KILLFOCUS:
    case WM_CAPTURECHANGED: {
        const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
        EndInteraction();
        Invalidate(FALSE);
        return result;
    }
    case WM_WINDOWPOSCHANGED:
        if (lParam)
            RepaintOverLayeredParent(m_hWnd, *reinterpret_cast<const WINDOWPOS*>(lParam));
        break;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CScrollBarEx::ForwardMouse(UINT message, LPARAM lParam)
{
    if (const HWND parent = ::GetParent(m_hWnd))
        ::SendMessageW(parent, WM_VXL_CHILDMOUSE, MAKEWPARAM(message, GetDlgCtrlID()), lParam);
}

void CScrollBarEx::PressPartAt(POINT point)
{
    const ScrollBarPart part = HitTestScrollBar(Shape(), GetPartRects(), point);
    if (part >= kScrollPartLeftUp && part <= kScrollPartThumb) {
        m_pressed[part] = true;
        UpdateWindow();
    }
    TrackLeave();
    Invalidate(FALSE);
}

void CScrollBarEx::UpdateHover(POINT point)
{
    const ScrollBarParts parts = GetPartRects();
    const RECT rects[] = {parts.leftUp, parts.rightDown, parts.thumb};
    bool repaintNow = false;
    bool changed = false;
    for (int part = kScrollPartLeftUp; part <= kScrollPartThumb; ++part) {
        const bool over = ::PtInRect(&rects[part], point) != FALSE;
        if (over == m_hover[part])
            continue;
        m_hover[part] = over;
        changed = true;
        repaintNow = repaintNow || m_pressed[part];
    }
    if (!changed)
        return;
    Invalidate(FALSE);
    if (repaintNow)
        UpdateWindow();
}

void CScrollBarEx::TrackLeave()
{
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&track);
}

void CScrollBarEx::OnLButtonDown(UINT, CPoint point)
{
    SetCapture();
    const ScrollBarPart part = HitTestScrollBar(Shape(), GetPartRects(), point);
    m_hitPart = part;
    switch (part) {
    case kScrollPartThumb:
        m_dragStart = point;
        m_dragInfo = m_info;
        m_dragOffset = 0;
        break;
    case kScrollPartLeftUp:
    case kScrollPartRightDown:
    case kScrollPartPageBefore:
    case kScrollPartPageAfter: {
        const RepeatTimer& timer = kRepeatTimers[part == kScrollPartLeftUp       ? 0
                                                 : part == kScrollPartRightDown  ? 1
                                                 : part == kScrollPartPageBefore ? 2
                                                                                 : 3];
        Notify(timer.code);
        SetTimer(timer.first, kFirstRepeatDelay);
        break;
    }
    default:
        break;
    }
    Invalidate(FALSE);
}

void CScrollBarEx::OnLButtonUp(UINT, CPoint)
{
    EndInteraction();
    Invalidate(FALSE);
}

void CScrollBarEx::OnMouseMove(UINT, CPoint point)
{
    if (m_hitPart != kScrollPartThumb || m_dragInfo.nMax == -1)
        return;
    const ScrollBarShape shape = Shape();
    m_dragOffset = shape.vertical ? point.y - m_dragStart.y : point.x - m_dragStart.x;
    if (const std::optional<int> position = ThumbTrackPosition(m_dragInfo, shape.Track(), m_dragOffset))
        Notify(SB_THUMBTRACK, static_cast<WORD>(*position));
    Invalidate(FALSE);
    UpdateWindow();
}

void CScrollBarEx::OnMouseLeave()
{
    for (bool& hover : m_hover)
        hover = false;
    Invalidate(FALSE);
}

void CScrollBarEx::OnTimer(UINT_PTR id)
{
    for (const RepeatTimer& timer : kRepeatTimers) {
        if (id == timer.first) {
            KillTimer(timer.first);
            SetTimer(timer.repeat, kRepeatInterval);
            return;
        }
        if (id != timer.repeat)
            continue;
        if (timer.code == SB_PAGEUP || timer.code == SB_PAGEDOWN) {
            // A page repeats only until the thumb has reached the cursor.
            POINT cursor;
            ::GetCursorPos(&cursor);
            ScreenToClient(&cursor);
            const int side = SideOfThumb(Shape(), GetPartRects(), cursor);
            if (side != (timer.code == SB_PAGEUP ? -1 : 1))
                return;
        }
        Notify(timer.code);
        return;
    }
    Default();
}

void CScrollBarEx::KillRepeatTimers()
{
    for (const RepeatTimer& timer : kRepeatTimers) {
        KillTimer(timer.first);
        KillTimer(timer.repeat);
    }
}

void CScrollBarEx::EndInteraction()
{
    const bool dragged = m_hitPart == kScrollPartThumb;
    KillRepeatTimers();
    for (bool& pressed : m_pressed)
        pressed = false;
    m_hitPart = kScrollPartNone;
    m_dragOffset = 0;
    if (dragged)
        Notify(SB_ENDSCROLL);
    // Only our own capture: inside WM_CAPTURECHANGED another window may hold it already.
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CScrollBarEx::Notify(WORD code, WORD position)
{
    const HWND target = HasWindow(m_pNotifyWnd) ? m_pNotifyWnd->GetSafeHwnd() : ::GetParent(m_hWnd);
    if (target)
        ::SendMessageW(target, ScrollMessage(), MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(m_hWnd));
}

} // namespace Vexel
