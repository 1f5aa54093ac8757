#include "core/Base64.h"

#include <gtest/gtest.h>

namespace {

TEST(Base64Encode, BothAlphabetsAndPads)
{
    struct Case {
        std::string bytes;
        const char* standard;
        const char* urlSafe;
    } const cases[] = {
        {"", "", ""},
        {"a", "YQ==", "YQ.."},
        {"ab", "YWI=", "YWI."},
        {"abc", "YWJj", "YWJj"},
        {"abcd", "YWJjZA==", "YWJjZA.."},
        {"\xFB\xFF\xBF", "+/+/", "-_-_"},
        {std::string("\0\0\0", 3), "AAAA", "AAAA"},
        {"C:\\Program Files\\Lumeo", "QzpcUHJvZ3JhbSBGaWxlc1xMdW1lbw==", "QzpcUHJvZ3JhbSBGaWxlc1xMdW1lbw.."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Base64Encode(c.bytes, false), c.standard) << c.bytes;
        EXPECT_EQ(Base64Encode(c.bytes, true), c.urlSafe) << c.bytes;
    }
}

TEST(Base64Decode, AcceptsBothAlphabetsAndSkipsOtherCharacters)
{
    struct Case {
        std::string text;
        std::string bytes;
    } const cases[] = {
        {"YWI.", "ab"},
        {"YWI=", "ab"},
        {"YQ==", "a"},
        {"YQ..", "a"},
        {"YQ=.", "a"},
        {"YWI", ""},               // no pad: the open group is dropped
        {"YWJjYQ", "abc"},
        {"Y W\r\nJ\tj", "abc"},     // blanks and line ends are skipped
        {"+/+/", "\xFB\xFF\xBF"},
        {"-_-_", "\xFB\xFF\xBF"},
        {"+_-/", "\xFB\xFF\xBF"},  // alphabets may even mix
        {"YWJj=YWJj", "abc"},      // the first pad ends the text
        {"YWJjY=", "abc"},         // a pad after a single character gives nothing more
        {"\xD9\xD7\xC9.", "ab"},   // characters are taken modulo 128
        {"", ""},
        {"!!!!", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Base64Decode(c.text), c.bytes) << c.text;
}

TEST(Base64Decode, SizeLimit)
{
    std::string text;
    for (size_t i = 0; i < kBase64DecodeLimit / 4; ++i)
        text += "YWJj";
    ASSERT_EQ(text.size(), kBase64DecodeLimit);
    EXPECT_EQ(Base64Decode(text).size(), kBase64DecodeLimit / 4 * 3);
    text += ' ';
    EXPECT_EQ(Base64Decode(text), "");
}

TEST(Base64, EveryByteValueRoundTrips)
{
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    for (size_t length = 0; length <= 6; ++length) {
        const std::string piece = bytes.substr(250 - length, length);
        EXPECT_EQ(Base64Decode(Base64Encode(piece, true)), piece) << length;
        EXPECT_EQ(Base64Decode(Base64Encode(piece, false)), piece) << length;
    }
    EXPECT_EQ(Base64Decode(Base64Encode(bytes, true)), bytes);
    EXPECT_EQ(Base64Encode(bytes, true).find_first_of("+/="), std::string::npos);
}

} // namespace
