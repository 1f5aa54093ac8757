// The contacts page filling its tree with 5,000 stored contacts in 50 groups (LoadGroups and
// LoadContacts: the subscription ids reset, the two tables read, a group item per group and a
// contact item with its record and avatar icon per contact) against SQLite alone reading the
// same rows, and the tree emptied again as sign-out does. Prints both and their ratio; the
// goal is at most 2x.
#include "bench/BenchHarness.h"

#include "core/Base64.h"
#include "core/Database.h"
#include "core/ProgramResources.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "framework/SystemAnswers.h"
#include "skin/model/SkinLifecycle.h"
#include "skin/model/SkinReader.h"
#include "skin/ui/ControlKinds.h"
#include "windows/contacts/ContactsTree.h"
#include "windows/contacts/ContactsWnd.h"

#include <sqlite3.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int kContacts = 5000;   // a first argument changes it, for a quick look
constexpr int kGroups = 50;
constexpr int kAvatars = 9;
constexpr int kRuns = 7;

CString g_folder;

// The program folder is the bench's own.
class BenchFolder : public SystemAnswers {
public:
    CString GetProgramFolder() const override { return g_folder; }
};
const BenchFolder g_benchFolder;

std::string B(const std::string& text)
{
    return Base64Encode(text, true);
}

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
        if (!g_database.Exec("insert into Groups(GroupName, GroupKey) values('" + B("Group " + std::to_string(g)) +
                             "', 0)"))
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
            n + "@example.org', 'peer" + n + "@example.org', '555-01" + n + "', '', '', '" + B("First" + n) + "', '" +
            B("Last" + n) + "', '" + (i % 3 == 0 ? B("Nick" + n) : std::string()) + "', '', '" +
            B("Group " + std::to_string(i % kGroups)) + "', '" + avatars[i % kAvatars] + "', 0, 0, 1, " +
            std::to_string(i % 7) + ")";
        if (!g_database.Exec(sql))
            return false;
    }
    return g_database.Exec("commit transaction");
}

// A plain tree view of the system, its redraw held, taking as many empty items (each with item
// data) under 50 root items: the floor under any tree of this many rows.
double PlainTreeSeconds()
{
    const HWND tree = ::CreateWindowExW(0, WC_TREEVIEWW, L"", WS_POPUP | WS_VISIBLE | TVS_FULLROWSELECT, 0, 0, 300,
                                        400, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (!tree)
        return 0;
    const auto empty = [tree] { ::SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); };
    const auto fill = [tree] {
        ::SendMessageW(tree, WM_SETREDRAW, FALSE, 0);
        TVINSERTSTRUCTW insert{};
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = const_cast<LPWSTR>(L"");
        HTREEITEM groups[kGroups];
        insert.hParent = TVI_ROOT;
        for (HTREEITEM& group : groups)
            group = reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
        for (int i = 0; i < kContacts; ++i) {
            insert.hParent = groups[i % kGroups];
            insert.item.lParam = i + 1;
            ::SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert));
        }
        ::SendMessageW(tree, WM_SETREDRAW, TRUE, 0);
    };
    const double seconds = bench::Fastest(kRuns, empty, fill);
    ::DestroyWindow(tree);
    return seconds;
}

UINT ContactItems(const CContactsTree& tree)
{
    UINT count = 0;
    for (HTREEITEM group = tree.GetRootItem(); group; group = tree.GetNextSiblingItem(group)) {
        for (HTREEITEM child = tree.GetChildItem(group); child; child = tree.GetNextSiblingItem(child))
            ++count;
    }
    return count;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1)
        kContacts = std::atoi(argv[1]);
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    g_folder = CString(temp) + L"lumeo_bench_contacts\\";
    ::CreateDirectoryW(g_folder, nullptr);
    SetSystemAnswers(&g_benchFolder);
    WriteProgramResources();
    Vexel::RegisterSkinControlKinds();
    if (Vexel::OpenSkin(g_folder + L"Skins\\Lumeo\\the.xui", 1) != 0) {
        std::printf("could not open the skin\n");
        return 1;
    }
    const std::string program = WideToAnsi(g_folder.Left(g_folder.GetLength() - 1));
    ::DeleteFileW(g_folder + L"data\\Data.db");
    if (!OpenDatabase(g_database, DatabaseFolders{program, program}) || !StoreRows()) {
        std::printf("could not store the rows\n");
        return 1;
    }

    sqlite3* raw = nullptr;
    if (sqlite3_open((program + "\\data\\Data.db").c_str(), &raw) != SQLITE_OK) {
        std::printf("could not open the database a second time\n");
        return 1;
    }
    size_t bytes = 0;
    const double sqliteSeconds = bench::Fastest(kRuns, [] {}, [&] {
        sqlite3_exec(raw, "select * from Groups", &bench::TouchRow, &bytes, nullptr);
        sqlite3_exec(raw, "select * from Contacts", &bench::TouchRow, &bytes, nullptr);
    });
    sqlite3_close(raw);

    int status = 0;
    {
        CContactsWnd page;
        if (!page.Create(0, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, nullptr, 1, 1)) {
            std::printf("could not make the contacts page\n");
            status = 1;
        } else {
            const auto empty = [&] {
                page.FreeContactItemData();
                page.DeleteAllGroups();
            };
            const auto load = [&] {
                page.LoadGroups();
                page.LoadContacts();
            };
            const double loadSeconds = bench::Fastest(kRuns, empty, load);
            const double emptySeconds = bench::Fastest(kRuns, load, empty);
            load();
            const UINT shown = ContactItems(page.GetTree());
            std::printf("%d stored contacts in %d groups\n", kContacts, kGroups);
            std::printf("%-40s %10.2f ms\n", "SQLite alone", sqliteSeconds * 1e3);
            std::printf("%-40s %10.2f ms  (%u contacts shown)\n", "contacts page LoadGroups + LoadContacts",
                        loadSeconds * 1e3, shown);
            std::printf("%-40s %10.2f ms\n", "tree emptied (sign-out)", emptySeconds * 1e3);
            std::printf("%-40s %10.1f x  (goal: at most 2 x)\n", "load / SQLite", loadSeconds / sqliteSeconds);
            const double plainSeconds = PlainTreeSeconds();
            std::printf("%-40s %10.2f ms\n", "plain tree view, as many empty items", plainSeconds * 1e3);
            std::printf("%-40s %10.1f x\n", "plain tree view / SQLite", plainSeconds / sqliteSeconds);
            std::printf("%-40s %10.1f x\n", "load / plain tree view", loadSeconds / plainSeconds);
            if (static_cast<int>(shown) != kContacts)
                status = 1;
            empty();
            page.DestroyWindow();
        }
    }
    g_database.Close();
    Vexel::ReleaseSkin();
    return status;
}
