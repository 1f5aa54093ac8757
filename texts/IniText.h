#pragma once
// A profile (INI) text held in memory, read once and looked up as often as needed: the
// platform's profile-file service opens and parses the file again for every value.
//
// It reads as that service does: "[name]" opens a section, "key=value" gives a value, names
// match without regard to ASCII letter case (the first section and key of a name count), a
// value loses the blanks at its ends and then one pair of enclosing quotes. Lines starting
// with ";" and lines without "=" give nothing.
#include "framework/String.h"

#include <cstddef>
#include <string>
#include <unordered_map>

class IniText {
public:
    IniText() = default;
    explicit IniText(const std::wstring& text);

    // The whole file at `path`, read once; a missing or unreadable file gives an empty text.
    static IniText FromFile(const CString& path);

    // The characters of a file's bytes: UTF-16 in either byte order or UTF-8 after its
    // byte-order mark, else the ANSI code page. The text ends at its first zero character
    // (a deciphered file ends in zero padding).
    static std::wstring Decode(const void* bytes, size_t size);

    // The value of key in section; null when either is absent.
    const std::wstring* Find(const CString& section, const CString& key) const;

private:
    std::unordered_map<std::wstring, std::wstring> m_values;   // folded "section\nkey" -> value
};
