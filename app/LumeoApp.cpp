// Lumeo's application object until the core's own takes its place: it shows the program's
// bare main window, so start-up and shut-down already run through the framework.
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "skin/ui/ControlKinds.h"

#include <memory>

namespace {

class LumeoApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        Vexel::RegisterSkinControlKinds();   // before the first skinned window
        m_mainWnd = std::make_unique<CWnd>();
        m_pMainWnd = m_mainWnd.get();
        if (!m_mainWnd->CreateEx(0, nullptr, m_pszAppName, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 320,
                                 560, nullptr, nullptr))
            return FALSE;
        m_mainWnd->ShowWindow(m_nCmdShow);
        m_mainWnd->UpdateWindow();
        return TRUE;
    }

    int ExitInstance() override
    {
        m_mainWnd.reset();
        return CWinApp::ExitInstance();
    }

private:
    std::unique_ptr<CWnd> m_mainWnd;
};

LumeoApp theApp;

} // namespace
