// Start-up of the real Lumeo.exe (a program copy with a stored complete account) until its main
// window is shown and until it has first painted completely (the window and every visible control
// in it with nothing left to paint), against the empty window program under the same Wine, in
// one run: a first start in a fresh copy (nothing written out yet) and a later start in the same
// copy (its files exist), interleaved with the empty window round by round. Memory of each
// process when painted: working set, and private bytes (Wine reports none for another process;
// then the committed private pages are added up instead). Goals: a later start at most 1.5 times
// the empty window's time to painted, a first start at most 2 times; at most 30 MB. A second
// yardstick, the platform window (platform_window.cpp), shows how much of the rest the system
// libraries and MSXML take before any of Lumeo's own work.
#include "bench/BenchHarness.h"
#include "resources/ProgramIds.h"
#include "tests/e2e/driver/LumeoProcess.h"
#include "tests/e2e/driver/StoredData.h"
#include "tests/e2e/driver/WindowPicture.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 7;
constexpr double kTimeout = 30.0;
constexpr double kMb = 1024.0 * 1024.0;

struct Sample {
    double shown = 0;     // seconds from CreateProcess
    double painted = 0;   // seconds from CreateProcess
    double workingSetMb = 0;
    double privateMb = 0;
};

struct Search {
    DWORD processId;
    const std::function<bool(HWND)>* wanted;
    HWND found;
};

BOOL CALLBACK FindShown(HWND window, LPARAM context)
{
    auto* const search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && ::IsWindowVisible(window) && (*search->wanted)(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The process's committed private pages: what private bytes are, counted by walking its
// address space where the process counters leave them out.
double CommittedPrivateMb(HANDLE process)
{
    double bytes = 0;
    MEMORY_BASIC_INFORMATION region{};
    const char* address = nullptr;
    while (::VirtualQueryEx(process, address, &region, sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            bytes += static_cast<double>(region.RegionSize);
        const char* const next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= address)
            break;
        address = next;
    }
    return bytes / kMb;
}

void ReadMemory(HANDLE process, Sample& sample)
{
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        sample.workingSetMb = static_cast<double>(memory.WorkingSetSize) / kMb;
        sample.privateMb = static_cast<double>(memory.PrivateUsage) / kMb;
    }
    if (sample.privateMb <= 0)
        sample.privateMb = CommittedPrivateMb(process);
}

// Polls until the process shows a window `wanted` accepts, then until that window and its
// visible controls have painted; the times since `start`, and the memory at the paint. The top
// window alone is asked first, so the polls keep off the window server while it is busy.
bool WaitPainted(HANDLE process, DWORD processId, double start, const std::function<bool(HWND)>& wanted,
                 Sample& sample, HWND& shown)
{
    Search search{processId, &wanted, nullptr};
    shown = nullptr;
    while (bench::NowSeconds() - start < kTimeout) {
        if (!shown) {
            search.found = nullptr;
            ::EnumWindows(&FindShown, reinterpret_cast<LPARAM>(&search));
            if (search.found) {
                sample.shown = bench::NowSeconds() - start;
                shown = search.found;
            }
        }
        if (shown && !::GetUpdateRect(shown, nullptr, FALSE) && !e2e::AwaitsPaint(shown)) {
            sample.painted = bench::NowSeconds() - start;
            ReadMemory(process, sample);
            return true;
        }
        if (::WaitForSingleObject(process, 1) == WAIT_OBJECT_0)
            return false;
    }
    return false;
}

// One of the yardsticks in this program's folder, with `argument` (none when empty).
bool RunYardstick(const wchar_t* name, const std::wstring& argument, Sample& sample)
{
    std::wstring program = e2e::RunningProgramFolder() + name;
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!argument.empty())
        commandLine += L" \"" + argument + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const double start = bench::NowSeconds();
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &info))
        return false;
    HWND shown = nullptr;
    const bool ok = WaitPainted(info.hProcess, info.dwProcessId, start, [](HWND) { return true; }, sample, shown);
    if (shown)
        ::PostMessageW(shown, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0)
        ::TerminateProcess(info.hProcess, 1);
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    return ok;
}

bool RunLumeo(const e2e::ProgramCopy& copy, Sample& sample)
{
    const double start = bench::NowSeconds();
    const e2e::LumeoProcess lumeo(copy);
    if (!lumeo.Started())
        return false;
    HWND shown = nullptr;
    const bool ok = WaitPainted(lumeo.Handle(), lumeo.Id(), start,
                                [&](HWND window) { return lumeo.SkinIdOf(window) == L"IDW_MAIN"; }, sample, shown);
    if (shown) {
        e2e::Command(shown, ID_MAIN_EXIT);
        lumeo.WaitForExit(10000);
    }
    return ok;
}

bool RunEmptyWindow(Sample& sample)
{
    return RunYardstick(L"empty_window.exe", std::wstring(), sample);
}

// A first start in a fresh copy, then the platform yardstick reading the skin file that start
// wrote, then a later start in the same copy.
bool RunLumeoTwice(Sample& first, Sample& platform, Sample& later)
{
    const e2e::ProgramCopy copy;
    if (!copy.Ready() || !e2e::StoreAccount(copy, e2e::TypedAccount()))
        return false;
    return RunLumeo(copy, first) &&
           RunYardstick(L"platform_window.exe", copy.Path(L"Skins\\Lumeo\\the.xui"), platform) &&
           RunLumeo(copy, later);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Min(const std::vector<double>& values)
{
    return *std::min_element(values.begin(), values.end());
}

template <class Field>
std::vector<double> Column(const std::vector<Sample>& samples, Field field)
{
    std::vector<double> values;
    for (const Sample& sample : samples)
        values.push_back(sample.*field);
    return values;
}

void PrintTime(const char* name, const std::vector<double>& values, const std::vector<double>& floor,
               const char* goal)
{
    const double median = Median(values);
    const double floorMedian = Median(floor);
    std::printf("%-44s median %7.1f ms  min %7.1f ms  floor %7.1f ms  ratio %5.2fx%s\n", name, median * 1e3,
                Min(values) * 1e3, floorMedian * 1e3, median / floorMedian, goal);
}

void PrintMemory(const char* name, const std::vector<Sample>& samples, const std::vector<Sample>& floor,
                 const char* goal)
{
    const double workingSet = Median(Column(samples, &Sample::workingSetMb));
    const double floorWorkingSet = Median(Column(floor, &Sample::workingSetMb));
    const double privateBytes = Median(Column(samples, &Sample::privateMb));
    const double floorPrivate = Median(Column(floor, &Sample::privateMb));
    std::printf("%-44s working set %6.1f MB (floor %5.1f, %4.2fx)  private %6.1f MB (floor %5.1f, %4.2fx)%s\n", name,
                workingSet, floorWorkingSet, workingSet / floorWorkingSet, privateBytes, floorPrivate,
                privateBytes / floorPrivate, goal);
}

} // namespace

int main()
{
    std::vector<Sample> empty, first, platform, later;
    {
        Sample warm, warmPlatform, warmLater;   // the first start of anything pays for Wine's own warm-up
        RunEmptyWindow(warm);
        RunLumeoTwice(warm, warmPlatform, warmLater);
    }
    for (int run = 0; run < kRuns; ++run) {
        Sample emptySample, firstSample, platformSample, laterSample;
        if (!RunEmptyWindow(emptySample) || !RunLumeoTwice(firstSample, platformSample, laterSample)) {
            std::printf("startup: run %d failed\n", run);
            return 1;
        }
        empty.push_back(emptySample);
        first.push_back(firstSample);
        platform.push_back(platformSample);
        later.push_back(laterSample);
        std::fflush(stdout);
    }
    const auto emptyShown = Column(empty, &Sample::shown);
    const auto emptyPainted = Column(empty, &Sample::painted);
    std::printf("start-up, %d interleaved runs; floor: the empty window in the same runs\n", kRuns);
    PrintTime("empty window shown", emptyShown, emptyShown, "");
    PrintTime("empty window painted", emptyPainted, emptyPainted, "");
    PrintTime("first start: main window shown", Column(first, &Sample::shown), emptyShown, "");
    PrintTime("first start: main window painted", Column(first, &Sample::painted), emptyPainted,
              " (goal at most 2x)");
    PrintTime("later start: main window shown", Column(later, &Sample::shown), emptyShown, "");
    PrintTime("later start: main window painted", Column(later, &Sample::painted), emptyPainted,
              " (goal at most 1.5x)");
    PrintMemory("memory when painted: first start", first, empty, " (goal at most 30 MB)");
    PrintMemory("memory when painted: later start", later, empty, " (goal at most 30 MB)");
    // Where the rest lies: how much of it the platform takes before any of Lumeo's own work.
    std::printf("platform window: the empty window with Lumeo's start-up libraries and its skin read by MSXML\n");
    const auto platformPainted = Column(platform, &Sample::painted);
    PrintTime("platform window painted", platformPainted, emptyPainted, "");
    PrintTime("later start painted, against the platform", Column(later, &Sample::painted), platformPainted, "");
    PrintMemory("memory: platform window", platform, empty, "");
    PrintMemory("memory: later start, against the platform", later, platform, "");
    return 0;
}
