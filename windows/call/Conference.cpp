#include "windows/call/Conference.h"

#include <algorithm>

void Conference::Add(int sessionId)
{
    if (sessionId > 0)
        m_ids.push_back(sessionId);
}

bool Conference::Contains(int sessionId) const
{
    return std::find(m_ids.begin(), m_ids.end(), sessionId) != m_ids.end();
}

void Conference::Remove(int sessionId)
{
    const auto found = std::find(m_ids.begin(), m_ids.end(), sessionId);
    if (found != m_ids.end())
        m_ids.erase(found);
}
