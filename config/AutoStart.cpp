#include "config/AutoStart.h"

#include "config/RegistryKey.h"

namespace {

constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kValueName[] = "Lumeo";
constexpr DWORD kValueLimit = 1024;

} // namespace

bool IsAutoStart()
{
    const RegistryKey key(HKEY_CURRENT_USER, kRunKey);
    return !key.GetText(kValueName, kValueLimit).empty();
}

void SetAutoStart()
{
    RegistryKey key(HKEY_CURRENT_USER, kRunKey);
    // Quoted: the system reads the value as a command line.
    key.SetText(kValueName, QuotePath(ProgramPath()));
}

void RemoveAutoStart()
{
    RegistryKey key(HKEY_CURRENT_USER, kRunKey);
    key.DeleteValue(kValueName);
}
