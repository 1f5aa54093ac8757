#pragma once
// CIPAddressCtrl: an IPv4 address box (the common control "SysIPAddress32") made of four
// edit fields. It passes its fields' EN_CHANGE on to the parent (WM_COMMAND) and sends
// IPN_FIELDCHANGED (WM_NOTIFY); both are handed back to this object first.
#include "framework/Wnd.h"

#include <commctrl.h>

class CIPAddressCtrl : public CWnd {
    DECLARE_DYNAMIC(CIPAddressCtrl)
public:
    CIPAddressCtrl() = default;

    // A child address box; WS_CHILD is added. FALSE when the window cannot be made.
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    virtual BOOL CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::CreateEx;

    // The first field in the high byte.
    void SetAddress(DWORD address) { SendMessage(IPM_SETADDRESS, 0, static_cast<LPARAM>(address)); }
    void SetAddress(BYTE field0, BYTE field1, BYTE field2, BYTE field3)
    {
        SetAddress(static_cast<DWORD>(MAKEIPADDRESS(field0, field1, field2, field3)));
    }
    // Answers how many fields are filled.
    int GetAddress(DWORD& address) const
    {
        return static_cast<int>(SendMessage(IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address)));
    }
    void ClearAddress() { SendMessage(IPM_CLEARADDRESS); }
    BOOL IsBlank() const { return static_cast<BOOL>(SendMessage(IPM_ISBLANK)); }
    void SetFieldFocus(WORD field) { SendMessage(IPM_SETFOCUS, field); }
    void SetFieldRange(int field, BYTE lower, BYTE upper)
    {
        SendMessage(IPM_SETRANGE, static_cast<WPARAM>(field), MAKEIPRANGE(lower, upper));
    }
};
