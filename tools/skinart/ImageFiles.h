#pragma once
// Writers of the three file formats the program reads: 24-bit BMP, ICO and 16-bit PCM WAV.
#include "Raster.h"

#include <cstdint>
#include <string>
#include <vector>

namespace skinart {

// A bottom-up 24-bit BMP; pixels that are not opaque are laid over `matte` first.
bool WriteBmp(const std::string& path, const Image& image, Rgba matte = Hex(0xFFFFFF));
// An icon file holding each image (square, at most 256 pixels) as a 32-bit entry with its mask.
bool WriteIco(const std::string& path, const std::vector<Image>& sizes);
// Mono 16-bit PCM.
bool WriteWav(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate);

} // namespace skinart
