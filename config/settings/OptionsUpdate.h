#pragma once
// One update of the Options row, built column by column. Table Options holds one row, so the
// statement has no WHERE clause. Texts go in as SQL literals (a quote inside cannot end them),
// numbers in decimal.
#include <string>
#include <string_view>

class OptionsUpdate {
public:
    OptionsUpdate& Text(std::string_view column, std::string_view value);
    OptionsUpdate& Number(std::string_view column, int value);
    // A one-byte flag, stored as 1 or 0.
    OptionsUpdate& Flag(std::string_view column, bool value) { return Number(column, value ? 1 : 0); }

    // The whole statement.
    std::string Sql() const;
    // Runs it on g_database; true when it succeeded (false too when no column was given).
    bool Run() const;

private:
    void Column(std::string_view column);

    std::string m_assignments;
};
