// Lumeo's engine callback: every event is posted to the event window as WM_ENGINE_EVENT and
// released exactly once, also when it cannot be posted.
#include "tests/engine/EngineTestSupport.h"

#include "core/VoipEvent.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

using namespace engine_test;

namespace {

using EngineEventDelivery = EngineTest;

TEST_F(EngineEventDelivery, EventsReachTheWindowProcedureAsPostedMessages)
{
    EventWindow window;
    SetEngineEventWindow(window.Handle());
    __VOIP_EVENT callback;
    EngineSession engine(&callback);

    EngineEventSpec spec = Event(21, 3);
    spec.remoteAddress = "bob@example.com";
    spec.displayName = "Bob";
    spec.messageBody = "hello";
    ASSERT_EQ(0, EngineControl_InjectEvent(engine.Handle(), &spec, EngineDelivery_EngineThread));
    ASSERT_TRUE(window.PumpUntil(1));

    const ReceivedEvent& event = window.Events().at(0);
    EXPECT_EQ(21, event.type);
    EXPECT_EQ(3, event.sessionId);
    EXPECT_EQ("bob@example.com", event.remoteAddress);
    EXPECT_EQ("hello", event.body);
    EXPECT_EQ(GetCurrentThreadId(), event.threadId); // read on the window's thread
    EXPECT_NE(GetCurrentThreadId(), EngineControl_GetEngineThreadId(engine.Handle()));
    EXPECT_EQ(0, window.NonZeroLParams());
    EXPECT_EQ(0, window.NullRecords());
    EXPECT_EQ(0, EngineControl_GetFailedHandOverCount());
}

TEST_F(EngineEventDelivery, TheCallbackPostsEvenWhenDeliveredOnTheCallersThread)
{
    EventWindow window;
    SetEngineEventWindow(window.Handle());
    __VOIP_EVENT callback;
    EngineSession engine(&callback);
    const EngineEventSpec spec = Event(6, 1);
    ASSERT_EQ(0, EngineControl_InjectEvent(engine.Handle(), &spec, EngineDelivery_Synchronous));
    // Handed over, not handled: the record waits in the queue until the loop runs.
    EXPECT_TRUE(window.Events().empty());
    EXPECT_EQ(1, EngineControl_GetLiveRecordCount());
    ASSERT_TRUE(window.PumpUntil(1));
    EXPECT_EQ(6, window.Events()[0].type);
}

TEST_F(EngineEventDelivery, EveryRecordIsReleasedExactlyOnceInPostingOrder)
{
    EventWindow window;
    SetEngineEventWindow(window.Handle());
    __VOIP_EVENT callback;
    EngineSession engine(&callback);
    constexpr int kEvents = 300;
    for (int i = 0; i < kEvents; ++i) {
        const EngineEventSpec spec = Event(i % 32 + 1, i);
        ASSERT_EQ(0, EngineControl_InjectEvent(engine.Handle(), &spec, EngineDelivery_EngineThread));
    }
    ASSERT_TRUE(window.PumpUntil(kEvents));
    for (int i = 0; i < kEvents; ++i)
        ASSERT_EQ(i, window.Events()[static_cast<size_t>(i)].sessionId);
    EXPECT_EQ(kEvents, EngineControl_GetDeliveredCount());
    EXPECT_EQ(0, EngineControl_GetLiveRecordCount());
    EXPECT_EQ(0, EngineControl_GetBadReleaseCount());
    EXPECT_EQ(0, EngineControl_GetFailedHandOverCount());
}

TEST_F(EngineEventDelivery, WithoutALiveWindowEachRecordIsReleasedAtOnce)
{
    const struct {
        const char* name;
        bool createThenDestroy;
    } cases[] = {{"no window set", false}, {"window destroyed", true}};
    for (const auto& c : cases) {
        EngineControl_Reset();
        EventWindow window;
        SetEngineEventWindow(c.createThenDestroy ? window.Handle() : nullptr);
        window.Destroy();

        __VOIP_EVENT callback;
        EngineSession engine(&callback);
        const EngineEventSpec spec = Event(8, 1);
        ASSERT_EQ(0, EngineControl_InjectEvents(engine.Handle(), &spec, 50));
        ASSERT_EQ(0, EngineControl_WaitIdle(engine.Handle(), kPatienceMs));
        EXPECT_EQ(50, EngineControl_GetDeliveredCount()) << c.name;
        EXPECT_EQ(50, EngineControl_GetFailedHandOverCount()) << c.name;
        EXPECT_EQ(0, EngineControl_GetLiveRecordCount()) << c.name;
    }
}

TEST_F(EngineEventDelivery, ANullRecordIsIgnored)
{
    EventWindow window;
    SetEngineEventWindow(window.Handle());
    __VOIP_EVENT callback;
    callback.OnEvent(nullptr);
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, window.Handle(), WM_ENGINE_EVENT, WM_ENGINE_EVENT, PM_REMOVE));
    EXPECT_EQ(0, EngineControl_GetFailedHandOverCount());
}

TEST_F(EngineEventDelivery, TheEventWindowCanBeChangedAndCleared)
{
    EventWindow first;
    EventWindow second;
    SetEngineEventWindow(first.Handle());
    EXPECT_EQ(first.Handle(), GetEngineEventWindow());
    SetEngineEventWindow(second.Handle());
    __VOIP_EVENT callback;
    EngineSession engine(&callback);
    const EngineEventSpec spec = Event(1, 0);
    ASSERT_EQ(0, EngineControl_InjectEvent(engine.Handle(), &spec, EngineDelivery_EngineThread));
    ASSERT_TRUE(second.PumpUntil(1));
    EXPECT_TRUE(first.Events().empty());
    SetEngineEventWindow(nullptr);
    EXPECT_EQ(nullptr, GetEngineEventWindow());
}

} // namespace
