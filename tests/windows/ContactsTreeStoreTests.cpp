// The contacts tree's store against tables Contacts and Groups: a new contact's row (names
// encoded, flags, default group and avatar) and its node, added only once the row is stored
// and subscribed to once; a stored address changes nothing unless a request is accepted;
// edits, deletes, group rows; case-blind group names; quotes that round-trip; look-ups.
#include "tests/windows/ContactsTreeTestSupport.h"

#include "core/Base64.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "resources/ProgramIds.h"
#include "skin/model/SkinReader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>

using testing::ElementsAre;
using testing::IsEmpty;

namespace windows_test {
namespace {

using ContactsStore = ContactsTreeTest;

TEST_F(ContactsStore, ANewContactIsStoredEncodedAndShownLastInItsGroupOffline)
{
    MakeGroup("Work");
    ASSERT_TRUE(tree.SaveContact("Ann", "Lee", "", "Chef", "sip:ann@host", "ann@mail", "11", "22", "33", "Work", "",
                                 false, 0, 0, true));
    ASSERT_TRUE(Save("Bob", "sip:bob@host", "Work", "Bobby"));

    const std::vector<StoredContact> rows = StoredContacts();
    ASSERT_EQ(2u, rows.size());
    const StoredContact& ann = rows[0];
    EXPECT_EQ("sip:ann@host", ann.sipUri);
    EXPECT_EQ("Ann", ann.firstName);
    EXPECT_EQ("Lee", ann.lastName);
    EXPECT_EQ("Chef", ann.jobTitle);
    EXPECT_EQ("Work", ann.groupName);
    EXPECT_EQ("ann@mail", ann.email);
    EXPECT_EQ("11", ann.homePhone);
    EXPECT_EQ("22", ann.workPhone);
    EXPECT_EQ("33", ann.mobilePhone);
    EXPECT_EQ(WideToAnsi(Vexel::GetSkinFolder()) + "avatars\\Face01.ico", ann.icon);
    EXPECT_EQ(0, ann.blocked);
    EXPECT_EQ(1, ann.subscribed);
    EXPECT_EQ(0, ann.accepted);
    EXPECT_EQ(0, ann.subscribeId);

    // The encoded columns hold URL-safe Base64 exactly.
    SqlTable table;
    ASSERT_TRUE(g_database.GetTable("select FirstName, GroupName from Contacts where SIPUri = 'sip:ann@host'", table));
    ASSERT_EQ(1, table.Rows());
    EXPECT_STREQ(Base64Encode("Ann", true).c_str(), table.Value(0, 0));
    EXPECT_STREQ(Base64Encode("Work", true).c_str(), table.Value(0, 1));

    EXPECT_THAT(Shown(), ElementsAre(ShownGroup{AnsiToWide(DefaultGroup()).Str(), {}},
                                     ShownGroup{L"Work",
                                                {{L"Ann Lee", L"sip:ann@host", L"Offline"},
                                                 {L"Bobby", L"sip:bob@host", L"Offline"}}}));
    EXPECT_THAT(JournalOf("Tavik_presenceSubscribeContact"),
                ElementsAre("Tavik_presenceSubscribeContact(0,\"sip:ann@host\",\"Hello\")",
                            "Tavik_presenceSubscribeContact(0,\"sip:bob@host\",\"Hello\")"));
}

TEST_F(ContactsStore, TheDisplayNameFallsBackToFirstBlankLast)
{
    struct Case {
        const char* first;
        const char* last;
        const char* nick;
        const wchar_t* shown;
    };
    const Case cases[] = {{"Ann", "Lee", "", L"Ann Lee"}, {"Ann", "", "", L"Ann "}, {"Ann", "Lee", "Nan", L"Nan"}};
    int n = 0;
    for (const Case& c : cases) {
        const std::string uri = "sip:c" + std::to_string(n++) + "@host";
        ASSERT_TRUE(Save(c.first, uri, DefaultGroup(), c.nick, c.last));
        const ContactItemData* const record = tree.GetContactData(ContactNode(AnsiToWide(uri).Str()));
        ASSERT_NE(nullptr, record) << uri;
        EXPECT_EQ(std::wstring(c.shown), record->displayName.Str()) << uri;
    }
}

TEST_F(ContactsStore, TheDefaultGroupIsStoredAsFriendsAndACaseDifferentNameFindsTheSameNode)
{
    MakeGroup("Family");
    ASSERT_TRUE(Save("Ann", "sip:ann@host", DefaultGroup()));
    ASSERT_TRUE(Save("Bob", "sip:bob@host", "FAMILY"));
    // Only the default group's exact shown name is stored as "Friends".
    std::string lower = DefaultGroup();
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    ASSERT_NE(lower, DefaultGroup());
    ASSERT_TRUE(Save("Cid", "sip:cid@host", lower));
    EXPECT_EQ("Friends", StoredContactOf("sip:ann@host").groupName);
    EXPECT_EQ("FAMILY", StoredContactOf("sip:bob@host").groupName);
    EXPECT_EQ(lower, StoredContactOf("sip:cid@host").groupName);
    const std::vector<ShownGroup> shown = Shown();
    ASSERT_EQ(2u, shown.size());
    EXPECT_EQ(2u, shown[0].second.size());
    ASSERT_EQ(1u, shown[1].second.size());
    EXPECT_EQ(L"Family", shown[1].first);
    EXPECT_TRUE(tree.GroupExists(L"fAmIlY"));
    EXPECT_FALSE(tree.GroupExists(L"Famil"));
}

TEST_F(ContactsStore, AStoredAddressChangesNothingUnlessARequestIsAccepted)
{
    ASSERT_TRUE(Save("Ann", "sip:ann@host", DefaultGroup()));
    ASSERT_TRUE(Save("Bob", "sip:bob@host", DefaultGroup()));
    EngineControl_ClearJournal();
    const std::vector<StoredContact> before = StoredContacts();
    const std::vector<ShownGroup> shownBefore = Shown();

    EXPECT_FALSE(Save("Other", "sip:ann@host", DefaultGroup()));
    EXPECT_EQ(before.size(), StoredContacts().size());
    EXPECT_EQ("Ann", StoredContactOf("sip:ann@host").firstName);
    EXPECT_EQ(shownBefore, Shown());
    EXPECT_THAT(JournalOf("Tavik_presenceSubscribeContact"), IsEmpty());

    // An accepted request from a stored contact: its row's two columns, nothing else.
    EXPECT_TRUE(tree.SaveContact("Other", "", "", "", "sip:ann@host", "", "", "", "", DefaultGroup(), "", true, 1, 77,
                                 true));
    const StoredContact ann = StoredContactOf("sip:ann@host");
    EXPECT_EQ(1, ann.accepted);
    EXPECT_EQ(77, ann.subscribeId);
    EXPECT_EQ("Ann", ann.firstName);
    const StoredContact bob = StoredContactOf("sip:bob@host");
    EXPECT_EQ(0, bob.accepted);
    EXPECT_EQ(0, bob.subscribeId);
    EXPECT_EQ(shownBefore, Shown());
    EXPECT_THAT(JournalOf("Tavik_presenceSubscribeContact"), IsEmpty());
}

TEST_F(ContactsStore, AContactWhoseRowIsRefusedGetsNoNodeAndNoSubscription)
{
    Refuse("Contacts", "insert");
    EXPECT_FALSE(Save("Ann", "sip:ann@host", DefaultGroup()));
    EXPECT_THAT(StoredContacts(), IsEmpty());
    EXPECT_EQ(nullptr, ContactNode(L"sip:ann@host"));
    EXPECT_THAT(JournalOf("Tavik_presenceSubscribeContact"), IsEmpty());
}

TEST_F(ContactsStore, AContactOfAGroupWithoutNodeIsStoredButNotShownNorSubscribed)
{
    ASSERT_TRUE(Save("Ann", "sip:ann@host", "Nowhere"));
    EXPECT_EQ("Nowhere", StoredContactOf("sip:ann@host").groupName);
    EXPECT_EQ(nullptr, ContactNode(L"sip:ann@host"));
    EXPECT_THAT(JournalOf("Tavik_presenceSubscribeContact"), IsEmpty());
}

TEST_F(ContactsStore, EditingRewritesTheRowButNeverTheAddressAndRenamesTheNode)
{
    MakeGroup("Work");
    ASSERT_TRUE(Save("Ann", "sip:ann@host", DefaultGroup()));
    const HTREEITEM node = ContactNode(L"sip:ann@host");
    ASSERT_TRUE(tree.UpdateContact("Anna", "Lee", "", "Boss", "sip:ann@host", "a@b", "1", "2", "3", "Work", ""));
    const StoredContact ann = StoredContactOf("sip:ann@host");
    EXPECT_EQ("Anna", ann.firstName);
    EXPECT_EQ("Lee", ann.lastName);
    EXPECT_EQ("Boss", ann.jobTitle);
    EXPECT_EQ("Work", ann.groupName);
    EXPECT_EQ("a@b", ann.email);
    EXPECT_EQ("3", ann.mobilePhone);
    // The node stays where it was until the tree is loaded again.
    EXPECT_EQ(node, ContactNode(L"sip:ann@host"));
    EXPECT_EQ(L"Anna Lee", tree.GetContactData(node)->displayName.Str());
    EXPECT_EQ(GroupNode(AnsiToWide(DefaultGroup()).Str()), tree.GetParentItem(node));

    EXPECT_FALSE(tree.UpdateContact("X", "", "", "", "sip:nobody@host", "", "", "", "", "Work", ""));
    EXPECT_EQ(1u, StoredContacts().size());
}

TEST_F(ContactsStore, TextsWithQuotesRoundTrip)
{
    MakeGroup("Bob's");
    const std::string uri = "sip:o'brien@host";
    ASSERT_TRUE(tree.SaveContact("O'Brien", "D'Arcy", "", "", uri, "o'b@mail", "1'2", "", "", "Bob's", "", false, 0,
                                 0, true));
    StoredContact row = StoredContactOf(uri);
    EXPECT_EQ("O'Brien", row.firstName);
    EXPECT_EQ("o'b@mail", row.email);
    EXPECT_EQ("1'2", row.homePhone);
    EXPECT_EQ("Bob's", row.groupName);
    EXPECT_TRUE(tree.ContactExists(uri));
    EXPECT_EQ("1'2", tree.GetHomePhone(uri));
    ASSERT_NE(nullptr, ContactNode(AnsiToWide(uri).Str()));
    EXPECT_FALSE(tree.AddGroup("Bob's"));

    ASSERT_TRUE(tree.UpdateContact("Mc'Coy", "", "", "", uri, "", "", "'", "", "Bob's", ""));
    row = StoredContactOf(uri);
    EXPECT_EQ("Mc'Coy", row.firstName);
    EXPECT_EQ("'", row.workPhone);
    EXPECT_TRUE(tree.SetSubscribeId(uri, 5));
    EXPECT_EQ(5, StoredContactOf(uri).subscribeId);

    tree.SelectItem(ContactNode(AnsiToWide(uri).Str()));
    tree.SendMessage(WM_COMMAND, ID_CONTACT_DELETE, 0);
    EXPECT_THAT(StoredContacts(), IsEmpty());
    EXPECT_EQ(nullptr, ContactNode(AnsiToWide(uri).Str()));
}

TEST_F(ContactsStore, GroupRowsAreAddedOnceWithKeyZero)
{
    EXPECT_TRUE(tree.AddGroup("Work"));
    EXPECT_FALSE(tree.AddGroup("Work"));
    EXPECT_FALSE(tree.AddGroup(""));
    EXPECT_FALSE(tree.AddGroup(nullptr));
    const std::vector<StoredGroup> groups = StoredGroups();
    ASSERT_EQ(2u, groups.size());
    EXPECT_EQ(DefaultGroup(), groups[0].name);
    EXPECT_EQ(10, groups[0].key);
    EXPECT_EQ("Work", groups[1].name);
    EXPECT_EQ(0, groups[1].key);
    // No node comes with the row.
    EXPECT_EQ(nullptr, GroupNode(L"Work"));
}

TEST_F(ContactsStore, DeletingAGroupTakesOnlyAnEmptyGroupThatIsNotTheDefault)
{
    MakeGroup("Work");
    MakeGroup("Empty");
    ASSERT_TRUE(Save("Ann", "sip:ann@host", "Work"));
    struct Case {
        std::wstring group;
        bool goes;
    };
    const Case cases[] = {{L"Work", false}, {AnsiToWide(DefaultGroup()).Str(), false}, {L"Empty", true}};
    for (const Case& c : cases) {
        const size_t rows = StoredGroups().size();
        ASSERT_TRUE(tree.SelectItem(GroupNode(c.group)));
        tree.SendMessage(WM_KEYDOWN, VK_DELETE, 0);
        EXPECT_EQ(c.goes, GroupNode(c.group) == nullptr) << WideToAnsi(CString(c.group.c_str()));
        EXPECT_EQ(c.goes ? rows - 1 : rows, StoredGroups().size()) << WideToAnsi(CString(c.group.c_str()));
    }
    EXPECT_EQ(1u, StoredContacts().size());
}

TEST_F(ContactsStore, TheLookUpsReadTheStoredRow)
{
    ASSERT_TRUE(tree.SaveContact("Ann", "", "", "", "sip:ann@host", "", "h1", "w2", "m3", DefaultGroup(), "", false, 1,
                                 9, false));
    EXPECT_EQ("h1", tree.GetHomePhone("sip:ann@host"));
    EXPECT_EQ("w2", tree.GetWorkPhone("sip:ann@host"));
    EXPECT_EQ("m3", tree.GetMobilePhone("sip:ann@host"));
    EXPECT_EQ("", tree.GetHomePhone("sip:nobody@host"));
    EXPECT_EQ(WideToAnsi(Vexel::GetSkinFolder()) + "avatars\\Face01.ico", tree.GetContactIcon("sip:ann@host"));
    EXPECT_EQ("", tree.GetContactIcon(""));

    int id = -3;
    bool accepted = false;
    bool subscribed = false;
    tree.GetSubscriptionState("sip:ann@host", id, accepted, subscribed);
    EXPECT_EQ(9, id);
    EXPECT_TRUE(accepted);
    EXPECT_TRUE(subscribed);
    // Not stored: the caller's presets stay.
    id = 0;
    accepted = false;
    subscribed = true;
    tree.GetSubscriptionState("sip:nobody@host", id, accepted, subscribed);
    EXPECT_EQ(0, id);
    EXPECT_FALSE(accepted);
    EXPECT_TRUE(subscribed);

    EXPECT_TRUE(tree.ContactExists("sip:ann@host"));
    EXPECT_FALSE(tree.ContactExists("sip:ANN@host"));   // the stored text, exactly
    ASSERT_TRUE(g_database.Exec("drop table Contacts"));
    EXPECT_TRUE(tree.ContactExists("sip:nobody@host"));   // a failing query never invites an insert
}

} // namespace
} // namespace windows_test
