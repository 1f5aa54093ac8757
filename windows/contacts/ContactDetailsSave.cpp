// CContactDetailsWnd: a save goes through the contacts tree's store, which keeps the tree's
// nodes in step with the rows.
#include "windows/contacts/ContactDetailsWnd.h"

#include "windows/contacts/ContactsTree.h"

void CContactDetailsWnd::StoreContact(const Fields& fields)
{
    if (m_mode == kAddMode) {
        // The store subscribes to a new contact's presence itself, once.
        m_tree->SaveContact(fields.firstName, fields.lastName, fields.nickName, fields.jobTitle, fields.sipUri,
                            fields.email, fields.homePhone, fields.workPhone, fields.mobilePhone, fields.group,
                            m_avatarPath, false, 0, 0, true);
    } else if (m_mode == kEditMode) {
        m_tree->UpdateContact(fields.firstName, fields.lastName, fields.nickName, fields.jobTitle, fields.sipUri,
                              fields.email, fields.homePhone, fields.workPhone, fields.mobilePhone, fields.group,
                              m_avatarPath);
    }
}
