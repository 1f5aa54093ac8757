#include "LanguageText.h"

#include <cstdint>

namespace {

constexpr std::size_t kBlockSize = 8;

void AppendUnit(std::string& out, std::uint32_t unit)
{
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>((unit >> 8) & 0xFF);
}

void AppendCodePoint(std::string& out, std::uint32_t codePoint)
{
    if (codePoint < 0x10000) {
        AppendUnit(out, codePoint);
        return;
    }
    codePoint -= 0x10000;
    AppendUnit(out, 0xD800 + (codePoint >> 10));
    AppendUnit(out, 0xDC00 + (codePoint & 0x3FF));
}

// Decodes the character at `at`, advancing past it; false for a malformed, overlong or
// surrogate sequence.
bool NextCodePoint(const std::string& utf8, std::size_t& at, std::uint32_t& codePoint)
{
    const auto byte = [&utf8](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const unsigned char lead = byte(at);
    int extra = 0;
    std::uint32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        codePoint = lead & 0x1F, extra = 1, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        codePoint = lead & 0x0F, extra = 2, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        codePoint = lead & 0x07, extra = 3, minimum = 0x10000;
    } else {
        return false;
    }
    if (utf8.size() - at <= static_cast<std::size_t>(extra))
        return false;
    for (int i = 1; i <= extra; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return false;
        codePoint = (codePoint << 6) | (byte(at + i) & 0x3F);
    }
    at += 1 + extra;
    return codePoint >= minimum && codePoint <= 0x10FFFF && (codePoint < 0xD800 || codePoint > 0xDFFF);
}

} // namespace

bool MakeLanguageText(const std::string& utf8, std::string& text, std::string& error)
{
    std::string out;
    out.reserve(utf8.size() * 2 + 16);
    AppendUnit(out, 0xFEFF);
    std::size_t at = utf8.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    bool lineOpen = false;
    while (at < utf8.size()) {
        const std::size_t start = at;
        std::uint32_t codePoint = 0;
        if (!NextCodePoint(utf8, at, codePoint)) {
            error = "not UTF-8 at byte " + std::to_string(start);
            return false;
        }
        if (codePoint == 0) {
            error = "a zero character at byte " + std::to_string(start);
            return false;
        }
        if (codePoint == '\r')
            continue;  // line ends are written as CR LF below
        if (codePoint == '\n')
            AppendUnit(out, '\r');
        AppendCodePoint(out, codePoint);
        lineOpen = codePoint != '\n';
    }
    if (lineOpen) {
        AppendUnit(out, '\r');
        AppendUnit(out, '\n');
    }
    while (out.size() % kBlockSize != 0)
        AppendUnit(out, ' ');
    text.swap(out);
    return true;
}
