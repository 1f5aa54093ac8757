#pragma once
// An open registry key, closed when it goes: what the program's own registry entries (the
// "sip" link handler, the auto-start value) are written through.
#include <windows.h>

#include <string>

class RegistryKey {
public:
    // Opens `path` under `root`, creating it when missing; IsOpen tells whether that worked.
    RegistryKey(HKEY root, const char* path)
    {
        if (::RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &m_key,
                              nullptr) != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~RegistryKey()
    {
        if (m_key)
            ::RegCloseKey(m_key);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool IsOpen() const { return m_key != nullptr; }
    // Sets a REG_SZ value (its size counts the terminator); a null name sets the key's default
    // value. false when it could not be written.
    bool SetText(const char* name, const std::string& text)
    {
        return ::RegSetValueExA(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
    }
    // The text of a string value, empty when it is missing or no string.
    std::string GetText(const char* name) const
    {
        char text[1024] = {};
        DWORD size = sizeof text - 1;
        DWORD type = 0;
        if (::RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ))
            return std::string();
        return text;
    }
    // Deletes a value; a missing one is no error.
    void DeleteValue(const char* name) { ::RegDeleteValueA(m_key, name); }

private:
    HKEY m_key = nullptr;
};
