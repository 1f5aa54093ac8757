#pragma once
// The contacts tree under test: a tree of its own on a visible host window, beside the main
// window under test (which gives the chat windows, calls and the engine handle), on the
// fresh database of each test. Groups are made as the contacts page loads them: a Groups row
// and a root node.
#include "tests/framework/WindowTestSupport.h"
#include "tests/windows/MainFrameTestSupport.h"
#include "windows/contacts/ContactsTree.h"

#include <string>
#include <utility>
#include <vector>

namespace windows_test {

// A stored contact row, names decoded.
struct StoredContact {
    std::string sipUri;
    std::string firstName;
    std::string lastName;
    std::string nickName;
    std::string jobTitle;
    std::string groupName;
    std::string icon;
    std::string email;
    std::string homePhone;
    std::string workPhone;
    std::string mobilePhone;
    int blocked = -1;
    int subscribed = -1;
    int accepted = -1;
    int subscribeId = -1;
};

// A stored group row, its name decoded.
struct StoredGroup {
    std::string name;
    int key = -1;
};

// A contact as a node shows it.
struct ShownContact {
    std::wstring name;
    std::wstring sipUri;
    std::wstring status;
    bool operator==(const ShownContact& other) const
    {
        return name == other.name && sipUri == other.sipUri && status == other.status;
    }
};
using ShownGroup = std::pair<std::wstring, std::vector<ShownContact>>;

void PrintTo(const ShownContact& contact, std::ostream* out);

class ContactsTreeTest : public MainFrameTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The default group's shown name, as the main window named its row.
    static std::string DefaultGroup();
    // A Groups row and a root node named `name`.
    HTREEITEM MakeGroup(const std::string& name);
    // A new contact through the store, with the flags of the contact form.
    bool Save(const std::string& first, const std::string& sipUri, const std::string& group,
              const std::string& nick = "", const std::string& last = "");

    static std::vector<StoredContact> StoredContacts();
    static std::vector<StoredGroup> StoredGroups();
    static StoredContact StoredContactOf(const std::string& sipUri);
    std::vector<ShownGroup> Shown() const;
    HTREEITEM GroupNode(const std::wstring& name) const;
    HTREEITEM ContactNode(const std::wstring& sipUri) const;
    // Makes the statements on table `table` of kind `verb` (insert, update, delete) fail.
    static void Refuse(const std::string& table, const std::string& verb);

    wndtest::Frame host;
    CContactsTree tree;
};

} // namespace windows_test
