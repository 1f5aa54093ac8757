#include "core/SqlText.h"

void AppendSqlLiteral(std::string& sql, std::string_view text)
{
    sql.reserve(sql.size() + text.size() + 2);
    sql += '\'';
    for (const char c : text) {
        if (c == '\'')
            sql += '\'';
        sql += c;
    }
    sql += '\'';
}

std::string SqlLiteral(std::string_view text)
{
    std::string literal;
    AppendSqlLiteral(literal, text);
    return literal;
}
