#include "skin/ui/controls/SkinSpinButtonCtrl.h"

#include "framework/WndDC.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/controls/LayeredParent.h"

namespace Vexel {

IMPLEMENT_DYNAMIC(CSkinSpinButtonCtrl, CSpinButtonCtrl)

BEGIN_MESSAGE_MAP(CSkinSpinButtonCtrl, CSpinButtonCtrl)
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

CSkinSpinButtonCtrl::~CSkinSpinButtonCtrl() = default;

int CSkinSpinButtonCtrl::ApplyProperties(CTRLPROPERTIES* record)
{
    const int check = CheckApplyRecord(this, record, L"SPIN");
    if (check != 0)
        return check;
    if (!record->GetVar(CtrlVar::IsSpecifyImages).GetBool())
        return 0;
    SharedBitmap loaded[kStates];
    LoadFourStateImages(record, &loaded[kNormal], &loaded[kHighlight], &loaded[kSelected], &loaded[kDisabled]);
    return SetBitmaps(loaded);
}

int CSkinSpinButtonCtrl::ApplyStyle(LPCWSTR styleId)
{
    return ApplyNamedStyle(*this, StyleKind::Spin, styleId);
}

int CSkinSpinButtonCtrl::SetBitmaps(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled)
{
    HandImages(m_images, {normal, highlight, selected, disabled}, false);
    if (::IsWindow(m_hWnd))
        Invalidate(FALSE);
    return 0;
}

int CSkinSpinButtonCtrl::SetBitmaps(const SharedBitmap (&images)[kStates])
{
    ShareImages(m_images, images, false);
    if (::IsWindow(m_hWnd))
        Invalidate(FALSE);
    return 0;
}

int CSkinSpinButtonCtrl::ReleaseImages()
{
    return DeleteImages(m_images);
}

CSkinSpinButtonCtrl::Part CSkinSpinButtonCtrl::PartAt(POINT point) const
{
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point))
        return kNoPart;
    if (m_horizontal)
        return point.x < client.Width() / 2 ? kFirstArrow : kSecondArrow;
    return point.y < client.Height() / 2 ? kFirstArrow : kSecondArrow;
}

RECT CSkinSpinButtonCtrl::HalfOf(Part part) const
{
    CRect client;
    GetClientRect(&client);
    const int w = client.Width();
    const int h = client.Height();
    if (m_horizontal) {
        const int x = part == kFirstArrow ? 0 : w / 2;
        return RECT{x, 0, x + w / 2, h};
    }
    const int y = part == kFirstArrow ? 0 : h / 2;
    return RECT{0, y, w, y + h / 2};
}

int CSkinSpinButtonCtrl::OnCreate(LPCREATESTRUCT)
{
    if (Default() == -1)
        return -1;
    m_horizontal = (GetStyle() & UDS_HORZ) != 0;
    return 0;
}

BOOL CSkinSpinButtonCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;   // the paint covers the control
}

void CSkinSpinButtonCtrl::PaintArrow(CDC& dc, Part part)
{
    const int state = m_hover != part ? kNormal : (m_pressed == part ? kSelected : kHighlight);
    const HBITMAP image = m_images[state];
    if (!image)
        return;
    const RECT half = HalfOf(part);
    BitmapDC source(dc, image);
    dc.BitBlt(half.left, half.top, half.right - half.left, half.bottom - half.top, &source, half.left, half.top,
              SRCCOPY);
}

void CSkinSpinButtonCtrl::OnPaint()
{
    CPaintDC dc(this);
    PaintArrow(dc, kFirstArrow);
    PaintArrow(dc, kSecondArrow);
}

void CSkinSpinButtonCtrl::OnLButtonDown(UINT, CPoint point)
{
    const Part part = PartAt(point);
    if (part != kNoPart && part != m_pressed) {
        m_pressed = part;
        Invalidate(FALSE);
    }
    Default();
}

void CSkinSpinButtonCtrl::OnLButtonUp(UINT, CPoint)
{
    m_pressed = kNoPart;
    Invalidate(FALSE);
    Default();
}

void CSkinSpinButtonCtrl::OnMouseMove(UINT, CPoint point)
{
    const Part part = PartAt(point);
    if (m_hover == kNoPart) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, HOVER_DEFAULT};
        ::TrackMouseEvent(&track);
        m_hover = part;
        Invalidate(FALSE);
    } else if (part != m_hover) {
        m_hover = part;
        Invalidate(FALSE);
    }
    Default();
}

void CSkinSpinButtonCtrl::OnMouseLeave()
{
    m_hover = kNoPart;
    Invalidate(FALSE);
}

void CSkinSpinButtonCtrl::OnWindowPosChanged(WINDOWPOS* pos)
{
    if (pos)
        RepaintOverLayeredParent(m_hWnd, *pos);
    Default();
}

} // namespace Vexel
