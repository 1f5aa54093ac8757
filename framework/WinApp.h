#pragma once
// CWinApp: the program's one application object, run by the program entry (AfxWinMain,
// called from wWinMain): InitInstance, then the message loop until the main window is
// destroyed, then ExitInstance. When InitInstance answers FALSE, the main window (if one
// was made) is destroyed and ExitInstance runs at once.
#include "framework/String.h"
#include "framework/WinThread.h"

#include <windows.h>

#include <vector>

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
public:
    // `appName` null: the title is string 57344 of the resources, else the program's name.
    explicit CWinApp(LPCWSTR appName = nullptr);
    ~CWinApp() override;

    HINSTANCE m_hInstance = nullptr;
    LPWSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    LPCWSTR m_pszAppName = nullptr;        // set by the program entry
    LPCWSTR m_pszRegistryKey = nullptr;    // set by SetRegistryKey
    LPCWSTR m_pszProfileName = nullptr;    // set by SetRegistryKey: the application name

    // Settings would live under HKEY_CURRENT_USER\Software\<key>\<application name>.
    void SetRegistryKey(LPCWSTR key);

    BOOL InitInstance() override;
    int ExitInstance() override;

    // The application's modal state, which every modal run (a skinned dialog, a prompt)
    // enters first (FALSE) and leaves last (TRUE). Entering disables the calling thread's
    // modeless windows: its enabled top-level framework windows other than the main
    // window, which the run's owner rule takes care of. Runs nest; leaving the outermost
    // enables again the windows that were disabled on entry and still exist. A leave
    // without an entry does nothing.
    void EnableModeless(BOOL enable);
    BOOL InModalState() const { return m_nModalDepth > 0; }

private:
    friend int AfxWinMain(HINSTANCE, HINSTANCE, LPWSTR, int);
    CString m_appName;
    CString m_registryKey;
    CString m_profileName;
    int m_nModalDepth = 0;
    std::vector<HWND> m_modelessDisabled;   // by the outermost modal run
};

// The program entry's work: runs the application object. Answers the exit code.
int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show);

CWinApp* AfxGetApp();
// The calling thread's main window, else the application's; null when there is none.
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// Starts OLE on the calling thread (once; later calls answer TRUE) with the framework's
// message filter (OleMessageFilter.h). The framework ends it when the application's run
// or the framework thread ends.
BOOL AfxOleInit();
