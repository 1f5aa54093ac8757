#include "tests/windows/ContactsTestSupport.h"

#include "core/Base64.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "engine/TavikControl.h"

namespace windows_test {

const std::wstring ContactsTest::kDefaultGroup = L"CONTACTDETAILS_WND/32000";
std::vector<Notice> ContactsTest::s_notices;

void ContactsTest::SetUp()
{
    MainFrameTest::SetUp();
    s_notices.clear();
    CreateFrame(false);
    frame->Contacts()->passOn = true;
    UseAccount();
}

bool ContactsTest::NoticeRecorder::TakePresenceNotice(CWnd* owner, const CString& text) const
{
    if (!recording)
        return Previous().TakePresenceNotice(owner, text);
    s_notices.push_back({owner ? owner->GetSafeHwnd() : nullptr, text.Str()});
    return true;
}

void ContactsTest::TearDown()
{
    if (frame)
        frame->DeleteAllChatWindows();
    if (frame && frame->HasEngine())
        frame->SignOut(false);
    MainFrameTest::TearDown();
}

void ContactsTest::StoreGroup(const std::string& name)
{
    ASSERT_TRUE(g_database.Run("insert into Groups(GroupName, GroupKey) values(?, 0)", {Base64Encode(name, true)}))
        << name;
}

void ContactsTest::StoreDefaultGroup()
{
    ASSERT_TRUE(g_database.Run("insert into Groups(GroupName, GroupKey) values(?, 10)",
                               {Base64Encode(WideToAnsi(kDefaultGroup.c_str()), true)}));
}

void ContactsTest::StoreContact(const ContactRowSpec& contact)
{
    const auto encoded = [](const std::string& text) { return Base64Encode(text, true); };
    ASSERT_TRUE(g_database.Run(
        "insert into Contacts(SIPUri, Email, HomePhone, WorkPhone, MobilePhone, FirstName, LastName, NickName, "
        "JobTitle, GroupName, Icon, blocked, subscribed, acceptedsubscribed, subscribeid) "
        "values(?, '', '', '', '', ?, ?, ?, '', ?, ?, 0, ?, ?, ?)",
        {contact.sipUri, encoded(contact.firstName), encoded(contact.lastName), encoded(contact.nickName),
         encoded(contact.group), encoded(contact.icon), contact.subscribed, contact.accepted, contact.subscribeId}))
        << contact.sipUri;
}

void ContactsTest::SignIn()
{
    EngineControl_SetTiming(EngineTiming_Register, 0);
    ASSERT_TRUE(frame->SignIn());
    ASSERT_TRUE(PumpUntil([this] { return frame->IsSignedIn() != 0; }));
    ASSERT_EQ(0, EngineControl_WaitIdle(frame->GetEngineHandle(), 10000));
    PumpPending();
}

std::vector<std::wstring> ContactsTest::Groups()
{
    std::vector<std::wstring> groups;
    CContactsTree& tree = Tree();
    for (HTREEITEM group = tree.GetRootItem(); group; group = tree.GetNextSiblingItem(group))
        groups.push_back(tree.GetItemText(group).Str());
    return groups;
}

std::vector<ShownContact> ContactsTest::ContactsOf(const std::wstring& group)
{
    std::vector<ShownContact> contacts;
    CContactsTree& tree = Tree();
    for (HTREEITEM item = tree.GetRootItem(); item; item = tree.GetNextSiblingItem(item)) {
        if (tree.GetItemText(item).Str() != group)
            continue;
        for (HTREEITEM child = tree.GetChildItem(item); child; child = tree.GetNextSiblingItem(child)) {
            const ContactItemData* const record = tree.GetContactData(child);
            EXPECT_NE(nullptr, record);
            if (record)
                contacts.push_back({record->displayName.Str(), record->sipUri.Str(), record->status.Str()});
        }
    }
    return contacts;
}

int ContactsTest::StoredSubscribeId(const std::string& sipUri)
{
    SqlTable table;
    if (!g_database.Query("select subscribeid from Contacts where SIPUri = ?", {sipUri}, table) ||
        table.Rows() != 1 || !table.Value(0, 0))
        return -1;
    return std::atoi(table.Value(0, 0));
}

void ContactsTest::Deliver(int type, const char* remote, const char* displayName, const char* status,
                           const char* body)
{
    EngineEventSpec spec{};
    spec.type = type;
    spec.remoteAddress = remote;
    spec.displayName = displayName;
    spec.statusText = status;
    spec.messageBody = body;
    MainFrameTest::Deliver(EngineControl_NewRecord(&spec));
}

} // namespace windows_test
