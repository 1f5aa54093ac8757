// CContactsTree: the three context menus and their commands, the Delete key and the double
// click. Each command acts only on a selection of its kind (the right button selects the
// node under the pointer before the menu opens).
#include "windows/contacts/ContactsTree.h"

#include "core/TavikUtility.h"
#include "core/TextConvert.h"
#include "resources/ProgramIds.h"
#include "texts/UiTextTable.h"
#include "windows/chat/ChatWindows.h"
#include "windows/main/MainFrame.h"
#include "windows/main/PopupMenus.h"

bool IsDefaultGroupName(const CString& shownName)
{
    return TavikUtility::CompareNoCase(WideToAnsi(shownName), WideToAnsi(g_uiTexts.contactDetailsWnd.t32000)) == 0;
}

void CContactsTree::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    if (key == VK_DELETE) {
        OnDeleteGroup();
        OnDeleteContact();
    }
    Vexel::CSkinTreeCtrl::OnKeyDown(key, repeat, flags);
}

void CContactsTree::OnLButtonDblClk(UINT flags, CPoint point)
{
    OnCallSipNumber();
    Vexel::CSkinTreeCtrl::OnLButtonDblClk(flags, point);
}

void CContactsTree::OnRClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    POINT point = cursor;
    ScreenToClient(&point);
    const HTREEITEM item = HitTest(point);
    const UINT menu = !item ? IDM_CONTACTS_BLANK : (IsGroupItem(item) ? IDM_CONTACTS_GROUP : IDM_CONTACTS_CONTACT);
    ShowPopupMenu(menu, cursor.x, cursor.y, this);
}

// --- calls, messages and the contact form

void CContactsTree::CallSelected(std::string (CContactsTree::*phone)(const std::string&))
{
    const ContactItemData* const record = GetContactData(SelectedContact());
    if (!record || !g_pMainFrame)
        return;
    const std::string sipUri = WideToAnsi(record->sipUri);
    g_pMainFrame->MakeCall(phone ? AnsiToWide((this->*phone)(sipUri)) : record->sipUri);
}

void CContactsTree::OnCallSipNumber()
{
    CallSelected(nullptr);
}

void CContactsTree::OnCallWorkPhone()
{
    CallSelected(&CContactsTree::GetWorkPhone);
}

void CContactsTree::OnCallHomePhone()
{
    CallSelected(&CContactsTree::GetHomePhone);
}

void CContactsTree::OnCallMobilePhone()
{
    CallSelected(&CContactsTree::GetMobilePhone);
}

void CContactsTree::OnInstantMessage()
{
    if (const ContactItemData* record = GetContactData(SelectedContact()))
        OpenChatWindow(record->displayName, record->sipUri);
}

void CContactsTree::OnViewContactInfo()
{
    if (const ContactItemData* record = GetContactData(SelectedContact()))
        RunContactForm(0, record->sipUri);
}

void CContactsTree::OnEditContactInfo()
{
    if (const ContactItemData* record = GetContactData(SelectedContact()))
        RunContactForm(1, record->sipUri);
}

void CContactsTree::OnAddContact()
{
    RunContactForm(2, CString());
}

void CContactsTree::AddContactWithNumber(const CString& number)
{
    RunContactForm(2, number);
}

// --- deleting

void CContactsTree::OnDeleteContact()
{
    const HTREEITEM item = SelectedContact();
    const ContactItemData* const record = GetContactData(item);
    if (!record)
        return;
    // The node goes only with its row, so the tree never hides a stored contact.
    if (!DeleteContactRow(WideToAnsi(record->sipUri)))
        return;
    DeleteContactItem(item, true);
}

void CContactsTree::OnDeleteGroup()
{
    const HTREEITEM item = SelectedGroup();
    if (!item || GetChildItem(item))
        return;
    const CString name = GetItemText(item);
    if (IsDefaultGroupName(name))
        return;
    if (!DeleteGroupRow(WideToAnsi(name)))
        return;
    DeleteGroupItem(item);
}

int CContactsTree::DeleteGroupItem(HTREEITEM item)
{
    if (!item || !::IsWindow(m_hWnd))
        return -1;
    return DeleteItem(item) ? 0 : -1;
}

// --- groups by label editing

void CContactsTree::OnRenameGroup()
{
    const HTREEITEM item = SelectedGroup();
    if (!item || IsDefaultGroupName(GetItemText(item)))
        return;
    // The rows change only once the new name is confirmed (OnEndLabelEdit).
    Expand(item, TVE_EXPAND);
    SetFocus();
    EditLabel(item);
}

void CContactsTree::OnCreateNewGroup()
{
    const HTREEITEM item = InsertItem(L"", TVI_ROOT, TVI_LAST);
    if (!item)
        return;
    Expand(item, TVE_EXPAND);
    SetFocus();
    EditLabel(item);
}
