#include "core/Base64.h"

#include <array>

namespace {

constexpr char kStandard[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/=";
constexpr char kUrlSafe[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_.";

constexpr signed char kSkip = -1;
constexpr signed char kPad = 64;

// One table for both alphabets, indexed by the character modulo 128.
constexpr std::array<signed char, 128> MakeDecodeTable()
{
    std::array<signed char, 128> table{};
    for (auto& entry : table)
        entry = kSkip;
    for (int i = 0; i < 64; ++i) {
        table[static_cast<unsigned char>(kStandard[i])] = static_cast<signed char>(i);
        table[static_cast<unsigned char>(kUrlSafe[i])] = static_cast<signed char>(i);
    }
    table['='] = kPad;
    table['.'] = kPad;
    return table;
}

constexpr std::array<signed char, 128> kDecode = MakeDecodeTable();

signed char Lookup(char c)
{
    return kDecode[static_cast<unsigned char>(c) & 0x7F];
}

} // namespace

std::string Base64Encode(std::string_view bytes, bool urlSafe)
{
    const char* const alphabet = urlSafe ? kUrlSafe : kStandard;
    const char pad = alphabet[64];
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const unsigned int v = static_cast<unsigned char>(bytes[i]) << 16 |
                               static_cast<unsigned char>(bytes[i + 1]) << 8 | static_cast<unsigned char>(bytes[i + 2]);
        text += alphabet[v >> 18 & 0x3F];
        text += alphabet[v >> 12 & 0x3F];
        text += alphabet[v >> 6 & 0x3F];
        text += alphabet[v & 0x3F];
    }
    const size_t rest = bytes.size() - i;
    if (rest > 0) {
        unsigned int v = static_cast<unsigned char>(bytes[i]) << 16;
        if (rest == 2)
            v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        text += alphabet[v >> 18 & 0x3F];
        text += alphabet[v >> 12 & 0x3F];
        text += rest == 2 ? alphabet[v >> 6 & 0x3F] : pad;
        text += pad;
    }
    return text;
}

std::string Base64Decode(std::string_view text)
{
    std::string bytes;
    if (text.size() > kBase64DecodeLimit)
        return bytes;
    bytes.reserve(text.size() / 4 * 3);
    unsigned int group = 0;
    int pending = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const signed char value = Lookup(text[i]);
        if (value == kSkip)
            continue;
        if (value == kPad) {
            // A pad after fewer than two characters of a group cannot end a byte: nothing.
            if (pending >= 2) {
                group <<= 6 * (4 - pending);
                bytes += static_cast<char>(group >> 16 & 0xFF);
                const bool doublePad = i + 1 < text.size() && Lookup(text[i + 1]) == kPad;
                if (!doublePad)
                    bytes += static_cast<char>(group >> 8 & 0xFF);
            }
            return bytes;
        }
        group = group << 6 | static_cast<unsigned int>(value);
        if (++pending == 4) {
            bytes += static_cast<char>(group >> 16 & 0xFF);
            bytes += static_cast<char>(group >> 8 & 0xFF);
            bytes += static_cast<char>(group & 0xFF);
            group = 0;
            pending = 0;
        }
    }
    return bytes;
}
