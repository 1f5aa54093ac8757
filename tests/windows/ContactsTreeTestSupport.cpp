#include "tests/windows/ContactsTreeTestSupport.h"

#include "core/Base64.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "texts/UiTextTable.h"

#include <cstdlib>
#include <ostream>

namespace windows_test {

void PrintTo(const ShownContact& contact, std::ostream* out)
{
    *out << "{" << WideToAnsi(CString(contact.name.c_str())) << ", " << WideToAnsi(CString(contact.sipUri.c_str()))
         << ", " << WideToAnsi(CString(contact.status.c_str())) << "}";
}

namespace {

std::string Text(const char* value)
{
    return value ? value : "";
}

int Number(const char* value)
{
    return value ? std::atoi(value) : -1;
}

int CollectContact(void* argument, int, char** values, char**)
{
    StoredContact row;
    row.sipUri = Text(values[0]);
    row.firstName = Base64Decode(Text(values[1]));
    row.lastName = Base64Decode(Text(values[2]));
    row.nickName = Base64Decode(Text(values[3]));
    row.jobTitle = Base64Decode(Text(values[4]));
    row.groupName = Base64Decode(Text(values[5]));
    row.icon = Base64Decode(Text(values[6]));
    row.email = Text(values[7]);
    row.homePhone = Text(values[8]);
    row.workPhone = Text(values[9]);
    row.mobilePhone = Text(values[10]);
    row.blocked = Number(values[11]);
    row.subscribed = Number(values[12]);
    row.accepted = Number(values[13]);
    row.subscribeId = Number(values[14]);
    static_cast<std::vector<StoredContact>*>(argument)->push_back(row);
    return 0;
}

int CollectGroup(void* argument, int, char** values, char**)
{
    static_cast<std::vector<StoredGroup>*>(argument)->push_back({Base64Decode(Text(values[0])), Number(values[1])});
    return 0;
}

} // namespace

void ContactsTreeTest::SetUp()
{
    MainFrameTest::SetUp();
    CreateFrame(false);
    ASSERT_TRUE(host.Make(L"contacts", WS_POPUP | WS_VISIBLE));
    ::SetWindowPos(host.m_hWnd, HWND_TOPMOST, 0, 0, 320, 480, SWP_SHOWWINDOW);
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TVS_FULLROWSELECT |
                                TVS_EDITLABELS | TVS_HASBUTTONS,
                            RECT{0, 0, 320, 480}, &host, 1111));
    tree.SetItemHeight(32);
    ASSERT_TRUE(g_database.Exec("delete from Groups"));
    ASSERT_TRUE(g_database.Run("insert into Groups(GroupName, GroupKey) values(?, 10)",
                               {Base64Encode(DefaultGroup(), true)}));
    ASSERT_NE(nullptr, tree.InsertItem(AnsiToWide(DefaultGroup()), TVI_ROOT, TVI_LAST));
}

void ContactsTreeTest::TearDown()
{
    if (tree.GetSafeHwnd())
        tree.DestroyWindow();
    if (host.GetSafeHwnd())
        host.DestroyWindow();
    PumpPending();
    MainFrameTest::TearDown();
}

std::string ContactsTreeTest::DefaultGroup()
{
    return WideToAnsi(g_uiTexts.contactDetailsWnd.t32000);
}

HTREEITEM ContactsTreeTest::MakeGroup(const std::string& name)
{
    EXPECT_TRUE(tree.AddGroup(name.c_str())) << name;
    return tree.InsertItem(AnsiToWide(name), TVI_ROOT, TVI_LAST);
}

bool ContactsTreeTest::Save(const std::string& first, const std::string& sipUri, const std::string& group,
                            const std::string& nick, const std::string& last)
{
    return tree.SaveContact(first, last, nick, "", sipUri, "", "", "", "", group, "", false, 0, 0, true);
}

std::vector<StoredContact> ContactsTreeTest::StoredContacts()
{
    std::vector<StoredContact> rows;
    EXPECT_TRUE(g_database.Exec("select SIPUri, FirstName, LastName, NickName, JobTitle, GroupName, Icon, Email, "
                                "HomePhone, WorkPhone, MobilePhone, blocked, subscribed, acceptedsubscribed, "
                                "subscribeid from Contacts order by rowid",
                                &CollectContact, &rows));
    return rows;
}

StoredContact ContactsTreeTest::StoredContactOf(const std::string& sipUri)
{
    for (const StoredContact& row : StoredContacts()) {
        if (row.sipUri == sipUri)
            return row;
    }
    return {};
}

std::vector<StoredGroup> ContactsTreeTest::StoredGroups()
{
    std::vector<StoredGroup> rows;
    EXPECT_TRUE(g_database.Exec("select GroupName, GroupKey from Groups order by rowid", &CollectGroup, &rows));
    return rows;
}

std::vector<ShownGroup> ContactsTreeTest::Shown() const
{
    std::vector<ShownGroup> groups;
    for (HTREEITEM group = tree.GetRootItem(); group; group = tree.GetNextSiblingItem(group)) {
        ShownGroup shown{tree.GetItemText(group).Str(), {}};
        for (HTREEITEM child = tree.GetChildItem(group); child; child = tree.GetNextSiblingItem(child)) {
            const ContactItemData* const record = tree.GetContactData(child);
            EXPECT_NE(nullptr, record);
            if (record)
                shown.second.push_back({record->displayName.Str(), record->sipUri.Str(), record->status.Str()});
        }
        groups.push_back(shown);
    }
    return groups;
}

HTREEITEM ContactsTreeTest::GroupNode(const std::wstring& name) const
{
    for (HTREEITEM group = tree.GetRootItem(); group; group = tree.GetNextSiblingItem(group)) {
        if (tree.GetItemText(group).Str() == name)
            return group;
    }
    return nullptr;
}

HTREEITEM ContactsTreeTest::ContactNode(const std::wstring& sipUri) const
{
    return tree.FindContactItem(WideToAnsi(CString(sipUri.c_str())));
}

void ContactsTreeTest::Refuse(const std::string& table, const std::string& verb)
{
    ASSERT_TRUE(g_database.Exec("create trigger refuse_" + verb + "_" + table + " before " + verb + " on " + table +
                                " begin select raise(abort, 'refused'); end"));
}

} // namespace windows_test
