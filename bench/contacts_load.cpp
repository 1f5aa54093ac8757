// The contacts page filling its tree with 5,000 stored contacts in 50 groups (LoadGroups and
// LoadContacts: the subscription ids reset, the two tables read, a group item per group and a
// contact item with its record and avatar icon per contact) against a plain tree view of the
// system taking the same items with the same texts (group names; for a contact the name the
// page shows) under expanded groups; and the tree emptied as sign-out does against the plain
// tree's own delete-all. Medians of interleaved rounds; goals: at most 1.3 x each floor.
#include "bench/PageBench.h"

#include "core/Base64.h"
#include "windows/contacts/ContactsTree.h"
#include "windows/contacts/ContactsWnd.h"

#include <cstdlib>

namespace {

int kContacts = 5000;   // a first argument changes it, for a quick look
constexpr int kGroups = 50;
constexpr int kAvatars = 9;
constexpr int kRounds = 7;

std::string B(const std::string& text)
{
    return Base64Encode(text, true);
}

std::string GroupName(int group)
{
    return "Group " + std::to_string(group);
}

// A contact's name fields; every third has a nickname, which the page shows in place of
// first and last name.
std::string FirstName(int i) { return "First" + std::to_string(i); }
std::string LastName(int i) { return "Last" + std::to_string(i); }
std::string NickName(int i) { return i % 3 == 0 ? "Nick" + std::to_string(i) : std::string(); }
std::string ShownName(int i) { return i % 3 == 0 ? NickName(i) : FirstName(i) + " " + LastName(i); }

// The avatars the build lays beside this program.
std::string AvatarPath(int index)
{
    wchar_t module[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, module, MAX_PATH);
    CString folder(module);
    folder = folder.Left(folder.ReverseFind(L'\\') + 1);
    char name[32];
    std::snprintf(name, sizeof name, "face0%d.ico", 1 + index % kAvatars);
    return WideToAnsi(folder) + "Skins\\Lumeo\\avatars\\" + name;
}

bool StoreRows()
{
    if (!g_database.Exec("begin transaction") || !g_database.Exec("delete from Groups"))
        return false;
    for (int g = 0; g < kGroups; ++g) {
        if (!g_database.Exec("insert into Groups(GroupName, GroupKey) values('" + B(GroupName(g)) + "', 0)"))
            return false;
    }
    std::string avatars[kAvatars];
    for (int a = 0; a < kAvatars; ++a)
        avatars[a] = B(AvatarPath(a));
    for (int i = 0; i < kContacts; ++i) {
        const std::string n = std::to_string(i);
        const std::string sql =
            "insert into Contacts(SIPUri, Email, HomePhone, WorkPhone, MobilePhone, FirstName, LastName, NickName, "
            "JobTitle, GroupName, Icon, blocked, subscribed, acceptedsubscribed, subscribeid) values('sip:peer" +
            n + "@example.org', 'peer" + n + "@example.org', '555-01" + n + "', '', '', '" + B(FirstName(i)) +
            "', '" + B(LastName(i)) + "', '" + (NickName(i).empty() ? std::string() : B(NickName(i))) + "', '', '" +
            B(GroupName(i % kGroups)) + "', '" + avatars[i % kAvatars] + "', 0, 0, 1, " + std::to_string(i % 7) +
            ")";
        if (!g_database.Exec(sql))
            return false;
    }
    return g_database.Exec("commit transaction");
}

// Every group shows its contacts: the row after each group is its first child.
bool GroupsOpen(HWND tree)
{
    const auto next = [tree](HTREEITEM item, WPARAM code) {
        return reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
    };
    for (HTREEITEM group = next(nullptr, TVGN_ROOT); group; group = next(group, TVGN_NEXT)) {
        if (next(group, TVGN_NEXTVISIBLE) != next(group, TVGN_CHILD))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1)
        kContacts = std::atoi(argv[1]);
    const bench::PageBench setUp(L"lumeo_bench_contacts", &StoreRows);
    if (!setUp.Ready())
        return 1;
    const double sqliteSeconds = setUp.SqliteSeconds({"select * from Groups", "select * from Contacts"}, kRounds);

    CContactsWnd page;
    if (!page.Create(0, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, nullptr, 1, 1)) {
        std::printf("could not make the contacts page\n");
        return 1;
    }
    CContactsTree& tree = page.GetTree();
    RECT area{};
    tree.GetClientRect(&area);
    const bench::PlainTree plain(SIZE{area.right - area.left, area.bottom - area.top}, TVS_FULLROWSELECT);

    std::vector<CString> groupTexts;
    for (int g = 0; g < kGroups; ++g)
        groupTexts.push_back(AnsiToWide(GroupName(g)));
    std::vector<CString> contactTexts;
    for (int i = 0; i < kContacts; ++i)
        contactTexts.push_back(AnsiToWide(ShownName(i)));

    // The plain tree's groups open as they go in, or once they hold their contacts: the
    // faster of the two is the floor.
    const auto plainFillWith = [&](bool expandAfter) {
        plain.HoldRedraw(true);
        std::vector<HTREEITEM> groups;
        for (const CString& text : groupTexts)
            groups.push_back(plain.Insert(TVI_ROOT, text, 0, expandAfter ? 0 : TVIS_EXPANDED));
        for (int i = 0; i < kContacts; ++i)
            plain.Insert(groups[i % kGroups], contactTexts[i], i + 1);
        if (expandAfter) {
            for (const HTREEITEM group : groups)
                ::SendMessageW(plain.Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(group));
        }
        plain.HoldRedraw(false);
    };
    const auto plainFill = [&] { plainFillWith(false); };
    const auto pageLoad = [&] {
        page.LoadGroups();
        page.LoadContacts();
    };
    const auto pageEmpty = [&] { bench::EmptyContactsPage(page); };
    const std::vector<double> medians = bench::InterleavedMedians(
        kRounds, {
                     {"plain fill", [&] { plain.DeleteAll(); }, plainFill},
                     {"plain fill, expanded after", [&] { plain.DeleteAll(); }, [&] { plainFillWith(true); }},
                     {"page load", pageEmpty, pageLoad},
                     {"plain delete-all", [&] { if (plain.Count() == 0) plainFill(); }, [&] { plain.DeleteAll(); }},
                     {"page emptied", [&] { if (tree.GetCount() == 0) pageLoad(); }, pageEmpty},
                 });

    pageLoad();
    plainFill();
    const UINT shown = bench::ShownContacts(tree);
    std::printf("%d stored contacts in %d groups, %d interleaved rounds (medians)\n", kContacts, kGroups, kRounds);
    std::printf("%-36s %9.2f ms\n", "SQLite alone", sqliteSeconds * 1e3);
    std::printf("%-36s %u contacts, groups %s; plain tree %u items, groups %s\n", "shown", shown,
                GroupsOpen(tree.GetSafeHwnd()) ? "open" : "CLOSED", plain.Count(),
                GroupsOpen(plain.Handle()) ? "open" : "CLOSED");
    std::printf("%-36s %9.2f ms as they go in, %.2f ms afterwards\n", "plain tree, groups expanded", medians[0] * 1e3,
                medians[1] * 1e3);
    bench::PrintAgainstFloor("contacts page load", medians[2], std::min(medians[0], medians[1]), 1.3);
    bench::PrintAgainstFloor("sign-out emptying", medians[4], medians[3], 1.3);
    pageEmpty();
    page.DestroyWindow();
    return static_cast<int>(shown) == kContacts ? 0 : 1;
}
