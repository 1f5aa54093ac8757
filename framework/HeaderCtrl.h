#pragma once
// CHeaderCtrl: a column header (the common control "SysHeader32"), on its own or the one a
// report list view holds. Its notifications arrive in their wide forms (HDN_ITEMCHANGEDW,
// HDN_ENDTRACKW ...). Owner-drawn items (HDF_OWNERDRAW) are painted by its own DrawItem.
#include "framework/Wnd.h"

#include <commctrl.h>

class CHeaderCtrl : public CWnd {
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    CHeaderCtrl() = default;

    // A child header; WS_CHILD is added. FALSE when the window cannot be made.
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    virtual BOOL CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::CreateEx;

    int GetItemCount() const { return static_cast<int>(SendMessage(HDM_GETITEMCOUNT)); }
    // Index of the new item, -1 when refused.
    int InsertItem(int position, const HDITEMW* item)
    {
        return static_cast<int>(SendMessage(HDM_INSERTITEMW, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(item)));
    }
    BOOL DeleteItem(int position) { return static_cast<BOOL>(SendMessage(HDM_DELETEITEM, static_cast<WPARAM>(position))); }
    BOOL GetItem(int position, HDITEMW* item) const
    {
        return static_cast<BOOL>(SendMessage(HDM_GETITEMW, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(item)));
    }
    BOOL SetItem(int position, const HDITEMW* item)
    {
        return static_cast<BOOL>(SendMessage(HDM_SETITEMW, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(item)));
    }
    // The item's rectangle in the header's client coordinates.
    BOOL GetItemRect(int position, LPRECT rect) const
    {
        return static_cast<BOOL>(SendMessage(HDM_GETITEMRECT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(rect)));
    }
    // Where the header wants to be inside `layout->prc`; the rectangle shrinks by it.
    BOOL Layout(HDLAYOUT* layout) { return static_cast<BOOL>(SendMessage(HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(layout))); }
    int HitTest(HDHITTESTINFO* info) const
    {
        return static_cast<int>(SendMessage(HDM_HITTEST, 0, reinterpret_cast<LPARAM>(info)));
    }
    int OrderToIndex(int order) const { return static_cast<int>(SendMessage(HDM_ORDERTOINDEX, static_cast<WPARAM>(order))); }

    // An owner-drawn item; the base draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT item);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
