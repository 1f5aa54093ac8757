#pragma once
// Helpers for the text table tests: language files written on the spot in the form the program
// reads (UTF-16 little-endian with a byte-order mark), and the table seen as a list.
#include "texts/UiTextTable.h"

#include <string>
#include <vector>

namespace config_test {

// UTF-16 little-endian bytes of text, with a byte-order mark in front.
inline std::string Utf16File(const std::wstring& text)
{
    std::string bytes = "\xFF\xFE";
    for (const wchar_t ch : text) {
        bytes += static_cast<char>(ch & 0xFF);
        bytes += static_cast<char>((ch >> 8) & 0xFF);
    }
    return bytes;
}

struct TextSlot {
    std::wstring section;
    std::wstring key;
    std::wstring text;
};

// Every slot of the table with its current text, in table order.
inline std::vector<TextSlot> Slots(const UiTextTable& table)
{
    std::vector<TextSlot> slots;
    ForEachUiText(table, [&slots](const wchar_t* section, const wchar_t* key, const CString& text) {
        slots.push_back({section, key, text.Str()});
    });
    return slots;
}

// Sets every text to "<section>/<key>", so a test can tell which slot a text landed in.
inline void MarkEveryText(UiTextTable& table)
{
    ForEachUiText(table, [](const wchar_t* section, const wchar_t* key, CString& text) {
        text = CString(section) + L"/" + key;
    });
}

} // namespace config_test
