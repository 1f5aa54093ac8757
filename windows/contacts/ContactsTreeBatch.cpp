// CContactsTree: many nodes at once. Every insertion or move ends by collapsing and expanding
// every group, which costs the tree view a walk over all its visible rows; a load of the whole
// book does it once, at the end. Meanwhile each group is looked up by name once, and each
// avatar file is loaded once, its icon shared by the contacts that show it.
#include "windows/contacts/ContactsTree.h"

#include "core/TavikUtility.h"
#include "core/TextConvert.h"

bool CContactsTree::NoCaseLess::operator()(const std::string& a, const std::string& b) const
{
    return TavikUtility::CompareNoCase(a, b) < 0;
}

void CContactsTree::HoldGroupLayout()
{
    ++m_groupLayoutHolds;
}

void CContactsTree::ReleaseGroupLayout()
{
    if (m_groupLayoutHolds == 0 || --m_groupLayoutHolds > 0)
        return;
    m_heldGroups.clear();
    m_heldIcons.clear();   // the records keep what they share
    if (!m_groupLayoutPending)
        return;
    m_groupLayoutPending = false;
    if (::IsWindow(m_hWnd))
        RefreshGroups();
}

// Groups are not deleted while the layout is held; a remembered node is still checked by its
// text, and a name not remembered is looked for again, so groups added meanwhile are found.
HTREEITEM CContactsTree::FindHeldGroup(const std::string& groupName) const
{
    if (m_heldGroups.empty()) {
        // The first of several groups of the same name wins, as in the walk.
        for (HTREEITEM group = GetRootItem(); group; group = GetNextSiblingItem(group))
            m_heldGroups.emplace(WideToAnsi(GetItemText(group)), group);
    }
    const auto remembered = m_heldGroups.find(groupName);
    if (remembered != m_heldGroups.end() &&
        TavikUtility::CompareNoCase(WideToAnsi(GetItemText(remembered->second)), groupName) == 0)
        return remembered->second;
    for (HTREEITEM group = GetRootItem(); group; group = GetNextSiblingItem(group)) {
        if (TavikUtility::CompareNoCase(WideToAnsi(GetItemText(group)), groupName) == 0) {
            m_heldGroups[groupName] = group;
            return group;
        }
    }
    return nullptr;
}

OwnedIcon CContactsTree::ContactIcon(const std::string& path)
{
    if (m_groupLayoutHolds == 0)
        return OwnedIcon(LoadContactIcon(path));
    auto held = m_heldIcons.find(path);
    if (held == m_heldIcons.end())
        held = m_heldIcons.emplace(path, OwnedIcon(LoadContactIcon(path))).first;
    return held->second;
}
