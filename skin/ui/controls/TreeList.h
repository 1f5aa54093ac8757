#pragma once
// CTreeList: the tree part of a tree list (CTreeListCtrl). A tree view that draws each of
// its rows itself, across the columns of the tree list's header: column 0 is the item's
// own text, the texts of columns 1.. are kept in a hidden list view (id kColumnListId)
// that holds one row per item with such a text, its lParam the item. The first text set
// in a column 1.. makes the item's row; the tree list removes the row when the item is
// deleted.
//
// Before it draws a row it offers it to the tree list (WM_VXL_DRAWCHILDITEM, a
// DRAWITEMSTRUCT of CtlType VXL_ODT_TREE with the full row rectangle, TreeRowOffer of
// TreeViewDrawing.h, whose item TreeRowItem finds; non-zero: drawn).
// Mouse messages go to the tree list first (WM_VXL_CHILDMOUSE); keys, wheel turns and
// deletions, sorts and scrolls into view are passed on to it after they are done, so it
// can keep its own scroll bar in step.
//
// It owns its two background images (normal, disabled); the window that made the tree
// list releases them once through ReleaseImages, and what is still held goes with the
// object.
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "framework/ListCtrl.h"
#include "framework/TreeCtrl.h"
#include "skin/ui/PaintBuffer.h"
#include "skin/ui/SharedBitmap.h"

namespace Vexel {

class CSkinHeaderCtrl;

class CTreeList : public CTreeCtrl {
    DECLARE_DYNAMIC(CTreeList)
public:
    static constexpr UINT kColumnListId = 1112;
    // The timer the tree view uses while it waits to edit a label.
    static constexpr UINT_PTR kLabelEditTimer = 43;
    // Private messages: the redraw state last set with WM_SETREDRAW (answered), and
    // setting it from lParam.
    static constexpr UINT kGetRedrawState = 0x979;
    static constexpr UINT kSetRedrawState = 0x97A;

    CTreeList();
    ~CTreeList() override;

    // Draws one row into `dc` (client coordinates), unless the tree list draws it: 1 when
    // it did, else 0.
    virtual int DrawItem(CDC* dc, HTREEITEM item);

    // Takes the two background images over (null allowed), deleting those it held. 1.
    int SetBackgroundImages(HBITMAP normal, HBITMAP disabled);
    // The same with shared images, which the tree holds and never deletes. 1.
    int SetBackgroundImages(const SharedBitmap& normal, const SharedBitmap& disabled);
    // Frees the background images; a second call does nothing. 0.
    int ReleaseImages();

    // The header whose columns the rows follow (null: none); not owned.
    void SetHeaderCtrl(CSkinHeaderCtrl* header);
    CSkinHeaderCtrl* GetHeaderCtrl() const;

    // The text of `item` in `column`: column 0 is the item's text; a column from 1 to
    // the header's last is the text kept for it; any other column, or an item without a
    // row, has an empty text.
    CString GetColumnText(HTREEITEM item, int column) const;
    // Sets that text (column 0: the item's own), making the item's row when it has none.
    // FALSE for a column outside the header's, or when the row cannot be made.
    BOOL SetColumnText(HTREEITEM item, int column, LPCWSTR text);
    // The hidden list of column texts: its columns mirror the header's, and each row's
    // lParam is its tree item.
    CListCtrl& GetColumnList() { return m_columns; }
    // The row of `item` in the hidden list, -1 when it has none.
    int FindColumnRow(HTREEITEM item) const;

    // Inserts the items of `inserts`, in order, in one pass: the tree list hears of them
    // once, as of one insertion. `items` (as many) receives each item, null where the tree
    // refused it. The number inserted.
    size_t InsertItems(TVINSERTSTRUCTW* inserts, size_t count, HTREEITEM* items);

    void SetSelectedBkColor(COLORREF color) { m_selectedBkColor = color; }
    COLORREF GetSelectedBkColor() const { return m_selectedBkColor; }
    void SetHoverTime(DWORD time) { m_hoverTime = time; }

protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static constexpr int kColumnTextCapacity = 260;

    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    int OnCreateTree();
    LRESULT InsertItemPassedOn(WPARAM wParam, LPARAM lParam);
    // The item's row at the end of the hidden list; -1 when refused.
    int MakeColumnRow(HTREEITEM item);
    LRESULT WithRedrawHeld(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT PassedOn(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void DrawBackground(CDC& dc, const RECT& client);
    LRESULT SendToTreeList(UINT message, WPARAM wParam, LPARAM lParam) const;
    int ColumnCount() const;
    // The text of `item` in `column` into `buffer` (empty when it has none); false when
    // the column or the item's row does not exist.
    bool ColumnTextInto(HTREEITEM item, int column, wchar_t* buffer, int capacity) const;

    CListCtrl m_columns;                       // the hidden list of column texts
    CSkinHeaderCtrl* m_headerCtrl = nullptr;   // the tree list's header; not owned
    COLORREF m_selectedBkColor = RGB(0, 0, 0x80);
    SharedBitmap m_backgroundNormal;           // held
    SharedBitmap m_backgroundDisabled;         // held
    DWORD m_hoverTime = HOVER_DEFAULT;
    BOOL m_redrawEnabled = TRUE;
    PaintBuffer m_canvas;
};

} // namespace Vexel
