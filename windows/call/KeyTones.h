#pragma once
// The call page's sounds by key: each key names one WAV file in the program's "sound" folder,
// and the dial-pad keys also go to a running call as DTMF digits. Also what each keyboard key
// types into the number field, and with which tone.
#include <windows.h>

// The sound file's name (without ".wav") for `key`: the digits name themselves, '*' "x",
// '#' "#", 'h' "h", 'i' "ringin", 'm' "aa", 'o' "ringout", 'r' "r", 't' "disconnect",
// 'v' "ringing", 'w' "w"; any other key "a".
const char* KeyToneSoundName(char key);

// '0'..'9', '*' and '#': keys a running call receives as DTMF.
bool IsDtmfKey(char key);

// A character a key puts into the number field, and the key tone it plays.
struct TypedKey {
    wchar_t character = 0;   // 0: the key types nothing here
    char tone = 0;
};

// The main block's '1'..'9' with Shift down: "!" "@" "#" (tone '#'), "$" "%" "^" "&" "*"
// (tone '*'), "(" (tone '#'). Any other key: nothing (Shift with '0' is the plain '0').
TypedKey ShiftedKey(UINT virtualKey);

// Without Shift: '0'..'9' and the keypad's digits type their digit with its own tone,
// VK_MULTIPLY "*" with tone '*', 'A'..'Z' the lower-case letter with tone 'a'. Any other
// key: nothing.
TypedKey PlainKey(UINT virtualKey);
