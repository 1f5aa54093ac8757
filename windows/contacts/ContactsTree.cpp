// CContactsTree: the node model (groups and their contacts), the records the contact nodes
// carry, the order by presence, creation, and selection and expansion by the mouse.
#include "windows/contacts/ContactsTree.h"

#include "core/TavikUtility.h"
#include "core/TextConvert.h"
#include "framework/WndMessages.h"
#include "resources/ProgramIds.h"
#include "skin/ui/SkinMessages.h"
#include "windows/contacts/PresenceTexts.h"
#include "windows/main/MainFrame.h"

#include <algorithm>
#include <vector>

namespace {

bool IsOfflineStatus(const std::string& status)
{
    return status.empty() || TavikUtility::CompareNoCase(status, "offline") == 0;
}

} // namespace

HICON LoadContactIcon(const std::string& path)
{
    if (path.empty())
        return nullptr;
    return static_cast<HICON>(
        ::LoadImageW(nullptr, AnsiToWide(path).GetString(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
}

using Vexel::CSkinTreeCtrl;
IMPLEMENT_DYNAMIC(CContactsTree, CSkinTreeCtrl)

BEGIN_MESSAGE_MAP(CContactsTree, Vexel::CSkinTreeCtrl)
    ON_WM_CREATE()
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_NOTIFY_REFLECT(NM_CLICK, &CContactsTree::OnClick)
    ON_NOTIFY_REFLECT(NM_RCLICK, &CContactsTree::OnRClick)
    ON_NOTIFY_REFLECT(NM_DBLCLK, &CContactsTree::OnDblClk)
    ON_NOTIFY_REFLECT(TVN_BEGINDRAGW, &CContactsTree::OnBeginDrag)
    ON_NOTIFY_REFLECT(TVN_BEGINLABELEDITW, &CContactsTree::OnBeginLabelEdit)
    ON_NOTIFY_REFLECT(TVN_DELETEITEMW, &CContactsTree::OnDeleteItem)
    ON_NOTIFY_REFLECT(TVN_ENDLABELEDITW, &CContactsTree::OnEndLabelEdit)
    ON_MESSAGE(WM_CONTACTS_REEDITLABEL, &CContactsTree::OnReEditLabel)
    ON_MESSAGE(Vexel::WM_DROPTARGET_DRAGENTER, &CContactsTree::OnDragOver)
    ON_MESSAGE(Vexel::WM_DROPTARGET_DRAGOVER, &CContactsTree::OnDragOver)
    ON_MESSAGE(Vexel::WM_DROPTARGET_DROP, &CContactsTree::OnDrop)
    ON_MESSAGE(Vexel::WM_DROPTARGET_DROPEX, &CContactsTree::OnDropEx)
    ON_MESSAGE(Vexel::WM_DROPTARGET_DRAGSCROLL, &CContactsTree::OnDragScroll)
    ON_COMMAND(ID_CONTACT_CALLSIP, &CContactsTree::OnCallSipNumber)
    ON_COMMAND(ID_CONTACT_CALLWORK, &CContactsTree::OnCallWorkPhone)
    ON_COMMAND(ID_CONTACT_CALLHOME, &CContactsTree::OnCallHomePhone)
    ON_COMMAND(ID_CONTACT_CALLMOBILE, &CContactsTree::OnCallMobilePhone)
    ON_COMMAND(ID_CONTACT_MESSAGE, &CContactsTree::OnInstantMessage)
    ON_COMMAND(ID_CONTACT_VIEW, &CContactsTree::OnViewContactInfo)
    ON_COMMAND(ID_CONTACT_EDIT, &CContactsTree::OnEditContactInfo)
    ON_COMMAND(ID_CONTACT_ADD, &CContactsTree::OnAddContact)
    ON_COMMAND(ID_CONTACT_DELETE, &CContactsTree::OnDeleteContact)
    ON_COMMAND(ID_GROUP_DELETE, &CContactsTree::OnDeleteGroup)
    ON_COMMAND(ID_GROUP_RENAME, &CContactsTree::OnRenameGroup)
    ON_COMMAND(ID_GROUP_CREATE, &CContactsTree::OnCreateNewGroup)
    ON_COMMAND(ID_CONTACTS_EXPORT, &CContactsTree::OnExportContacts)
    ON_COMMAND(ID_CONTACTS_IMPORT, &CContactsTree::OnImportContacts)
    ON_COMMAND(ID_CONTACTS_IMPORTOUTLOOK, &CContactsTree::OnImportContactsFromOutlook)
END_MESSAGE_MAP()

CContactsTree::CContactsTree()
{
    LOGFONTW font{};
    font.lfHeight = -13;
    font.lfWeight = FW_NORMAL;
    ::lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
    m_groupFont.CreateFontIndirect(&font);
    m_nameFont.CreateFontIndirect(&font);
    font.lfHeight = -11;
    font.lfItalic = TRUE;
    m_detailFont.CreateFontIndirect(&font);
}

CContactsTree::~CContactsTree()
{
    // The drop target goes with its member; the records with theirs, whether the window went
    // first or not.
    m_dropTarget.Revoke();
}

int CContactsTree::OnCreate(LPCREATESTRUCT cs)
{
    if (Vexel::CSkinTreeCtrl::OnCreate(cs) == -1)
        return -1;
    // Without OLE on this thread the tree still works; it only takes no drops.
    m_dropTarget.Register(this);
    return 0;
}

// --- records

ContactItemData* CContactsTree::KeepRecord(std::unique_ptr<ContactItemData> record)
{
    m_records.push_back(std::move(record));
    return m_records.back().get();
}

void CContactsTree::FreeRecord(const ContactItemData* record)
{
    const auto it = std::find_if(m_records.begin(), m_records.end(),
                                 [record](const std::unique_ptr<ContactItemData>& held) { return held.get() == record; });
    if (it != m_records.end())
        m_records.erase(it);
}

ContactItemData* CContactsTree::GetContactData(HTREEITEM item) const
{
    if (!item || !::IsWindow(m_hWnd) || !GetParentItem(item))
        return nullptr;
    return reinterpret_cast<ContactItemData*>(GetItemData(item));
}

// --- nodes

bool CContactsTree::IsGroupItem(HTREEITEM item) const
{
    return item && ::IsWindow(m_hWnd) && HasItem(item) && !GetParentItem(item);
}

bool CContactsTree::HasItem(HTREEITEM item) const
{
    if (!item)
        return false;
    for (HTREEITEM group = GetRootItem(); group; group = GetNextSiblingItem(group)) {
        if (group == item)
            return true;
        for (HTREEITEM child = GetChildItem(group); child; child = GetNextSiblingItem(child)) {
            if (child == item)
                return true;
        }
    }
    return false;
}

int CContactsTree::SetGroupIcons(HICON collapsed, HICON expanded)
{
    m_collapsedIcon = collapsed;
    m_expandedIcon = expanded;
    return 0;
}

HTREEITEM CContactsTree::FindGroupItem(const std::string& groupName) const
{
    if (!::IsWindow(m_hWnd))
        return nullptr;
    if (m_groupLayoutHolds > 0)
        return FindHeldGroup(groupName);
    for (HTREEITEM group = GetRootItem(); group; group = GetNextSiblingItem(group)) {
        if (TavikUtility::CompareNoCase(WideToAnsi(GetItemText(group)), groupName) == 0)
            return group;
    }
    return nullptr;
}

bool CContactsTree::GroupExists(const CString& groupName) const
{
    return FindGroupItem(WideToAnsi(groupName)) != nullptr;
}

HTREEITEM CContactsTree::InsertGroupNode(const CString& shownName, UINT expanded)
{
    TVINSERTSTRUCTW insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_STATE;
    insert.item.pszText = const_cast<LPWSTR>(shownName.GetString());
    insert.item.state = expanded;
    insert.item.stateMask = TVIS_EXPANDED;
    const HTREEITEM group = InsertItem(&insert);
    if (group && m_groupLayoutHolds > 0 && !m_heldGroups.empty())
        IndexHeldGroup(WideToAnsi(shownName), group);
    return group;
}

HTREEITEM CContactsTree::AddGroupItem(const CString& shownName)
{
    return InsertGroupNode(shownName, TVIS_EXPANDED);
}

// At its height from the start: setting the height afterwards would make the tree view look
// the new node up again among all its items.
HTREEITEM CContactsTree::InsertContactNode(HTREEITEM group, HTREEITEM after, ContactItemData* record)
{
    TVINSERTSTRUCTW insert{};
    insert.hParent = group;
    insert.hInsertAfter = after;
    insert.itemex.mask = TVIF_TEXT | TVIF_PARAM;
    insert.itemex.pszText = const_cast<LPWSTR>(L"");
    insert.itemex.lParam = reinterpret_cast<LPARAM>(record);
    return InsertItemOfHeight(insert, ContactNodeHeight);
}

void CContactsTree::RefreshGroups()
{
    if (m_groupLayoutHolds > 0) {
        m_groupLayoutPending = true;
        return;
    }
    for (HTREEITEM group = GetRootItem(); group; group = GetNextSiblingItem(group)) {
        Expand(group, TVE_COLLAPSE);
        Expand(group, TVE_EXPAND);
    }
}

HTREEITEM CContactsTree::AddContactItem(const std::string& name, const std::string& sipUri,
                                        const std::string& groupName, const std::string& iconPath,
                                        const std::string& status)
{
    const HTREEITEM group = FindGroupItem(groupName);
    if (!group)
        return nullptr;
    auto record = std::make_unique<ContactItemData>();
    record->displayName = AnsiToWide(name);
    record->sipUri = AnsiToWide(sipUri);
    const bool offline = IsOfflineStatus(status);
    record->status = AnsiToWide(offline ? std::string(kOfflineStatus) : status);
    record->icon = ContactIcon(iconPath);
    ContactItemData* const kept = KeepRecord(std::move(record));
    const HTREEITEM item = InsertContactNode(group, offline ? TVI_LAST : TVI_FIRST, kept);
    if (!item) {
        FreeRecord(kept);
        return nullptr;
    }
    RefreshGroups();
    return item;
}

HTREEITEM CContactsTree::FindContactItem(const std::string& sipUri) const
{
    if (!::IsWindow(m_hWnd))
        return nullptr;
    for (HTREEITEM group = GetRootItem(); group; group = GetNextSiblingItem(group)) {
        for (HTREEITEM child = GetChildItem(group); child; child = GetNextSiblingItem(child)) {
            const auto* record = reinterpret_cast<const ContactItemData*>(GetItemData(child));
            // A contact node always carries its record; one without ends the search.
            if (!record)
                return nullptr;
            if (TavikUtility::CompareNoCase(WideToAnsi(record->sipUri), sipUri) == 0)
                return child;
        }
    }
    return nullptr;
}

std::string CContactsTree::UpdateContactStatus(const std::string& sipUri, bool toTop, const std::string& status,
                                               std::string& displayName)
{
    displayName.clear();
    const HTREEITEM item = FindContactItem(sipUri);
    if (!item)
        return kOfflineStatus;
    ContactItemData* const record = GetContactData(item);
    const HTREEITEM group = GetParentItem(item);
    const std::string previous = WideToAnsi(record->status);
    displayName = WideToAnsi(record->displayName);
    record->status = AnsiToWide(status);
    DeleteContactItem(item, false);
    if (!InsertContactNode(group, toTop ? TVI_FIRST : TVI_LAST, record)) {
        // The tree refused the node: nothing shows the record any more.
        FreeRecord(record);
    }
    RefreshGroups();
    return previous;
}

int CContactsTree::DeleteContactItem(HTREEITEM item, bool freeRecord)
{
    if (!item || !::IsWindow(m_hWnd))
        return -1;
    ContactItemData* const record = GetContactData(item);
    if (freeRecord && record) {
        if (g_pMainFrame)
            g_pMainFrame->RemoveChatWindow(WideToAnsi(record->sipUri));
        SetItemData(item, 0);
        FreeRecord(record);
    }
    return DeleteItem(item) ? 0 : -1;
}

// The tree view checks every node handle it is given against all of its nodes, and a shown
// one lays itself out again on every collapse: the contacts go in one delete of every node,
// and the groups come back as they were (name, order, open or not). The records go last, once
// no node points to them.
void CContactsTree::FreeAllContactItemData()
{
    if (::IsWindow(m_hWnd)) {
        struct Group {
            CString name;
            UINT expanded;
        };
        std::vector<Group> groups;
        for (HTREEITEM group = GetRootItem(); group; group = GetNextSiblingItem(group))
            groups.push_back({GetItemText(group), GetItemState(group, TVIS_EXPANDED) & TVIS_EXPANDED});
        DeleteAllItems();
        for (const Group& group : groups)
            InsertGroupNode(group.name, group.expanded);
    }
    m_records.clear();
}

void CContactsTree::DeleteAllGroups()
{
    if (!::IsWindow(m_hWnd))
        return;
    HTREEITEM group = GetRootItem();
    while (group) {
        const HTREEITEM next = GetNextSiblingItem(group);
        if (!GetChildItem(group))
            DeleteItem(group);
        group = next;
    }
}

void CContactsTree::DeleteAllNodes()
{
    if (::IsWindow(m_hWnd))
        DeleteAllItems();
    m_records.clear();
}

// --- selection and expansion

HTREEITEM CContactsTree::SelectedContact() const
{
    const HTREEITEM item = GetSelectedItem();
    return (item && GetParentItem(item) && GetContactData(item)) ? item : nullptr;
}

HTREEITEM CContactsTree::SelectedGroup() const
{
    const HTREEITEM item = GetSelectedItem();
    return (item && !GetParentItem(item)) ? item : nullptr;
}

void CContactsTree::OnClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    DWORD position = ::GetMessagePos();
    POINT point{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    ScreenToClient(&point);
    const HTREEITEM item = HitTest(point);
    if (!item || GetParentItem(item))
        return;
    SetRedraw(FALSE);
    Expand(item, TVE_TOGGLE);
    SetRedraw(TRUE);
    Invalidate(TRUE);
}

void CContactsTree::OnRButtonDown(UINT flags, CPoint point)
{
    // The context menu acts on the node under the pointer: it becomes the selection first.
    Select(HitTest(point), TVGN_CARET);
    Vexel::CSkinTreeCtrl::OnRButtonDown(flags, point);
}

void CContactsTree::OnDblClk(NMHDR*, LRESULT* result)
{
    *result = 0;
}
