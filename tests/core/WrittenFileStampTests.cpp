// The stamp a later start compares a written file with: the same bytes give the same stamp
// however they are cut into pieces (the writers hand a header and pixels, the check reads in
// buffers), and a change of any one byte, or of the length, gives another.
#include "core/WrittenFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// 1,013 bytes: whole 32-byte blocks and a tail, no two neighbours alike.
std::string Sample()
{
    std::string bytes(1013, '\0');
    unsigned state = 12345;
    for (char& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 16);
    }
    return bytes;
}

std::string StampOf(const std::vector<std::string>& pieces)
{
    std::vector<FileBytesPart> parts;
    for (const std::string& piece : pieces)
        parts.push_back(FileBytesPart{piece.data(), static_cast<DWORD>(piece.size())});
    return WrittenFilesRecord::WrittenFileStamp(parts.data(), parts.size());
}

TEST(WrittenFileStamp, TheSameBytesInAnyPiecesGiveTheSameStamp)
{
    const std::string bytes = Sample();
    const std::string whole = StampOf({bytes});
    ASSERT_EQ(whole.substr(0, whole.find(' ')), "1013");
    for (size_t cut = 0; cut <= bytes.size(); cut += 7) {
        EXPECT_EQ(StampOf({bytes.substr(0, cut), bytes.substr(cut)}), whole) << "cut at " << cut;
        const size_t second = cut + (bytes.size() - cut) / 3;
        EXPECT_EQ(StampOf({bytes.substr(0, cut), std::string(), bytes.substr(cut, second - cut), bytes.substr(second)}),
                  whole)
            << "cuts at " << cut << " and " << second;
    }
    std::vector<std::string> singleBytes;
    for (const char byte : bytes)
        singleBytes.emplace_back(1, byte);
    EXPECT_EQ(StampOf(singleBytes), whole);
}

TEST(WrittenFileStamp, AnyOneByteChangedOrTheLengthChangedGivesAnotherStamp)
{
    const std::string bytes = Sample();
    const std::string whole = StampOf({bytes});
    // The first and last byte of a block, either side of a block edge, and the tail.
    const size_t kPlaces[] = {0, 7, 8, 31, 32, 500, 991, 992, 1000, 1012};
    for (const size_t place : kPlaces) {
        for (const int flip : {0x01, 0x80}) {
            std::string edited = bytes;
            edited[place] = static_cast<char>(edited[place] ^ flip);
            EXPECT_NE(StampOf({edited}), whole) << "byte " << place << " flipped by " << flip;
        }
    }
    EXPECT_NE(StampOf({bytes + '\0'}), whole);
    EXPECT_NE(StampOf({bytes.substr(0, bytes.size() - 1)}), whole);
    EXPECT_NE(StampOf({std::string(64, '\0')}), StampOf({std::string(32, '\0')}));
}

} // namespace
