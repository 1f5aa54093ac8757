// Proves the call page's lines as the user handles them: the controls at creation (every line
// selector enabled), the selectors (the current one stays checked, another holds the busy line
// left and resumes the chosen held one, restoring its number and texts; in conference mode
// only the check moves), the hold and transfer boxes following the current line, a clock that
// keeps counting on a line that is not current, and the hang-up button on an idle line.
#include "resources/Resource.h"
#include "tests/windows/CallPageTestSupport.h"

namespace windows_test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class CallLines : public CallPageTest {};

TEST_F(CallLines, AtCreationLineOneIsChosenEverySelectorIsEnabledAndHoldAndTransferAreOff)
{
    CreateFrame(false);
    for (int line = 1; line <= 5; ++line) {
        EXPECT_TRUE(IsEnabled(IDC_CHK_LINE1 + line - 1)) << line;
        EXPECT_EQ(line == 1, IsChecked(IDC_CHK_LINE1 + line - 1)) << line;
        EXPECT_EQ(L"CALL_WND/" + std::to_wstring(30026 + line), CallPageText(IDC_CHK_LINE1 + line - 1)) << line;
    }
    EXPECT_FALSE(IsEnabled(IDC_CHK_HOLD));
    EXPECT_FALSE(IsEnabled(IDC_CHK_TRANSFER));
    EXPECT_TRUE(IsEnabled(IDC_CHK_CONFERENCE));
    EXPECT_FALSE(IsChecked(IDC_CHK_CONFERENCE));
    EXPECT_EQ(L"CALL_WND/30010", CallPageText(IDC_STA_CONFERENCE));
    EXPECT_EQ(1, Page().GetCurrentLine());
}

TEST_F(CallLines, TheCurrentLinesSelectorStaysCheckedAndChangesNothing)
{
    SignInFrame();
    const int placed = DialFromButton(L"5551234");
    ASSERT_GT(placed, 0);
    EngineControl_ClearJournal();
    const auto labels = Labels();
    Click(IDC_CHK_LINE1);
    EXPECT_TRUE(IsChecked(IDC_CHK_LINE1));
    EXPECT_EQ(1, Page().GetCurrentLine());
    EXPECT_EQ(labels, Labels());
    EXPECT_FALSE(Line(1).IsHeld());
    EXPECT_THAT(CallJournal(), IsEmpty());
}

TEST_F(CallLines, SwitchingHoldsTheBusyLineLeftAndResumesTheChosenOneWithItsNumberAndTexts)
{
    SignInFrame();
    const int first = DialFromButton(L"sip:bob@sip.example");
    InjectEvent(6, first);
    TakeTimer(20);
    EXPECT_TRUE(IsEnabled(IDC_CHK_HOLD));
    EXPECT_TRUE(IsEnabled(IDC_CHK_TRANSFER));
    const auto firstLabels = Labels();
    EngineControl_ClearJournal();

    Click(IDC_CHK_LINE3);
    EXPECT_EQ(3, Page().GetCurrentLine());
    EXPECT_TRUE(IsChecked(IDC_CHK_LINE3));
    EXPECT_FALSE(IsChecked(IDC_CHK_LINE1));
    EXPECT_TRUE(Line(1).IsHeld());
    EXPECT_EQ(firstLabels, LineTexts(1));
    EXPECT_EQ(L"", NumberField());
    // Line 3 never held a call: its texts are the ones sign-in gave every line.
    EXPECT_EQ((std::array<std::wstring, 3>{L"", L"CALL_WND/30002", L"CALL_WND/30003"}), Labels());
    EXPECT_FALSE(IsEnabled(IDC_CHK_HOLD));
    EXPECT_FALSE(IsEnabled(IDC_CHK_TRANSFER));

    const int third = DialFromButton(L"5550003");
    EXPECT_EQ(L"5550003", Labels()[0]);
    Click(IDC_CHK_LINE1);
    EXPECT_EQ(L"sip:bob@sip.example", NumberField());
    EXPECT_EQ(firstLabels, Labels());
    EXPECT_FALSE(Line(1).IsHeld());
    EXPECT_TRUE(Line(3).IsHeld());
    EXPECT_THAT(CallJournal(), ElementsAre("Tavik_hold(H," + std::to_string(first) + ")",
                                           "Tavik_call(H,\"5550003\",1,out)",
                                           "Tavik_setRemoteVideoWindow(H," + std::to_string(third) + "," +
                                               RemoteVideo() + ")",
                                           "Tavik_hold(H," + std::to_string(third) + ")",
                                           "Tavik_unHold(H," + std::to_string(first) + ")"));
    EXPECT_TRUE(IsEnabled(IDC_CHK_HOLD));
    EXPECT_FALSE(IsChecked(IDC_CHK_HOLD));
}

TEST_F(CallLines, InConferenceModeASwitchOnlyMovesTheCheck)
{
    SignInFrame();
    DialFromButton(L"5551234");
    SetChecked(IDC_CHK_CONFERENCE, true);
    EngineControl_ClearJournal();
    const auto labels = Labels();
    Click(IDC_CHK_LINE2);
    EXPECT_EQ(2, Page().GetCurrentLine());
    EXPECT_TRUE(IsChecked(IDC_CHK_LINE2));
    EXPECT_FALSE(IsChecked(IDC_CHK_LINE1));
    EXPECT_EQ(labels, Labels());
    EXPECT_FALSE(Line(1).IsHeld());
    EXPECT_THAT(CallJournal(), IsEmpty());
}

TEST_F(CallLines, ALinesClockKeepsCountingWhileAnotherLineIsShown)
{
    SignInFrame();
    const int placed = DialFromButton(L"5551234");
    InjectEvent(6, placed);
    ASSERT_TRUE(TakeTimer(20));
    Tick(20);
    Page().SwitchLine(2);
    const auto labels = Labels();
    Tick(20);
    Tick(20);
    EXPECT_EQ(labels, Labels());
    EXPECT_EQ(L"CALL_WND/30046 00:00:03", LineTexts(1)[2]);
    Page().SwitchLine(1);
    EXPECT_EQ(L"CALL_WND/30046 00:00:03", Labels()[2]);
}

TEST_F(CallLines, HangUpOnAnIdleLineClearsTheNumberAndResetsEveryLine)
{
    SignInFrame();
    for (int line = 1; line <= 5; ++line)
        Page().SetLineInfoText(L"old", line, 2, line == 1, true);
    TypeNumber(L"555");
    Command(IDC_BTN_HANGUP);
    EXPECT_EQ(L"", NumberField());
    EXPECT_EQ(L"", Line(1).GetPhoneNumber().Str());
    for (int line = 1; line <= 5; ++line)
        EXPECT_EQ((std::array<std::wstring, 3>{L"", L"CALL_WND/30002", L"CALL_WND/30003"}), LineTexts(line)) << line;
    EXPECT_EQ((std::array<std::wstring, 3>{L"", L"CALL_WND/30002", L"CALL_WND/30003"}), Labels());
    EXPECT_THAT(Sounds(), ElementsAre("disconnect"));
    EXPECT_THAT(CallJournal(), IsEmpty());
}

} // namespace
} // namespace windows_test
