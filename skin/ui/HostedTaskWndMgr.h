#pragma once
// What a skinned window asks of a task-window manager it hosts (a manager registers with
// its host through CUIWnd::AddHostedTaskWndMgr). The host switches pages when one of its
// radio buttons is clicked, moves the pages on every resize and, when its window goes,
// makes the manager forget the windows it had created there.
#include <windows.h>

namespace Vexel {

class HostedTaskWndMgr {
public:
    // Shows the page of `key`: -1 unknown key, 1 already shown, 0 switched.
    virtual int SwitchTo(int key, BOOL setFocus) = 0;
    // The page rectangle in the host's design coordinates; false while none is set.
    virtual bool GetTaskWndRect(RECT& rect) const = 0;
    // Moves every created page to `rect` (host client coordinates).
    virtual int MoveTaskWindows(const RECT& rect) = 0;
    // The host's window is gone: no page window exists any more and none is current.
    virtual void ForgetTaskWindows() = 0;

protected:
    ~HostedTaskWndMgr() = default;
};

} // namespace Vexel
