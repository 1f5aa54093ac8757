#include "tests/windows/CallPageTestSupport.h"

#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "resources/Resource.h"
#include "texts/UiTextTable.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace windows_test {

bool HeldKeys::IsKeyDown(int virtualKey) const
{
    return std::find(m_keys.begin(), m_keys.end(), virtualKey) != m_keys.end();
}

std::uint32_t CallPageTest::s_ticks = 0;
std::int64_t CallPageTest::s_now = 0;

namespace {

// 2026-03-14, a Saturday afternoon, away from any change of day or daylight saving.
constexpr std::int64_t kFirstNow = 1773500000;

const char* const kCallOperations[] = {"Tavik_call",    "Tavik_answerCall", "Tavik_rejectCall",
                                       "Tavik_terminateCall", "Tavik_setRemoteVideoWindow", "Tavik_hold",
                                       "Tavik_unHold",  "Tavik_sendDTMF",   "Tavik_joinToConference"};

} // namespace

void CallPageTest::SetUp()
{
    MainFrameTest::SetUp();
    // The running clock's prefix is a core text: it reads the table through this binding.
    BindCoreUiTexts(g_uiTexts);
    s_ticks = 50000;
    s_now = kFirstNow;
    m_clocks.emplace();
    // Placed calls wait for the events the tests hand in.
    for (const EngineTiming timing : {EngineTiming_CallTrying, EngineTiming_CallRinging, EngineTiming_CallAnswer})
        EngineControl_SetTiming(timing, 600000);
}

void CallPageTest::TearDown()
{
    m_clocks.reset();
    MainFrameTest::TearDown();
}

void CallPageTest::Advance(int seconds)
{
    s_ticks += static_cast<std::uint32_t>(seconds) * 1000;
    s_now += seconds;
}

std::string CallPageTest::TimeText(std::int64_t time)
{
    const __time64_t value = time;
    std::tm local{};
    _localtime64_s(&local, &value);
    char text[64] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S %p", &local);
    return text;
}

void CallPageTest::SignInFrame()
{
    CreateFrame(false);
    UseAccount();
    ASSERT_TRUE(frame->SignIn());
    m_signedInHandle = frame->GetEngineHandle();
    InjectEvent(1, 0, {"alice@example", "Alice", 200, "OK"});
    ASSERT_EQ(1, frame->IsSignedIn());
    // The presence-notice timer would fire in ten seconds; the tests that want it send it.
    Page().KillTimer(41);
    EngineControl_ClearJournal();
    s_sounds.clear();
    ClearHistory();
}

void CallPageTest::InjectEvent(int type, int sessionId, const EventFields& fields)
{
    EngineEventSpec spec{};
    spec.type = type;
    spec.sessionId = sessionId;
    spec.remoteAddress = fields.remote;
    spec.displayName = fields.display;
    spec.statusCode = fields.statusCode;
    spec.statusText = fields.statusText;
    spec.noteText = fields.note;
    spec.earlyMedia = fields.earlyMedia ? 1 : 0;
    spec.hasVideo = fields.video ? 1 : 0;
    ASSERT_EQ(0, EngineControl_InjectEvent(frame->GetEngineHandle(), &spec, EngineDelivery_Synchronous));
    PumpPending();
}

void CallPageTest::IncomingCall(int sessionId, const char* remote, const char* display)
{
    InjectEvent(3, sessionId, {remote, display});
}

int CallPageTest::DialFromButton(const wchar_t* number)
{
    TypeNumber(number);
    Command(IDC_BTN_DIAL);
    const Session& line = Line(Page().GetCurrentLine());
    return line.IsBusy() ? line.GetSessionId() : 0;
}

std::array<std::wstring, 3> CallPageTest::Labels() const
{
    return {CallPageText(IDC_STA_LINE1), CallPageText(IDC_STA_LINE2), CallPageText(IDC_STA_LINE3)};
}

std::array<std::wstring, 3> CallPageTest::LineTexts(int line) const
{
    const Session& record = Line(line);
    return {record.GetLineText1().GetString(), record.GetLineText2().GetString(), record.GetLineText3().GetString()};
}

std::wstring CallPageTest::NumberField() const
{
    return Page().GetNumberFieldText().GetString();
}

std::vector<std::string> CallPageTest::CallJournal() const
{
    std::vector<std::string> lines;
    const std::string handle = std::to_string(m_signedInHandle);
    for (const std::string& line : engine_control::JournalLines()) {
        for (const char* operation : kCallOperations) {
            const std::string opening = std::string(operation) + "(";
            if (line.compare(0, opening.size(), opening) != 0)
                continue;
            std::string call = line;
            const size_t after = opening.size() + handle.size();
            if (call.compare(opening.size(), handle.size(), handle) == 0 && after < call.size() &&
                (call[after] == ',' || call[after] == ')'))
                call.replace(opening.size(), handle.size(), "H");
            lines.push_back(call);
        }
    }
    return lines;
}

std::string CallPageTest::RemoteVideo() const
{
    return engine_control::HwndText(frame->GetRemoteVideoHwnd());
}

std::vector<std::string> CallPageTest::Sounds() const
{
    std::vector<std::string> names;
    for (const std::wstring& path : s_sounds) {
        const size_t slash = path.find_last_of(L'\\');
        std::wstring name = path.substr(slash == std::wstring::npos ? 0 : slash + 1);
        if (name.size() > 4 && name.compare(name.size() - 4, 4, L".wav") == 0)
            name.resize(name.size() - 4);
        names.push_back(WideToAnsi(CString(name.c_str())));
    }
    return names;
}

std::vector<HistoryEntry> CallPageTest::HistoryRows() const
{
    std::vector<HistoryEntry> rows;
    SqlTable table;
    if (!g_database.GetTable("select History, Number, CallType from History order by rowid", table))
        return rows;
    for (int row = 0; row < table.Rows(); ++row) {
        rows.push_back({table.Value(row, 0) ? table.Value(row, 0) : "", table.Value(row, 1) ? table.Value(row, 1) : "",
                        table.Value(row, 2) ? std::atoi(table.Value(row, 2)) : -1});
    }
    return rows;
}

void CallPageTest::ClearHistory() const
{
    EXPECT_TRUE(g_database.Exec("delete from History"));
}

bool CallPageTest::TakeTimer(UINT_PTR id) const
{
    return ::KillTimer(Page().GetSafeHwnd(), id) != FALSE;
}

void CallPageTest::Tick(UINT_PTR id) const
{
    Page().SendMessage(WM_TIMER, id, 0);
}

void CallPageTest::Command(int id) const
{
    Page().SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(Page().GetSafeHwnd(), id)));
}

void CallPageTest::Click(int id) const
{
    ::SendDlgItemMessageW(Page().GetSafeHwnd(), id, BM_CLICK, 0, 0);
}

bool CallPageTest::IsChecked(int id) const
{
    return ::SendDlgItemMessageW(Page().GetSafeHwnd(), id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool CallPageTest::IsEnabled(int id) const
{
    return ::IsWindowEnabled(::GetDlgItem(Page().GetSafeHwnd(), id)) != FALSE;
}

void CallPageTest::SetChecked(int id, bool checked) const
{
    ::SendDlgItemMessageW(Page().GetSafeHwnd(), id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CallPageTest::TypeNumber(const wchar_t* number) const
{
    ::SetDlgItemTextW(Page().GetSafeHwnd(), IDC_CMB_PHONENUMBER, number);
}

void CallPageTest::PressEnter() const
{
    EXPECT_TRUE(PressKey(VK_RETURN));
}

bool CallPageTest::PressKey(UINT virtualKey, HWND target) const
{
    MSG message{};
    message.hwnd = target ? target : Page().GetSafeHwnd();
    message.message = WM_KEYDOWN;
    message.wParam = virtualKey;
    return CWnd::WalkPreTranslateTree(&message) != FALSE;
}

HWND CallPageTest::NumberEdit() const
{
    return ::GetWindow(::GetDlgItem(Page().GetSafeHwnd(), IDC_CMB_PHONENUMBER), GW_CHILD);
}

} // namespace windows_test
