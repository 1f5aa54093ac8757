// CContactsTree: the contact form the view, edit and add commands open.
#include "windows/contacts/ContactsTree.h"

#include "core/TextConvert.h"
#include "windows/contacts/ContactDetailsWnd.h"

void CContactsTree::RunContactForm(int mode, const CString& sipUri)
{
    CContactDetailsWnd form(this);
    form.SetContactsTree(this);
    form.SetMode(mode);
    form.SetSipUri(WideToAnsi(sipUri));
    form.DoModal();
}
