// What start-up spends writing the program's resources out: a first start in a fresh folder,
// a later start that finds its record of what it wrote, and a later start without that record
// (every file compared with the resource it came from, as before the record existed).
#include "bench/BenchFolderAnswers.h"
#include "bench/BenchHarness.h"
#include "core/ProgramResources.h"

#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

CString g_folder;

// A fresh folder below the temporary one, with a trailing backslash.
CString FreshFolder(int number)
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    CString folder;
    folder.Format(L"%lslumeo_bench_resources_%lu_%d\\", temp, ::GetCurrentProcessId(), number);
    ::CreateDirectoryW(folder, nullptr);
    return folder;
}

void RemoveFolder(const CString& folder)
{
    std::wstring from = folder.Str();
    from.back() = L'\0';   // no trailing backslash, and the double zero the call wants
    from += L'\0';
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    ::SHFileOperationW(&operation);
}

double WorkingSetMb()
{
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof memory);
    return static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
}

} // namespace

int main()
{
    static const bench::FolderAnswers answers(g_folder);
    SetSystemAnswers(&answers);
    int folders = 0;
    g_folder = FreshFolder(folders++);
    const double before = WorkingSetMb();
    WriteProgramResources();   // the first start: every file written
    const double afterFirst = WorkingSetMb();
    std::printf("working set: %.1f MB before the first write-out, %.1f MB after it\n", before, afterFirst);

    // The folder is removed and made again untimed: only the write-out counts.
    const double firstStart = bench::Fastest(
        5,
        [&] {
            RemoveFolder(g_folder);
            g_folder = FreshFolder(folders++);
        },
        [] { WriteProgramResources(); });
    std::printf("%-48s min %12.1f us  (fastest of 5 runs)\n", "write-out, first start (fresh folder)", firstStart * 1e6);
    bench::Measure("write-out, later start (record holds)", 9, 1, [&] { WriteProgramResources(); });
    bench::Measure("write-out, later start (no record: compared with the resources)", 9, 1, [&] {
        ::DeleteFileW(g_folder + L"Skins\\Lumeo.written");
        WriteProgramResources();
    });
    RemoveFolder(g_folder);
    return 0;
}
