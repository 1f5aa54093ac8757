#include "framework/Prompt.h"

#include "framework/ActiveBoxCaption.h"

#include <atomic>
#include <mutex>

namespace {

int SystemPrompt(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type)
{
    const ActiveBoxCaptionScope activeCaption;
    return ::MessageBoxW(owner, text, caption, type);
}

HWND ActiveWindowOwner()
{
    return ::GetActiveWindow();
}

std::atomic<AfxPromptHandler> g_promptHandler{&SystemPrompt};
std::atomic<AfxPromptOwnerSource> g_ownerSource{&ActiveWindowOwner};

std::mutex g_titleLock;
CString g_title;

} // namespace

AfxPromptHandler AfxSetPromptHandler(AfxPromptHandler handler)
{
    return g_promptHandler.exchange(handler ? handler : &SystemPrompt);
}

int AfxPrompt(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type)
{
    return g_promptHandler.load()(owner, text ? text : L"", caption ? caption : L"", type);
}

AfxPromptOwnerSource AfxSetPromptOwnerSource(AfxPromptOwnerSource source)
{
    return g_ownerSource.exchange(source ? source : &ActiveWindowOwner);
}

HWND AfxGetPromptOwner()
{
    return g_ownerSource.load()();
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
