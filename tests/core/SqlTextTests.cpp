#include "core/SqlText.h"
#include "core/TavikSQL.h"

#include "tests/core/CoreTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(SqlLiteral, QuotesAndDoublesSingleQuotes)
{
    struct Case {
        const char* text;
        const char* literal;
    } const cases[] = {
        {"", "''"},
        {"abc", "'abc'"},
        {"O'Brien", "'O''Brien'"},
        {"'", "''''"},
        {"''", "''''''"},
        {"100% \"sure\"", "'100% \"sure\"'"},
        {"\xC4\xE9\xFC", "'\xC4\xE9\xFC'"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SqlLiteral(c.text), c.literal) << c.text;
        std::string sql = "x = ";
        AppendSqlLiteral(sql, c.text);
        EXPECT_EQ(sql, std::string("x = ") + c.literal);
    }
}

TEST(SqlLiteral, AwkwardTextSurvivesARoundTripThroughSQLite)
{
    lumeo_test::TempDir dir;
    TavikSQL db;
    ASSERT_TRUE(db.Open(core_test::Utf8Path(dir.File(L"literal.db"))));
    ASSERT_TRUE(db.Exec("create table T(a)"));
    // Quote, percent sign (a printf-style builder would eat it) and ANSI letters above 127.
    const std::string text = "O'Brien's 100%s \xC4rger \xE9t\xE9 '; drop table T; --";
    ASSERT_TRUE(db.Exec("insert into T values(" + SqlLiteral(text) + ")"));
    SqlTable table;
    ASSERT_TRUE(db.GetTable("select a from T where a = " + SqlLiteral(text), table));
    ASSERT_EQ(table.Rows(), 1);
    EXPECT_EQ(std::string(table.Value(0, 0)), text);
}

} // namespace
