#include "tests/windows/MainFrameTestSupport.h"

#include "core/AccountRecord.h"
#include "core/Crypto.h"
#include "core/Database.h"
#include "core/OptionsRecord.h"
#include "core/ProgramResources.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "skin/model/SkinLifecycle.h"
#include "skin/model/SkinReader.h"
#include "skin/ui/controls/SkinMenu.h"
#include "skin/ui/controls/SkinMenuItem.h"
#include "skin/ui/factories/ControlFactories.h"
#include "skin/ui/factories/ControlKinds.h"
#include "tests/config/UiTextTestSupport.h"
#include "texts/UiTextTable.h"

#include <ole2.h>

#include <atomic>

namespace windows_test {

std::vector<ShellCall> MainFrameTest::s_shell;
std::vector<TrayCall> MainFrameTest::s_tray;
std::vector<std::wstring> MainFrameTest::s_sounds;
std::vector<DWORD> MainFrameTest::s_soundFlags;
std::vector<DWORD> MainFrameTest::s_pauses;
std::vector<UINT> MainFrameTest::s_menus;
std::wstring MainFrameTest::s_lastMenuCheck;
std::wstring MainFrameTest::s_firstItemDrawn;
UINT MainFrameTest::s_menuAnswer = 0;

void PumpPending()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// --- recording pages

void RecordingContacts::OnSipEvent(SIPCallbackCommand* record)
{
    const int type = record->GetEventType();
    m_log.contacts.push_back(type);
    m_log.log.push_back("contacts:" + std::to_string(type));
    ++depth;
    deepest = depth > deepest ? depth : deepest;
    if (whileHandling)
        whileHandling(type);
    if (handleRecord)
        handleRecord(record);
    if (passOn)
        CContactsWnd::OnSipEvent(record);
    --depth;
}

void RecordingCalls::OnSipEvent(SIPCallbackCommand* record)
{
    m_log.calls.push_back(record->GetEventType());
    m_log.log.push_back("calls:" + std::to_string(record->GetEventType()));
    if (passOn)
        CCallPhonesWnd::OnSipEvent(record);
}

void RecordingHistory::LoadHistory()
{
    m_log.log.push_back("history:load");
    if (passOn)
        CHistoryWnd::LoadHistory();
}

void RecordingHistory::DeleteAllItems(bool alsoFromDatabase)
{
    m_log.log.push_back(alsoFromDatabase ? "history:clear-all" : "history:clear-list");
    if (passOn)
        CHistoryWnd::DeleteAllItems(alsoFromDatabase);
}

// --- update worker

namespace {

std::atomic<long> g_checks{0};

} // namespace

IMPLEMENT_DYNCREATE(CountingWorker, CProvisionThread)

HANDLE CountingWorker::CheckedEvent()
{
    static const HANDLE event = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    return event;
}

long CountingWorker::Checks()
{
    return g_checks.load();
}

void CountingWorker::ResetCount()
{
    g_checks.store(0);
    ::ResetEvent(CheckedEvent());
}

void CountingWorker::CheckForUpdate()
{
    ++g_checks;
    ::SetEvent(CheckedEvent());
}

TestMainFrame::TestMainFrame(PageLog& log, bool withWorker)
{
    m_pContactsWnd = new RecordingContacts(log);
    m_pCallPhonesWnd = new RecordingCalls(log);
    m_pHistoryWnd = new RecordingHistory(log);
    m_pUpdateWorkerClass = withWorker ? RUNTIME_CLASS(CountingWorker) : nullptr;
}

// --- modal answers

namespace {

std::vector<int> g_modalResults;
std::vector<std::wstring> g_modalWindows;
std::function<void(Vexel::CUIWnd&)>* g_modalInspect = nullptr;

LRESULT CALLBACK ModalHook(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* const message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message && message->message == WM_INITDIALOG) {
        if (auto* window = dynamic_cast<Vexel::CUIWnd*>(CWnd::FromHandlePermanent(message->hwnd))) {
            const auto* id = static_cast<const wchar_t*>(::GetPropW(message->hwnd, Vexel::kStringIdProperty));
            g_modalWindows.push_back(id ? id : L"");
            int result = IDCANCEL;
            if (!g_modalResults.empty()) {
                result = g_modalResults.front();
                g_modalResults.erase(g_modalResults.begin());
            }
            if (g_modalInspect && *g_modalInspect)
                (*g_modalInspect)(*window);
            window->EndDialog(result);
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

ModalAnswers::ModalAnswers(std::vector<int> results)
{
    g_modalResults = std::move(results);
    g_modalWindows.clear();
    g_modalInspect = &inspect;
    m_hook = ::SetWindowsHookExW(WH_CALLWNDPROC, &ModalHook, nullptr, ::GetCurrentThreadId());
}

ModalAnswers::~ModalAnswers()
{
    ::UnhookWindowsHookEx(m_hook);
    g_modalInspect = nullptr;
}

const std::vector<std::wstring>& ModalAnswers::Windows() const
{
    return g_modalWindows;
}

// --- plain controls

namespace {

struct PlainKind {
    const wchar_t* typeWord;
    const wchar_t* className;
    DWORD style;
};

constexpr PlainKind kPlainKinds[] = {
    {L"PUSHBUTTON", L"BUTTON", BS_PUSHBUTTON},
    {L"CHECK", L"BUTTON", BS_AUTOCHECKBOX},
    {L"RADIO", L"BUTTON", BS_AUTORADIOBUTTON},
    {L"STATIC", L"STATIC", SS_LEFT},
};

template <int Index>
Vexel::CreatedControl CreatePlain(Vexel::CUIWnd& parent, Vexel::CTRLPROPERTIES& record, const Vexel::ParentBackgrounds&)
{
    const PlainKind& kind = kPlainKinds[Index];
    auto control = std::make_unique<CWnd>();
    if (!control->CreateEx(0, kind.className, L"", WS_CHILD | WS_VISIBLE | kind.style, parent.ControlRect(record),
                           &parent, static_cast<UINT>(Vexel::ControlIdOf(record))))
        return {};
    Vexel::CreatedControl made;
    made.window = control.get();
    made.object = std::move(control);
    return made;
}

constexpr Vexel::ControlFactory kPlainFactories[] = {&CreatePlain<0>, &CreatePlain<1>, &CreatePlain<2>,
                                                     &CreatePlain<3>};

} // namespace

PlainControlKinds::PlainControlKinds()
{
    // The real kinds first, as start-up makes them; then the plain ones over four of them.
    Vexel::RegisterSkinControlKinds();
    for (size_t i = 0; i < std::size(kPlainKinds); ++i) {
        const Vexel::ControlKind* const current = Vexel::FindControlKind(kPlainKinds[i].typeWord);
        Vexel::ControlKind plain = current ? *current : Vexel::ControlKind{};
        plain.typeWord = kPlainKinds[i].typeWord;
        plain.create = kPlainFactories[i];
        plain.release = nullptr;
        m_previous.push_back(Vexel::ReplaceControlKind(plain));
    }
}

PlainControlKinds::~PlainControlKinds()
{
    for (const Vexel::ControlKind& kind : m_previous)
        Vexel::ReplaceControlKind(kind);
}

// --- the fixture

void MainFrameTest::ShellAnswers::ShellOpen(HWND, LPCWSTR verb, LPCWSTR file, int) const
{
    s_shell.push_back({verb ? verb : L"", file ? file : L""});
}

BOOL MainFrameTest::ShellAnswers::TrayIcon(DWORD message, NOTIFYICONDATAW* data) const
{
    s_tray.push_back({message, data->uID, data->uFlags, data->uCallbackMessage, data->szTip});
    return TRUE;
}

BOOL MainFrameTest::ShellAnswers::PlaySoundFile(LPCWSTR path, DWORD flags) const
{
    s_sounds.push_back(path);
    s_soundFlags.push_back(flags);
    return TRUE;
}

void MainFrameTest::ShellAnswers::Pause(DWORD milliseconds) const
{
    s_pauses.push_back(milliseconds);
}

std::optional<BOOL> MainFrameTest::ShellAnswers::AnswerPopupMenu(CMenu* popup, UINT menuId, int, int,
                                                                 CWnd* owner) const
{
    s_menus.push_back(menuId);
    s_firstItemDrawn.clear();
    MENUITEMINFOW first{};
    first.cbSize = sizeof first;
    first.fMask = MIIM_DATA;
    if (dynamic_cast<Vexel::CSkinMenu*>(popup) && popup->GetMenuItemInfo(0, &first, TRUE) && first.dwItemData)
        s_firstItemDrawn = reinterpret_cast<const Vexel::CSkinMenuItem*>(first.dwItemData)->text.Str();
    for (int i = 0; i < popup->GetMenuItemCount(); ++i) {
        CMenu* const sub = popup->GetSubMenu(i);
        CMenu* const menu = sub ? sub : popup;
        for (int j = 0; j < menu->GetMenuItemCount(); ++j) {
            if (menu->GetMenuState(j, MF_BYPOSITION) & MF_CHECKED) {
                CString text;
                menu->GetMenuString(j, text, MF_BYPOSITION);
                s_lastMenuCheck = text.Str();
            }
        }
    }
    if (s_menuAnswer == 0)
        return FALSE;
    owner->PostMessage(WM_COMMAND, s_menuAnswer, 0);
    return TRUE;
}

void MainFrameTest::SetUp()
{
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    Vexel::ReleaseSkin();
    WriteProgramResources();
    ASSERT_EQ(0, Vexel::OpenSkin(CString(folder.Path(L"Skins\\Lumeo\\the.xui").c_str()), 1));

    const std::string programFolder = WideToAnsi(CString(folder.Path(L"").c_str()));
    DatabaseFolders folders{programFolder.substr(0, programFolder.size() - 1),
                            programFolder.substr(0, programFolder.size() - 1)};
    ASSERT_TRUE(OpenDatabase(g_database, folders));
    g_options = OptionsRecord();
    bool loaded = false;
    ASSERT_TRUE(LoadOptions(loaded));
    ASSERT_TRUE(loaded);
    g_account = AccountRecord();
    config_test::MarkEveryText(g_uiTexts);

    EngineControl_Reset();
    EngineControl_SetTiming(EngineTiming_Register, 60000);   // registration answers only when a test says
    s_shell.clear();
    s_tray.clear();
    s_sounds.clear();
    s_soundFlags.clear();
    s_pauses.clear();
    s_menus.clear();
    s_lastMenuCheck.clear();
    s_menuAnswer = 0;
    m_answers.emplace();
    CountingWorker::ResetCount();
}

void MainFrameTest::TearDown()
{
    if (frame && frame->GetSafeHwnd())
        frame->DestroyWindow();
    frame.reset();
    PumpPending();
    m_answers.reset();
    g_database.Close();
    EXPECT_EQ(0, EngineControl_GetEngineCount()) << "an engine was left running";
    EXPECT_EQ(0, EngineControl_GetLiveRecordCount()) << "an event record was never released";
    EXPECT_EQ(0, EngineControl_GetBadReleaseCount()) << "an event record was released twice";
    Vexel::ReleaseSkin();
    ::OleUninitialize();
}

void MainFrameTest::CreateFrame(bool withWorker)
{
    frame = std::make_unique<TestMainFrame>(pages, withWorker);
    ASSERT_TRUE(frame->Create(128, WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, nullptr, 1, 1));
    frame->KillTimer(kSignInTimer);
    EngineControl_ClearJournal();
}

void MainFrameTest::UseAccount()
{
    g_account.UserName = "alice";
    g_account.displayName = "Alice";
    g_account.AuthName = "alice-auth";
    ASSERT_TRUE(Crypto().Encrypt("secret", g_account.Password));
    g_account.ProxyServer = "sip.example";
    g_account.ProxyPort = 5060;
    g_account.UserDomain = "example";
    g_account.StunServer = "stun.example";
    g_account.StunServerPort = 3478;
    g_account.Transport = 0;
    g_account.RegVal = 300;
    g_account.SIPUri = "sip:alice@example";
}

std::vector<std::string> MainFrameTest::Journal() const
{
    std::vector<std::string> lines = engine_control::JournalLines();
    const std::string handle = std::to_string(frame ? frame->GetEngineHandle() : 0);
    for (std::string& line : lines) {
        const size_t open = line.find('(');
        if (open != std::string::npos && line.compare(open + 1, handle.size(), handle) == 0 &&
            handle != "0" &&
            (line.size() == open + 1 + handle.size() || line[open + 1 + handle.size()] == ',' ||
             line[open + 1 + handle.size()] == ')'))
            line.replace(open + 1, handle.size(), "H");
    }
    return lines;
}

std::vector<std::string> MainFrameTest::JournalOf(const std::string& function) const
{
    std::vector<std::string> lines;
    for (const std::string& line : Journal()) {
        if (line.compare(0, function.size() + 1, function + "(") == 0)
            lines.push_back(line);
    }
    return lines;
}

SIPCallbackCommand* MainFrameTest::NewEvent(int type, int statusCode, const char* statusText)
{
    EngineEventSpec spec{};
    spec.type = type;
    spec.statusCode = statusCode;
    spec.statusText = statusText;
    return EngineControl_NewRecord(&spec);
}

void MainFrameTest::Deliver(SIPCallbackCommand* record)
{
    ASSERT_TRUE(frame->PostMessage(WM_ENGINE_EVENT, reinterpret_cast<WPARAM>(record), 0));
    PumpPending();
}

std::wstring MainFrameTest::StatusText() const
{
    return ControlText(1008);
}

std::wstring MainFrameTest::CallPageText(int id) const
{
    wchar_t text[512] = {};
    ::GetDlgItemTextW(frame->GetCallPage()->GetSafeHwnd(), id, text, 512);
    return text;
}

bool MainFrameTest::PumpUntil(const std::function<bool()>& done)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > 10000)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        PumpPending();
    }
    return true;
}

std::wstring MainFrameTest::ControlText(int id) const
{
    wchar_t text[512] = {};
    ::GetDlgItemTextW(frame->GetSafeHwnd(), id, text, 512);
    return text;
}

} // namespace windows_test
