// Start-up of the real Lumeo.exe (a fresh program copy with a stored complete account) until
// its main window is shown, against the empty window program under the same Wine, in one run;
// and the memory of each process at that moment. Goals: at most 1.5 times the empty window's
// time, at most 30 MB.
#include "bench/BenchHarness.h"
#include "resources/ProgramIds.h"
#include "tests/e2e/driver/LumeoProcess.h"
#include "tests/e2e/driver/StoredData.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 7;
constexpr double kTimeout = 30.0;

struct Sample {
    double seconds = 0;
    double workingSetMb = 0;
    double privateMb = 0;
};

struct Search {
    DWORD processId;
    std::function<bool(HWND)> wanted;
    HWND found;
};

BOOL CALLBACK FindShown(HWND window, LPARAM context)
{
    auto* const search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && ::IsWindowVisible(window) && search->wanted(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Polls, finely, until the process shows a window `wanted` accepts; then the time since
// `start` and the process's memory.
bool WaitShown(HANDLE process, DWORD processId, double start, const std::function<bool(HWND)>& wanted,
               Sample& sample, HWND& shown)
{
    Search search{processId, wanted, nullptr};
    while (bench::NowSeconds() - start < kTimeout) {
        search.found = nullptr;
        ::EnumWindows(&FindShown, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            sample.seconds = bench::NowSeconds() - start;
            PROCESS_MEMORY_COUNTERS_EX memory{};
            memory.cb = sizeof memory;
            if (::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
                sample.workingSetMb = static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
                sample.privateMb = static_cast<double>(memory.PrivateUsage) / (1024.0 * 1024.0);
            }
            shown = search.found;
            return true;
        }
        if (::WaitForSingleObject(process, 1) == WAIT_OBJECT_0)
            return false;
    }
    return false;
}

bool RunEmptyWindow(Sample& sample)
{
    std::wstring program = e2e::RunningProgramFolder() + L"empty_window.exe";
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const double start = bench::NowSeconds();
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &info))
        return false;
    HWND shown = nullptr;
    const bool ok = WaitShown(info.hProcess, info.dwProcessId, start, [](HWND) { return true; }, sample, shown);
    if (shown)
        ::PostMessageW(shown, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0)
        ::TerminateProcess(info.hProcess, 1);
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    return ok;
}

bool RunLumeo(Sample& sample)
{
    const e2e::ProgramCopy copy;
    if (!copy.Ready() || !e2e::StoreAccount(copy, e2e::TypedAccount()))
        return false;
    const double start = bench::NowSeconds();
    const e2e::LumeoProcess lumeo(copy);
    if (!lumeo.Started())
        return false;
    HWND shown = nullptr;
    const bool ok = WaitShown(lumeo.Handle(), lumeo.Id(), start,
                              [&](HWND window) { return lumeo.SkinIdOf(window) == L"IDW_MAIN"; }, sample, shown);
    if (shown) {
        e2e::Command(shown, ID_MAIN_EXIT);
        lumeo.WaitForExit(10000);
    }
    return ok;
}

// Wine reports no private bytes for another process (0): that is said, not printed as 0 MB.
void PrintMemory(const char* name, double workingSetMb, double privateMb, const char* goal)
{
    if (privateMb > 0)
        std::printf("%-48s working set %6.1f MB  private %6.1f MB%s\n", name, workingSetMb, privateMb, goal);
    else
        std::printf("%-48s working set %6.1f MB  private bytes not reported%s\n", name, workingSetMb, goal);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main()
{
    std::vector<double> emptyTimes, lumeoTimes, emptyWs, lumeoWs, emptyPrivate, lumeoPrivate;
    Sample warm;
    RunEmptyWindow(warm);   // the first start of anything pays for Wine's own warm-up
    RunLumeo(warm);
    for (int run = 0; run < kRuns; ++run) {
        Sample empty, lumeo;
        if (!RunEmptyWindow(empty) || !RunLumeo(lumeo)) {
            std::printf("startup: run %d failed\n", run);
            return 1;
        }
        emptyTimes.push_back(empty.seconds);
        lumeoTimes.push_back(lumeo.seconds);
        emptyWs.push_back(empty.workingSetMb);
        lumeoWs.push_back(lumeo.workingSetMb);
        emptyPrivate.push_back(empty.privateMb);
        lumeoPrivate.push_back(lumeo.privateMb);
    }
    const double emptyMedian = Median(emptyTimes);
    const double lumeoMedian = Median(lumeoTimes);
    std::printf("%-48s median %9.1f ms  min %9.1f ms  (%d runs)\n", "start-up: empty window shown", emptyMedian * 1e3,
                *std::min_element(emptyTimes.begin(), emptyTimes.end()) * 1e3, kRuns);
    std::printf("%-48s median %9.1f ms  min %9.1f ms  (%d runs)\n", "start-up: Lumeo main window shown",
                lumeoMedian * 1e3, *std::min_element(lumeoTimes.begin(), lumeoTimes.end()) * 1e3, kRuns);
    std::printf("%-48s %.2fx (goal at most 1.5x)\n", "start-up: Lumeo / empty window", lumeoMedian / emptyMedian);
    PrintMemory("memory at window shown: empty window", Median(emptyWs), Median(emptyPrivate), "");
    PrintMemory("memory at window shown: Lumeo", Median(lumeoWs), Median(lumeoPrivate), " (goal at most 30 MB)");
    return 0;
}
