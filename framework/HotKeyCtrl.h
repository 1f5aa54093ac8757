#pragma once
// CHotKeyCtrl: a hot-key box (the common control "msctls_hotkey32"). A changed key sends
// EN_CHANGE (WM_COMMAND) to the parent, handed back to this object first.
#include "framework/Wnd.h"

#include <commctrl.h>

class CHotKeyCtrl : public CWnd {
    DECLARE_DYNAMIC(CHotKeyCtrl)
public:
    CHotKeyCtrl() = default;

    // A child hot-key box; WS_CHILD is added. FALSE when the window cannot be made.
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    virtual BOOL CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::CreateEx;

    // `modifiers`: HOTKEYF_SHIFT, HOTKEYF_CONTROL, HOTKEYF_ALT, HOTKEYF_EXT.
    void SetHotKey(WORD virtualKey, WORD modifiers) { SendMessage(HKM_SETHOTKEY, MAKEWORD(virtualKey, modifiers)); }
    // The key in the low byte, the modifiers in the high byte.
    DWORD GetHotKey() const { return static_cast<DWORD>(SendMessage(HKM_GETHOTKEY)); }
    void GetHotKey(WORD& virtualKey, WORD& modifiers) const
    {
        const DWORD key = GetHotKey();
        virtualKey = LOBYTE(LOWORD(key));
        modifiers = HIBYTE(LOWORD(key));
    }
    // Combinations (HKCOMB_*) that are not allowed, and the modifiers used instead.
    void SetRules(WORD invalidCombinations, WORD modifiers)
    {
        SendMessage(HKM_SETRULES, invalidCombinations, MAKELPARAM(modifiers, 0));
    }
};
