#include "core/Des.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> FromHex(const std::string& hex)
{
    std::vector<unsigned char> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<unsigned char>(std::stoul(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

std::string ToHex(const unsigned char* bytes, std::size_t n)
{
    std::string hex;
    char pair[3];
    for (std::size_t i = 0; i < n; ++i) {
        std::snprintf(pair, sizeof pair, "%02X", bytes[i]);
        hex += pair;
    }
    return hex;
}

std::string SingleDes(const std::string& keyHex, const std::string& blockHex, bool encrypt)
{
    const auto key = FromHex(keyHex);
    const auto block = FromHex(blockHex);
    DesKeySchedule schedule;
    DesSetKey(key.data(), schedule);
    unsigned char out[8];
    DesBlockCrypt(schedule, encrypt, block.data(), out);
    return ToHex(out, 8);
}

std::string TripleDes(const std::string& keyHex, const std::string& dataHex, bool encrypt)
{
    const auto key = FromHex(keyHex);
    auto data = FromHex(dataHex);
    Des3KeySchedule schedule;
    Des3SetThreeKeys(key.data(), schedule);
    for (std::size_t i = 0; i < data.size(); i += 8)
        Des3BlockCrypt(schedule, encrypt, &data[i], &data[i]);
    return ToHex(data.data(), data.size());
}

struct BlockVector {
    const char* key;
    const char* plain;
    const char* cipher;
};

// Published single-DES known answers: the classic worked examples and samples of the
// validation tables (variable plaintext, variable key, substitution table, permutation).
const BlockVector kSingleDesVectors[] = {
    {"0123456789ABCDEF", "4E6F772069732074", "3FA40E8A984D4815"},
    {"133457799BBCDFF1", "0123456789ABCDEF", "85E813540F0AB405"},
    {"0101010101010101", "8000000000000000", "95F8A5E5DD31D900"},
    {"8001010101010101", "0000000000000000", "95A8D72813DAA94D"},
    {"7CA110454A1A6E57", "01A1D6D039776742", "690F5B0D9A26939B"},
    {"0131D9619DC1376E", "5CD54CA83DEF57DA", "7A389D10354BD271"},
};

TEST(DesBlock, SingleDesKnownAnswers)
{
    for (const auto& v : kSingleDesVectors) {
        SCOPED_TRACE(v.key);
        EXPECT_EQ(v.cipher, SingleDes(v.key, v.plain, true));
        EXPECT_EQ(v.plain, SingleDes(v.key, v.cipher, false));
    }
}

TEST(DesBlock, IteratedSelfKeyedChainEndsAtThePublishedValue)
{
    // Sixteen steps, each block used as its own key, enciphering on even and deciphering on
    // odd steps: touches every S-box entry a wrong table would spoil.
    std::string x = "9474B8E8C73BCA7D";
    for (int i = 0; i < 16; ++i)
        x = SingleDes(x, x, i % 2 == 0);
    EXPECT_EQ("1B1A2DDB4C642438", x);
}

TEST(DesBlock, ParityBitsOfTheKeyAreIgnored)
{
    EXPECT_EQ(SingleDes("0123456789ABCDEF", "4E6F772069732074", true),
              SingleDes("0022446688AACCEE", "4E6F772069732074", true));
}

TEST(Des3Block, ThreeKeyKnownAnswer)
{
    // Three independent keys over three blocks ("The qufck brown fox jump").
    const char* key = "0123456789ABCDEF23456789ABCDEF01456789ABCDEF0123";
    const char* plain = "5468652071756663" "6B2062726F776E20" "666F78206A756D70";
    const char* cipher = "A826FD8CE53B855F" "CCE21C8112256FE6" "68D5C05DD9B6B900";
    EXPECT_EQ(cipher, TripleDes(key, plain, true));
    EXPECT_EQ(plain, TripleDes(key, cipher, false));
}

TEST(Des3Block, ThreeEqualKeysActAsSingleDes)
{
    for (const auto& v : kSingleDesVectors) {
        const std::string key = std::string(v.key) + v.key + v.key;
        EXPECT_EQ(v.cipher, TripleDes(key, v.plain, true)) << v.key;
    }
}

// Under the program's fixed key. The values pin the key itself: passwords already stored and
// the shipped language files stay readable only while it never changes.
TEST(Des3FixedKey, KnownBlocksUnderTheProgramKey)
{
    const std::string abc = "abc";
    std::vector<unsigned char> out(8);
    int outLength = 0;
    Des3EcbEncryptFixedKey(reinterpret_cast<const unsigned char*>(abc.data()), 3, out.data(), &outLength);
    EXPECT_EQ(8, outLength);
    EXPECT_EQ("7210FE2426E1293A", ToHex(out.data(), out.size()));

    const std::string eight = "ABCDEFGH";
    outLength = 0;
    Des3EcbEncryptFixedKey(reinterpret_cast<const unsigned char*>(eight.data()), 8, out.data(), &outLength);
    EXPECT_EQ(8, outLength);
    EXPECT_EQ("085BF39A33E5D564", ToHex(out.data(), out.size()));
}

TEST(Des3FixedKey, OutputLengthGrowsByEightPerBlockWritten)
{
    struct Case {
        int length;
        int blocks;
    };
    const Case cases[] = {{0, 0}, {1, 1}, {7, 1}, {8, 1}, {9, 2}, {16, 2}, {17, 3}};
    const std::vector<unsigned char> in(17, 'x');
    for (const auto& c : cases) {
        std::vector<unsigned char> out(24, 0xEE);
        int outLength = 100;  // the routine adds to what the caller holds
        Des3EcbEncryptFixedKey(in.data(), c.length, out.data(), &outLength);
        EXPECT_EQ(100 + 8 * c.blocks, outLength) << c.length;
        for (std::size_t i = 8 * c.blocks; i < out.size(); ++i)
            EXPECT_EQ(0xEE, out[i]) << "wrote past its blocks for length " << c.length;
    }
}

TEST(Des3FixedKey, LastPartialBlockIsZeroPadded)
{
    const std::string nine = "123456789";
    std::vector<unsigned char> cipher(16);
    int cipherLength = 0;
    Des3EcbEncryptFixedKey(reinterpret_cast<const unsigned char*>(nine.data()), 9, cipher.data(), &cipherLength);
    ASSERT_EQ(16, cipherLength);

    std::vector<unsigned char> plain(16, 0xEE);
    int plainLength = 0;
    Des3EcbDecryptFixedKey(cipher.data(), 16, plain.data(), &plainLength);
    ASSERT_EQ(16, plainLength);
    EXPECT_EQ(nine, std::string(plain.begin(), plain.begin() + 9));
    EXPECT_EQ(std::vector<unsigned char>(7, 0), std::vector<unsigned char>(plain.begin() + 9, plain.end()));
}

TEST(Des3FixedKey, RefusedArgumentsWriteNothing)
{
    unsigned char in[16] = {1, 2, 3};
    unsigned char out[16] = {};
    int outLength = 0;
    Des3EcbEncryptFixedKey(in, -1, out, &outLength);
    Des3EcbEncryptFixedKey(nullptr, 8, out, &outLength);
    Des3EcbEncryptFixedKey(in, 8, nullptr, &outLength);
    Des3EcbEncryptFixedKey(in, 8, out, nullptr);
    for (const int length : {0, 4, 7, 9, 15, -8}) {
        Des3EcbDecryptFixedKey(in, length, out, &outLength);
    }
    Des3EcbDecryptFixedKey(nullptr, 8, out, &outLength);
    Des3EcbDecryptFixedKey(in, 8, nullptr, &outLength);
    Des3EcbDecryptFixedKey(in, 8, out, nullptr);
    EXPECT_EQ(0, outLength);
    EXPECT_EQ(std::vector<unsigned char>(16, 0), std::vector<unsigned char>(out, out + 16));
}

TEST(DesObject, NullPointersGiveFalseOtherwiseTrue)
{
    const Des des;
    unsigned char in[8] = {'a', 'b', 'c'};
    unsigned char cipher[8] = {};
    unsigned char plain[8] = {};
    int n = 0;
    EXPECT_FALSE(des.Encrypt(nullptr, 8, cipher, &n));
    EXPECT_FALSE(des.Encrypt(in, 8, nullptr, &n));
    EXPECT_FALSE(des.Encrypt(in, 8, cipher, nullptr));
    EXPECT_FALSE(des.Decrypt(nullptr, 8, plain, &n));
    EXPECT_FALSE(des.Decrypt(in, 8, nullptr, &n));
    EXPECT_FALSE(des.Decrypt(in, 8, plain, nullptr));
    EXPECT_EQ(0, n);

    ASSERT_TRUE(des.Encrypt(in, 8, cipher, &n));
    ASSERT_EQ(8, n);
    n = 0;
    ASSERT_TRUE(des.Decrypt(cipher, 8, plain, &n));
    EXPECT_EQ(8, n);
    EXPECT_EQ(std::vector<unsigned char>(in, in + 8), std::vector<unsigned char>(plain, plain + 8));

    // A length the block routine refuses is no error of the object's.
    n = 0;
    EXPECT_TRUE(des.Decrypt(cipher, 5, plain, &n));
    EXPECT_EQ(0, n);
}

} // namespace
