#pragma once
// The shipped form of a language file: the sources are UTF-8 so they stay readable; the program
// reads UTF-16 little-endian with a byte-order mark, which the platform's profile reader takes
// whatever the user's code page (Russian needs it). Plain C++, so the host tool and the tests
// share it.
#include <string>

// utf8: the source, with or without a UTF-8 byte-order mark, LF or CR LF line ends.
// On success `text` holds the byte-order mark, then every character with CR LF line ends, the
// last line ended too, then blanks up to a multiple of 8 bytes: the cipher pads its last block
// with zero bytes, and a whole number of blocks keeps those zeros away from the reader.
// false with a reason for a source that is not well-formed UTF-8 or holds a zero character.
bool MakeLanguageText(const std::string& utf8, std::string& text, std::string& error);
