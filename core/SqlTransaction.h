#pragma once
// A transaction on a TavikSQL connection for the length of a scope: everything done between
// its start and Commit is kept together, and rolled back when the scope ends without Commit
// (an early return, a refused statement, an exception).
#include <string>

class TavikSQL;

class SqlTransaction {
public:
    // Begins the transaction; Began() says whether it did (not inside another one, say).
    explicit SqlTransaction(TavikSQL& database);
    // Rolls back unless committed; a rollback that fails is reported on the connection
    // (TavikSQL::ReportFailure), since no caller is left to tell.
    ~SqlTransaction();
    SqlTransaction(const SqlTransaction&) = delete;
    SqlTransaction& operator=(const SqlTransaction&) = delete;

    bool Began() const { return open_; }
    // Keeps everything done since the start. False when it had not begun, or SQLite refused
    // the commit; then it is rolled back and *error (when given) says why.
    bool Commit(std::string* error = nullptr);
    // Undoes everything since the start. True when nothing was open any more (SQLite ends a
    // transaction itself after some failures, and closing the connection ends it too); a
    // rollback SQLite refuses is reported and false.
    bool Rollback();

private:
    TavikSQL& database_;
    bool open_ = false;
};
