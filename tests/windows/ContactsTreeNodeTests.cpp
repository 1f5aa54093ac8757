// The contacts tree's nodes: a contact lands first when online and last showing "Offline"
// otherwise; status changes move a contact keeping its record; look-ups by address ignore
// letter case and find the first in tree order; deleting a contact closes its chat window;
// freeing the records leaves the groups; rows are drawn between separator lines, filled
// by selection, with the group icon of the node's state; clicks toggle and select.
#include "tests/support/GdiCount.h"
#include "tests/windows/ContactsTreeTestSupport.h"

#include "core/TextConvert.h"
#include "resources/ProgramIds.h"
#include "skin/ui/DcScopes.h"
#include "windows/chat/ChatWindows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;
using testing::IsEmpty;

namespace windows_test {
namespace {

using ContactsNodes = ContactsTreeTest;

constexpr wchar_t kWork[] = L"Work";

TEST_F(ContactsNodes, OnlineContactsLandFirstAndOfflineOnesLastShowingOffline)
{
    MakeGroup("Work");
    struct Case {
        const char* uri;
        const char* status;
        const wchar_t* shown;
    };
    const Case cases[] = {{"sip:a@h", "Busy", L"Busy"},
                          {"sip:b@h", "", L"Offline"},
                          {"sip:c@h", "OFFLINE", L"Offline"},
                          {"sip:d@h", "Available", L"Available"},
                          {"sip:e@h", "offline", L"Offline"}};
    for (const Case& c : cases)
        ASSERT_NE(nullptr, tree.AddContactItem(std::string("n") + c.uri, c.uri, "WORK", "", c.status)) << c.uri;
    const std::vector<ShownGroup> shown = Shown();
    ASSERT_EQ(2u, shown.size());
    EXPECT_THAT(shown[1].second, ElementsAre(ShownContact{L"nsip:d@h", L"sip:d@h", L"Available"},
                                             ShownContact{L"nsip:a@h", L"sip:a@h", L"Busy"},
                                             ShownContact{L"nsip:b@h", L"sip:b@h", L"Offline"},
                                             ShownContact{L"nsip:c@h", L"sip:c@h", L"Offline"},
                                             ShownContact{L"nsip:e@h", L"sip:e@h", L"Offline"}));
    // Every group shows open, and each contact row is 64 pixels high: two rows of 32.
    EXPECT_TRUE(tree.GetItemState(GroupNode(kWork), TVIS_EXPANDED) & TVIS_EXPANDED);
    for (const Case& c : cases) {
        TVITEMEXW item{};
        item.mask = TVIF_INTEGRAL | TVIF_HANDLE;
        item.hItem = ContactNode(AnsiToWide(c.uri).Str());
        ASSERT_TRUE(tree.SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) << c.uri;
        EXPECT_EQ(ContactNodeHeight, item.iIntegral * tree.GetItemHeight()) << c.uri;
    }
}

TEST_F(ContactsNodes, AContactOfAGroupWithoutNodeMakesNothing)
{
    EXPECT_EQ(nullptr, tree.AddContactItem("Ann", "sip:ann@h", "Nowhere", "", ""));
    EXPECT_THAT(Shown()[0].second, IsEmpty());
}

TEST_F(ContactsNodes, LookUpsIgnoreLetterCaseAndFindTheFirstInTreeOrder)
{
    MakeGroup("Work");
    const HTREEITEM first = tree.AddContactItem("one", "sip:Ann@H", DefaultGroup(), "", "");
    const HTREEITEM second = tree.AddContactItem("two", "sip:ann@h", "Work", "", "Busy");
    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(first, tree.FindContactItem("SIP:ANN@H"));
    EXPECT_EQ(nullptr, tree.FindContactItem("sip:ann@x"));

    std::string name;
    EXPECT_EQ("Offline", tree.UpdateContactStatus("sip:ANN@h", true, "Away", name));
    EXPECT_EQ("one", name);
    EXPECT_EQ(L"Away", tree.GetContactData(tree.FindContactItem("sip:ann@h"))->status.Str());
    EXPECT_EQ(L"Busy", tree.GetContactData(second)->status.Str());
}

TEST_F(ContactsNodes, AStatusChangeMovesTheContactKeepingItsRecord)
{
    MakeGroup("Work");
    tree.AddContactItem("Ann", "sip:ann@h", "Work", "", "Available");
    tree.AddContactItem("Bob", "sip:bob@h", "Work", "", "");
    tree.AddContactItem("Cid", "sip:cid@h", "Work", "", "");
    const HTREEITEM before = ContactNode(L"sip:bob@h");
    const ContactItemData* const record = tree.GetContactData(before);

    std::string name;
    EXPECT_EQ("Offline", tree.UpdateContactStatus("sip:bob@h", true, "Busy", name));
    EXPECT_EQ("Bob", name);
    const HTREEITEM after = ContactNode(L"sip:bob@h");
    EXPECT_EQ(record, tree.GetContactData(after));
    EXPECT_EQ(tree.GetChildItem(GroupNode(kWork)), after);

    EXPECT_EQ("Available", tree.UpdateContactStatus("sip:ann@h", false, "Offline", name));
    EXPECT_EQ("Ann", name);
    EXPECT_THAT(Shown()[1].second, ElementsAre(ShownContact{L"Bob", L"sip:bob@h", L"Busy"},
                                               ShownContact{L"Cid", L"sip:cid@h", L"Offline"},
                                               ShownContact{L"Ann", L"sip:ann@h", L"Offline"}));

    // An address that is not in the tree changes nothing.
    const std::vector<ShownGroup> shown = Shown();
    name = "stale";
    EXPECT_EQ("Offline", tree.UpdateContactStatus("sip:zed@h", true, "Busy", name));
    EXPECT_EQ("", name);
    EXPECT_EQ(shown, Shown());
}

TEST_F(ContactsNodes, DeletingAContactClosesItsChatWindowAndFreeingAllLeavesTheGroups)
{
    MakeGroup("Work");
    tree.AddContactItem("Ann", "sip:ann@h", "Work", "", "");
    tree.AddContactItem("Bob", "sip:bob@h", DefaultGroup(), "", "");
    ASSERT_NE(nullptr, OpenChatWindow(L"Ann", L"sip:ann@h"));
    ASSERT_NE(nullptr, OpenChatWindow(L"Bob", L"sip:bob@h"));

    EXPECT_EQ(0, tree.DeleteContactItem(ContactNode(L"sip:ann@h"), true));
    EXPECT_EQ(nullptr, ContactNode(L"sip:ann@h"));
    EXPECT_EQ(nullptr, frame->FindChatWindow("sip:ann@h"));
    EXPECT_NE(nullptr, frame->FindChatWindow("sip:bob@h"));

    tree.FreeAllContactItemData();
    EXPECT_EQ(2u, tree.GetCount());
    EXPECT_EQ(nullptr, ContactNode(L"sip:bob@h"));
    // Chat windows are not closed at sign-out.
    EXPECT_NE(nullptr, frame->FindChatWindow("sip:bob@h"));
    tree.DeleteAllGroups();
    EXPECT_EQ(0u, tree.GetCount());
}

TEST_F(ContactsNodes, OnlyARootNodeIsAGroup)
{
    const HTREEITEM contact = tree.AddContactItem("Ann", "sip:ann@h", DefaultGroup(), "", "");
    EXPECT_TRUE(tree.IsGroupItem(tree.GetRootItem()));
    EXPECT_FALSE(tree.IsGroupItem(contact));
    EXPECT_FALSE(tree.IsGroupItem(nullptr));
}

// --- drawing

// A solid square icon of one colour.
HICON SolidIcon(COLORREF color)
{
    Vexel::ScreenDC screen;
    CBitmap image;
    image.CreateCompatibleBitmap(&screen, 16, 16);
    {
        Vexel::BitmapDC dc(screen, image);
        const RECT all{0, 0, 16, 16};
        dc.FillSolidRect(&all, color);
    }
    CBitmap mask;
    const std::vector<BYTE> zeros(16 * 2, 0);
    mask.CreateBitmap(16, 16, 1, 1, zeros.data());
    ICONINFO info{TRUE, 0, 0, mask, image};
    return ::CreateIconIndirect(&info);
}

class NodeCanvas {
public:
    NodeCanvas()
    {
        Vexel::ScreenDC screen;
        m_bitmap.CreateCompatibleBitmap(&screen, 320, 480);
        m_dc = std::make_unique<Vexel::BitmapDC>(screen, m_bitmap);
        const RECT all{0, 0, 320, 480};
        m_dc->FillSolidRect(&all, RGB(1, 2, 3));
    }
    CDC* Dc() { return m_dc.get(); }
    COLORREF At(int x, int y) const { return ::GetPixel(*m_dc, x, y); }

private:
    CBitmap m_bitmap;
    std::unique_ptr<Vexel::BitmapDC> m_dc;
};

TEST_F(ContactsNodes, RowsAreFilledBySelectionBetweenSeparatorsWithTheGroupIconOfTheirState)
{
    const OwnedIcon collapsed(SolidIcon(RGB(200, 0, 0)));
    const OwnedIcon expanded(SolidIcon(RGB(0, 0, 200)));
    tree.SetGroupIcons(collapsed.Get(), expanded.Get());
    const HTREEITEM group = tree.GetRootItem();
    const HTREEITEM contact = tree.AddContactItem("Ann", "sip:ann@h", DefaultGroup(), "", "");
    ASSERT_NE(nullptr, contact);

    struct Probe {
        const char* name;
        HTREEITEM item;
        bool select;
        bool expand;
    };
    const Probe probes[] = {{"contact selected", contact, true, true},
                            {"contact", contact, false, true},
                            {"group expanded", group, false, true},
                            {"group collapsed selected", group, true, false}};
    for (const Probe& probe : probes) {
        tree.Expand(group, probe.expand ? TVE_EXPAND : TVE_COLLAPSE);
        tree.SelectItem(probe.select ? probe.item : nullptr);
        RECT row{};
        RECT text{};
        ASSERT_TRUE(tree.GetItemRect(probe.item, &row, FALSE)) << probe.name;
        ASSERT_TRUE(tree.GetItemRect(probe.item, &text, TRUE)) << probe.name;
        NodeCanvas canvas;
        EXPECT_EQ(0, tree.DrawItem(canvas.Dc(), probe.item));
        EXPECT_EQ(RGB(190, 190, 190), canvas.At(row.right - 2, row.top)) << probe.name;
        EXPECT_EQ(probe.select ? RGB(227, 255, 255) : RGB(255, 255, 255), canvas.At(row.right - 2, row.top + 2))
            << probe.name;
        if (probe.item == group) {
            EXPECT_EQ(probe.expand ? RGB(0, 0, 200) : RGB(200, 0, 0), canvas.At(text.left + 8, row.top + 16))
                << probe.name;
        }
    }
}

TEST_F(ContactsNodes, DrawingKeepsNoGdiObjects)
{
    const HTREEITEM contact = tree.AddContactItem("Ann", "sip:ann@h", DefaultGroup(), "", "Busy");
    NodeCanvas canvas;
    tree.DrawItem(canvas.Dc(), contact);
    const long before = lumeo_test::LiveGdiObjects();
    for (int i = 0; i < 50; ++i) {
        tree.DrawItem(canvas.Dc(), contact);
        tree.DrawItem(canvas.Dc(), tree.GetRootItem());
    }
    EXPECT_EQ(before, lumeo_test::LiveGdiObjects());
}

// --- the mouse

// The screen point at the middle of `item`'s row.
POINT Middle(const CContactsTree& tree, HTREEITEM item)
{
    RECT row{};
    tree.GetItemRect(item, &row, FALSE);
    POINT point{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
    ::ClientToScreen(tree.m_hWnd, &point);
    return point;
}

TEST_F(ContactsNodes, AClickOnAGroupTogglesItAndOneOnAContactDoesNot)
{
    const HTREEITEM group = tree.GetRootItem();
    const HTREEITEM contact = tree.AddContactItem("Ann", "sip:ann@h", DefaultGroup(), "", "");
    for (const HTREEITEM item : {contact, group, group}) {
        const bool before = (tree.GetItemState(group, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
        const POINT point = Middle(tree, item);
        ASSERT_TRUE(::SetCursorPos(point.x, point.y));
        NMHDR click{tree.m_hWnd, 1111, static_cast<UINT>(NM_CLICK)};
        host.PostMessage(WM_NOTIFY, 1111, reinterpret_cast<LPARAM>(&click));
        PumpPending();
        const bool now = (tree.GetItemState(group, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
        EXPECT_EQ(item == group ? !before : before, now);
    }
}

TEST_F(ContactsNodes, TheRightButtonSelectsTheNodeUnderThePointerAndOpensItsMenu)
{
    const HTREEITEM group = tree.GetRootItem();
    const HTREEITEM contact = tree.AddContactItem("Ann", "sip:ann@h", DefaultGroup(), "", "");
    RECT last{};
    tree.GetItemRect(contact, &last, FALSE);
    POINT empty{40, last.bottom + 40};
    ::ClientToScreen(tree.m_hWnd, &empty);
    struct Case {
        const char* name;
        POINT at;
        HTREEITEM selected;
        UINT menu;
    };
    const Case cases[] = {{"contact", Middle(tree, contact), contact, IDM_CONTACTS_CONTACT},
                          {"group", Middle(tree, group), group, IDM_CONTACTS_GROUP},
                          {"empty space", empty, nullptr, IDM_CONTACTS_BLANK}};
    for (const Case& c : cases) {
        s_menus.clear();
        ASSERT_TRUE(::SetCursorPos(c.at.x, c.at.y));
        POINT client = c.at;
        ::ScreenToClient(tree.m_hWnd, &client);
        // The tree view waits for the button's release before it reports the click.
        tree.PostMessage(WM_RBUTTONUP, 0, MAKELPARAM(client.x, client.y));
        tree.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(client.x, client.y));
        PumpPending();
        EXPECT_EQ(c.selected, tree.GetSelectedItem()) << c.name;
        EXPECT_THAT(s_menus, ElementsAre(c.menu)) << c.name;
    }
}

} // namespace
} // namespace windows_test
