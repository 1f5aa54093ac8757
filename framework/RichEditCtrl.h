#pragma once
// CRichEditCtrl: a rich edit box (class "RichEdit20W" of the rich edit library, which the
// first creation loads). Its notifications (EN_CHANGE, EN_SELCHANGE ...) are sent only for
// the kinds switched on with SetEventMask.
#include "framework/Wnd.h"

#include <richedit.h>

class CRichEditCtrl : public CWnd {
    DECLARE_DYNAMIC(CRichEditCtrl)
public:
    CRichEditCtrl() = default;

    // A child rich edit box; WS_CHILD is added. FALSE when the library cannot be loaded or
    // the window cannot be made.
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    virtual BOOL CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::CreateEx;

    // ENM_* bits; answers the previous mask.
    DWORD SetEventMask(DWORD mask) { return static_cast<DWORD>(SendMessage(EM_SETEVENTMASK, 0, static_cast<LPARAM>(mask))); }
    DWORD GetEventMask() const { return static_cast<DWORD>(SendMessage(EM_GETEVENTMASK)); }
    long GetTextLength() const { return static_cast<long>(SendMessage(WM_GETTEXTLENGTH)); }
    void LimitText(long maxChars = 0) { SendMessage(EM_EXLIMITTEXT, 0, maxChars); }
    long GetLimitText() const { return static_cast<long>(SendMessage(EM_GETLIMITTEXT)); }
    void GetSel(long& start, long& end) const
    {
        CHARRANGE range{};
        SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
        start = range.cpMin;
        end = range.cpMax;
    }
    // `end` -1 selects to the end.
    void SetSel(long start, long end)
    {
        CHARRANGE range{start, end};
        SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    }
    void ReplaceSel(LPCWSTR text, BOOL canUndo = FALSE)
    {
        SendMessage(EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(text));
    }
    BOOL SetReadOnly(BOOL readOnly = TRUE) { return static_cast<BOOL>(SendMessage(EM_SETREADONLY, readOnly)); }
    // `systemColor` TRUE goes back to the window colour; answers the previous colour.
    COLORREF SetBackgroundColor(BOOL systemColor, COLORREF color)
    {
        return static_cast<COLORREF>(SendMessage(EM_SETBKGNDCOLOR, systemColor, static_cast<LPARAM>(color)));
    }
    BOOL SetDefaultCharFormat(CHARFORMAT2W& format) { return SetCharFormat(SCF_DEFAULT, format); }
    BOOL SetSelectionCharFormat(CHARFORMAT2W& format) { return SetCharFormat(SCF_SELECTION, format); }
    // The mask of the attributes that are the same all over (CFM_* bits).
    DWORD GetDefaultCharFormat(CHARFORMAT2W& format) const { return GetCharFormat(SCF_DEFAULT, format); }
    DWORD GetSelectionCharFormat(CHARFORMAT2W& format) const { return GetCharFormat(SCF_SELECTION, format); }
    int GetLineCount() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }
    BOOL LineScroll(int lines, int chars = 0) { return static_cast<BOOL>(SendMessage(EM_LINESCROLL, static_cast<WPARAM>(chars), lines)); }
    // Text in or out through the caller's callback; `format` SF_TEXT, SF_RTF, SF_UNICODE ...
    long StreamIn(int format, EDITSTREAM& stream)
    {
        return static_cast<long>(SendMessage(EM_STREAMIN, static_cast<WPARAM>(format), reinterpret_cast<LPARAM>(&stream)));
    }
    long StreamOut(int format, EDITSTREAM& stream)
    {
        return static_cast<long>(SendMessage(EM_STREAMOUT, static_cast<WPARAM>(format), reinterpret_cast<LPARAM>(&stream)));
    }

private:
    BOOL SetCharFormat(WPARAM which, CHARFORMAT2W& format)
    {
        format.cbSize = sizeof format;
        return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, which, reinterpret_cast<LPARAM>(&format)));
    }
    DWORD GetCharFormat(WPARAM which, CHARFORMAT2W& format) const
    {
        format.cbSize = sizeof format;
        return static_cast<DWORD>(SendMessage(EM_GETCHARFORMAT, which, reinterpret_cast<LPARAM>(&format)));
    }
};
