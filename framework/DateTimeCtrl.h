#pragma once
// CDateTimeCtrl: a date and time picker (the common control "SysDateTimePick32"). Its
// notifications arrive in their wide forms (DTN_FORMATW, DTN_USERSTRINGW ...).
#include "framework/Wnd.h"

#include <commctrl.h>

class CDateTimeCtrl : public CWnd {
    DECLARE_DYNAMIC(CDateTimeCtrl)
public:
    CDateTimeCtrl() = default;

    // A child picker; WS_CHILD is added. FALSE when the window cannot be made.
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    virtual BOOL CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::CreateEx;

    // GDT_VALID with the time, or GDT_NONE when a DTS_SHOWNONE picker is unchecked.
    DWORD GetTime(SYSTEMTIME* time) const
    {
        return static_cast<DWORD>(SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(time)));
    }
    // Null unchecks a DTS_SHOWNONE picker.
    BOOL SetTime(const SYSTEMTIME* time)
    {
        return static_cast<BOOL>(SendMessage(DTM_SETSYSTEMTIME, time ? GDT_VALID : GDT_NONE, reinterpret_cast<LPARAM>(time)));
    }
    // The display format ("HH':'mm"); null goes back to the default of the style.
    BOOL SetFormat(LPCWSTR format) { return static_cast<BOOL>(SendMessage(DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format))); }
    // GDTR_MIN and GDTR_MAX bits tell which of range[0], range[1] is set.
    DWORD GetRange(SYSTEMTIME range[2]) const
    {
        return static_cast<DWORD>(SendMessage(DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(range)));
    }
    BOOL SetRange(DWORD which, const SYSTEMTIME range[2])
    {
        return static_cast<BOOL>(SendMessage(DTM_SETRANGE, which, reinterpret_cast<LPARAM>(range)));
    }
    // The drop-down calendar, while it is open.
    HWND GetMonthCalWindow() const { return reinterpret_cast<HWND>(SendMessage(DTM_GETMONTHCAL)); }
};
