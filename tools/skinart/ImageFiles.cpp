#include "ImageFiles.h"

#include <cstdio>
#include <memory>

namespace skinart {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

bool Save(const std::string& path, const Bytes& bytes)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file)
        return false;
    return std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() && std::fflush(file.get()) == 0;
}

Rgba Over(Rgba pixel, Rgba matte)
{
    const double a = pixel.a / 255.0;
    Rgba out;
    out.r = static_cast<std::uint8_t>(pixel.r * a + matte.r * (1 - a) + 0.5);
    out.g = static_cast<std::uint8_t>(pixel.g * a + matte.g * (1 - a) + 0.5);
    out.b = static_cast<std::uint8_t>(pixel.b * a + matte.b * (1 - a) + 0.5);
    return out;
}

// The 40-byte BITMAPINFOHEADER; `rows` is the height field (an icon entry doubles it).
void PutInfoHeader(Bytes& out, int width, int rows, int bits, std::uint32_t imageSize)
{
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(rows));
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bits));
    Put32(out, 0);   // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835);   // 72 dots per inch, as most tools write
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
}

Bytes IconEntryImage(const Image& image)
{
    const int w = image.Width();
    const int h = image.Height();
    const int maskStride = ((w + 31) / 32) * 4;
    Bytes out;
    PutInfoHeader(out, w, h * 2, 32, static_cast<std::uint32_t>(w * h * 4 + maskStride * h));
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const Rgba p = image.At(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
            out.push_back(p.a);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(maskStride), 0);
        for (int x = 0; x < w; ++x) {
            if (image.At(x, y).a == 0)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

} // namespace

bool WriteBmp(const std::string& path, const Image& image, Rgba matte)
{
    const int w = image.Width();
    const int h = image.Height();
    const int stride = (w * 3 + 3) & ~3;
    const std::uint32_t pixels = static_cast<std::uint32_t>(stride * h);
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, 14 + 40 + pixels);
    Put32(out, 0);
    Put32(out, 14 + 40);
    PutInfoHeader(out, w, h, 24, pixels);
    for (int y = h - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        for (int x = 0; x < w; ++x) {
            const Rgba p = Over(image.At(x, y), matte);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        while (out.size() - start < static_cast<std::size_t>(stride))
            out.push_back(0);
    }
    return Save(path, out);
}

bool WriteIco(const std::string& path, const std::vector<Image>& sizes)
{
    std::vector<Bytes> entries;
    for (const Image& image : sizes)
        entries.push_back(IconEntryImage(image));
    Bytes out;
    Put16(out, 0);
    Put16(out, 1);   // icon
    Put16(out, static_cast<unsigned>(sizes.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const int w = sizes[i].Width();
        const int h = sizes[i].Height();
        out.push_back(static_cast<std::uint8_t>(w >= 256 ? 0 : w));
        out.push_back(static_cast<std::uint8_t>(h >= 256 ? 0 : h));
        out.push_back(0);   // no palette
        out.push_back(0);
        Put16(out, 1);      // planes
        Put16(out, 32);     // bits per pixel
        Put32(out, static_cast<std::uint32_t>(entries[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(entries[i].size());
    }
    for (const Bytes& entry : entries)
        out.insert(out.end(), entry.begin(), entry.end());
    return Save(path, out);
}

bool WriteWav(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate)
{
    const std::uint32_t data = static_cast<std::uint32_t>(samples.size() * 2);
    Bytes out;
    for (char c : {'R', 'I', 'F', 'F'})
        out.push_back(static_cast<std::uint8_t>(c));
    Put32(out, 36 + data);
    for (char c : {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '})
        out.push_back(static_cast<std::uint8_t>(c));
    Put32(out, 16);
    Put16(out, 1);   // PCM
    Put16(out, 1);   // mono
    Put32(out, static_cast<std::uint32_t>(sampleRate));
    Put32(out, static_cast<std::uint32_t>(sampleRate * 2));
    Put16(out, 2);
    Put16(out, 16);
    for (char c : {'d', 'a', 't', 'a'})
        out.push_back(static_cast<std::uint8_t>(c));
    Put32(out, data);
    for (std::int16_t s : samples)
        Put16(out, static_cast<std::uint16_t>(s));
    return Save(path, out);
}

} // namespace skinart
