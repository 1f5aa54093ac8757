// CContactsTree: many nodes at once. Every insertion or move ends by collapsing and expanding
// every group, which costs the tree view a walk over all its visible rows; a load of the whole
// book does it once, at the end.
#include "windows/contacts/ContactsTree.h"

void CContactsTree::HoldGroupLayout()
{
    ++m_groupLayoutHolds;
}

void CContactsTree::ReleaseGroupLayout()
{
    if (m_groupLayoutHolds == 0 || --m_groupLayoutHolds > 0 || !m_groupLayoutPending)
        return;
    m_groupLayoutPending = false;
    if (::IsWindow(m_hWnd))
        RefreshGroups();
}
