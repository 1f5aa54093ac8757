// CContactsTree: the "Export contacts" and "Import contacts" commands; the backup itself is
// ContactsBackup.h, the choosers and messages ContactsBackupCommands.h.
#include "windows/contacts/ContactsTree.h"

#include "core/Base64.h"
#include "core/TextConvert.h"
#include "engine/TavikCore.h"
#include "texts/UiTextTable.h"
#include "windows/call/EngineOperations.h"
#include "windows/contacts/ContactsBackupCommands.h"
#include "windows/contacts/PresenceTexts.h"

#include <set>
#include <string>

namespace {

// A group as the tree shows it: the default group's stored name, "Friends", under the
// name of the current language, as the page's own load shows it.
std::string ShownImportGroupName(const std::string& storedName)
{
    if (storedName == "Friends")
        return WideToAnsi(g_uiTexts.contactDetailsWnd.t32000);
    return storedName;
}

// Shows each imported contact in its group (made when the tree lacks it) and subscribes to
// its presence when the row says so. The groups are laid out once, at the end, and each group
// is looked for in table Groups once, not once per contact.
class TreeImportSink : public ContactImportSink {
public:
    explicit TreeImportSink(CContactsTree& tree) : m_tree(tree) { m_tree.HoldGroupLayout(); }
    ~TreeImportSink() { m_tree.ReleaseGroupLayout(); }
    TreeImportSink(const TreeImportSink&) = delete;
    TreeImportSink& operator=(const TreeImportSink&) = delete;

    void ContactImported(const ContactRow& row) override
    {
        const std::string group = ShownImportGroupName(Base64Decode(row.groupName));
        if (m_groupsSeen.insert(group).second) {
            if (!m_tree.GroupExists(AnsiToWide(group)))
                m_tree.InsertItem(AnsiToWide(group), TVI_ROOT, TVI_LAST);
            m_tree.AddGroup(group.c_str());
        }
        std::string name = Base64Decode(row.nickName);
        if (name.empty())
            name = Base64Decode(row.firstName) + " " + Base64Decode(row.lastName);
        m_tree.AddContactItem(name, row.sipUri, group, Base64Decode(row.icon), kOfflineStatus);
        if (row.subscribed != 0)
            Tavik_presenceSubscribeContact(EngineHandle(), row.sipUri.c_str(), kSubscribeNote);
    }

private:
    CContactsTree& m_tree;
    std::set<std::string> m_groupsSeen;
};

} // namespace

void CContactsTree::OnExportContacts()
{
    RunContactsExport(this);
}

void CContactsTree::OnImportContacts()
{
    TreeImportSink sink(*this);
    RunContactsImport(this, &sink);
}
