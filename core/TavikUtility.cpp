#include "core/TavikUtility.h"

#include <windows.h>

namespace {

signed char UpperByte(char c)
{
    if (c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 'a' + 'A');
    return static_cast<signed char>(c);
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The value of the leading hex digits of a one- or two-character piece; false when the
// piece does not start with one.
bool ReadHexPiece(std::string_view piece, unsigned int& value)
{
    const int high = HexDigit(piece[0]);
    if (high < 0)
        return false;
    const int low = piece.size() > 1 ? HexDigit(piece[1]) : -1;
    value = low < 0 ? static_cast<unsigned int>(high) : static_cast<unsigned int>(high * 16 + low);
    return true;
}

} // namespace

std::string TavikUtility::FoldCase(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded)
        c = static_cast<char>(UpperByte(c));
    return folded;
}

int TavikUtility::CompareNoCase(std::string_view a, std::string_view b)
{
    const size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i) {
        const signed char ca = UpperByte(a[i]);
        const signed char cb = UpperByte(b[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

void TavikUtility::HexToBytes(std::string_view hex, unsigned char* out, size_t* count)
{
    if (!out || !count)
        return;
    // An odd digit count still writes one more byte for the last digit.
    const size_t needed = (hex.size() + 1) / 2;
    if (needed > *count)
        return;
    *count = 0;
    for (size_t i = 0; i < hex.size(); i += 2) {
        unsigned int value = 0;
        if (ReadHexPiece(hex.substr(i, 2), value))
            out[*count] = static_cast<unsigned char>(value);
        ++*count;
    }
}

std::string TavikUtility::BytesToHex(const unsigned char* bytes, size_t n)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    hex.resize(n * 2);
    for (size_t i = 0; i < n; ++i) {
        hex[2 * i] = digits[bytes[i] >> 4];
        hex[2 * i + 1] = digits[bytes[i] & 0x0F];
    }
    return hex;
}

bool TavikUtility::GetAppDirectory(std::string& out, bool noTrailingBackslash)
{
    out.clear();
    // A path that fills the buffer may have been cut: grow until it fits, up to the longest
    // path the system has.
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return false;
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        if (path.size() >= 32768)
            return false;
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of('\\');
    if (slash == std::string::npos)
        return false;
    path.resize(slash);
    if (!noTrailingBackslash)
        path += '\\';
    out = std::move(path);
    return true;
}
