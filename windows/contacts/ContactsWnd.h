#pragma once
// CContactsWnd: the contacts page, the first of the main window's three pages. Its content is
// the contacts tree of groups and contacts, laid over the skin's placeholder IDC_RECT_Contacts
// and filled from tables Groups and Contacts each time the user becomes signed in; it
// publishes the user's presence to the accepted subscribers and passes the contact engine
// events on to the tree. The page owns the tree (and through it every contact's record).
//
// The operations are split by concern: ContactsWnd.cpp (creation, layout, destruction and the
// forwarders), ContactsLoad.cpp (the loads from the database), ContactsPresence.cpp (presence
// publishing).
#include "engine/TavikCore.h"
#include "skin/ui/UIWnd.h"
#include "windows/contacts/ContactsTree.h"

#include <string>

class CContactsWnd : public Vexel::CUIWnd {
public:
    CContactsWnd();
    ~CContactsWnd() override;

    // Event types 1, 21, 23, 24, 30, 31 and 32 (instant messages and presence traffic), for
    // the tree; the record stays the main window's.
    virtual void OnSipEvent(SIPCallbackCommand* record);

    // The contact form for a new contact, empty or with `number`.
    void EditContact();
    void AddContact(const CString& number);

    // Fill the tree from the database: one group item per row of Groups (call first), then
    // every contact under its group, every subscription id reset to 0 and the contacts marked
    // for it subscribed to. Nothing happens before the tree exists.
    void LoadGroups();
    void LoadContacts();
    // Empty the tree, as sign-out does: every contact with its item data and every group, in
    // one delete of every node, with one layout and one repaint after it.
    void EmptyTree();

    // Publish `status` ("Available", "Busy" ...) or "offline" to every contact whose
    // subscription the user accepted and who holds a subscription id; they need no page
    // object.
    static void NotifyPresenceOnline(const std::string& status);
    static void NotifyPresenceOffline();

    CContactsTree& GetTree() { return m_tree; }

    // SQLite's row callbacks of the loads and the presence publishing: (argument, column
    // count, values, column names) -> 0, so every row is visited. Columns are found by name,
    // ignoring case; a NULL value counts as a missing column. The group and contact callbacks
    // take the page, the online one the status text (a std::string), the offline one nothing.
    static int GroupRowCallback(void* page, int columns, char** values, char** names);
    static int ContactRowCallback(void* page, int columns, char** values, char** names);
    static int OnlineRowCallback(void* status, int columns, char** values, char** names);
    static int OfflineRowCallback(void* unused, int columns, char** values, char** names);

protected:
    void SetWindowID() override;
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    static constexpr UINT kTreeId = 1111;

    bool HasTree() const { return ::IsWindow(m_tree.GetSafeHwnd()) != FALSE; }
    void DressScrollBars();
    // One stored contact row: shown under its group (when the group has an item) and
    // subscribed to when marked.
    void AddStoredContact(const std::string& name, const std::string& sipUri, const std::string& group,
                          const std::string& iconPath, bool subscribe);

    CContactsTree m_tree;
};
