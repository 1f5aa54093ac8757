#include "core/TavikSQL.h"

#include "tests/core/CoreTestSupport.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

namespace {

using lumeo_test::TempDir;

struct CollectedRows {
    std::vector<std::vector<std::string>> values;
    std::vector<std::string> names;
};

int CollectRow(void* argument, int columns, char** values, char** names)
{
    auto* rows = static_cast<CollectedRows*>(argument);
    rows->names.assign(names, names + columns);
    std::vector<std::string> row;
    for (int c = 0; c < columns; ++c)
        row.push_back(values[c] ? values[c] : "<NULL>");
    rows->values.push_back(row);
    return 0;
}

class TavikSQLTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = core_test::Utf8Path(dir.File(L"test.db"));
    TavikSQL db;
};

TEST_F(TavikSQLTest, EmptyStatementIsRefusedWithoutTouchingTheConnection)
{
    ASSERT_TRUE(db.Open(path));
    std::string error = "unchanged";
    EXPECT_FALSE(db.Exec("", nullptr, nullptr, &error));
    EXPECT_EQ(error, "unchanged");
    EXPECT_TRUE(db.IsOpen());

    // A closed connection is not reopened for an empty statement either.
    db.Close();
    EXPECT_FALSE(db.Exec(""));
    char** table = nullptr;
    int rows = -1, columns = -1;
    EXPECT_FALSE(db.GetTable("", &table, &rows, &columns));
    EXPECT_FALSE(db.IsOpen());
    EXPECT_EQ(table, nullptr);
    EXPECT_EQ(rows, -1);
}

TEST_F(TavikSQLTest, StatementAfterCloseReopensTheRememberedFile)
{
    ASSERT_TRUE(db.Open(path));
    ASSERT_TRUE(db.Exec("create table T(a integer)"));
    ASSERT_TRUE(db.Exec("insert into T values(42)"));
    db.Close();
    db.Close(); // harmless twice
    EXPECT_FALSE(db.IsOpen());

    CollectedRows rows;
    EXPECT_TRUE(db.Exec("select a from T", CollectRow, &rows));
    EXPECT_TRUE(db.IsOpen());
    ASSERT_EQ(rows.values.size(), 1u);
    EXPECT_EQ(rows.values[0][0], "42");
    EXPECT_EQ(rows.names[0], "a");

    db.Close();
    EXPECT_TRUE(db.TableExists("T"));
    db.Close();
    SqlTable table;
    EXPECT_TRUE(db.GetTable("select a from T", table));
    EXPECT_EQ(table.Rows(), 1);
}

TEST_F(TavikSQLTest, EmptyPathKeepsTheCurrentConnection)
{
    ASSERT_TRUE(db.Open(path));
    EXPECT_FALSE(db.Open(""));
    EXPECT_TRUE(db.IsOpen());
    EXPECT_EQ(db.Path(), path);
    EXPECT_TRUE(db.Exec("create table T(a)"));
}

TEST_F(TavikSQLTest, FailedOpenRemembersNothing)
{
    TavikSQL fresh;
    EXPECT_FALSE(fresh.Reopen());
    const std::string unreachable = core_test::Utf8Path(dir.File(L"missing\\folder\\x.db"));
    EXPECT_FALSE(fresh.Open(unreachable));
    EXPECT_FALSE(fresh.IsOpen());
    EXPECT_EQ(fresh.Path(), "");
    EXPECT_FALSE(fresh.Exec("select 1"));

    // A failed open after a good one leaves the connection closed but the good path known.
    ASSERT_TRUE(db.Open(path));
    EXPECT_FALSE(db.Open(unreachable));
    EXPECT_FALSE(db.IsOpen());
    EXPECT_EQ(db.Path(), path);
    EXPECT_TRUE(db.Exec("select 1"));
}

TEST_F(TavikSQLTest, ReadOnlyOpenNeitherCreatesNorWritesAndReopensReadOnly)
{
    TavikSQL reader;
    EXPECT_FALSE(reader.OpenReadOnly(path)) << "a missing file is not created";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(dir.File(L"test.db").c_str()));

    ASSERT_TRUE(db.Open(path));
    ASSERT_TRUE(db.Exec("create table T(a integer); insert into T values(1)"));
    db.Close();

    ASSERT_TRUE(reader.OpenReadOnly(path));
    std::string error;
    EXPECT_FALSE(reader.Exec("insert into T values(2)", nullptr, nullptr, &error));
    EXPECT_NE(error.find("readonly"), std::string::npos) << error;
    // Reopened after a close, it is still for reading only.
    reader.Close();
    EXPECT_FALSE(reader.Exec("delete from T"));
    CollectedRows rows;
    EXPECT_TRUE(reader.Exec("select a from T", CollectRow, &rows));
    ASSERT_EQ(rows.values.size(), 1u);
    EXPECT_EQ(rows.values[0][0], "1");
}

TEST_F(TavikSQLTest, TableExists)
{
    ASSERT_TRUE(db.Open(path));
    ASSERT_TRUE(db.Exec("create table Options(ID integer)"));
    ASSERT_TRUE(db.Exec("create table \"it's\"(a)"));
    struct Case {
        const char* name;
        bool exists;
    } const cases[] = {
        {"Options", true},
        {"Missing", false},
        {"", false},
        {"it's", true},
        {"x' or '1'='1", false}, // would find every table if spliced unquoted
        {"Options' --", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(db.TableExists(c.name), c.exists) << c.name;
}

TEST_F(TavikSQLTest, ErrorTextIsSQLitesMessageAndLeftAloneOnSuccess)
{
    ASSERT_TRUE(db.Open(path));
    std::string error = "unchanged";
    ASSERT_TRUE(db.Exec("create table Options(ID integer)", nullptr, nullptr, &error));
    EXPECT_EQ(error, "unchanged");
    EXPECT_FALSE(db.Exec("create table Options(ID integer)", nullptr, nullptr, &error));
    EXPECT_EQ(error, "table Options already exists");

    char** table = nullptr;
    int rows = 0, columns = 0;
    error.clear();
    EXPECT_FALSE(db.GetTable("select * from Nowhere", &table, &rows, &columns, &error));
    EXPECT_EQ(error, "no such table: Nowhere");
    EXPECT_EQ(table, nullptr);
}

TEST_F(TavikSQLTest, GetTableLayoutWithNullCells)
{
    ASSERT_TRUE(db.Open(path));
    ASSERT_TRUE(db.Exec("create table T(a, b); insert into T values(1, NULL); insert into T values(NULL, 'x')"));
    char** table = nullptr;
    int rows = 0, columns = 0;
    ASSERT_TRUE(db.GetTable("select a, b from T order by rowid", &table, &rows, &columns));
    ASSERT_EQ(rows, 2);
    ASSERT_EQ(columns, 2);
    EXPECT_STREQ(table[0], "a");
    EXPECT_STREQ(table[1], "b");
    EXPECT_STREQ(table[1 * columns + 0], "1");
    EXPECT_EQ(table[1 * columns + 1], nullptr);
    EXPECT_EQ(table[2 * columns + 0], nullptr);
    EXPECT_STREQ(table[2 * columns + 1], "x");
    db.FreeTable(table);
    db.FreeTable(nullptr);

    SqlTable owned;
    ASSERT_TRUE(db.GetTable("select a, b from T order by rowid", owned));
    EXPECT_STREQ(owned.Name(1), "b");
    EXPECT_STREQ(owned.Value(0, 0), "1");
    EXPECT_EQ(owned.Value(1, 0), nullptr);
    EXPECT_STREQ(owned.Value(1, 1), "x");

    // No row: no column either.
    SqlTable empty;
    ASSERT_TRUE(db.GetTable("select a from T where a = 99", empty));
    EXPECT_EQ(empty.Rows(), 0);
    EXPECT_EQ(empty.Columns(), 0);
}

TEST_F(TavikSQLTest, TableOutlivesTheConnection)
{
    ASSERT_TRUE(db.Open(path));
    ASSERT_TRUE(db.Exec("create table T(a); insert into T values('kept')"));
    SqlTable table;
    ASSERT_TRUE(db.GetTable("select a from T", table));
    db.Close();
    EXPECT_STREQ(table.Value(0, 0), "kept");
    SqlTable moved = std::move(table);
    EXPECT_EQ(table.Rows(), 0);
    EXPECT_STREQ(moved.Value(0, 0), "kept");
}

TEST_F(TavikSQLTest, CallbackThatStopsGivesFailure)
{
    ASSERT_TRUE(db.Open(path));
    ASSERT_TRUE(db.Exec("create table T(a); insert into T values(1); insert into T values(2)"));
    int seen = 0;
    std::string error;
    const bool ok = db.Exec(
        "select a from T",
        [](void* argument, int, char**, char**) {
            ++*static_cast<int*>(argument);
            return 1;
        },
        &seen, &error);
    EXPECT_FALSE(ok);
    EXPECT_EQ(seen, 1);
    EXPECT_FALSE(error.empty());
}

} // namespace
