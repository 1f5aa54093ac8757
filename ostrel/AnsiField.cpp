#include "ostrel/AnsiField.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace ostrel {

void CopyAnsiField(const wchar_t* text, std::size_t units, char* field, std::size_t size)
{
    if (!text || units == 0 || size == 0)
        return;
    // Every UTF-16 unit gives at least half a byte, so twice the field's size in units is
    // more than enough to fill it; the rest of a long text is never converted.
    const int source = static_cast<int>(std::min(units, 2 * size));
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, source, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return;
    std::string ansi(static_cast<std::size_t>(bytes), '\0');
    if (WideCharToMultiByte(CP_ACP, 0, text, source, ansi.data(), bytes, nullptr, nullptr) != bytes)
        return;
    // A double-byte character that does not fit whole is left out, never cut in half.
    std::size_t end = 0;
    while (end < ansi.size()) {
        const std::size_t next = end + (IsDBCSLeadByte(static_cast<BYTE>(ansi[end])) ? 2 : 1);
        if (next > size - 1)
            break;
        end = next;
    }
    std::memcpy(field, ansi.data(), std::min(end, ansi.size()));
}

} // namespace ostrel
