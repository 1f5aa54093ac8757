// CContactsTree: the "Export contacts" and "Import contacts" commands; the backup itself is
// ContactsBackup.h, the choosers and messages ContactsBackupCommands.h.
#include "windows/contacts/ContactsTree.h"

#include "core/Base64.h"
#include "core/TextConvert.h"
#include "engine/TavikCore.h"
#include "texts/UiTextTable.h"
#include "windows/call/EngineOperations.h"
#include "windows/contacts/ContactsBackupCommands.h"
#include "windows/contacts/DefaultGroup.h"
#include "windows/contacts/HeldTree.h"
#include "windows/contacts/PresenceTexts.h"

#include <optional>
#include <set>
#include <string>

namespace {

// Shows each imported contact in its group (made when the tree lacks it) and subscribes to
// its presence when the row says so. From the first contact to the end of the import the
// tree's drawing and layout are held, and each group is looked for in table Groups once.
class TreeImportSink : public ContactImportSink {
public:
    explicit TreeImportSink(CContactsTree& tree) : m_tree(tree) {}

    void ContactImported(const ContactRow& row) override
    {
        if (!m_held)
            m_held.emplace(m_tree, true);
        const std::string group = ShownGroupName(Base64Decode(row.groupName));
        if (m_groupsSeen.insert(group).second) {
            if (!m_tree.GroupExists(AnsiToWide(group)))
                m_tree.AddGroupItem(AnsiToWide(group));
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
    std::optional<HeldTree> m_held;
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
