#include "config/AutoStart.h"

#include "config/RegistryKey.h"

#include <windows.h>

#include <string>

namespace {

constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kValueName[] = "Lumeo";

} // namespace

bool IsAutoStart()
{
    const RegistryKey run(HKEY_CURRENT_USER, kRunKey);
    return run.IsOpen() && !run.GetText(kValueName).empty();
}

void SetAutoStart()
{
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    RegistryKey run(HKEY_CURRENT_USER, kRunKey);
    // Quoted, so that a path with blanks starts the program and not a prefix of it.
    if (run.IsOpen())
        run.SetText(kValueName, std::string("\"") + module + "\"");
}

void RemoveAutoStart()
{
    RegistryKey run(HKEY_CURRENT_USER, kRunKey);
    if (run.IsOpen())
        run.DeleteValue(kValueName);
}
