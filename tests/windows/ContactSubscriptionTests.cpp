// Presence-subscription requests (engine event 30) from the engine stand-in, through the main
// window's dispatch into a contacts tree: the pop-up's texts, Allow storing the requester (or
// marking a stored contact's one row) as accepted with the request's id, Reject, a contact
// accepted before answered without a window, a repeated request dropped, and requests and call
// events that arrive while the pop-up runs its nested loop handled after it, in order.
#include "tests/windows/ContactTestSupport.h"

#include "core/Base64.h"
#include "core/OptionsRecord.h"
#include "core/TavikSQL.h"
#include "resources/Resource.h"
#include "skin/ui/UIWnd.h"
#include "windows/contacts/ContactsTree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

namespace windows_test {
namespace {

using lumeo_test::ChildText;
using testing::ElementsAre;
using testing::IsEmpty;

constexpr int kRequest = 30;

struct Request {
    const char* address;       // without "sip:"
    const char* displayName;
    const char* text;
    int subscribeId;
};

SIPCallbackCommand* NewRequest(const Request& request)
{
    EngineEventSpec spec{};
    spec.type = kRequest;
    spec.remoteAddress = request.address;
    spec.displayName = request.displayName;
    spec.requestText = request.text;
    spec.subscribeId = request.subscribeId;
    return EngineControl_NewRecord(&spec);
}

struct SkinWindowSearch {
    const wchar_t* id;
    HWND found;
};

// A plain callback: 32-bit Windows calls it with its own calling convention.
BOOL CALLBACK MatchSkinWindow(HWND window, LPARAM argument)
{
    auto& search = *reinterpret_cast<SkinWindowSearch*>(argument);
    const auto* name = static_cast<const wchar_t*>(::GetPropW(window, Vexel::kStringIdProperty));
    if (name && wcscmp(name, search.id) == 0 && ::IsWindowEnabled(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// The skinned window of this thread made from skin window `id`; null when none is up.
HWND FindSkinWindow(const wchar_t* id)
{
    SkinWindowSearch search{id, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &MatchSkinWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class SubscriptionRequests : public ContactTest {
protected:
    void SetUp() override
    {
        ContactTest::SetUp();
        g_options.AutoUpgrade = false;
        CreateFrame();
        UseAccount();
        ASSERT_TRUE(frame->SignIn());
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 400), frame.get(), 4242));
        tree.InsertItem(L"CONTACTDETAILS_WND/32000");
        tree.InsertItem(L"Work");
        StoreGroup("Work");
        frame->Contacts()->handleRecord = [this](SIPCallbackCommand* record) {
            if (record->GetEventType() == kRequest)
                tree.OnSubscriptionRequest(record);
        };
        EngineControl_ClearJournal();
    }
    void TearDown() override
    {
        if (frame)
            frame->Contacts()->handleRecord = nullptr;
        if (tree.GetSafeHwnd())
            tree.DestroyWindow();
        ContactTest::TearDown();
    }

    // `act` runs on the next pop-up from inside its own loop, once it is shown.
    void AnswerPopup(std::function<void(HWND)> act)
    {
        auto pending = std::make_shared<bool>(true);
        frame->Contacts()->whileHandling = [this, act, pending](int type) {
            if (type != kRequest || !*pending)
                return;
            *pending = false;
            actions.Post([act] {
                const HWND popup = FindSkinWindow(L"IDW_ONLINEREQUEST");
                ASSERT_NE(nullptr, popup);
                if (!::IsWindowVisible(popup))
                    ::ShowWindow(popup, SW_SHOWNORMAL);
                act(popup);
            });
        };
    }

    // The presence calls the engine was given, handle written as H.
    std::vector<std::string> PresenceCalls() const
    {
        std::vector<std::string> calls;
        for (const std::string& line : Journal()) {
            if (line.rfind("Tavik_presence", 0) == 0)
                calls.push_back(line);
        }
        return calls;
    }

    CContactsTree tree;
};

TEST_F(SubscriptionRequests, AllowStoresTheRequesterAsAnAcceptedContactInTheChosenGroup)
{
    Store(SampleContact("alice"));
    const TableRows before = ContactsOf(g_database);
    std::wstring info, subject;
    std::vector<std::wstring> windows;
    AnswerPopup([&](HWND popup) {
        windows.push_back(L"IDW_ONLINEREQUEST");
        info = ChildText(popup, IDC_STA_INFO);
        subject = ChildText(popup, IDC_STA_SUBJECT);
        ::SendDlgItemMessageW(popup, IDC_CMB_GROUP, CB_SETCURSEL, 0, 0);   // "Work"
        Click(popup, IDC_BTN_ALLOW);
    });
    Deliver(NewRequest({"bob@sip.example", "Bob@home", "Let me watch", 11}));

    EXPECT_THAT(windows, ElementsAre(L"IDW_ONLINEREQUEST"));
    EXPECT_EQ(L"Bob@home<sip:bob@sip.example> ONLINE_WND/34000", info);
    EXPECT_EQ(L"Let me watch", subject);
    EXPECT_THAT(PresenceCalls(), ElementsAre("Tavik_presenceAcceptSubscribe(H,11)",
                                             "Tavik_presenceOnline(H,11,\"Available\")",
                                             "Tavik_presenceSubscribeContact(H,\"sip:bob@sip.example\",\"Hello.\")"));
    const TableRows rows = ContactsOf(g_database);
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ(before[0], rows[0]) << "alice's row is untouched";
    EXPECT_EQ("sip:bob@sip.example", rows[1][0]);
    EXPECT_EQ(Base64Encode("Bob", true), rows[1][5]) << "the name before its @";
    EXPECT_EQ(Base64Encode("Work", true), rows[1][9]);
    EXPECT_EQ("1", rows[1][13]);
    EXPECT_EQ("11", rows[1][14]);
    EXPECT_NE(nullptr, tree.FindContactItem("sip:bob@sip.example"));
}

TEST_F(SubscriptionRequests, AllowForAStoredContactMarksThatOneRowOnly)
{
    ContactRow alice = SampleContact("alice");
    alice.acceptedSubscribed = 0;
    alice.subscribeId = 0;
    Store(alice);
    Store(SampleContact("carol"));
    TableRows expected = ContactsOf(g_database);
    ModalAnswers answers({1});
    Deliver(NewRequest({"alice@sip.example", "Alice", "", 12}));

    EXPECT_THAT(answers.Windows(), ElementsAre(L"IDW_ONLINEREQUEST"));
    expected[0][13] = "1";
    expected[0][14] = "12";
    EXPECT_EQ(expected, ContactsOf(g_database));
}

TEST_F(SubscriptionRequests, AllowWithoutAChoiceFilesTheRequesterUnderTheDefaultGroup)
{
    ASSERT_TRUE(g_database.Exec("delete from Groups"));
    ModalAnswers answers({1});
    Deliver(NewRequest({"bob@sip.example", "", "", 14}));
    const TableRows rows = ContactsOf(g_database);
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ(Base64Encode("bob", true), rows[0][5]) << "the bare address, up to its @";
    EXPECT_EQ(Base64Encode("Friends", true), rows[0][9]);
}

TEST_F(SubscriptionRequests, ARequestWithoutTextOrNameShowsHiAndTheBareAddress)
{
    std::wstring info, subject;
    AnswerPopup([&](HWND popup) {
        info = ChildText(popup, IDC_STA_INFO);
        subject = ChildText(popup, IDC_STA_SUBJECT);
        Click(popup, IDC_BTN_REJECT);
    });
    Deliver(NewRequest({"bob@sip.example", "", "", 15}));
    EXPECT_EQ(L"bob@sip.example<sip:bob@sip.example> ONLINE_WND/34000", info);
    EXPECT_EQ(L"Hi.", subject);
}

TEST_F(SubscriptionRequests, RejectAnswersTheEngineAndStoresNothingAndTheSameRequesterIsNotAskedAgain)
{
    ModalAnswers answers({2});
    Deliver(NewRequest({"bob@sip.example", "Bob", "", 13}));
    EXPECT_THAT(PresenceCalls(), ElementsAre("Tavik_presenceRejectSubscribe(H,13)"));
    EXPECT_THAT(ContactsOf(g_database), IsEmpty());

    EngineControl_ClearJournal();
    Deliver(NewRequest({"bob@sip.example", "Bob", "", 16}));
    EXPECT_THAT(answers.Windows(), ElementsAre(L"IDW_ONLINEREQUEST")) << "no second window";
    EXPECT_THAT(PresenceCalls(), IsEmpty());
}

TEST_F(SubscriptionRequests, AContactAcceptedBeforeIsAnsweredWithoutAWindow)
{
    const struct {
        const char* name;
        int subscribed;
        int storedId;
        bool subscribesBack;
    } kCases[] = {
        {"subscribed, no subscription yet", 1, 0, true},
        {"subscribed, a subscription running", 1, 5, false},
        {"not subscribed", 0, 0, false},
    };
    for (const auto& row : kCases) {
        ASSERT_TRUE(g_database.Exec("delete from Contacts"));
        ContactRow alice = SampleContact("alice");
        alice.acceptedSubscribed = 1;
        alice.subscribed = row.subscribed;
        alice.subscribeId = row.storedId;
        Store(alice);
        EngineControl_ClearJournal();
        ModalAnswers answers({});
        Deliver(NewRequest({"alice@sip.example", "Alice", "", 17}));
        EXPECT_THAT(answers.Windows(), IsEmpty()) << row.name;
        std::vector<std::string> expected = {"Tavik_presenceAcceptSubscribe(H,17)",
                                             "Tavik_presenceOnline(H,17,\"Available\")"};
        if (row.subscribesBack)
            expected.push_back("Tavik_presenceSubscribeContact(H,\"sip:alice@sip.example\",\"Hello.\")");
        EXPECT_EQ(expected, PresenceCalls()) << row.name;
        EXPECT_EQ("17", ContactsOf(g_database).at(0)[14]) << row.name;
    }
}

TEST_F(SubscriptionRequests, EventsArrivingWhileThePopupIsOpenAreHandledAfterItInOrder)
{
    std::unique_ptr<ModalAnswers> later;
    std::vector<std::string> logWhileOpen;
    bool posted = false;
    frame->Contacts()->whileHandling = [&](int) {
        if (posted)
            return;
        posted = true;
        // Runs inside the first pop-up's own loop.
        actions.Post([&] {
            frame->PostMessage(WM_ENGINE_EVENT, reinterpret_cast<WPARAM>(NewRequest({"carol@sip.example", "Carol", "", 21})), 0);
            frame->PostMessage(WM_ENGINE_EVENT, reinterpret_cast<WPARAM>(NewEvent(5)), 0);
            frame->PostMessage(WM_ENGINE_EVENT, reinterpret_cast<WPARAM>(NewRequest({"bob@sip.example", "Bob", "", 22})), 0);
            later = std::make_unique<ModalAnswers>(std::vector<int>{2});   // carol's pop-up: Reject
            actions.Post([&] {
                logWhileOpen = pages.log;
                const HWND popup = FindSkinWindow(L"IDW_ONLINEREQUEST");
                ASSERT_NE(nullptr, popup);
                Click(popup, IDC_BTN_ALLOW);
            });
        });
    };
    Deliver(NewRequest({"bob@sip.example", "Bob", "", 11}));
    PumpPending();

    EXPECT_THAT(logWhileOpen, ElementsAre("contacts:30")) << "nothing ran inside the pop-up's loop";
    EXPECT_THAT(pages.log, ElementsAre("contacts:30", "contacts:30", "calls:5", "contacts:30"));
    ASSERT_TRUE(later);
    EXPECT_THAT(later->Windows(), ElementsAre(L"IDW_ONLINEREQUEST")) << "carol was asked after bob";
    EXPECT_THAT(PresenceCalls(),
                ElementsAre("Tavik_presenceAcceptSubscribe(H,11)", "Tavik_presenceOnline(H,11,\"Available\")",
                            "Tavik_presenceSubscribeContact(H,\"sip:bob@sip.example\",\"Hello.\")",
                            "Tavik_presenceRejectSubscribe(H,21)",
                            // bob asked again: accepted before, so answered at once
                            "Tavik_presenceAcceptSubscribe(H,22)", "Tavik_presenceOnline(H,22,\"Available\")"));
    const TableRows rows = ContactsOf(g_database);
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ("sip:bob@sip.example", rows[0][0]);
    EXPECT_EQ("22", rows[0][14]);
    EXPECT_EQ(0, EngineControl_GetLiveRecordCount());
    EXPECT_EQ(0, EngineControl_GetBadReleaseCount());
}

} // namespace
} // namespace windows_test
