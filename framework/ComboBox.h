#pragma once
// CComboBox: a combo box (the system's COMBOBOX class). A CBS_DROPDOWN or CBS_SIMPLE combo
// holds an edit child (GetEditWindow) whose notifications go to the combo window itself;
// an object that subclasses that child gets them back through reflection. Owner-drawn
// combos (CBS_OWNERDRAWFIXED/VARIABLE) are drawn and measured by their own virtuals.
#include "framework/String.h"
#include "framework/Wnd.h"

class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() = default;

    // A child combo box; WS_CHILD is added. The rectangle's height includes the drop list.
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // The edit child of a drop-down or simple combo; null for a drop-down list.
    HWND GetEditWindow() const;

    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
    // Index of the new item, CB_ERR or CB_ERRSPACE.
    int AddString(LPCWSTR text) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int InsertString(int index, LPCWSTR text)
    {
        return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(UINT index) { return static_cast<int>(SendMessage(CB_DELETESTRING, index)); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetLBTextLen(int index) const { return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index))); }
    // The text of item `index`; empty (and CB_ERR answered) for an index out of range.
    int GetLBText(int index, CString& text) const;
    // First item from `start` + 1 (-1: from the top) whose whole text equals `text`
    // ignoring case (FindStringExact) or begins with it (FindString); CB_ERR when none.
    int FindStringExact(int start, LPCWSTR text) const
    {
        return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)));
    }
    int FindString(int start, LPCWSTR text) const
    {
        return static_cast<int>(SendMessage(CB_FINDSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)));
    }
    DWORD_PTR GetItemData(int index) const { return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index))); }
    int SetItemData(int index, DWORD_PTR data)
    {
        return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    // -1: the selection field; 0 (or an item of a variable owner-drawn combo): the list items.
    int GetItemHeight(int index) const { return static_cast<int>(SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(index))); }
    int SetItemHeight(int index, UINT height)
    {
        return static_cast<int>(SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(index), height));
    }
    void ShowDropDown(BOOL show = TRUE) { SendMessage(CB_SHOWDROPDOWN, show); }
    BOOL GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
    // Selection in the edit child: start in the low word, end in the high word.
    DWORD GetEditSel() const { return static_cast<DWORD>(SendMessage(CB_GETEDITSEL)); }
    BOOL SetEditSel(int start, int end) { return static_cast<BOOL>(SendMessage(CB_SETEDITSEL, 0, MAKELONG(start, end))); }
    BOOL LimitText(int maxChars) { return static_cast<BOOL>(SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(maxChars))); }

    // An owner-drawn item; the base draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT item);
    // The size of an owner-drawn item; the base leaves what the system proposed.
    virtual void MeasureItem(LPMEASUREITEMSTRUCT item);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
