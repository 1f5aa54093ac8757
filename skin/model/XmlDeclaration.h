#pragma once
// The XML declaration at the head of a skin file, checked before the file reaches the DOM
// component. The platform's parser overruns its own stack on some declarations (a version
// of thirty digits is enough), and no exception handler survives that: so a declaration is
// let through only when it follows the XML grammar, with names and values of sane length.
//
// The head is read as the parser would read it: UTF-8 (with or without its byte-order mark)
// or UTF-16 in either byte order (with or without a mark, told by the "<?" it begins with).
#include <windows.h>

#include <cstddef>

namespace Vexel {

// The longest version and encoding name let through ("1.0" and "utf-8" are what skins use).
constexpr size_t kMaxXmlVersionLength = 8;
constexpr size_t kMaxXmlEncodingLength = 40;
// How many characters the whole declaration may take, white space included.
constexpr size_t kMaxXmlDeclarationLength = 256;

// True when the bytes start with no XML declaration, or with one that is well formed within
// the limits above. False for a declaration that breaks the grammar, exceeds a limit, or is
// not closed within kMaxXmlDeclarationLength characters of what was given.
bool IsSafeXmlHead(const void* bytes, size_t size);

// IsSafeXmlHead on the first bytes of the file at `path`. A file that cannot be opened or
// read is let through: the parser finds no document there, and says so.
bool XmlFileHeadIsSafe(LPCWSTR path);

} // namespace Vexel
