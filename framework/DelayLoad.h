#pragma once
// The DLLs the first screen does not need (sounds, the file choosers, Ostrel.dll:
// cmake/DelayImports.cmake) are bound delay-loaded: the first call into one loads
// it. Each feature that starts with such a DLL asks AfxDelayLoadable first, so a DLL that
// cannot be loaded fails that feature as the feature's own failure, not the program.
// A call that finds its DLL or function missing without that check reaches the failure hook
// installed here: it reports the DLL and the function (debugger output and standard error),
// and the runtime's delay-load helper then raises its exception, which ends the program.

#include <windows.h>

#include <string>

// Whether `dll` (a name as the program imports it, e.g. "winmm.dll") is loaded or can be
// loaded now. Loading it is the first use: the calls that follow bind to it. The answer is
// not cached, so a test can ask about any name.
bool AfxDelayLoadable(const char* dll);

// The report for a delay-load failure: `notify` is dliFailLoadLib or dliFailGetProc, `dll`
// the DLL's name, `function` the function's name, or null with `ordinal` when it is bound by
// ordinal. Never empty.
std::string AfxDelayLoadFailureText(unsigned notify, const char* dll, const char* function, DWORD ordinal);
