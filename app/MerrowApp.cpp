#include "app/MerrowApp.h"

#include "app/EnvironmentSeams.h"
#include "config/LoginWnd.h"
#include "config/SipUrlProtocol.h"
#include "core/AccountRecord.h"
#include "core/Database.h"
#include "core/LanguageFile.h"
#include "core/OptionsRecord.h"
#include "core/ProgramResources.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "framework/Prompt.h"
#include "skin/model/SkinGlobals.h"
#include "skin/model/SkinLifecycle.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/controls/SkinMenuClass.h"
#include "skin/ui/factories/ControlKinds.h"
#include "texts/UiTextLoader.h"
#include "texts/UiTextTable.h"
#include "windows/main/MainFrame.h"

namespace {

constexpr wchar_t kRegistryKey[] = L"Local AppWizard-Generated Applications";
constexpr char kInstanceEventName[] = "Lumeo";
// The only start-up text that cannot come from the language file: it is the file that failed.
constexpr wchar_t kLanguageFailedText[] = L"Load language file failed, Softphone will exit.";
constexpr int kSignInAttempts = 3;
// The main window's skin resource: its icon and caption (string 128, "Lumeo").
constexpr UINT kMainFrameResource = 128;
constexpr DWORD kMainFrameStyle = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;

bool LoadTexts(const CString& iniPath)
{
    return LoadUiTexts(iniPath);
}

bool RegisterMenuClass()
{
    return Vexel::RegisterSkinMenuClass() != 0;
}

void Refuse(const CString& text)
{
    AfxMessageBox(text, MB_ICONINFORMATION);
}

// A text of the table followed, on a line of its own, by the file it is about.
CString NamingFile(const CString& text, const CString& path)
{
    return text + L"\r\n" + path;
}

// Why the skinned window base refused the main window; its own creation, which would have
// said why, never ran.
CString MainFrameFailureText(const Vexel::CUIWnd& frame)
{
    // 1: neither of the window's background image files could be read.
    if (frame.GetLastCreateError() == 1) {
        const CString file = Vexel::record_read::Text(frame.GetWindowProperties(), Vexel::CtrlVar::BackgroundNormal);
        return NamingFile(g_uiTexts.mainWnd.t35019, Vexel::g_skinStore.GetSkinFolder() + file);
    }
    return g_uiTexts.mainWnd.t35000;
}

} // namespace

CMerrowApp theApp;

CMerrowApp::CMerrowApp() : CWinApp(nullptr)
{
}

CMerrowApp::~CMerrowApp() = default;

BOOL CMerrowApp::InitInstance()
{
    InstallEnvironmentSeams();
    Vexel::RegisterSkinControlKinds();   // before the first skinned window

    // Every preparation runs; what failed is only acted on in the checks below.
    SetRegistryKey(kRegistryKey);
    const bool oleReady = AfxOleInit() != FALSE;
    m_hInstanceEvent = ::CreateEventA(nullptr, FALSE, FALSE, kInstanceEventName);
    const bool anotherCopyRuns = ::GetLastError() == ERROR_ALREADY_EXISTS;
    RegisterSipUrlProtocol();
    const CString unwrittenSkinFile = WriteProgramResources();
    CreateRecordFolder();
    std::string keptCopy;   // where stored data was set aside, when it was
    const bool databaseReady = OpenDatabase(&keptCopy);
    // A failed query sets the flag itself; a table without a row leaves it clear, which
    // would leave start-up waiting for ever, so it counts as a database that cannot be used.
    LoadOptions(m_bOptionsLoaded);
    const bool languageLoaded = LoadLanguageFile(&LoadTexts);
    DeleteLanguageFiles();

    if (!languageLoaded) {
        Refuse(kLanguageFailedText);
        return FALSE;
    }
    if (!oleReady) {
        Refuse(g_uiTexts.appInstance.t37004);
        return FALSE;
    }
    if (anotherCopyRuns) {
        // A window hidden to the tray would otherwise stay hidden: the user started the
        // program again to see it.
        ::PostMessageW(HWND_BROADCAST, ShowRunningCopyMessage(), 0, 0);
        Refuse(g_uiTexts.appInstance.t37003);
        return FALSE;
    }
    if (!databaseReady || !m_bOptionsLoaded) {
        Refuse(g_uiTexts.appInstance.t37000);
        return FALSE;
    }
    if (!keptCopy.empty())   // start-up goes on, but the user learns where the old data went
        AfxMessageBox(g_uiTexts.appInstance.t37006 + L"\n" + AnsiToWide(keptCopy), MB_ICONINFORMATION);
    if (!unwrittenSkinFile.IsEmpty()) {
        // A skin older than the program, or half written, is not opened.
        Refuse(NamingFile(g_uiTexts.appInstance.t37005, unwrittenSkinFile));
        return FALSE;
    }
    if (!LoadSkin(&RegisterMenuClass)) {
        Refuse(g_uiTexts.appInstance.t37002);
        return FALSE;
    }

    if (!g_options.AutoLoginSIPUri.empty())
        LoadAccount();
    if (!g_account.IsComplete() && !AskForAccount())
        return FALSE;
    return ShowMainFrame() ? TRUE : FALSE;
}

bool CMerrowApp::AskForAccount()
{
    g_account.Clear();
    for (int attempt = 1; attempt <= kSignInAttempts; ++attempt) {
        CLoginWnd login;
        if (login.DoModal() != IDOK)
            return false;   // closed without signing in: nothing to say
        if (SaveAccount())
            return true;
        Refuse(g_uiTexts.dlgLogin.t20021);
    }
    g_database.Close();
    return false;
}

bool CMerrowApp::ShowMainFrame()
{
    m_pMainFrame = std::make_unique<CMainFrame>();
    m_pMainWnd = m_pMainFrame.get();
    if (!m_pMainFrame->Create(kMainFrameResource, kMainFrameStyle, nullptr, 1, 1)) {
        if (!m_pMainFrame->HasReportedCreateFailure())
            Refuse(MainFrameFailureText(*m_pMainFrame));
        g_database.Close();
        return false;
    }
    m_pMainFrame->ShowWindow(SW_SHOW);
    m_pMainFrame->UpdateWindow();
    return true;
}

int CMerrowApp::ExitInstance()
{
    m_pMainFrame.reset();
    m_pMainWnd = nullptr;
    Vexel::ReleaseSkin();
    return CWinApp::ExitInstance();
}
