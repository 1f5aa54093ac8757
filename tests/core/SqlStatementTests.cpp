// Values reach SQLite bound to a statement, never pasted into its text: awkward text and
// numbers come back as they went in, a statement is reused with new values, rows come back by
// table or by callback, and failures carry SQLite's code and text. A transaction keeps its
// work only when committed.
#include "core/SqlStatement.h"
#include "core/SqlTransaction.h"
#include "core/TavikSQL.h"

#include "tests/core/CoreTestSupport.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <string>
#include <vector>

namespace {

using core_test::CountRows;

class SqlStatementTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(db.Open(core_test::Utf8Path(dir.File(L"bound.db"))));
        ASSERT_TRUE(db.Exec("create table T(a text, n integer)"));
    }

    lumeo_test::TempDir dir;
    TavikSQL db;
};

TEST_F(SqlStatementTest, AwkwardTextAndNumbersSurviveARoundTripAsTheyWentIn)
{
    struct Case {
        std::string text;
        int number;
    } const cases[] = {
        {"", 0},
        // Quote, percent sign (a printf-style builder would eat it) and ANSI letters above 127.
        {"O'Brien's 100%s \xC4rger \xE9t\xE9 '; drop table T; --", -1},
        {"'", 2147483647},
        {"?", -2147483647 - 1},
        {std::string("a\0b", 3), 7},
    };
    SqlStatement insert(db, "insert into T(a, n) values(?, ?)");
    ASSERT_TRUE(insert.Ok()) << insert.Error();
    for (const Case& c : cases)
        ASSERT_TRUE(insert.Run({c.text, c.number})) << c.text << ": " << insert.Error();
    for (const Case& c : cases) {
        SqlTable table;
        ASSERT_TRUE(db.Query("select n, typeof(n), length(cast(a as blob)) from T where a = ?", {c.text}, table)) << c.text;
        ASSERT_EQ(1, table.Rows()) << c.text;
        EXPECT_EQ(std::to_string(c.number), table.Value(0, 0)) << c.text;
        EXPECT_STREQ("integer", table.Value(0, 1)) << c.text;
        EXPECT_EQ(std::to_string(c.text.size()), table.Value(0, 2)) << c.text;
    }
    EXPECT_EQ(5, CountRows(db, "T"));
}

TEST_F(SqlStatementTest, ANullPointerIsNullAndAMissingValueToo)
{
    ASSERT_TRUE(db.Run("insert into T(a, n) values(?, ?)", {static_cast<const char*>(nullptr)}));
    SqlTable table;
    ASSERT_TRUE(db.Query("select a, n from T", {}, table));
    ASSERT_EQ(1, table.Rows());
    EXPECT_EQ(nullptr, table.Value(0, 0));
    EXPECT_EQ(nullptr, table.Value(0, 1));
}

TEST_F(SqlStatementTest, RowsComeBackByTableAndByCallbackAndNoRowMeansNoColumn)
{
    ASSERT_TRUE(db.Run("insert into T(a, n) values('x', 1), ('y', 2), ('z', 3)"));
    SqlTable table;
    ASSERT_TRUE(db.Query("select a, n from T where n >= ? order by n", {2}, table));
    ASSERT_EQ(2, table.Rows());
    ASSERT_EQ(2, table.Columns());
    EXPECT_STREQ("a", table.Name(0));
    EXPECT_STREQ("z", table.Value(1, 0));

    std::vector<std::string> seen;
    const auto collect = [](void* argument, int columns, char** values, char** names) {
        auto& rows = *static_cast<std::vector<std::string>*>(argument);
        rows.push_back(std::string(names[0]) + "=" + values[0] + "/" + std::to_string(columns));
        return 0;
    };
    ASSERT_TRUE(db.Query("select a from T where n <> ? order by n", {2}, collect, &seen));
    EXPECT_EQ((std::vector<std::string>{"a=x/1", "a=z/1"}), seen);

    SqlTable empty;
    ASSERT_TRUE(db.Query("select a from T where a = ?", {"none"}, empty));
    EXPECT_EQ(0, empty.Rows());
    EXPECT_EQ(0, empty.Columns());
}

TEST_F(SqlStatementTest, FailuresCarrySQLitesCodeAndText)
{
    struct Case {
        const char* row;
        const char* sql;
        int code;
    } const cases[] = {
        {"no such table", "select * from Missing where a = ?", SQLITE_ERROR},
        {"a key twice", "insert into K values(?)", SQLITE_CONSTRAINT},
        {"a table that exists", "create table T(a)", SQLITE_ERROR},
    };
    ASSERT_TRUE(db.Exec("create table K(k primary key); insert into K values(1)"));
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(db.Run(c.sql, {1}, &error)) << c.row;
        EXPECT_FALSE(error.empty()) << c.row;
        EXPECT_EQ(c.code, db.LastErrorCode()) << c.row << ": " << error;
    }
    const auto stop = [](void*, int, char**, char**) { return 1; };
    ASSERT_TRUE(db.Run("insert into T(a) values('x')"));
    EXPECT_FALSE(db.Query("select a from T", {}, stop, nullptr));
    EXPECT_EQ(SQLITE_ABORT, db.LastErrorCode());
}

TEST_F(SqlStatementTest, ATransactionKeepsItsWorkOnlyWhenCommitted)
{
    {
        SqlTransaction transaction(db);
        ASSERT_TRUE(transaction.Began());
        ASSERT_TRUE(db.Run("insert into T(a) values(?)", {"gone"}));
        EXPECT_TRUE(db.InTransaction());
    }   // no commit: rolled back
    EXPECT_FALSE(db.InTransaction());
    EXPECT_EQ(0, CountRows(db, "T"));
    {
        SqlTransaction transaction(db);
        ASSERT_TRUE(db.Run("insert into T(a) values(?)", {"kept"}));
        // Inside one, another cannot begin.
        SqlTransaction nested(db);
        EXPECT_FALSE(nested.Began());
        EXPECT_FALSE(nested.Commit());
        EXPECT_TRUE(transaction.Commit());
    }
    EXPECT_EQ(1, CountRows(db, "T"));
    EXPECT_EQ(0, db.ReportedFailures());
}

TEST_F(SqlStatementTest, ACommitTheDatabaseRefusesRollsBackAndSaysWhy)
{
    ASSERT_TRUE(db.Exec("pragma foreign_keys = on; create table P(k primary key);"
                        "create table C(k references P(k) deferrable initially deferred)"));
    SqlTransaction transaction(db);
    ASSERT_TRUE(db.Run("insert into C values(?)", {1}));
    std::string error;
    EXPECT_FALSE(transaction.Commit(&error));
    EXPECT_NE(std::string::npos, error.find("FOREIGN KEY")) << error;
    EXPECT_FALSE(db.InTransaction());
    EXPECT_EQ(0, CountRows(db, "C"));
    EXPECT_EQ(0, db.ReportedFailures());
}

TEST_F(SqlStatementTest, AConnectionClosedInsideATransactionIsNoCommit)
{
    SqlTransaction transaction(db);
    ASSERT_TRUE(db.Run("insert into T(a) values(?)", {"lost"}));
    db.Close();   // SQLite rolls back what was open
    EXPECT_FALSE(transaction.Commit());
    EXPECT_EQ(0, CountRows(db, "T"));
    EXPECT_EQ(0, db.ReportedFailures());
}

} // namespace
