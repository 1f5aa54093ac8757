#pragma once
// CProvisionThread: the update worker, a thread with its own message loop that the main
// window starts at creation and ends at exit with WM_QUIT. WM_CHECK_UPDATE makes it look for a
// newer build; when there is one it stores the text in g_latestVersion and posts
// WM_NEW_VERSION to the main window. It talks to the user-interface thread only through
// posted messages.
#include "framework/WinThread.h"

#include <string>

// Thread message to the worker: check for a newer build (both parameters 0).
constexpr UINT WM_CHECK_UPDATE = 0x804;
// Posted to the main window when a newer build is out (both parameters 0).
constexpr UINT WM_NEW_VERSION = 0x805;

// The text of the last version page read; written by the worker before it posts
// WM_NEW_VERSION, read by the main window while it handles that message.
extern std::string g_latestVersion;

class CProvisionThread : public CWinThread {
    DECLARE_DYNCREATE(CProvisionThread)
public:
    CProvisionThread();
    ~CProvisionThread() override;

    BOOL InitInstance() override;

protected:
    void OnCheckUpdate(WPARAM wParam, LPARAM lParam);
    // One complete check.
    virtual void CheckForUpdate();

    DECLARE_MESSAGE_MAP()
};
