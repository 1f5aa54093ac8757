#include "core/Crypto.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool IsUpperHex(const std::string& text)
{
    return text.find_first_not_of("0123456789ABCDEF") == std::string::npos;
}

// Every byte value but zero, repeated to the wanted length.
std::string NonZeroBytes(std::size_t n)
{
    std::string bytes(n, '\0');
    for (std::size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<char>(1 + i % 255);
    return bytes;
}

TEST(Crypto, EncryptGivesSixteenDigitsPerStartedBlock)
{
    struct Case {
        std::string text;
        std::size_t digits;
    };
    const Case cases[] = {
        {"", 0}, {"abc", 16}, {"8letters", 16}, {"9 letters", 32}, {std::string(16, 'x'), 32}, {std::string(17, 'x'), 48},
    };
    const Crypto crypto;
    for (const auto& c : cases) {
        std::string hex = "stale";
        ASSERT_TRUE(crypto.Encrypt(c.text, hex)) << c.text;
        EXPECT_EQ(c.digits, hex.size()) << c.text;
        EXPECT_TRUE(IsUpperHex(hex)) << hex;
    }
}

TEST(Crypto, EncryptUsesTheProgramKey)
{
    // Stored passwords depend on this value staying what it is.
    std::string hex;
    ASSERT_TRUE(Crypto().Encrypt("abc", hex));
    EXPECT_EQ("7210FE2426E1293A", hex);
}

TEST(Crypto, EncryptLimitIsSixteenKilobytes)
{
    const Crypto crypto;
    std::string hex;
    ASSERT_TRUE(crypto.Encrypt(std::string(16384, 'p'), hex));
    EXPECT_EQ(32768u, hex.size());

    std::string untouched = "kept";
    EXPECT_FALSE(crypto.Encrypt(std::string(16385, 'p'), untouched));
    EXPECT_EQ("kept", untouched);
}

TEST(Crypto, DecryptRefusesHexOfMoreThanSixteenKilobytes)
{
    const Crypto crypto;
    for (const std::size_t digits : {32769u, 32770u}) {
        std::string text = "kept";
        EXPECT_FALSE(crypto.Decrypt(std::string(digits, 'A'), text)) << digits;
        EXPECT_EQ("kept", text) << digits;
    }
}

TEST(Crypto, HexThatIsNoWholeNumberOfBlocksDeciphersToNothing)
{
    const Crypto crypto;
    std::string hex;
    ASSERT_TRUE(crypto.Encrypt("a longer secret", hex));
    ASSERT_EQ(32u, hex.size());
    for (const std::string& piece : {std::string("ABC"), std::string(""), hex.substr(0, 14), hex.substr(0, 20),
                                     hex.substr(0, 30)}) {
        std::string text = "stale";
        EXPECT_TRUE(crypto.Decrypt(piece, text)) << piece;
        EXPECT_EQ("", text) << piece;
    }
}

TEST(Crypto, RoundTripsTextWithoutZeroBytes)
{
    const std::string texts[] = {
        "a", "secret", "8letters", "O'Brien \"quoted\" %d", "caf\xE9 \xFC\xDF", NonZeroBytes(16383), NonZeroBytes(16384),
    };
    const Crypto crypto;
    for (const auto& text : texts) {
        std::string hex, back;
        ASSERT_TRUE(crypto.Encrypt(text, hex));
        ASSERT_TRUE(crypto.Decrypt(hex, back));
        EXPECT_EQ(text, back) << "length " << text.size();
    }
}

TEST(Crypto, LowerCaseHexDeciphersToo)
{
    const Crypto crypto;
    std::string hex, back;
    ASSERT_TRUE(crypto.Encrypt("mixed case", hex));
    for (auto& c : hex)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    ASSERT_TRUE(crypto.Decrypt(hex, back));
    EXPECT_EQ("mixed case", back);
}

TEST(Crypto, TextHoldingAZeroByteComesBackCutThere)
{
    const Crypto crypto;
    std::string hex, back;
    ASSERT_TRUE(crypto.Encrypt(std::string("before\0after", 12), hex));
    ASSERT_TRUE(crypto.Decrypt(hex, back));
    EXPECT_EQ("before", back);
}

} // namespace
