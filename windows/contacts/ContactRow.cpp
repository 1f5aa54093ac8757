#include "windows/contacts/ContactRow.h"

#include "core/SqlStatement.h"
#include "core/TavikUtility.h"

#include <cstdlib>

const char kContactsBackupTableSql[] =
    "create table Contacts(SIPUri nvarchar(1024) primary key, Email char(128), HomePhone char(128), "
    "WorkPhone char(128), MobilePhone char(128), FirstName char(128), LastName char(128), "
    "NickName char(128), JobTitle char(128), GroupName char(128), Icon varchar(1024), blocked integer, "
    "subscribed integer, acceptedsubscribed integer, subscribeid integer)";

const char kContactInsertSql[] =
    "insert into Contacts(SIPUri, Email, HomePhone, WorkPhone, MobilePhone, FirstName, LastName, NickName, "
    "JobTitle, GroupName, Icon, blocked, subscribed, acceptedsubscribed, subscribeid) "
    "values(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

const char* const kContactColumns[15] = {
    "SIPUri",   "Email",     "HomePhone", "WorkPhone", "MobilePhone", "FirstName",          "LastName",   "NickName",
    "JobTitle", "GroupName", "Icon",      "blocked",   "subscribed",  "acceptedsubscribed", "subscribeid",
};

bool IsColumn(const char* name, const char* wanted)
{
    return name && TavikUtility::CompareNoCase(name, wanted) == 0;
}

ContactRow ReadContactRow(int columns, char* const* values, char* const* names)
{
    ContactRow row;
    std::string* const texts[] = {&row.sipUri,    &row.email,    &row.homePhone, &row.workPhone,
                                  &row.mobilePhone, &row.firstName, &row.lastName, &row.nickName,
                                  &row.jobTitle,  &row.groupName, &row.icon};
    int* const numbers[] = {&row.blocked, &row.subscribed, &row.acceptedSubscribed, &row.subscribeId};
    constexpr int kTexts = sizeof(texts) / sizeof(texts[0]);
    for (int c = 0; c < columns; ++c) {
        const char* const name = names[c];
        if (!name)
            continue;
        const char* const value = values[c];
        for (int k = 0; k < kTexts; ++k) {
            if (IsColumn(name, kContactColumns[k]))
                *texts[k] = value ? value : "";
        }
        for (int k = 0; k < 4; ++k) {
            if (value && IsColumn(name, kContactColumns[kTexts + k]))
                *numbers[k] = static_cast<int>(std::strtol(value, nullptr, 10));
        }
    }
    return row;
}

bool InsertContact(SqlStatement& insert, const ContactRow& row, std::string* error)
{
    return insert.Run({row.sipUri, row.email, row.homePhone, row.workPhone, row.mobilePhone, row.firstName,
                       row.lastName, row.nickName, row.jobTitle, row.groupName, row.icon, row.blocked, row.subscribed,
                       row.acceptedSubscribed, row.subscribeId},
                      error);
}
