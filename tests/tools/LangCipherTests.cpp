#include "core/Des.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LangCipher, HostToolOutputDeciphersBlockByBlockToThePlainFile)
{
    const std::wstring folder = lumeo_test::ProgramFolder() + L"langcipher\\";
    const std::string plain = lumeo_test::ReadFileBytes(folder + L"sample.ini");
    const std::string enciphered = lumeo_test::ReadFileBytes(folder + L"sample.txt");
    ASSERT_FALSE(plain.empty());
    ASSERT_NE(0u, plain.size() % 8) << "the sample should end in a partial block";
    ASSERT_EQ((plain.size() + 7) / 8 * 8, enciphered.size());
    ASSERT_NE(plain, enciphered.substr(0, plain.size()));

    // Block by block, as the program reads its language files.
    std::string deciphered;
    for (std::size_t offset = 0; offset < enciphered.size(); offset += 8) {
        unsigned char block[8];
        int n = 0;
        Des3EcbDecryptFixedKey(reinterpret_cast<const unsigned char*>(enciphered.data()) + offset, 8, block, &n);
        ASSERT_EQ(8, n);
        deciphered.append(reinterpret_cast<const char*>(block), 8);
    }
    EXPECT_EQ(plain, deciphered.substr(0, plain.size()));
    EXPECT_EQ(std::string(deciphered.size() - plain.size(), '\0'), deciphered.substr(plain.size()));
}

} // namespace
