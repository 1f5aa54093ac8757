#pragma once
// Fonts in legacy skin files: a LOGFONT written as profile-structure text, two hex
// digits for each byte in memory order, then two digits of a checksum byte (the low 8
// bits of the sum of the bytes). A UTF-16 skin holds a LOGFONTW (92 bytes, 186 digits),
// an ANSI skin a LOGFONTA (60 bytes, 122 digits) whose face name is in the ANSI code page.
//
// The text is decoded here, byte for byte as the profile-structure functions would
// decode it, so no scratch profile file is needed.
#include <cstddef>

#include <windows.h>

namespace Vexel {

// Fills `data` (`size` bytes) from profile-structure text. False, with `data` zero-filled,
// when the text is not exactly 2 x size + 2 hex digits (either letter case) or its
// checksum does not match.
bool DecodeProfileStruct(LPCWSTR text, void* data, std::size_t size);

// The font of a legacy value: a LOGFONTW from a UTF-16 skin (`wideText`), else a LOGFONTA
// whose first 28 bytes are taken as they are and whose face name is widened from the
// ANSI code page, at most 31 characters. A text that does not decode gives a zero-filled
// font and false.
bool ParseLogFontText(LPCWSTR text, LOGFONTW& font, bool wideText);

} // namespace Vexel
