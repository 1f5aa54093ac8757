#pragma once
// CToolTipCtrl: a tool tip (the common control "tooltips_class32"): a small popup that
// shows a text for the tool under the mouse. A tool is a whole window (id 0) or a
// rectangle of a window (id non-zero). The tip learns where the mouse is from the mouse
// messages relayed to it (RelayEvent); a tool whose text is LPSTR_TEXTCALLBACKW asks for
// it with TTN_NEEDTEXTW, sent to the window that holds the tool.
#include "framework/Wnd.h"

#include <commctrl.h>

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() = default;

    // A tip owned by `parent` (which may be null), shown even while it is inactive
    // (TTS_ALWAYSTIP is added to `style`). FALSE when the window cannot be made.
    virtual BOOL Create(CWnd* parent, DWORD style = 0);

    // Adds the tool `id` of `wnd`: the whole window when `id` is 0 (then `rect` is not
    // used), else `rect` of it (the client area when null), in client coordinates.
    // The text is copied. Adding a tool twice gives the tip two tools.
    BOOL AddTool(CWnd* wnd, LPCWSTR text = LPSTR_TEXTCALLBACKW, LPCRECT rect = nullptr, UINT_PTR id = 0);
    void DelTool(CWnd* wnd, UINT_PTR id = 0);
    void UpdateTipText(LPCWSTR text, CWnd* wnd, UINT_PTR id = 0);
    // Where the tool of a rectangle now lies.
    void SetToolRect(CWnd* wnd, UINT_PTR id, LPCRECT rect);
    // The tool's settings; its text is not read. FALSE when the tip has no such tool.
    BOOL GetToolInfo(TOOLINFOW& info, CWnd* wnd, UINT_PTR id = 0) const;
    int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }

    // Off: the tip shows nothing until it is activated again.
    void Activate(BOOL activate) { SendMessage(TTM_ACTIVATE, activate); }
    // Hands a mouse message to the tip, which shows or hides itself by it.
    void RelayEvent(const MSG* msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }
    void Pop() { SendMessage(TTM_POP); }
    // Longer texts wrap at this width in pixels; -1 for no wrapping. Answers the previous one.
    int SetMaxTipWidth(int width) { return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width)); }
    int GetMaxTipWidth() const { return static_cast<int>(SendMessage(TTM_GETMAXTIPWIDTH)); }
    // `which`: TTDT_INITIAL, TTDT_AUTOPOP, TTDT_RESHOW or TTDT_AUTOMATIC; milliseconds.
    void SetDelayTime(DWORD which, int milliseconds) { SendMessage(TTM_SETDELAYTIME, which, MAKELPARAM(milliseconds, 0)); }

    // A TOOLINFOW for the tool `id` of `wnd`, sized for the plain common controls.
    static void FillInToolInfo(TOOLINFOW& info, const CWnd* wnd, UINT_PTR id);
};
