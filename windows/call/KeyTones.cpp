#include "windows/call/KeyTones.h"

namespace {

struct KeyTone {
    char key;
    const char* sound;
};

constexpr KeyTone kNamedTones[] = {{'*', "x"}, {'#', "#"},          {'h', "h"},       {'i', "ringin"},
                                   {'m', "aa"}, {'o', "ringout"},   {'r', "r"},       {'t', "disconnect"},
                                   {'v', "ringing"}, {'w', "w"}};

constexpr const char* kDigitTones[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

} // namespace

const char* KeyToneSoundName(char key)
{
    if (key >= '0' && key <= '9')
        return kDigitTones[key - '0'];
    for (const KeyTone& tone : kNamedTones) {
        if (tone.key == key)
            return tone.sound;
    }
    return "a";
}

bool IsDtmfKey(char key)
{
    return (key >= '0' && key <= '9') || key == '*' || key == '#';
}

TypedKey ShiftedKey(UINT virtualKey)
{
    // The US keyboard's symbols over '1' to '9'.
    static constexpr TypedKey kShifted[] = {{L'!', '#'}, {L'@', '#'}, {L'#', '#'}, {L'$', '*'}, {L'%', '*'},
                                            {L'^', '*'}, {L'&', '*'}, {L'*', '*'}, {L'(', '#'}};
    if (virtualKey >= '1' && virtualKey <= '9')
        return kShifted[virtualKey - '1'];
    return {};
}

TypedKey PlainKey(UINT virtualKey)
{
    if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD9)
        virtualKey = '0' + (virtualKey - VK_NUMPAD0);
    if (virtualKey >= '0' && virtualKey <= '9')
        return {static_cast<wchar_t>(virtualKey), static_cast<char>(virtualKey)};
    if (virtualKey == VK_MULTIPLY)
        return {L'*', '*'};
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return {static_cast<wchar_t>(L'a' + (virtualKey - 'A')), 'a'};
    return {};
}
