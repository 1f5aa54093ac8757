#include "config/ProvisionThread.h"

std::string g_latestVersion;

IMPLEMENT_DYNCREATE(CProvisionThread, CWinThread)

BEGIN_MESSAGE_MAP(CProvisionThread, CWinThread)
    ON_THREAD_MESSAGE(WM_CHECK_UPDATE, &CProvisionThread::OnCheckUpdate)
END_MESSAGE_MAP()

CProvisionThread::CProvisionThread() = default;

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
    // The HTTP check belongs to the update check's own code.
}
