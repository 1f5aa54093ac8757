// Proves that CDIBSectionLite copies a bitmap resource or any bitmap exactly and writes it as
// a BMP file: the headers, a colour table only for palette images, the pixels unchanged; and
// that it refuses, rather than throws, when there is no image or the file cannot be written.
#include "core/DIBSectionLite.h"
#include "resources/ProgramIds.h"
#include "tests/support/GdiCount.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

using lumeo_test::At;
using lumeo_test::ReadFileBytes;

namespace {

// The rows of a bitmap as 24-bit bottom-up DIB bytes.
std::string Bits24(HBITMAP bitmap)
{
    BITMAP size{};
    ::GetObjectW(bitmap, sizeof size, &size);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.bmWidth;
    info.bmiHeader.biHeight = size.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    const int stride = (size.bmWidth * 3 + 3) & ~3;
    std::string bits(static_cast<size_t>(stride) * size.bmHeight, '\0');
    const HDC screen = ::GetDC(nullptr);
    ::GetDIBits(screen, bitmap, 0, size.bmHeight, bits.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    return bits;
}

class DibSection : public testing::Test {
protected:
    std::wstring File(const wchar_t* name) const { return folder.File(name); }
    lumeo_test::TempDir folder;
};

TEST_F(DibSection, ATwentyFourBitResourceSavesWithPaddedRowsAndTheSamePixels)
{
    CDIBSectionLite image;
    ASSERT_TRUE(image.LoadResourceId(IDB_MSGBOX));
    EXPECT_EQ(261, image.GetWidth());
    EXPECT_EQ(84, image.GetHeight());
    EXPECT_EQ(24, image.GetBitCount());
    EXPECT_EQ(0, image.GetColorCount());
    ASSERT_TRUE(image.Save(File(L"notifier.bmp").c_str()));

    const std::string file = ReadFileBytes(File(L"notifier.bmp"));
    ASSERT_EQ(14u + 40u + 784u * 84u, file.size());
    EXPECT_EQ(0x4D42, At<WORD>(file, 0));
    EXPECT_EQ(file.size(), At<DWORD>(file, 2));
    EXPECT_EQ(0u, At<DWORD>(file, 6));   // the two reserved words
    EXPECT_EQ(54u, At<DWORD>(file, 10));
    EXPECT_EQ(784u * 84u, At<BITMAPINFOHEADER>(file, 14).biSizeImage);

    const HBITMAP resource = static_cast<HBITMAP>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_MSGBOX), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(nullptr, resource);
    EXPECT_EQ(Bits24(resource), file.substr(54));
    ::DeleteObject(resource);
}

TEST_F(DibSection, AnEightBitImageSavesItsColourTableBeforeThePixels)
{
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } info{};
    info.header = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 5, 3, 1, 8, BI_RGB, 0, 0, 0, 256, 0};
    for (int i = 0; i < 256; ++i)
        info.colors[i] = RGBQUAD{BYTE(i), BYTE(255 - i), BYTE(i / 2), 0};
    void* bits = nullptr;
    const HBITMAP source = ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(nullptr, source);
    for (int i = 0; i < 8 * 3; ++i)
        static_cast<BYTE*>(bits)[i] = static_cast<BYTE>(i * 7);

    CDIBSectionLite image;
    ASSERT_TRUE(image.SetBitmap(source, nullptr));
    EXPECT_EQ(256, image.GetColorCount());
    EXPECT_NE(nullptr, image.GetPalette());
    ASSERT_TRUE(image.Save(File(L"eight.bmp").c_str()));
    ::DeleteObject(source);

    const std::string file = ReadFileBytes(File(L"eight.bmp"));
    EXPECT_EQ(1078u, At<DWORD>(file, 10));
    ASSERT_EQ(1078u + 8u * 3u, file.size());   // rows of 5 pixels padded to 8 bytes
    for (int i : {0, 1, 77, 255}) {
        const auto entry = At<RGBQUAD>(file, 54 + 4 * i);
        EXPECT_EQ(i, entry.rgbBlue) << "entry " << i;
        EXPECT_EQ(255 - i, entry.rgbGreen) << "entry " << i;
    }
    for (int row = 0; row < 3; ++row) {
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(BYTE((row * 8 + x) * 7), BYTE(file[1078 + row * 8 + x])) << "row " << row << " pixel " << x;
    }
}

TEST_F(DibSection, SaveRefusesAnEmptyImageANullNameAndAFileItCannotCreate)
{
    CDIBSectionLite image;
    EXPECT_FALSE(image.Save(File(L"empty.bmp").c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(File(L"empty.bmp").c_str()));

    ASSERT_TRUE(image.LoadResourceId(IDB_TICK_N));
    EXPECT_FALSE(image.Save(nullptr));
    EXPECT_FALSE(image.Save(folder.Path().c_str()));                    // a folder
    EXPECT_FALSE(image.Save(File(L"no such folder\\tick.bmp").c_str()));
    EXPECT_TRUE(image.Save(File(L"tick.bmp").c_str()));
}

TEST_F(DibSection, AMissingResourceEmptiesTheImage)
{
    CDIBSectionLite image;
    ASSERT_TRUE(image.LoadResourceId(IDB_MAIN));
    EXPECT_FALSE(image.LoadResourceId(9));
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_FALSE(image.Save(File(L"main.bmp").c_str()));
}

TEST_F(DibSection, OneObjectServesResourcesOfDifferentSizesInTurn)
{
    CDIBSectionLite image;
    const UINT kIds[] = {IDB_MAIN, IDB_TICK_N, IDB_SETTING};
    for (UINT id : kIds) {
        ASSERT_TRUE(image.LoadResourceId(id)) << id;
        const std::wstring path = File(L"turn.bmp");
        ASSERT_TRUE(image.Save(path.c_str()));
        const std::string file = ReadFileBytes(path);
        EXPECT_EQ(image.GetWidth(), At<BITMAPINFOHEADER>(file, 14).biWidth) << id;
        EXPECT_EQ(image.GetHeight(), At<BITMAPINFOHEADER>(file, 14).biHeight) << id;
        EXPECT_EQ(file.size(), At<DWORD>(file, 2)) << id;
    }
}

TEST_F(DibSection, EveryGdiObjectGoesWithTheImageOnBothTheLoadedAndTheRefusedPath)
{
    const int before = lumeo_test::LiveGdiObjects();
    {
        CDIBSectionLite image;
        for (UINT id : {UINT{IDB_MAIN}, UINT{IDB_TICK_N}, UINT{IDB_MSGBOX}, UINT{9}, UINT{IDB_SETTING}}) {
            image.LoadResourceId(id);
            image.Save(File(L"leak.bmp").c_str());
        }
        EXPECT_GT(lumeo_test::LiveGdiObjects(), before);   // the last image and its palette
    }
    EXPECT_EQ(before, lumeo_test::LiveGdiObjects());
}

TEST(DibSectionRules, ColourEntriesAndRowBytesFollowTheBitmapFormat)
{
    struct Case {
        int bits;
        DWORD compression;
        int entries;
    };
    const Case kCases[] = {{1, BI_RGB, 2},   {4, BI_RGB, 16},        {8, BI_RGB, 256}, {16, BI_RGB, 0},
                           {16, BI_BITFIELDS, 3}, {24, BI_RGB, 0}, {32, BI_RGB, 0},  {32, BI_BITFIELDS, 3}};
    for (const Case& c : kCases)
        EXPECT_EQ(c.entries, CDIBSectionLite::ColorEntriesFor(c.bits, c.compression)) << c.bits << " bits";
    EXPECT_EQ(784u, CDIBSectionLite::BytesPerRow(261, 24));
    EXPECT_EQ(8u, CDIBSectionLite::BytesPerRow(5, 8));
    EXPECT_EQ(4u, CDIBSectionLite::BytesPerRow(1, 1));
}

} // namespace
