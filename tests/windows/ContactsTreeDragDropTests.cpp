// Dragging a contact through OLE's own drag loop (the drop falls where the cursor stands):
// onto another group or one of its contacts the node and the row move and the contact's
// chat window closes; onto empty space nothing changes; a drag that is not the tree's own,
// even one offering the tree's format, is refused; a group is not dragged.
#include "tests/windows/ContactsTreeTestSupport.h"

#include "core/TextConvert.h"
#include "framework/GlobalMemory.h"
#include "framework/OleDataSource.h"
#include "windows/chat/ChatWindows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;
using testing::IsEmpty;

namespace windows_test {
namespace {

class ContactsDragDrop : public ContactsTreeTest {
protected:
    void SetUp() override
    {
        ContactsTreeTest::SetUp();
        work = MakeGroup("Work");
        ASSERT_TRUE(Save("Ann", "sip:ann@h", DefaultGroup()));
        ASSERT_TRUE(Save("Bob", "sip:bob@h", "Work"));
    }

    // Puts the cursor over client point `point` of the tree.
    void CursorAt(POINT point)
    {
        ::ClientToScreen(tree.m_hWnd, &point);
        ASSERT_TRUE(::SetCursorPos(point.x, point.y));
        ASSERT_EQ(tree.m_hWnd, ::WindowFromPoint(point));
    }
    POINT MiddleOf(HTREEITEM item) const
    {
        RECT row{};
        tree.GetItemRect(item, &row, FALSE);
        return POINT{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
    }
    // Starts dragging `item` as the tree view reports a drag.
    void Drag(HTREEITEM item)
    {
        NMTREEVIEWW begin{};
        begin.hdr = NMHDR{tree.m_hWnd, 1111, static_cast<UINT>(TVN_BEGINDRAGW)};
        begin.itemNew.hItem = item;
        host.SendMessage(WM_NOTIFY, 1111, reinterpret_cast<LPARAM>(&begin));
        PumpPending();
    }

    HTREEITEM work = nullptr;
};

TEST_F(ContactsDragDrop, AContactDroppedOnAnotherGroupMovesWithItsRowAndItsChatWindowCloses)
{
    ASSERT_NE(nullptr, OpenChatWindow(L"Ann", L"sip:ann@h"));
    CursorAt(MiddleOf(work));
    Drag(ContactNode(L"sip:ann@h"));

    EXPECT_EQ(work, tree.GetParentItem(ContactNode(L"sip:ann@h")));
    EXPECT_EQ("Work", StoredContactOf("sip:ann@h").groupName);
    EXPECT_THAT(Shown()[0].second, IsEmpty());
    EXPECT_EQ(nullptr, frame->FindChatWindow("sip:ann@h"));
    const ContactItemData* const moved = tree.GetContactData(ContactNode(L"sip:ann@h"));
    ASSERT_NE(nullptr, moved);
    EXPECT_EQ(L"Ann ", moved->displayName.Str());
    EXPECT_EQ(L"Offline", moved->status.Str());
}

TEST_F(ContactsDragDrop, AContactDroppedOnAContactOfAnotherGroupJoinsThatGroup)
{
    CursorAt(MiddleOf(ContactNode(L"sip:ann@h")));
    Drag(ContactNode(L"sip:bob@h"));
    EXPECT_EQ(tree.GetRootItem(), tree.GetParentItem(ContactNode(L"sip:bob@h")));
    EXPECT_EQ("Friends", StoredContactOf("sip:bob@h").groupName);
}

TEST_F(ContactsDragDrop, ADropOnEmptySpaceOrFromAGroupChangesNothing)
{
    const std::vector<ShownGroup> before = Shown();
    RECT last{};
    tree.GetItemRect(ContactNode(L"sip:bob@h"), &last, FALSE);
    CursorAt(POINT{40, last.bottom + 30});
    Drag(ContactNode(L"sip:ann@h"));
    EXPECT_EQ(before, Shown());
    EXPECT_EQ("Friends", StoredContactOf("sip:ann@h").groupName);

    CursorAt(MiddleOf(work));
    Drag(tree.GetRootItem());
    EXPECT_EQ(before, Shown());
}

TEST_F(ContactsDragDrop, ADragThatIsNotTheTreesOwnIsRefused)
{
    const std::vector<ShownGroup> before = Shown();
    CursorAt(MiddleOf(work));
    // Another program offering the same format, and even the handle of a real node.
    const HTREEITEM ann = ContactNode(L"sip:ann@h");
    CGlobalMemory block;
    ASSERT_TRUE(block.Allocate(sizeof ann, &ann));
    COleDataSource source;
    source.CacheGlobalData(CF_CONTACTDRAG, block.Detach());
    EXPECT_EQ(static_cast<DROPEFFECT>(DROPEFFECT_NONE), source.DoDragDrop(DROPEFFECT_MOVE | DROPEFFECT_COPY));
    PumpPending();
    EXPECT_EQ(before, Shown());
    EXPECT_EQ("Friends", StoredContactOf("sip:ann@h").groupName);
}

TEST_F(ContactsDragDrop, AMoveTheDatabaseRefusesLeavesTheContactWhereItWas)
{
    Refuse("Contacts", "update");
    const std::vector<ShownGroup> before = Shown();
    CursorAt(MiddleOf(work));
    Drag(ContactNode(L"sip:ann@h"));
    EXPECT_EQ(before, Shown());
    EXPECT_EQ("Friends", StoredContactOf("sip:ann@h").groupName);
}

} // namespace
} // namespace windows_test
