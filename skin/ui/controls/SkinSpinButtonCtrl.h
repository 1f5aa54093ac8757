#pragma once
// CSkinSpinButtonCtrl: the up-down control painted from four skin images (normal, highlight,
// selected, disabled), each holding both arrows side by side (UDS_HORZ) or one above the
// other. The system control keeps its value, range, buddy and notifications; the skin only
// paints, following which arrow the cursor is over and which one the left button holds.
//
// It owns the images it is given (a setter deletes what it replaces). The window that made
// it from a skin record releases them once through ReleaseImages; what is still held when
// the object goes is deleted with it.
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "framework/SpinButtonCtrl.h"
#include "skin/model/CtrlProperties.h"
#include "skin/ui/SharedBitmap.h"

namespace Vexel {

class CSkinSpinButtonCtrl : public CSpinButtonCtrl {
    DECLARE_DYNAMIC(CSkinSpinButtonCtrl)
public:
    // The arrows: the left or top half is the first, the right or bottom half the second.
    enum Part : int { kNoPart = 0, kFirstArrow = 1, kSecondArrow = 2 };

    CSkinSpinButtonCtrl() = default;
    ~CSkinSpinButtonCtrl() override;

    // A SPIN record or style: with IsSpecifyImages its four images (a strip cut in four, or
    // four files). 0; -1 no window, -2 null record or unknown style, -3 a record of another
    // kind.
    virtual int ApplyProperties(CTRLPROPERTIES* record);
    virtual int ApplyStyle(LPCWSTR styleId);

    // Takes the four images over (null allowed), deleting those held before. 0.
    int SetBitmaps(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled);
    // The same with shared images, which the spin holds and never deletes. 0.
    int SetBitmaps(const SharedBitmap (&images)[4]);
    // Frees the images; a second call does nothing. 0.
    int ReleaseImages();

    Part GetHoverPart() const { return m_hover; }
    Part GetPressedPart() const { return m_pressed; }
    // The arrow whose half of the client area holds `point` (client coordinates).
    Part PartAt(POINT point) const;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnMouseLeave();
    void OnWindowPosChanged(WINDOWPOS* pos);
    DECLARE_MESSAGE_MAP()

private:
    enum { kNormal, kHighlight, kSelected, kDisabled, kStates };

    // The half of the client area of `part`, and where it starts in an image.
    RECT HalfOf(Part part) const;
    void PaintArrow(CDC& dc, Part part);

    Part m_hover = kNoPart;
    Part m_pressed = kNoPart;
    bool m_horizontal = false;   // UDS_HORZ, fixed at creation
    SharedBitmap m_images[kStates];   // held; the disabled one is never drawn
};

} // namespace Vexel
