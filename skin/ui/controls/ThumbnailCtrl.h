#pragma once
// CThumbnailCtrl: a scrolling view of items drawn entirely by the skin library (window class
// "SysThumbnailView32"): a grid of thumbnail cells, or in list mode one column of text rows,
// with hover highlighting, single or multiple selection (click, Ctrl, Shift, rubber band),
// arrow-key navigation, a tooltip per item, a skinned vertical scroll bar and, in drag mode,
// reordering of the selected items by OLE drag and drop inside the view.
//
// The items live in a hidden report-style list view (the item store): its item text is the
// label, its selection and focus states are the view's, and its item data points to the
// item's THUMBNAILITEM, which the view makes and frees itself. The store's notifications
// reach the view's parent as if they came from the view (LVN_ITEMCHANGING, LVN_ITEMCHANGED,
// LVN_INSERTITEM, LVN_DELETEITEM, LVN_DELETEALLITEMS, LVN_ITEMACTIVATE, LVN_KEYDOWN); the view
// adds LVN_KEYDOWN for every key pressed in it, LVN_BEGINDRAG (a non-zero answer cancels
// the view's own drag) and THMN_ITEMSMOVED after a drop moved items. Each mouse message goes
// to the parent first as WM_VXL_CHILDMOUSE, and each item's drawing is offered to it as
// WM_VXL_DRAWCHILDITEM (a non-zero answer: the parent drew it).
//
// The view owns its item backgrounds, its own background image, its font and every item's
// record and thumbnail; the window that made it releases the background image once, through
// ReleaseImages, before it destroys the view.
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "skin/ui/controls/ThumbnailGeometry.h"

#include <commctrl.h>

#include <memory>

namespace Vexel {

class CScrollBarEx;
struct ThumbnailCtrlPrivate;

// One item's own data.
struct THUMBNAILITEM {
    CBitmap thumbnail;        // owned; stretched into the item's image rectangle
    int index = 0;            // the item's index, written just before a reorder
    DWORD_PTR userData = 0;   // DRAWITEMSTRUCT::itemData when the item is drawn
    CString toolTip;          // empty: the label is shown
};

// WM_NOTIFY code of the view: a drop moved items (an NMLISTVIEW with every field after the
// header 0).
enum : int { THMN_ITEMSMOVED = 1 };
// DRAWITEMSTRUCT::CtlType of the items the view offers its parent to draw.
constexpr UINT VXL_ODT_THUMBNAIL = 11;

class CThumbnailCtrl : public CWnd {
    DECLARE_DYNAMIC(CThumbnailCtrl)
public:
    // Style bits of the view: both list bits make list mode; kSingleSelection allows one
    // selected item only.
    enum : DWORD {
        kListStyle = 0x3,
        kSingleSelection = 0x4,
    };
    // Item parts of GetItemRect.
    enum : int {
        kPartCell = 0,
        kPartImage = 3,
    };
    static constexpr UINT kScrollBarId = 1;
    static constexpr int kDragDistance = 10;   // pixels the mouse moves before a drag starts

    CThumbnailCtrl();
    ~CThumbnailCtrl() override;

    // A child of class "SysThumbnailView32"; list mode and single selection come from
    // `style`. FALSE when the class cannot be registered or the window (with its item store
    // and scroll bar) cannot be made.
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // --- set-up, before or after Create
    // Takes over the item backgrounds (the disabled one may be null). FALSE, taking nothing,
    // when the normal, highlight or selected one is null. In thumbnail mode the image area
    // takes the normal one's size and the hover highlight the highlight one's.
    BOOL SetThumbnailImages(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled);
    // The cell size of thumbnail mode (the image area too, 2 pixels lower, while it has none).
    // FALSE in list mode and for a width or height below 1.
    BOOL SetItemSize(int width, int height);
    // Image and label rectangles inside the image area: normal and selected items, then the
    // hot item. Null ones stay as they are.
    void SetItemPartRects(const RECT* imageNormal, const RECT* labelNormal, const RECT* imageHot,
                          const RECT* labelHot);
    // The row height of list mode; FALSE below 1.
    BOOL SetLineHeight(int height);
    // Every left click counts as one with Ctrl held.
    void SetCtrlClickMode(bool on);
    // Selected items may be dragged and dropped to reorder them.
    void SetDragMode(bool on);
    // Takes over the background image (null: the background colour); the old one is deleted.
    void SetBackgroundImage(HBITMAP image);
    // Deletes the background image; a second call does nothing. 0.
    int ReleaseImages();
    // The view's own vertical scroll bar (to style it).
    CScrollBarEx& GetScrollBar();

    // --- items (labels are the item store's column 0)
    // The new item's index; -1 when it cannot be inserted.
    int InsertItem(int index, LPCWSTR label);
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    CString GetItemText(int index) const;
    BOOL SetItemText(int index, LPCWSTR label);
    // Takes over the item's thumbnail (null: none); the old one is deleted.
    BOOL SetItemThumbnail(int index, HBITMAP thumbnail);
    BOOL SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;
    BOOL SetItemToolTip(int index, LPCWSTR text);
    // Empty for an item without a record.
    CString GetItemToolTip(int index) const;
    UINT GetItemState(int index, UINT mask) const;
    BOOL SetItemState(int index, UINT state, UINT mask);

    // --- selection and focus
    UINT GetSelectedCount() const;
    // Walks the selected items in order: a position is index + 1, 0 at the end.
    int GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(int& position) const;
    int GetFocusedItem() const;
    // -1 takes the focus from the focused item.
    BOOL SetFocusedItem(int index);
    void DeselectAll();
    int GetHotItem() const;

    // --- geometry (client coordinates)
    int HitTest(POINT point) const;
    int GetInsertIndex(POINT point) const;
    // Part kPartCell or kPartImage of an item; other parts leave `rect` as it is. FALSE for
    // an index outside the items or an empty grid.
    BOOL GetItemRect(int index, int part, RECT* rect) const;
    // Scrolls the item into view and invalidates; FALSE for an index outside the items or
    // an empty grid.
    BOOL EnsureVisible(int index);
    // The scroll bar's range, page, position and place, then a repaint.
    void Refresh();
    void UpdateScrollBar();
    int GetScrollPosition() const;

    // --- drawing
    // The whole view into `dc` (the size of the view less the scroll-bar strip).
    virtual void DrawView(CDC* dc);
    // One item; offered to the parent first.
    virtual void DrawItem(DRAWITEMSTRUCT* draw);

    BOOL PreTranslateMessage(MSG* msg) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOW* info) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(LPCREATESTRUCTW create);
    BOOL OnToolTipText(UINT id, NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    friend struct ThumbnailCtrlAccess;

    ThumbnailGrid Grid() const;
    SIZE ViewSize() const;
    THUMBNAILITEM* RecordOf(int index) const;
    bool IsSelected(int index) const;
    void SelectOnly(int index);
    void SelectRange(int from, int to);

    // Input (ThumbnailCtrlInput.cpp).
    void OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    void OnClick(UINT flags, POINT point, bool down);
    void SelectByMouse(bool ctrl, bool shift, int index, bool down);
    void OnArrowKey(UINT key);
    void SelectItemsInRect(const RECT& band);
    void DrawBand(const RECT& band);
    void OnScroll(UINT code, int thumbPosition);
    void SetScrollPosition(int position);

    // Item store and drag and drop (ThumbnailCtrlItems.cpp, ThumbnailCtrlDrag.cpp).
    bool OnStoreNotify(NMHDR& header, LRESULT& result);
    LRESULT NotifyParent(NMHDR& header, int code) const;
    void BeginDrag();
    LRESULT OnDragOver(LPARAM lParam);
    LRESULT OnDragLeave();
    LRESULT OnDrop(LPARAM lParam);
    bool OffersDragFormat(LPARAM lParam) const;
    void MoveSelectedItems(int target);

    std::unique_ptr<ThumbnailCtrlPrivate> m_private;
};

} // namespace Vexel
