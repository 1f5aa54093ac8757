// The contacts tree taking many contacts at once, as the page's load does (HoldGroupLayout ...
// ReleaseGroupLayout): once the hold ends every group shows open with its contacts in tree
// order, each contact row at its height; groups are found by name however group nodes come and
// go meanwhile; each avatar file is loaded once and its icon shared. And freeing all records
// empties open, closed and empty groups alike, leaving the groups as they were.
#include "tests/support/TempDir.h"
#include "tests/windows/ContactsTreeTestSupport.h"

#include "core/TextConvert.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>

using testing::ElementsAre;
using testing::IsEmpty;

namespace windows_test {
namespace {

using ContactsHeld = ContactsTreeTest;

// A 16 x 16 icon file of one colour.
bool WriteIconFile(const std::wstring& path, COLORREF color)
{
    constexpr int kSide = 16;
    std::string bytes;
    const auto put = [&bytes](uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    constexpr uint32_t kPixels = kSide * kSide * 4;
    constexpr uint32_t kMask = kSide * 4;   // rows of 16 bits, padded to 32
    constexpr uint32_t kImage = 40 + kPixels + kMask;
    // An icon file of one image: its directory entry, then the image's header (twice as high:
    // colours, then mask), colours and mask.
    const struct {
        uint32_t value;
        int size;
    } kHead[] = {{0, 2},     {1, 2},         {1, 2}, {kSide, 1}, {kSide, 1}, {0, 1},  {0, 1}, {1, 2},
                 {32, 2},    {kImage, 4},    {22, 4}, {40, 4},    {kSide, 4}, {2 * kSide, 4}, {1, 2}, {32, 2},
                 {0, 4},     {0, 4},         {0, 4}, {0, 4},     {0, 4},     {0, 4}};
    for (const auto& field : kHead)
        put(field.value, field.size);
    for (uint32_t i = 0; i < kSide * kSide; ++i)
        put(0xFF000000u | (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color), 4);
    for (uint32_t i = 0; i < kMask; ++i)
        put(0, 1);
    return lumeo_test::WriteFileBytes(path, bytes);
}

// Every node in tree order, and every node the tree shows, in the order it shows them.
std::vector<HTREEITEM> TreeOrder(const CContactsTree& tree)
{
    std::vector<HTREEITEM> items;
    for (HTREEITEM group = tree.GetRootItem(); group; group = tree.GetNextSiblingItem(group)) {
        items.push_back(group);
        for (HTREEITEM child = tree.GetChildItem(group); child; child = tree.GetNextSiblingItem(child))
            items.push_back(child);
    }
    return items;
}

std::vector<HTREEITEM> ShownOrder(const CContactsTree& tree)
{
    std::vector<HTREEITEM> items;
    for (HTREEITEM item = tree.GetRootItem(); item; item = tree.GetNextVisibleItem(item))
        items.push_back(item);
    return items;
}

TEST_F(ContactsHeld, AHeldLoadEndsWithEveryGroupOpenAndEveryRowInTreeOrderAtItsHeight)
{
    // A group the user closed before the load opens again, as after any insertion.
    const HTREEITEM closed = MakeGroup("Closed");
    ASSERT_NE(nullptr, tree.AddContactItem("Old", "sip:old@h", "Closed", "", ""));
    tree.Expand(closed, TVE_COLLAPSE);

    tree.HoldGroupLayout();
    ASSERT_NE(nullptr, tree.AddGroupItem(L"Work"));
    ASSERT_NE(nullptr, tree.AddGroupItem(L"Home"));
    const HTREEITEM empty = tree.AddGroupItem(L"Empty");
    ASSERT_NE(nullptr, empty);
    const struct {
        const char* uri;
        const char* group;
        const char* status;
    } kRows[] = {{"sip:a@h", "work", ""}, {"sip:b@h", "HOME", "Busy"}, {"sip:c@h", "Closed", ""},
                 {"sip:d@h", "Work", "Available"}};
    for (const auto& row : kRows)
        ASSERT_NE(nullptr, tree.AddContactItem(row.uri, row.uri, row.group, "", row.status)) << row.uri;
    tree.ReleaseGroupLayout();

    EXPECT_EQ(TreeOrder(tree), ShownOrder(tree));
    for (const wchar_t* name : {L"Closed", L"Work", L"Home"})
        EXPECT_TRUE(tree.GetItemState(GroupNode(name), TVIS_EXPANDED) & TVIS_EXPANDED) << WideToAnsi(name);
    // A group without contacts shows closed, as the tree view leaves any node without children.
    EXPECT_FALSE(tree.GetItemState(empty, TVIS_EXPANDED) & TVIS_EXPANDED);
    // Each contact row as high as two of the tree's rows, and so laid out: the rows follow
    // each other at that height.
    for (const wchar_t* uri : {L"sip:old@h", L"sip:a@h", L"sip:b@h", L"sip:c@h", L"sip:d@h"}) {
        TVITEMEXW item{};
        item.mask = TVIF_INTEGRAL | TVIF_HANDLE;
        item.hItem = ContactNode(uri);
        ASSERT_TRUE(tree.SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) << WideToAnsi(uri);
        EXPECT_EQ(ContactNodeHeight, item.iIntegral * tree.GetItemHeight()) << WideToAnsi(uri);
    }
    const HTREEITEM work = GroupNode(L"Work");
    const HTREEITEM firstWork = tree.GetChildItem(work);
    const HTREEITEM secondWork = tree.GetNextSiblingItem(firstWork);
    RECT group{}, first{}, second{};
    ASSERT_TRUE(tree.GetItemRect(work, &group, FALSE));
    ASSERT_TRUE(tree.GetItemRect(firstWork, &first, FALSE));
    ASSERT_TRUE(tree.GetItemRect(secondWork, &second, FALSE));
    EXPECT_EQ(tree.GetItemHeight(), first.top - group.top);
    EXPECT_EQ(ContactNodeHeight, second.top - first.top);
    const std::vector<ShownGroup> shown = Shown();
    ASSERT_EQ(5u, shown.size());
    EXPECT_THAT(shown[2].second, ElementsAre(ShownContact{L"sip:d@h", L"sip:d@h", L"Available"},
                                             ShownContact{L"sip:a@h", L"sip:a@h", L"Offline"}));
}

TEST_F(ContactsHeld, HeldLookUpsFindGroupsAddedAndRemovedMeanwhile)
{
    MakeGroup("Work");
    tree.HoldGroupLayout();
    EXPECT_NE(nullptr, tree.AddContactItem("A", "sip:a@h", "work", "", ""));
    // Made by other hands while held, and by the tree itself.
    MakeGroup("Late");
    EXPECT_NE(nullptr, tree.AddContactItem("B", "sip:b@h", "LATE", "", ""));
    ASSERT_NE(nullptr, tree.AddGroupItem(L"Added"));
    EXPECT_NE(nullptr, tree.AddContactItem("C", "sip:c@h", "added", "", ""));
    // A group node that goes no longer answers for its name, whatever node comes next.
    const HTREEITEM gone = tree.AddGroupItem(L"Gone");
    ASSERT_NE(nullptr, gone);
    EXPECT_NE(nullptr, tree.AddContactItem("D", "sip:d@h", "Gone", "", ""));
    ASSERT_EQ(0, tree.DeleteContactItem(ContactNode(L"sip:d@h"), true));
    ASSERT_EQ(0, tree.DeleteGroupItem(gone));
    ASSERT_NE(nullptr, tree.AddGroupItem(L"Other"));
    EXPECT_EQ(nullptr, tree.AddContactItem("E", "sip:e@h", "gone", "", ""));
    EXPECT_EQ(nullptr, tree.AddContactItem("F", "sip:f@h", "Nowhere", "", ""));
    tree.ReleaseGroupLayout();

    const std::vector<ShownGroup> shown = Shown();
    ASSERT_EQ(5u, shown.size());
    EXPECT_EQ(L"Work", shown[1].first);
    EXPECT_THAT(shown[1].second, ElementsAre(ShownContact{L"A", L"sip:a@h", L"Offline"}));
    EXPECT_THAT(shown[2].second, ElementsAre(ShownContact{L"B", L"sip:b@h", L"Offline"}));
    EXPECT_THAT(shown[3].second, ElementsAre(ShownContact{L"C", L"sip:c@h", L"Offline"}));
    EXPECT_EQ(L"Other", shown[4].first);
    EXPECT_THAT(shown[4].second, IsEmpty());
}

TEST_F(ContactsHeld, AHeldLoadSharesOneIconPerAvatarFile)
{
    lumeo_test::TempDir folder;
    const std::wstring first = folder.File(L"a");
    const std::wstring second = folder.File(L"b");
    ASSERT_TRUE(::CreateDirectoryW(first.c_str(), nullptr));
    ASSERT_TRUE(::CreateDirectoryW(second.c_str(), nullptr));
    for (const std::wstring& file : {first + L"\\face01.ico", first + L"\\face02.ico", second + L"\\face01.ico",
                                     first + L"\\other.ico"})
        ASSERT_TRUE(WriteIconFile(file, RGB(10, 20, 30))) << WideToAnsi(file.c_str());
    const std::string a = WideToAnsi(first.c_str());
    const std::string b = WideToAnsi(second.c_str());
    const struct {
        const char* uri;
        std::string icon;
    } kContacts[] = {{"sip:1@h", a + "\\face01.ico"}, {"sip:2@h", a + "\\face01.ico"}, {"sip:3@h", a + "\\face02.ico"},
                     {"sip:4@h", b + "\\face01.ico"}, {"sip:5@h", b + "\\face01.ico"}, {"sip:6@h", a + "\\other.ico"},
                     {"sip:7@h", a + "\\other.ico"},  {"sip:8@h", a + "\\face03.ico"}, {"sip:9@h", ""}};
    MakeGroup("Work");
    tree.HoldGroupLayout();
    for (const auto& contact : kContacts)
        ASSERT_NE(nullptr, tree.AddContactItem(contact.uri, contact.uri, "Work", contact.icon, "")) << contact.uri;
    tree.ReleaseGroupLayout();

    const auto icon = [this](const wchar_t* uri) {
        const ContactItemData* const record = tree.GetContactData(ContactNode(uri));
        return record ? record->icon.Get() : nullptr;
    };
    for (const wchar_t* uri : {L"sip:1@h", L"sip:3@h", L"sip:4@h", L"sip:6@h"})
        EXPECT_NE(nullptr, icon(uri)) << WideToAnsi(uri);
    EXPECT_EQ(icon(L"sip:1@h"), icon(L"sip:2@h"));
    EXPECT_NE(icon(L"sip:1@h"), icon(L"sip:3@h"));
    EXPECT_NE(icon(L"sip:1@h"), icon(L"sip:4@h")) << "the same face from another folder is another file";
    EXPECT_EQ(icon(L"sip:4@h"), icon(L"sip:5@h"));
    EXPECT_EQ(icon(L"sip:6@h"), icon(L"sip:7@h"));
    EXPECT_EQ(nullptr, icon(L"sip:8@h")) << "a missing file";
    EXPECT_EQ(nullptr, icon(L"sip:9@h"));

    // Once the hold is over, a contact still finds the icon the process keeps for its file.
    ASSERT_NE(nullptr, tree.AddContactItem("late", "sip:late@h", "Work", a + "\\face01.ico", ""));
    EXPECT_NE(nullptr, icon(L"sip:late@h"));
    EXPECT_EQ(icon(L"sip:1@h"), icon(L"sip:late@h"));
}

// The icons outlive the tree's records (a sign-out and the next sign-in find them made), and a
// file written again is loaded again, while the icon its earlier holders share stays drawable.
TEST_F(ContactsHeld, AnAvatarIsKeptForTheProcessUntilItsFileChanges)
{
    lumeo_test::TempDir folder;
    const std::wstring file = folder.File(L"Face.ico");
    ASSERT_TRUE(WriteIconFile(file, RGB(10, 20, 30)));
    const std::string path = WideToAnsi(file.c_str());
    const auto drawable = [](HICON icon) {
        ICONINFO info{};
        if (!icon || !::GetIconInfo(icon, &info))
            return false;
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        return true;
    };

    MakeGroup("Work");
    ASSERT_NE(nullptr, tree.AddContactItem("A", "sip:a@h", "Work", path, ""));
    const HICON first = tree.GetContactData(ContactNode(L"sip:a@h"))->icon.Get();
    ASSERT_NE(nullptr, first);
    tree.DeleteAllNodes();
    EXPECT_EQ(0u, tree.GetCount());
    EXPECT_TRUE(drawable(first)) << "kept though no record holds it";

    ASSERT_NE(nullptr, tree.InsertItem(L"Work", TVI_ROOT, TVI_LAST));   // stored already
    CString upper(path.c_str());
    upper.MakeUpper();
    ASSERT_NE(nullptr, tree.AddContactItem("A", "sip:a@h", "Work", WideToAnsi(upper), ""));
    EXPECT_EQ(first, tree.GetContactData(ContactNode(L"sip:a@h"))->icon.Get()) << "the same file, however spelt";

    // Written again: another picture, another write time.
    ASSERT_TRUE(WriteIconFile(file, RGB(200, 0, 0)));
    {
        const HANDLE handle = ::CreateFileW(file.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, handle);
        const FILETIME later{0x12345678, 0x01D00000};
        EXPECT_TRUE(::SetFileTime(handle, nullptr, nullptr, &later));
        ::CloseHandle(handle);
    }
    ASSERT_NE(nullptr, tree.AddContactItem("B", "sip:b@h", "Work", path, ""));
    const HICON second = tree.GetContactData(ContactNode(L"sip:b@h"))->icon.Get();
    EXPECT_NE(nullptr, second);
    EXPECT_NE(first, second);
    EXPECT_TRUE(drawable(first)) << "contact A still holds the earlier picture";
}

TEST_F(ContactsHeld, FreeingAllEmptiesOpenClosedAndEmptyGroupsAlike)
{
    MakeGroup("Open");
    MakeGroup("Closed");
    MakeGroup("Empty");
    for (const char* uri : {"sip:a@h", "sip:b@h"})
        ASSERT_NE(nullptr, tree.AddContactItem(uri, uri, "Open", "", ""));
    for (const char* uri : {"sip:c@h", "sip:d@h"})
        ASSERT_NE(nullptr, tree.AddContactItem(uri, uri, "Closed", "", "Busy"));
    tree.Expand(GroupNode(L"Closed"), TVE_COLLAPSE);

    // The groups stay as they were: names, order, open or not.
    const auto groups = [this] {
        std::vector<std::pair<std::wstring, bool>> shown;
        for (HTREEITEM group = tree.GetRootItem(); group; group = tree.GetNextSiblingItem(group))
            shown.emplace_back(tree.GetItemText(group).Str(), (tree.GetItemState(group, TVIS_EXPANDED) & TVIS_EXPANDED) != 0);
        return shown;
    };
    const std::vector<std::pair<std::wstring, bool>> before = groups();
    ASSERT_EQ(4u, before.size());
    EXPECT_TRUE(before[1].second);
    EXPECT_FALSE(before[2].second);

    tree.FreeAllContactItemData();
    EXPECT_EQ(4u, tree.GetCount());
    EXPECT_EQ(before, groups());
    for (HTREEITEM group = tree.GetRootItem(); group; group = tree.GetNextSiblingItem(group))
        EXPECT_EQ(nullptr, tree.GetChildItem(group)) << WideToAnsi(tree.GetItemText(group));

    // The groups take contacts again, and then go.
    ASSERT_NE(nullptr, tree.AddContactItem("A", "sip:a@h", "Closed", "", ""));
    EXPECT_THAT(Shown()[2].second, ElementsAre(ShownContact{L"A", L"sip:a@h", L"Offline"}));
    tree.FreeAllContactItemData();
    tree.DeleteAllGroups();
    EXPECT_EQ(0u, tree.GetCount());
}

} // namespace
} // namespace windows_test
