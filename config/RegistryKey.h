#pragma once
// The registry as the program's system integration uses it (the auto-start value and the
// "sip" link keys): a key opened or created under a root and closed when it goes, and the
// running program's path as those values hold it.
#include <windows.h>

#include <string>

class RegistryKey {
public:
    // Opens `path` under `root`, creating it when missing (non-volatile, full access). A key
    // that can be neither opened nor created leaves the object closed.
    RegistryKey(HKEY root, const char* path);
    ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool IsOpen() const { return m_key != nullptr; }
    // Writes `text` as REG_SZ, its terminator counted in the size. A null name is the key's
    // default value. False when closed or refused.
    bool SetText(const char* name, const std::string& text);
    // The value's text; empty when closed, missing, not a text or longer than `limit` bytes.
    std::string GetText(const char* name, DWORD limit = 1024) const;
    // Deletes the value; a missing value counts as deleted. False when closed or refused.
    bool DeleteValue(const char* name);

private:
    HKEY m_key = nullptr;
};

// The running program's full path (GetModuleFileNameA, at most MAX_PATH characters).
std::string ProgramPath();
// `path` between double quotes, so that a path with blanks stays one argument where the
// system reads the value as a command line.
std::string QuotePath(const std::string& path);
