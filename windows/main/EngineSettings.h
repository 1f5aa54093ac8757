#pragma once
// The tables of the settings push: codec names to the engine's codec ids, the video quality
// rows to bitrates and the video resolution rows to the engine's resolution codes.
#include <string_view>

// Audio: "G.711 uLaw" 0, "G.711 aLaw" 8, "GSM" 3, "iLBC" 97, "G.722" 9, "SPEEX" 100,
// "SPEEX-WB" 102; names the engine cannot take ("G.729", "G.722.1", "AMR-WB", "AMR") and any
// other name, the empty one included, give a negative id. Letter case does not count.
int GetAudioCodecId(std::string_view name);
// Video: "H.263" 34, "H.263+(1998)" 115; "H.264" and any other name give a negative id.
int GetVideoCodecId(std::string_view name);
// Kilobits per second of quality rows 0..6 (128 .. 2000); 0 for any other row.
int GetVideoBitrate(int qualityLevel);
// The engine's resolution code of resolution rows 0..5 (row + 1); 2 for any other row.
int GetVideoResolutionCode(int resolutionRow);
// The same for the options' current row.
int GetVideoResolutionCode();

// The top of the engine's microphone and speaker volumes (0..kMaxVolume).
constexpr int kMaxVolume = 255;
// The engine's telephone-event payload, always offered last.
constexpr int kTelephoneEventCodec = 101;
