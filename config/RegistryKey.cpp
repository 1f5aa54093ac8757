#include "config/RegistryKey.h"

#include <vector>

RegistryKey::RegistryKey(HKEY root, const char* path)
{
    if (::RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &m_key,
                          nullptr) != ERROR_SUCCESS)
        m_key = nullptr;
}

RegistryKey::~RegistryKey()
{
    if (m_key)
        ::RegCloseKey(m_key);
}

bool RegistryKey::SetText(const char* name, const std::string& text)
{
    if (!m_key)
        return false;
    return ::RegSetValueExA(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

std::string RegistryKey::GetText(const char* name, DWORD limit) const
{
    if (!m_key)
        return {};
    // One byte more than asked for, zero-filled, so that a value stored without its
    // terminator still reads as a text.
    std::vector<char> buffer(static_cast<size_t>(limit) + 1, '\0');
    DWORD type = 0;
    DWORD size = limit;
    if (::RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    return std::string(buffer.data());
}

bool RegistryKey::DeleteValue(const char* name)
{
    if (!m_key)
        return false;
    const LSTATUS status = ::RegDeleteValueA(m_key, name);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

std::string ProgramPath()
{
    char module[MAX_PATH + 1] = {};
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    return module;
}

std::string QuotePath(const std::string& path)
{
    return '"' + path + '"';
}
