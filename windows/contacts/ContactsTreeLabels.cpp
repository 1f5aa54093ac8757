// CContactsTree: the end of a label edit. A group's new name is checked (not empty, no
// group of that name in any letter case, its own included) and stored before the tree keeps
// it; a refused name opens the editor again once the notification has returned. A rename
// changes the Groups row and its contacts' rows together, only once the name is confirmed.
#include "windows/contacts/ContactsTree.h"

#include "core/Base64.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "framework/Prompt.h"
#include "texts/UiTextTable.h"
#include "windows/msgbox/MessageBox.h"

namespace {

bool GroupRowStored(const std::string& groupName)
{
    SqlTable table;
    return g_database.Query("select GroupName from Groups where GroupName = ?", {Base64Encode(groupName, true)},
                            table) &&
           table.Rows() > 0;
}

} // namespace

void CContactsTree::OnBeginLabelEdit(NMHDR* header, LRESULT* result)
{
    *result = 0;
    m_labelEditItem = reinterpret_cast<const NMTVDISPINFOW*>(header)->item.hItem;
}

void CContactsTree::OnEndLabelEdit(NMHDR* header, LRESULT* result)
{
    *result = 0;
    // The editor losing the focus as it goes can end the same edit a second time: only the
    // first end of each edit is the user's.
    const auto& edit = *reinterpret_cast<const NMTVDISPINFOW*>(header);
    if (!edit.item.hItem || edit.item.hItem != m_labelEditItem)
        return;
    m_labelEditItem = nullptr;
    EndLabelEdit(edit, *result);
}

void CContactsTree::EndLabelEdit(const NMTVDISPINFOW& edit, LRESULT& result)
{
    const HTREEITEM item = edit.item.hItem;
    const bool group = IsGroupItem(item);
    // The node still bears its old name: a group with one is being renamed.
    const CString oldName = group ? GetItemText(item) : CString();

    if (!edit.item.pszText) {
        // Cancelled: a new group cannot stay without a name; anything else stays as it was.
        if (group && oldName.IsEmpty()) {
            AfxPrompt(m_hWnd, g_uiTexts.contactTreeWnd.t33000, g_uiTexts.dlgLogin.t20000, MB_ICONINFORMATION);
            PostMessage(WM_CONTACTS_REEDITLABEL, kReEditLabel, reinterpret_cast<LPARAM>(item));
            return;
        }
        result = 1;
        Invalidate(TRUE);
        return;
    }

    const CString text = edit.item.pszText;
    if (text.IsEmpty()) {
        ShowMessageBox(g_uiTexts.contactTreeWnd.t33000, this);
        PostMessage(WM_CONTACTS_REEDITLABEL, kReEditLabel, reinterpret_cast<LPARAM>(item));
        return;
    }
    if (!group) {
        if (ContactItemData* record = GetContactData(item))
            record->displayName = text;
        SelectItem(item);
        result = 1;
        Invalidate(TRUE);
        return;
    }
    if (GroupExists(text)) {
        ShowMessageBox(g_uiTexts.contactTreeWnd.t33001, this);
        PostMessage(WM_CONTACTS_REEDITLABEL, kReEditLabel, reinterpret_cast<LPARAM>(item));
        return;
    }

    const std::string name = WideToAnsi(text);
    if (!oldName.IsEmpty()) {
        // The default group keeps its name; a refused rename keeps the old name, in the tree
        // as in the tables.
        if (IsDefaultGroupName(oldName) || !RenameGroupRows(WideToAnsi(oldName), name))
            return;
    } else if (!AddGroup(name.c_str()) && !GroupRowStored(name)) {
        // The new group could not be stored: its unnamed node goes too.
        PostMessage(WM_CONTACTS_REEDITLABEL, kDropUnnamedGroup, reinterpret_cast<LPARAM>(item));
        return;
    }
    SelectItem(item);
    result = 1;
    Invalidate(TRUE);
}

LRESULT CContactsTree::OnReEditLabel(WPARAM wParam, LPARAM lParam)
{
    const auto item = reinterpret_cast<HTREEITEM>(lParam);
    if (!HasItem(item))
        return 0;
    if (wParam == kDropUnnamedGroup) {
        if (IsGroupItem(item) && GetItemText(item).IsEmpty() && !GetChildItem(item))
            DeleteItem(item);
        return 0;
    }
    SetFocus();
    EditLabel(item);
    return 0;
}
