// Proves that a skin bitmap file read once and kept makes the same bitmap as LoadImage makes from
// the file, for every kind of file a skin may hold (each bit depth, bottom-up and top-down rows,
// black-and-white, and what is no plain bitmap); that each load is a bitmap of its own, which a
// control may draw on without changing the next; and that a file written again is read again.
#include "Pixels.h"

#include "skin/ui/BitmapFiles.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace skin_ui_test;

namespace {

struct FileKind {
    const char* name;
    int bitCount;
    bool topDown;
    std::vector<RGBQUAD> palette;   // for 8 bits or fewer
    bool truncated;                 // rows missing at the end
};

// A BMP file of `kind`, 7 x 5, whose pixels cycle through the palette (or name their place).
std::vector<unsigned char> BmpBytes(const FileKind& kind)
{
    const int w = 7;
    const int h = 5;
    const int stride = ((w * kind.bitCount + 31) / 32) * 4;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = w;
    header.biHeight = kind.topDown ? -h : h;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(kind.bitCount);
    header.biCompression = BI_RGB;
    header.biClrUsed = static_cast<DWORD>(kind.palette.size());
    header.biSizeImage = static_cast<DWORD>(stride * h);
    file.bfType = 0x4D42;
    file.bfOffBits = static_cast<DWORD>(sizeof(file) + sizeof(header) + kind.palette.size() * sizeof(RGBQUAD));
    file.bfSize = file.bfOffBits + header.biSizeImage;
    std::vector<unsigned char> bytes(file.bfSize, 0);
    std::memcpy(bytes.data(), &file, sizeof(file));
    std::memcpy(bytes.data() + sizeof(file), &header, sizeof(header));
    if (!kind.palette.empty())
        std::memcpy(bytes.data() + sizeof(file) + sizeof(header), kind.palette.data(),
                    kind.palette.size() * sizeof(RGBQUAD));
    for (int row = 0; row < h; ++row) {
        unsigned char* line = bytes.data() + file.bfOffBits + static_cast<size_t>(row) * stride;
        for (int x = 0; x < w; ++x) {
            const COLORREF tag = Tag(x, row);
            switch (kind.bitCount) {
            case 32: line[x * 4 + 3] = 0xFF; [[fallthrough]];
            case 24: {
                const int size = kind.bitCount / 8;
                line[x * size] = GetBValue(tag);
                line[x * size + 1] = GetGValue(tag);
                line[x * size + 2] = GetRValue(tag);
                break;
            }
            case 16: {
                const unsigned value = ((GetRValue(tag) >> 3) << 10) | ((GetGValue(tag) >> 3) << 5) | (GetBValue(tag) >> 3);
                line[x * 2] = static_cast<unsigned char>(value);
                line[x * 2 + 1] = static_cast<unsigned char>(value >> 8);
                break;
            }
            default: {   // palette indexes, packed from the high bits
                const int index = (x + row) % static_cast<int>(kind.palette.size());
                const int bit = x * kind.bitCount;
                line[bit / 8] |= static_cast<unsigned char>(index << (8 - kind.bitCount - bit % 8));
            }
            }
        }
    }
    if (kind.truncated)
        bytes.resize(bytes.size() - static_cast<size_t>(stride) * 2);
    return bytes;
}

bool WriteBytes(const std::wstring& path, const std::vector<unsigned char>& bytes)
{
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written;
}

struct Loaded {
    SIZE size{};
    int bitsPixel = 0;
    std::vector<COLORREF> pixels;
};

Loaded Describe(HBITMAP bitmap)
{
    Loaded loaded;
    BITMAP info = {};
    if (bitmap && ::GetObjectW(bitmap, sizeof(info), &info) == sizeof(info))
        loaded.bitsPixel = info.bmBitsPixel;
    if (bitmap)
        loaded.pixels = ReadBitmap(bitmap, &loaded.size);
    return loaded;
}

RGBQUAD Quad(BYTE r, BYTE g, BYTE b)
{
    return RGBQUAD{b, g, r, 0};
}

TEST(KeptBitmapFiles, MakeWhatLoadImageMakesOfEveryKindOfFile)
{
    const std::vector<RGBQUAD> colours = {Quad(200, 10, 10), Quad(10, 200, 10), Quad(10, 10, 200), Quad(90, 90, 0)};
    std::vector<RGBQUAD> many;
    for (int i = 0; i < 16; ++i)
        many.push_back(Quad(static_cast<BYTE>(i * 16), static_cast<BYTE>(255 - i * 16), static_cast<BYTE>(i * 7)));
    const FileKind kinds[] = {
        {"24 bits, bottom-up", 24, false, {}, false},
        {"24 bits, top-down", 24, true, {}, false},
        {"32 bits", 32, false, {}, false},
        {"16 bits", 16, false, {}, false},
        {"8 bits with a palette", 8, false, colours, false},
        {"4 bits with a palette", 4, true, many, false},
        {"1 bit, black and white", 1, false, {Quad(0, 0, 0), Quad(255, 255, 255)}, false},
        {"1 bit, white and black", 1, false, {Quad(255, 255, 255), Quad(0, 0, 0)}, false},
        {"1 bit, two colours", 1, false, {Quad(200, 0, 0), Quad(0, 0, 200)}, false},
        {"rows missing", 24, false, {}, true},
    };
    lumeo_test::TempDir folder;
    int number = 0;
    for (const FileKind& kind : kinds) {
        const std::wstring path = folder.File(L"kind" + std::to_wstring(++number) + L".bmp");
        ASSERT_TRUE(WriteBytes(path, BmpBytes(kind))) << kind.name;
        CBitmap expected;
        expected.Attach(::LoadImageW(::GetModuleHandleW(nullptr), path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        if (!kind.truncated) {   // else two failed loads would compare equal and prove nothing
            ASSERT_NE(nullptr, expected.GetSafeHandle()) << kind.name;
        }
        for (int load = 1; load <= 2; ++load) {   // read from the file, then made from what is kept
            CBitmap made;
            made.Attach(Vexel::LoadBitmapFromFile(path.c_str()));
            ASSERT_EQ(expected.GetSafeHandle() == nullptr, made.GetSafeHandle() == nullptr) << kind.name;
            const Loaded want = Describe(static_cast<HBITMAP>(expected.GetSafeHandle()));
            const Loaded got = Describe(static_cast<HBITMAP>(made.GetSafeHandle()));
            EXPECT_EQ(want.size.cx, got.size.cx) << kind.name;
            EXPECT_EQ(want.size.cy, got.size.cy) << kind.name;
            EXPECT_EQ(want.bitsPixel, got.bitsPixel) << kind.name;
            EXPECT_EQ(want.pixels, got.pixels) << kind.name << ", load " << load;
        }
    }
}

TEST(KeptBitmapFiles, EachLoadIsABitmapOfItsOwn)
{
    lumeo_test::TempDir folder;
    const std::wstring path = folder.File(L"own.bmp");
    ASSERT_TRUE(WriteBmp(path, 4, 3, Tag));
    CBitmap first;
    first.Attach(Vexel::LoadBitmapFromFile(path.c_str()));
    ASSERT_NE(nullptr, first.GetSafeHandle());
    {
        // A control draws on its copy.
        const HDC screen = ::GetDC(nullptr);
        const HDC memory = ::CreateCompatibleDC(screen);
        const HGDIOBJ old = ::SelectObject(memory, first.GetSafeHandle());
        ::SetPixel(memory, 1, 1, kMagenta);
        ::SelectObject(memory, old);
        ::DeleteDC(memory);
        ::ReleaseDC(nullptr, screen);
    }
    CBitmap second;
    second.Attach(Vexel::LoadBitmapFromFile(path.c_str()));
    ASSERT_NE(nullptr, second.GetSafeHandle());
    EXPECT_NE(first.GetSafeHandle(), second.GetSafeHandle());
    EXPECT_EQ(kMagenta, BitmapPixel(first, 1, 1));
    EXPECT_EQ(Tag(1, 1), BitmapPixel(second, 1, 1));
}

TEST(KeptBitmapFiles, AFileWrittenAgainIsReadAgainUnderAnySpellingOfItsPath)
{
    lumeo_test::TempDir folder;
    const std::wstring path = folder.File(L"again.bmp");
    ASSERT_TRUE(WriteBmp(path, 4, 3, Tag));
    CBitmap before;
    before.Attach(Vexel::LoadBitmapFromFile(path.c_str()));
    ASSERT_EQ(Tag(3, 2), BitmapPixel(before, 3, 2));

    const auto red = [](int, int) { return RGB(255, 0, 0); };
    ASSERT_TRUE(WriteBmp(path, 6, 2, red));
    CBitmap after;
    after.Attach(Vexel::LoadBitmapFromFile(folder.File(L"AGAIN.BMP").c_str()));
    SIZE size = {};
    ASSERT_EQ(0, Vexel::GetBitmapSize(after, size));
    EXPECT_EQ(6, size.cx);
    EXPECT_EQ(RGB(255, 0, 0), BitmapPixel(after, 5, 1));

    ASSERT_TRUE(::DeleteFileW(path.c_str()));
    EXPECT_EQ(nullptr, Vexel::LoadBitmapFromFile(path.c_str()));
}

} // namespace
