#pragma once
// Base64 in the standard alphabet ("+", "/", pad "=") and the URL-safe one ("-", "_", pad "."),
// which the database uses for names and folders.
#include <string>
#include <string_view>

// Every 3 bytes give 4 characters; a last byte gives 2 characters and two pads, a last pair
// 3 characters and one pad. No line breaks.
std::string Base64Encode(std::string_view bytes, bool urlSafe);

// Accepts both alphabets and both pads at once; characters of neither are skipped. The first
// pad ends the text; a group left open without a pad is dropped. Text longer than
// kBase64DecodeLimit characters gives the empty result.
std::string Base64Decode(std::string_view text);

constexpr size_t kBase64DecodeLimit = 102400;
