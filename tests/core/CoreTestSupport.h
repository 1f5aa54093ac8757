#pragma once
// Helpers shared by the core tests.
#include "tests/support/TempDir.h"

#include <windows.h>

#include <string>

namespace core_test {

// A wide path as UTF-8 (what TavikSQL::Open takes).
inline std::string Utf8Path(const std::wstring& path)
{
    const int n = WideCharToMultiByte(CP_UTF8, 0, path.c_str(), static_cast<int>(path.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, path.c_str(), static_cast<int>(path.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// A wide path in the ANSI code page (what the program's folders are kept in).
inline std::string AnsiPath(const std::wstring& path)
{
    const int n = WideCharToMultiByte(CP_ACP, 0, path.c_str(), static_cast<int>(path.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, path.c_str(), static_cast<int>(path.size()), out.data(), n, nullptr, nullptr);
    return out;
}

} // namespace core_test
