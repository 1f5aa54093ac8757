#pragma once
// Case-insensitive comparison of the skin file's words and type names: only
// the letters A to Z fold, so the result never depends on the user's locale.
#include <windows.h>

namespace Vexel {

constexpr wchar_t FoldAsciiCase(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

// Null equals "".
inline bool EqualsIgnoringAsciiCase(LPCWSTR a, LPCWSTR b)
{
    if (!a)
        a = L"";
    if (!b)
        b = L"";
    for (; *a && *b; ++a, ++b) {
        if (FoldAsciiCase(*a) != FoldAsciiCase(*b))
            return false;
    }
    return *a == *b;
}

} // namespace Vexel
