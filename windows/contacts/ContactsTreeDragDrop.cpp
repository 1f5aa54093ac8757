// CContactsTree: dragging a contact onto another group. The drag offers the dragged node's
// handle under CF_CONTACTDRAG and allows a move, which is what the tree answers while the
// drag passes over it; the tree takes a drop only from its own drag in progress, since a
// node handle means nothing anywhere else.
#include "windows/contacts/ContactsTree.h"

#include "core/TextConvert.h"
#include "framework/GlobalMemory.h"
#include "framework/OleDataSource.h"
#include "skin/ui/controls/OleDropInfo.h"

#include <cstring>

void CContactsTree::OnBeginDrag(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const HTREEITEM item = reinterpret_cast<const NMTREEVIEWW*>(header)->itemNew.hItem;
    if (!item || !GetParentItem(item) || !GetContactData(item))
        return;
    CGlobalMemory block;
    if (!block.Allocate(sizeof item, &item))
        return;
    COleDataSource source;
    source.CacheGlobalData(CF_CONTACTDRAG, block.Detach());
    m_draggedItem = item;
    source.DoDragDrop(DROPEFFECT_MOVE);
    m_draggedItem = nullptr;
}

HTREEITEM CContactsTree::OwnDraggedItem(LPARAM dropInfo) const
{
    const auto* const info = reinterpret_cast<const Vexel::COleDropInfo*>(dropInfo);
    if (!m_draggedItem || !info || !info->m_dataObject || !info->m_dataObject->IsDataAvailable(CF_CONTACTDRAG))
        return nullptr;
    CGlobalMemory block(info->m_dataObject->GetGlobalData(CF_CONTACTDRAG));
    const CGlobalLock lock(block.Get());
    HTREEITEM item = nullptr;
    if (!lock.Data() || lock.Size() < sizeof item)
        return nullptr;
    std::memcpy(&item, lock.Data(), sizeof item);
    return item == m_draggedItem ? item : nullptr;
}

LRESULT CContactsTree::OnDragOver(WPARAM, LPARAM lParam)
{
    return OwnDraggedItem(lParam) ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
}

LRESULT CContactsTree::OnDrop(WPARAM, LPARAM lParam)
{
    const HTREEITEM dragged = OwnDraggedItem(lParam);
    if (!dragged)
        return FALSE;
    const auto* const info = reinterpret_cast<const Vexel::COleDropInfo*>(lParam);
    return MoveContact(dragged, HitTest(info->m_point)) ? TRUE : FALSE;
}

LRESULT CContactsTree::OnDropEx(WPARAM, LPARAM)
{
    return static_cast<LRESULT>(kDropExNotHandled);
}

LRESULT CContactsTree::OnDragScroll(WPARAM, LPARAM)
{
    return 0;
}

bool CContactsTree::MoveContact(HTREEITEM dragged, HTREEITEM target)
{
    const HTREEITEM group = IsGroupItem(target) ? target : (target ? GetParentItem(target) : nullptr);
    const ContactItemData* const record = GetContactData(dragged);
    if (!group || !record)
        return false;
    const std::string sipUri = WideToAnsi(record->sipUri);
    const std::string name = WideToAnsi(record->displayName);
    const std::string status = WideToAnsi(record->status);
    const std::string groupName = WideToAnsi(GetItemText(group));
    // The node moves only once its row has.
    if (!SetContactGroupRow(sipUri, groupName))
        return false;
    const std::string iconPath = GetContactIcon(sipUri);
    DeleteContactItem(dragged, true);
    AddContactItem(name, sipUri, groupName, iconPath, status);
    return true;
}
