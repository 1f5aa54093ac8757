#pragma once
// CTaskWndMgr: task windows (such as the pages of a dialog) that share one rectangle of a
// host skinned window, exactly one of them shown at a time. Each is registered under an
// integer key with what it takes to create it, and is created the first time its key is
// switched to. The host switches to a radio button's id when the button is clicked and
// moves every created task window when it is resized.
//
// A switch is immediate (hide the old window, show the new one), or a slide driven by
// timer kTaskWndTimerId on the host whose state sits in the host's kTaskWndTimerProperty.
// The host is told before and after a switch (WM_VXL_TASKWNDCHANGING, ..._TASKWNDCHANGED;
// wParam the manager's id, lParam a TaskWndSwitch*).
//
// The manager never owns the task windows' objects nor destroys their windows.
#include "framework/Wnd.h"
#include "skin/ui/HostedTaskWndMgr.h"

#include <memory>

namespace Vexel {

class CUIWnd;

// One registered task window.
struct TASKWNDINFO {
    CWnd* window = nullptr;   // not owned; must outlive its use here
    UINT id = 0;              // child-window id given at creation
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    CString name;             // window name given at creation
};

// lParam of the switch notices: the entry switched to and the one shown before (null
// when none was).
struct TaskWndSwitch {
    TASKWNDINFO* newEntry;
    TASKWNDINFO* oldEntry;
};

constexpr UINT_PTR kTaskWndTimerId = 2000;
constexpr wchar_t kTaskWndTimerProperty[] = L"VXL_TASKWNDMGR_TIMER_STRUCT";

struct TaskWndMgrPrivate;

class CTaskWndMgr : public HostedTaskWndMgr {
public:
    // `noButtonSync` 0: the keys are ids of the host's buttons (radio buttons as tabs), whose
    // check follows every switch; non-zero: keys are plain numbers.
    CTaskWndMgr(int id, int noButtonSync);
    // Stops a slide of this manager still running on the host and leaves the host's list.
    virtual ~CTaskWndMgr();
    CTaskWndMgr(const CTaskWndMgr&) = delete;
    CTaskWndMgr& operator=(const CTaskWndMgr&) = delete;

    // The window that contains the task windows; the manager joins its list. 0.
    int SetParent(CUIWnd* host);
    // Where the shown task window goes, in the host's design coordinates. 0.
    int SetTaskWndRect(const RECT& rect);
    // Registers (or replaces) the task window of `key`; nothing is created. A null name is
    // empty. 0.
    int AddTaskWindow(int key, CWnd* window, UINT id, LPCWSTR name, DWORD style);
    // Switches slide (non-zero) by at most `step` pixels every `period` milliseconds, or
    // change at once (0, the default). 0.
    int SetTransition(BOOL animated, int step, UINT period);

    // Shows the task window of `key`, creating it first when it has no window yet;
    // `setFocus` gives it the keyboard focus (immediate switches). 0 switched; 1 already
    // shown (nothing happens); -1 no such key; -2 its window could not be created (nothing
    // changes and no notice is sent).
    int SwitchTo(int key, BOOL setFocus) override;
    // Moves every created task window, shown or hidden, to `rect` (host client coordinates). 0.
    int MoveTaskWindows(const RECT& rect) override;
    bool GetTaskWndRect(RECT& rect) const override;
    // The host's window is gone: its task windows, entries and slide with it.
    void ForgetTaskWindows() override;

private:
    RECT MappedTaskRect() const;
    void SyncButtons(int key) const;
    void StopTransition(bool onlyOwn);

    std::unique_ptr<TaskWndMgrPrivate> m_private;
};

// One tick of a slide on `host`: the old window moves out to the left and the new one
// follows it in from the right.
void CALLBACK TaskWndTimerProc(HWND host, UINT message, UINT_PTR timerId, DWORD time);

} // namespace Vexel
