// The contacts page: its tree over the skin's placeholder with the skinned scroll bars; the
// groups and contacts the registration success loads from the tables (the default group
// under its localised name, names from nickname or first and last name, a contact of a
// missing group left out but still subscribed to when marked, the subscription ids reset);
// nothing loaded twice; presence published only to accepted rows that hold an id; and the
// tree emptied at sign-out.
#include "tests/windows/ContactsTestSupport.h"

#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "resources/Resource.h"
#include "skin/ui/RectCtrl.h"
#include "skin/ui/controls/ScrollBarEx.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;
using testing::IsEmpty;

namespace windows_test {
namespace {

class ContactsPage : public ContactsTest {};

TEST_F(ContactsPage, TheTreeLiesOverThePlaceholderWithItsSkinnedScrollBars)
{
    CContactsTree& tree = Tree();
    ASSERT_TRUE(::IsWindow(tree.GetSafeHwnd()));
    EXPECT_EQ(1111, ::GetDlgCtrlID(tree.GetSafeHwnd()));
    const DWORD style = static_cast<DWORD>(::GetWindowLongW(tree.GetSafeHwnd(), GWL_STYLE));
    const DWORD wanted = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TVS_FULLROWSELECT | TVS_EDITLABELS |
                         TVS_HASBUTTONS;
    EXPECT_EQ(wanted, style & wanted);

    frame->ShowPage(0);
    const Vexel::CRectCtrl* const placeholder = Page().GetRectCtrl(IDC_RECT_Contacts);
    ASSERT_NE(nullptr, placeholder);
    RECT expected{};
    placeholder->GetRect(expected);
    RECT actual{};
    tree.GetWindowRect(&actual);
    Page().ScreenToClient(&actual);
    EXPECT_EQ(expected.left, actual.left);
    EXPECT_EQ(expected.top, actual.top);
    EXPECT_EQ(expected.right, actual.right);
    EXPECT_EQ(expected.bottom, actual.bottom);

    EXPECT_EQ(RGB(255, 255, 255), tree.GetBkColor());
    EXPECT_EQ(32, tree.GetItemHeight());
    ASSERT_NE(nullptr, tree.GetHorzScrollBarEx());
    // Lumeo's skin ships the vertical bar's images only; the horizontal bar keeps its own look.
    Vexel::CScrollBarEx* const bar = tree.GetVertScrollBarEx();
    ASSERT_NE(nullptr, bar);
    HBITMAP thumbs[4] = {};
    bar->GetThumbImages(&thumbs[0], &thumbs[1], &thumbs[2], &thumbs[3]);
    for (HBITMAP thumb : thumbs)
        EXPECT_NE(nullptr, thumb) << "every thumb image comes from the skin folder";
}

TEST_F(ContactsPage, TheRegistrationSuccessLoadsGroupsThenTheirContacts)
{
    StoreDefaultGroup();
    StoreGroup("Work");
    StoreGroup("");            // adds no item
    StoreGroup("FRIENDS");     // a group of its own: only "Friends" exactly is the default group
    StoreGroup("Home");
    struct Row {
        ContactRowSpec stored;
        const wchar_t* group;   // where it shows; null: nowhere
        const wchar_t* name;
    };
    const Row kRows[] = {
        {{"sip:bob@example", "Bob", "Stone", "Bobby", "Work"}, L"Work", L"Bobby"},
        {{"sip:carol@example", "Carol", "King", "", "Friends"}, kDefaultGroup.c_str(), L"Carol King"},
        {{"sip:dan@example", "Dan", "", "", "friends"}, L"FRIENDS", L"Dan "},
        {{"sip:eve@example", "", "", "", "Home"}, L"Home", L" "},
        {{"sip:fay@example", "Fay", "Lane", "", "Nowhere"}, nullptr, nullptr},
        {{"sip:o'hara@example", "Kim", "O'Hara", "", "Work"}, L"Work", L"Kim O'Hara"},
    };
    for (const Row& row : kRows)
        StoreContact(row.stored);
    SignIn();

    EXPECT_THAT(Groups(), ElementsAre(kDefaultGroup, L"Work", L"FRIENDS", L"Home"));
    for (const Row& row : kRows) {
        const std::wstring uri(row.stored.sipUri.begin(), row.stored.sipUri.end());
        bool found = false;
        for (const std::wstring& group : Groups()) {
            for (const ShownContact& shown : ContactsOf(group)) {
                if (shown.sipUri != uri)
                    continue;
                found = true;
                EXPECT_TRUE(row.group && group == row.group) << row.stored.sipUri;
                EXPECT_EQ(row.name ? row.name : L"", shown.name) << row.stored.sipUri;
                EXPECT_EQ(L"Offline", shown.status) << row.stored.sipUri;
            }
        }
        EXPECT_EQ(row.group != nullptr, found) << row.stored.sipUri;
    }
    // Every group shows open: the row after a group with contacts is its first contact.
    const CContactsTree& tree = Tree();
    for (HTREEITEM group = tree.GetRootItem(); group; group = tree.GetNextSiblingItem(group)) {
        if (const HTREEITEM first = tree.GetChildItem(group)) {
            EXPECT_EQ(first, tree.GetNextVisibleItem(group)) << WideToAnsi(tree.GetItemText(group));
        }
    }
}

TEST_F(ContactsPage, GroupsWithContactsShowOpenAndGroupsWithoutShowClosed)
{
    StoreGroup("Work");
    StoreGroup("Empty");
    const auto open = [this](const wchar_t* name) {
        const CContactsTree& tree = Tree();
        for (HTREEITEM group = tree.GetRootItem(); group; group = tree.GetNextSiblingItem(group)) {
            if (tree.GetItemText(group) == name)
                return (tree.GetItemState(group, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
        }
        ADD_FAILURE() << "no group " << WideToAnsi(name);
        return false;
    };
    // No contacts at all, then one.
    SignIn();
    EXPECT_FALSE(open(L"Work"));
    EXPECT_FALSE(open(L"Empty"));
    frame->SignOut(false);
    StoreContact({"sip:a@example", "A", "", "", "Work"});
    SignIn();
    EXPECT_TRUE(open(L"Work"));
    EXPECT_FALSE(open(L"Empty"));
}

TEST_F(ContactsPage, MarkedContactsAreSubscribedToEvenWithoutAGroupItem)
{
    StoreGroup("Work");
    StoreContact({"sip:a@example", "A", "", "", "Work", 0});
    StoreContact({"sip:b@example", "B", "", "", "Work", 1});
    StoreContact({"sip:c@example", "C", "", "", "Nowhere", 1});
    StoreContact({"sip:d@example", "D", "", "", "Work", 2});
    SignIn();
    EXPECT_THAT(JournalOf("Tavik_presenceSubscribeContact"),
                ElementsAre("Tavik_presenceSubscribeContact(H,\"sip:b@example\",\"Hello\")",
                            "Tavik_presenceSubscribeContact(H,\"sip:c@example\",\"Hello\")",
                            "Tavik_presenceSubscribeContact(H,\"sip:d@example\",\"Hello\")"));
    EXPECT_EQ(3u, ContactsOf(L"Work").size());
}

TEST_F(ContactsPage, EverySubscriptionIdIsResetAndPresenceGoesOnlyToAcceptedRowsWithAnId)
{
    StoreGroup("Work");
    StoreContact({"sip:a@example", "A", "", "", "Work", 0, 1, 5});
    StoreContact({"sip:b@example", "B", "", "", "Nowhere", 0, 1, 6});
    ASSERT_TRUE(g_database.Exec("insert into Contacts(SIPUri, subscribeid) values('sip:n@example', NULL)"));
    SignIn();
    for (const char* uri : {"sip:a@example", "sip:b@example", "sip:n@example"})
        EXPECT_EQ(0, StoredSubscribeId(uri)) << uri;
    // Right after signing in no subscription is known: nothing is published.
    EngineControl_ClearJournal();
    CContactsWnd::NotifyPresenceOnline("Busy");
    CContactsWnd::NotifyPresenceOffline();
    EXPECT_THAT(JournalOf("Tavik_presenceOnline"), IsEmpty());
    EXPECT_THAT(JournalOf("Tavik_presenceOffline"), IsEmpty());

    // Subscriptions accepted since: (accepted, id) per row.
    const struct {
        const char* uri;
        int accepted;
        int id;
    } kRows[] = {{"sip:a@example", 1, 7}, {"sip:b@example", 2, 8}, {"sip:c@example", 0, 9}, {"sip:d@example", 1, 0}};
    ASSERT_TRUE(g_database.Exec("delete from Contacts"));
    for (const auto& row : kRows)
        StoreContact({row.uri, "X", "", "", "Work", 0, row.accepted, row.id});
    CContactsWnd::NotifyPresenceOnline("Be right back");
    CContactsWnd::NotifyPresenceOffline();
    EXPECT_THAT(JournalOf("Tavik_presenceOnline"), ElementsAre("Tavik_presenceOnline(H,7,\"Be right back\")",
                                                               "Tavik_presenceOnline(H,8,\"Be right back\")"));
    EXPECT_THAT(JournalOf("Tavik_presenceOffline"),
                ElementsAre("Tavik_presenceOffline(H,7)", "Tavik_presenceOffline(H,8)"));
}

TEST_F(ContactsPage, ARegistrationSuccessWhileSignedInLoadsNothingAgain)
{
    StoreGroup("Work");
    StoreContact({"sip:a@example", "A", "", "", "Work", 1});
    SignIn();
    EngineControl_ClearJournal();
    ContactsTest::Deliver(1, "alice@example");
    EXPECT_THAT(Groups(), ElementsAre(L"Work"));
    EXPECT_EQ(1u, ContactsOf(L"Work").size());
    EXPECT_THAT(JournalOf("Tavik_presenceSubscribeContact"), IsEmpty());
}

TEST_F(ContactsPage, SigningOutEmptiesTheTreeAndTheNextSignInFillsItAgain)
{
    StoreGroup("Work");
    StoreContact({"sip:a@example", "A", "", "", "Work"});
    StoreContact({"sip:b@example", "B", "", "", "Work"});
    SignIn();
    ASSERT_EQ(2u, ContactsOf(L"Work").size());
    frame->SignOut(false);
    EXPECT_EQ(0u, Tree().GetCount());
    SignIn();
    EXPECT_THAT(Groups(), ElementsAre(L"Work"));
    EXPECT_EQ(2u, ContactsOf(L"Work").size());
}

} // namespace
} // namespace windows_test
