#pragma once
// CProvisionThread: the update worker, a thread with its own message loop that the main
// window starts at creation and ends at exit with WM_QUIT. WM_CHECK_UPDATE makes it fetch the
// version page from the update server (UpdateCheck.h); when the page names a build other than
// the running one, the worker posts WM_NEW_VERSION to the main window with a copy of that text.
// It reads no option and touches no window: the posted message is all it shares.
#include "framework/WinThread.h"

#include <memory>
#include <string>

// Thread message to the worker: check for a newer build (both parameters 0).
constexpr UINT WM_CHECK_UPDATE = 0x804;
// Posted to the main window when a newer build is out: wParam 0, lParam a heap copy of the
// build's text (a std::string), which the receiver takes over with TakeNewVersionText.
constexpr UINT WM_NEW_VERSION = 0x805;

// The text a WM_NEW_VERSION carries, now owned by the caller; null for an lParam of 0. Each
// message's text is taken exactly once.
std::unique_ptr<std::string> TakeNewVersionText(LPARAM lParam);

class CProvisionThread : public CWinThread {
    DECLARE_DYNCREATE(CProvisionThread)
public:
    // Made on the thread that starts the worker: the main window's, which the results go to.
    CProvisionThread();
    ~CProvisionThread() override;

    BOOL InitInstance() override;

protected:
    void OnCheckUpdate(WPARAM wParam, LPARAM lParam);
    // One complete check.
    virtual void CheckForUpdate();
    // Posts WM_NEW_VERSION with a copy of `version` to m_resultWindow; the copy is freed here
    // when the post fails (no window, or it is gone).
    void PostNewVersion(const std::string& version) const;

    // Where WM_NEW_VERSION goes: the main window at construction (null when there is none).
    HWND m_resultWindow = nullptr;

    DECLARE_MESSAGE_MAP()
};
