#pragma once
// The SIP account in use: the process-wide copy of its row of table User, plus the sign-in
// window's auto-sign-in choice and the newest version the update check found.
#include <string>

struct OptionsRecord;
class TavikSQL;

struct AccountRecord {
    std::string SIPUri;
    std::string UserName;
    std::string AuthName;
    std::string Password;        // enciphered, upper-case hex (Crypto)
    std::string ProxyServer;
    int ProxyPort = 0;
    std::string UserDomain;
    std::string StunServer;
    int StunServerPort = 0;
    bool AutoSignIn = false;     // no column: sign in with this account at the next start
    int RegVal = 90;             // registration expiry, seconds
    std::string XMPPUserName;
    std::string XMPPPassword;
    std::string XMPPServer;
    int XMPPServerPort = 0;
    bool XMPPTLS = false;
    std::string XMPPResource;
    bool Tls = false;
    bool Srtp = false;
    std::string displayName;
    std::string LatestVersion;   // no column: the newest program version reported
    int Transport = 1;           // the engine's transport code, 0..3
    std::string OutboundServer;
    int OutboundPort = 0;
    int ipv6 = 0;                // 0 or 1

    // Every field as after sign-out: empty, 0 and false, RegVal 90; LatestVersion stays.
    void Clear();
    // The fields sign-in needs: user name, password and proxy server set, proxy port above 0.
    bool IsComplete() const;
};

extern AccountRecord g_account;

// Fills g_account from the User row named by g_options.AutoLoginSIPUri. A failed query, or no
// such row, leaves it as it was.
void LoadAccount();

// Copies one value of a User row (column `name`, as SQLite names it) into its field of
// `account`: numbers by their leading digits, Tls and Srtp set only by 1, a Transport outside
// 0..3 as 0, NULL as empty or 0. false, with nothing changed, for a column no field takes.
bool StoreAccountColumn(const char* name, const char* value, AccountRecord& account);

// Stores g_account as its User row (replacing the row of the same key) and records whether it
// signs in automatically next time; adds the default contact group to an empty Groups table.
// false, with nothing written, for an incomplete account or when the row could not be stored
// (the old row then stays).
bool SaveAccount();

// What SaveAccount records of the auto-sign-in choice in the Options row: the account's
// address (or an empty one when it does not sign in automatically) with the options' network
// interface and last sign-in address, each stored as it is. False when refused.
bool RecordAutoSignIn(TavikSQL& database, const AccountRecord& account, const OptionsRecord& options);
