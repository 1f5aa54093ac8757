// Proves whole calls on the call page against the engine stand-in: placed, ringing back,
// answered and ended by either side, and incoming calls answered, rejected or given up; at
// each step the engine calls with their exact arguments, the labels and the sounds, and at the
// end one history row with its type, party and duration. Also the stand-in's own progress of
// a placed call, dialling refusals (a ringing line is never dialled over), redial, an engine
// that refuses the call, a quote in a caller's name and address, and sign-out or a failed
// registration with calls up.
#include "core/AccountRecord.h"
#include "resources/Resource.h"
#include "skin/ui/controls/TreeList.h"
#include "tests/windows/CallPageTestSupport.h"
#include "windows/history/HistoryList.h"

namespace windows_test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class CallFlow : public CallPageTest {};

enum class CallEnding { OurHangUp, TheirHangUp, Failure };

struct CallCase {
    const char* name;
    bool incoming;
    bool answered;
    CallEnding ending;
    int callType;
    const char* duration;
};

const CallCase kCalls[] = {
    {"placed, answered, we hang up", false, true, CallEnding::OurHangUp, 2, "00:01:05"},
    {"placed, answered, they hang up", false, true, CallEnding::TheirHangUp, 2, "00:01:05"},
    {"placed, we give up while it rings", false, false, CallEnding::OurHangUp, 4, "00:00:00"},
    {"placed, they are busy", false, false, CallEnding::Failure, 4, "00:00:00"},
    {"incoming, answered, we hang up", true, true, CallEnding::OurHangUp, 1, "00:01:05"},
    {"incoming, answered, they hang up", true, true, CallEnding::TheirHangUp, 1, "00:01:05"},
    {"incoming, we reject it", true, false, CallEnding::OurHangUp, 3, "00:00:00"},
    {"incoming, they give up", true, false, CallEnding::TheirHangUp, 3, "00:00:00"},
};

TEST_F(CallFlow, EachCallShowsItsStepsCallsTheEngineAndLeavesOneHistoryRow)
{
    SignInFrame();
    for (const CallCase& call : kCalls) {
        SCOPED_TRACE(call.name);
        EngineControl_ClearJournal();
        s_sounds.clear();
        ClearHistory();
        const std::int64_t start = s_now;
        std::vector<std::string> journal;
        int session = 0;

        if (call.incoming) {
            session = 101;
            IncomingCall(session, "carol@sip.example", "Carol");
            EXPECT_EQ(L"Carol <carol@sip.example>", Labels()[0]);
            EXPECT_EQ(L"CALL_WND/300151: ", Labels()[1]);
            EXPECT_TRUE(Line(1).IsIncomingPending());
            EXPECT_THAT(Sounds(), ElementsAre("ringin"));
            EXPECT_TRUE(TakeTimer(13));
            if (call.answered) {
                Command(IDC_BTN_DIAL);
                EXPECT_EQ(L"CALL_WND/30004", Labels()[1]);
                journal = {"Tavik_setRemoteVideoWindow(H,101," + RemoteVideo() + ")", "Tavik_answerCall(H,101)"};
            }
        } else {
            session = DialFromButton(L"sip:carol@sip.example");
            ASSERT_GT(session, 0);
            const std::string id = std::to_string(session);
            journal = {"Tavik_call(H,\"sip:carol@sip.example\",1,out)",
                       "Tavik_setRemoteVideoWindow(H," + id + "," + RemoteVideo() + ")"};
            EXPECT_EQ(L"carol", Labels()[0]);
            EXPECT_EQ(L"CALL_WND/30001", Labels()[1]);
            InjectEvent(4, session, {"carol@sip.example", "carol", 100, "Trying"});
            EXPECT_EQ(L"CALL_WND/30001", Labels()[1]);
            InjectEvent(5, session, {"carol@sip.example", "carol", 180, "Ringing"});
            EXPECT_EQ(L"CALL_WND/30017", Labels()[1]);
            EXPECT_THAT(Sounds(), ElementsAre("ringing"));
            EXPECT_TRUE(TakeTimer(14));
            if (call.answered) {
                InjectEvent(6, session, {"carol@sip.example", "carol", 200, "OK"});
                EXPECT_EQ(L"CALL_WND/30004", Labels()[1]);
            }
        }
        EXPECT_TRUE(Line(1).IsBusy() || !call.answered);
        if (call.answered) {
            EXPECT_TRUE(TakeTimer(20));
            Tick(20);
            EXPECT_EQ(L"CALL_WND/30046 00:00:01", Labels()[2]);
            Advance(65);
        }

        const std::string id = std::to_string(session);
        s_sounds.clear();
        switch (call.ending) {
        case CallEnding::OurHangUp:
            Command(IDC_BTN_HANGUP);
            journal.push_back(call.incoming && !call.answered ? "Tavik_rejectCall(H," + id + ",486,\"Busy here\")"
                                                              : "Tavik_terminateCall(H," + id + ")");
            EXPECT_EQ(L"CALL_WND/30012", Labels()[1]);
            break;
        case CallEnding::TheirHangUp:
            InjectEvent(8, session, {"carol@sip.example", "carol", 200, "Bye"});
            EXPECT_EQ(L"CALL_WND/30012", Labels()[1]);
            break;
        case CallEnding::Failure:
            InjectEvent(7, session, {"carol@sip.example", "carol", 486, "Busy Here"});
            EXPECT_EQ(L"Busy Here 486", Labels()[1]);
            break;
        }
        EXPECT_THAT(Sounds(), ElementsAre("disconnect"));
        EXPECT_EQ(journal, CallJournal());
        EXPECT_FALSE(Line(1).IsBusy());
        EXPECT_FALSE(Line(1).IsIncomingPending());
        EXPECT_EQ(0, Line(1).GetSessionId());
        EXPECT_FALSE(TakeTimer(20));
        EXPECT_FALSE(TakeTimer(13));
        EXPECT_FALSE(TakeTimer(14));
        const std::vector<HistoryEntry> rows = HistoryRows();
        ASSERT_EQ(1u, rows.size());
        EXPECT_EQ(TimeText(start) + "    " + call.duration, rows[0].text);
        EXPECT_EQ("carol", rows[0].number);
        EXPECT_EQ(call.callType, rows[0].callType);
    }
}

TEST_F(CallFlow, TheStandInsOwnProgressConnectsAPlacedCall)
{
    for (const EngineTiming timing : {EngineTiming_CallTrying, EngineTiming_CallRinging, EngineTiming_CallAnswer})
        EngineControl_SetTiming(timing, 0);
    SignInFrame();
    const int session = DialFromButton(L"5551234");
    ASSERT_GT(session, 0);
    EXPECT_EQ(L"5551234", Labels()[0]);
    EXPECT_TRUE(PumpUntil([&] { return Labels()[1] == L"CALL_WND/30004"; }));
    EXPECT_THAT(Sounds(), ElementsAre("ringing"));
    EXPECT_TRUE(TakeTimer(20));
    EXPECT_FALSE(TakeTimer(14));
    Command(IDC_BTN_HANGUP);
    const std::vector<HistoryEntry> rows = HistoryRows();
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ("5551234", rows[0].number);
    EXPECT_EQ(2, rows[0].callType);
}

TEST_F(CallFlow, TheDialButtonRedialsAndEnterWithAnEmptyFieldDoesNothing)
{
    SignInFrame();
    const int first = DialFromButton(L"sip:dave@other.example");
    ASSERT_GT(first, 0);
    Command(IDC_BTN_HANGUP);
    EngineControl_ClearJournal();

    TypeNumber(L"");
    PressEnter();
    EXPECT_THAT(CallJournal(), IsEmpty());

    Command(IDC_BTN_DIAL);
    EXPECT_THAT(JournalOf("Tavik_call"), ElementsAre("Tavik_call(H,\"sip:dave@other.example\",1,out)"));
    EXPECT_EQ(L"sip:dave@other.example", NumberField());
    EXPECT_TRUE(Line(1).IsBusy());
    // A busy line takes neither a new number nor a redial.
    TypeNumber(L"5550000");
    Command(IDC_BTN_DIAL);
    PressEnter();
    EXPECT_FALSE(frame->MakeCall(L"5550000"));
    EXPECT_EQ(1u, JournalOf("Tavik_call").size());
    EXPECT_THAT(Page().GetDialledNumbers(), ElementsAre("sip:dave@other.example", "sip:dave@other.example"));
}

TEST_F(CallFlow, ARingingLineIsAnsweredByTheDialButtonAndNeverDialledOver)
{
    SignInFrame();
    IncomingCall(101);
    TypeNumber(L"5550000");
    PressEnter();
    EXPECT_FALSE(frame->MakeCall(L"5551111"));
    EXPECT_THAT(CallJournal(), IsEmpty());
    EXPECT_TRUE(Line(1).IsIncomingPending());
    EXPECT_EQ(101, Line(1).GetSessionId());

    Command(IDC_BTN_DIAL);
    EXPECT_THAT(CallJournal(), ElementsAre("Tavik_setRemoteVideoWindow(H,101," + RemoteVideo() + ")",
                                           "Tavik_answerCall(H,101)"));
    EXPECT_TRUE(Line(1).IsBusy());
}

TEST_F(CallFlow, DialForAnotherPageNeedsTheSignInAndShowsTheCallPage)
{
    SignInFrame();
    frame->SetSignedIn(0);
    EXPECT_FALSE(Page().Dial(L"5551234"));
    EXPECT_THAT(CallJournal(), IsEmpty());

    frame->SetSignedIn(1);
    frame->SendMessage(WM_COMMAND, IDC_RAD_CONTACTS, 0);
    EXPECT_TRUE(frame->MakeCall(L"sip:erin@sip.example"));
    EXPECT_EQ(BST_CHECKED, ::SendDlgItemMessageW(frame->GetSafeHwnd(), IDC_RAD_CALLPHONES, BM_GETCHECK, 0, 0));
    EXPECT_EQ(L"erin", Labels()[0]);
    EXPECT_EQ(L"CALL_WND/30001", Labels()[1]);
    EXPECT_EQ(L"sip:erin@sip.example", Line(1).info.GetCallee().Str());
    EXPECT_EQ(L"alice", Line(1).info.GetCaller().Str());
}

TEST_F(CallFlow, ACallTheEngineRefusesLeavesTheLineIdleAndKeepsTheNumber)
{
    SignInFrame();
    EngineControl_ScriptResult("Tavik_call", 0);
    EXPECT_EQ(0, DialFromButton(L"5559999"));
    EXPECT_EQ(L"CALL_WND/30000", Labels()[1]);
    EXPECT_FALSE(Line(1).IsBusy());
    EXPECT_EQ(0, Line(1).GetSessionId());
    EXPECT_EQ(L"5559999", NumberField());
    EXPECT_EQ(L"5559999", Page().GetLastDialledNumber().Str());
    EXPECT_THAT(CallJournal(), ElementsAre("Tavik_call(H,\"5559999\",1,out)"));
    EXPECT_THAT(HistoryRows(), IsEmpty());
}

TEST_F(CallFlow, ACallerNameAndAddressHoldingAQuoteAreStoredAndReadBackIntact)
{
    SignInFrame();
    IncomingCall(101, "o'brien@sip.example", "Miles O'Brien");
    EXPECT_EQ(L"Miles O'Brien <o'brien@sip.example>", Labels()[0]);
    Command(IDC_BTN_HANGUP);
    // A later start: the history keys its rows by start time and duration.
    Advance(1);
    const int placed = DialFromButton(L"sip:o'hara@other.example");
    ASSERT_GT(placed, 0);
    EXPECT_EQ(L"o'hara", Labels()[0]);
    Advance(3);
    Command(IDC_BTN_HANGUP);
    const std::vector<HistoryEntry> rows = HistoryRows();
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ("o'brien", rows[0].number);
    EXPECT_EQ(3, rows[0].callType);
    EXPECT_EQ("sip:o'hara@other.example", rows[1].number);
    EXPECT_EQ(4, rows[1].callType);
}

TEST_F(CallFlow, SignOutWithCallsOnLinesTwoAndFourEndsBothRecordsBothAndStopsTheirClocks)
{
    SignInFrame();
    int sessions[6] = {};
    for (const int line : {2, 4}) {
        Page().SwitchLine(line);
        sessions[line] = DialFromButton(line == 2 ? L"sip:bob@sip.example" : L"sip:carol@sip.example");
        ASSERT_GT(sessions[line], 0) << line;
        InjectEvent(6, sessions[line]);
        Advance(10);
    }
    EXPECT_TRUE(Line(2).IsHeld());
    EngineControl_ClearJournal();
    frame->SignOut(false);
    EXPECT_THAT(CallJournal(), ElementsAre("Tavik_terminateCall(H," + std::to_string(sessions[2]) + ")",
                                           "Tavik_terminateCall(H," + std::to_string(sessions[4]) + ")"));
    for (const int line : {2, 4}) {
        EXPECT_FALSE(TakeTimer(19 + line)) << line;
        EXPECT_FALSE(Line(line).IsBusy()) << line;
        EXPECT_EQ(0, Line(line).GetSessionId()) << line;
    }
    const std::vector<HistoryEntry> rows = HistoryRows();
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ("bob", rows[0].number);
    EXPECT_EQ(2, rows[0].callType);
    EXPECT_EQ("00:00:20", rows[0].text.substr(rows[0].text.size() - 8));
    EXPECT_EQ("carol", rows[1].number);
    EXPECT_EQ(2, rows[1].callType);
    EXPECT_EQ("00:00:10", rows[1].text.substr(rows[1].text.size() - 8));
    for (const std::wstring& label : Labels())
        EXPECT_EQ(L"", label);
}

TEST_F(CallFlow, SigningOutWithTwoCallsUpLeavesTheHistoryListEmptyAndBothRowsStored)
{
    SignInFrame();
    frame->History()->passOn = true;
    for (const int line : {1, 2}) {
        Page().SwitchLine(line);
        const int session = DialFromButton(line == 1 ? L"sip:bob@sip.example" : L"sip:carol@sip.example");
        ASSERT_GT(session, 0) << line;
        InjectEvent(6, session);
        Advance(5);
    }
    frame->SignOut(false);
    const std::vector<HistoryEntry> rows = HistoryRows();
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ("bob", rows[0].number);
    EXPECT_EQ("carol", rows[1].number);
    CHistoryList* const list = frame->History()->GetList();
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(0u, list->GetTreeList()->GetCount()) << "the list is emptied after the calls' rows were added";
}

TEST_F(CallFlow, AFailedRegistrationWithCallsUpEndsAndRecordsThemBeforeSigningOut)
{
    SignInFrame();
    const int placed = DialFromButton(L"sip:bob@sip.example");
    InjectEvent(6, placed);
    Page().SwitchLine(2);
    Advance(1);
    IncomingCall(102);
    EngineControl_ClearJournal();
    ModalAnswers answers({IDCANCEL});
    InjectEvent(2, 0, {nullptr, nullptr, 403, "Forbidden"});
    EXPECT_THAT(answers.Windows(), ElementsAre(L"IDW_LOGINWINDOW"));
    const std::vector<std::string> journal = Journal();
    const std::vector<std::string> calls = CallJournal();
    EXPECT_THAT(calls, ElementsAre("Tavik_terminateCall(H," + std::to_string(placed) + ")",
                                   "Tavik_rejectCall(H,102,486,\"Busy here\")"));
    ASSERT_FALSE(journal.empty());
    EXPECT_EQ(0u, journal.back().find("Tavik_unInitialize("));
    const std::vector<HistoryEntry> rows = HistoryRows();
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ(2, rows[0].callType);
    EXPECT_EQ(3, rows[1].callType);
    EXPECT_EQ(0, frame->IsSignedIn());
}

} // namespace
} // namespace windows_test
