// CContactsTree: the rows of tables Contacts and Groups behind the tree's nodes. Names, job
// titles, group names and icon paths are stored as URL-safe Base64; addresses and phone
// numbers as typed. Every text value goes into SQL as a literal.
#include "windows/contacts/ContactsTree.h"

#include "core/AvatarPaths.h"
#include "core/Base64.h"
#include "core/SqlText.h"
#include "core/TavikSQL.h"
#include "core/TavikUtility.h"
#include "core/TextConvert.h"
#include "skin/model/SkinReader.h"
#include "texts/UiTextTable.h"
#include "windows/call/EngineOperations.h"

#include <cstdlib>
#include <initializer_list>

namespace {

constexpr char kDefaultGroupStoredName[] = "Friends";

std::string Encoded(const std::string& text)
{
    return SqlLiteral(Base64Encode(text, true));
}

// The name contacts store for a group shown as `shownName`: the default group's shown name
// (exactly) is stored as "Friends".
std::string StoredGroupName(const std::string& shownName)
{
    if (AnsiToWide(shownName) == g_uiTexts.contactDetailsWnd.t32000)
        return kDefaultGroupStoredName;
    return shownName;
}

// The icon path stored for an avatar bitmap; the default avatar's icon without one.
std::string StoredIconPath(const std::string& avatarPath)
{
    if (avatarPath.empty())
        return WideToAnsi(Vexel::GetSkinFolder() + L"avatars\\Face01.ico");
    return GetAvatarIconPath(avatarPath);
}

std::string DisplayName(const std::string& firstName, const std::string& lastName, const std::string& nickName)
{
    return nickName.empty() ? firstName + " " + lastName : nickName;
}

std::string WhereUri(const std::string& sipUri)
{
    return " where SIPUri = " + SqlLiteral(sipUri);
}

// The column of `table` named `name` ignoring case; -1 when none.
int ColumnOf(const SqlTable& table, const char* name)
{
    for (int c = 0; c < table.Columns(); ++c) {
        if (table.Name(c) && TavikUtility::CompareNoCase(table.Name(c), name) == 0)
            return c;
    }
    return -1;
}

// The first row's value of column `name`; empty when the query fails, has no row or no such
// column, or the value is NULL.
std::string FirstValue(const std::string& sql, const char* name)
{
    SqlTable table;
    if (!g_database.GetTable(sql, table) || table.Rows() < 1)
        return {};
    const int column = ColumnOf(table, name);
    const char* const value = column >= 0 ? table.Value(0, column) : nullptr;
    return value ? value : "";
}

int IntegerOf(const char* value)
{
    return value ? static_cast<int>(std::strtol(value, nullptr, 10)) : 0;
}

// Runs `statements` in one transaction; false, with everything rolled back, when one is
// refused.
bool RunInTransaction(std::initializer_list<std::string> statements)
{
    if (!g_database.Exec("begin transaction"))
        return false;
    for (const std::string& sql : statements) {
        if (!g_database.Exec(sql)) {
            g_database.Exec("rollback transaction");
            return false;
        }
    }
    if (g_database.Exec("commit transaction"))
        return true;
    g_database.Exec("rollback transaction");
    return false;
}

} // namespace

// --- look-ups

bool CContactsTree::ContactExists(const std::string& sipUri)
{
    SqlTable table;
    if (!g_database.GetTable("select SIPUri from Contacts" + WhereUri(sipUri), table))
        return true;
    return table.Rows() > 0;
}

std::string CContactsTree::GetContactIcon(const std::string& sipUri)
{
    if (sipUri.empty())
        return {};
    return Base64Decode(FirstValue("select Icon from Contacts" + WhereUri(sipUri), "Icon"));
}

void CContactsTree::GetSubscriptionState(const std::string& sipUri, int& subscribeId, bool& accepted,
                                         bool& subscribed)
{
    SqlTable table;
    if (!g_database.GetTable("select subscribed, acceptedsubscribed, subscribeid from Contacts" + WhereUri(sipUri),
                             table) ||
        table.Rows() < 1)
        return;
    for (int c = 0; c < table.Columns(); ++c) {
        const char* const name = table.Name(c);
        const int value = IntegerOf(table.Value(0, c));
        if (!name)
            continue;
        if (TavikUtility::CompareNoCase(name, "subscribed") == 0)
            subscribed = value != 0;
        else if (TavikUtility::CompareNoCase(name, "acceptedsubscribed") == 0)
            accepted = value != 0;
        else if (TavikUtility::CompareNoCase(name, "subscribeid") == 0)
            subscribeId = value;
    }
}

namespace {

std::string PhonesQuery(const std::string& sipUri)
{
    return "select HomePhone, WorkPhone, MobilePhone from Contacts" + WhereUri(sipUri);
}

} // namespace

std::string CContactsTree::GetHomePhone(const std::string& sipUri)
{
    return FirstValue(PhonesQuery(sipUri), "HomePhone");
}

std::string CContactsTree::GetWorkPhone(const std::string& sipUri)
{
    return FirstValue(PhonesQuery(sipUri), "WorkPhone");
}

std::string CContactsTree::GetMobilePhone(const std::string& sipUri)
{
    return FirstValue(PhonesQuery(sipUri), "MobilePhone");
}

// --- groups

bool CContactsTree::AddGroup(const char* groupName)
{
    if (!groupName || !*groupName)
        return false;
    const std::string name = Encoded(groupName);
    SqlTable table;
    if (!g_database.GetTable("select * from Groups where GroupName = " + name, table) || table.Rows() > 0)
        return false;
    return g_database.Exec("insert into Groups(GroupName, GroupKey) values(" + name + ", 0)");
}

bool CContactsTree::DeleteGroupRow(const std::string& groupName)
{
    return g_database.Exec("delete from Groups where GroupName = " + Encoded(groupName));
}

bool CContactsTree::RenameGroupRows(const std::string& oldName, const std::string& newName)
{
    // The row keeps its key (the default group's included); a group shown without a row
    // gets one.
    SqlTable table;
    if (!g_database.GetTable("select GroupName from Groups where GroupName = " + Encoded(oldName), table))
        return false;
    const std::string groupRow =
        table.Rows() > 0 ? "update Groups set GroupName = " + Encoded(newName) + " where GroupName = " + Encoded(oldName)
                         : "insert into Groups(GroupName, GroupKey) values(" + Encoded(newName) + ", 0)";
    return RunInTransaction({groupRow, "update Contacts set GroupName = " + Encoded(StoredGroupName(newName)) +
                                           " where GroupName = " + Encoded(StoredGroupName(oldName))});
}

// --- contacts

bool CContactsTree::SaveContact(const std::string& firstName, const std::string& lastName,
                                const std::string& nickName, const std::string& jobTitle, const std::string& sipUri,
                                const std::string& email, const std::string& homePhone, const std::string& workPhone,
                                const std::string& mobilePhone, std::string groupName, const std::string& avatarPath,
                                bool updateIfExists, int accepted, int subscribeId, bool subscribe)
{
    const std::string acceptedValue = accepted == 1 ? "1" : "0";
    if (ContactExists(sipUri)) {
        if (!updateIfExists)
            return false;
        return g_database.Exec("Update Contacts set  acceptedsubscribed = " + acceptedValue +
                               ",  subscribeid = " + std::to_string(subscribeId) + WhereUri(sipUri));
    }
    const std::string iconPath = StoredIconPath(avatarPath);
    std::string sql = "insert into Contacts(SIPUri, Email, HomePhone, WorkPhone, MobilePhone, FirstName, LastName, "
                      "NickName, JobTitle, GroupName, Icon, blocked, subscribed, acceptedsubscribed, subscribeid) "
                      "values(";
    for (const std::string* text : {&sipUri, &email, &homePhone, &workPhone, &mobilePhone}) {
        AppendSqlLiteral(sql, *text);
        sql += ", ";
    }
    for (const std::string& text : {firstName, lastName, nickName, jobTitle, StoredGroupName(groupName), iconPath}) {
        sql += Encoded(text);
        sql += ", ";
    }
    sql += "0, 1, " + acceptedValue + ", " + std::to_string(subscribeId) + ")";
    if (!g_database.Exec(sql))
        return false;

    const HTREEITEM group = FindGroupItem(groupName);
    if (!group)
        return true;
    auto record = std::make_unique<ContactItemData>();
    record->displayName = AnsiToWide(DisplayName(firstName, lastName, nickName));
    record->sipUri = AnsiToWide(sipUri);
    record->status = L"Offline";
    record->icon.Reset(LoadContactIcon(iconPath));
    ContactItemData* const kept = KeepRecord(std::move(record));
    if (!InsertContactNode(group, TVI_LAST, kept)) {
        FreeRecord(kept);
        return true;
    }
    RefreshGroups();
    if (subscribe)
        Tavik_presenceSubscribeContact(EngineHandle(), sipUri.c_str(), "Hello");
    return true;
}

bool CContactsTree::UpdateContact(const std::string& firstName, const std::string& lastName,
                                  const std::string& nickName, const std::string& jobTitle, const std::string& sipUri,
                                  const std::string& email, const std::string& homePhone, const std::string& workPhone,
                                  const std::string& mobilePhone, std::string groupName, const std::string& avatarPath)
{
    SqlTable table;
    if (!g_database.GetTable("select SIPUri from Contacts" + WhereUri(sipUri), table) || table.Rows() < 1)
        return false;
    // Without a newly picked picture the contact keeps the avatar it has, whoever chose it.
    const bool newAvatar = !avatarPath.empty();
    const std::string iconPath = newAvatar ? StoredIconPath(avatarPath) : std::string();
    std::string sql = "Update Contacts set  FirstName = " + Encoded(firstName) + ", LastName = " + Encoded(lastName) +
                      ", NickName = " + Encoded(nickName) + ", Email = " + SqlLiteral(email) +
                      ", HomePhone = " + SqlLiteral(homePhone) + ", WorkPhone = " + SqlLiteral(workPhone) +
                      ", MobilePhone = " + SqlLiteral(mobilePhone) + ", JobTitle = " + Encoded(jobTitle) +
                      ", GroupName = " + Encoded(StoredGroupName(groupName));
    if (newAvatar)
        sql += ", Icon = " + Encoded(iconPath);
    sql += WhereUri(sipUri);
    if (!g_database.Exec(sql))
        return false;

    ContactItemData* const record = GetContactData(FindContactItem(sipUri));
    if (record) {
        if (record->icon && newAvatar)
            record->icon.Reset(LoadContactIcon(iconPath));
        record->displayName = AnsiToWide(DisplayName(firstName, lastName, nickName));
        Invalidate(TRUE);
    }
    return true;
}

bool CContactsTree::SetSubscribeId(const std::string& sipUri, int subscribeId)
{
    return g_database.Exec("update Contacts set subscribeId = " + std::to_string(subscribeId) + WhereUri(sipUri));
}

bool CContactsTree::DeleteContactRow(const std::string& sipUri)
{
    return g_database.Exec("delete from Contacts" + WhereUri(sipUri));
}

bool CContactsTree::SetContactGroupRow(const std::string& sipUri, const std::string& groupName)
{
    return g_database.Exec("update Contacts set GroupName = " + Encoded(StoredGroupName(groupName)) + WhereUri(sipUri));
}
