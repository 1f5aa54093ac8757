#pragma once
// One update of the Options row, built column by column. Table Options holds one row, so the
// statement has no WHERE clause. Each value is bound to the statement, stored as it is: texts
// as text, numbers as numbers.
#include <string>
#include <string_view>
#include <vector>

class OptionsUpdate {
public:
    OptionsUpdate& Text(std::string_view column, std::string_view value);
    OptionsUpdate& Number(std::string_view column, int value);
    // A one-byte flag, stored as 1 or 0.
    OptionsUpdate& Flag(std::string_view column, bool value) { return Number(column, value ? 1 : 0); }

    // The whole statement, a "?" for each value.
    std::string Sql() const;
    // Runs it on g_database; true when it succeeded (false too when no column was given).
    bool Run() const;

private:
    struct Value {
        bool isText;
        std::string text;
        int number;
    };
    void Column(std::string_view column);

    std::string m_assignments;
    std::vector<Value> m_values;   // in the order of the assignments
};
