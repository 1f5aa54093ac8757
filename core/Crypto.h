#pragma once
// The text layer over the cipher: text to upper-case hex cipher text and back, under the
// program's fixed key. Used for the stored account password.
#include <cstddef>
#include <string>
#include <string_view>

class Crypto {
public:
    // Plain and cipher text are each limited to this many bytes per call.
    static constexpr std::size_t kMaxBytes = 16384;

    virtual ~Crypto() = default;

    // false when the text is longer than kMaxBytes (hexOut untouched); otherwise hexOut
    // receives two upper-case hex digits per cipher byte (none for the empty text), true.
    bool Encrypt(std::string_view text, std::string& hexOut) const;

    // false when the hex text stands for more than kMaxBytes bytes (textOut untouched).
    // Otherwise textOut receives the deciphered bytes up to the first zero byte, which drops
    // the padding, and the result is true. Hex whose byte count is below 8 or no multiple of
    // 8 deciphers to the empty text; malformed hex deciphers to wrong bytes, not an error.
    bool Decrypt(std::string_view hex, std::string& textOut) const;
};
