#pragma once
// One row of table Contacts as the contacts backup copies it, in both directions: every value
// as stored (the name, job title, group and icon columns stay URL-safe Base64).
#include <string>

class SqlStatement;

struct ContactRow {
    std::string sipUri;
    std::string email;
    std::string homePhone;
    std::string workPhone;
    std::string mobilePhone;
    std::string firstName;
    std::string lastName;
    std::string nickName;
    std::string jobTitle;
    std::string groupName;
    std::string icon;
    int blocked = 0;
    int subscribed = 1;
    int acceptedSubscribed = 0;
    int subscribeId = 0;
};

// A row callback's values, each column found by name ignoring letter case: a null text reads
// as empty, a null number keeps the default above; numbers by plain decimal conversion.
ContactRow ReadContactRow(int columns, char* const* values, char* const* names);

// The insert of one row into table Contacts, the fifteen columns' values bound in table order.
extern const char kContactInsertSql[];
// Stores `row` through `insert`, a statement prepared from kContactInsertSql: every text byte
// for byte, whatever it holds. False when refused, with SQLite's text in *error.
bool InsertContact(SqlStatement& insert, const ContactRow& row, std::string* error = nullptr);

// The backup file's table: the application table's fifteen columns.
extern const char kContactsBackupTableSql[];
// Those columns by name, in table order.
extern const char* const kContactColumns[15];

// Whether a row callback's column `name` is `wanted`, ignoring letter case; never for a null name.
bool IsColumn(const char* name, const char* wanted);
