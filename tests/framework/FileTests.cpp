#include "framework/File.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string ReadAll(CFile& file, UINT chunk = 3)
{
    std::string out;
    char buffer[64];
    for (UINT got; (got = file.Read(buffer, chunk)) > 0;)
        out.append(buffer, got);
    return out;
}

// Shows the data block to the tests, as a line reader derived from CMemFile sees it.
class CPeekMemFile : public CMemFile {
public:
    using CMemFile::CMemFile;
    using CMemFile::GetData;
    using CMemFile::GetDataSize;
};

} // namespace

TEST(CMemFileTests, AttachedBlockEndsAtItsSizeWhateverTheGrowStep)
{
    struct Case {
        const char* bytes;
        UINT size;
        UINT growBytes;
    };
    const Case cases[] = {
        {"", 0, 0}, {"", 0, 100}, {"A\rB", 3, 0}, {"A\rB", 3, 100}, {"X\r\n\0\0", 5, 100}, {"0123456789", 10, 1},
    };
    for (const Case& c : cases) {
        std::vector<BYTE> block(c.bytes, c.bytes + c.size);
        CPeekMemFile file(block.data(), c.size, c.growBytes);
        EXPECT_EQ(c.size, file.GetLength()) << c.bytes;
        EXPECT_EQ(0u, file.GetPosition());
        EXPECT_EQ(std::string(c.bytes, c.size), ReadAll(file)) << c.bytes;
        EXPECT_EQ(c.size, file.GetPosition());
        EXPECT_EQ(c.size == 0 ? nullptr : block.data(), c.size == 0 ? nullptr : file.GetData());
        EXPECT_EQ(c.size, file.GetDataSize());
        char one;
        EXPECT_EQ(0u, file.Read(&one, 1));   // at the end
    }
}

TEST(CMemFileTests, SeekFromEveryOriginWith64BitPositions)
{
    char text[] = "abcdefghij";
    CMemFile file(reinterpret_cast<BYTE*>(text), 10);
    struct Case {
        LONGLONG offset;
        UINT from;
        ULONGLONG expected;  // kSeekFailed: refused, position kept
        ULONGLONG positionAfter;
    };
    const Case cases[] = {
        {3, CFile::begin, 3, 3},
        {2, CFile::current, 5, 5},
        {-1, CFile::end, 9, 9},
        {0, CFile::end, 10, 10},
        {-11, CFile::end, CFile::kSeekFailed, 10},          // before the start
        {-1, CFile::begin, CFile::kSeekFailed, 10},
        {0x100000000LL, CFile::begin, 0x100000000ULL, 0x100000000ULL},  // past 4 GiB
        {-0x100000000LL + 4, CFile::current, 4, 4},
        {0, 7, CFile::kSeekFailed, 4},                       // no such origin
        {0x7FFFFFFFFFFFFFFFLL, CFile::end, CFile::kSeekFailed, 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, file.Seek(c.offset, c.from)) << c.offset << " from " << c.from;
        EXPECT_EQ(c.positionAfter, file.GetPosition()) << c.offset << " from " << c.from;
    }
    file.Seek(20, CFile::begin);
    char buffer[4];
    EXPECT_EQ(0u, file.Read(buffer, 4));                     // past the end reads nothing
    file.SeekToBegin();
    EXPECT_EQ(0u, file.GetPosition());
    EXPECT_EQ(10u, file.SeekToEnd());
}

TEST(CMemFileTests, DetachHandsTheBlockBackAndEmptiesTheFile)
{
    BYTE* block = static_cast<BYTE*>(std::malloc(4));
    std::memcpy(block, "wxyz", 4);
    {
        CMemFile file(1024);
        file.Attach(block, 4, 0);
        file.Seek(2, CFile::begin);
        EXPECT_EQ(block, file.Detach());
        EXPECT_EQ(0u, file.GetLength());
        EXPECT_EQ(0u, file.GetPosition());
        char c;
        EXPECT_EQ(0u, file.Read(&c, 1));
    }
    // The file did not free it: it is still ours and intact.
    EXPECT_EQ(0, std::memcmp(block, "wxyz", 4));
    std::free(block);
}

TEST(CMemFileTests, AttachedBlocksNeverGrowButOwnMemoryDoes)
{
    BYTE block[4] = {'a', 'b', 'c', 'd'};
    CMemFile attached(block, 4, 100);
    attached.Seek(2, CFile::begin);
    EXPECT_TRUE(attached.Write("XY", 2));                 // fits
    EXPECT_FALSE(attached.Write("Z", 1));                 // would pass the block's end
    EXPECT_EQ(0, std::memcmp(block, "abXY", 4));
    EXPECT_EQ(4u, attached.GetLength());
    EXPECT_FALSE(attached.SetLength(5));
    EXPECT_TRUE(attached.SetLength(3));
    EXPECT_EQ(3u, attached.GetLength());
    EXPECT_EQ(3u, attached.GetPosition());                // pulled back inside

    CMemFile own(4);
    EXPECT_TRUE(own.Write("hello, ", 7));
    EXPECT_TRUE(own.Write("world", 5));
    EXPECT_EQ(12u, own.GetLength());
    own.Seek(15, CFile::begin);                           // a gap reads as zeros
    EXPECT_TRUE(own.Write("!", 1));
    own.SeekToBegin();
    EXPECT_EQ(std::string("hello, world\0\0\0!", 16), ReadAll(own, 5));
    EXPECT_TRUE(own.Write("", 0));
    BYTE* taken = own.Detach();                           // now ours to free
    ASSERT_NE(nullptr, taken);
    EXPECT_EQ(0, std::memcmp(taken, "hello", 5));
    std::free(taken);

    CMemFile noGrowth(0u);
    EXPECT_FALSE(noGrowth.Write("x", 1));
    EXPECT_EQ(0u, noGrowth.GetLength());
}

TEST(CMemFileTests, AttachReplacesTheBlockAndTheKindIsKnown)
{
    BYTE first[2] = {'1', '2'};
    BYTE second[3] = {'3', '4', '5'};
    CMemFile file(first, 2);
    file.Seek(1, CFile::begin);
    file.Attach(second, 3);
    EXPECT_EQ(0u, file.GetPosition());
    EXPECT_EQ("345", ReadAll(file));
    file.Attach(nullptr, 10);                            // no block: empty
    EXPECT_EQ(0u, file.GetLength());
    EXPECT_TRUE(file.IsKindOf(RUNTIME_CLASS(CFile)));
    EXPECT_FALSE(file.Open(L"anything", CFile::modeRead));
}

TEST(CFileTests, WritesReadsSeeksAndClosesADiskFile)
{
    lumeo_test::TempDir dir;
    const std::wstring path = dir.File(L"data.bin");
    {
        CFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite | CFile::shareDenyWrite));
        EXPECT_TRUE(file.Write("0123456789", 10));
        EXPECT_EQ(10u, file.GetLength());
        EXPECT_EQ(4u, file.Seek(4, CFile::begin));
        char buffer[3] = {};
        EXPECT_EQ(3u, file.Read(buffer, 3));
        EXPECT_EQ(0, std::memcmp(buffer, "456", 3));
        EXPECT_EQ(CFile::kSeekFailed, file.Seek(-100, CFile::current));
        EXPECT_EQ(7u, file.GetPosition());
        EXPECT_TRUE(file.SetLength(5));
        EXPECT_EQ(5u, file.GetLength());
        EXPECT_EQ(7u, file.GetPosition());
        // Exclusive access for writers: a second writer is refused while open.
        CFile second;
        EXPECT_FALSE(second.Open(path.c_str(), CFile::modeWrite));
    }  // closed here
    EXPECT_EQ("01234", lumeo_test::ReadFileBytes(path));

    CFile append;
    ASSERT_TRUE(append.Open(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite));
    append.SeekToEnd();
    EXPECT_TRUE(append.Write("!", 1));
    append.Close();
    EXPECT_FALSE(append.IsOpen());
    EXPECT_FALSE(append.Write("x", 1));
    EXPECT_EQ("01234!", lumeo_test::ReadFileBytes(path));

    CFile missing;
    EXPECT_FALSE(missing.Open(dir.File(L"none.bin").c_str(), CFile::modeRead));
    EXPECT_EQ(0u, missing.GetLength());
}
