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
