// Engine events on the user-interface thread, and the small services the pages use.
#include "windows/main/MainFrame.h"

#include "config/ProvisionThread.h"
#include "core/OptionsRecord.h"
#include "core/TavikUtility.h"
#include "core/TextConvert.h"
#include "framework/SystemAnswers.h"
#include "texts/UiTextTable.h"
#include "windows/call/CallPhonesWnd.h"
#include "windows/chat/ChatWnd.h"
#include "windows/contacts/ContactsWnd.h"
#include "windows/contacts/DefaultGroup.h"
#include "windows/history/HistoryWnd.h"

#include <mmsystem.h>

namespace {

constexpr int kRegisterSucceeded = 1;

// Event types the contacts page handles alone: instant messages and presence traffic.
bool IsContactsEvent(int type)
{
    switch (type) {
    case 21:
    case 23:
    case 24:
    case 30:
    case 31:
    case 32:
        return true;
    default:
        return false;
    }
}

} // namespace

LRESULT CMainFrame::OnEngineEvent(WPARAM wParam, LPARAM)
{
    SIPCallbackCommand* const record = reinterpret_cast<SIPCallbackCommand*>(wParam);
    if (!record)
        return 1;
    // A handler that runs a modal window (a message box, the sign-in window, a subscription
    // pop-up) pumps this queue; the events it would hand us wait for the running one.
    m_waitingEvents.push_back(record);
    if (m_dispatching)
        return 0;
    m_dispatching = true;
    while (!m_waitingEvents.empty()) {
        SIPCallbackCommand* const next = m_waitingEvents.front();
        m_waitingEvents.pop_front();
        DispatchEngineEvent(next);
        Tavik_delSIPCallbackCommand(next);
    }
    m_dispatching = false;
    return 0;
}

void CMainFrame::DispatchEngineEvent(SIPCallbackCommand* record)
{
    const int type = record->GetEventType();
    if (type == kRegisterSucceeded) {
        ShowCallPage();
        SetStatusButtonText(g_uiTexts.menuStatus.t16000);
        if (m_pContactsWnd)
            m_pContactsWnd->OnSipEvent(record);
        if (g_options.AutoUpgrade && m_pProvisionThread)
            m_pProvisionThread->PostThreadMessage(WM_CHECK_UPDATE, 0, 0);
    } else if (IsContactsEvent(type)) {
        if (m_pContactsWnd)
            m_pContactsWnd->OnSipEvent(record);
        return;
    }
    if (CCallPhonesWnd* const page = CallPage())
        page->OnSipEvent(record);
}

void CMainFrame::ReleaseQueuedEngineEvents()
{
    // No callback runs once the engine is down, and none reaches a window that is no longer
    // named: after these two steps nothing more can be posted to this window.
    ShutDownEngine();
    SetEngineEventWindow(nullptr);
    // A dispatch still on the stack (the window went inside a handler's modal loop) releases
    // only the record it holds; the ones waiting behind it go here.
    for (SIPCallbackCommand* record : m_waitingEvents)
        Tavik_delSIPCallbackCommand(record);
    m_waitingEvents.clear();
    MSG message;
    while (::PeekMessageW(&message, m_hWnd, WM_ENGINE_EVENT, WM_ENGINE_EVENT, PM_REMOVE)) {
        if (message.wParam)
            Tavik_delSIPCallbackCommand(reinterpret_cast<SIPCallbackCommand*>(message.wParam));
    }
}

bool CMainFrame::MakeCall(const CString& number)
{
    CCallPhonesWnd* const page = number.IsEmpty() ? nullptr : CallPage();
    return page && page->Dial(number);
}

void CMainFrame::AddHistoryRecord(const std::string& text, const std::string& number, int callType)
{
    if (CHistoryWnd* const page = HistoryPage())
        page->AddHistory(text, number, callType);
}

void CMainFrame::AddContact(const CString& number)
{
    if (m_pContactsWnd)
        m_pContactsWnd->AddContact(number);
}

void CMainFrame::RefreshLists()
{
    if (m_pContactsWnd) {
        m_pContactsWnd->LoadGroups();
        m_pContactsWnd->LoadContacts();
    }
    if (CHistoryWnd* const page = HistoryPage())
        page->LoadHistory();
}

void CMainFrame::PlaySoundFile(const std::string& name)
{
    if (name.empty())
        return;
    std::string folder;
    TavikUtility::GetAppDirectory(folder, true);
    // A missing file stays silent (no system default sound in its place).
    GetSystemAnswers().PlaySoundFile(AnsiToWide(folder + "\\sound\\" + name + ".wav"), SND_ASYNC | SND_FILENAME | SND_NODEFAULT);
}

void CMainFrame::BringToFront()
{
    ShowWindow(SW_SHOW);
    ShowWindow(SW_RESTORE);
    SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(&CWnd::wndNoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

HWND CMainFrame::GetRemoteVideoHwnd()
{
    return VideoWnd().GetRemoteVideoHwnd();
}

void CMainFrame::SetVideoToggleState(bool on)
{
    VideoWnd().SetSendVideoState(on);
}

bool CMainFrame::SetVideoSending(bool on)
{
    CCallPhonesWnd* const page = IsSignedIn() ? CallPage() : nullptr;
    return page && page->UpdateVideoSending(on);
}

void CMainFrame::StartLocalVideo()
{
    CVideoWnd& video = VideoWnd();
    video.RepaintVideo();
    CCallPhonesWnd* const page = IsSignedIn() ? CallPage() : nullptr;
    if (!page)
        return;
    const HWND area = page->IsCurrentLineVideo() ? video.GetLocalVideoHwnd() : video.GetRemoteVideoHwnd();
    Tavik_setLocalVideoWindow(m_engineHandle, area);
    if (video.IsShowPending()) {
        Tavik_viewLocalVideo(m_engineHandle, 1);
        m_localVideo = 1;
    }
}

void CMainFrame::StopLocalVideo()
{
    if (m_videoWnd.GetSafeHwnd())
        m_videoWnd.RepaintVideo();
    if (!IsSignedIn() || !MadeCallPage())
        return;
    Tavik_viewLocalVideo(m_engineHandle, 0);
    m_localVideo = 0;
}

std::string CMainFrame::GetStoredGroupName(const std::string& shownName) const
{
    return StoredGroupName(shownName);
}

CChatWnd* CMainFrame::FindChatWindow(const std::string& peerUri) const
{
    for (CChatWnd* window : m_chatWindows) {
        if (TavikUtility::CompareNoCase(window->GetPeerUri(), peerUri) == 0)
            return window;
    }
    return nullptr;
}

void CMainFrame::AddChatWindow(CChatWnd* window)
{
    if (window)
        m_chatWindows.push_back(window);
}

void CMainFrame::RemoveChatWindow(const std::string& peerUri)
{
    for (auto it = m_chatWindows.begin(); it != m_chatWindows.end(); ++it) {
        if (TavikUtility::CompareNoCase((*it)->GetPeerUri(), peerUri) == 0) {
            CChatWnd* const window = *it;
            m_chatWindows.erase(it);
            delete window;
            return;
        }
    }
}

void CMainFrame::ForgetChatWindow(const CChatWnd* window)
{
    m_chatWindows.remove_if([window](const CChatWnd* listed) { return listed == window; });
}

void CMainFrame::DeleteAllChatWindows()
{
    // Taken off the list first: a window's destruction may look the list up.
    ChatWindowList windows;
    windows.swap(m_chatWindows);
    for (CChatWnd* window : windows)
        delete window;
}
