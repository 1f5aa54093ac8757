#include "config/settings/OptionsUpdate.h"

#include "core/SqlText.h"
#include "core/TavikSQL.h"

OptionsUpdate& OptionsUpdate::Text(std::string_view column, std::string_view value)
{
    Column(column);
    AppendSqlLiteral(m_assignments, value);
    return *this;
}

OptionsUpdate& OptionsUpdate::Number(std::string_view column, int value)
{
    Column(column);
    m_assignments += std::to_string(value);
    return *this;
}

void OptionsUpdate::Column(std::string_view column)
{
    if (!m_assignments.empty())
        m_assignments += ", ";
    m_assignments += column;
    m_assignments += " = ";
}

std::string OptionsUpdate::Sql() const
{
    return "update Options set " + m_assignments;
}

bool OptionsUpdate::Run() const
{
    return !m_assignments.empty() && g_database.Exec(Sql());
}
