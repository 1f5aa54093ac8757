// Proves the engine-event dispatch: the routing table of every event type (contacts page only,
// call page only, or both with the main window's own share for type 1), each record released
// exactly once; the update check asked for only when automatic upgrade is on and the worker
// runs; events that arrive while a handler runs a modal loop waiting their turn, in order;
// and the window, when it goes, releasing every record still queued to it.
#include "core/OptionsRecord.h"
#include "tests/windows/MainFrameTestSupport.h"

namespace windows_test {
namespace {

using testing::ElementsAre;

class EngineEvents : public MainFrameTest {};

TEST_F(EngineEvents, EveryTypeGoesToItsPagesAndIsReleasedOnce)
{
    g_options.AutoUpgrade = false;
    CreateFrame();
    // The pages' own handling (registration, calls) is theirs to prove.
    frame->Calls()->passOn = false;
    const int contactsOnly[] = {21, 23, 24, 30, 31, 32};
    for (int type = 0; type <= 33; ++type) {
        pages.contacts.clear();
        pages.calls.clear();
        const int before = EngineControl_GetLiveRecordCount();
        Deliver(NewEvent(type == 0 ? 99 : type));
        const int sent = type == 0 ? 99 : type;
        const bool toContacts = sent == 1 || std::find(std::begin(contactsOnly), std::end(contactsOnly), sent) !=
                                                 std::end(contactsOnly);
        const bool toCalls = std::find(std::begin(contactsOnly), std::end(contactsOnly), sent) ==
                             std::end(contactsOnly);
        EXPECT_EQ(toContacts ? std::vector<int>{sent} : std::vector<int>{}, pages.contacts) << "type " << sent;
        EXPECT_EQ(toCalls ? std::vector<int>{sent} : std::vector<int>{}, pages.calls) << "type " << sent;
        EXPECT_EQ(before, EngineControl_GetLiveRecordCount()) << "type " << sent;
    }
    EXPECT_EQ(0, EngineControl_GetBadReleaseCount());
}

TEST_F(EngineEvents, ANullRecordAnswersOneAndTouchesNothing)
{
    CreateFrame();
    EXPECT_EQ(1, frame->SendMessage(WM_ENGINE_EVENT, 0, 0));
    EXPECT_TRUE(pages.log.empty());
}

TEST_F(EngineEvents, RegistrationSuccessShowsTheCallPageAndTheAvailableText)
{
    g_options.AutoUpgrade = false;
    CreateFrame();
    UseAccount();
    Deliver(NewEvent(1));
    EXPECT_EQ(BST_CHECKED, ::SendDlgItemMessageW(frame->GetSafeHwnd(), 1004, BM_GETCHECK, 0, 0));
    EXPECT_EQ(L"MENU_STATUS/16000", ControlText(1010));
    // The call page's share: signed in, the user's name, the lists reloaded.
    EXPECT_EQ(1, frame->IsSignedIn());
    EXPECT_EQ(L"alice", StatusText());
    EXPECT_THAT(pages.log, testing::Contains("history:load"));
}

TEST_F(EngineEvents, TheUpdateCheckIsAskedOnlyWhenEnabledAndTheWorkerRuns)
{
    const struct {
        bool autoUpgrade;
        bool worker;
        long checks;
    } kCases[] = {{true, true, 1}, {false, true, 0}, {true, false, 0}};
    for (const auto& row : kCases) {
        SCOPED_TRACE(testing::Message() << "auto upgrade " << row.autoUpgrade << ", worker " << row.worker);
        CountingWorker::ResetCount();
        g_options.AutoUpgrade = row.autoUpgrade;
        CreateFrame(row.worker);
        Deliver(NewEvent(1));
        if (row.checks) {
            EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(CountingWorker::CheckedEvent(), 10000));
        }
        // Exit joins the worker, so every check it was asked for has run.
        frame->DestroyWindow();
        EXPECT_EQ(row.checks, CountingWorker::Checks());
        frame.reset();
    }
}

TEST_F(EngineEvents, EventsArrivingDuringAModalLoopWaitTheirTurnInOrder)
{
    g_options.AutoUpgrade = false;
    CreateFrame();
    RecordingContacts* const contacts = frame->Contacts();
    bool firstRun = true;
    contacts->whileHandling = [&](int type) {
        if (type != 21 || !firstRun)
            return;
        firstRun = false;
        // As a message box does: later events are posted, and the loop pumps them.
        frame->PostMessage(WM_ENGINE_EVENT, reinterpret_cast<WPARAM>(NewEvent(30)), 0);
        frame->PostMessage(WM_ENGINE_EVENT, reinterpret_cast<WPARAM>(NewEvent(5)), 0);
        frame->PostMessage(WM_ENGINE_EVENT, reinterpret_cast<WPARAM>(NewEvent(21)), 0);
        PumpPending();
        // Nothing of them ran inside this handler.
        EXPECT_THAT(pages.log, ElementsAre("contacts:21"));
    };
    Deliver(NewEvent(21));
    EXPECT_THAT(pages.log, ElementsAre("contacts:21", "contacts:30", "calls:5", "contacts:21"));
    EXPECT_EQ(1, contacts->deepest);
    EXPECT_EQ(0, EngineControl_GetLiveRecordCount());
}

TEST_F(EngineEvents, TheWindowNamesItselfForEventsAndReleasesWhatIsQueuedWhenItGoes)
{
    CreateFrame();
    EXPECT_EQ(frame->GetSafeHwnd(), GetEngineEventWindow());
    for (int i = 0; i < 3; ++i)
        frame->PostMessage(WM_ENGINE_EVENT, reinterpret_cast<WPARAM>(NewEvent(21)), 0);
    frame->DestroyWindow();
    EXPECT_EQ(nullptr, GetEngineEventWindow());
    EXPECT_EQ(0, EngineControl_GetLiveRecordCount());
    PumpPending();
    EXPECT_TRUE(pages.contacts.empty());
}

TEST_F(EngineEvents, EventsOfALiveEngineReachThePagesThroughTheCallback)
{
    g_options.AutoUpgrade = false;
    CreateFrame();
    UseAccount();
    ASSERT_TRUE(frame->SignIn());
    EngineEventSpec spec{};
    spec.type = 31;
    ASSERT_EQ(0, EngineControl_InjectEvents(frame->GetEngineHandle(), &spec, 5));
    EXPECT_TRUE(PumpUntil([&] { return pages.contacts.size() >= 5; }));
    EXPECT_THAT(pages.contacts, ElementsAre(31, 31, 31, 31, 31));
}

} // namespace
} // namespace windows_test
