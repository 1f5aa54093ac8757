#include "core/TextConvert.h"

#include <windows.h>

#include <limits>

namespace {

// Windows takes int lengths; longer texts than that are not converted.
bool FitsInt(size_t n)
{
    return n <= static_cast<size_t>(std::numeric_limits<int>::max());
}

// False when the text is empty, too long, or (with MB_ERR_INVALID_CHARS) not valid.
bool ToWide(UINT codePage, DWORD flags, std::string_view text, std::wstring& wide)
{
    wide.clear();
    if (text.empty() || !FitsInt(text.size()))
        return false;
    const int source = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(codePage, flags, text.data(), source, nullptr, 0);
    if (n <= 0)
        return false;
    wide.resize(static_cast<size_t>(n));
    return MultiByteToWideChar(codePage, flags, text.data(), source, wide.data(), n) == n;
}

std::string FromWide(UINT codePage, std::wstring_view wide)
{
    std::string text;
    if (wide.empty() || !FitsInt(wide.size()))
        return text;
    const int source = static_cast<int>(wide.size());
    const int n = WideCharToMultiByte(codePage, 0, wide.data(), source, nullptr, 0, nullptr, nullptr);
    if (n <= 0)
        return text;
    text.resize(static_cast<size_t>(n));
    if (WideCharToMultiByte(codePage, 0, wide.data(), source, text.data(), n, nullptr, nullptr) != n)
        text.clear();
    return text;
}

// The longest prefix of at most limit bytes that ends on a character boundary.
size_t AnsiCut(const std::string& text, size_t limit)
{
    size_t end = 0;
    while (end < text.size()) {
        const size_t next = end + (IsDBCSLeadByte(static_cast<BYTE>(text[end])) ? 2 : 1);
        if (next > limit)
            break;
        end = next;
    }
    return end;
}

} // namespace

std::string Utf8ToAnsi(std::string_view utf8)
{
    std::wstring wide;
    if (!ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, wide))
        return {};
    return FromWide(CP_ACP, wide);
}

std::string AnsiToUtf8(std::string_view ansi)
{
    std::wstring wide;
    if (!ToWide(CP_ACP, MB_ERR_INVALID_CHARS, ansi, wide))
        return {};
    return FromWide(CP_UTF8, wide);
}

CString Utf8ToWide(std::string_view utf8)
{
    std::wstring wide;
    ToWide(CP_UTF8, 0, utf8, wide);
    return CString(wide);
}

std::string WideToUtf8(const CString& wide)
{
    return FromWide(CP_UTF8, wide.Str());
}

std::string WideToAnsi(const CString& wide)
{
    std::string text = FromWide(CP_ACP, wide.Str());
    if (text.size() > kAnsiWideLimit)
        text.resize(AnsiCut(text, kAnsiWideLimit));
    return text;
}

CString AnsiToWide(std::string_view ansi)
{
    std::wstring wide;
    ToWide(CP_ACP, 0, ansi, wide);
    if (wide.size() > kAnsiWideLimit) {
        size_t end = kAnsiWideLimit;
        if (IS_HIGH_SURROGATE(wide[end - 1]))
            --end;
        wide.resize(end);
    }
    return CString(wide);
}
