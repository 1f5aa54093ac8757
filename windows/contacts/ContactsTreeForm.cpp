// CContactsTree: the contact form the view, edit and add commands open.
#include "windows/contacts/ContactsTree.h"

void CContactsTree::RunContactForm(int, const CString&)
{
    // The contact form is not part of the program yet: the commands that open it do nothing.
}
