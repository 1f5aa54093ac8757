#pragma once
// CMerrowApp: Lumeo's application object. Start-up prepares what the main window needs in a
// fixed order (the files beside the program, the database, the options, the texts, the skin),
// refuses to start at the first failed check with a message box, asks for an account while
// none is stored complete, and then shows the main window. Exit destroys the main window and
// releases the skin.
#include "framework/WinApp.h"

#include <memory>

class CMainFrame;

class CMerrowApp : public CWinApp {
public:
    CMerrowApp();
    ~CMerrowApp() override;
    CMerrowApp(const CMerrowApp&) = delete;
    CMerrowApp& operator=(const CMerrowApp&) = delete;

    // FALSE ends the program (the framework then runs ExitInstance).
    BOOL InitInstance() override;
    // Destroys the main window and releases the skin; the framework's exit code.
    int ExitInstance() override;

    // Set once the Options row has been copied into g_options (or its query failed).
    bool m_bOptionsLoaded = false;

private:
    // The sign-in window, up to three saves; false when the user closed it or no save held.
    bool AskForAccount();
    // Creates and shows the main window; false (database closed) when it cannot be made.
    bool ShowMainFrame();

    std::unique_ptr<CMainFrame> m_pMainFrame;
    // Marks a running copy; kept open for the life of the process.
    HANDLE m_hInstanceEvent = nullptr;
};

extern CMerrowApp theApp;
