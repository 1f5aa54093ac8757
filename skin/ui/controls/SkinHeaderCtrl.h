#pragma once
// CSkinHeaderCtrl: a column header painted from skin images: an image of the whole strip
// behind the items, and per item look (normal, highlight, selected while pressed,
// disabled) an item image, a text colour and a font. It keeps the hovered and the pressed
// item, sits at the top of its parent at a fixed height, and offers every item to its
// parent to draw first (WM_VXL_DRAWCHILDITEM, wParam the header's id, lParam a
// DRAWITEMSTRUCT of CtlType ODT_HEADER, itemID the item index; non-zero: drawn).
//
// It owns every image and font it is given (a setter deletes what it replaces) and frees
// what it still holds when the object goes. Without a strip image and a normal item image
// the header paints natively. As the header of a tree list (SetOwnerTree) it stops a
// column dragged past its right edge there.
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "framework/HeaderCtrl.h"
#include "skin/model/CtrlProperties.h"

#include <memory>

namespace Vexel {

class CTreeList;
struct SkinHeaderCtrlPrivate;

class CSkinHeaderCtrl : public CHeaderCtrl {
    DECLARE_DYNAMIC(CSkinHeaderCtrl)
public:
    // A layout request (HDM_LAYOUT) starts this far above the bottom of the header's
    // height; the height itself is then forced on the window as it moves.
    static constexpr int kLayoutOffset = 17;
    static constexpr int kDefaultHeight = 17;

    CSkinHeaderCtrl();
    ~CSkinHeaderCtrl() override;

    // A HEADERCTRL record or style: the strip image (HeaderBk, not scaled) and its resize
    // point, the four item images (scaled to the screen when image scaling is on) and
    // theirs, the four fonts and the four text colours. 0; -1 no window, -2 null record or
    // unknown style, -3 a record of another kind.
    virtual int ApplyProperties(CTRLPROPERTIES* record);
    virtual int ApplyStyle(LPCWSTR styleId);
    // Draws item `index` into `dc` (the header's client coordinates), unless the parent
    // draws it. 0.
    virtual int DrawHeaderItem(CDC* dc, int index);

    // Takes the four item images over (null allowed), deleting those it held. 0.
    int SetButtonImages(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled);
    // The item text colours by look; repaints. 0.
    int SetTextColors(COLORREF normal, COLORREF highlight, COLORREF selected, COLORREF disabled);
    // Copies of the given fonts (a null one leaves that look's font as it is); repaints. 0.
    int SetFonts(const CFont* normal, const CFont* highlight, const CFont* selected, const CFont* disabled);
    // The header's height in pixels; it is placed again at the top of its parent with it,
    // as wide as the layout gives it. 0.
    int SetHeight(int height);
    int GetHeight() const;

    // The tree part of the tree list this header belongs to (null: none). Only with an
    // owner tree that has a window is a tracked column kept inside the header.
    void SetOwnerTree(CTreeList* tree);
    CTreeList* GetOwnerTree() const;

    // The item under `point` (client coordinates); -1 on a divider or outside every item.
    int ItemAt(POINT point) const;

    // Frees the strip and item images; a second call does nothing. 0.
    int ReleaseImages();

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnMouseLeave();
    void OnWindowPosChanging(WINDOWPOS* pos);
    void OnWindowPosChanged(WINDOWPOS* pos);
    LRESULT OnLayout(WPARAM wParam, LPARAM lParam);
    void OnEndTrack(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    bool PaintsItself() const;
    void PaintStrip(CDC& dc, const RECT& client);
    void TrackLeave();
    void KeepClampedWidth();

    std::unique_ptr<SkinHeaderCtrlPrivate> m_private;
};

} // namespace Vexel
