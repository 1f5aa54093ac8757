#pragma once
// What the page benchmarks share: a program folder of their own in the temporary folder with
// Lumeo's resources written out, its skin open and a fresh database filled by the benchmark;
// a plain tree view of the system to measure against; and timings taken in interleaved rounds,
// so that a page and its floor see the same machine load.
#include "bench/BenchFolderAnswers.h"
#include "bench/BenchHarness.h"

#include "core/Database.h"
#include "core/ProgramResources.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "skin/model/SkinLifecycle.h"
#include "skin/model/SkinReader.h"
#include "skin/ui/factories/ControlKinds.h"

#include <sqlite3.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace bench {

inline CString& PageBenchFolder()
{
    static CString folder;
    return folder;
}

// The program folder `name` in the temporary folder, with the resources, the skin and an empty
// database that `storeRows` fills; closes what it opened when it goes. Check Ready() first.
class PageBench {
public:
    PageBench(const wchar_t* name, const std::function<bool()>& storeRows)
    {
        wchar_t temp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, temp);
        CString& folder = PageBenchFolder();
        folder = CString(temp) + name + L"\\";
        ::CreateDirectoryW(folder, nullptr);
        static const FolderAnswers answers(folder);
        SetSystemAnswers(&answers);
        WriteProgramResources();
        Vexel::RegisterSkinControlKinds();
        if (Vexel::OpenSkin(folder + L"Skins\\Lumeo\\the.xui", 1) != 0) {
            std::printf("could not open the skin\n");
            return;
        }
        m_skinOpen = true;
        m_program = WideToAnsi(folder.Left(folder.GetLength() - 1));
        ::DeleteFileW(folder + L"data\\Data.db");
        if (!OpenDatabase(g_database, DatabaseFolders{m_program, m_program}) || !storeRows()) {
            std::printf("could not store the rows\n");
            return;
        }
        m_ready = true;
    }
    ~PageBench()
    {
        g_database.Close();
        if (m_skinOpen)
            Vexel::ReleaseSkin();
    }
    PageBench(const PageBench&) = delete;
    PageBench& operator=(const PageBench&) = delete;

    bool Ready() const { return m_ready; }

    // The fastest of a few runs of SQLite alone, on a second connection, reading every value
    // of `queries`' rows: what any page of these rows costs at the least. 0 when it cannot open.
    double SqliteSeconds(const std::vector<const char*>& queries, int runs) const
    {
        sqlite3* raw = nullptr;
        if (sqlite3_open((m_program + "\\data\\Data.db").c_str(), &raw) != SQLITE_OK) {
            sqlite3_close(raw);
            return 0;
        }
        size_t bytes = 0;
        const double seconds = Fastest(runs, [] {}, [&] {
            for (const char* query : queries)
                sqlite3_exec(raw, query, &TouchRow, &bytes, nullptr);
        });
        sqlite3_close(raw);
        return seconds;
    }

private:
    std::string m_program;
    bool m_skinOpen = false;
    bool m_ready = false;
};

// A plain tree view of the system, shown, `size` large, in a plain window of its own that
// hears its notifications as any parent does: the yardstick. Destroyed with the object.
class PlainTree {
public:
    PlainTree(SIZE size, DWORD style) : m_host(MakeHost(size)), m_tree(MakeTree(m_host, size, style)) {}
    ~PlainTree()
    {
        if (m_host)
            ::DestroyWindow(m_host);
    }
    PlainTree(const PlainTree&) = delete;
    PlainTree& operator=(const PlainTree&) = delete;

    HWND Handle() const { return m_tree; }
    void HoldRedraw(bool hold) const { ::SendMessageW(m_tree, WM_SETREDRAW, hold ? FALSE : TRUE, 0); }
    HTREEITEM Insert(HTREEITEM parent, const wchar_t* text, LPARAM data, UINT state = 0) const
    {
        TVINSERTSTRUCTW insert{};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM | (state ? TVIF_STATE : 0);
        insert.item.pszText = const_cast<LPWSTR>(text);
        insert.item.lParam = data;
        insert.item.state = state;
        insert.item.stateMask = state;
        return reinterpret_cast<HTREEITEM>(
            ::SendMessageW(m_tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    // Its own delete-all, drawing held as a page holds it.
    void DeleteAll() const
    {
        HoldRedraw(true);
        ::SendMessageW(m_tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
        HoldRedraw(false);
    }
    UINT Count() const { return static_cast<UINT>(::SendMessageW(m_tree, TVM_GETCOUNT, 0, 0)); }

private:
    static HWND MakeHost(SIZE size)
    {
        WNDCLASSW host{};
        host.lpfnWndProc = &::DefWindowProcW;
        host.hInstance = ::GetModuleHandleW(nullptr);
        host.lpszClassName = L"LumeoBenchTreeHost";
        ::RegisterClassW(&host);   // fails harmlessly when a second tree registers it again
        return ::CreateWindowExW(0, host.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0, size.cx, size.cy, nullptr,
                                 nullptr, host.hInstance, nullptr);
    }
    static HWND MakeTree(HWND host, SIZE size, DWORD style)
    {
        return ::CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, size.cx, size.cy, host,
                                 nullptr, ::GetModuleHandleW(nullptr), nullptr);
    }

    const HWND m_host;
    const HWND m_tree;
};

// One timed step of a round: `before` readies it (not timed), `body` is timed.
struct Step {
    const char* name;
    std::function<void()> before;
    std::function<void()> body;
};

// Runs every step once per round, in turn, `rounds` times after one warm-up round, and
// answers each step's median in seconds.
inline std::vector<double> InterleavedMedians(int rounds, const std::vector<Step>& steps)
{
    std::vector<std::vector<double>> samples(steps.size());
    for (int round = 0; round <= rounds; ++round) {
        for (size_t s = 0; s < steps.size(); ++s) {
            steps[s].before();
            const double start = NowSeconds();
            steps[s].body();
            const double seconds = NowSeconds() - start;
            if (round > 0)
                samples[s].push_back(seconds);
        }
    }
    std::vector<double> medians;
    for (std::vector<double>& taken : samples) {
        std::sort(taken.begin(), taken.end());
        medians.push_back(taken.empty() ? 0 : taken[taken.size() / 2]);
    }
    return medians;
}

// One line: the figure, its floor, their ratio and the goal for it (0: none).
inline void PrintAgainstFloor(const char* name, double seconds, double floorSeconds, double goal)
{
    const double ratio = floorSeconds > 0 ? seconds / floorSeconds : 0;
    std::printf("%-36s %9.2f ms  floor %9.2f ms  %5.2f x", name, seconds * 1e3, floorSeconds * 1e3, ratio);
    if (goal > 0)
        std::printf("  (goal: at most %.1f x)%s", goal, ratio <= goal ? "" : "  MISSED");
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace bench
