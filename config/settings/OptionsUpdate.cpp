#include "config/settings/OptionsUpdate.h"

#include "core/SqlStatement.h"
#include "core/TavikSQL.h"

OptionsUpdate& OptionsUpdate::Text(std::string_view column, std::string_view value)
{
    Column(column);
    m_values.push_back(Value{true, std::string(value), 0});
    return *this;
}

OptionsUpdate& OptionsUpdate::Number(std::string_view column, int value)
{
    Column(column);
    m_values.push_back(Value{false, std::string(), value});
    return *this;
}

void OptionsUpdate::Column(std::string_view column)
{
    if (!m_assignments.empty())
        m_assignments += ", ";
    m_assignments += column;
    m_assignments += " = ?";
}

std::string OptionsUpdate::Sql() const
{
    return "update Options set " + m_assignments;
}

bool OptionsUpdate::Run() const
{
    if (m_assignments.empty())
        return false;
    std::vector<SqlValue> values;
    values.reserve(m_values.size());
    for (const Value& value : m_values) {
        if (value.isText)
            values.emplace_back(value.text);
        else
            values.emplace_back(value.number);
    }
    SqlStatement update(g_database, Sql());
    return update.Run(values);
}
