#include "framework/WinApp.h"

#include "framework/CallbackGuard.h"
#include "framework/ModulePath.h"
#include "framework/OleMessageFilter.h"
#include "framework/Prompt.h"
#include "framework/ResourceModule.h"
#include "framework/ThreadInternal.h"
#include "framework/Wnd.h"

#include <ole2.h>

namespace {

CWinApp* g_app = nullptr;
thread_local bool t_oleStarted = false;

CString ProgramName(HINSTANCE instance)
{
    CString name = ModuleFilePath(instance);
    name = name.Mid(name.ReverseFind(L'\\') + 1);
    const int dot = name.ReverseFind(L'.');
    return dot > 0 ? name.Left(dot) : name;
}

} // namespace

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

CWinApp::CWinApp(LPCWSTR appName) : m_appName(appName)
{
    if (appName)
        m_pszAppName = m_appName;
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

void CWinApp::SetRegistryKey(LPCWSTR key)
{
    m_registryKey = key;
    m_profileName = m_appName;
    m_pszRegistryKey = m_registryKey;
    m_pszProfileName = m_profileName;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return CWinThread::ExitInstance();
}

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int show)
{
    CWinApp* const app = g_app;
    if (!app)
        return -1;
    app->m_hInstance = instance;
    app->m_lpCmdLine = commandLine;
    app->m_nCmdShow = show;
    app->m_nThreadID = GetCurrentThreadId();
    AfxSetResourceModule(instance);
    if (!app->m_pszAppName) {
        if (!app->m_appName.LoadString(instance, AFX_IDS_APP_TITLE) || app->m_appName.IsEmpty())
            app->m_appName = ProgramName(instance);
        app->m_pszAppName = app->m_appName;
    }
    AfxSetAppTitle(app->m_pszAppName);
    AfxSetThreadObject(app);

    int code = -1;
    try {
        if (!app->InitInstance()) {
            if (app->m_pMainWnd)
                app->m_pMainWnd->DestroyWindow();
            code = app->ExitInstance();
        } else {
            code = app->Run();
        }
    } catch (...) {
        AfxReportCallbackException("application");
    }
    AfxEndThreadState();
    return code;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    if (CWinThread* const thread = AfxGetThread())
        return thread->GetMainWnd();
    return g_app ? g_app->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    return g_app && g_app->m_hInstance ? g_app->m_hInstance : GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetResourceModule();
}

BOOL AfxOleInit()
{
    if (t_oleStarted)
        return TRUE;
    if (FAILED(OleInitialize(nullptr)))
        return FALSE;
    t_oleStarted = true;
    // The apartment holds the filter from here on and lets it go when OLE ends.
    if (const ComPtr<IMessageFilter> filter = AfxMakeOleMessageFilter())
        CoRegisterMessageFilter(filter.Get(), nullptr);
    return TRUE;
}

void AfxOleTermThread()
{
    if (t_oleStarted) {
        CoRegisterMessageFilter(nullptr, nullptr);
        OleUninitialize();
        t_oleStarted = false;
    }
}
