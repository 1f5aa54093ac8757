#pragma once
// Wine activates a message box before it is shown, while no window of the process holds the
// foreground yet (a box with no owner at start-up, or one shown over a window that has just
// lost the foreground): the box is told it is inactive (WM_NCACTIVATE FALSE), becomes the
// foreground window as it appears, and is never told again. It has the focus, but its title
// bar is drawn as an inactive window's, and stays so until it is activated once more.
//
// While an ActiveBoxCaptionScope lives, a dialog box (class "#32770") that the calling
// thread shows, and that is the foreground window once shown, is told that it is active.
// Where the system told it so already, that changes nothing.
#include <windows.h>

class ActiveBoxCaptionScope {
public:
    ActiveBoxCaptionScope();    // a hook on this thread's messages; none when it cannot be had
    ~ActiveBoxCaptionScope();   // takes the hook away
    ActiveBoxCaptionScope(const ActiveBoxCaptionScope&) = delete;
    ActiveBoxCaptionScope& operator=(const ActiveBoxCaptionScope&) = delete;

private:
    HHOOK m_hook;
};
