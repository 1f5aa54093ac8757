#include "tests/e2e/driver/StoredData.h"

#include "core/AccountRecord.h"
#include "core/Crypto.h"
#include "core/Database.h"
#include "core/OptionsRecord.h"
#include "core/TavikSQL.h"

#include <sqlite3.h>

namespace e2e {

namespace {

std::string Ansi(const std::wstring& wide)
{
    const int length = ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(length > 0 ? length - 1 : 0), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text.data(), length, nullptr, nullptr);
    return text;
}

std::string Utf8(const std::wstring& wide)
{
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(length > 0 ? length - 1 : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, text.data(), length, nullptr, nullptr);
    return text;
}

// An open connection to the copy's database, closed with the object.
class Connection {
public:
    explicit Connection(const ProgramCopy& copy)
    {
        if (sqlite3_open_v2(Utf8(copy.Database()).c_str(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            sqlite3_close(m_db);
            m_db = nullptr;
        }
    }
    ~Connection() { sqlite3_close(m_db); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    sqlite3* Get() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
};

} // namespace

std::string SipUriOf(const TypedAccount& account)
{
    return "sip:" + account.userName + "@" + account.server + ":" + std::to_string(account.port);
}

bool StoreAccount(const ProgramCopy& copy, const TypedAccount& account)
{
    std::string folder = Ansi(copy.Folder());
    folder.pop_back();   // no trailing backslash
    ::CreateDirectoryW(copy.Path(L"data").c_str(), nullptr);
    if (!OpenDatabase(g_database, DatabaseFolders{folder, folder}))
        return false;
    g_options = OptionsRecord();
    g_account = AccountRecord();
    g_account.UserName = account.userName;
    g_account.ProxyServer = account.server;
    g_account.ProxyPort = account.port;
    g_account.SIPUri = SipUriOf(account);
    g_account.AutoSignIn = true;
    g_options.LastLoginUri = g_account.SIPUri;
    bool stored = Crypto().Encrypt(account.password, g_account.Password) && SaveAccount();
    g_database.Close();
    g_account = AccountRecord();
    g_options = OptionsRecord();
    return stored;
}

bool ExecSql(const ProgramCopy& copy, const std::string& sql)
{
    const Connection db(copy);
    return db.Get() && sqlite3_exec(db.Get(), sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

SqlRows QuerySql(const ProgramCopy& copy, const std::string& sql)
{
    const Connection db(copy);
    SqlRows rows;
    sqlite3_stmt* statement = nullptr;
    if (!db.Get() || sqlite3_prepare_v2(db.Get(), sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        return rows;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        std::vector<std::string> row;
        for (int c = 0; c < sqlite3_column_count(statement); ++c) {
            const auto* const text = sqlite3_column_text(statement, c);
            row.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(statement);
    return rows;
}

} // namespace e2e
