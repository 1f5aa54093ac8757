#pragma once
// CSkinListCtrl: a list view whose background, item backgrounds, text colours, grid lines,
// column header and scroll bars come from the skin. Each item look (normal, highlight under
// the mouse, selected, and normal and selected in a disabled list) has a colour or an image,
// a text colour and a font. Rows are drawn by the list's own item drawers when owner draw is
// on; otherwise the common control paints them and its text background colour is left out,
// so the skin background shows through. Besides the native views it has a thumbnail view
// of large cells laid out by the skin.
//
// Every item carries a record of the list's (its lParam inside the common control); callers
// see and sort by their own item data as usual. The parent hears of it through
// WM_VXL_CHILDMOUSE (every mouse message, first) and may take over drawing with
// WM_VXL_LISTPAINT, WM_VXL_DRAWCHILDITEM (a DRAWITEMSTRUCT of CtlType ODT_LISTVIEW; other
// skinned controls use the same code, so a parent tells the lists apart by the control id
// in wParam), WM_VXL_LISTTEXTCOLOR, WM_VXL_LISTGRIDPEN and WM_VXL_LISTTIPTEXT.
//
// It owns every image and font it is given (a setter deletes what it replaces). The window
// that made it from a skin record releases them once through ReleaseImages; what is still
// held when the object goes is deleted with it.
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "framework/ListCtrl.h"
#include "skin/model/CtrlProperties.h"
#include "skin/ui/SharedBitmap.h"

#include <memory>

namespace Vexel {

class CScrollBarEx;
class CSkinHeaderCtrl;
struct ListCtrlPrivate;
struct ListItemRecord;

class CSkinListCtrl : public CListCtrl {
    DECLARE_DYNAMIC(CSkinListCtrl)
public:
    // The timer the list view uses while it waits to edit a label; the list repaints itself
    // when it fires.
    static constexpr UINT_PTR kLabelEditTimer = 43;
    // Tool-tip texts are cut to this many characters.
    static constexpr int kMaxTipText = 79;

    CSkinListCtrl();
    ~CSkinListCtrl() override;

    // A LISTCTRL record or style; may be applied again (images, fonts and colours are
    // replaced, extended styles accumulate). 0; -1 no window, -2 null record or unknown
    // style, -3 a record of another kind.
    virtual int ApplyProperties(CTRLPROPERTIES* record);
    virtual int ApplyStyle(LPCWSTR styleId);

    // The drawing steps of a paint, each into `dc` (client coordinates); 0 unless stated.
    virtual int DrawBackground(CDC* dc);
    virtual int DrawGridLines(CDC* dc);
    // Offers the item to the parent first; then the drawer of the list's view.
    virtual int DrawItem(CDC* dc, int item);
    // -1 when the item cannot be read.
    virtual int DrawReportItem(CDC* dc, int item, RECT* rect);
    virtual int DrawIconItem(CDC* dc, int item, RECT* rect);
    virtual int DrawThumbnailItem(CDC* dc, int item, RECT* rect);

    // Setters of the images; each takes the bitmaps over (null allowed) and answers 0.
    int SetBkImages(HBITMAP normal, HBITMAP disabled);
    // The same with shared images, which the list holds and never deletes. 0.
    int SetBkImages(const SharedBitmap& normal, const SharedBitmap& disabled);
    int SetNormalItemBkImage(HBITMAP image);
    int SetHighlightItemBkImage(HBITMAP image);
    int SetSelectedItemBkImage(HBITMAP image);
    int SetNormalDisabledItemBkImage(HBITMAP image);
    int SetSelectedDisabledItemBkImage(HBITMAP image);
    // Copies of the five look fonts (the caller keeps its own); the window gets the normal
    // one, or the normal-disabled one while disabled. -1, nothing changed, when one is null.
    int SetItemFonts(const CFont* normal, const CFont* highlight, const CFont* selected, const CFont* normalDisabled,
                     const CFont* selectedDisabled);
    // The thumbnail cell's state backgrounds, relative to the cell. 0.
    int SetThumbnailBkRects(const RECT* normal, const RECT* highlight, const RECT* selected, const RECT* disabled);
    // The strip of equal images (side by side) the report view draws for the first column
    // and the sub-items, taken over; null turns it off. 0.
    int SetImageStrip(HBITMAP strip, int imageWidth, int imageHeight);
    // The strip image of a sub-item: -1 for an item that does not exist. 0.
    int SetSubItemImage(int item, int subItem, int image);
    // -1 when the item does not exist or the sub-item has no image.
    int GetSubItemImage(int item, int subItem) const;

    // The item's thumbnail cell: -1 null out, -2 the thumbnail view is off; else 0.
    int GetThumbnailCellRect(int item, RECT* out) const;
    // The item's label in its cell: -1 the view is off, -2 bad item or null out, -3 no cell.
    int GetThumbnailLabelRect(int item, RECT* out) const;
    bool IsThumbnailView() const;

    // The column header (report view), skinned from the record's header style; it has no
    // window before the common control makes its header.
    CSkinHeaderCtrl& GetSkinHeader() const;

    // The item under the mouse while the highlight look is on; -1 for none.
    int GetHoverItem() const;
    const CString& GetTag() const;

    // The own scroll bars (siblings in the parent, ids 1 horizontal and 2 vertical, notifying
    // the list). -1 as soon as one cannot be made.
    int CreateScrollBars();
    // Places, shows or hides the bars for the list's overflow and cuts its window region
    // back under them (only when that changes). -1 while the bars are off.
    int LayoutScrollBars();
    // The list's scroll infos into the bars (nothing while they are off).
    void SyncScrollBars();
    // The bars, or null while they are off.
    CScrollBarEx* GetHorzScrollBarEx() const;
    CScrollBarEx* GetVertScrollBarEx() const;

    // Frees every image and font the list holds; a second call does nothing. 0.
    int ReleaseImages();

    // The tool under `point`: the item and sub-item, whose text comes by TTN_NEEDTEXT.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOW* info) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL OnToolTipText(UINT id, NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnItemMessage(UINT message, WPARAM wParam, LPARAM lParam, bool* handled);
    LRESULT OnScrollMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnThumbnailHitTest(WPARAM wParam, LPARAM lParam);
    LPARAM ThumbnailMousePoint(LPARAM lParam) const;
    void OnDestroy();
    void OnMouseMoveHover(LPARAM lParam);
    void OnChildCreated(WPARAM wParam, LPARAM lParam);
    void PaintList();
    void PaintNative(CDC& target, CDC& canvas, const SIZE& size);
    void PixelScroll(UINT message, int position);
    LRESULT SendToParent(UINT message, WPARAM wParam, LPARAM lParam) const;

    // An item's part (LVIR_*) as the common control gives it, even in the thumbnail view.
    BOOL RawItemRect(int item, UINT part, RECT* out) const;
    // The item's record, asked of the common control as it stores it.
    ListItemRecord* RecordOf(int item) const;
    static void FreeItemRecord(ListItemRecord* record);
    static int CALLBACK CompareItemData(LPARAM first, LPARAM second, LPARAM context);

    struct ItemState {
        bool read;
        bool selected;
        bool hot;
        bool enabled;
        int image;
        UINT stateImage;
    };
    ItemState ReadItemState(int item) const;
    COLORREF ItemTextColor(const ItemState& state, int item, int subItem) const;
    void DrawItemIcon(CDC& dc, int image, const RECT& area, bool enabled) const;
    void DrawStripImage(CDC& dc, int image, int x, const RECT& row, int width) const;
    int ApplyListRecord(CTRLPROPERTIES& record);

    std::unique_ptr<ListCtrlPrivate> m_private;
};

} // namespace Vexel
