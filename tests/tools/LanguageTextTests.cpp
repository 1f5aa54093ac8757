// The shipped form of a language source: UTF-8 in, UTF-16 little-endian with a byte-order mark,
// CR LF line ends and blank padding to whole cipher blocks out; malformed sources refused. And
// the host tool's --language output deciphers to exactly that form.
#include "core/Des.h"
#include "tools/langcipher/LanguageText.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Utf16(const std::u16string& text)
{
    std::string bytes;
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

const std::string kBom = "\xFF\xFE";

TEST(LanguageText, WritesUtf16WithAByteOrderMarkAndCrLfLineEnds)
{
    struct Case {
        const char* source;
        std::u16string text;  // before the padding
    } const cases[] = {
        {"[S]\nk=v\n", u"[S]\r\nk=v\r\n"},
        {"[S]\r\nk=v\r\n", u"[S]\r\nk=v\r\n"},
        {"\xEF\xBB\xBF[S]\nk=v", u"[S]\r\nk=v\r\n"},                                   // UTF-8 mark dropped, last line ended
        {"k=\xD0\x94\xD0\xB0 \xC3\xA9\xE2\x80\x99", u"k=\u0414\u0430 \u00e9\u2019\r\n"},  // Cyrillic, accents
        {"k=\xF0\x9F\x93\x9E", u"k=\xD83D\xDCDE\r\n"},                                   // beyond 16 bits: a pair
        {"", u""},
    };
    for (const Case& c : cases) {
        std::string text;
        std::string error;
        ASSERT_TRUE(MakeLanguageText(c.source, text, error)) << c.source;
        const std::string expected = kBom + Utf16(c.text);
        ASSERT_GE(text.size(), expected.size()) << c.source;
        EXPECT_EQ(expected, text.substr(0, expected.size())) << c.source;
        EXPECT_EQ(0u, text.size() % 8) << c.source;
        EXPECT_LT(text.size() - expected.size(), 8u) << c.source;
        EXPECT_EQ(Utf16(std::u16string((text.size() - expected.size()) / 2, u' ')), text.substr(expected.size()))
            << "padding is blanks: " << c.source;
    }
}

TEST(LanguageText, RefusesMalformedUtf8AndZeroCharacters)
{
    const char* const sources[] = {
        "k=\xC3",              // cut short
        "k=\x80",              // continuation byte alone
        "k=\xC0\xAF",          // overlong
        "k=\xED\xA0\x80",      // a surrogate
        "k=\xF4\x90\x80\x80",  // beyond U+10FFFF
        "k=\xFF",
    };
    for (const char* source : sources) {
        std::string text = "kept";
        std::string error;
        EXPECT_FALSE(MakeLanguageText(source, text, error)) << source;
        EXPECT_FALSE(error.empty()) << source;
        EXPECT_EQ("kept", text) << source;
    }
    std::string text;
    std::string error;
    EXPECT_FALSE(MakeLanguageText(std::string("k=a\0b", 5), text, error));
}

TEST(LanguageText, TheHostToolEnciphersALanguageSourceInThatForm)
{
    const std::wstring folder = lumeo_test::ProgramFolder() + L"langcipher\\";
    const std::string source = lumeo_test::ReadFileBytes(folder + L"language.ini");
    const std::string enciphered = lumeo_test::ReadFileBytes(folder + L"language.txt");
    ASSERT_FALSE(source.empty());
    std::string expected;
    std::string error;
    ASSERT_TRUE(MakeLanguageText(source, expected, error)) << error;
    ASSERT_EQ(expected.size(), enciphered.size());

    std::string deciphered(enciphered.size(), '\0');
    int written = 0;
    Des3EcbDecryptFixedKey(reinterpret_cast<const unsigned char*>(enciphered.data()), static_cast<int>(enciphered.size()),
                           reinterpret_cast<unsigned char*>(&deciphered[0]), &written);
    EXPECT_EQ(static_cast<int>(enciphered.size()), written);
    EXPECT_EQ(expected, deciphered);
}

} // namespace
