#include "windows/main/MainFrame.h"

#include "config/ProvisionThread.h"
#include "core/Base64.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "framework/Prompt.h"
#include "resources/ProgramIds.h"
#include "resources/Resource.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/controls/SkinButton.h"
#include "texts/UiTextTable.h"
#include "windows/call/CallPhonesWnd.h"
#include "windows/chat/ChatWnd.h"
#include "windows/contacts/ContactsWnd.h"
#include "windows/history/HistoryWnd.h"

CMainFrame* g_pMainFrame = nullptr;

namespace {

constexpr UINT kSignInDelayMs = 1000;
constexpr DWORD kPageStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr int kTabButtons[] = {IDC_RAD_CONTACTS, IDC_RAD_CALLPHONES, IDC_RAD_HISTORY};

// The window of the page area, in client coordinates of its parent; false when the skin has
// no page area.
bool PageArea(const CWnd& frame, RECT& area)
{
    const HWND label = ::GetDlgItem(frame.GetSafeHwnd(), IDC_STA_TASKWND);
    if (!label)
        return false;
    ::GetWindowRect(label, &area);
    frame.ScreenToClient(&area);
    return true;
}

} // namespace

void SetWhiteText(Vexel::CSkinButton& button)
{
    constexpr COLORREF kWhite = 0xFFFFFF;
    button.SetTextColors(kWhite, kWhite, kWhite, kWhite, TRUE);
    button.SetCheckedTextColors(kWhite, kWhite, kWhite, kWhite, TRUE);
}

BEGIN_MESSAGE_MAP(CMainFrame, Vexel::CUIWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_WM_HSCROLL()
    ON_WM_RBUTTONUP()
    ON_MESSAGE(WM_ENGINE_EVENT, &CMainFrame::OnEngineEvent)
    ON_MESSAGE(WM_TRAY_NOTIFY, &CMainFrame::OnTrayNotify)
    ON_MESSAGE(Vexel::WM_VXL_CANLAYOUTCHILD, &CMainFrame::OnSkinQueryResize)
    ON_MESSAGE(WM_NEW_VERSION, &CMainFrame::OnNewVersion)
    ON_MESSAGE(0x806, &CMainFrame::OnIgnoredMessage)
    ON_MESSAGE(0x825, &CMainFrame::OnClearAudioCodecs)
    ON_COMMAND(IDC_BTN_CLOSE, &CMainFrame::OnHideWindow)
    ON_COMMAND(IDC_RAD_CONTACTS, &CMainFrame::OnShowContactsPage)
    ON_COMMAND(IDC_RAD_CALLPHONES, &CMainFrame::OnShowCallPage)
    ON_COMMAND(IDC_RAD_HISTORY, &CMainFrame::OnShowHistoryPage)
    ON_COMMAND(IDC_BTN_DOWNMENU, &CMainFrame::OnDownMenu)
    ON_COMMAND(IDC_BTN_ADDCONTACT, &CMainFrame::OnAddContact)
    ON_COMMAND(IDC_BTN_STATUSLIST, &CMainFrame::OnStatusList)
    ON_COMMAND(IDC_BTN_WEBCAM, &CMainFrame::OnWebcam)
    ON_COMMAND(IDC_BTN_LOGO, &CMainFrame::OnLogo)
    ON_COMMAND(ID_TRAY_OPEN, &CMainFrame::OnTrayOpen)
    ON_COMMAND(ID_MAIN_EXIT, &CMainFrame::OnExit)
    ON_COMMAND(ID_MAIN_SIGNOUT, &CMainFrame::OnSignOut)
    ON_COMMAND(ID_MAIN_AUDIORECORDS, &CMainFrame::OnViewAudioRecords)
    ON_COMMAND(ID_MAIN_VIDEORECORDS, &CMainFrame::OnViewVideoRecords)
    ON_COMMAND(ID_MAIN_OPTIONS, &CMainFrame::OnOptions)
    ON_COMMAND(ID_MAIN_HELP, &CMainFrame::OnHelp)
    ON_COMMAND(ID_MAIN_ABOUT, &CMainFrame::OnAbout)
    ON_COMMAND(ID_MAIN_SUPPORT, &CMainFrame::OnContactSupport)
    ON_COMMAND(ID_STATUS_AVAILABLE, &CMainFrame::OnStatusAvailable)
    ON_COMMAND(ID_STATUS_BUSY, &CMainFrame::OnStatusBusy)
    ON_COMMAND(ID_STATUS_AWAY, &CMainFrame::OnStatusAway)
    ON_COMMAND(ID_STATUS_BERIGHTBACK, &CMainFrame::OnStatusBeRightBack)
    ON_COMMAND(ID_STATUS_INCALL, &CMainFrame::OnStatusInCall)
    ON_COMMAND(ID_STATUS_SIGNOUT, &CMainFrame::OnStatusSignOut)
    ON_COMMAND(ID_MAIN_RECOMMEND, &CMainFrame::OnRecommend)
    ON_COMMAND(ID_LANGUAGE_ENGLISH, &CMainFrame::OnLanguageEnglish)
    ON_COMMAND(ID_LANGUAGE_ITALIAN, &CMainFrame::OnLanguageItalian)
    ON_COMMAND(ID_LANGUAGE_SPANISH, &CMainFrame::OnLanguageSpanish)
    ON_COMMAND(ID_LANGUAGE_FRENCH, &CMainFrame::OnLanguageFrench)
    ON_COMMAND(ID_LANGUAGE_RUSSIAN, &CMainFrame::OnLanguageRussian)
    ON_COMMAND(ID_LANGUAGE_PORTUGUESE, &CMainFrame::OnLanguagePortuguese)
END_MESSAGE_MAP()

CMainFrame::CMainFrame() : m_pUpdateWorkerClass(RUNTIME_CLASS(CProvisionThread))
{
}

CMainFrame::~CMainFrame()
{
    // The pages' windows are children of this one: they go with it, before the objects.
    if (CWnd::FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    delete m_pContactsWnd;
    m_pContactsWnd = nullptr;
    delete m_pCallPhonesWnd;
    m_pCallPhonesWnd = nullptr;
    delete m_pHistoryWnd;
    m_pHistoryWnd = nullptr;
    // The list's windows went with this window (OnDestroy).
}

void CMainFrame::SetWindowID()
{
    m_nWindowID = IDW_MAIN;
}

int CMainFrame::OnCreate(LPCREATESTRUCT cs)
{
    if (Vexel::CUIWnd::OnCreate(cs) == -1) {
        AfxMessageBox(g_uiTexts.mainWnd.t35000, MB_ICONINFORMATION);
        m_createFailureReported = true;
        return -1;
    }
    g_pMainFrame = this;
    SetEngineEventWindow(m_hWnd);
    InitFrame();

    for (int i = 0; i < 3; ++i)
        m_tabButtons[i] = GetDlgItem(kTabButtons[i]);
    if (!MakePage(kContactsPage))
        return -1;

    if (m_tabButtons[0])
        m_tabButtons[0]->SendMessage(BM_SETCHECK, BST_CHECKED, 0);
    ShowPage(0);
    AddTrayIcon();
    CenterWindow();
    SetFlag(0);
    DressPageButtons();
    SetTimer(kSignInTimer, kSignInDelayMs);
    // What the first screen does not show is made once it has painted: a timer ticks only when
    // nothing is left to paint.
    SetTimer(kUnseenWindowsTimer, USER_TIMER_MINIMUM);
    return 0;
}

void CMainFrame::InitFrame()
{
    StartUpdateWorker();
    NameDefaultGroup();
}

void CMainFrame::MakeUnseenWindows()
{
    KillTimer(kUnseenWindowsTimer);
    if (!CallPage() || !HistoryPage())
        return;
    EnsureVideoWindow();
    if (!m_tipsSet) {
        m_tipsSet = true;
        SetToolTips();
    }
}

void CMainFrame::NameDefaultGroup()
{
    // Only a name that differs is written: on most starts it is the same, and a write costs
    // the database file a journal and a flush.
    std::string error;
    const std::string name = Base64Encode(WideToAnsi(g_uiTexts.contactDetailsWnd.t32000), true);
    if (!g_database.Run("update Groups set GroupName = ? where GroupKey = 10 and GroupName is not ?", {name, name},
                        &error))
        g_database.ReportFailure("default group name", error);
}

bool CMainFrame::MakePage(int page)
{
    struct PageSpec {
        const wchar_t* name;
        UINT id;
        const CString* failure;
    };
    static const PageSpec kPages[] = {
        {L"Contacts Window", 1013, &g_uiTexts.mainWnd.t35001},
        {L"Call Phones Window", 1015, &g_uiTexts.mainWnd.t35002},
        {L"History Window", 1051, &g_uiTexts.mainWnd.t35003},
    };
    Vexel::CUIWnd* made = nullptr;
    switch (page) {
    case kContactsPage:
        if (!m_pContactsWnd)
            m_pContactsWnd = new CContactsWnd;
        made = m_pContactsWnd;
        break;
    case kCallPage:
        if (!m_pCallPhonesWnd)
            m_pCallPhonesWnd = new CCallPhonesWnd;
        made = m_pCallPhonesWnd;
        break;
    case kHistoryPage:
        if (!m_pHistoryWnd)
            m_pHistoryWnd = new CHistoryWnd;
        made = m_pHistoryWnd;
        break;
    default:
        return false;
    }
    if (made->GetSafeHwnd())
        return true;
    if (m_pageFailed || !m_hWnd)
        return false;
    // Made over the page area as it lies on the screen, then laid out in client coordinates.
    RECT area{};
    if (const HWND label = ::GetDlgItem(m_hWnd, IDC_STA_TASKWND))
        ::GetWindowRect(label, &area);
    ScreenToClient(&area);
    const PageSpec& spec = kPages[page];
    if (!made->Create(nullptr, spec.name, kPageStyle, area, this, spec.id)) {
        m_pageFailed = true;
        AfxMessageBox(*spec.failure, MB_ICONINFORMATION);
        m_createFailureReported = true;
        if (page != kContactsPage) {
            // Made after the window's creation, a failure ends the program as it would have
            // ended that creation.
            m_closeToExit = 1;
            PostMessage(WM_CLOSE);
        }
        return false;
    }
    if (page == kCallPage)
        m_pCallPhonesWnd->SetLineButtonTexts();
    LayoutPages();
    return true;
}

CCallPhonesWnd* CMainFrame::CallPage()
{
    return MakePage(kCallPage) ? m_pCallPhonesWnd : nullptr;
}

CHistoryWnd* CMainFrame::HistoryPage()
{
    return MakePage(kHistoryPage) ? m_pHistoryWnd : nullptr;
}

CCallPhonesWnd* CMainFrame::MadeCallPage() const
{
    return m_pCallPhonesWnd && m_pCallPhonesWnd->GetSafeHwnd() ? m_pCallPhonesWnd : nullptr;
}

CVideoWnd& CMainFrame::VideoWnd()
{
    EnsureVideoWindow();
    return m_videoWnd;
}

void CMainFrame::OnDestroy()
{
    KillTimer(kSignInTimer);
    KillTimer(kTrayClickTimer);
    KillTimer(kUnseenWindowsTimer);
    ReleaseQueuedEngineEvents();
    RemoveTrayIcon();
    StopUpdateWorker();
    // They outlive sign-outs, not the program's main window.
    DeleteAllChatWindows();
    if (g_pMainFrame == this)
        g_pMainFrame = nullptr;
    Vexel::CUIWnd::OnDestroy();
}

void CMainFrame::OnClose()
{
    if (!m_closeToExit) {
        ShowWindow(SW_HIDE);
        return;
    }
    Vexel::CUIWnd::OnClose();
}

void CMainFrame::OnSize(UINT type, int cx, int cy)
{
    Vexel::CUIWnd::OnSize(type, cx, cy);
    LayoutPages();
}

void CMainFrame::LayoutPages()
{
    RECT area{};
    if (!PageArea(*this, area))
        return;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    for (CWnd* page : {static_cast<CWnd*>(m_pContactsWnd), static_cast<CWnd*>(m_pHistoryWnd)}) {
        if (page && page->GetSafeHwnd())
            page->MoveWindow(area.left, area.top, width, height, TRUE);
    }
    if (m_pCallPhonesWnd && m_pCallPhonesWnd->GetSafeHwnd()) {
        RECT client{};
        m_pCallPhonesWnd->GetClientRect(&client);
        const int pageWidth = client.right - client.left;
        m_pCallPhonesWnd->MoveWindow(area.left + (width - pageWidth) / 2, area.top, pageWidth,
                                     client.bottom - client.top, TRUE);
    }
}

void CMainFrame::OnTimer(UINT_PTR id)
{
    if (id == kSignInTimer) {
        KillTimer(kSignInTimer);
        MakeUnseenWindows();
        // A video window made late still has its first hide to finish, which must not reach
        // the engine once it is signed in.
        m_videoWnd.FinishHide();
        SignIn();
    } else if (id == kUnseenWindowsTimer) {
        MakeUnseenWindows();
    } else if (id == kTrayClickTimer) {
        OnTrayClickTimer();
    }
    Vexel::CUIWnd::OnTimer(id);
}

void CMainFrame::OnHScroll(UINT code, UINT position, CWnd* bar)
{
    Vexel::CUIWnd::OnHScroll(code, position, bar);
}

void CMainFrame::OnRButtonUp(UINT flags, CPoint point)
{
    ShowMainMenu(false);
    Vexel::CUIWnd::OnRButtonUp(flags, point);
}

LRESULT CMainFrame::OnSkinQueryResize(WPARAM, LPARAM lParam)
{
    const HWND child = reinterpret_cast<HWND>(lParam);
    for (const CWnd* button : m_tabButtons) {
        if (button && button->GetSafeHwnd() == child)
            return 0;   // the tab buttons keep their place
    }
    return 1;
}

LRESULT CMainFrame::OnIgnoredMessage(WPARAM, LPARAM)
{
    return 0;
}

void CMainFrame::ShowPage(int page)
{
    if (page < 0 || page > 2)
        return;
    MakePage(page);
    CWnd* const pages[] = {m_pContactsWnd, m_pCallPhonesWnd, m_pHistoryWnd};
    for (int i = 0; i < 3; ++i) {
        if (pages[i] && pages[i]->GetSafeHwnd())
            pages[i]->ShowWindow(i == page ? SW_SHOW : SW_HIDE);
    }
    for (int i = 0; i < 3; ++i) {
        if (m_tabButtons[i])
            m_tabButtons[i]->SendMessage(BM_SETCHECK, i == page ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void CMainFrame::ShowCallPage()
{
    ShowPage(1);
}

void CMainFrame::SetStatusText(const CString& text)
{
    if (m_hWnd)
        SetDlgItemText(IDC_STA_USERNAME, text);
}

BOOL CMainFrame::PreTranslateMessage(MSG* msg)
{
    const bool callPageShown =
        m_tabButtons[1] && m_tabButtons[1]->SendMessage(BM_GETCHECK, 0, 0) == BST_CHECKED && m_pCallPhonesWnd;
    if (callPageShown && msg) {
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
            m_pCallPhonesWnd->DialEnteredNumber();
            return TRUE;
        }
        if (m_pCallPhonesWnd->PreTranslateKeys(msg))
            return TRUE;
    }
    return Vexel::CUIWnd::PreTranslateMessage(msg);
}
