#include "config/SipUrlProtocol.h"

#include <windows.h>

#include <string>

namespace {

// An open registry key, closed when it goes.
class RegistryKey {
public:
    explicit RegistryKey(const char* path)
    {
        if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                              &m_key, nullptr) != ERROR_SUCCESS)
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
    // A null name sets the key's default value.
    void SetText(const char* name, const std::string& text)
    {
        ::RegSetValueExA(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>(text.size() + 1));
    }

private:
    HKEY m_key = nullptr;
};

} // namespace

void RegisterSipUrlProtocol()
{
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string program(module);

    struct Step {
        const char* key;
        const char* valueName;   // null: the default value
        std::string text;
        bool hasValue;
    };
    const Step steps[] = {
        {"sip", nullptr, "URL:sip Protocol", true},
        {"sip", "URL Protocol", "", true},
        {"sip\\DefaultIcon", nullptr, program, true},
        {"sip\\shell", nullptr, "", false},
        {"sip\\shell\\open", nullptr, "", false},
        {"sip\\shell\\open\\command", nullptr, program + " \"%1\"", true},
    };
    for (const Step& step : steps) {
        RegistryKey key(step.key);
        if (!key.IsOpen())
            return;
        if (step.hasValue)
            key.SetText(step.valueName, step.text);
    }
}
