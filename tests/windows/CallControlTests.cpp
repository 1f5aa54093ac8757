// Proves the call page's controls that act on running calls, against the engine stand-in:
// hold and unhold of the current line and, in conference mode, of exactly the busy lines not
// yet held; the conference switched on (each busy line joined, or CALL_WND 30007 with none),
// refused, switched off (every talking call held) and emptied by event 18 and by sign-out;
// the two-step transfer (resumed without a refer when no target is typed, refused, accepted);
// recording into the record folder; muting both ways; the volume sliders on 0..255 showing
// the engine's volumes and pushing moves back; video sending on the current line's call.
#include "config/WindowsVersion.h"
#include "core/OptionsRecord.h"
#include "resources/Resource.h"
#include "skin/ui/controls/SliderCtrlEx.h"
#include "tests/windows/CallPageTestSupport.h"

namespace windows_test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class CallControls : public CallPageTest {
protected:
    // Connected placed calls on the given lines (line 1 current afterwards); journal empty.
    void ConnectedCalls(std::initializer_list<int> lines)
    {
        for (const int line : lines) {
            Page().SwitchLine(line);
            sessions[line] = DialFromButton((L"55500" + std::to_wstring(line)).c_str());
            ASSERT_GT(sessions[line], 0) << line;
            InjectEvent(6, sessions[line]);
            TakeTimer(19 + line);
        }
        Page().SwitchLine(1);
        EngineControl_ClearJournal();
    }
    // Journal lines of the given operations, with the handle as H.
    std::vector<std::string> Calls(std::initializer_list<const char*> operations) const
    {
        std::vector<std::string> lines;
        for (const std::string& line : Journal()) {
            for (const char* operation : operations) {
                if (line.rfind(std::string(operation) + "(", 0) == 0)
                    lines.push_back(line);
            }
        }
        return lines;
    }
    std::string Id(int line) const { return std::to_string(sessions[line]); }
    Vexel::CSliderCtrlEx* Slider(int id) const
    {
        return dynamic_cast<Vexel::CSliderCtrlEx*>(Page().GetDlgItem(id));
    }

    int sessions[6] = {};
};

TEST_F(CallControls, HoldAndUnholdTheCurrentLine)
{
    SignInFrame();
    ConnectedCalls({1});
    Click(IDC_CHK_HOLD);
    EXPECT_TRUE(Line(1).IsHeld());
    EXPECT_EQ(L"CALL_WND/30009", Labels()[1]);
    Click(IDC_CHK_HOLD);
    EXPECT_FALSE(Line(1).IsHeld());
    EXPECT_EQ(L"CALL_WND/30004", LineTexts(1)[1]);
    EXPECT_THAT(CallJournal(), ElementsAre("Tavik_hold(H," + Id(1) + ")", "Tavik_unHold(H," + Id(1) + ")"));

    // Signed out, neither does anything.
    frame->SetSignedIn(0);
    Click(IDC_CHK_HOLD);
    EXPECT_FALSE(Line(1).IsHeld());
    EXPECT_EQ(2u, CallJournal().size());
}

TEST_F(CallControls, InConferenceModeHoldTakesExactlyTheBusyLinesNotHeldAndUnholdResumesThem)
{
    SignInFrame();
    ConnectedCalls({1, 2, 4});
    IncomingCall(303);   // rings on line 3, which is neither busy nor held
    Click(IDC_CHK_CONFERENCE);
    ASSERT_EQ(3, Page().GetConference().GetCount());
    EXPECT_EQ(L"CALL_WND/30008", CallPageText(IDC_STA_CONFERENCE));
    EXPECT_EQ(L"CALL_WND/30024 1, 2, 4", Labels()[1]);
    EngineControl_ClearJournal();

    Page().HoldCalls();
    for (const int line : {1, 2, 4}) {
        EXPECT_TRUE(Line(line).IsHeld()) << line;
        EXPECT_EQ(L"CALL_WND/30011", LineTexts(line)[1]) << line;
    }
    EXPECT_FALSE(Line(3).IsHeld());
    Page().HoldCalls();   // all held already: nothing more
    EXPECT_THAT(CallJournal(), ElementsAre("Tavik_hold(H," + Id(1) + ")", "Tavik_hold(H," + Id(2) + ")",
                                           "Tavik_hold(H," + Id(4) + ")"));
    EngineControl_ClearJournal();

    Page().UnholdCalls();
    Page().UnholdCalls();
    EXPECT_THAT(CallJournal(), ElementsAre("Tavik_unHold(H," + Id(1) + ")", "Tavik_unHold(H," + Id(2) + ")",
                                           "Tavik_unHold(H," + Id(4) + ")"));
    for (const int line : {1, 2, 4})
        EXPECT_FALSE(Line(line).IsHeld()) << line;
    EXPECT_EQ(L"CALL_WND/30024 1, 2, 4", Labels()[1]);
}

TEST_F(CallControls, SwitchingTheConferenceOnJoinsEveryBusyLineAndOffHoldsThem)
{
    SignInFrame();
    ConnectedCalls({1, 2});
    ASSERT_TRUE(Line(2).IsHeld());
    Click(IDC_CHK_CONFERENCE);
    EXPECT_TRUE(IsChecked(IDC_CHK_CONFERENCE));
    EXPECT_THAT(Calls({"Tavik_createConference", "Tavik_joinToConference"}),
                ElementsAre("Tavik_createConference(H," + RemoteVideo() + ",2,0)",
                            "Tavik_joinToConference(H," + Id(1) + ")", "Tavik_joinToConference(H," + Id(2) + ")"));
    EXPECT_FALSE(Line(2).IsHeld());
    EXPECT_TRUE(Page().GetConference().Contains(sessions[1]));
    EXPECT_TRUE(Page().GetConference().Contains(sessions[2]));
    EngineControl_ClearJournal();

    Click(IDC_CHK_CONFERENCE);
    EXPECT_THAT(Calls({"Tavik_hold", "Tavik_destroyConference"}),
                ElementsAre("Tavik_hold(H," + Id(1) + ")", "Tavik_hold(H," + Id(2) + ")",
                            "Tavik_destroyConference(H)"));
    EXPECT_TRUE(Line(1).IsHeld());
    EXPECT_TRUE(Line(2).IsHeld());
    EXPECT_TRUE(IsChecked(IDC_CHK_HOLD));
    EXPECT_EQ(0, Page().GetConference().GetCount());
    EXPECT_EQ(L"CALL_WND/30010", CallPageText(IDC_STA_CONFERENCE));
}

TEST_F(CallControls, AConferenceWithoutCallsSaysSoAndARefusedOneOrASignedOutUserUnchecksTheBox)
{
    SignInFrame();
    Click(IDC_CHK_CONFERENCE);
    EXPECT_TRUE(IsChecked(IDC_CHK_CONFERENCE));
    EXPECT_EQ(L"CALL_WND/30007", Labels()[1]);
    EXPECT_EQ(0, Page().GetConference().GetCount());
    Click(IDC_CHK_CONFERENCE);

    ConnectedCalls({1});
    EngineControl_ScriptResult("Tavik_createConference", -1);
    Click(IDC_CHK_CONFERENCE);
    EXPECT_FALSE(IsChecked(IDC_CHK_CONFERENCE));
    EXPECT_THAT(Calls({"Tavik_joinToConference"}), IsEmpty());
    EXPECT_EQ(L"CALL_WND/30010", CallPageText(IDC_STA_CONFERENCE));

    frame->SetSignedIn(0);
    EngineControl_ClearJournal();
    Click(IDC_CHK_CONFERENCE);
    EXPECT_FALSE(IsChecked(IDC_CHK_CONFERENCE));
    EXPECT_THAT(Calls({"Tavik_createConference"}), IsEmpty());
}

TEST_F(CallControls, ALineLeavingAndASignOutTakeCallsOutOfTheConference)
{
    SignInFrame();
    ConnectedCalls({1, 2});
    Click(IDC_CHK_CONFERENCE);
    ASSERT_EQ(2, Page().GetConference().GetCount());
    InjectEvent(18, sessions[2]);
    EXPECT_FALSE(Page().GetConference().Contains(sessions[2]));
    EXPECT_EQ(1, Page().GetConference().GetCount());

    frame->SignOut(false);
    EXPECT_EQ(0, Page().GetConference().GetCount());
    EXPECT_FALSE(IsChecked(IDC_CHK_CONFERENCE));
    EXPECT_EQ(L"CALL_WND/30010", CallPageText(IDC_STA_CONFERENCE));
}

TEST_F(CallControls, TransferHoldsTheCallThenRefersItOrResumesIt)
{
    SignInFrame();
    ConnectedCalls({1});
    TypeNumber(L"5550001");
    Click(IDC_CHK_TRANSFER);
    EXPECT_THAT(CallJournal(), ElementsAre("Tavik_hold(H," + Id(1) + ")"));
    EXPECT_FALSE(Line(1).IsHeld());
    EXPECT_EQ(L"", NumberField());
    EXPECT_EQ(L"CALL_WND/30005", Labels()[1]);

    // No target typed: the call resumes and nothing is referred.
    Click(IDC_CHK_TRANSFER);
    EXPECT_THAT(Calls({"Tavik_unHold", "Tavik_refer"}), ElementsAre("Tavik_unHold(H," + Id(1) + ")"));

    // Refused: the call resumes and the box clears.
    EngineControl_ClearJournal();
    Click(IDC_CHK_TRANSFER);
    TypeNumber(L"sip:o'hara@other.example");
    EngineControl_ScriptResult("Tavik_refer", -1);
    Click(IDC_CHK_TRANSFER);
    EXPECT_THAT(Calls({"Tavik_hold", "Tavik_unHold", "Tavik_refer"}),
                ElementsAre("Tavik_hold(H," + Id(1) + ")",
                            "Tavik_refer(H," + Id(1) + ",\"sip:o'hara@other.example\")",
                            "Tavik_unHold(H," + Id(1) + ")"));
    EXPECT_EQ(L"CALL_WND/30006", Labels()[1]);
    EXPECT_FALSE(IsChecked(IDC_CHK_TRANSFER));

    // Accepted: the target as typed, and the rest comes as engine events.
    EngineControl_ClearJournal();
    Click(IDC_CHK_TRANSFER);
    TypeNumber(L"5557777");
    Click(IDC_CHK_TRANSFER);
    EXPECT_THAT(Calls({"Tavik_unHold", "Tavik_refer"}), ElementsAre("Tavik_refer(H," + Id(1) + ",\"5557777\")"));
    EXPECT_EQ(L"CALL_WND/30005", Labels()[1]);

    // Not on an idle line.
    Command(IDC_BTN_HANGUP);
    EngineControl_ClearJournal();
    Click(IDC_CHK_TRANSFER);
    EXPECT_THAT(CallJournal(), IsEmpty());
}

TEST_F(CallControls, RecordingStartsInTheRecordFolderAndStops)
{
    SignInFrame();
    g_options.recordFolder = "C:\\Users\\me\\RecordFiles";
    Click(IDC_CHK_RECORD);
    Click(IDC_CHK_RECORD);
    EXPECT_THAT(Calls({"Tavik_startAudioRecording", "Tavik_stopAudioRecording"}),
                ElementsAre("Tavik_startAudioRecording(H,\"C:\\\\Users\\\\me\\\\RecordFiles\",\"record_audio_file\","
                            "1,1,3)",
                            "Tavik_stopAudioRecording(H)"));
}

TEST_F(CallControls, RecordingStopsWhenTheLastCallIsOver)
{
    SignInFrame();
    ConnectedCalls({1, 2});
    Click(IDC_CHK_RECORD);
    // One call ends, the other still runs: the recording goes on.
    Command(IDC_BTN_HANGUP);
    EXPECT_TRUE(IsChecked(IDC_CHK_RECORD));
    EXPECT_THAT(Calls({"Tavik_stopAudioRecording"}), IsEmpty());
    // The far end ends the last one.
    InjectEvent(8, sessions[2]);
    EXPECT_FALSE(IsChecked(IDC_CHK_RECORD));
    EXPECT_THAT(Calls({"Tavik_stopAudioRecording"}), ElementsAre("Tavik_stopAudioRecording(H)"));

    // Sign-out hangs up every line: a recording started meanwhile ends with them.
    ConnectedCalls({1});
    Click(IDC_CHK_RECORD);
    frame->SignOut(false);
    EXPECT_FALSE(IsChecked(IDC_CHK_RECORD));
    // Before the engine went: its handle is no longer the frame's to name.
    EXPECT_EQ(1u, Calls({"Tavik_stopAudioRecording"}).size());
}

TEST_F(CallControls, MuteTogglesTheMicrophoneAndTheSpeakerBothWays)
{
    SignInFrame();
    for (const int id : {IDC_CHK_MUTEMIC, IDC_CHK_MUTESPK}) {
        Click(id);
        Click(id);
    }
    EXPECT_THAT(Calls({"Tavik_muteMicrophone", "Tavik_muteSpeaker"}),
                ElementsAre("Tavik_muteMicrophone(H,1)", "Tavik_muteMicrophone(H,0)", "Tavik_muteSpeaker(H,1)",
                            "Tavik_muteSpeaker(H,0)"));

    // Without an engine, neither muting nor recording reaches one.
    frame->SignOut(false);
    EngineControl_ClearJournal();
    for (const int id : {IDC_CHK_MUTEMIC, IDC_CHK_MUTESPK, IDC_CHK_RECORD})
        Click(id);
    EXPECT_THAT(Journal(), IsEmpty());
}

TEST_F(CallControls, TheVolumeSlidersShowTheEnginesVolumesAndPushMovesBack)
{
    SignInFrame();
    // The engine's own volumes, as the main window shows them after pushing its settings.
    Tavik_setMicVolume(frame->GetEngineHandle(), 40);
    Tavik_setSpeakerVolume(frame->GetEngineHandle(), 200);
    frame->ApplyEngineSettings();
    const struct {
        int id;
        int volume;
        const char* push;
    } kSliders[] = {{IDC_SLDEX_MIC, 40, "Tavik_setMicVolume"}, {IDC_SLDEX_VOLUME, 200, "Tavik_setSpeakerVolume"}};
    for (const auto& entry : kSliders) {
        SCOPED_TRACE(entry.push);
        Vexel::CSliderCtrlEx* const slider = Slider(entry.id);
        ASSERT_NE(nullptr, slider);
        int minimum = -1;
        int maximum = -1;
        slider->GetRange(minimum, maximum);
        EXPECT_EQ(0, minimum);
        EXPECT_EQ(255, maximum);
        EXPECT_EQ(entry.volume, slider->GetPos());

        // The user presses the slider near its right end.
        EngineControl_ClearJournal();
        CRect client;
        slider->GetClientRect(&client);
        slider->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right - 3, client.Height() / 2));
        slider->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(client.right - 3, client.Height() / 2));
        ASSERT_NE(entry.volume, slider->GetPos());
        EXPECT_THAT(JournalOf(entry.push), ElementsAre(std::string(entry.push) + "(H," +
                                                       std::to_string(slider->GetPos()) + ")"));
    }
}

TEST_F(CallControls, AtCreationTheListHoldsOneEmptyItemOnNewerSystems)
{
    CreateFrame(false);
    const HWND field = ::GetDlgItem(Page().GetSafeHwnd(), IDC_CMB_PHONENUMBER);
    EXPECT_EQ(IsVistaOrLater() ? 1 : 0, ::SendMessageW(field, CB_GETCOUNT, 0, 0));
    Page().AddDialledNumber(L"5551234");
    EXPECT_EQ(1, ::SendMessageW(field, CB_GETCOUNT, 0, 0));
}

TEST_F(CallControls, VideoSendingFollowsTheEngineOnTheCurrentLinesCall)
{
    SignInFrame();
    EXPECT_FALSE(frame->SetVideoSending(true));   // an idle line
    EXPECT_THAT(JournalOf("Tavik_startVideoSending"), IsEmpty());

    ConnectedCalls({1});
    EXPECT_TRUE(frame->SetVideoSending(true));
    EXPECT_TRUE(Line(1).IsSendingVideo());
    EngineControl_ScriptResult("Tavik_startVideoSending", -1);
    EXPECT_FALSE(frame->SetVideoSending(false));
    EXPECT_TRUE(Line(1).IsSendingVideo());   // put back: still sending
    EXPECT_TRUE(frame->SetVideoSending(false));
    EXPECT_FALSE(Line(1).IsSendingVideo());
    EngineControl_ScriptResult("Tavik_startVideoSending", -1);
    EXPECT_FALSE(frame->SetVideoSending(true));
    EXPECT_FALSE(Line(1).IsSendingVideo());   // a refused start leaves the flag off
    EXPECT_THAT(JournalOf("Tavik_startVideoSending"),
                ElementsAre("Tavik_startVideoSending(H," + Id(1) + ",1)", "Tavik_startVideoSending(H," + Id(1) + ",0)",
                            "Tavik_startVideoSending(H," + Id(1) + ",0)", "Tavik_startVideoSending(H," + Id(1) + ",1)"));
}

} // namespace
} // namespace windows_test
