// Naming groups by label editing: a rename changes nothing until the new name is confirmed,
// then the Groups row and every member's row change together; an empty name, a name of an
// existing group in any letter case and the group's own name are refused with a message,
// nothing stored, and the editor opens again once the notification has returned; a new
// group is stored when named and cannot be left unnamed.
#include "tests/windows/ContactsTreeTestSupport.h"

#include "core/TextConvert.h"
#include "resources/ProgramIds.h"
#include "resources/Resource.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;
using testing::IsEmpty;

namespace windows_test {
namespace {

class ContactsLabels : public ContactsTreeTest {
protected:
    void SetUp() override
    {
        ContactsTreeTest::SetUp();
        MakeGroup("Family");
        work = MakeGroup("Work");
        ASSERT_TRUE(Save("Ann", "sip:ann@h", "Work"));
        ASSERT_TRUE(Save("Bob", "sip:bob@h", DefaultGroup()));
    }

    // Starts renaming `group` through its menu command; the editor, or null.
    HWND Rename(HTREEITEM group)
    {
        tree.SelectItem(group);
        tree.SendMessage(WM_COMMAND, ID_GROUP_RENAME, 0);
        return tree.GetEditWindow();
    }
    // Types `text` into the open editor and ends the edit (`cancel`: Escape), then lets the
    // posted work run.
    void Finish(const wchar_t* text, bool cancel = false)
    {
        const HWND edit = tree.GetEditWindow();
        ASSERT_NE(nullptr, edit);
        ::SetWindowTextW(edit, text);
        tree.SendMessage(TVM_ENDEDITLABELNOW, cancel ? TRUE : FALSE, 0);
        PumpPending();
    }
    std::vector<std::string> GroupNames() const
    {
        std::vector<std::string> names;
        for (const StoredGroup& group : StoredGroups())
            names.push_back(group.name);
        return names;
    }
    std::vector<std::string> MemberGroups() const
    {
        std::vector<std::string> names;
        for (const StoredContact& contact : StoredContacts())
            names.push_back(contact.groupName);
        return names;
    }

    HTREEITEM work = nullptr;
};

TEST_F(ContactsLabels, ARenameChangesNothingUntilConfirmedThenBothTablesTogether)
{
    ASSERT_NE(nullptr, Rename(work));
    EXPECT_THAT(GroupNames(), ElementsAre(DefaultGroup(), "Family", "Work"));
    EXPECT_THAT(MemberGroups(), ElementsAre("Work", "Friends"));

    Finish(L"Office");
    EXPECT_EQ(nullptr, tree.GetEditWindow());
    EXPECT_EQ(L"Office", tree.GetItemText(work).Str());
    EXPECT_EQ(work, tree.GetSelectedItem());
    EXPECT_THAT(GroupNames(), ElementsAre(DefaultGroup(), "Family", "Office"));
    EXPECT_THAT(MemberGroups(), ElementsAre("Office", "Friends"));
    // The contact stays in its group, which now bears the new name.
    EXPECT_EQ(work, tree.GetParentItem(ContactNode(L"sip:ann@h")));
}

TEST_F(ContactsLabels, RefusedNamesShowWhyStoreNothingAndOpenTheEditorAgain)
{
    struct Case {
        const wchar_t* name;
        const wchar_t* message;
    };
    const Case cases[] = {{L"", L"CONTACTTREE_WND/33000"},
                          {L"FAMILY", L"CONTACTTREE_WND/33001"},
                          {L"family", L"CONTACTTREE_WND/33001"},
                          {L"Work", L"CONTACTTREE_WND/33001"},
                          {L"wORK", L"CONTACTTREE_WND/33001"}};
    for (const Case& c : cases) {
        const std::string label = WideToAnsi(CString(c.name));
        ASSERT_NE(nullptr, Rename(work)) << label;
        std::wstring shown;
        {
            ModalAnswers answers({IDOK});
            answers.inspect = [&shown](Vexel::CUIWnd& box) {
                wchar_t text[256] = {};
                ::GetDlgItemTextW(box.GetSafeHwnd(), IDC_STA_TEXT, text, 256);
                shown = text;
            };
            Finish(c.name);
            EXPECT_THAT(answers.Windows(), ElementsAre(L"IDW_MESSAGEWINDOW1")) << label;
        }
        EXPECT_EQ(c.message, shown) << label;
        EXPECT_NE(nullptr, tree.GetEditWindow()) << label;
        EXPECT_EQ(L"Work", tree.GetItemText(work).Str()) << label;
        EXPECT_THAT(GroupNames(), ElementsAre(DefaultGroup(), "Family", "Work")) << label;
        EXPECT_THAT(MemberGroups(), ElementsAre("Work", "Friends")) << label;

        // Escape ends the edit again with everything as it was.
        Finish(L"ignored", true);
        EXPECT_EQ(nullptr, tree.GetEditWindow()) << label;
        EXPECT_EQ(L"Work", tree.GetItemText(work).Str()) << label;
        EXPECT_THAT(GroupNames(), ElementsAre(DefaultGroup(), "Family", "Work")) << label;
    }
}

TEST_F(ContactsLabels, TheDefaultGroupIsNotRenamed)
{
    const HTREEITEM defaultGroup = tree.GetRootItem();
    EXPECT_EQ(nullptr, Rename(defaultGroup));
    EXPECT_THAT(GroupNames(), ElementsAre(DefaultGroup(), "Family", "Work"));
}

TEST_F(ContactsLabels, ARenameTheDatabaseRefusesKeepsTheOldNameEverywhere)
{
    Refuse("Contacts", "update");
    ASSERT_NE(nullptr, Rename(work));
    Finish(L"Office");
    EXPECT_EQ(L"Work", tree.GetItemText(work).Str());
    EXPECT_THAT(GroupNames(), ElementsAre(DefaultGroup(), "Family", "Work"));
    EXPECT_THAT(MemberGroups(), ElementsAre("Work", "Friends"));
}

TEST_F(ContactsLabels, ANewGroupIsStoredOnceNamedAndCannotStayUnnamed)
{
    tree.SendMessage(WM_COMMAND, ID_GROUP_CREATE, 0);
    const HTREEITEM fresh = tree.GetNextSiblingItem(work);
    ASSERT_NE(nullptr, fresh);
    ASSERT_NE(nullptr, tree.GetEditWindow());
    EXPECT_THAT(GroupNames(), ElementsAre(DefaultGroup(), "Family", "Work"));

    // Escape on an unnamed group: the plain prompt, and the editor again.
    Finish(L"", true);
    ASSERT_EQ(1u, prompts.Prompts().size());
    EXPECT_EQ(L"CONTACTTREE_WND/33000", prompts.Prompts()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), prompts.Prompts()[0].type);
    ASSERT_NE(nullptr, tree.GetEditWindow());

    Finish(L"Team");
    EXPECT_EQ(L"Team", tree.GetItemText(fresh).Str());
    EXPECT_THAT(GroupNames(), ElementsAre(DefaultGroup(), "Family", "Work", "Team"));
    EXPECT_EQ(0, StoredGroups().back().key);
}

TEST_F(ContactsLabels, ANewGroupWhoseRowIsRefusedGoesAway)
{
    Refuse("Groups", "insert");
    tree.SendMessage(WM_COMMAND, ID_GROUP_CREATE, 0);
    Finish(L"Team");
    EXPECT_EQ(nullptr, GroupNode(L"Team"));
    EXPECT_EQ(nullptr, tree.GetNextSiblingItem(work));
    EXPECT_THAT(GroupNames(), ElementsAre(DefaultGroup(), "Family", "Work"));
}

} // namespace
} // namespace windows_test
