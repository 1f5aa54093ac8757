#include "config/ProvisionThread.h"

#include "config/UpdateCheck.h"
#include "windows/main/MainFrame.h"

IMPLEMENT_DYNCREATE(CProvisionThread, CWinThread)

BEGIN_MESSAGE_MAP(CProvisionThread, CWinThread)
    ON_THREAD_MESSAGE(WM_CHECK_UPDATE, &CProvisionThread::OnCheckUpdate)
END_MESSAGE_MAP()

std::unique_ptr<std::string> TakeNewVersionText(LPARAM lParam)
{
    return std::unique_ptr<std::string>(reinterpret_cast<std::string*>(lParam));
}

CProvisionThread::CProvisionThread()
    : m_resultWindow(g_pMainFrame ? g_pMainFrame->GetSafeHwnd() : nullptr)
{
}

CProvisionThread::~CProvisionThread() = default;

BOOL CProvisionThread::InitInstance()
{
    return TRUE;   // runs the message loop until WM_QUIT
}

void CProvisionThread::OnCheckUpdate(WPARAM, LPARAM)
{
    CheckForUpdate();
}

void CProvisionThread::CheckForUpdate()
{
    std::string body;
    if (!FetchVersionPage(GetUpdateServer(), body))
        return;
    // A page of blanks names no build.
    const std::string version = VersionOfPage(body);
    if (!version.empty() && IsOtherBuild(version))
        PostNewVersion(version);
}

void CProvisionThread::PostNewVersion(const std::string& version) const
{
    auto text = std::make_unique<std::string>(version);
    if (m_resultWindow &&
        ::PostMessageW(m_resultWindow, WM_NEW_VERSION, 0, reinterpret_cast<LPARAM>(text.get())))
        text.release();   // the receiver's now
}
