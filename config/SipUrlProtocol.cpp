#include "config/SipUrlProtocol.h"

#include "config/RegistryKey.h"

std::string SipOpenCommand(const std::string& programPath)
{
    // Unquoted, a path with blanks would be cut at its first blank when the shell starts it.
    return QuotePath(programPath) + " \"%1\"";
}

void RegisterSipUrlProtocol()
{
    const std::string program = ProgramPath();

    struct Value {
        const char* name;   // null: the key's default value
        std::string text;
    };
    struct Step {
        const char* key;
        Value values[2];
        int count;
    };
    const Step steps[] = {
        {"sip", {{nullptr, "URL:sip Protocol"}, {"URL Protocol", ""}}, 2},
        {"sip\\DefaultIcon", {{nullptr, program}}, 1},
        {"sip\\shell", {}, 0},
        {"sip\\shell\\open", {}, 0},
        {"sip\\shell\\open\\command", {{nullptr, SipOpenCommand(program)}}, 1},
    };
    for (const Step& step : steps) {
        RegistryKey key(HKEY_CLASSES_ROOT, step.key);
        if (!key.IsOpen())
            return;
        for (int i = 0; i < step.count; ++i)
            key.SetText(step.values[i].name, step.values[i].text);
    }
}
