// Proves the video window: its 450 : 390 shape and the large area's place for each video
// format (as rules and on the live window), its captions, the preview it starts through the
// main window (in the large area with no video call, in the small one during a video call;
// once for two show requests; stopped after a hide), the send button against the engine
// stand-in (accepted, refused, without a call or sign-in; the line's sending flag keeps the
// engine's answer) and the send button following the main window's toggle state as lines
// switch and calls end.
#include "core/OptionsRecord.h"
#include "resources/Resource.h"
#include "tests/windows/CallPageTestSupport.h"
#include "windows/video/VideoLayout.h"
#include "windows/video/VideoWnd.h"

#include <functional>

namespace windows_test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

constexpr UINT_PTR kShowTimer = 30;
constexpr UINT_PTR kHideTimer = 31;

const wchar_t kNotSending[] = L"VIDEO_WND/36002";
const wchar_t kSending[] = L"VIDEO_WND/36003";

TEST(VideoLayout, TheWindowKeepsItsShapeWhateverTheWidth)
{
    const struct {
        int width;
        int height;
    } kCases[] = {{450, 390}, {577, 500}, {900, 780}, {451, 390}, {100, 86}, {0, 0}};
    for (const auto& row : kCases)
        EXPECT_EQ(row.height, VideoWindowHeightFor(row.width)) << row.width;
}

TEST(VideoLayout, TheLargeAreaTakesTheFormatsShapeCentredBelowTheTitleBand)
{
    const struct {
        int row;
        RECT window;
        RECT area;
    } kCases[] = {
        {0, {0, 0, 450, 390}, {74, 27, 74 + 301, 27 + 247}},     // 247 * 176 / 144 = 301.9
        {1, {0, 0, 577, 500}, {70, 27, 70 + 436, 27 + 357}},     // 357 * 352 / 288 = 436.3
        {2, {0, 0, 450, 390}, {60, 27, 60 + 329, 27 + 247}},
        {3, {0, 0, 450, 390}, {60, 27, 60 + 329, 27 + 247}},
        {4, {0, 0, 450, 390}, {60, 27, 60 + 329, 27 + 247}},
        {5, {0, 0, 450, 390}, {6, 27, 6 + 439, 27 + 247}},       // 439.1 wide, one pixel right
        {1, {-8, -4, 569, 496}, {62, 23, 62 + 436, 23 + 357}},   // an offset rectangle
    };
    for (const auto& row : kCases) {
        RECT area{};
        ASSERT_TRUE(RemoteVideoArea(row.window, row.row, area)) << row.row;
        EXPECT_TRUE(::EqualRect(&row.area, &area))
            << row.row << ": " << area.left << "," << area.top << " " << area.right << "," << area.bottom;
    }
}

TEST(VideoLayout, AnUnknownFormatPlacesNothing)
{
    for (const int row : {-1, 6, 1000}) {
        RECT area{1, 2, 3, 4};
        EXPECT_FALSE(RemoteVideoArea({0, 0, 450, 390}, row, area)) << row;
        const RECT untouched{1, 2, 3, 4};
        EXPECT_TRUE(::EqualRect(&untouched, &area)) << row;
    }
}

class VideoWindow : public CallPageTest {
protected:
    void SetUp() override
    {
        CallPageTest::SetUp();
        g_options.VideoResolution = 1;
        SignInFrame();
        // The main window hid the new window, which stops a preview in 150 ms: the tests fire
        // the window's timers themselves.
        TakeVideoTimer(kHideTimer);
        EngineControl_ClearJournal();
    }

    CVideoWnd& Video() const { return frame->GetVideoWnd(); }
    HWND VideoHwnd() const { return Video().GetSafeHwnd(); }
    std::wstring VideoText(int id) const
    {
        wchar_t text[256] = {};
        ::GetDlgItemTextW(VideoHwnd(), id, text, 256);
        return text;
    }
    // Whether the window's timer ran; it is stopped, and the test fires it from then on.
    bool TakeVideoTimer(UINT_PTR id) const { return ::KillTimer(VideoHwnd(), id) != FALSE; }
    void FireVideoTimer(UINT_PTR id) const { ::SendMessageW(VideoHwnd(), WM_TIMER, id, 0); }
    void VideoCommand(int id) const
    {
        ::SendMessageW(VideoHwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(VideoHwnd(), id)));
    }
    // The main window's camera button, then the preview timer.
    void ShowAndStartPreview() const
    {
        frame->Command(IDC_BTN_WEBCAM);
        ASSERT_TRUE(TakeVideoTimer(kShowTimer));
        FireVideoTimer(kShowTimer);
    }
    // The engine's preview and video-sending calls, the handle written as H.
    std::vector<std::string> VideoJournal() const
    {
        std::vector<std::string> lines;
        for (const std::string& line : Journal()) {
            for (const char* name : {"Tavik_setLocalVideoWindow(", "Tavik_viewLocalVideo(", "Tavik_startVideoSending("}) {
                if (line.rfind(name, 0) == 0)
                    lines.push_back(line);
            }
        }
        return lines;
    }
    static std::string Area(HWND window) { return engine_control::HwndText(window); }
    // A call connected on line 1, with video or without; its session id.
    int ConnectedCall(bool video)
    {
        const int session = DialFromButton(L"5551234");
        EventFields fields;
        fields.video = video;
        InjectEvent(6, session, fields);
        TakeTimer(20);
        EngineControl_ClearJournal();
        return session;
    }
    RECT ChildRect(int id) const
    {
        RECT rect{};
        const HWND child = ::GetDlgItem(VideoHwnd(), id);
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, VideoHwnd(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
};

TEST_F(VideoWindow, IsMadeHiddenWithItsCaptionsAndNotSending)
{
    ASSERT_NE(nullptr, VideoHwnd());
    EXPECT_STREQ("CVideoWnd", Video().GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(Video().IsKindOf(&Vexel::CUIWnd::classCUIWnd));
    EXPECT_FALSE(Video().IsWindowVisible());
    EXPECT_EQ(0, Video().IsShowPending());
    const struct {
        int id;
        const wchar_t* caption;
    } kCaptions[] = {
        {IDC_STA_TITLE, L"VIDEO_WND/36000"},     {IDC_CHK_VIEWMYVIDEO, L"VIDEO_WND/36001"},
        {IDC_CHK_SENDVIDEO, kNotSending},        {IDC_BTN_VIEWMYVIDEO, L"VIDEO_WND/36001"},
        {IDC_BTN_SENDVIDEO, kNotSending},
    };
    for (const auto& row : kCaptions)
        EXPECT_EQ(row.caption, VideoText(row.id)) << row.id;
    EXPECT_NE(nullptr, Video().GetRemoteVideoHwnd());
    EXPECT_NE(nullptr, Video().GetLocalVideoHwnd());
    EXPECT_EQ(Video().GetRemoteVideoHwnd(), frame->GetRemoteVideoHwnd());
}

TEST_F(VideoWindow, ResizingKeepsTheShapeAndSizesTheLargeAreaToTheFormat)
{
    const struct {
        int width;
        int askedHeight;
        int height;
    } kSizes[] = {{450, 120, 390}, {450, 700, 390}, {900, 10, 780}, {577, 10, 500}};
    RECT window{};
    for (const auto& row : kSizes) {
        Video().SetWindowPos(nullptr, 0, 0, row.width, row.askedHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Video().GetWindowRect(&window);
        EXPECT_EQ(row.width, window.right - window.left) << row.width << "x" << row.askedHeight;
        EXPECT_EQ(row.height, window.bottom - window.top) << row.width << "x" << row.askedHeight;
    }

    // Now 500 pixels high with the 352 x 288 format: 357 high, 436 wide, centred.
    const RECT expected{70, 27, 70 + 436, 27 + 357};
    const RECT area = ChildRect(IDC_STA_REMOTEVIDEO);
    EXPECT_TRUE(::EqualRect(&expected, &area)) << area.left << "," << area.top << " " << area.right << "," << area.bottom;

    // A move alone keeps the size.
    Video().SetWindowPos(nullptr, 20, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Video().GetWindowRect(&window);
    EXPECT_EQ(577, window.right - window.left);
    EXPECT_EQ(500, window.bottom - window.top);
}

TEST_F(VideoWindow, AFormatChangeIsLaidOutOnRequestAndAnUnknownOneMovesNothing)
{
    Video().SetWindowPos(nullptr, 0, 0, 450, 390, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    g_options.VideoResolution = 5;
    Video().LayoutVideo();
    const RECT wide{6, 27, 6 + 439, 27 + 247};
    RECT area = ChildRect(IDC_STA_REMOTEVIDEO);
    EXPECT_TRUE(::EqualRect(&wide, &area)) << area.left << "," << area.right;

    g_options.VideoResolution = 9;
    Video().LayoutVideo();
    area = ChildRect(IDC_STA_REMOTEVIDEO);
    EXPECT_TRUE(::EqualRect(&wide, &area)) << area.left << "," << area.right;
}

TEST_F(VideoWindow, ThePreviewGoesToTheLargeAreaWithoutAVideoCallAndToTheSmallOneDuringOne)
{
    const struct {
        const char* name;
        int call;   // 0 none, 1 a call without video, 2 a video call
        bool small;
    } kCases[] = {{"no call", 0, false}, {"audio call", 1, false}, {"video call", 2, true}};
    for (const auto& row : kCases) {
        SCOPED_TRACE(row.name);
        if (row.call)
            ConnectedCall(row.call == 2);
        ShowAndStartPreview();
        EXPECT_TRUE(Video().IsWindowVisible());
        EXPECT_EQ(L"VIDEO_WND/36004", VideoText(IDC_BTN_VIEWMYVIDEO));
        const HWND area = row.small ? Video().GetLocalVideoHwnd() : Video().GetRemoteVideoHwnd();
        EXPECT_THAT(VideoJournal(), ElementsAre("Tavik_setLocalVideoWindow(H," + Area(area) + ")",
                                                "Tavik_viewLocalVideo(H,1)"));
        VideoCommand(IDC_BTN_CLOSE);
        ASSERT_TRUE(TakeVideoTimer(kHideTimer));
        FireVideoTimer(kHideTimer);
        if (row.call)
            Command(IDC_BTN_HANGUP);
        EngineControl_ClearJournal();
    }
}

TEST_F(VideoWindow, TwoShowRequestsStartThePreviewOnce)
{
    frame->Command(IDC_BTN_WEBCAM);
    frame->Command(IDC_BTN_WEBCAM);
    ASSERT_TRUE(TakeVideoTimer(kShowTimer));
    FireVideoTimer(kShowTimer);
    // Asked again while shown: nothing new starts.
    frame->Command(IDC_BTN_WEBCAM);
    EXPECT_FALSE(TakeVideoTimer(kShowTimer));
    EXPECT_EQ(1u, JournalOf("Tavik_viewLocalVideo").size());
    EXPECT_TRUE(Video().IsWindowVisible());
}

TEST_F(VideoWindow, CloseHidesAtOnceAndStopsThePreviewWhenItsTimerFires)
{
    ShowAndStartPreview();
    EngineControl_ClearJournal();
    VideoCommand(IDC_BTN_CLOSE);
    EXPECT_FALSE(Video().IsWindowVisible());
    EXPECT_EQ(0, Video().IsShowPending());
    EXPECT_THAT(VideoJournal(), IsEmpty());
    ASSERT_TRUE(TakeVideoTimer(kHideTimer));
    FireVideoTimer(kHideTimer);
    EXPECT_THAT(VideoJournal(), ElementsAre("Tavik_viewLocalVideo(H,0)"));
}

TEST_F(VideoWindow, FinishingAHideStopsThePreviewAtOnceAndOnlyOnce)
{
    ShowAndStartPreview();
    VideoCommand(IDC_BTN_CLOSE);
    EngineControl_ClearJournal();
    Video().FinishHide();
    EXPECT_THAT(VideoJournal(), ElementsAre("Tavik_viewLocalVideo(H,0)"));
    EXPECT_FALSE(TakeVideoTimer(kHideTimer)) << "the stop is still to come";
    Video().FinishHide();
    EXPECT_THAT(VideoJournal(), ElementsAre("Tavik_viewLocalVideo(H,0)"));
}

TEST_F(VideoWindow, AHideBeforeThePreviewStartedCancelsItAndAShowAfterStartsANewOne)
{
    frame->Command(IDC_BTN_WEBCAM);
    ASSERT_TRUE(TakeVideoTimer(kShowTimer));
    Video().StartHideTimer();
    FireVideoTimer(kShowTimer);
    EXPECT_EQ(L"VIDEO_WND/36001", VideoText(IDC_BTN_VIEWMYVIDEO));
    EXPECT_THAT(VideoJournal(), IsEmpty());

    // Shown again within the hide's delay: the pending stop still runs, then the new show.
    frame->Command(IDC_BTN_WEBCAM);
    ASSERT_TRUE(TakeVideoTimer(kHideTimer));
    ASSERT_TRUE(TakeVideoTimer(kShowTimer));
    FireVideoTimer(kHideTimer);
    FireVideoTimer(kShowTimer);
    EXPECT_THAT(VideoJournal(), ElementsAre("Tavik_viewLocalVideo(H,0)",
                                            "Tavik_setLocalVideoWindow(H," + Area(Video().GetRemoteVideoHwnd()) + ")",
                                            "Tavik_viewLocalVideo(H,1)"));
    EXPECT_TRUE(Video().IsWindowVisible());
}

TEST_F(VideoWindow, TheSendButtonStartsAndStopsSendingOnTheCurrentLinesCall)
{
    const int session = ConnectedCall(true);
    const std::string id = std::to_string(session);
    VideoCommand(IDC_BTN_SENDVIDEO);
    EXPECT_EQ(kSending, VideoText(IDC_BTN_SENDVIDEO));
    EXPECT_EQ(1, Line(1).IsSendingVideo());
    VideoCommand(IDC_BTN_SENDVIDEO);
    EXPECT_EQ(kNotSending, VideoText(IDC_BTN_SENDVIDEO));
    EXPECT_EQ(0, Line(1).IsSendingVideo());
    EXPECT_THAT(VideoJournal(), ElementsAre("Tavik_startVideoSending(H," + id + ",1)",
                                            "Tavik_startVideoSending(H," + id + ",0)"));
}

TEST_F(VideoWindow, ARefusedStartLeavesTheButtonAndTheLinesFlagOff)
{
    const int session = ConnectedCall(true);
    EngineControl_ScriptResult("Tavik_startVideoSending", -1);
    VideoCommand(IDC_BTN_SENDVIDEO);
    EXPECT_EQ(kNotSending, VideoText(IDC_BTN_SENDVIDEO));
    EXPECT_EQ(0, Line(1).IsSendingVideo());
    EXPECT_THAT(VideoJournal(), ElementsAre("Tavik_startVideoSending(H," + std::to_string(session) + ",1)"));
}

TEST_F(VideoWindow, ARefusedStopKeepsTheLineSending)
{
    ConnectedCall(true);
    VideoCommand(IDC_BTN_SENDVIDEO);
    ASSERT_EQ(1, Line(1).IsSendingVideo());
    EngineControl_ScriptResult("Tavik_startVideoSending", 3);
    VideoCommand(IDC_BTN_SENDVIDEO);
    EXPECT_EQ(1, Line(1).IsSendingVideo());
    // The window reports the failure as the button at rest.
    EXPECT_EQ(kNotSending, VideoText(IDC_BTN_SENDVIDEO));
}

TEST_F(VideoWindow, WithoutACallOrSignedOutTheSendButtonStaysAtRestAndAsksNothing)
{
    VideoCommand(IDC_BTN_SENDVIDEO);
    EXPECT_EQ(kNotSending, VideoText(IDC_BTN_SENDVIDEO));

    ConnectedCall(true);
    frame->SetSignedIn(0);
    VideoCommand(IDC_BTN_SENDVIDEO);
    EXPECT_EQ(kNotSending, VideoText(IDC_BTN_SENDVIDEO));
    EXPECT_EQ(0, Line(1).IsSendingVideo());
    EXPECT_THAT(VideoJournal(), IsEmpty());
    frame->SetSignedIn(1);
}

TEST_F(VideoWindow, TheSendButtonFollowsTheToggleStateAsLinesSwitchAndCallsEnd)
{
    ConnectedCall(true);
    VideoCommand(IDC_BTN_SENDVIDEO);
    ASSERT_EQ(kSending, VideoText(IDC_BTN_SENDVIDEO));

    const struct {
        const char* step;
        std::function<void()> act;
        const wchar_t* caption;
    } kSteps[] = {
        {"to idle line 2", [&] { Command(IDC_CHK_LINE2); }, kNotSending},
        {"back to line 1", [&] { Command(IDC_CHK_LINE1); }, kSending},
        {"told off", [&] { frame->SetVideoToggleState(false); }, kNotSending},
        {"told on", [&] { frame->SetVideoToggleState(true); }, kSending},
        {"the call ends", [&] { Command(IDC_BTN_HANGUP); }, kNotSending},
    };
    for (const auto& step : kSteps) {
        step.act();
        EXPECT_EQ(step.caption, VideoText(IDC_BTN_SENDVIDEO)) << step.step;
    }
}

TEST_F(VideoWindow, RepaintInvalidatesBothAreas)
{
    Video().ShowWindow(SW_SHOWNOACTIVATE);
    Video().UpdateWindow();
    Video().RepaintVideo();
    for (const HWND area : {Video().GetRemoteVideoHwnd(), Video().GetLocalVideoHwnd()}) {
        RECT update{};
        EXPECT_TRUE(::GetUpdateRect(area, &update, FALSE)) << Area(area);
    }
    Video().ShowWindow(SW_HIDE);
}

} // namespace
} // namespace windows_test
