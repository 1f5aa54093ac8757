#pragma once
// Text placed inside SQL statements.
#include <string>
#include <string_view>

// The text as an SQL string literal: enclosed in single quotes, every single quote inside
// doubled. Every statement that embeds a text value builds it with this, so a value holding
// a quote can neither break the statement nor change what it does. Text without a quote
// comes out as '<text>', byte for byte.
std::string SqlLiteral(std::string_view text);

// Appends SqlLiteral(text) to sql without a temporary string.
void AppendSqlLiteral(std::string& sql, std::string_view text);
