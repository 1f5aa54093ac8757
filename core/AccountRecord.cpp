#include "core/AccountRecord.h"

#include "core/Base64.h"
#include "core/CoreUiTexts.h"
#include "core/DatabaseSchema.h"
#include "core/OptionsRecord.h"
#include "core/SqlTransaction.h"
#include "core/StoredNumber.h"
#include "core/TavikSQL.h"
#include "core/TavikUtility.h"
#include "core/TextConvert.h"


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

std::string AccountKey(const AccountRecord& account)
{
    return "sip:" + account.UserName + "@" + account.ProxyServer + ":" + std::to_string(account.ProxyPort);
}

bool InsertUserRow(TavikSQL& database, const AccountRecord& account, const std::string& key)
{
    return database.Run(
        "insert into User(SIPUri, UserName, AuthName, Password, ProxyServer, ProxyPort, UserDomain, StunServer, "
        " StunServerPort, RegVal, KeepLive, rport, XMPPUserName, XMPPPassword, XMPPServer, XMPPServerPort, "
        "XMPPTLS, XMPPResource, Tls, Srtp, displayName, Transport, OutboundServer, OutboundPort, ipv6) "
        "values(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        {key, account.UserName, account.AuthName, account.Password, account.ProxyServer, account.ProxyPort,
         account.UserDomain, account.StunServer, account.StunServerPort, account.RegVal, account.XMPPUserName,
         account.XMPPPassword, account.XMPPServer, account.XMPPServerPort, account.XMPPTLS ? 1 : 0,
         account.XMPPResource, account.Tls ? 1 : 0, account.Srtp ? 1 : 0, account.displayName, account.Transport,
         account.OutboundServer, account.OutboundPort, account.ipv6});
}

// Replaces the account's row in one transaction, so a refused insert leaves the old row.
bool StoreUserRow(TavikSQL& database, const AccountRecord& account)
{
    if (!database.TableExists("User") && !database.Run(kCreateUserTable))
        return false;
    const std::string key = AccountKey(account);
    SqlTransaction transaction(database);
    return transaction.Began() && database.Run("delete from User where SIPUri = ?", {key}) &&
           InsertUserRow(database, account, key) && transaction.Commit();
}

// The first account saved into an empty Groups table brings the default group along.
bool AddDefaultGroupIfNone(TavikSQL& database)
{
    SqlTable groups;
    if (!database.GetTable("select * from Groups", groups))
        return false;
    if (groups.Rows() != 0 || groups.Columns() != 0)
        return true;
    const std::string name = WideToAnsi(DefaultGroupNameText());
    return database.Run("insert into Groups(GroupName, GroupKey) values(?, 10)", {Base64Encode(name, true)});
}

} // namespace

bool RecordAutoSignIn(TavikSQL& database, const AccountRecord& account, const OptionsRecord& options)
{
    return database.Run("update Options set AutoLoginSIPUri = ?, NetworkInterface = ?, LastLoginUri = ? where ID = 1",
                        {account.AutoSignIn ? account.SIPUri : std::string(), options.NetworkInterface,
                         options.LastLoginUri});
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
    if (!g_database.Query("select * from User where SIPUri = ?", {g_options.AutoLoginSIPUri}, table))
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
    // The account is stored: what follows is told apart, but does not undo the sign-in.
    if (!RecordAutoSignIn(g_database, g_account, g_options))
        g_database.ReportFailure("automatic sign-in choice", "not stored");
    if (!AddDefaultGroupIfNone(g_database))
        g_database.ReportFailure("default group", "not stored");
    return true;
}
