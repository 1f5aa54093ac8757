#pragma once
// The call page's sounds by key: each key names one WAV file in the program's "sound" folder,
// and the dial-pad keys also go to a running call as DTMF digits.

// The sound file's name (without ".wav") for `key`: the digits name themselves, '*' "x",
// '#' "#", 'h' "h", 'i' "ringin", 'm' "aa", 'o' "ringout", 'r' "r", 't' "disconnect",
// 'v' "ringing", 'w' "w"; any other key "a".
const char* KeyToneSoundName(char key);

// '0'..'9', '*' and '#': keys a running call receives as DTMF.
bool IsDtmfKey(char key);
