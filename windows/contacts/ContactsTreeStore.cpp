// CContactsTree: the rows of tables Contacts and Groups behind the tree's nodes. Names, job
// titles, group names and icon paths are stored as URL-safe Base64; addresses and phone
// numbers as typed. Every value is bound to its statement.
#include "windows/contacts/ContactsTree.h"

#include "core/AvatarPaths.h"
#include "core/Base64.h"
#include "core/SqlStatement.h"
#include "core/SqlTransaction.h"
#include "core/TavikSQL.h"
#include "core/TavikUtility.h"
#include "core/TextConvert.h"
#include "skin/model/SkinReader.h"
#include "texts/UiTextTable.h"
#include "windows/call/EngineOperations.h"
#include "windows/contacts/ContactRow.h"
#include "windows/contacts/DefaultGroup.h"
#include "windows/contacts/KeptContactIcons.h"

#include <cstdlib>
#include <iterator>
#include <vector>

namespace {

std::string Encoded(const std::string& text)
{
    return Base64Encode(text, true);
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

// The column of `table` named `name` ignoring case; -1 when none.
int ColumnOf(const SqlTable& table, const char* name)
{
    for (int c = 0; c < table.Columns(); ++c) {
        if (table.Name(c) && TavikUtility::CompareNoCase(table.Name(c), name) == 0)
            return c;
    }
    return -1;
}

// The first row's value of column `name` of `sql` on the contact `sipUri`; empty when the
// query fails, has no row or no such column, or the value is NULL.
std::string FirstValue(const char* sql, const std::string& sipUri, const char* name)
{
    SqlTable table;
    if (!g_database.Query(sql, {sipUri}, table) || table.Rows() < 1)
        return {};
    const int column = ColumnOf(table, name);
    const char* const value = column >= 0 ? table.Value(0, column) : nullptr;
    return value ? value : "";
}

int IntegerOf(const char* value)
{
    return value ? static_cast<int>(std::strtol(value, nullptr, 10)) : 0;
}

} // namespace

// --- look-ups

bool CContactsTree::ContactExists(const std::string& sipUri)
{
    SqlTable table;
    if (!g_database.Query("select SIPUri from Contacts where SIPUri = ?", {sipUri}, table))
        return true;
    return table.Rows() > 0;
}

std::string CContactsTree::GetContactIcon(const std::string& sipUri)
{
    if (sipUri.empty())
        return {};
    return Base64Decode(FirstValue("select Icon from Contacts where SIPUri = ?", sipUri, "Icon"));
}

void CContactsTree::GetSubscriptionState(const std::string& sipUri, int& subscribeId, bool& accepted,
                                         bool& subscribed)
{
    SqlTable table;
    if (!g_database.Query("select subscribed, acceptedsubscribed, subscribeid from Contacts where SIPUri = ?",
                          {sipUri}, table) ||
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

constexpr char kPhonesQuery[] = "select HomePhone, WorkPhone, MobilePhone from Contacts where SIPUri = ?";

} // namespace

std::string CContactsTree::GetHomePhone(const std::string& sipUri)
{
    return FirstValue(kPhonesQuery, sipUri, "HomePhone");
}

std::string CContactsTree::GetWorkPhone(const std::string& sipUri)
{
    return FirstValue(kPhonesQuery, sipUri, "WorkPhone");
}

std::string CContactsTree::GetMobilePhone(const std::string& sipUri)
{
    return FirstValue(kPhonesQuery, sipUri, "MobilePhone");
}

// --- groups

bool CContactsTree::AddGroup(const char* groupName)
{
    if (!groupName || !*groupName)
        return false;
    const std::string name = Encoded(groupName);
    SqlTable table;
    if (!g_database.Query("select * from Groups where GroupName = ?", {name}, table) || table.Rows() > 0)
        return false;
    return g_database.Run("insert into Groups(GroupName, GroupKey) values(?, 0)", {name});
}

bool CContactsTree::DeleteGroupRow(const std::string& groupName)
{
    return g_database.Run("delete from Groups where GroupName = ?", {Encoded(groupName)});
}

bool CContactsTree::RenameGroupRows(const std::string& oldName, const std::string& newName)
{
    // The row keeps its key (the default group's included); a group shown without a row
    // gets one.
    SqlTable table;
    if (!g_database.Query("select GroupName from Groups where GroupName = ?", {Encoded(oldName)}, table))
        return false;
    // Both tables change together or not at all: nothing is written outside the transaction.
    SqlTransaction transaction(g_database);
    if (!transaction.Began())
        return false;
    const bool groupRow =
        table.Rows() > 0
            ? g_database.Run("update Groups set GroupName = ? where GroupName = ?", {Encoded(newName), Encoded(oldName)})
            : g_database.Run("insert into Groups(GroupName, GroupKey) values(?, 0)", {Encoded(newName)});
    return groupRow &&
           g_database.Run("update Contacts set GroupName = ? where GroupName = ?",
                          {Encoded(StoredGroupName(newName)), Encoded(StoredGroupName(oldName))}) &&
           transaction.Commit();
}

// --- contacts

bool CContactsTree::SaveContact(const std::string& firstName, const std::string& lastName,
                                const std::string& nickName, const std::string& jobTitle, const std::string& sipUri,
                                const std::string& email, const std::string& homePhone, const std::string& workPhone,
                                const std::string& mobilePhone, std::string groupName, const std::string& avatarPath,
                                bool updateIfExists, int accepted, int subscribeId, bool subscribe)
{
    const int acceptedValue = accepted == 1 ? 1 : 0;
    if (ContactExists(sipUri)) {
        if (!updateIfExists)
            return false;
        return g_database.Run("Update Contacts set  acceptedsubscribed = ?,  subscribeid = ? where SIPUri = ?",
                              {acceptedValue, subscribeId, sipUri});
    }
    const std::string iconPath = StoredIconPath(avatarPath);
    ContactRow row;
    row.sipUri = sipUri;
    row.email = email;
    row.homePhone = homePhone;
    row.workPhone = workPhone;
    row.mobilePhone = mobilePhone;
    row.firstName = Encoded(firstName);
    row.lastName = Encoded(lastName);
    row.nickName = Encoded(nickName);
    row.jobTitle = Encoded(jobTitle);
    row.groupName = Encoded(StoredGroupName(groupName));
    row.icon = Encoded(iconPath);
    row.acceptedSubscribed = acceptedValue;
    row.subscribeId = subscribeId;
    SqlStatement insert(g_database, kContactInsertSql);
    if (!InsertContact(insert, row))
        return false;

    const HTREEITEM group = FindGroupItem(groupName);
    if (!group)
        return true;
    auto record = std::make_unique<ContactItemData>();
    record->displayName = AnsiToWide(DisplayName(firstName, lastName, nickName));
    record->sipUri = AnsiToWide(sipUri);
    record->status = L"Offline";
    record->icon = KeptContactIcon(iconPath);
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
    if (!g_database.Query("select SIPUri from Contacts where SIPUri = ?", {sipUri}, table) || table.Rows() < 1)
        return false;
    // Without a newly picked picture the contact keeps the avatar it has, whoever chose it.
    const bool newAvatar = !avatarPath.empty();
    const std::string iconPath = newAvatar ? StoredIconPath(avatarPath) : std::string();
    const std::string update = "Update Contacts set  FirstName = ?, LastName = ?, NickName = ?, Email = ?, "
                               "HomePhone = ?, WorkPhone = ?, MobilePhone = ?, JobTitle = ?, GroupName = ?" +
                               std::string(newAvatar ? ", Icon = ?" : "") + " where SIPUri = ?";
    const std::string texts[] = {Encoded(firstName), Encoded(lastName), Encoded(nickName), email, homePhone,
                                 workPhone, mobilePhone, Encoded(jobTitle), Encoded(StoredGroupName(groupName)),
                                 Encoded(iconPath), sipUri};
    std::vector<SqlValue> values(std::begin(texts), std::end(texts));
    if (!newAvatar)
        values.erase(values.end() - 2);   // no Icon column
    SqlStatement statement(g_database, update);
    if (!statement.Run(values))
        return false;

    ContactItemData* const record = GetContactData(FindContactItem(sipUri));
    if (record) {
        if (record->icon && newAvatar)
            record->icon = KeptContactIcon(iconPath);
        record->displayName = AnsiToWide(DisplayName(firstName, lastName, nickName));
        Invalidate(TRUE);
    }
    return true;
}

bool CContactsTree::SetSubscribeId(const std::string& sipUri, int subscribeId)
{
    return g_database.Run("update Contacts set subscribeId = ? where SIPUri = ?", {subscribeId, sipUri});
}

bool CContactsTree::DeleteContactRow(const std::string& sipUri)
{
    return g_database.Run("delete from Contacts where SIPUri = ?", {sipUri});
}

bool CContactsTree::SetContactGroupRow(const std::string& sipUri, const std::string& groupName)
{
    return g_database.Run("update Contacts set GroupName = ? where SIPUri = ?",
                          {Encoded(StoredGroupName(groupName)), sipUri});
}
