// A contacts backup made and taken back while Lumeo speaks French: the contacts of the default
// group travel under its stored name, "Friends", and come back under the group's French name,
// so the import makes no group beside it, neither at once nor at the next sign-in.
#include "tests/windows/ContactTestSupport.h"

#include "core/Base64.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "tests/support/TempDir.h"
#include "texts/UiTextTable.h"
#include "windows/contacts/ContactsBackup.h"
#include "windows/contacts/ContactsTree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace windows_test {
namespace {

using testing::ElementsAre;

using GroupRow = std::pair<std::string, int>;   // the name decoded, the key
// Each group node's text with the addresses of its contacts, in tree order.
using ShownTree = std::vector<std::pair<std::wstring, std::vector<std::wstring>>>;

int CollectGroupRow(void* argument, int, char** values, char**)
{
    static_cast<std::vector<GroupRow>*>(argument)->emplace_back(Base64Decode(values[0] ? values[0] : ""),
                                                                values[1] ? std::atoi(values[1]) : -1);
    return 0;
}

std::vector<GroupRow> StoredGroupRows()
{
    std::vector<GroupRow> rows;
    EXPECT_TRUE(g_database.Exec("select GroupName, GroupKey from Groups order by GroupKey desc, GroupName",
                                &CollectGroupRow, &rows));
    return rows;
}

class FrenchBackup : public ContactTest {
protected:
    void SetUp() override
    {
        ContactTest::SetUp();
        g_uiTexts.contactDetailsWnd.t32000 = L"Amis";   // the French name of the default group
        CreateFrame(false);
        frame->Contacts()->passOn = true;
        UseAccount();
    }
    void TearDown() override
    {
        if (frame && frame->HasEngine())
            frame->SignOut(false);
        ContactTest::TearDown();
    }

    static void StoreGroupRow(const std::string& name, int key)
    {
        ASSERT_TRUE(g_database.Run("insert into Groups(GroupName, GroupKey) values(?, ?)",
                                   {Base64Encode(name, true), key}));
    }
    static void StoreContactIn(const std::string& sipUri, const std::string& name, const std::string& storedGroup)
    {
        ContactRow row;
        row.sipUri = sipUri;
        row.firstName = Base64Encode(name, true);
        row.groupName = Base64Encode(storedGroup, true);
        Store(row);
    }
    void SignIn()
    {
        EngineControl_SetTiming(EngineTiming_Register, 0);
        ASSERT_TRUE(frame->SignIn());
        ASSERT_TRUE(PumpUntil([this] { return frame->IsSignedIn() != 0; }));
        ASSERT_EQ(0, EngineControl_WaitIdle(frame->GetEngineHandle(), 10000));
        PumpPending();
    }
    CContactsTree& Tree() { return frame->Contacts()->GetTree(); }
    ShownTree Shown()
    {
        ShownTree shown;
        CContactsTree& tree = Tree();
        for (HTREEITEM group = tree.GetRootItem(); group; group = tree.GetNextSiblingItem(group)) {
            shown.emplace_back(tree.GetItemText(group).Str(), std::vector<std::wstring>{});
            for (HTREEITEM item = tree.GetChildItem(group); item; item = tree.GetNextSiblingItem(item)) {
                const ContactItemData* const record = tree.GetContactData(item);
                shown.back().second.push_back(record ? record->sipUri.Str() : L"<no record>");
            }
        }
        return shown;
    }

    lumeo_test::TempDir backupFolder;
};

TEST_F(FrenchBackup, AnExportedBackupImportedAgainLeavesExactlyTheGroupsItHad)
{
    StoreGroupRow("Amis", 10);
    StoreGroupRow("Travail", 0);
    StoreContactIn("sip:ann@sip.example", "Ann", "Friends");
    StoreContactIn("sip:bob@sip.example", "Bob", "Travail");
    SignIn();
    const ShownTree before = Shown();
    ASSERT_EQ((ShownTree{{L"Amis", {L"sip:ann@sip.example"}}, {L"Travail", {L"sip:bob@sip.example"}}}), before);
    const std::vector<GroupRow> groups = StoredGroupRows();
    ASSERT_THAT(groups, ElementsAre(GroupRow{"Amis", 10}, GroupRow{"Travail", 0}));
    const TableRows contacts = ContactsOf(g_database);

    s_folderAnswer = backupFolder.Path();
    Tree().OnExportContacts();
    ASSERT_EQ(contacts, ContactsOf(g_database));
    ASSERT_TRUE(g_database.Exec("delete from Contacts"));
    frame->SignOut(false);
    SignIn();
    ASSERT_EQ((ShownTree{{L"Amis", {}}, {L"Travail", {}}}), Shown());

    s_fileAnswer = backupFolder.File(kContactsBackupName);
    Tree().OnImportContacts();
    EXPECT_EQ(contacts, ContactsOf(g_database));
    EXPECT_EQ(groups, StoredGroupRows());
    EXPECT_EQ(before, Shown());

    frame->SignOut(false);
    SignIn();
    EXPECT_EQ(groups, StoredGroupRows());
    EXPECT_EQ(before, Shown()) << "no empty group of another name after the next sign-in";
}

} // namespace
} // namespace windows_test
