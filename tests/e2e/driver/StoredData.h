#pragma once
// The program copy's database, as a test prepares it before a start and reads it afterwards.
// Preparing uses the program's own code (schema, account row), so what the test stores is
// exactly what the sign-in window would have stored.
#include "tests/e2e/driver/ProgramCopy.h"

#include <string>
#include <vector>

namespace e2e {

// An account as the user types it into the sign-in window.
struct TypedAccount {
    std::string userName = "alice";
    std::string password = "secret";
    std::string server = "sip.example";
    int port = 5060;
};

// Creates the copy's database as start-up does and stores `account` as the one signed in with
// automatically (its address in the options). False when anything failed.
bool StoreAccount(const ProgramCopy& copy, const TypedAccount& account);

// Runs statements on the copy's database (no program may be running); false on failure.
bool ExecSql(const ProgramCopy& copy, const std::string& sql);
// The rows of a query, every value as text ("" for NULL); empty on failure.
using SqlRows = std::vector<std::vector<std::string>>;
SqlRows QuerySql(const ProgramCopy& copy, const std::string& sql);

// The address the sign-in window makes of a typed account: sip:user@server:port.
std::string SipUriOf(const TypedAccount& account);

} // namespace e2e
