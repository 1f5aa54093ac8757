// CContactsTree: many nodes at once. Every insertion or move ends with every group expanded;
// a load of the whole book inserts its groups expanded and, at its end, expands only a group
// that is not. Meanwhile groups are found by name in an index made once, and each avatar
// file is loaded once, its icon shared by the contacts that show it.
#include "windows/contacts/ContactsTree.h"
#include "windows/contacts/KeptContactIcons.h"

#include "core/TavikUtility.h"
#include "core/TextConvert.h"

void CContactsTree::HoldGroupLayout()
{
    ++m_groupLayoutHolds;
}

void CContactsTree::ReleaseGroupLayout()
{
    if (m_groupLayoutHolds == 0 || --m_groupLayoutHolds > 0)
        return;
    m_heldGroups.clear();
    // The records keep what they share.
    for (HeldFace& face : m_heldFaces)
        face = HeldFace{};
    m_heldIcons.clear();
    const bool inserted = m_groupLayoutPending;
    m_groupLayoutPending = false;
    if (::IsWindow(m_hWnd))
        SettleGroups(inserted);
}

// The tree view never opens a node without children: a group added open ahead of contacts
// that never came would show the open group's icon over nothing.
void CContactsTree::SettleGroups(bool expandClosed)
{
    for (HTREEITEM group = GetRootItem(); group; group = GetNextSiblingItem(group)) {
        const bool open = (GetItemState(group, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
        if (GetChildItem(group)) {
            if (!open && expandClosed)
                Expand(group, TVE_EXPAND);
        } else if (open) {
            SetItemState(group, 0, TVIS_EXPANDED);
        }
    }
}

void CContactsTree::OnDeleteItem(NMHDR* header, LRESULT* result)
{
    *result = 0;
    // A group node carries no record; the index must not answer one that is gone.
    if (reinterpret_cast<const NMTREEVIEWW*>(header)->itemOld.lParam == 0)
        m_heldGroups.clear();
}

void CContactsTree::IndexHeldGroup(const std::string& name, HTREEITEM group) const
{
    // The first of several groups of the same name wins, as in the walk.
    m_heldGroups.emplace(TavikUtility::FoldCase(name), group);
}

// The index is made from the group nodes on the first look-up (again after a group node went);
// a name it lacks is looked for again, so that groups added meanwhile are found.
HTREEITEM CContactsTree::FindHeldGroup(const std::string& groupName) const
{
    if (m_heldGroups.empty()) {
        for (HTREEITEM group = GetRootItem(); group; group = GetNextSiblingItem(group))
            IndexHeldGroup(WideToAnsi(GetItemText(group)), group);
    }
    const auto indexed = m_heldGroups.find(TavikUtility::FoldCase(groupName));
    if (indexed != m_heldGroups.end())
        return indexed->second;
    for (HTREEITEM group = GetRootItem(); group; group = GetNextSiblingItem(group)) {
        if (TavikUtility::CompareNoCase(WideToAnsi(GetItemText(group)), groupName) == 0) {
            IndexHeldGroup(groupName, group);
            return group;
        }
    }
    return nullptr;
}

OwnedIcon CContactsTree::ContactIcon(const std::string& path)
{
    if (m_groupLayoutHolds == 0)
        return KeptContactIcon(path);
    // Contacts show one of a few faces, nearly always from one folder: the face's number
    // finds its icon, and only a face from another folder is looked up by its path.
    const int face = AvatarFaceIndex(path, ".ico");
    if (face > 0) {
        HeldFace& held = m_heldFaces[static_cast<size_t>(face)];
        if (held.path.empty()) {
            held.path = path;
            held.icon = KeptContactIcon(path);
        }
        if (held.path == path)
            return held.icon;
    }
    auto held = m_heldIcons.find(path);
    if (held == m_heldIcons.end())
        held = m_heldIcons.emplace(path, KeptContactIcon(path)).first;
    return held->second;
}
