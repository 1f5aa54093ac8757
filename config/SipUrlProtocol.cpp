#include "config/SipUrlProtocol.h"

#include "config/RegistryKey.h"

#include <windows.h>

#include <string>

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
        RegistryKey key(HKEY_CLASSES_ROOT, step.key);
        if (!key.IsOpen())
            return;
        if (step.hasValue)
            key.SetText(step.valueName, step.text);
    }
}
