#pragma once
// CContactsWnd: the contacts page, the first of the main window's three pages. Its content is
// the contacts tree of groups and contacts, filled from tables Groups and Contacts each time
// the user becomes signed in; it publishes the user's presence to the accepted subscribers and
// passes the contact engine events on to the tree.
#include "engine/TavikCore.h"
#include "skin/ui/UIWnd.h"

#include <string>

class CContactsWnd : public Vexel::CUIWnd {
public:
    CContactsWnd();
    ~CContactsWnd() override;

    // Event types 1, 21, 23, 24, 30, 31 and 32 (instant messages and presence traffic); the
    // record stays the main window's.
    virtual void OnSipEvent(SIPCallbackCommand* record);

    // The contact form for a new contact, empty or with `number`.
    void EditContact();
    void AddContact(const CString& number);

    // Fill the tree from the database (groups first) and subscribe to the marked contacts.
    void LoadGroups();
    void LoadContacts();
    // Empty the tree: the contacts' item data first, then the groups with their contacts.
    void FreeContactItemData();
    void DeleteAllGroups();

    // Publish `status` ("Available", "Busy" ...) or "offline" to every contact whose
    // subscription the user accepted; they need no page object.
    static void NotifyPresenceOnline(const std::string& status);
    static void NotifyPresenceOffline();

protected:
    void SetWindowID() override;

    DECLARE_MESSAGE_MAP()
};
