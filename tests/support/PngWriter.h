#pragma once
// A small PNG writer for pictures the tests keep (screenshots and their contact sheet):
// 8-bit RGB, one IDAT chunk, compressed by a fixed-code deflate of our own so no image
// library is needed.
#include <cstdint>
#include <string>
#include <vector>

namespace lumeo_test {

// Top-down RGB pixels, three bytes each, rows packed without padding.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;   // width * height * 3

    RgbImage() = default;
    RgbImage(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h * 3, 0) {}
    std::uint8_t* Row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width * 3; }
    const std::uint8_t* Row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * width * 3; }
};

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size);

// The zlib stream (header, deflate data, Adler-32) of `data`.
std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& data);

// The whole PNG file of `image`.
std::vector<std::uint8_t> EncodePng(const RgbImage& image);
bool WritePngFile(const std::wstring& path, const RgbImage& image);

} // namespace lumeo_test
