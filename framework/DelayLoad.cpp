#include "framework/DelayLoad.h"

#include <delayimp.h>

#include <cstdio>

namespace {

FARPROC WINAPI ReportDelayLoadFailure(unsigned notify, PDelayLoadInfo info)
{
    if (notify != dliFailLoadLib && notify != dliFailGetProc)
        return nullptr;
    const std::string text =
        AfxDelayLoadFailureText(notify, info->szDll, info->dlp.fImportByName ? info->dlp.szProcName : nullptr,
                                info->dlp.fImportByName ? 0 : info->dlp.dwOrdinal) +
        "\n";
    ::OutputDebugStringA(text.c_str());
    std::fputs(text.c_str(), stderr);
    std::fflush(stderr);
    // No stand-in function can take a call of unknown arguments: the helper raises.
    return nullptr;
}

// Installed before main runs, so the very first delay-loaded call is covered. The runtime
// defines the hook's variable itself, so it is assigned, not defined, here.
const bool g_failureHookInstalled = (__pfnDliFailureHook2 = &ReportDelayLoadFailure) != nullptr;

} // namespace

bool AfxDelayLoadable(const char* dll)
{
    return dll && (::GetModuleHandleA(dll) || ::LoadLibraryA(dll));
}

std::string AfxDelayLoadFailureText(unsigned notify, const char* dll, const char* function, DWORD ordinal)
{
    const std::string library = dll && *dll ? dll : "(unnamed DLL)";
    std::string what = function ? std::string(function) : "ordinal " + std::to_string(ordinal);
    if (notify == dliFailLoadLib)
        return "Lumeo: " + library + " could not be loaded for its function " + what;
    return "Lumeo: " + library + " has no function " + what;
}
