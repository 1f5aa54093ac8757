#pragma once
// CSpinButtonCtrl: an up-down control (the common control "msctls_updown32"), alone or
// attached to a buddy window. It sends UDN_DELTAPOS (WM_NOTIFY) and then WM_VSCROLL or
// WM_HSCROLL to its parent, both handed back to this object first.
#include "framework/Wnd.h"

#include <commctrl.h>

class CSpinButtonCtrl : public CWnd {
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl() = default;

    // A child up-down control; WS_CHILD is added. FALSE when the window cannot be made.
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    virtual BOOL CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::CreateEx;

    void SetRange32(int lower, int upper) { SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(lower), upper); }
    void GetRange32(int& lower, int& upper) const
    {
        SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
    }
    // Answers the previous position.
    int SetPos32(int position) { return static_cast<int>(SendMessage(UDM_SETPOS32, 0, position)); }
    // `error` receives TRUE when the buddy's text is no number in range.
    int GetPos32(BOOL* error = nullptr) const
    {
        return static_cast<int>(SendMessage(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(error)));
    }
    // The window whose text shows the position (UDS_SETBUDDYINT); answers the previous one.
    HWND SetBuddy(HWND buddy) { return reinterpret_cast<HWND>(SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy))); }
    HWND GetBuddy() const { return reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY)); }
    // 10 or 16; answers the previous base, 0 for another value.
    int SetBase(int base) { return static_cast<int>(SendMessage(UDM_SETBASE, static_cast<WPARAM>(base))); }
    int GetBase() const { return static_cast<int>(SendMessage(UDM_GETBASE)); }
    BOOL SetAccel(int count, const UDACCEL* accel)
    {
        return static_cast<BOOL>(SendMessage(UDM_SETACCEL, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(accel)));
    }
};
