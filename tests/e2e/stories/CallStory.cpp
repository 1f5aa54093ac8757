// A user's calls with the real Lumeo.exe from a fresh program copy: a call placed and answered
// by the engine stand-in, held, resumed, transferred and ended, with its history row; and an
// incoming call, scripted for the stand-in's peer, answered and then ended by the peer.
#include "tests/e2e/SignInChecks.h"

#include <gtest/gtest.h>

namespace {

using e2e::LumeoProcess;
using e2e::ProgramCopy;
using namespace e2e_test;

BOOL CALLBACK AddChild(HWND window, LPARAM context)
{
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    return TRUE;
}

// Every child of `page` with its id and text, for a failure message.
std::string Texts(HWND page)
{
    std::vector<HWND> children;
    ::EnumChildWindows(page, &AddChild, reinterpret_cast<LPARAM>(&children));
    std::string text;
    for (const HWND child : children) {
        const std::wstring wide = e2e::TextOf(child);
        if (wide.empty())
            continue;
        const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string utf8(static_cast<size_t>(length - 1), '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, utf8.data(), length, nullptr, nullptr);
        text += std::to_string(::GetDlgCtrlID(child)) + "=" + utf8 + "\n";
    }
    return text;
}

// Journal lines of `function` (every line for an empty name) after the first `from` lines.
std::vector<std::string> CallsSince(const LumeoProcess& lumeo, size_t from, const std::string& function)
{
    const std::vector<std::string> journal = lumeo.Journal();
    std::vector<std::string> lines;
    for (size_t i = from; i < journal.size(); ++i) {
        if (function.empty() || journal[i].compare(0, function.size() + 1, function + "(") == 0)
            lines.push_back(journal[i]);
    }
    return lines;
}

TEST(Story, CallsPlacedAndTaken)
{
    const ProgramCopy copy;
    ASSERT_TRUE(copy.Ready());
    const e2e::TypedAccount account;
    ASSERT_TRUE(e2e::StoreAccount(copy, account));
    // The peer: calls 15 s after the engine starts (the placed call is over by then) and hangs
    // up 5 s later.
    ASSERT_TRUE(e2e::WriteFileBytes(copy.Path(L"peer.txt"),
                                    "event 15000 3 session=70 remote=\"sip:bob@sip.example\" display=Bob\n"
                                    "event 20000 8 session=70\n"));
    const LumeoProcess lumeo(copy, {{L"LUMEO_ENGINE_SCENARIO", copy.Path(L"peer.txt")}});
    const HWND main = lumeo.WaitForWindow(L"IDW_MAIN");
    ASSERT_NE(nullptr, main);
    ExpectSignedInWith(lumeo, account);
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::ControlText(main, IDC_STA_USERNAME) == Wide(account.userName); }));
    const HWND page = lumeo.FindChild(main, L"IDW_CALLPHONES");
    ASSERT_NE(nullptr, page);
    ASSERT_TRUE(e2e::Click(main, IDC_RAD_CALLPHONES));

    // A call placed: the stand-in rings and answers it by itself.
    const size_t mark = lumeo.Journal().size();
    ASSERT_TRUE(e2e::TypeInto(page, IDC_CMB_PHONENUMBER, L"200"));
    ASSERT_TRUE(e2e::Click(page, IDC_BTN_DIAL));
    const auto status = [&] { return e2e::ControlText(page, IDC_STA_LINE2); };
    ASSERT_TRUE(e2e::WaitUntil([&] { return status() == L"Connected"; })) << Texts(page);
    ASSERT_TRUE(e2e::SetCheck(page, IDC_CHK_HOLD, true));
    ASSERT_TRUE(e2e::Click(page, IDC_CHK_HOLD));
    ASSERT_TRUE(e2e::WaitUntil([&] { return status() == L"On hold"; })) << Texts(page);
    ASSERT_TRUE(e2e::SetCheck(page, IDC_CHK_HOLD, false));
    ASSERT_TRUE(e2e::Click(page, IDC_CHK_HOLD));
    ASSERT_TRUE(e2e::WaitUntil([&] { return status() == L"Connected"; })) << Texts(page);
    // Transfer: the first click holds the call and asks for the target, the second sends it.
    ASSERT_TRUE(e2e::SetCheck(page, IDC_CHK_TRANSFER, true));
    ASSERT_TRUE(e2e::Click(page, IDC_CHK_TRANSFER));
    ASSERT_TRUE(e2e::WaitUntil([&] { return status() == L"Transfer: type the number, then click Transfer again"; }))
        << Texts(page);
    ASSERT_TRUE(e2e::TypeInto(page, IDC_CMB_PHONENUMBER, L"300"));
    ASSERT_TRUE(e2e::SetCheck(page, IDC_CHK_TRANSFER, false));
    ASSERT_TRUE(e2e::Click(page, IDC_CHK_TRANSFER));
    ASSERT_TRUE(e2e::WaitUntil([&] { return !CallsSince(lumeo, mark, "Tavik_refer").empty(); }));
    ASSERT_TRUE(e2e::Click(page, IDC_BTN_HANGUP));
    ASSERT_TRUE(e2e::WaitUntil([&] { return !CallsSince(lumeo, mark, "Tavik_terminateCall").empty(); }))
        << Lines(CallsSince(lumeo, mark, ""));
    // Exactly these call actions reached the engine, all on the one session.
    std::vector<std::string> actions;
    for (const std::string& line : CallsSince(lumeo, mark, "")) {
        for (const char* function : {"Tavik_call(", "Tavik_hold(", "Tavik_unHold(", "Tavik_refer(", "Tavik_terminateCall("}) {
            if (line.rfind(function, 0) == 0)
                actions.push_back(line);
        }
    }
    const std::vector<std::string> holds = CallsSince(lumeo, mark, "Tavik_hold");
    ASSERT_FALSE(holds.empty());
    const std::string handleAndSession = holds[0].substr(holds[0].find('(') + 1, holds[0].size() - holds[0].find('(') - 2);
    const std::string handle = handleAndSession.substr(0, handleAndSession.find(','));
    EXPECT_EQ((std::vector<std::string>{"Tavik_call(" + handle + ",\"200\",1,out)",
                                        "Tavik_hold(" + handleAndSession + ")",
                                        "Tavik_unHold(" + handleAndSession + ")",
                                        "Tavik_hold(" + handleAndSession + ")",
                                        "Tavik_refer(" + handleAndSession + ",\"300\")",
                                        "Tavik_terminateCall(" + handleAndSession + ")"}),
              actions);

    // The peer calls; the user answers; the peer hangs up.
    ASSERT_TRUE(e2e::WaitUntil([&] { return Texts(page).find("sip:bob@sip.example") != std::string::npos; }, 30000))
        << Texts(page);
    const size_t incoming = lumeo.Journal().size();
    ASSERT_TRUE(e2e::Click(page, IDC_BTN_DIAL));
    ASSERT_TRUE(e2e::WaitUntil([&] { return !CallsSince(lumeo, incoming, "Tavik_answerCall").empty(); }));
    EXPECT_EQ(std::vector<std::string>{"Tavik_answerCall(" + handle + ",70)"},
              CallsSince(lumeo, incoming, "Tavik_answerCall"));
    ASSERT_TRUE(e2e::WaitUntil([&] { return status() == L"Hang up"; }, 30000)) << Texts(page);
    EXPECT_TRUE(CallsSince(lumeo, incoming, "Tavik_terminateCall").empty()) << "the peer's hang-up was sent back";
    ExitThroughMenu(lumeo, main);

    // One history row per call: the placed one (2) and the answered one (1), each with its
    // start and duration.
    EXPECT_EQ((e2e::SqlRows{{"200", "2"}, {"bob", "1"}}),
              e2e::QuerySql(copy, "select Number, CallType from History order by rowid"));
    for (const auto& row : e2e::QuerySql(copy, "select History from History"))
        EXPECT_TRUE(std::regex_search(row[0], std::regex("^\\d{4}-\\d\\d-\\d\\d .* \\d\\d:\\d\\d:\\d\\d$"))) << row[0];
}

} // namespace
