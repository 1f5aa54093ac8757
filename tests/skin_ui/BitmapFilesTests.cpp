// Loading skin bitmaps and icons from files and resources.
#include "Pixels.h"
#include "SkinUiTestIds.h"

#include "skin/ui/BitmapFiles.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

using namespace skin_ui_test;

namespace {

TEST(LoadBitmapFromFile, LoadsAtItsOwnSize)
{
    lumeo_test::TempDir folder;
    ASSERT_TRUE(WriteBmp(folder.File(L"a.bmp"), 5, 3, Tag));
    CBitmap bitmap;
    bitmap.Attach(Vexel::LoadBitmapFromFile(folder.File(L"a.bmp").c_str()));
    ASSERT_NE(nullptr, bitmap.GetSafeHandle());
    SIZE size = {};
    ASSERT_EQ(0, Vexel::GetBitmapSize(bitmap, size));
    EXPECT_EQ(5, size.cx);
    EXPECT_EQ(3, size.cy);
    EXPECT_EQ(Tag(4, 2), BitmapPixel(bitmap, 4, 2));

    EXPECT_EQ(nullptr, Vexel::LoadBitmapFromFile(folder.File(L"absent.bmp").c_str()));
    EXPECT_EQ(nullptr, Vexel::LoadBitmapFromFile((folder.Path() + L"\\").c_str()));   // the folder itself
    EXPECT_EQ(nullptr, Vexel::LoadBitmapFromFile(nullptr));
}

TEST(LoadBitmapResource, FromTheResourceModule)
{
    CBitmap bitmap;
    bitmap.Attach(Vexel::LoadBitmapResource(IDB_TEST_QUAD));
    ASSERT_NE(nullptr, bitmap.GetSafeHandle());
    EXPECT_EQ(RGB(255, 0, 0), BitmapPixel(bitmap, 0, 0));
    EXPECT_EQ(RGB(0, 255, 0), BitmapPixel(bitmap, 1, 0));
    EXPECT_EQ(RGB(0, 0, 255), BitmapPixel(bitmap, 0, 1));
    EXPECT_EQ(RGB(255, 255, 255), BitmapPixel(bitmap, 1, 1));
    EXPECT_EQ(nullptr, Vexel::LoadBitmapResource(IDB_TEST_ABSENT));
}

// A 16 x 16 icon file: 32-bit colour rows and an all-opaque mask.
bool WriteIcon(const std::wstring& path)
{
    const int size = 16;
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = size;
    header.biHeight = size * 2;   // colour and mask
    header.biPlanes = 1;
    header.biBitCount = 32;
    std::vector<unsigned char> image(sizeof(header));
    std::memcpy(image.data(), &header, sizeof(header));
    image.resize(image.size() + size * size * 4, 0x80);
    image.resize(image.size() + size * 4, 0x00);   // mask rows of 32 bits

    unsigned char directory[6 + 16] = {0, 0, 1, 0, 1, 0, size, size, 0, 0, 1, 0, 32, 0};
    const DWORD bytes = static_cast<DWORD>(image.size());
    const DWORD offset = sizeof(directory);
    std::memcpy(directory + 14, &bytes, 4);
    std::memcpy(directory + 18, &offset, 4);

    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out)
        return false;
    std::fwrite(directory, 1, sizeof(directory), out);
    std::fwrite(image.data(), 1, image.size(), out);
    return std::fclose(out) == 0;
}

TEST(LoadIconFromFile, LoadsAtItsOwnSize)
{
    lumeo_test::TempDir folder;
    ASSERT_TRUE(WriteIcon(folder.File(L"a.ico")));
    const HICON icon = Vexel::LoadIconFromFile(folder.File(L"a.ico").c_str());
    ASSERT_NE(nullptr, icon);
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(icon, &info));
    CBitmap colour, mask;
    colour.Attach(info.hbmColor);
    mask.Attach(info.hbmMask);
    SIZE size = {};
    ASSERT_EQ(0, Vexel::GetBitmapSize(info.hbmColor, size));
    EXPECT_EQ(16, size.cx);
    EXPECT_EQ(16, size.cy);
    ::DestroyIcon(icon);

    EXPECT_EQ(nullptr, Vexel::LoadIconFromFile(folder.File(L"absent.ico").c_str()));
}

} // namespace
