// The libraries the first screen does not need are bound delay-loaded: this test program is
// linked as the shipped one is, so its own image imports none of them directly, and the
// features' tests here run through the delay-load path. A DLL is loadable when present and
// not when absent, and a failure at a first call is reported by DLL and function.
#include "framework/DelayLoad.h"
#include "framework/ModulePath.h"
#include "framework/SystemAnswers.h"
#include "tests/support/ImportTable.h"

#include <gtest/gtest.h>

#include <delayimp.h>

#include <string>

namespace {

// Each delay-loaded library, with a function that reaches it through the framework.
constexpr const char* kDelayLoaded[] = {"winmm.dll", "comdlg32.dll"};

TEST(DelayLoad, TheProgramImportsNoDelayLoadedLibraryDirectly)
{
    const auto imports = lumeo_test::ImportedDllNames(ModuleFilePath(nullptr).GetString());
    ASSERT_TRUE(lumeo_test::HoldsDll(imports, "kernel32.dll")) << "the import table was not read";
    for (const char* dll : kDelayLoaded)
        EXPECT_FALSE(lumeo_test::HoldsDll(imports, dll)) << dll << " is imported at start";
}

TEST(DelayLoad, ALibraryIsLoadableWhenItExistsAndNotOtherwise)
{
    for (const char* dll : kDelayLoaded) {
        EXPECT_TRUE(AfxDelayLoadable(dll)) << dll;
        EXPECT_NE(nullptr, ::GetModuleHandleA(dll)) << dll << " was not loaded by the check";
    }
    EXPECT_FALSE(AfxDelayLoadable("lumeo-no-such-library.dll"));
    EXPECT_FALSE(AfxDelayLoadable(nullptr));
}

TEST(DelayLoad, ACallThroughTheDelayedBindingReachesTheLibrary)
{
    // timeGetTime and GetTickCount count the same milliseconds since the system started.
    const DWORD before = ::GetTickCount();
    const std::uint32_t ticks = GetSystemAnswers().GetTicks();
    const DWORD after = ::GetTickCount();
    EXPECT_NE(nullptr, ::GetModuleHandleA("winmm.dll"));
    EXPECT_LE(static_cast<std::int32_t>(before - ticks), 100) << ticks << " before " << before;
    EXPECT_LE(static_cast<std::int32_t>(ticks - after), 100) << ticks << " after " << after;
}

TEST(DelayLoad, AFailureIsReportedByLibraryAndFunction)
{
    struct Case {
        unsigned notify;
        const char* dll;
        const char* function;
        DWORD ordinal;
        const char* expected;
    };
    const Case kCases[] = {
        {dliFailLoadLib, "WINMM.DLL", "PlaySoundW", 0, "Lumeo: WINMM.DLL could not be loaded for its function PlaySoundW"},
        {dliFailGetProc, "Ostrel.dll", "Ostrel_initialize", 0, "Lumeo: Ostrel.dll has no function Ostrel_initialize"},
        {dliFailGetProc, "comdlg32.dll", nullptr, 7, "Lumeo: comdlg32.dll has no function ordinal 7"},
        {dliFailLoadLib, nullptr, "f", 0, "Lumeo: (unnamed DLL) could not be loaded for its function f"},
    };
    for (const Case& row : kCases)
        EXPECT_EQ(row.expected, AfxDelayLoadFailureText(row.notify, row.dll, row.function, row.ordinal)) << row.expected;
}

} // namespace
