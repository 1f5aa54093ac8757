// The history page loading 10,000 stored rows (LoadHistory: the table read, one record and
// one list row each) against SQLite alone reading the same rows, and the list emptied again
// as sign-out does. Prints both and their ratio, and beside them what a plain tree view of
// the system takes to hold the same number of empty items: the floor under any list of it.
#include "bench/BenchHarness.h"

#include "core/Database.h"
#include "core/ProgramResources.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "framework/SystemAnswers.h"
#include "skin/model/SkinLifecycle.h"
#include "skin/model/SkinReader.h"
#include "skin/ui/ControlKinds.h"
#include "skin/ui/controls/TreeList.h"
#include "windows/history/HistoryList.h"
#include "windows/history/HistoryWnd.h"

#include <sqlite3.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int kRows = 10000;   // a first argument changes it, for a quick look
constexpr int kRuns = 7;

CString g_folder;

// The program folder is the bench's own.
class BenchFolder : public SystemAnswers {
public:
    CString GetProgramFolder() const override { return g_folder; }
};
const BenchFolder g_benchFolder;

bool StoreRows()
{
    if (!g_database.Exec("begin transaction"))
        return false;
    for (int i = 0; i < kRows; ++i) {
        const std::string n = std::to_string(i);
        const std::string sql = "insert into History(History, Number, CallType) values('2024-05-" + n +
                                " 10:00:00 AM 00:01:" + n + "', 'sip:peer" + n + "@example.org', " +
                                std::to_string(1 + i % 4) + ")";
        if (!g_database.Exec(sql))
            return false;
    }
    return g_database.Exec("commit transaction");
}

// A plain tree view, its redraw held, taking kRows empty root items (each with item data).
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
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = const_cast<LPWSTR>(L"");
        for (int i = 0; i < kRows; ++i) {
            insert.item.lParam = i + 1;
            ::SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert));
        }
        ::SendMessageW(tree, WM_SETREDRAW, TRUE, 0);
    };
    const double seconds = bench::Fastest(kRuns, empty, fill);
    ::DestroyWindow(tree);
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1)
        kRows = std::atoi(argv[1]);
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    g_folder = CString(temp) + L"lumeo_bench_history\\";
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
        sqlite3_exec(raw, "select History, Number, CallType from History order by rowid desc", &bench::TouchRow, &bytes,
                     nullptr);
    });
    sqlite3_close(raw);

    int status = 0;
    {
        CHistoryWnd page;
        if (!page.Create(0, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, nullptr, 1, 1) || !page.GetList()) {
            std::printf("could not make the history page\n");
            status = 1;
        } else {
            CHistoryList& list = *page.GetList();
            const double loadSeconds = bench::Fastest(kRuns, [&] { page.DeleteAllItems(false); }, [&] { page.LoadHistory(); });
            const double emptySeconds = bench::Fastest(kRuns, [&] { page.LoadHistory(); }, [&] { page.DeleteAllItems(false); });
            page.LoadHistory();
            const UINT shown = list.GetTreeList()->GetCount();
            std::printf("%d stored rows\n", kRows);
            std::printf("%-40s %10.2f ms\n", "SQLite alone", sqliteSeconds * 1e3);
            std::printf("%-40s %10.2f ms  (%u rows shown)\n", "history page LoadHistory", loadSeconds * 1e3,
                        shown);
            std::printf("%-40s %10.2f ms\n", "list emptied (sign-out)", emptySeconds * 1e3);
            std::printf("%-40s %10.1f x\n", "load / SQLite", loadSeconds / sqliteSeconds);
            const double plainSeconds = PlainTreeSeconds();
            std::printf("%-40s %10.2f ms\n", "plain tree view, as many empty items", plainSeconds * 1e3);
            std::printf("%-40s %10.1f x\n", "load / plain tree view", loadSeconds / plainSeconds);
            if (static_cast<int>(shown) != kRows)
                status = 1;
            page.DestroyWindow();
        }
    }
    g_database.Close();
    Vexel::ReleaseSkin();
    return status;
}
