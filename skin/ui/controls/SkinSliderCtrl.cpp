#include "skin/ui/controls/SkinSliderCtrl.h"

#include "skin/model/SkinGlobals.h"
#include "skin/model/SliderProperties.h"
#include "skin/ui/BitmapCopies.h"
#include "skin/ui/BitmapDrawing.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/WindowImages.h"
#include "skin/ui/controls/LayeredParent.h"

#include <algorithm>

namespace Vexel {

IMPLEMENT_DYNAMIC(CSkinSliderCtrl, CSliderCtrl)

BEGIN_MESSAGE_MAP(CSkinSliderCtrl, CSliderCtrl)
    ON_WM_CREATE()
    ON_WM_CTLCOLOR_REFLECT()
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &CSkinSliderCtrl::OnCustomDraw)
    ON_MESSAGE(TBM_GETTHUMBRECT, &CSkinSliderCtrl::OnGetThumbRect)
END_MESSAGE_MAP()

CSkinSliderCtrl::~CSkinSliderCtrl() = default;

// --- Record and images -------------------------------------------------------------

int CSkinSliderCtrl::ApplyProperties(CTRLPROPERTIES* record)
{
    const int check = CheckApplyRecord(this, record, L"SLIDER");
    if (check != 0)
        return check;
    if (record_read::Switch(*record, CtrlVar::IsSpecifyImages)) {
        SharedBitmap normal;
        SharedBitmap disabled;
        LoadTwoStateImages(record, &normal, &disabled);
        SetBkImages(normal, disabled);
    }
    if (const auto* slider = dynamic_cast<const SLDPROPERTIES*>(record)) {
        LoadThumbImages(slider, &m_thumbs[kThumbNormal], &m_thumbs[kThumbHighlight], &m_thumbs[kThumbPressed],
                        &m_thumbs[kThumbDisabled]);
        if (::IsWindow(m_hWnd))
            Invalidate(TRUE);
    }
    return 0;
}

int CSkinSliderCtrl::ApplyStyle(LPCWSTR styleId)
{
    return ApplyNamedStyle(*this, StyleKind::Slider, styleId);
}

int CSkinSliderCtrl::SetBkImages(HBITMAP normal, HBITMAP disabled)
{
    HandBitmap(m_normal, normal);
    HandBitmap(m_disabled, disabled);
    m_brushKey = BrushKey{};
    if (::IsWindow(m_hWnd))
        Invalidate(TRUE);
    return 0;
}

int CSkinSliderCtrl::SetBkImages(const SharedBitmap& normal, const SharedBitmap& disabled)
{
    m_normal = normal;
    m_disabled = disabled;
    m_brushKey = BrushKey{};
    if (::IsWindow(m_hWnd))
        Invalidate(TRUE);
    return 0;
}

int CSkinSliderCtrl::SetThumbImages(HBITMAP normal, HBITMAP highlight, HBITMAP pressed, HBITMAP disabled)
{
    HandBitmap(m_thumbs[kThumbNormal], normal);
    HandBitmap(m_thumbs[kThumbHighlight], highlight);
    HandBitmap(m_thumbs[kThumbPressed], pressed);
    HandBitmap(m_thumbs[kThumbDisabled], disabled);
    if (::IsWindow(m_hWnd))
        Invalidate(TRUE);
    return 0;
}

void CSkinSliderCtrl::SetFilledChannel(bool filled)
{
    m_filledChannel = filled;
    if (::IsWindow(m_hWnd))
        Invalidate(TRUE);
}

int CSkinSliderCtrl::ReleaseImages()
{
    m_normal.Release();
    m_disabled.Release();
    for (SharedBitmap& thumb : m_thumbs)
        thumb.Release();
    m_brushKey = BrushKey{};
    return 0;
}

// --- Geometry ----------------------------------------------------------------------

POINT CSkinSliderCtrl::ResizePoint() const
{
    const HWND parent = ::GetParent(m_hWnd);
    return ControlResizePoint(m_hWnd, parent, RectInParent(m_hWnd, parent), m_parentResizePoint, m_resizePoint.x,
                              m_resizePoint.y);
}

// Asked of the trackbar itself: our own question must not repaint the slider, as one from
// outside does (a paint that asks would otherwise never end).
RECT CSkinSliderCtrl::ThumbRect()
{
    RECT thumb{};
    DefWindowProc(TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    return thumb;
}

void CSkinSliderCtrl::MakeBackgrounds(Backgrounds& out) const
{
    RECT inParent;
    GetWindowRect(&inParent);
    const int w = inParent.right - inParent.left;
    const int h = inParent.bottom - inParent.top;
    const POINT point = ResizePoint();
    out.normal = m_normal;
    out.filled = m_disabled;
    if (point.x < 0 && point.y < 0)
        return;
    if (out.normal && CreateResizedBitmap(out.normal, &out.normalCopy, point.x, point.y, w, h, 1, 1) == 0)
        out.normal = out.normalCopy;
    if (out.filled && CreateResizedBitmap(out.filled, &out.filledCopy, point.x, point.y, w, h, 1, 1) == 0)
        out.filled = out.filledCopy;
}

void CSkinSliderCtrl::DrawBackgroundArea(CDC& dc, const RECT& area, const Backgrounds& images, int filledTo) const
{
    const int w = area.right - area.left;
    const int h = area.bottom - area.top;
    if (images.normal)
        DrawBitmap(dc, area.left, area.top, w, h, images.normal, area.left, area.top, SRCCOPY);
    if (filledTo < 0 || !images.filled)
        return;
    RECT filled = area;
    if (m_vertical)
        filled.bottom = std::min<LONG>(area.bottom, filledTo);
    else
        filled.right = std::min<LONG>(area.right, filledTo);
    if (filled.right > filled.left && filled.bottom > filled.top)
        DrawBitmap(dc, filled.left, filled.top, filled.right - filled.left, filled.bottom - filled.top, images.filled,
                   filled.left, filled.top, SRCCOPY);
}

// --- Messages ----------------------------------------------------------------------

int CSkinSliderCtrl::OnCreate(LPCREATESTRUCT)
{
    if (Default() == -1)
        return -1;
    m_vertical = (GetStyle() & TBS_VERT) != 0;
    return 0;
}

// The trackbar fills its background with this brush: the skin under the slider (and the
// filled image up to the thumb). It is made again only when what it shows changes.
HBRUSH CSkinSliderCtrl::CtlColor(CDC* dc, UINT)
{
    CRect client;
    GetClientRect(&client);
    BrushKey key;
    key.size = SIZE{client.Width(), client.Height()};
    key.point = ResizePoint();
    key.filledTo = m_filledChannel ? m_thumbCentre : -1;
    key.normal = m_normal;
    const bool same = m_brush.GetSafeHandle() && key.size.cx == m_brushKey.size.cx &&
                      key.size.cy == m_brushKey.size.cy && key.point.x == m_brushKey.point.x &&
                      key.point.y == m_brushKey.point.y && key.filledTo == m_brushKey.filledTo &&
                      key.normal == m_brushKey.normal;
    if (same)
        return static_cast<HBRUSH>(m_brush.GetSafeHandle());

    m_brush.DeleteObject();
    m_brushImage.DeleteObject();
    m_brushKey = BrushKey{};
    if (key.size.cx <= 0 || key.size.cy <= 0 || !m_brushImage.CreateCompatibleBitmap(dc, key.size.cx, key.size.cy))
        return nullptr;
    {
        Backgrounds images;
        MakeBackgrounds(images);
        BitmapDC image(*dc, m_brushImage);
        DrawBackgroundArea(image, client, images, key.filledTo);
    }
    if (!m_brush.CreatePatternBrush(&m_brushImage))
        return nullptr;
    m_brushKey = key;
    return static_cast<HBRUSH>(m_brush.GetSafeHandle());
}

void CSkinSliderCtrl::DrawChannel(CDC& dc, const RECT& channel)
{
    const int w = channel.right - channel.left;
    const int h = channel.bottom - channel.top;
    if (w <= 0 || h <= 0)
        return;
    Backgrounds images;
    MakeBackgrounds(images);
    if (!m_filledChannel) {
        DrawBackgroundArea(dc, channel, images, -1);
        return;
    }
    // Composed apart first, so the channel never shows half drawn.
    const RECT thumb = ThumbRect();
    const int filledTo = m_vertical ? thumb.bottom : thumb.right;
    CRect client;
    GetClientRect(&client);
    CBitmap composed;
    if (!composed.CreateCompatibleBitmap(&dc, client.Width(), client.Height()))
        return;
    BitmapDC composedDC(dc, composed);
    DrawBackgroundArea(composedDC, channel, images, filledTo);
    dc.BitBlt(channel.left, channel.top, w, h, &composedDC, channel.left, channel.top, SRCCOPY);
}

void CSkinSliderCtrl::DrawThumb(CDC& dc)
{
    if (!m_thumbs[kThumbNormal].GetSafeHandle())
        return;
    const RECT thumb = ThumbRect();
    m_thumbCentre = m_vertical ? (thumb.top + thumb.bottom) / 2 : (thumb.left + thumb.right) / 2;
    int state = kThumbNormal;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    if (!IsWindowEnabled())
        state = kThumbDisabled;
    else if (::GetCapture() == m_hWnd)
        state = kThumbPressed;
    else if (::PtInRect(&thumb, cursor))
        state = kThumbHighlight;
    const HBITMAP image = m_thumbs[state];
    SIZE size;
    if (GetBitmapSize(image, size) != 0)
        return;
    BitmapDC source(dc, image);
    DrawTransparentBitmap(dc, thumb.left, thumb.top, thumb.right - thumb.left, thumb.bottom - thumb.top, source, 0, 0,
                          size.cx, size.cy, kThumbKey);
}

void CSkinSliderCtrl::OnCustomDraw(NMHDR* header, LRESULT* result)
{
    auto* const draw = reinterpret_cast<NMCUSTOMDRAW*>(header);
    *result = CDRF_DODEFAULT;
    if (draw->dwDrawStage == CDDS_PREPAINT) {
        *result = CDRF_NOTIFYITEMDRAW;
        return;
    }
    if (draw->dwDrawStage != CDDS_ITEMPREPAINT)
        return;
    BorrowedDC dc(draw->hdc);
    switch (draw->dwItemSpec) {
    case TBCD_TICS:
        break;
    case TBCD_CHANNEL:
        DrawChannel(dc, draw->rc);
        break;
    case TBCD_THUMB:
        DrawThumb(dc);
        break;
    default:
        return;
    }
    *result = CDRF_SKIPDEFAULT;
}

LRESULT CSkinSliderCtrl::OnGetThumbRect(WPARAM, LPARAM)
{
    if (!IsWindowVisible()) {
        Default();
        return 0;
    }
    SetRedraw(FALSE);
    Default();
    SetRedraw(TRUE);
    Invalidate(TRUE);
    return 0;
}

LRESULT CSkinSliderCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_WINDOWPOSCHANGED && lParam)
        RepaintOverLayeredParent(m_hWnd, *reinterpret_cast<const WINDOWPOS*>(lParam));
    return CSliderCtrl::WindowProc(message, wParam, lParam);
}

} // namespace Vexel
