#pragma once
// CTreeListCtrl: a multi-column tree. A window of its own class ("SysTreeListView32") that
// holds a skinned header on top (id kHeaderId), the tree part below it (CTreeList, id
// kTreeId), which draws one row per item across the header's columns, and optionally a
// skinned vertical scroll bar (id kScrollBarId) that stands in for the tree part's native
// one: the tree part is then made wider than the window, so its own bar lies outside.
//
// Its parent hears of it through WM_VXL_CHILDMOUSE (every mouse message of the tree part,
// first), WM_NOTIFY LVN_COLUMNCLICK (NMLISTVIEW: iItem -1, iSubItem the clicked column)
// when nothing here took the header's click, and the tree part's notifications reach this
// window's own message map, where a derived class handles them (ids kTreeId, kHeaderId).
// A derived class draws rows itself by answering WM_VXL_DRAWCHILDITEM non-zero.
//
// Everything it holds goes with the object. The window that made it from a skin record
// releases the tree part's background images once, through ReleaseImages.
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "skin/model/CtrlProperties.h"

#include <commctrl.h>

#include <memory>

namespace Vexel {

class CScrollBarEx;
class CSkinHeaderCtrl;
class CTreeList;
struct TreeListCtrlPrivate;

class CTreeListCtrl : public CWnd {
    DECLARE_DYNAMIC(CTreeListCtrl)
public:
    static constexpr LPCWSTR kClassName = L"SysTreeListView32";
    static constexpr UINT kTreeId = 1;
    static constexpr UINT kHeaderId = 0;
    static constexpr UINT kScrollBarId = 1111;
    static constexpr int kDefaultScrollBarWidth = 16;

    CTreeListCtrl();
    ~CTreeListCtrl() override;

    // A child of `parent` with its header `headerHeight` pixels high, and with `ownScrollBar`
    // a skinned vertical scroll bar `scrollBarWidth` pixels wide. The parts are made with the
    // window; FALSE when the class cannot be registered or the window or one of its parts
    // cannot be made.
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id, int headerHeight, BOOL ownScrollBar,
                        int scrollBarWidth);
    // A TREELIST record or style: with IsSpecifyImages, the tree part's two backgrounds (as
    // the skinned tree loads them). 0; -1 no window, -2 null record or unknown style, -3 a
    // record of another kind.
    virtual int ApplyProperties(CTRLPROPERTIES* record);
    virtual int ApplyStyle(LPCWSTR styleId);

    // A column in the header (its text, `width`) and in the hidden list of column texts
    // (with `format`, `width`, `subItem`): the list's index of it, -1 when refused.
    int InsertColumn(int column, LPCWSTR heading, int format, int width, int subItem);
    // An item of the tree part with `text`; null when refused.
    HTREEITEM InsertItem(LPCWSTR text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);

    // The own scroll bar's images (CScrollBarEx::SetImages: the bar cuts its parts from
    // them, they stay the caller's) and thumb images (CScrollBarEx::SetThumbImages: taken
    // over), replacing what it had; the bar's result.
    int SetScrollBarImages(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled);
    int SetScrollBarThumbImages(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled);

    // The tree part; every tree operation (items, data, selection, deletion) goes to it.
    CTreeList* GetTreeList();
    // The own scroll bar, or null without one.
    CScrollBarEx* GetVertScrollBarEx();
    CSkinHeaderCtrl* GetHeaderCtrl();
    int GetHeaderHeight() const;

    // Shows the own scroll bar when the tree overflows and hides it otherwise, lays the
    // parts out again and gives the bar the tree's scroll info. 0; -1 without an own
    // scroll bar, -2 when it has no window, -3 when the tree's scroll info cannot be read.
    // Changes of the tree made while its redraw is off (WM_SETREDRAW FALSE to the tree
    // part) leave the bar alone: whoever turned the redraw off calls this after turning it
    // on again.
    int UpdateScrollBar();
    // Sizes the header, the tree part and the own scroll bar to the client area.
    void LayOutParts();

    // Frees the tree part's background images; a second call does nothing. 0.
    int ReleaseImages();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    DECLARE_MESSAGE_MAP()

private:
    int OnCreateParts(const CREATESTRUCTW& create);
    LRESULT AfterBase(UINT message, WPARAM wParam, LPARAM lParam);
    // The parts' notifications, after this window's message map has seen them.
    void OnTreeNotify(const NMHDR& header, bool refused);
    void OnHeaderNotify(const NMHDR& header, BOOL handled);
    bool IsVerticalRangeNeeded() const;
    void ClipTree(SIZE visible);

    std::unique_ptr<TreeListCtrlPrivate> m_private;
};

} // namespace Vexel
