// Proves the main window's sign-in against the engine stand-in's journal: the exact calls and
// arguments in order (agent text, a local port of 5000..8999, the deciphered password, expiry
// 90 for a stored value of 0 or less, the IPv6 address for a proxy holding a colon), every
// failure path with the text it shows and the engine state it leaves, and the sign-out, the
// sign-in window's attempts and the timer tick that signs in once.
#include "core/AccountRecord.h"
#include "core/OptionsRecord.h"
#include "core/TavikSQL.h"
#include "resources/ProgramIds.h"
#include "skin/ui/controls/SliderCtrlEx.h"
#include "tests/windows/MainFrameTestSupport.h"

#include <cstdlib>

namespace windows_test {
namespace {

using testing::ElementsAre;

class SignIn : public MainFrameTest {};

// The local port is the sixth argument after the handle of Tavik_setUserInfo.
int LocalPortOf(const std::string& setUserInfo)
{
    size_t at = 0;
    for (int comma = 0; comma < 6; ++comma)
        at = setUserInfo.find(',', at) + 1;
    return std::atoi(setUserInfo.c_str() + at);
}

TEST_F(SignIn, CallsTheEngineInOrderWithTheAccountsValues)
{
    CreateFrame();
    UseAccount();
    g_options.logLevel = 3;
    g_options.logPath = "C:/logs";
    ASSERT_TRUE(frame->SignIn());
    std::vector<std::string> journal;
    for (const std::string& line : Journal()) {
        if (line.find("Volume(") == std::string::npos)   // the call page reads the volumes
            journal.push_back(line);
    }
    ASSERT_GE(journal.size(), 4u);
    EXPECT_EQ("Tavik_initialize(callback,0,3,\"C:/logs\",2,\"Lumeo v8.1, Build 01220214\",\"stun.example\",3478,0,0,out)",
              journal[0]);
    EXPECT_EQ("Tavik_getLocalIP(H,0,out,64)", journal[1]);
    const std::string userInfo = journal[2];
    const int port = LocalPortOf(userInfo);
    EXPECT_GE(port, 5000);
    EXPECT_LE(port, 8999);
    EXPECT_EQ("Tavik_setUserInfo(H,\"alice\",\"Alice\",\"alice-auth\",\"secret\",\"127.0.0.1\"," +
                  std::to_string(port) + ",\"example\",\"sip.example\",5060,\"\",0)",
              userInfo);
    // The settings push comes between the user and the registration.
    EXPECT_EQ("Tavik_disableCallForwarding(H)", journal[3]);
    EXPECT_EQ("Tavik_registerServer(H,300)", journal.back());
    EXPECT_NE(0u, frame->GetEngineHandle());
    EXPECT_EQ(L"MAIN_WND/35008", StatusText());
    EXPECT_EQ(L"alice: MAIN_WND/35008", CallPageText(1046));
    // The call page is shown.
    EXPECT_EQ(BST_CHECKED, ::SendDlgItemMessageW(frame->GetSafeHwnd(), 1004, BM_GETCHECK, 0, 0));
}

TEST_F(SignIn, TheVolumeSlidersTakeTheEnginesVolumes)
{
    CreateFrame();
    UseAccount();
    ASSERT_TRUE(frame->SignIn());
    for (const int id : {1016, 1017}) {
        auto* slider = dynamic_cast<Vexel::CSliderCtrlEx*>(frame->GetCallPage()->GetDlgItem(id));
        ASSERT_NE(nullptr, slider) << id;
        int minimum = -1;
        int maximum = -1;
        slider->GetRange(minimum, maximum);
        EXPECT_EQ(0, minimum);
        EXPECT_EQ(255, maximum);
        EXPECT_EQ(128, slider->GetPos()) << id;
    }
}

TEST_F(SignIn, RegistersForNinetySecondsWhenTheStoredPeriodIsZeroOrLess)
{
    CreateFrame();
    for (const int stored : {0, -5}) {
        UseAccount();
        g_account.RegVal = stored;
        EngineControl_ClearJournal();
        ASSERT_TRUE(frame->SignIn()) << stored;
        EXPECT_THAT(JournalOf("Tavik_registerServer"), ElementsAre("Tavik_registerServer(H,90)")) << stored;
    }
}

TEST_F(SignIn, TakesTheIpv6AddressWhenTheProxyHoldsAColon)
{
    CreateFrame();
    UseAccount();
    g_account.ProxyServer = "[2001:db8::1]";
    ASSERT_TRUE(frame->SignIn());
    EXPECT_THAT(JournalOf("Tavik_getLocalIP6"), ElementsAre("Tavik_getLocalIP6(H,0,out,64)"));
    EXPECT_TRUE(JournalOf("Tavik_getLocalIP").empty());
    EXPECT_NE(std::string::npos, JournalOf("Tavik_setUserInfo").at(0).find("\"::1\""));
}

TEST_F(SignIn, DrawsLocalPortsAcrossTheWholeRange)
{
    CreateFrame();
    UseAccount();
    ASSERT_TRUE(frame->SignIn());
    const int port = LocalPortOf(JournalOf("Tavik_setUserInfo").at(0));
    EXPECT_GE(port, 5000);
    EXPECT_LE(port, 8999);
}

// Each failure path: what the engine is told to do, the texts shown and the state left.
struct Failure {
    const char* name;
    void (*script)();
    const wchar_t* status;
    const wchar_t* lineText;
    bool handleKept;
    bool uninitialised;
};

const Failure kFailures[] = {
    {"no handle", [] { EngineControl_ScriptInitialize(0, 0); }, L"MAIN_WND/35006", L"MAIN_WND/35006", false, false},
    {"handle with an error", [] { EngineControl_ScriptInitialize(1, 7); }, L"MAIN_WND/35006", L"MAIN_WND/35006",
     true, false},
    {"user refused", [] { EngineControl_ScriptResult("Tavik_setUserInfo", -1); }, L"MAIN_WND/35018",
     L"MAIN_WND/35018", false, true},
    {"registration refused", [] { EngineControl_ScriptResult("Tavik_registerServer", -1); }, L"MAIN_WND/35007",
     L"alice: MAIN_WND/35007", false, true},
};

TEST_F(SignIn, EveryFailureShowsItsTextAndLeavesTheEngineAsDescribed)
{
    CreateFrame();
    for (const Failure& failure : kFailures) {
        SCOPED_TRACE(failure.name);
        UseAccount();
        failure.script();
        EngineControl_ClearJournal();
        EXPECT_FALSE(frame->SignIn());
        EXPECT_EQ(failure.status, StatusText());
        EXPECT_EQ(failure.lineText, CallPageText(1046));
        EXPECT_EQ(failure.handleKept, frame->HasEngine());
        EXPECT_EQ(failure.uninitialised ? 1u : 0u, JournalOf("Tavik_unInitialize").size());
        EXPECT_TRUE(JournalOf("Tavik_registerServer").empty() || failure.uninitialised);
        // A handle kept from a failed start goes with the next sign-out.
        frame->SignOut(false);
        EXPECT_FALSE(frame->HasEngine());
    }
}

TEST_F(SignIn, ASecondSignInShutsTheLiveEngineDownBeforeItsCallbackGoes)
{
    CreateFrame();
    UseAccount();
    ASSERT_TRUE(frame->SignIn());
    EngineControl_ClearJournal();
    ASSERT_TRUE(frame->SignIn());
    const std::vector<std::string> journal = engine_control::JournalLines();
    ASSERT_GE(journal.size(), 2u);
    EXPECT_EQ(0u, journal[0].find("Tavik_unInitialize("));
    EXPECT_EQ(0u, journal[1].find("Tavik_initialize("));
    EXPECT_EQ(1, EngineControl_GetEngineCount());
}

TEST_F(SignIn, TheTimerTickSignsInOnce)
{
    CreateFrame();
    UseAccount();
    frame->SendMessage(WM_TIMER, kSignInTimer, 0);
    EXPECT_EQ(1u, JournalOf("Tavik_initialize").size());
    PumpPending();
    EXPECT_EQ(1u, JournalOf("Tavik_initialize").size());
}

TEST_F(SignIn, SignOutWhileSignedInHangsUpUnregistersAndEmptiesTheLines)
{
    CreateFrame();
    UseAccount();
    ASSERT_TRUE(frame->SignIn());
    frame->SetSignedIn(1);
    EngineControl_ClearJournal();
    frame->SignOut(true);
    EXPECT_THAT(engine_control::JournalLines(),
                ElementsAre(testing::StartsWith("Tavik_viewLocalVideo("), testing::StartsWith("Tavik_unRegisterServer("),
                            testing::StartsWith("Tavik_unInitialize(")));
    EXPECT_FALSE(frame->HasEngine());
    EXPECT_EQ(0, frame->IsSignedIn());
    EXPECT_EQ(L"MAIN_WND/35004", StatusText());
    for (const int label : {1045, 1046, 1047})
        EXPECT_EQ(L"", CallPageText(label)) << label;
    EXPECT_TRUE(g_account.UserName.empty());
    EXPECT_EQ(90, g_account.RegVal);
    EXPECT_THAT(pages.log, testing::Contains("history:clear-list"));
}

TEST_F(SignIn, SignOutWithAHandleButNotSignedInUninitialisesWithoutUnregistering)
{
    CreateFrame();
    UseAccount();
    ASSERT_TRUE(frame->SignIn());
    EngineControl_ClearJournal();
    frame->SignOut(false);
    EXPECT_TRUE(JournalOf("Tavik_unRegisterServer").empty());
    EXPECT_EQ(1u, JournalOf("Tavik_unInitialize").size());
    EXPECT_EQ("alice", g_account.UserName);
}

TEST_F(SignIn, TheSignInWindowIsAskedAtMostThreeTimesAndCancelEndsAtOnce)
{
    CreateFrame();
    {
        ModalAnswers answers({IDCANCEL});
        EXPECT_FALSE(frame->RunSignInDialog());
        EXPECT_THAT(answers.Windows(), ElementsAre(L"IDW_LOGINWINDOW"));
    }
    {
        // Confirmed three times with an account that cannot be saved.
        g_account = AccountRecord();
        ModalAnswers answers({IDOK, IDOK, IDOK, IDOK});
        EXPECT_FALSE(frame->RunSignInDialog());
        EXPECT_EQ(3u, answers.Windows().size());
        ASSERT_EQ(3u, prompts.Prompts().size());
        EXPECT_EQ(L"MAIN_WND/35010", prompts.Prompts()[0].text);
    }
    {
        UseAccount();
        ModalAnswers answers({IDOK});
        EXPECT_TRUE(frame->RunSignInDialog());
    }
}

TEST_F(SignIn, SignOutFromTheMenuWaitsThenAsksForAnAccountAndSignsInAgain)
{
    CreateFrame();
    UseAccount();
    ASSERT_TRUE(frame->SignIn());
    EngineControl_ClearJournal();
    ModalAnswers answers({IDOK});
    answers.inspect = [](Vexel::CUIWnd&) {
        // What the sign-in window would have stored.
        g_account.UserName = "bob";
        g_account.Password = "00";
        g_account.ProxyServer = "sip.example";
        g_account.ProxyPort = 5060;
    };
    frame->Command(ID_MAIN_SIGNOUT);
    EXPECT_THAT(s_pauses, ElementsAre(200u));
    // The status is offline: the command's own text is no status.
    EXPECT_EQ(L"MISC/38008", ControlText(1010));
    EXPECT_EQ(1u, JournalOf("Tavik_unInitialize").size());
    const auto userInfo = JournalOf("Tavik_setUserInfo");
    ASSERT_EQ(1u, userInfo.size());
    EXPECT_NE(std::string::npos, userInfo[0].find("\"bob\""));
}

} // namespace
} // namespace windows_test
