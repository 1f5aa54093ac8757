#include "skin/ui/controls/SliderCtrlEx.h"

#include "framework/WinApp.h"
#include "framework/WndDC.h"
#include "skin/model/SkinGlobals.h"
#include "skin/model/SliderProperties.h"
#include "skin/ui/BitmapCopies.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/DpiScaling.h"
#include "skin/ui/NineGrid.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/VisualState.h"
#include "skin/ui/WindowImages.h"
#include "skin/ui/controls/LayeredParent.h"

#include <commctrl.h>

namespace Vexel {

using namespace record_read;

namespace {

constexpr wchar_t kClassName[] = L"msctls_trackbar32ex";

} // namespace

IMPLEMENT_DYNAMIC(CSliderCtrlEx, CWnd)

CSliderCtrlEx::~CSliderCtrlEx() = default;

BOOL CSliderCtrlEx::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    WNDCLASSW wc{};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = &::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    // Every slider after the first finds the class there already (a window has two).
    if (!AfxRegisterClass(&wc))
        return FALSE;
    m_style = style;
    return CWnd::CreateEx(0, kClassName, nullptr, style | WS_CHILD, rect, parent, id);
}

int CSliderCtrlEx::ApplyProperties(CTRLPROPERTIES* record)
{
    const int check = CheckApplyRecord(this, record, L"SLIDEREX");
    if (check != 0)
        return check;

    if (Switch(*record, CtrlVar::IsSpecifyImages)) {
        // Background, mark, disabled mark and disabled background: the four state slots.
        SharedBitmap loaded[kBackgrounds];
        LoadFourStateImages(record, &loaded[kBackgroundNormal], &loaded[kMarkNormal], &loaded[kMarkDisabled],
                            &loaded[kBackgroundDisabled]);
        SetBackgroundBitmaps(loaded);
        // The point follows the images, which are scaled to the screen as they load.
        m_resizePoint = ScalePoint(Point(*record, CtrlVar::ResizingPoint), CurrentDpi());
        m_followParent = false;
    }

    SharedBitmap thumbs[kThumbs];
    LoadThumbImages(dynamic_cast<const SLDPROPERTIES*>(record), &thumbs[kThumbNormal], &thumbs[kThumbHighlight],
                    &thumbs[kThumbSelected], &thumbs[kThumbDisabled]);
    SetThumbBitmaps(thumbs);

    if (Switch(*record, SldVar::ToolTipEnable)) {
        m_tipEnabled = true;
        m_showPosition = true;
        CreateToolTip();
    }
    m_useMark = Switch(*record, SldVar::IsUseMark);
    return 0;
}

int CSliderCtrlEx::ApplyStyle(LPCWSTR styleId)
{
    return ApplyNamedStyle(*this, StyleKind::SliderEx, styleId);
}

void CSliderCtrlEx::SetRange(int minimum, int maximum, BOOL redraw)
{
    m_minimum = minimum;
    m_maximum = maximum;
    if (redraw && m_hWnd)
        Invalidate(TRUE);
}

void CSliderCtrlEx::GetRange(int& minimum, int& maximum) const
{
    minimum = m_minimum;
    maximum = m_maximum;
}

void CSliderCtrlEx::SetPos(int position)
{
    m_position = ClampSliderPosition(Layout(), position);
    if (m_hWnd)
        Invalidate(TRUE);
}

int CSliderCtrlEx::SetBackgroundBitmaps(HBITMAP normal, HBITMAP markNormal, HBITMAP markDisabled, HBITMAP disabled)
{
    HandImages(m_backgrounds, {normal, markNormal, markDisabled, disabled}, false);
    return 0;
}

int CSliderCtrlEx::SetThumbBitmaps(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled)
{
    HandImages(m_thumbs, {normal, highlight, selected, disabled}, false);
    ThumbsChanged();
    return 0;
}

int CSliderCtrlEx::SetBackgroundBitmaps(const SharedBitmap (&images)[kBackgrounds])
{
    ShareImages(m_backgrounds, images, false);
    return 0;
}

int CSliderCtrlEx::SetThumbBitmaps(const SharedBitmap (&images)[kThumbs])
{
    ShareImages(m_thumbs, images, false);
    ThumbsChanged();
    return 0;
}

void CSliderCtrlEx::ThumbsChanged()
{
    SIZE size;
    if (GetBitmapSize(m_thumbs[kThumbNormal], size) == 0)
        m_thumbSize = size;
}

void CSliderCtrlEx::ReleaseImages()
{
    DeleteImages(m_backgrounds);
    DeleteImages(m_thumbs);
}

int CSliderCtrlEx::CreateToolTip()
{
    if (!m_tip.GetSafeHwnd() && !m_tip.Create(this))
        return 0;
    m_tip.Activate(TRUE);
    TOOLINFOW existing{};
    if (!m_tip.GetToolInfo(existing, this))
        m_tip.AddTool(this, L"");
    return 0;
}

bool CSliderCtrlEx::IsVertical() const
{
    return (m_style & TBS_VERT) != 0;
}

SliderLayout CSliderCtrlEx::Layout() const
{
    CRect client;
    if (m_hWnd)
        GetClientRect(&client);
    return SliderLayout{{client.Width(), client.Height()}, m_thumbSize, m_minimum, m_maximum, IsVertical()};
}

RECT CSliderCtrlEx::GetThumbRect() const
{
    return m_dragging ? m_thumb : SliderThumbRect(Layout(), m_position);
}

LRESULT CSliderCtrlEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        OnButtonDown(wParam, lParam);
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(lParam);
        break;
    case WM_LBUTTONUP:
        OnButtonUp();
        break;
    case WM_MOUSELEAVE:
        m_thumbHover = false;
        m_mouseTracked = false;
        Invalidate(TRUE);
        break;
    case WM_KILLFOCUS:
    case WM_CAPTURECHANGED:
        m_dragging = false;
        Invalidate(TRUE);
        break;
    case WM_WINDOWPOSCHANGED:
        RepaintOverLayeredParent(m_hWnd, *reinterpret_cast<const WINDOWPOS*>(lParam));
        break;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CSliderCtrlEx::OnButtonDown(WPARAM keys, LPARAM at)
{
    SetFocus();
    const SliderLayout layout = Layout();
    const POINT point = afxmap::PointOf(at);
    const RECT thumb = SliderThumbRect(layout, m_position);
    if (::PtInRect(&thumb, point)) {
        SetCapture();
        m_dragging = true;
        m_dragStart = point;
        m_dragStartPosition = m_position;
        m_thumb = thumb;
        Invalidate(TRUE);
        return;
    }
    const int previous = m_position;
    const int moved = SliderClickPosition(layout, m_position, point);
    if (moved != previous) {
        SetPos(moved);
        NotifyScroll(previous);
    }
    // The jump usually brings the thumb under the cursor: the press then holds it.
    const RECT landed = SliderThumbRect(layout, m_position);
    if (moved != previous && ::PtInRect(&landed, point))
        SendMessage(WM_LBUTTONDOWN, keys, at);
    Invalidate(TRUE);
}

void CSliderCtrlEx::OnMouseMove(LPARAM at)
{
    const POINT point = afxmap::PointOf(at);
    if (m_dragging) {
        const bool over = ::PtInRect(&m_thumb, point) != FALSE;
        if (over != m_thumbHover) {
            m_thumbHover = over;
            UpdateWindow();
        }
        const int previous = m_position;
        const int moved = SliderDragPosition(Layout(), m_dragStartPosition, m_dragStart, point, m_thumb);
        if (moved != previous) {
            SetPos(moved);
            NotifyScroll(previous);
        }
        Invalidate(TRUE);
        return;
    }
    const RECT thumb = SliderThumbRect(Layout(), m_position);
    const bool over = ::PtInRect(&thumb, point) != FALSE;
    if (over != m_thumbHover) {
        m_thumbHover = over;
        Invalidate(TRUE);
    }
    if (!m_mouseTracked) {
        m_mouseTracked = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, HOVER_DEFAULT};
        ::TrackMouseEvent(&track);
        Invalidate(TRUE);
    }
}

void CSliderCtrlEx::OnButtonUp()
{
    ::ReleaseCapture();
    m_dragging = false;
    Invalidate(TRUE);
    NotifyReleased();
}

void CSliderCtrlEx::NotifyScroll(int previous)
{
    const UINT message = IsVertical() ? WM_VSCROLL : WM_HSCROLL;
    ::SendMessageW(::GetParent(m_hWnd), message, MAKEWPARAM(previous, m_position), reinterpret_cast<LPARAM>(m_hWnd));
}

void CSliderCtrlEx::NotifyReleased()
{
    NMHDR header{m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), static_cast<UINT>(NM_RELEASEDCAPTURE)};
    ::SendMessageW(::GetParent(m_hWnd), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void CSliderCtrlEx::OnPaint()
{
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    const HBITMAP canvas = m_buffer.Get(paint, client.Size());
    if (!canvas)
        return;
    BitmapDC memory(paint, canvas);
    if (IsVertical())
        DrawVertical(&memory);
    else
        DrawHorizontal(&memory);
    paint.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
}

int CSliderCtrlEx::DrawHorizontal(CDC* dc)
{
    return dc ? Draw(*dc, false) : -1;
}

int CSliderCtrlEx::DrawVertical(CDC* dc)
{
    return dc ? Draw(*dc, true) : -1;
}

HBITMAP CSliderCtrlEx::ThumbImage() const
{
    return m_thumbs[ChooseVisualState(IsWindowEnabled() != FALSE, ::GetKeyState(VK_LBUTTON) < 0, m_dragging,
                                      m_thumbHover)];
}

int CSliderCtrlEx::Draw(CDC& dc, bool vertical)
{
    CRect client;
    GetClientRect(&client);
    const int w = client.Width();
    const int h = client.Height();
    const RECT thumb = GetThumbRect();
    const HWND parent = ::GetParent(m_hWnd);
    const POINT point = ControlResizePoint(m_hWnd, parent, RectInParent(m_hWnd, parent), m_followParent,
                                           m_resizePoint.x, m_resizePoint.y);
    const bool disabled = !IsWindowEnabled();

    DrawResizedBitmapEx(dc, 0, 0, w, h, m_backgrounds[disabled ? kBackgroundDisabled : kBackgroundNormal], 1, 1,
                        point.x, point.y);
    if (m_useMark) {
        CBitmap mark;
        CreateResizedBitmap(m_backgrounds[disabled ? kMarkDisabled : kMarkNormal], &mark, point.x, point.y, w, h, 1, 1);
        if (mark.GetSafeHandle()) {
            BitmapDC source(dc, mark);
            if (vertical) {
                const int centre = thumb.top + m_thumbSize.cy / 2;
                dc.BitBlt(0, centre, w, h - centre, &source, 0, centre, SRCCOPY);
            } else {
                const int centre = thumb.left + m_thumbSize.cx / 2;
                dc.BitBlt(0, 0, centre, h, &source, 0, 0, SRCCOPY);
            }
        }
    }
    if (const HBITMAP image = ThumbImage()) {
        BitmapDC source(dc, image);
        dc.TransparentBlt(thumb.left, thumb.top, m_thumbSize.cx, m_thumbSize.cy, &source, 0, 0, m_thumbSize.cx,
                          m_thumbSize.cy, kThumbKey);
    }
    return 0;
}

BOOL CSliderCtrlEx::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_MOUSEMOVE && m_tipEnabled && m_tip.GetSafeHwnd()) {
        CString text;
        if (m_showPosition && m_position >= m_minimum && m_position <= m_maximum && m_position != -1) {
            text.Format(L"%d", m_position);
            ::SendMessageW(::GetParent(m_hWnd), WM_VXL_LISTTIPTEXT, reinterpret_cast<WPARAM>(&text),
                           reinterpret_cast<LPARAM>(m_hWnd));
        }
        m_tip.UpdateTipText(text, this);
        m_tip.RelayEvent(msg);
    }
    return CWnd::PreTranslateMessage(msg);
}

} // namespace Vexel
