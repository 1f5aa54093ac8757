#pragma once
// CSkinTreeCtrl: a tree view that paints every visible item itself, from one off-screen
// bitmap: a skin background, the selected, hovered and root items' own images or colours,
// an optional separator line under each item, optional expand and collapse images, and
// optional skinned scroll bars (CScrollBarEx) over the native ones. Before it draws an item
// (or an item's background) it offers the drawing to its parent (WM_VXL_DRAWCHILDITEM,
// WM_VXL_DRAWCHILDITEMBK), so an owner can paint items completely.
//
// It owns every image and font it is given; a setter deletes what it replaces. The window
// that made it from a skin record releases them once through ReleaseImages, just before it
// destroys the tree; what is still held when the object goes is deleted with it.
//
// The parent hears of it through WM_VXL_CHILDMOUSE (every mouse message, first),
// WM_NOTIFY NM_VXL_DBLCLKITEM (a double click; non-zero: handled), TVN_VXL_HOVERCHANGING
// (non-zero vetoes) and TVN_VXL_HOVERCHANGED (NMTREEVIEW, itemOld/itemNew.hItem only).
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "framework/TreeCtrl.h"
#include "skin/model/CtrlProperties.h"
#include "skin/ui/SharedBitmap.h"

#include <memory>

namespace Vexel {

class CScrollBarEx;
struct SkinTreeCtrlPrivate;

class CSkinTreeCtrl : public CTreeCtrl {
    DECLARE_DYNAMIC(CSkinTreeCtrl)
public:
    // The timer the tree view uses while it waits to edit a label; the tree repaints itself
    // when it fires.
    static constexpr UINT_PTR kLabelEditTimer = 43;

    CSkinTreeCtrl();
    ~CSkinTreeCtrl() override;

    // A TREECTRL record or style. 0; -1 no window, -2 null record or unknown style, -3 a
    // record of another kind. Style bits are only ever added.
    virtual int ApplyProperties(CTRLPROPERTIES* record);
    virtual int ApplyStyle(LPCWSTR styleId);

    // The drawing steps of a paint, each into `dc` (client coordinates); each answers 0.
    virtual int DrawBackground(CDC* dc);
    // Offers the item to the parent first; when the parent drew it, draws nothing of it.
    virtual int DrawItem(CDC* dc, HTREEITEM item);
    virtual int DrawItemBackground(CDC* dc, HTREEITEM item);
    virtual int DrawLines(CDC* dc, HTREEITEM item);

    // Setters of the images; each takes the bitmaps over (null allowed) and answers 0.
    int SetBackgroundImages(HBITMAP normal, HBITMAP disabled);
    // The same with shared images, which the tree holds and never deletes.
    int SetBackgroundImages(const SharedBitmap& normal, const SharedBitmap& disabled);
    int SetRootItemBkImages(HBITMAP focus, HBITMAP nonFocus);
    int GetRootItemBkImages(HBITMAP* focus, HBITMAP* nonFocus) const;   // still the tree's
    int SetSelectedItemBkImages(HBITMAP focus, HBITMAP nonFocus);
    int SetHighlightItemBkImages(HBITMAP focus, HBITMAP nonFocus);
    // -1 for null; else 0.
    int SetTag(LPCWSTR tag);
    const CString& GetTag() const;
    // Takes the two fonts' handles over (the given objects are left empty; null: none) and
    // gives the window the one of its enabled state. 0.
    int SetFonts(CFont* normal, CFont* disabled);

    // Makes `item` `height` pixels high, as a whole number of rows of the tree's row height
    // (at least one). 0; -1 when the tree refuses.
    int SetItemHeight(HTREEITEM item, int height);
    using CTreeCtrl::SetItemHeight;
    // Inserts the item of `insert` already `height` pixels high, as SetItemHeight makes it:
    // the tree lays the row out once, at its height. Null when the tree refuses.
    HTREEITEM InsertItemOfHeight(TVINSERTSTRUCTW& insert, int height);

    // With TRUE makes the skinned scroll bars (hidden, as siblings in the tree's parent, ids
    // 1 horizontal and 2 vertical) that then stand in for the native ones; -1 when one cannot
    // be made. FALSE only stops using them. 0.
    int EnableOwnScrollBars(BOOL enable);
    // The bars, or null while they are not in use.
    CScrollBarEx* GetHorzScrollBarEx();
    CScrollBarEx* GetVertScrollBarEx();
    // The tree's scroll infos into the bars. -1 while they are not in use.
    int SyncOwnScrollBars();
    // Places, shows or hides the bars for the tree's overflow and cuts the tree's window
    // region back under them (only when that changes). -1 while they are not in use.
    int LayoutOwnScrollBars();

    // Frees every image and font the tree holds; a second call does nothing. 0.
    int ReleaseImages();

    // The background for `window`'s state (`normal` enabled, `disabled` else) resized to
    // w x h around (resizeX, resizeY), into `slot` (what it held is deleted first; a null
    // image leaves it empty). 0; -1 for a null slot.
    static int BuildBackgroundBitmap(CBitmap* slot, const CWnd* window, HBITMAP normal, HBITMAP disabled,
                                     int resizeX, int resizeY, int w, int h);

    // The item of a DRAWITEMSTRUCT this tree sent. (Its itemID holds only the low 32 bits
    // of the handle; the row rectangle names the item on every architecture.)
    static HTREEITEM ItemOfDrawItem(const DRAWITEMSTRUCT& draw);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnMouseMove(UINT flags, CPoint point);
    void OnMouseLeave();
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnTimer(UINT_PTR id);
    void OnShowWindow(BOOL show, UINT status);
    void OnItemExpanding(NMHDR* header, LRESULT* result);
    void OnItemExpanded(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnScrollMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT SendToParent(UINT message, WPARAM wParam, const void* data) const;
    void DrawLeftPart(CDC& dc, HTREEITEM item, const RECT& row, const RECT& text, UINT state);
    HBITMAP NativeRendering(CDC& reference);
    void RestoreRedrawAfterExpand();
    // How many of the tree's rows make `height` pixels: at least one.
    int RowsOfHeight(int height) const;
    int ApplyTreeRecord(const CTRLPROPERTIES& record);

    std::unique_ptr<SkinTreeCtrlPrivate> m_private;
};

} // namespace Vexel
