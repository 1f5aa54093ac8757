#include "config/settings/CodecInfo.h"

#include "core/TavikUtility.h"

namespace {

constexpr AudioCodecInfo kAudioCodecInfos[] = {
    {"g.729", L"G.279 codec", L"24000 - 24000", L"8000", 7},
    {"g.711 uLaw", L"G.711 uLaw codec", L"80000 - 80000", L"8000", 8},
    {"g.711 aLaw", L"G.711 aLaw codec", L"80000 - 80000", L"8000", 8},
    {"GSM", L"GSM codec", L"30000 - 30000", L"8000", 6},
    {"iLBC", L"iLBC codec", L"29500 - 29500", L"8000", 7},
    {"SPEEX", L"SPEEX codec", L"14000 - 23000", L"8000", 7},
    {"SPEEX-WB", L"SPEEX Wideband codec", L"20800 - 58400", L"16000", 9},
    {"AMR", L"AMR codec", L"47500 - 122000", L"8000", 8},
    {"AMR-WB", L"AMR Wideband codec", L"66000 - 238500", L"16000", 10},
    {"g.722", L"G.722 Wideband codec", L"80000 - 80000", L"16000", 8},
    {"g.722.1", L"G.722.1 codec", L"240000 - 320000", L"16000", 10},
};

constexpr VideoCodecInfo kVideoCodecInfos[] = {
    {"H.264", L"H.264 codec", 7, 10},
    {"H.263+(1998)", L"H.263+(1998) codec", 5, 7},
    {"H.263", L"H.263 codec", 3, 5},
};

template <class Info, size_t N>
const Info* Find(const Info (&table)[N], std::string_view name)
{
    for (const Info& info : table) {
        if (TavikUtility::CompareNoCase(info.name, name) == 0)
            return &info;
    }
    return nullptr;
}

} // namespace

const AudioCodecInfo* FindAudioCodecInfo(std::string_view name)
{
    return Find(kAudioCodecInfos, name);
}

const VideoCodecInfo* FindVideoCodecInfo(std::string_view name)
{
    return Find(kVideoCodecInfos, name);
}
