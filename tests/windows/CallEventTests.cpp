// Proves the call page's handling of each engine event type against the engine stand-in: with
// placed calls on lines 1 (current) and 2 (held), every call event type of 3 to 8 and 13 to
// 20 lands on the line that holds its session, stores its text there and shows it only when
// that line is current, starts or stops what it should, writes a history row only when a call
// ends, and each record is released once; a session id of 0 or one no line holds, and every
// other type, change nothing. Also the incoming-call cases (a second call beside a busy line,
// a sixth call, do not disturb, auto answer) and the registration events.
#include "resources/Resource.h"
#include "tests/windows/CallPageTestSupport.h"

#include <functional>

namespace windows_test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class CallEvents : public CallPageTest {
protected:
    // Lines 1 and 2 with placed calls, line 1 current and line 2 held; the journal, sounds
    // and history empty.
    void TwoPlacedCalls()
    {
        Page().HangUpAllLines();
        Page().SwitchLine(2);
        sessions[2] = DialFromButton(L"dave");
        Page().SwitchLine(1);
        sessions[1] = DialFromButton(L"sip:carol@sip.example");
        ASSERT_GT(sessions[1], 0);
        ASSERT_GT(sessions[2], 0);
        ASSERT_TRUE(Line(2).IsHeld());
        for (UINT_PTR timer : {13, 14, 20, 21})
            TakeTimer(timer);
        EngineControl_ClearJournal();
        s_sounds.clear();
        ClearHistory();
    }

    int sessions[3] = {};
};

// What an event does to the line it lands on.
struct EventCase {
    const char* name;
    int type;
    EventFields fields;
    const wchar_t* text2;
    bool endsCall;      // the line is idle afterwards
    int historyRows;
    const char* sound;  // null: none
    UINT_PTR timer;     // 0, 14 (ring-back) or 1 (the line's clock)
    // The call operations the event makes, for the line's session.
    std::function<std::vector<std::string>(int session, const std::string& video)> journal;
};

std::vector<std::string> NoCalls(int, const std::string&)
{
    return {};
}

const EventCase kEvents[] = {
    {"4 trying", 4, {nullptr, nullptr, 100, "Trying"}, L"CALL_WND/30001", false, 0, nullptr, 0, NoCalls},
    {"5 ringing", 5, {nullptr, nullptr, 180, "Ringing"}, L"CALL_WND/30017", false, 0, "ringing", 14, NoCalls},
    {"5 ringing with early media", 5, {nullptr, nullptr, 183, "Session Progress", nullptr, true}, L"CALL_WND/30017",
     false, 0, nullptr, 0, NoCalls},
    {"6 answered", 6, {nullptr, nullptr, 200, "OK"}, L"CALL_WND/30004", false, 0, nullptr, 1, NoCalls},
    {"7 failed", 7, {nullptr, nullptr, 603, "Decline"}, L"Decline 603", true, 1, "disconnect", 0, NoCalls},
    {"8 ended", 8, {nullptr, nullptr, 200, "Bye"}, L"CALL_WND/30012", true, 1, "disconnect", 0, NoCalls},
    {"13 notice", 13, {}, L"CALL_WND/30018", false, 0, nullptr, 0, NoCalls},
    {"14 notice", 14, {}, L"CALL_WND/30004", false, 0, nullptr, 0, NoCalls},
    {"15 with a note", 15, {nullptr, nullptr, 0, nullptr, "call moved"}, L"CALL_WND/30019: call moved", false, 0,
     nullptr, 0, NoCalls},
    {"15 without a note", 15, {}, L"CALL_WND/30019...", false, 0, nullptr, 0, NoCalls},
    {"16 notice", 16, {}, L"CALL_WND/30020", false, 0, nullptr, 0, NoCalls},
    {"17 video", 17, {}, L"CALL_WND/30021", false, 0, nullptr, 1,
     [](int session, const std::string& video) {
         return std::vector<std::string>{"Tavik_setRemoteVideoWindow(H," + std::to_string(session) + "," + video + ")"};
     }},
    {"18 gone", 18, {}, L"CALL_WND/30021", true, 0, nullptr, 0, NoCalls},
    {"19 reason", 19, {nullptr, nullptr, 0, "Moved"}, L"CALL_WND/30022Moved", false, 0, nullptr, 0, NoCalls},
    {"20 reason", 20, {nullptr, nullptr, 0, "Resumed"}, L"CALL_WND/30022Resumed", false, 0, nullptr, 0,
     [](int session, const std::string&) {
         return std::vector<std::string>{"Tavik_unHold(H," + std::to_string(session) + ")"};
     }},
};

TEST_F(CallEvents, EachCallEventLandsOnItsLineAndShowsItOnlyWhenThatLineIsCurrent)
{
    SignInFrame();
    for (const EventCase& event : kEvents) {
        for (const int target : {1, 2}) {
            SCOPED_TRACE(testing::Message() << event.name << " on line " << target);
            TwoPlacedCalls();
            const int other = 3 - target;
            const auto labelsBefore = Labels();
            const auto otherBefore = LineTexts(other);
            const int session = sessions[target];

            InjectEvent(event.type, session, event.fields);

            EXPECT_EQ(event.text2, LineTexts(target)[1]);
            EXPECT_EQ(otherBefore, LineTexts(other));
            if (target == 1)
                EXPECT_EQ(event.text2, Labels()[1]);
            else
                EXPECT_EQ(labelsBefore, Labels());
            EXPECT_EQ(event.endsCall, !Line(target).IsBusy());
            EXPECT_EQ(event.endsCall ? 0 : session, Line(target).GetSessionId());
            EXPECT_TRUE(Line(other).IsBusy());
            EXPECT_EQ(static_cast<size_t>(event.historyRows), HistoryRows().size());
            EXPECT_EQ(event.sound ? std::vector<std::string>{event.sound} : std::vector<std::string>{}, Sounds());
            EXPECT_EQ(event.timer == 14, TakeTimer(14));
            EXPECT_EQ(event.timer == 1, TakeTimer(19 + target));
            EXPECT_FALSE(TakeTimer(19 + other));
            EXPECT_EQ(event.journal(session, RemoteVideo()), CallJournal());
            EXPECT_EQ(0, EngineControl_GetLiveRecordCount());
        }
    }
    EXPECT_EQ(0, EngineControl_GetBadReleaseCount());
}

TEST_F(CallEvents, EventsForNoLineAndEventsOfOtherTypesChangeNothing)
{
    SignInFrame();
    TwoPlacedCalls();
    InjectEvent(6, sessions[1]);
    TakeTimer(20);
    EngineControl_ClearJournal();
    const auto labels = Labels();
    const auto line1 = LineTexts(1);
    const auto line2 = LineTexts(2);
    const struct {
        int type;
        int session;
    } kIgnored[] = {{4, 0},  {6, 0},   {8, 0},   {17, -1}, {20, 0},  {18, 999}, {7, 999}, {9, sessions[1]},
                    {10, sessions[1]}, {11, sessions[1]}, {12, sessions[1]}, {22, sessions[1]}, {25, sessions[1]},
                    {29, sessions[1]}, {33, sessions[1]}, {0, sessions[1]}};
    for (const auto& event : kIgnored) {
        SCOPED_TRACE(testing::Message() << "type " << event.type << ", session " << event.session);
        InjectEvent(event.type, event.session, {nullptr, nullptr, 500, "Server Error"});
        EXPECT_EQ(labels, Labels());
        EXPECT_EQ(line1, LineTexts(1));
        EXPECT_EQ(line2, LineTexts(2));
        EXPECT_TRUE(Line(1).IsBusy());
        EXPECT_TRUE(Line(2).IsBusy());
        EXPECT_FALSE(TakeTimer(20));
        EXPECT_EQ(0, EngineControl_GetLiveRecordCount());
    }
    EXPECT_THAT(CallJournal(), IsEmpty());
    EXPECT_THAT(HistoryRows(), IsEmpty());
}

TEST_F(CallEvents, ASecondIncomingCallBesideABusyLineOneRingsSilentlyOnLineTwo)
{
    SignInFrame();
    SetChecked(IDC_CHK_AA, true);
    const int placed = DialFromButton(L"sip:carol@sip.example");
    InjectEvent(6, placed);
    TakeTimer(20);
    s_sounds.clear();
    EngineControl_ClearJournal();

    IncomingCall(102, "bob@sip.example", "Bob");
    EXPECT_TRUE(Line(2).IsIncomingPending());
    EXPECT_FALSE(Line(2).IsBusy());
    EXPECT_EQ(102, Line(2).GetSessionId());
    EXPECT_EQ(1, Page().GetCurrentLine());
    EXPECT_EQ(L"Bob <bob@sip.example>", Labels()[0]);
    EXPECT_EQ(L"CALL_WND/300152: ", Labels()[1]);
    EXPECT_THAT(Sounds(), IsEmpty());
    EXPECT_FALSE(TakeTimer(13));
    EXPECT_THAT(CallJournal(), IsEmpty());

    // The user answers it on its own line; the call left goes on hold.
    Command(IDC_CHK_LINE2);
    Command(IDC_BTN_DIAL);
    EXPECT_THAT(CallJournal(), ElementsAre("Tavik_hold(H," + std::to_string(placed) + ")",
                                           "Tavik_setRemoteVideoWindow(H,102," + RemoteVideo() + ")",
                                           "Tavik_answerCall(H,102)"));
    EXPECT_TRUE(Line(2).IsBusy());
    EXPECT_TRUE(Line(1).IsHeld());
}

TEST_F(CallEvents, ASixthCallIsRejectedBusyAndLeavesNoTrace)
{
    SignInFrame();
    for (int session = 101; session <= 105; ++session)
        IncomingCall(session, "bob@sip.example", "Bob");
    for (int line = 1; line <= 5; ++line)
        EXPECT_EQ(100 + line, Line(line).GetSessionId()) << line;
    EXPECT_EQ(-1, Page().FindFreeLine());
    const auto labels = Labels();
    TakeTimer(13);
    s_sounds.clear();
    EngineControl_ClearJournal();

    IncomingCall(106, "eve@sip.example", "Eve");
    EXPECT_THAT(CallJournal(), ElementsAre("Tavik_rejectCall(H,106,486,\"Busy here\")"));
    EXPECT_EQ(labels, Labels());
    for (int line = 1; line <= 5; ++line) {
        EXPECT_EQ(100 + line, Line(line).GetSessionId()) << line;
        EXPECT_NE(std::wstring::npos, LineTexts(line)[0].find(L"bob@sip.example")) << line;
    }
    EXPECT_THAT(Sounds(), IsEmpty());
    EXPECT_THAT(HistoryRows(), IsEmpty());
}

TEST_F(CallEvents, DoNotDisturbRejectsBusyAndRecordsAnUnansweredCall)
{
    SignInFrame();
    SetChecked(IDC_CHK_DND, true);
    const std::int64_t start = s_now;
    IncomingCall(101, "bob@sip.example", "Bob");
    EXPECT_THAT(CallJournal(), ElementsAre("Tavik_rejectCall(H,101,486,\"Busy here\")"));
    EXPECT_EQ(L"CALL_WND/30016", Labels()[1]);
    EXPECT_EQ(L"Bob <bob@sip.example>", Labels()[0]);
    EXPECT_FALSE(Line(1).IsIncomingPending());
    EXPECT_EQ(0, Line(1).GetSessionId());
    EXPECT_THAT(Sounds(), IsEmpty());
    const std::vector<HistoryEntry> rows = HistoryRows();
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ(TimeText(start) + "    00:00:00", rows[0].text);
    EXPECT_EQ("bob", rows[0].number);
    EXPECT_EQ(3, rows[0].callType);
}

TEST_F(CallEvents, AutoAnswerSwitchesToTheCallsLineAnswersItAndPlaysItsSound)
{
    SignInFrame();
    IncomingCall(101);
    TakeTimer(13);
    SetChecked(IDC_CHK_AA, true);
    s_sounds.clear();
    EngineControl_ClearJournal();

    IncomingCall(102, "carol@sip.example", "Carol");
    EXPECT_EQ(2, Page().GetCurrentLine());
    EXPECT_TRUE(IsChecked(IDC_CHK_LINE2));
    EXPECT_FALSE(IsChecked(IDC_CHK_LINE1));
    EXPECT_TRUE(Line(2).IsBusy());
    EXPECT_FALSE(Line(2).IsIncomingPending());
    EXPECT_TRUE(Line(1).IsIncomingPending());
    EXPECT_THAT(CallJournal(), ElementsAre("Tavik_setRemoteVideoWindow(H,102," + RemoteVideo() + ")",
                                           "Tavik_answerCall(H,102)"));
    EXPECT_THAT(Sounds(), ElementsAre("aa"));
    EXPECT_EQ(L"CALL_WND/30004", Labels()[1]);
    EXPECT_TRUE(TakeTimer(21));
    EXPECT_FALSE(TakeTimer(13));
}

TEST_F(CallEvents, RegistrationSuccessResetsTheLinesOnceAndArmsThePresenceNotices)
{
    CreateFrame(false);
    UseAccount();
    ASSERT_TRUE(frame->SignIn());
    InjectEvent(1, 0);
    for (int line = 1; line <= 5; ++line)
        EXPECT_EQ((std::array<std::wstring, 3>{L"", L"CALL_WND/30002", L"CALL_WND/30003"}), LineTexts(line)) << line;
    EXPECT_EQ((std::array<std::wstring, 3>{L"", L"CALL_WND/30002", L"CALL_WND/30003"}), Labels());
    EXPECT_EQ(0, frame->GetPresenceNoticeSwitch());
    EXPECT_TRUE(TakeTimer(41));
    Tick(41);
    EXPECT_EQ(1, frame->GetPresenceNoticeSwitch());
    EXPECT_FALSE(TakeTimer(41));

    // A later refresh of the registration changes nothing.
    Page().SetLineInfoText(L"kept", 1, 2, true, true);
    InjectEvent(1, 0);
    EXPECT_EQ(L"kept", Labels()[1]);
    EXPECT_FALSE(TakeTimer(41));
}

TEST_F(CallEvents, RegistrationFailureShowsTheCodeAndReasonThenOffersTheSignIn)
{
    // Without an engine the sign-out before the sign-in window leaves the texts as they are.
    CreateFrame(false);
    UseAccount();
    frame->SetSignedIn(1);
    Page().SetLineInfoText(L"party", 1, 1, true, true);
    ModalAnswers answers({IDCANCEL});
    Deliver(NewEvent(2, 403, "Forbidden"));
    EXPECT_THAT(answers.Windows(), ElementsAre(L"IDW_LOGINWINDOW"));
    EXPECT_EQ(0, frame->IsSignedIn());
    EXPECT_EQ(L"alice: CALL_WND/30013", StatusText());
    for (int line = 1; line <= 5; ++line) {
        EXPECT_EQ(L"", LineTexts(line)[0]) << line;
        EXPECT_EQ(L"CALL_WND/30014 403 - Forbidden", LineTexts(line)[1]) << line;
    }
    EXPECT_EQ(L"", Labels()[0]);
    EXPECT_EQ(L"CALL_WND/30014 403 - Forbidden", Labels()[1]);
}

} // namespace
} // namespace windows_test
