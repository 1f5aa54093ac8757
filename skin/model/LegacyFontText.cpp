#include "skin/model/LegacyFontText.h"

#include <cstddef>
#include <cstring>
#include <cwchar>

namespace Vexel {

namespace {

// The height, width, escapement, orientation and weight, then the eight byte fields:
// the same bytes in both forms of the structure.
constexpr std::size_t kLogFontFixedBytes = offsetof(LOGFONTW, lfFaceName);
static_assert(kLogFontFixedBytes == 28 && offsetof(LOGFONTA, lfFaceName) == kLogFontFixedBytes,
              "both LOGFONT forms share their first 28 bytes");

int HexDigitValue(wchar_t c)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    return -1;
}

// The byte of two hex digits, or -1.
int HexByte(const wchar_t* digits)
{
    const int high = HexDigitValue(digits[0]);
    const int low = HexDigitValue(digits[1]);
    return (high < 0 || low < 0) ? -1 : (high << 4) | low;
}

void WidenFaceName(const char (&narrow)[LF_FACESIZE], wchar_t (&wide)[LF_FACESIZE])
{
    // A face name that fills all 32 bytes has no terminator: take at most 32 bytes, and
    // keep at most 31 characters so the wide name always ends in a zero.
    const int length = static_cast<int>(strnlen(narrow, LF_FACESIZE));
    wchar_t converted[LF_FACESIZE * 2] = {};
    const int count = MultiByteToWideChar(CP_ACP, 0, narrow, length, converted, LF_FACESIZE * 2);
    const int kept = count < LF_FACESIZE - 1 ? count : LF_FACESIZE - 1;
    wmemcpy(wide, converted, kept);
    wmemset(wide + kept, L'\0', LF_FACESIZE - kept);
}

} // namespace

bool DecodeProfileStruct(LPCWSTR text, void* data, std::size_t size)
{
    BYTE* const bytes = static_cast<BYTE*>(data);
    memset(bytes, 0, size);
    if (!text || wcslen(text) != size * 2 + 2)
        return false;

    unsigned sum = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const int byte = HexByte(text + i * 2);
        if (byte < 0) {
            memset(bytes, 0, size);
            return false;
        }
        bytes[i] = static_cast<BYTE>(byte);
        sum += static_cast<unsigned>(byte);
    }
    const int checksum = HexByte(text + size * 2);
    if (checksum < 0 || static_cast<BYTE>(sum) != checksum) {
        memset(bytes, 0, size);
        return false;
    }
    return true;
}

bool ParseLogFontText(LPCWSTR text, LOGFONTW& font, bool wideText)
{
    if (wideText)
        return DecodeProfileStruct(text, &font, sizeof(font));

    LOGFONTA narrow;
    const bool decoded = DecodeProfileStruct(text, &narrow, sizeof(narrow));
    memset(&font, 0, sizeof(font));
    if (!decoded)
        return false;
    memcpy(&font, &narrow, kLogFontFixedBytes);
    WidenFaceName(narrow.lfFaceName, font.lfFaceName);
    return true;
}

} // namespace Vexel
