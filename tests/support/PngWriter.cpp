#include "tests/support/PngWriter.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <memory>

namespace lumeo_test {

namespace {

// Deflate's bit stream: values go in least significant bit first, Huffman codes most
// significant bit first.
class BitWriter {
public:
    explicit BitWriter(std::vector<std::uint8_t>& out) : m_out(out) {}
    void Bits(std::uint32_t value, int count)
    {
        m_buffer |= value << m_count;
        m_count += count;
        while (m_count >= 8) {
            m_out.push_back(static_cast<std::uint8_t>(m_buffer));
            m_buffer >>= 8;
            m_count -= 8;
        }
    }
    void Code(std::uint32_t code, int length)
    {
        std::uint32_t reversed = 0;
        for (int i = 0; i < length; ++i)
            reversed |= ((code >> i) & 1u) << (length - 1 - i);
        Bits(reversed, length);
    }
    void Flush()
    {
        if (m_count > 0)
            m_out.push_back(static_cast<std::uint8_t>(m_buffer));
        m_buffer = 0;
        m_count = 0;
    }

private:
    std::vector<std::uint8_t>& m_out;
    std::uint32_t m_buffer = 0;
    int m_count = 0;
};

// The fixed literal/length code of deflate.
void Symbol(BitWriter& bits, int symbol)
{
    if (symbol < 144)
        bits.Code(0x30 + symbol, 8);
    else if (symbol < 256)
        bits.Code(0x190 + symbol - 144, 9);
    else if (symbol < 280)
        bits.Code(symbol - 256, 7);
    else
        bits.Code(0xC0 + symbol - 280, 8);
}

constexpr std::array<int, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                             31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase = {1,    2,    3,    4,    5,    7,     9,     13,    17,  25,
                                               33,   49,   65,   97,   129,  193,   257,   385,   513, 769,
                                               1025, 1537, 2049, 3073, 4097, 6145,  8193,  12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void Match(BitWriter& bits, int length, int distance)
{
    int l = 28;
    while (kLengthBase[l] > length)
        --l;
    Symbol(bits, 257 + l);
    bits.Bits(static_cast<std::uint32_t>(length - kLengthBase[l]), kLengthExtra[l]);
    int d = 29;
    while (kDistanceBase[d] > distance)
        --d;
    bits.Code(static_cast<std::uint32_t>(d), 5);
    bits.Bits(static_cast<std::uint32_t>(distance - kDistanceBase[d]), kDistanceExtra[d]);
}

constexpr int kWindow = 32768;
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr int kHashBits = 15;
constexpr int kMaxProbes = 16;   // enough for screenshots, whose runs and repeated rows match at once

std::uint32_t HashAt(const std::uint8_t* p)
{
    return ((p[0] << 10) ^ (p[1] << 5) ^ p[2]) & ((1u << kHashBits) - 1);
}

// One final block of fixed codes; matches are found through hash chains over the window.
void Deflate(const std::vector<std::uint8_t>& data, std::vector<std::uint8_t>& out)
{
    BitWriter bits(out);
    bits.Bits(1, 1);   // final block
    bits.Bits(1, 2);   // fixed Huffman codes
    const int size = static_cast<int>(data.size());
    std::vector<int> head(1u << kHashBits, -1);
    std::vector<int> previous(kWindow, -1);
    const auto insert = [&](int at) {
        if (at + kMinMatch > size)
            return;
        const std::uint32_t h = HashAt(&data[at]);
        previous[at % kWindow] = head[h];
        head[h] = at;
    };
    int at = 0;
    while (at < size) {
        int bestLength = 0;
        int bestDistance = 0;
        if (at + kMinMatch <= size) {
            const int limit = std::min(kMaxMatch, size - at);
            int candidate = head[HashAt(&data[at])];
            for (int probe = 0; candidate >= 0 && at - candidate <= kWindow && probe < kMaxProbes; ++probe) {
                int length = 0;
                while (length < limit && data[candidate + length] == data[at + length])
                    ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = at - candidate;
                    if (length == limit)
                        break;
                }
                const int next = previous[candidate % kWindow];
                if (next >= candidate)
                    break;   // the slot was reused by a later position
                candidate = next;
            }
        }
        if (bestLength >= kMinMatch) {
            Match(bits, bestLength, bestDistance);
            for (int i = 0; i < bestLength; ++i)
                insert(at + i);
            at += bestLength;
        } else {
            Symbol(bits, data[at]);
            insert(at);
            ++at;
        }
    }
    Symbol(bits, 256);
    bits.Flush();
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void Chunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& body)
{
    PutBigEndian(out, static_cast<std::uint32_t>(body.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    PutBigEndian(out, Crc32(out.data() + start, out.size() - start));
}

} // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

std::uint32_t Adler32(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& data)
{
    std::vector<std::uint8_t> out = {0x78, 0x01};   // deflate, 32K window, no dictionary
    out.reserve(data.size() / 4 + 64);
    Deflate(data, out);
    PutBigEndian(out, Adler32(data.data(), data.size()));
    return out;
}

std::vector<std::uint8_t> EncodePng(const RgbImage& image)
{
    // Each row is stored with filter 0 (none); the matcher finds what repeats.
    std::vector<std::uint8_t> raw;
    const std::size_t stride = static_cast<std::size_t>(image.width) * 3;
    raw.reserve((stride + 1) * image.height);
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), image.Row(y), image.Row(y) + stride);
    }
    std::vector<std::uint8_t> header;
    PutBigEndian(header, static_cast<std::uint32_t>(image.width));
    PutBigEndian(header, static_cast<std::uint32_t>(image.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});   // 8 bits, RGB, deflate, standard filters, no interlace

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", ZlibCompress(raw));
    Chunk(png, "IEND", {});
    return png;
}

bool WritePngFile(const std::wstring& path, const RgbImage& image)
{
    const std::vector<std::uint8_t> png = EncodePng(image);
    const HANDLE opened =
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return false;
    const std::unique_ptr<void, decltype(&::CloseHandle)> file(opened, &::CloseHandle);
    DWORD written = 0;
    return ::WriteFile(file.get(), png.data(), static_cast<DWORD>(png.size()), &written, nullptr) &&
           written == png.size();
}

} // namespace lumeo_test
