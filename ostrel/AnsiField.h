#pragma once
// Puts a UTF-16 text into one of ContactRecord's fixed ANSI fields.
#include <cstddef>

namespace ostrel {

// Converts `units` UTF-16 units of `text` to the ANSI code page (characters it lacks become
// its default character) and writes at most size - 1 bytes of it to `field`, cut on a
// character boundary. The bytes past the text are left as they are: the caller zeroes the
// field first, so the text always ends with a zero.
void CopyAnsiField(const wchar_t* text, std::size_t units, char* field, std::size_t size);

} // namespace ostrel
