#include "core/SqlTransaction.h"

#include "core/TavikSQL.h"

SqlTransaction::SqlTransaction(TavikSQL& database) : database_(database)
{
    open_ = database_.Exec("begin transaction");
}

SqlTransaction::~SqlTransaction()
{
    Rollback();
}

bool SqlTransaction::Commit(std::string* error)
{
    if (!open_) {
        if (error)
            *error = "no transaction";
        return false;
    }
    std::string message;
    if (database_.Exec("commit transaction", nullptr, nullptr, &message)) {
        open_ = false;
        return true;
    }
    if (error)
        *error = message.empty() ? "refused" : message;
    Rollback();
    return false;
}

bool SqlTransaction::Rollback()
{
    if (!open_)
        return true;
    open_ = false;
    // SQLite has already ended it (after a full disk, say), or the connection went with it.
    if (!database_.InTransaction())
        return true;
    std::string error;
    if (database_.Exec("rollback transaction", nullptr, nullptr, &error))
        return true;
    database_.ReportFailure("rollback", error);
    return false;
}
