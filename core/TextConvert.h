#pragma once
// Conversions at the borders: the core's ANSI texts, UTF-8 toward SQLite and the engine, and
// the windows' wide texts.
#include "framework/String.h"

#include <string>
#include <string_view>

// Through UTF-16; input that is not valid in the source encoding gives the empty text.
// Characters the ANSI code page lacks become its default character.
std::string Utf8ToAnsi(std::string_view utf8);
std::string AnsiToUtf8(std::string_view ansi);

// UTF-8 and UTF-16 without a length limit; invalid sequences become U+FFFD.
CString Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(const CString& wide);

// Between the windows' wide texts and the core's ANSI texts, cut to kAnsiWideLimit units
// (never in the middle of a character).
std::string WideToAnsi(const CString& wide);
CString AnsiToWide(std::string_view ansi);

// Narrow text is no wide text: refuse it rather than let CString widen it on the way in.
std::string WideToUtf8(LPCSTR) = delete;
std::string WideToAnsi(LPCSTR) = delete;

constexpr size_t kAnsiWideLimit = 4095;
