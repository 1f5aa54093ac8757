// The contact events the main window hands the contacts page: a message from a stored contact
// opens its chat under the contact's name, a stranger's under the event's display name or
// address, an open chat is reused; presence notices move the contact to the top of its group
// with the new status and pop up (once the presence-notice switch is on) only when the
// contact comes online or goes offline; an ended subscription resets the stored id (of that
// row alone, whatever its address holds), closes the chat, moves the contact to the bottom
// and always pops up; other types change nothing; the real pop-up is a taskbar notifier
// owned by the tree.
#include "tests/windows/ContactsTestSupport.h"
#include "tests/support/SkinnedWindowTestSupport.h"

#include "core/TavikSQL.h"
#include "engine/TavikControl.h"
#include "windows/chat/ChatWnd.h"
#include "windows/notifier/TaskbarNotifier.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;
using testing::IsEmpty;

namespace windows_test {
namespace {

using lumeo_test::WindowText;

class ContactEvents : public ContactsTest {
protected:
    void SetUp() override
    {
        ContactsTest::SetUp();
        StoreGroup("Work");
        StoreContact({"sip:bob@example", "Bob", "Stone", "Bobby", "Work", 0, 1, 0});
        StoreContact({"sip:carol@example", "Carol", "King", "", "Work", 0, 1, 0});
        StoreContact({"sip:o'hara@example", "Kim", "O'Hara", "", "Work", 0, 1, 0});
        SignIn();
        // The call page turns the switch on ten seconds after the registration.
        frame->SetPresenceNoticeSwitch(0);
        s_notices.clear();
    }

    const ShownContact kBob{L"Bobby", L"sip:bob@example", L"Offline"};
    const ShownContact kCarol{L"Carol King", L"sip:carol@example", L"Offline"};
    const ShownContact kKim{L"Kim O'Hara", L"sip:o'hara@example", L"Offline"};

    static ShownContact With(ShownContact contact, const wchar_t* status)
    {
        contact.status = status;
        return contact;
    }
    std::vector<std::wstring> NoticeTexts() const
    {
        std::vector<std::wstring> texts;
        for (const Notice& notice : s_notices) {
            EXPECT_EQ(Tree().GetSafeHwnd(), notice.owner);
            texts.push_back(notice.text);
        }
        return texts;
    }
    CContactsTree& Tree() const { return frame->Contacts()->GetTree(); }
};

TEST_F(ContactEvents, AMessageOpensTheSendersChatTitledByTheTreeOrByTheEvent)
{
    struct Row {
        const char* remote;
        const char* display;
        const wchar_t* title;
    };
    const Row kRows[] = {
        {"bob@example", "Robert", L"Bobby"},   // stored: the name the tree shows
        {"BOB@EXAMPLE", "Robert", L"Bobby"},   // the same window, found ignoring case
        {"zed@example", "Zed", L"Zed"},
        {"yan@example", "", L"sip:yan@example"},
    };
    for (const Row& row : kRows)
        Deliver(21, row.remote, row.display, nullptr, "hello");
    std::vector<std::wstring> titles;
    std::vector<std::string> peers;
    for (CChatWnd* chat : frame->GetChatWindows()) {
        titles.push_back(WindowText(chat->GetSafeHwnd()));
        peers.push_back(chat->GetPeerUri());
        EXPECT_TRUE(chat->IsWindowVisible()) << chat->GetPeerUri();
    }
    EXPECT_THAT(titles, ElementsAre(L"Bobby", L"Zed", L"sip:yan@example"));
    EXPECT_THAT(peers, ElementsAre("sip:bob@example", "sip:zed@example", "sip:yan@example"));
}

TEST_F(ContactEvents, PresenceNoticesMoveTheContactToTheTopAndPopUpOnlyOnComingAndGoing)
{
    EXPECT_THAT(ContactsOf(L"Work"), ElementsAre(kBob, kCarol, kKim));

    // While the switch is off the tree follows silently.
    Deliver(31, "carol@example", nullptr, "Available");
    EXPECT_THAT(ContactsOf(L"Work"), ElementsAre(With(kCarol, L"Available"), kBob, kKim));
    EXPECT_THAT(NoticeTexts(), IsEmpty());

    frame->SetPresenceNoticeSwitch(1);
    struct Step {
        const char* remote;
        const char* status;
        const wchar_t* notice;   // null: none
    };
    const Step kSteps[] = {
        {"carol@example", "Busy", nullptr},                                         // Available -> Busy
        {"bob@example", "Away", L"Bobby<sip:bob@example> is Away."},                // Offline -> Away
        {"carol@example", "offline", L"Carol King<sip:carol@example> is offline."},  // going
        {"carol@example", "Available", L"Carol King<sip:carol@example> is Available."},
        {"o'hara@example", "Busy", L"Kim O'Hara<sip:o'hara@example> is Busy."},
        {"nobody@example", "Available", L"<sip:nobody@example> is Available."},     // not in the tree
    };
    for (const Step& step : kSteps) {
        s_notices.clear();
        Deliver(31, step.remote, nullptr, step.status);
        if (step.notice)
            EXPECT_THAT(NoticeTexts(), ElementsAre(step.notice)) << step.remote << " " << step.status;
        else
            EXPECT_THAT(NoticeTexts(), IsEmpty()) << step.remote << " " << step.status;
    }
    EXPECT_THAT(ContactsOf(L"Work"),
                ElementsAre(With(kKim, L"Busy"), With(kCarol, L"Available"), With(kBob, L"Away")));
}

TEST_F(ContactEvents, AnEndedSubscriptionResetsItsRowClosesTheChatAndAlwaysPopsUp)
{
    ASSERT_TRUE(g_database.Exec("update Contacts set subscribeid = 9"));
    Deliver(31, "o'hara@example", nullptr, "Available");
    Deliver(21, "o'hara@example", "Kim", nullptr, "hi");
    ASSERT_EQ(1u, frame->GetChatWindows().size());

    Deliver(32, "o'hara@example");
    EXPECT_EQ(0, StoredSubscribeId("sip:o'hara@example"));
    EXPECT_EQ(9, StoredSubscribeId("sip:bob@example"));
    EXPECT_EQ(9, StoredSubscribeId("sip:carol@example"));
    EXPECT_THAT(frame->GetChatWindows(), IsEmpty());
    EXPECT_THAT(ContactsOf(L"Work"), ElementsAre(kBob, kCarol, kKim));
    EXPECT_THAT(NoticeTexts(), ElementsAre(L"Kim O'Hara<sip:o'hara@example> CONTACTTREE_WND/33004"));

    // A stranger's ended subscription shows an empty name and changes no row.
    s_notices.clear();
    Deliver(32, "nobody@example");
    EXPECT_THAT(NoticeTexts(), ElementsAre(L"<sip:nobody@example> CONTACTTREE_WND/33004"));
    EXPECT_EQ(9, StoredSubscribeId("sip:bob@example"));
}

TEST_F(ContactEvents, OtherContactEventsChangeNothing)
{
    frame->SetPresenceNoticeSwitch(1);
    for (int type : {23, 24})
        Deliver(type, "bob@example", "Bob", "Available", "hi");
    EXPECT_THAT(ContactsOf(L"Work"), ElementsAre(kBob, kCarol, kKim));
    EXPECT_THAT(frame->GetChatWindows(), IsEmpty());
    EXPECT_THAT(NoticeTexts(), IsEmpty());
}

TEST_F(ContactEvents, ARequestFromAContactAcceptedBeforeIsAnsweredThroughThePage)
{
    StoreContact({"sip:dan@example", "Dan", "Lee", "", "Work", 1, 1, 0});
    EngineEventSpec spec{};
    spec.type = 30;
    spec.remoteAddress = "dan@example";
    spec.requestText = "may I?";
    spec.subscribeId = 77;
    MainFrameTest::Deliver(EngineControl_NewRecord(&spec));
    // Accepted at once, without a pop-up: the new subscription's id is kept on that row only.
    EXPECT_EQ(77, StoredSubscribeId("sip:dan@example"));
    EXPECT_EQ(0, StoredSubscribeId("sip:bob@example"));
}

// The enumerator calls back with the system's calling convention, which a lambda lacks on 32-bit.
BOOL CALLBACK CollectNotifier(HWND window, LPARAM found)
{
    if (dynamic_cast<CTaskbarNotifier*>(CWnd::FromHandlePermanent(window)))
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

TEST_F(ContactEvents, TheRealNoticeIsATaskbarNotifierOwnedByTheTree)
{
    noticeRecorder.recording = false;
    frame->SetPresenceNoticeSwitch(1);
    Deliver(31, "bob@example", nullptr, "Available");
    std::vector<HWND> notifiers;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectNotifier, reinterpret_cast<LPARAM>(&notifiers));
    ASSERT_EQ(1u, notifiers.size());
    // A pop-up made for a child window is owned by that window's top-level window.
    EXPECT_EQ(::GetAncestor(Tree().GetSafeHwnd(), GA_ROOT), ::GetWindow(notifiers[0], GW_OWNER));
    EXPECT_TRUE(::IsWindowVisible(notifiers[0]));
    // Destroyed, it deletes itself.
    ::DestroyWindow(notifiers[0]);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(notifiers[0]));
}

} // namespace
} // namespace windows_test
