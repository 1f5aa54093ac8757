// Proves that the first screen starts without the libraries it does not need: the shipped
// Lumeo.exe does not import them, and a start with a stored account shows and signs in its main
// window without having loaded any of them; each is loaded by the feature that first calls it.
#include "tests/e2e/SignInChecks.h"
#include "tests/support/ImportTable.h"

#include <psapi.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace e2e_test;

// Loaded at their first use: sounds, the file choosers and the Outlook reader.
constexpr const char* kLoadedOnFirstUse[] = {"winmm.dll", "comdlg32.dll", "Ostrel.dll"};

// The names of the modules the process has loaded; empty when they cannot be read.
std::vector<std::string> LoadedModules(HANDLE process)
{
    std::vector<HMODULE> modules(512);
    DWORD needed = 0;
    std::vector<std::string> names;
    if (!::EnumProcessModules(process, modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)), &needed))
        return names;
    modules.resize(std::min<size_t>(modules.size(), needed / sizeof(HMODULE)));
    for (const HMODULE module : modules) {
        char name[MAX_PATH] = {};
        if (::GetModuleBaseNameA(process, module, name, MAX_PATH))
            names.emplace_back(name);
    }
    return names;
}

TEST(LazyLoad, TheProgramDoesNotImportTheLibrariesItLoadsOnFirstUse)
{
    const e2e::ProgramCopy copy;
    ASSERT_TRUE(copy.Ready());
    const auto imports = lumeo_test::ImportedDllNames(copy.Program());
    ASSERT_TRUE(lumeo_test::HoldsDll(imports, "TavikCore.dll")) << "the import table was not read";
    for (const char* dll : kLoadedOnFirstUse)
        EXPECT_FALSE(lumeo_test::HoldsDll(imports, dll)) << dll << " is imported at start";
}

TEST(LazyLoad, TheMainWindowOfAStoredAccountIsShownWithoutThem)
{
    const e2e::ProgramCopy copy;
    ASSERT_TRUE(copy.Ready());
    const e2e::TypedAccount account;
    ASSERT_TRUE(e2e::StoreAccount(copy, account));
    const e2e::LumeoProcess lumeo(copy);
    const HWND main = lumeo.WaitForWindow(L"IDW_MAIN");
    ASSERT_NE(nullptr, main);
    ExpectSignedInWith(lumeo, account);
    const auto loaded = LoadedModules(lumeo.Handle());
    ASSERT_TRUE(lumeo_test::HoldsDll(loaded, "TavikCore.dll")) << "the process's modules were not read";
    for (const char* dll : kLoadedOnFirstUse)
        EXPECT_FALSE(lumeo_test::HoldsDll(loaded, dll)) << dll << " was loaded by the first screen";
    ExitThroughMenu(lumeo, main);
}

} // namespace
