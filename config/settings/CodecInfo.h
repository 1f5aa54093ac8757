#pragma once
// What the codec pages show about a codec: description, bitrate range and sample rate of the
// audio codecs, CPU usage of the video codecs, and a quality mark (0..10) of both. Names are
// compared without regard to letter case; a name neither table knows gives null.
#include <string_view>

struct AudioCodecInfo {
    const char* name;
    const wchar_t* description;
    const wchar_t* bitrateRange;
    const wchar_t* sampleRate;
    int quality;
};

struct VideoCodecInfo {
    const char* name;
    const wchar_t* description;
    int cpuUsage;
    int quality;
};

const AudioCodecInfo* FindAudioCodecInfo(std::string_view name);
const VideoCodecInfo* FindVideoCodecInfo(std::string_view name);
