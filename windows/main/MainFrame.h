#pragma once
// CMainFrame: Lumeo's main window (skin window IDW_MAIN) and the controller of the softphone.
// It owns the engine handle and the engine callback object, the three pages (contacts, call,
// history), the video window, the list of open chat windows and the update worker; keeps the
// tray icon; offers the main, status and language menus; signs in one second after it is
// created; and routes every engine event to the pages. Every other window reaches it through
// g_pMainFrame. Everything here runs on the user-interface thread.
//
// The operations are split by concern: MainFrame.cpp (creation, pages, layout, keys, close and
// destruction), MainFrameCommands.cpp (menu and button commands), MainFrameTray.cpp (tray icon
// and popup menus), MainFrameSignIn.cpp (sign-in, sign-out), EngineSettings.cpp (the settings
// push), MainFrameEvents.cpp (engine events and the services the pages use).
#include "core/VoipEvent.h"
#include "core/Yealink.h"
#include "engine/TavikCore.h"
#include "skin/ui/UIWnd.h"
#include "windows/video/VideoWnd.h"

#include <cstdint>
#include <deque>
#include <list>
#include <memory>
#include <string>

class CCallPhonesWnd;
class CChatWnd;
class CContactsWnd;
class CHistoryWnd;
class CProvisionThread;

// Mouse messages of the tray icon: wParam = the icon id, lParam = the mouse message.
constexpr UINT WM_TRAY_NOTIFY = 0x464;
// The id of the main window's tray icon (also its icon resource).
constexpr UINT kTrayIconId = 128;
// The timer whose one tick signs in after creation.
constexpr UINT_PTR kSignInTimer = 11;
// A click on the tray icon opens the tray menu when this timer, started for the double-click
// time, ticks; a double click stops it.
constexpr UINT_PTR kTrayClickTimer = 12;
// The timer whose one tick, once the first screen has painted, makes what it does not show:
// the call and history pages, the video window and the tool tips.
constexpr UINT_PTR kUnseenWindowsTimer = 13;

// The message a second start broadcasts to the copy already running: its main window comes
// back from the tray (registered under one name by every copy).
UINT ShowRunningCopyMessage();

using ChatWindowList = std::list<CChatWnd*>;

class CMainFrame : public Vexel::CUIWnd {
public:
    CMainFrame();
    ~CMainFrame() override;

    // --- engine and state
    TavikHandle GetEngineHandle() const { return m_engineHandle; }
    bool HasEngine() const { return m_engineHandle != 0; }
    std::uint8_t IsSignedIn() const { return m_signedIn; }
    void SetSignedIn(std::uint8_t signedIn) { m_signedIn = signedIn; }
    // Set by the call page ten seconds after the first registration success; presence
    // pop-ups appear only while it is 1.
    std::uint8_t GetPresenceNoticeSwitch() const { return m_presenceNoticeSwitch; }
    void SetPresenceNoticeSwitch(std::uint8_t on) { m_presenceNoticeSwitch = on; }
    // The Outlook import's handle, kept here between its initialise and uninitialise.
    void* GetOstrelHandle() const { return m_ostrelHandle; }
    void SetOstrelHandle(void* handle) { m_ostrelHandle = handle; }
    // Whether a failed creation has told the user why (start-up says it otherwise).
    bool HasReportedCreateFailure() const { return m_createFailureReported; }

    // --- sign-in and sign-out (MainFrameSignIn.cpp)
    // Brings the engine up with g_account and starts the registration; true when it started.
    bool SignIn();
    // Hangs up, unregisters and shuts the engine down; then empties the history list and the
    // contacts tree. The chat windows stay open.
    void SignOut(bool clearAccount);
    // Sign out, ask for an account, sign in again.
    void ReSignIn();
    // The sign-in window, up to three attempts; true when an account was confirmed and saved.
    bool RunSignInDialog();
    // Presence offline to the accepted subscribers, when the engine is up and signed in.
    void PublishOffline();

    // --- settings push (EngineSettings.cpp)
    void ApplyEngineSettings();
    void ApplyForwarding();
    void ApplyDevices();
    void ApplyMediaOptions();
    void ApplyAudioCodecs();
    void ApplyVideoCodecs();
    void ApplyQos();

    // --- pages (MainFrame.cpp)
    // 0 contacts, 1 call, 2 history (made first when not yet); any other value does nothing.
    void ShowPage(int page);
    void ShowCallPage();
    void SetStatusText(const CString& text);
    // The contacts page is made with the window. The call and history pages and the video
    // window are made once the window has first painted, or at their first use before that:
    // these make them; null when a page could not be made.
    CContactsWnd* GetContactsPage() const { return m_pContactsWnd; }
    CCallPhonesWnd* GetCallPage() { return CallPage(); }
    CHistoryWnd* GetHistoryPage() { return HistoryPage(); }
    CVideoWnd& GetVideoWnd() { return VideoWnd(); }

    // --- services for the pages (MainFrameEvents.cpp)
    bool MakeCall(const CString& number);
    void AddHistoryRecord(const std::string& text, const std::string& number, int callType);
    void AddContact(const CString& number);
    void RefreshLists();
    void PlaySoundFile(const std::string& name);
    void BringToFront();
    HWND GetRemoteVideoHwnd();
    void SetVideoToggleState(bool on);
    bool SetVideoSending(bool on);
    void StartLocalVideo();
    void StopLocalVideo();
    // "Friends" for the localised name of the default group; any other name unchanged.
    std::string GetStoredGroupName(const std::string& shownName) const;
    // The video window, made once.
    void EnsureVideoWindow();

    // --- open chat windows (MainFrameEvents.cpp); the list owns the windows
    CChatWnd* FindChatWindow(const std::string& peerUri) const;
    void AddChatWindow(CChatWnd* window);
    void RemoveChatWindow(const std::string& peerUri);
    // Takes `window` off the list without deleting it: a chat window that closes itself.
    void ForgetChatWindow(const CChatWnd* window);
    void DeleteAllChatWindows();
    const ChatWindowList& GetChatWindows() const { return m_chatWindows; }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void SetWindowID() override;
    // ShowRunningCopyMessage, which no message map entry can name.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // --- window messages (MainFrame.cpp, MainFrameTray.cpp)
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnClose();
    void OnSize(UINT type, int cx, int cy);
    void OnTimer(UINT_PTR id);
    void OnHScroll(UINT code, UINT position, CWnd* bar);
    void OnRButtonUp(UINT flags, CPoint point);
    LRESULT OnEngineEvent(WPARAM wParam, LPARAM lParam);
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    LRESULT OnSkinQueryResize(WPARAM wParam, LPARAM lParam);
    LRESULT OnNewVersion(WPARAM wParam, LPARAM lParam);
    LRESULT OnIgnoredMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnClearAudioCodecs(WPARAM wParam, LPARAM lParam);

    // --- commands (MainFrameCommands.cpp)
    void OnHideWindow();
    void OnShowContactsPage();
    void OnShowCallPage();
    void OnShowHistoryPage();
    void OnDownMenu();
    void OnAddContact();
    void OnStatusList();
    void OnWebcam();
    void OnLogo();
    void OnExit();
    void OnSignOut();
    void OnViewAudioRecords();
    void OnViewVideoRecords();
    void OnOptions();
    void OnHelp();
    void OnAbout();
    void OnContactSupport();
    void OnStatusAvailable();
    void OnStatusBusy();
    void OnStatusAway();
    void OnStatusBeRightBack();
    void OnStatusInCall();
    void OnStatusSignOut();
    void OnRecommend();
    void OnLanguageEnglish();
    void OnLanguageItalian();
    void OnLanguageSpanish();
    void OnLanguageFrench();
    void OnLanguageRussian();
    void OnLanguagePortuguese();

    // Pages made before creation are kept (the window makes only the missing ones); the
    // window deletes all three when it goes.
    CContactsWnd* m_pContactsWnd = nullptr;
    CCallPhonesWnd* m_pCallPhonesWnd = nullptr;
    CHistoryWnd* m_pHistoryWnd = nullptr;
    // The class of the update worker that creation starts; null starts none.
    const CRuntimeClass* m_pUpdateWorkerClass;

    DECLARE_MESSAGE_MAP()

private:
    enum Page { kContactsPage, kCallPage, kHistoryPage };
    // Creation steps.
    void InitFrame();
    // The page's window, made over the page area when it has none yet; false when it could not
    // be made (a message box has said so; made after creation, the program then ends).
    bool MakePage(int page);
    // The call and history pages, the video window and the tool tips, each made once.
    void MakeUnseenWindows();
    CCallPhonesWnd* CallPage();
    CHistoryWnd* HistoryPage();
    CVideoWnd& VideoWnd();
    // The call page when it has been made, else null: hanging up, resetting and stopping (at
    // sign-out and exit) have nothing to do on a page never made, and must not make it.
    CCallPhonesWnd* MadeCallPage() const;
    void LayoutPages();
    void AddTrayIcon();
    void RemoveTrayIcon();
    void DressPageButtons();
    void SetToolTips();
    void NameDefaultGroup();
    void StartUpdateWorker();
    void StopUpdateWorker();
    // Popup menus at the cursor (MainFrameTray.cpp).
    void ShowMainMenu(bool fromTray);
    void ShowTrayMenu();
    void OnTrayClickTimer();
    void OnTrayOpen();
    void ShowStatusMenu();
    void ShowMenu(UINT menuId, bool fromTray);
    // Commands in words.
    void SetPresence(int index);
    void SetLanguage(const char* code);
    void ViewRecordFiles(LPCWSTR filter);
    void SetStatusButtonText(const CString& text);

    // Engine events (MainFrameEvents.cpp).
    void DispatchEngineEvent(SIPCallbackCommand* record);
    void ReleaseQueuedEngineEvents();
    void ShutDownEngine();
    // The engine part of a sign-out, with a live handle: lines hung up, unregistered and shut
    // down, the line texts emptied.
    void ShutDownSession(bool clearAccount);

    Yealink m_handset;
    TavikHandle m_engineHandle = 0;
    ChatWindowList m_chatWindows;
    std::uint8_t m_presenceNoticeSwitch = 0;
    CProvisionThread* m_pProvisionThread = nullptr;   // deletes itself when its thread ends
    HANDLE m_provisionThreadHandle = nullptr;         // owned: our own handle for the join
    void* m_ostrelHandle = nullptr;
    CVideoWnd m_videoWnd;
    CWnd* m_tabButtons[3] = {nullptr, nullptr, nullptr};
    std::unique_ptr<__VOIP_EVENT> m_pVoipEvent;
    std::uint8_t m_signedIn = 0;
    bool m_createFailureReported = false;
    int m_closeToExit = 0;
    int m_localVideo = 0;
    bool m_trayDoubleClicked = false;   // until the release that ends the double click
    bool m_tipsSet = false;
    bool m_pageFailed = false;          // a page could not be made: none is tried again
    // Engine events that arrived while another was being dispatched (a modal window inside
    // a handler pumps messages); they run, in order, once that dispatch has finished.
    bool m_dispatching = false;
    std::deque<SIPCallbackCommand*> m_waitingEvents;
};

extern CMainFrame* g_pMainFrame;

namespace Vexel {
class CSkinButton;
}
// White text in every look, checked or not: the page and line buttons' captions.
void SetWhiteText(Vexel::CSkinButton& button);

// A skinned button's tool tip, by control id and UI text slot.
struct ButtonTip {
    int id;
    const CString* text;
};
// Gives each skinned button of `window` its tip; ids that name no skinned button are skipped.
void SetButtonTips(CWnd& window, const ButtonTip* tips, size_t count);
template <size_t Count>
void SetButtonTips(CWnd& window, const ButtonTip (&tips)[Count])
{
    SetButtonTips(window, tips, Count);
}
