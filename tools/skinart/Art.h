#pragma once
// What the tool paints, by file name. Each image is complete (transparent parts already laid
// over their matte), ready to be written as it is.
#include "Raster.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace skinart {

using NamedImage = std::pair<std::string, Image>;

// The window and page backgrounds (their sizes are the windows' sizes).
std::vector<NamedImage> PaintWindowBackgrounds();
// Every other skin bitmap: state strips, pictograms, scroll bars, history icons, notifier.
std::vector<NamedImage> PaintControlBitmaps();

struct NamedIcon {
    std::string file;
    std::vector<Image> sizes;
};
// The program's icons (application, collapsed group, expanded group).
std::vector<NamedIcon> PaintProgramIcons();
// Avatar pictures: a bitmap and an icon per face.
std::vector<NamedImage> PaintAvatarBitmaps();
std::vector<NamedIcon> PaintAvatarIcons();

struct NamedSound {
    std::string file;
    std::vector<std::int16_t> samples;
};
constexpr int kSoundRate = 8000;
std::vector<NamedSound> MakeCallSounds();

} // namespace skinart
