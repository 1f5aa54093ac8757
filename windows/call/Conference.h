#pragma once
// Conference: the engine session ids joined to the call page's conference, in the order they
// joined. The call page owns the one instance.
#include <vector>

class Conference {
public:
    Conference() = default;
    virtual ~Conference() = default;

    // Appends an id above 0; a duplicate is appended again.
    void Add(int sessionId);
    bool Contains(int sessionId) const;
    // Takes out the first equal id; nothing when none is there.
    void Remove(int sessionId);
    int GetCount() const { return static_cast<int>(m_ids.size()); }
    void Clear() { m_ids.clear(); }

private:
    std::vector<int> m_ids;
};
