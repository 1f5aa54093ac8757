// The main window's menu and button commands.
#include "windows/main/MainFrame.h"

#include "config/AboutWnd.h"
#include "config/ProductInfo.h"
#include "config/ProvisionThread.h"
#include "config/UpdateWnd.h"
#include "config/settings/SettingDlg.h"
#include "core/AccountRecord.h"
#include "core/OptionsRecord.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "framework/FileDialog.h"
#include "framework/Prompt.h"
#include "framework/SystemAnswers.h"
#include "resources/ProgramIds.h"
#include "resources/Resource.h"
#include "skin/ui/controls/SkinButton.h"
#include "texts/UiTextTable.h"
#include "windows/contacts/ContactsWnd.h"

namespace {

constexpr wchar_t kUserGuide[] = L"http://www.lumeo.example/guide/Lumeo_User_Guide.pdf";
constexpr wchar_t kSupportMail[] = L"mailto:support@lumeo.example";
constexpr wchar_t kEmptyMail[] = L"mailto:";

// The presence commands in menu order: the status word the contacts are told.
constexpr const char* kPresenceWords[] = {"Available", "Busy", "Away", "Be right back", "In call"};

constexpr DWORD kVideoWindowStyle = WS_POPUP | WS_VISIBLE | WS_MINIMIZEBOX;
// How long exit waits for the update worker to end its current check.
constexpr DWORD kWorkerJoinMs = 6000;

} // namespace

void CMainFrame::OnHideWindow()
{
    ShowWindow(SW_HIDE);
}

void CMainFrame::OnShowContactsPage()
{
    ShowPage(0);
}

void CMainFrame::OnShowCallPage()
{
    ShowCallPage();
}

void CMainFrame::OnShowHistoryPage()
{
    ShowPage(2);
}

void CMainFrame::OnDownMenu()
{
    ShowMainMenu(false);
}

void CMainFrame::OnAddContact()
{
    if (m_pContactsWnd)
        m_pContactsWnd->EditContact();
}

void CMainFrame::OnStatusList()
{
    ShowStatusMenu();
}

void CMainFrame::EnsureVideoWindow()
{
    if (m_videoWnd.GetSafeHwnd())
        return;
    if (!m_videoWnd.Create(IDI_LUMEO, kVideoWindowStyle, nullptr, 1, 1))
        return;
    m_videoWnd.SetWindowText(L"Video");
    m_videoWnd.StartHideTimer();
}

void CMainFrame::OnWebcam()
{
    EnsureVideoWindow();
    if (!m_videoWnd.GetSafeHwnd())
        return;
    m_videoWnd.StartShowTimer();
    RECT frame{};
    GetWindowRect(&frame);
    RECT client{};
    m_videoWnd.GetClientRect(&client);
    const int width = client.right - client.left;
    m_videoWnd.MoveWindow(frame.left - width, frame.top, width, client.bottom - client.top, TRUE);
}

void CMainFrame::OnLogo()
{
    GetSystemAnswers().ShellOpen(m_hWnd, L"OPEN", kMakerSite, SW_SHOWNORMAL);
}

void CMainFrame::OnHelp()
{
    GetSystemAnswers().ShellOpen(m_hWnd, L"OPEN", kUserGuide, SW_SHOWNORMAL);
}

void CMainFrame::OnContactSupport()
{
    GetSystemAnswers().ShellOpen(m_hWnd, L"open", kSupportMail, SW_SHOWNORMAL);
}

void CMainFrame::OnRecommend()
{
    GetSystemAnswers().ShellOpen(m_hWnd, L"open", kEmptyMail, SW_SHOWNORMAL);
}

void CMainFrame::OnExit()
{
    PublishOffline();
    SignOut(true);
    g_database.Close();
    StopUpdateWorker();
    RemoveTrayIcon();
    m_closeToExit = 1;
    SendMessage(WM_CLOSE);
}

void CMainFrame::OnSignOut()
{
    ReSignIn();
}

void CMainFrame::OnStatusSignOut()
{
    ReSignIn();
}

void CMainFrame::OnOptions()
{
    CSettingDlg dialog;
    if (dialog.DoModal() == 1)
        ApplyEngineSettings();
}

void CMainFrame::OnAbout()
{
    AboutWnd about;
    about.DoModal();
}

LRESULT CMainFrame::OnNewVersion(WPARAM, LPARAM lParam)
{
    if (const std::unique_ptr<std::string> version = TakeNewVersionText(lParam))
        OfferNewVersion(*version);
    return 0;
}

LRESULT CMainFrame::OnClearAudioCodecs(WPARAM, LPARAM)
{
    Tavik_clearAudioCodec(m_engineHandle);
    return 0;
}

void CMainFrame::SetPresence(int index)
{
    const CString* const texts[] = {&g_uiTexts.menuStatus.t16000, &g_uiTexts.menuStatus.t16001,
                                    &g_uiTexts.menuStatus.t16002, &g_uiTexts.menuStatus.t16003,
                                    &g_uiTexts.menuStatus.t16004};
    SetStatusButtonText(*texts[index]);
    CContactsWnd::NotifyPresenceOnline(kPresenceWords[index]);
}

void CMainFrame::OnStatusAvailable()
{
    SetPresence(0);
}

void CMainFrame::OnStatusBusy()
{
    SetPresence(1);
}

void CMainFrame::OnStatusAway()
{
    SetPresence(2);
}

void CMainFrame::OnStatusBeRightBack()
{
    SetPresence(3);
}

void CMainFrame::OnStatusInCall()
{
    SetPresence(4);
}

void CMainFrame::SetLanguage(const char* code)
{
    // The texts on show stay: the language file is read at the next start.
    std::string error;
    if (!g_database.Run("update Options set Language = ? where ID = 1", {code}, &error)) {
        g_database.ReportFailure("language choice", error);   // not kept: nothing to restart for
        return;
    }
    g_options.Language = code;
    AfxMessageBox(g_uiTexts.menuMain.t12012, MB_ICONINFORMATION);
}

void CMainFrame::OnLanguageEnglish()
{
    SetLanguage("SP_ENG");
}

void CMainFrame::OnLanguageItalian()
{
    SetLanguage("SP_ITA");
}

void CMainFrame::OnLanguageSpanish()
{
    SetLanguage("SP_SPA");
}

void CMainFrame::OnLanguageFrench()
{
    SetLanguage("SP_FRE");
}

void CMainFrame::OnLanguageRussian()
{
    SetLanguage("SP_RUS");
}

void CMainFrame::OnLanguagePortuguese()
{
    SetLanguage("SP_POR");
}

void CMainFrame::ViewRecordFiles(LPCWSTR filter)
{
    // An existing folder is fine.
    ::CreateDirectoryA(g_options.recordFolder.c_str(), nullptr);
    const CString folder = AnsiToWide(g_options.recordFolder);
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER, filter, this);
    dialog.m_ofn.lpstrInitialDir = folder;
    if (dialog.DoModal() == IDOK)
        GetSystemAnswers().ShellOpen(m_hWnd, L"open", dialog.GetPathName(), SW_SHOW);
}

void CMainFrame::OnViewAudioRecords()
{
    ViewRecordFiles(L"WAV Files (*.wav)|*.wav||");
}

void CMainFrame::OnViewVideoRecords()
{
    ViewRecordFiles(L"AVI Files (*.avi)|*.avi||");
}

void CMainFrame::StartUpdateWorker()
{
    if (!m_pUpdateWorkerClass)
        return;
    CWinThread* const thread = AfxBeginThread(m_pUpdateWorkerClass);
    m_pProvisionThread = static_cast<CProvisionThread*>(thread);
    if (!thread)
        return;
    // Our own handle: the thread object deletes itself (and closes its handle) when it ends.
    ::DuplicateHandle(::GetCurrentProcess(), thread->m_hThread, ::GetCurrentProcess(), &m_provisionThreadHandle,
                      SYNCHRONIZE, FALSE, 0);
}

void CMainFrame::StopUpdateWorker()
{
    if (m_pProvisionThread)
        m_pProvisionThread->PostThreadMessage(WM_QUIT, 0, 0);
    m_pProvisionThread = nullptr;
    if (m_provisionThreadHandle) {
        // A check under way ends within its time-outs; exit does not wait longer.
        ::WaitForSingleObject(m_provisionThreadHandle, kWorkerJoinMs);
        ::CloseHandle(m_provisionThreadHandle);
        m_provisionThreadHandle = nullptr;
    }
    // Results that will never be handled still own their texts.
    MSG unhandled;
    while (m_hWnd && ::PeekMessageW(&unhandled, m_hWnd, WM_NEW_VERSION, WM_NEW_VERSION, PM_REMOVE))
        TakeNewVersionText(unhandled.lParam);
}

void CMainFrame::SetToolTips()
{
    const ButtonTip tips[] = {
        {IDC_BTN_ADDCONTACT, &g_uiTexts.menuBlank.t13000}, {IDC_BTN_WEBCAM, &g_uiTexts.dlgVideoSetup.t25001},
        {IDC_BTN_DOWNMENU, &g_uiTexts.mainWnd.t35017},     {IDC_BTN_MIN, &g_uiTexts.mainWnd.t35015},
        {IDC_BTN_CLOSE, &g_uiTexts.mainWnd.t35016},
    };
    SetButtonTips(*this, tips);
}

void SetButtonTips(CWnd& window, const ButtonTip* tips, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (auto* button = dynamic_cast<Vexel::CSkinButton*>(window.GetDlgItem(tips[i].id)))
            button->SetToolTip(*tips[i].text);
    }
}

void CMainFrame::DressPageButtons()
{
    const CString* const captions[] = {&g_uiTexts.mainWnd.t35012, &g_uiTexts.mainWnd.t35013,
                                       &g_uiTexts.mainWnd.t35014};
    for (int i = 0; i < 3; ++i) {
        if (!m_tabButtons[i])
            continue;
        m_tabButtons[i]->SetWindowText(*captions[i]);
        if (auto* button = dynamic_cast<Vexel::CSkinButton*>(m_tabButtons[i]))
            SetWhiteText(*button);
    }
}
