#include "core/CoreUiTexts.h"
#include "core/Session.h"
#include "tests/support/SystemAnswersScope.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

// Binds the clock prefix for one test and unbinds it after.
class SessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoreUiTextSlots slots;
        slots.callDurationPrefix = &prefix_;
        BindCoreUiTexts(slots);
    }
    void TearDown() override { BindCoreUiTexts(CoreUiTextSlots()); }

    CString Clock(const wchar_t* hhmmss) const { return prefix_ + L" " + hhmmss; }

    static CString TickTimes(Session& session, int ticks)
    {
        CString text;
        for (int i = 0; i < ticks; ++i)
            text = session.TickDuration();
        return text;
    }

    CString prefix_ = L"Duration";
};

TEST_F(SessionTest, ClockTextsAfterSoManySeconds)
{
    struct Case {
        int ticks;
        const wchar_t* clock;
    };
    const Case cases[] = {
        {1, L"00:00:01"},   {9, L"00:00:09"},    {10, L"00:00:10"},   {59, L"00:00:59"},
        {60, L"00:01:00"},  {61, L"00:01:01"},   {599, L"00:09:59"},  {600, L"00:10:00"},
        {3599, L"00:59:59"}, {3600, L"01:00:00"}, {3661, L"01:01:01"}, {36000, L"10:00:00"},
    };
    for (const auto& c : cases) {
        Session session;
        EXPECT_EQ(Clock(c.clock), TickTimes(session, c.ticks)) << c.ticks;
    }
}

TEST_F(SessionTest, TickStoresItsTextAsLineTextThree)
{
    Session session;
    session.SetLineText3(L"Registered");
    const CString text = session.TickDuration();
    EXPECT_EQ(Clock(L"00:00:01"), text);
    EXPECT_EQ(text, session.GetLineText3());
}

TEST_F(SessionTest, ResetDurationClockStartsTheClockAgain)
{
    Session session;
    TickTimes(session, 125);
    session.ResetDurationClock();
    EXPECT_EQ(Clock(L"00:00:01"), session.TickDuration());
}

TEST(SessionClock, UnboundPrefixReadsAsEmpty)
{
    BindCoreUiTexts(CoreUiTextSlots());
    Session session;
    EXPECT_EQ(CString(L" 00:00:01"), session.TickDuration());
}

TEST(SessionInfo, DurationTexts)
{
    struct Case {
        std::uint32_t start, end;
        const wchar_t* text;
    };
    const Case cases[] = {
        {0, 5000, L"00:00:00"},                   // never connected
        {1000, 1999, L"00:00:00"},
        {1000, 60999, L"00:00:59"},
        {1000, 61000, L"00:01:00"},
        {5, 3661005, L"01:01:01"},
        {7, 360000007, L"100:00:00"},             // hours are not limited to two digits
        {0xFFFFFC18u, 2000, L"00:00:03"},         // the tick counter wrapped in between
        {0xFFFFFFFFu, 3600000 - 1, L"01:00:00"},
    };
    for (const auto& c : cases) {
        SessionInfo info;
        info.startTick = c.start;
        info.endTick = c.end;
        EXPECT_EQ(CString(c.text), info.FormatDuration()) << c.start << " " << c.end;
        EXPECT_EQ(CString(c.text), info.GetDurationText());
    }
}

TEST(SessionInfo, MarkedTicksAreReturnedAndKept)
{
    SessionInfo info;
    const std::uint32_t start = info.MarkStartTick();
    const std::uint32_t end = info.MarkEndTick();
    EXPECT_EQ(start, info.startTick);
    EXPECT_EQ(end, info.endTick);
}

TEST(SessionInfo, MarkStartTimeTakesNowAndSetsStarted)
{
    SessionInfo info;
    const std::int64_t before = _time64(nullptr);
    info.MarkStartTime();
    info.MarkEndTime();
    const std::int64_t after = _time64(nullptr);
    EXPECT_EQ(1, info.started);
    EXPECT_GE(info.startTime, before);
    EXPECT_LE(info.endTime, after);
    EXPECT_LE(info.startTime, info.endTime);
}

// Two clocks that stand still.
class FixedClocks : public lumeo_test::SystemAnswersScope {
public:
    std::uint32_t GetTicks() const override { return 4242; }
    std::int64_t GetNow() const override { return 1000000; }
};

TEST(SessionInfo, TheTablesClocksAreReadUntilTheRealOnesComeBack)
{
    SessionInfo info;
    {
        const FixedClocks clocks;
        EXPECT_EQ(4242u, info.MarkStartTick());
        info.MarkStartTime();
        EXPECT_EQ(1000000, info.startTime);
    }
    const std::int64_t before = _time64(nullptr);
    info.MarkEndTime();
    EXPECT_GE(info.endTime, before);
}

std::int64_t LocalTime(int year, int month, int day, int hour, int minute, int second)
{
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return _mktime64(&local);
}

TEST(SessionInfo, TimeStampsAreLocalTimeWithHalfDayMarker)
{
    SessionInfo info;
    info.startTime = LocalTime(2014, 3, 5, 14, 7, 9);
    info.endTime = LocalTime(2014, 11, 30, 9, 0, 59);
    EXPECT_EQ(CString(L"2014-03-05 14:07:09 PM"), info.FormatTimeStamp(true));
    EXPECT_EQ(CString(L"2014-03-05 14:07:09 PM"), info.GetStartTimeText());
    EXPECT_EQ(CString(L"2014-11-30 09:00:59 AM"), info.FormatTimeStamp(false));
}

TEST(SessionInfo, TimeWithoutLocalRepresentationGivesEmptyText)
{
    SessionInfo info;
    info.startTime = -1;
    info.endTime = 0x7FFFFFFFFFFFll;
    EXPECT_EQ(CString(), info.FormatTimeStamp(true));
    EXPECT_EQ(CString(), info.FormatTimeStamp(false));
}

TEST(SessionInfo, ResetClearsEverythingAndMakesTheCallOutgoing)
{
    SessionInfo info;
    info.startTick = 10;
    info.endTick = 20;
    info.startTime = 30;
    info.endTime = 40;
    info.callType = 1;
    info.started = 1;
    info.SetCaller(L"sip:alice@example.org");
    info.SetCallee(L"bob");
    info.note = L"note";
    info.Reset();
    EXPECT_EQ(0u, info.startTick);
    EXPECT_EQ(0u, info.endTick);
    EXPECT_EQ(0, info.startTime);
    EXPECT_EQ(0, info.endTime);
    EXPECT_EQ(2, info.callType);
    EXPECT_EQ(0, info.started);
    EXPECT_TRUE(info.GetCaller().IsEmpty());
    EXPECT_TRUE(info.GetCallee().IsEmpty());
    EXPECT_TRUE(info.note.IsEmpty());
}

TEST(Session, ConstructedLineIsFreeAndOutgoing)
{
    const Session session;
    EXPECT_EQ(0, session.GetSessionId());
    EXPECT_EQ(0, session.IsBusy());
    EXPECT_EQ(0, session.IsIncomingPending());
    EXPECT_EQ(0, session.IsHeld());
    EXPECT_EQ(0, session.IsSendingVideo());
    EXPECT_EQ(0, session.video);
    EXPECT_EQ(2, session.info.callType);
    EXPECT_EQ(0, session.info.started);
}

TEST_F(SessionTest, ResetFreesTheLineButKeepsItsTexts)
{
    Session session;
    session.SetSessionId(42);
    session.SetBusy(1);
    session.SetIncomingPending(1);
    session.SetHeld(1);
    session.SetSendingVideo(1);
    session.video = 1;
    session.SetPhoneNumber(L"1234");
    session.SetLineText1(L"one");
    session.SetLineText2(L"two");
    session.SetLineText3(L"three");
    session.info.callType = 1;
    session.info.SetCaller(L"sip:carol@example.org");
    session.info.startTick = 99;
    TickTimes(session, 75);

    session.Reset();

    EXPECT_EQ(0, session.GetSessionId());
    EXPECT_EQ(0, session.IsBusy());
    EXPECT_EQ(0, session.IsIncomingPending());
    EXPECT_EQ(0, session.IsHeld());
    EXPECT_EQ(0, session.IsSendingVideo());
    EXPECT_EQ(0, session.video);
    EXPECT_EQ(2, session.info.callType);
    EXPECT_TRUE(session.info.GetCaller().IsEmpty());
    EXPECT_EQ(0u, session.info.startTick);
    EXPECT_EQ(CString(L"1234"), session.GetPhoneNumber());
    EXPECT_EQ(CString(L"one"), session.GetLineText1());
    EXPECT_EQ(CString(L"two"), session.GetLineText2());
    EXPECT_EQ(Clock(L"00:01:15"), session.GetLineText3());  // the last clock text stays
    EXPECT_EQ(Clock(L"00:00:01"), session.TickDuration());  // but the clock starts over
}

} // namespace
