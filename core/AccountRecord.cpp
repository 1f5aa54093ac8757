#include "core/AccountRecord.h"

#include "core/Base64.h"
#include "core/CoreUiTexts.h"
#include "core/DatabaseSchema.h"
#include "core/OptionsRecord.h"
#include "core/SqlText.h"
#include "core/StoredNumber.h"
#include "core/TavikSQL.h"
#include "core/TavikUtility.h"
#include "core/TextConvert.h"

#include <string_view>

AccountRecord g_account;

namespace {

// How a User column turns into its field.
enum class ColumnKind {
    Text,
    Number,
    FlagNonZero,   // true for any number but 0
    FlagExactlyOne,// true only for 1
    Transport,     // 0..3, anything else 0
    ZeroOrOne,     // 1 for 1, anything else 0
};

struct ColumnField {
    const char* column;
    ColumnKind kind;
    std::string AccountRecord::*text;
    int AccountRecord::*number;
    bool AccountRecord::*flag;
};

constexpr ColumnField TextField(const char* column, std::string AccountRecord::*field)
{
    return {column, ColumnKind::Text, field, nullptr, nullptr};
}
constexpr ColumnField NumberField(const char* column, ColumnKind kind, int AccountRecord::*field)
{
    return {column, kind, nullptr, field, nullptr};
}
constexpr ColumnField FlagField(const char* column, ColumnKind kind, bool AccountRecord::*field)
{
    return {column, kind, nullptr, nullptr, field};
}

// The User columns that fill a field. KeepLive and rport are written but never read.
const ColumnField kColumns[] = {
    TextField("SIPUri", &AccountRecord::SIPUri),
    TextField("UserName", &AccountRecord::UserName),
    TextField("AuthName", &AccountRecord::AuthName),
    TextField("Password", &AccountRecord::Password),
    TextField("ProxyServer", &AccountRecord::ProxyServer),
    NumberField("ProxyPort", ColumnKind::Number, &AccountRecord::ProxyPort),
    TextField("UserDomain", &AccountRecord::UserDomain),
    TextField("StunServer", &AccountRecord::StunServer),
    NumberField("StunServerPort", ColumnKind::Number, &AccountRecord::StunServerPort),
    NumberField("RegVal", ColumnKind::Number, &AccountRecord::RegVal),
    TextField("XMPPUserName", &AccountRecord::XMPPUserName),
    TextField("XMPPPassword", &AccountRecord::XMPPPassword),
    TextField("XMPPServer", &AccountRecord::XMPPServer),
    NumberField("XMPPServerPort", ColumnKind::Number, &AccountRecord::XMPPServerPort),
    FlagField("XMPPTLS", ColumnKind::FlagNonZero, &AccountRecord::XMPPTLS),
    TextField("XMPPResource", &AccountRecord::XMPPResource),
    FlagField("Tls", ColumnKind::FlagExactlyOne, &AccountRecord::Tls),
    FlagField("Srtp", ColumnKind::FlagExactlyOne, &AccountRecord::Srtp),
    TextField("displayName", &AccountRecord::displayName),
    NumberField("Transport", ColumnKind::Transport, &AccountRecord::Transport),
    TextField("OutboundServer", &AccountRecord::OutboundServer),
    NumberField("OutboundPort", ColumnKind::Number, &AccountRecord::OutboundPort),
    NumberField("ipv6", ColumnKind::ZeroOrOne, &AccountRecord::ipv6),
};

void StoreColumn(const ColumnField& field, const char* value, AccountRecord& account)
{
    const int number = stored_number::LeadingNumber(value);
    switch (field.kind) {
    case ColumnKind::Text:
        account.*field.text = value ? value : "";
        break;
    case ColumnKind::Number:
        account.*field.number = number;
        break;
    case ColumnKind::FlagNonZero:
        account.*field.flag = number != 0;
        break;
    case ColumnKind::FlagExactlyOne:
        account.*field.flag = number == 1;
        break;
    case ColumnKind::Transport:
        account.*field.number = number >= 0 && number <= 3 ? number : 0;
        break;
    case ColumnKind::ZeroOrOne:
        account.*field.number = number == 1 ? 1 : 0;
        break;
    }
}

const ColumnField* FindColumn(const char* name)
{
    if (!name)
        return nullptr;
    for (const auto& field : kColumns) {
        if (TavikUtility::CompareNoCase(name, field.column) == 0)
            return &field;
    }
    return nullptr;
}

void AppendValue(std::string& sql, std::string_view text)
{
    sql += ", ";
    AppendSqlLiteral(sql, text);
}

void AppendValue(std::string& sql, int number)
{
    AppendValue(sql, std::to_string(number));
}

std::string AccountKey(const AccountRecord& account)
{
    return "sip:" + account.UserName + "@" + account.ProxyServer + ":" + std::to_string(account.ProxyPort);
}

std::string InsertStatement(const AccountRecord& account, const std::string& key)
{
    std::string sql =
        "insert into User(SIPUri, UserName, AuthName, Password, ProxyServer, ProxyPort, UserDomain, StunServer, "
        " StunServerPort, RegVal, KeepLive, rport, XMPPUserName, XMPPPassword, XMPPServer, XMPPServerPort, "
        "XMPPTLS, XMPPResource, Tls, Srtp, displayName, Transport, OutboundServer, OutboundPort, ipv6) values(";
    AppendSqlLiteral(sql, key);
    AppendValue(sql, account.UserName);
    AppendValue(sql, account.AuthName);
    AppendValue(sql, account.Password);
    AppendValue(sql, account.ProxyServer);
    AppendValue(sql, account.ProxyPort);
    AppendValue(sql, account.UserDomain);
    AppendValue(sql, account.StunServer);
    AppendValue(sql, account.StunServerPort);
    AppendValue(sql, account.RegVal);
    AppendValue(sql, 1);  // KeepLive
    AppendValue(sql, 1);  // rport
    AppendValue(sql, account.XMPPUserName);
    AppendValue(sql, account.XMPPPassword);
    AppendValue(sql, account.XMPPServer);
    AppendValue(sql, account.XMPPServerPort);
    AppendValue(sql, account.XMPPTLS ? 1 : 0);
    AppendValue(sql, account.XMPPResource);
    AppendValue(sql, account.Tls ? 1 : 0);
    AppendValue(sql, account.Srtp ? 1 : 0);
    AppendValue(sql, account.displayName);
    AppendValue(sql, account.Transport);
    AppendValue(sql, account.OutboundServer);
    AppendValue(sql, account.OutboundPort);
    AppendValue(sql, account.ipv6);
    sql += ")";
    return sql;
}

// Replaces the account's row in one transaction, so a refused insert leaves the old row.
bool StoreUserRow(TavikSQL& database, const AccountRecord& account)
{
    const std::string key = AccountKey(account);
    std::string error;
    const bool tableExisted = !database.Exec(kCreateUserTable, nullptr, nullptr, &error) &&
                              TavikUtility::CompareNoCase(error, "table User already exists") == 0;
    if (!database.Exec("begin transaction"))
        return false;
    if (tableExisted)
        database.Exec("delete from User where SIPUri = " + SqlLiteral(key));
    if (!database.Exec(InsertStatement(account, key)) || !database.Exec("commit transaction")) {
        database.Exec("rollback transaction");
        return false;
    }
    return true;
}

void RecordAutoSignIn(TavikSQL& database, const AccountRecord& account, const OptionsRecord& options)
{
    database.Exec(AutoSignInStatement(account, options));
}

// The first account saved into an empty Groups table brings the default group along.
void AddDefaultGroupIfNone(TavikSQL& database)
{
    SqlTable groups;
    if (!database.GetTable("select * from Groups", groups) || groups.Rows() != 0 || groups.Columns() != 0)
        return;
    const std::string name = WideToAnsi(DefaultGroupNameText());
    std::string sql = "insert into Groups(GroupName, GroupKey) values(";
    AppendSqlLiteral(sql, Base64Encode(name, true));
    sql += ", 10)";
    database.Exec(sql);
}

} // namespace

std::string AutoSignInStatement(const AccountRecord& account, const OptionsRecord& options)
{
    std::string sql = "update Options set AutoLoginSIPUri = ";
    if (account.AutoSignIn) {
        AppendSqlLiteral(sql, account.SIPUri);
        sql += ", NetworkInterface = ";
    } else {
        // Two blanks before NetworkInterface: they belong to the statement's fixed text.
        sql += "'',  NetworkInterface = ";
    }
    AppendSqlLiteral(sql, options.NetworkInterface);
    sql += ", LastLoginUri = ";
    AppendSqlLiteral(sql, options.LastLoginUri);
    sql += " where ID = 1";
    return sql;
}

void AccountRecord::Clear()
{
    const std::string latestVersion = LatestVersion;
    *this = AccountRecord();
    Transport = 0;
    LatestVersion = latestVersion;
}

bool AccountRecord::IsComplete() const
{
    return !UserName.empty() && !Password.empty() && !ProxyServer.empty() && ProxyPort > 0;
}

void LoadAccount()
{
    SqlTable table;
    if (!g_database.GetTable("select * from User where SIPUri = " + SqlLiteral(g_options.AutoLoginSIPUri), table))
        return;
    if (table.Rows() < 1 || table.Columns() < 1)
        return;
    for (int c = 0; c < table.Columns(); ++c)
        StoreAccountColumn(table.Name(c), table.Value(0, c), g_account);
}

bool StoreAccountColumn(const char* name, const char* value, AccountRecord& account)
{
    const ColumnField* const field = FindColumn(name);
    if (!field)
        return false;
    StoreColumn(*field, value, account);
    return true;
}

bool SaveAccount()
{
    if (!g_account.IsComplete())
        return false;
    if (!StoreUserRow(g_database, g_account))
        return false;
    RecordAutoSignIn(g_database, g_account, g_options);
    AddDefaultGroupIfNone(g_database);
    return true;
}
