#include "windows/contacts/ContactsWnd.h"

#include "resources/Resource.h"
#include "windows/chat/ChatWindows.h"

// The page's tree and contact form are classes of their own; the operations that need them
// leave the page as it is until the page holds them.

BEGIN_MESSAGE_MAP(CContactsWnd, Vexel::CUIWnd)
END_MESSAGE_MAP()

CContactsWnd::CContactsWnd() = default;

CContactsWnd::~CContactsWnd() = default;

void CContactsWnd::SetWindowID()
{
    m_nWindowID = IDW_CONTACTS;
}

void CContactsWnd::OnSipEvent(SIPCallbackCommand* record)
{
    constexpr int kInstantMessage = 21;
    // Until the page holds its tree, no sender is a known contact: a new chat window bears
    // the sender's display name.
    if (record && record->GetEventType() == kInstantMessage)
        ReceiveInstantMessage(*record, nullptr);
}

void CContactsWnd::EditContact()
{
}

void CContactsWnd::AddContact(const CString&)
{
}

void CContactsWnd::LoadGroups()
{
}

void CContactsWnd::LoadContacts()
{
}

void CContactsWnd::FreeContactItemData()
{
}

void CContactsWnd::DeleteAllGroups()
{
}
