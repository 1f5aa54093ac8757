#pragma once
// CContactsTree: the contacts page's tree of groups and contacts. A root node is a group
// (its text is the group's name as shown, no item data); a child node is a contact (empty
// text, 64 pixels high, a ContactItemData as its item data). The tree alone owns and frees
// the records (DeleteContactItem, FreeAllContactItemData, its destructor): no other code
// deletes one. Online contacts stand at the top
// of their group, offline ones at the bottom. The tree draws every row itself, keeps tables
// Contacts and Groups in step with what it shows, answers its three context menus, renames
// groups by label editing, moves contacts between groups by drag and drop, and handles the
// contact engine events the page passes on.
//
// A node is added only once its row is stored, and a row change that takes several
// statements runs in one transaction. Every value is bound to its statement (core/SqlStatement.h).
//
// The operations are split by concern: ContactsTree.cpp (nodes, look-ups, selection),
// ContactsTreePaint.cpp (row drawing), ContactsTreeStore.cpp (tables Contacts and Groups),
// ContactsTreeLabels.cpp (label editing), ContactsTreeCommands.cpp (menus and commands),
// ContactsTreeDragDrop.cpp, ContactsTreeEvents.cpp (engine events). Everything runs on the
// user-interface thread.
#include "core/AvatarPaths.h"
#include "framework/Gdi.h"
#include "framework/String.h"
#include "skin/ui/controls/OleDropTargetEx.h"
#include "skin/ui/controls/SkinTreeCtrl.h"
#include "windows/contacts/ContactItemData.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class SIPCallbackCommand;

// The private clipboard format of a contact being dragged inside the tree: a global block
// holding the dragged node's handle (pointer-sized), meaningful only to the same tree.
constexpr CLIPFORMAT CF_CONTACTDRAG = 0x201;
// The height of a contact row, in pixels.
constexpr int ContactNodeHeight = 64;
// Posted to the tree (lParam the node) once a refused label edit's notification has
// returned: wParam kReEditLabel edits the label again, kDropUnnamedGroup deletes a new group
// whose name could not be stored.
constexpr UINT WM_CONTACTS_REEDITLABEL = WM_APP + 0x120;
constexpr WPARAM kReEditLabel = 0;
constexpr WPARAM kDropUnnamedGroup = 1;
// The default group's shown name (the UI text CONTACTDETAILS_WND 32000), in any letter case:
// that group is neither deleted nor renamed.
bool IsDefaultGroupName(const CString& shownName);

class CContactsTree : public Vexel::CSkinTreeCtrl {
    DECLARE_DYNAMIC(CContactsTree)
public:
    CContactsTree();
    // Frees every contact record still held.
    ~CContactsTree() override;

    // --- nodes (ContactsTree.cpp); texts are ANSI
    // A contact node under the group whose shown name equals `groupName` ignoring case: first
    // with its status when online, last showing "Offline" when `status` is empty or
    // "offline" in any case. Every group is expanded afterwards. Null, with nothing made,
    // when no group matches or the tree refuses.
    HTREEITEM AddContactItem(const std::string& name, const std::string& sipUri, const std::string& groupName,
                             const std::string& iconPath, const std::string& status);
    // Moves the contact of `sipUri` (ignoring case; the first in tree order) to the top or
    // the bottom of its group showing `status`; its record stays the same. The previous
    // status, and its name in `displayName`; "Offline" and an empty name when not found.
    std::string UpdateContactStatus(const std::string& sipUri, bool toTop, const std::string& status,
                                    std::string& displayName);
    // The first contact node of `sipUri` (ignoring case); null when none.
    HTREEITEM FindContactItem(const std::string& sipUri) const;
    // Deletes a contact node; with `freeRecord` its chat window closes and its record is
    // freed, without it the caller has taken the record. 0; -1 when the tree refused.
    int DeleteContactItem(HTREEITEM item, bool freeRecord);
    // Frees every contact's record and deletes every contact node; the groups stay as they
    // were, as new nodes.
    void FreeAllContactItemData();
    // The node exists and has no parent.
    bool IsGroupItem(HTREEITEM item) const;
    // The group icons drawn before a group's name; the caller keeps them. 0.
    int SetGroupIcons(HICON collapsed, HICON expanded);
    // The record of a contact node; null for a group, a null item or an item without one.
    ContactItemData* GetContactData(HTREEITEM item) const;
    // The group node whose shown name equals `groupName` ignoring case; null when none.
    HTREEITEM FindGroupItem(const std::string& groupName) const;
    // A group node for `shownName` after the last one, expanded from the start, so that the
    // contacts of a held load go in open (the hold's end unmarks it while it has none). Null
    // when the tree refuses.
    HTREEITEM AddGroupItem(const CString& shownName);

    // --- look-ups of table Contacts (ContactsTreeStore.cpp)
    // True when a row of `sipUri` is stored (exact text), and also when the query fails, so
    // that a failing database never leads to a second row.
    bool ContactExists(const std::string& sipUri);
    // The stored icon path of `sipUri`, decoded; empty when none.
    std::string GetContactIcon(const std::string& sipUri);
    // The stored subscription columns of `sipUri`; the outputs keep the caller's values when
    // no row is found.
    void GetSubscriptionState(const std::string& sipUri, int& subscribeId, bool& accepted, bool& subscribed);
    // A stored phone number of `sipUri`; empty when none.
    std::string GetHomePhone(const std::string& sipUri);
    std::string GetWorkPhone(const std::string& sipUri);
    std::string GetMobilePhone(const std::string& sipUri);

    // --- the contact and group store (ContactsTreeStore.cpp)
    // A Groups row (GroupKey 0) for the shown name `groupName`. True when it was inserted;
    // false for a null or empty name, a name already stored, or a refusing database.
    bool AddGroup(const char* groupName);
    // Stores a new contact and, when its group has a node, adds its node and (with
    // `subscribe`) subscribes to its presence, once: callers do not subscribe again. A
    // stored `sipUri` is left alone, or with `updateIfExists` gets `accepted` and
    // `subscribeId`. An empty `avatarPath` stores the default avatar. True when a row was
    // inserted or updated.
    bool SaveContact(const std::string& firstName, const std::string& lastName, const std::string& nickName,
                     const std::string& jobTitle, const std::string& sipUri, const std::string& email,
                     const std::string& homePhone, const std::string& workPhone, const std::string& mobilePhone,
                     std::string groupName, const std::string& avatarPath, bool updateIfExists, int accepted,
                     int subscribeId, bool subscribe);
    // Rewrites the stored contact of `sipUri` (never the address itself) and refreshes its
    // node's name and icon; its node stays in its group until the tree is loaded again. An
    // empty `avatarPath` keeps the stored avatar. False when no row is stored or the update is
    // refused.
    bool UpdateContact(const std::string& firstName, const std::string& lastName, const std::string& nickName,
                       const std::string& jobTitle, const std::string& sipUri, const std::string& email,
                       const std::string& homePhone, const std::string& workPhone, const std::string& mobilePhone,
                       std::string groupName, const std::string& avatarPath);
    // The contact's current subscription id (0: none). False when refused.
    bool SetSubscribeId(const std::string& sipUri, int subscribeId);
    // A group node's text equals `groupName`, ignoring letter case.
    bool GroupExists(const CString& groupName) const;
    // Deletes every group node without children (after FreeAllContactItemData: all of them).
    void DeleteAllGroups();
    // What FreeAllContactItemData followed by DeleteAllGroups leave, in one delete of every
    // node: no node, no record.
    void DeleteAllNodes();

    // --- commands (ContactsTreeCommands.cpp)
    // The contact form for a new contact with `number` as its address.
    void AddContactWithNumber(const CString& number);
    // The stored rows of a contact and of a group (by its shown name). False when refused.
    bool DeleteContactRow(const std::string& sipUri);
    bool DeleteGroupRow(const std::string& groupName);
    // Deletes a group node (which has no children left). 0; -1 when the tree refused.
    int DeleteGroupItem(HTREEITEM item);

    // --- many nodes at once (ContactsTreeBatch.cpp)
    // While held (holds nest), insertions and moves leave the groups' expansion alone; the
    // last release expands every group with contacts not expanded, when anything changed
    // meanwhile, and leaves no group without contacts marked expanded.
    // While held, groups are found by name in an index made once, and the icon of each
    // avatar file is loaded once and shared.
    void HoldGroupLayout();
    void ReleaseGroupLayout();
    // The icon of the avatar file `path`: loaded now, or while held shared with the contacts
    // of the same file.
    OwnedIcon ContactIcon(const std::string& path);

    // --- engine events (ContactsTreeEvents.cpp); the record stays the caller's
    void OnSipEvent(SIPCallbackCommand* record);
    void OnMessageReceived(SIPCallbackCommand* record);
    void OnSubscriptionRequest(SIPCallbackCommand* record);
    void OnPresenceNotice(SIPCallbackCommand* record);
    void OnSubscriptionEnded(SIPCallbackCommand* record);

    // --- contacts backup (export and import)
    static int ExportContactRowCallback(void* argument, int columns, char** values, char** names);
    static int ImportContactRowCallback(void* argument, int columns, char** values, char** names);

    // Replaces the skinned base's item drawing (ContactsTreePaint.cpp). 0.
    int DrawItem(CDC* dc, HTREEITEM item) override;

    // --- the menu commands (ContactsTreeCommands.cpp); each acts only on a selection of its kind
    void OnCallSipNumber();
    void OnCallWorkPhone();
    void OnCallHomePhone();
    void OnCallMobilePhone();
    void OnInstantMessage();
    void OnViewContactInfo();
    void OnEditContactInfo();
    void OnAddContact();
    void OnDeleteContact();
    void OnDeleteGroup();
    void OnRenameGroup();
    void OnCreateNewGroup();
    void OnExportContacts();
    void OnImportContacts();
    void OnImportContactsFromOutlook();

    // A selected row's fill and the line above and below every row.
    COLORREF m_selectedFillColor = RGB(227, 255, 255);
    COLORREF m_separatorColor = RGB(190, 190, 190);

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnClick(NMHDR* header, LRESULT* result);
    void OnRClick(NMHDR* header, LRESULT* result);
    void OnDblClk(NMHDR* header, LRESULT* result);
    void OnBeginDrag(NMHDR* header, LRESULT* result);
    void OnBeginLabelEdit(NMHDR* header, LRESULT* result);
    void OnDeleteItem(NMHDR* header, LRESULT* result);
    // The edited label: 1 in *result keeps it, 0 refuses it (ContactsTreeLabels.cpp).
    void OnEndLabelEdit(NMHDR* header, LRESULT* result);
    LRESULT OnReEditLabel(WPARAM wParam, LPARAM lParam);
    // The drop target's messages (ContactsTreeDragDrop.cpp).
    LRESULT OnDragOver(WPARAM wParam, LPARAM lParam);
    LRESULT OnDrop(WPARAM wParam, LPARAM lParam);
    LRESULT OnDropEx(WPARAM wParam, LPARAM lParam);
    LRESULT OnDragScroll(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // The contact node under the caret; null when the selection is empty or a group.
    HTREEITEM SelectedContact() const;
    // The group node under the caret; null when the selection is empty or a contact.
    HTREEITEM SelectedGroup() const;
    // A group node after the last one, expanded when `expanded` is TVIS_EXPANDED. Null when
    // the tree refuses.
    HTREEITEM InsertGroupNode(const CString& shownName, UINT expanded);
    // Inserts a contact node carrying `record` (one of m_records) under `group`, 64 pixels
    // high. Null when the tree refuses.
    HTREEITEM InsertContactNode(HTREEITEM group, HTREEITEM after, ContactItemData* record);
    // Takes `record` into m_records and answers it.
    ContactItemData* KeepRecord(std::unique_ptr<ContactItemData> record);
    // Frees a record of m_records (its icon with it); nothing for one it does not hold.
    void FreeRecord(const ContactItemData* record);
    // Collapses and expands every group again, so that each shows open in its new order.
    void RefreshGroups();
    // After a held load: with `expandClosed` every group with contacts that is not expanded
    // is; a group without contacts is never left marked expanded.
    void SettleGroups(bool expandClosed);
    // Whether `item` is still a node of this tree.
    bool HasItem(HTREEITEM item) const;
    void CallSelected(std::string (CContactsTree::*phone)(const std::string&));
    void RunContactForm(int mode, const CString& sipUri);
    // Renames the group `oldName` to `newName` in table Groups and in its contacts' rows, in
    // one transaction. False, with nothing changed, when refused.
    bool RenameGroupRows(const std::string& oldName, const std::string& newName);
    void EndLabelEdit(const NMTVDISPINFOW& edit, LRESULT& result);
    // Files the stored contact `sipUri` under the group shown as `groupName`. False when
    // refused.
    bool SetContactGroupRow(const std::string& sipUri, const std::string& groupName);
    // The dragged node's handle in a drag's data, when it is the drag this tree runs; null
    // for anything else.
    HTREEITEM OwnDraggedItem(LPARAM dropInfo) const;
    // Moves the dragged contact `dragged` to `target`'s group; false when nothing moved.
    bool MoveContact(HTREEITEM dragged, HTREEITEM target);
    void DrawGroupRow(CDC& dc, HTREEITEM item, const RECT& row, const RECT& text, UINT state);
    void DrawContactRow(CDC& dc, const ContactItemData& record, const RECT& row, const RECT& text);

    HICON m_collapsedIcon = nullptr;   // the page's
    HICON m_expandedIcon = nullptr;    // the page's
    Vexel::COleDropTargetEx m_dropTarget;
    // The fonts of a group's name and a contact's three lines, made once.
    CFont m_groupFont;
    CFont m_nameFont;
    CFont m_detailFont;
    // The contact node of the drag this tree started, while it runs; drops of anything
    // else are refused.
    HTREEITEM m_draggedItem = nullptr;
    // The node whose label edit has begun and not yet ended.
    HTREEITEM m_labelEditItem = nullptr;
    // The address of the last subscription request shown to the user.
    std::string m_lastRequestAddress;
    // Every record a contact node carries; a record leaves this list when it is freed.
    std::vector<std::unique_ptr<ContactItemData>> m_records;
    // Holds of the group layout, and whether a refresh waits for their release.
    int m_groupLayoutHolds = 0;
    bool m_groupLayoutPending = false;
    // While held: the group nodes by their name in upper case (the first of a name; dropped
    // when a group node goes), the icons of the avatar faces by face number, and the icons of
    // other files by path.
    mutable std::unordered_map<std::string, HTREEITEM> m_heldGroups;
    struct HeldFace {
        std::string path;
        OwnedIcon icon;
    };
    std::array<HeldFace, kAvatarFaces + 1> m_heldFaces;
    std::map<std::string, OwnedIcon> m_heldIcons;
    HTREEITEM FindHeldGroup(const std::string& groupName) const;
    void IndexHeldGroup(const std::string& name, HTREEITEM group) const;
};
