#include "framework/Prompt.h"

#include "framework/ActiveBoxCaption.h"
#include "framework/SystemAnswers.h"
#include "framework/Wnd.h"

#include <mutex>

namespace {

std::mutex g_titleLock;
CString g_title;

} // namespace

int SystemAnswers::Prompt(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) const
{
    const ActiveBoxCaptionScope activeCaption;
    return ::MessageBoxW(owner, text, caption, type);
}

HWND SystemAnswers::GetPromptOwner() const
{
    const HWND owner = CWnd::GetSafeOwner_(nullptr, nullptr);
    return owner ? owner : ::GetActiveWindow();
}

int AfxPrompt(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type)
{
    return GetSystemAnswers().Prompt(owner, text ? text : L"", caption ? caption : L"", type);
}

HWND AfxGetPromptOwner()
{
    return GetSystemAnswers().GetPromptOwner();
}

void AfxSetAppTitle(LPCWSTR title)
{
    const std::lock_guard<std::mutex> lock(g_titleLock);
    g_title = title;
}

CString AfxGetAppTitle()
{
    {
        const std::lock_guard<std::mutex> lock(g_titleLock);
        if (!g_title.IsEmpty())
            return g_title;
    }
    CString title;
    if (!title.LoadString(AFX_IDS_APP_TITLE))
        title = L"Lumeo";
    return title;
}

int AfxMessageBox(LPCWSTR text, UINT type, UINT /*helpId*/)
{
    const CString caption = AfxGetAppTitle();
    return AfxPrompt(AfxGetPromptOwner(), text, caption, type);
}

int AfxMessageBox(UINT promptId, UINT type, UINT /*helpId*/)
{
    CString text;
    text.LoadString(promptId);
    return AfxMessageBox(text, type);
}
