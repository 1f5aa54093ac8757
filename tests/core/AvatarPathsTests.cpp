#include "core/AvatarPaths.h"
#include "core/TavikUtility.h"

#include <gtest/gtest.h>

namespace {

TEST(AvatarPaths, FaceNamesMapInTheSameFolderOthersToTheDefault)
{
    std::string program;
    ASSERT_TRUE(TavikUtility::GetAppDirectory(program, true));
    const std::string defaultBitmap = program + "\\Skins\\Lumeo\\avatars\\face01.bmp";
    const std::string defaultIcon = program + "\\Skins\\Lumeo\\avatars\\face01.ico";

    struct Case {
        const char* icon;
        std::string bitmap;
    } const cases[] = {
        {"C:\\a\\b\\face03.ico", "C:\\a\\b\\face03.bmp"},
        {"C:\\a\\FACE03.ICO", "C:\\a\\face03.bmp"},
        {"D:\\x\\face012.ico", "D:\\x\\face012.bmp"}, // N = 12 is written "face012"
        {"D:\\x\\face015.ico", "D:\\x\\face015.bmp"},
        {"D:\\x\\face016.ico", defaultBitmap},
        {"D:\\x\\face00.ico", defaultBitmap},
        {"D:\\x\\face12.ico", defaultBitmap},
        {"C:\\a\\other.ico", defaultBitmap},
        {"face03.ico", defaultBitmap},                // no folder
        {"", defaultBitmap},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetAvatarBitmapPath(c.icon), c.bitmap) << c.icon;

    EXPECT_EQ(GetAvatarIconPath("C:\\a\\b\\face07.bmp"), "C:\\a\\b\\face07.ico");
    EXPECT_EQ(GetAvatarIconPath("C:\\a\\b\\Face07.Bmp"), "C:\\a\\b\\face07.ico");
    EXPECT_EQ(GetAvatarIconPath("C:\\a\\b\\face07.ico"), defaultIcon);
    EXPECT_EQ(GetAvatarIconPath("C:\\a\\other.bmp"), defaultIcon);
}

TEST(AvatarPaths, TheFaceIndexIsTheNumberOfAFaceFileAndZeroForAnythingElse)
{
    struct Case {
        const char* path;
        const char* extension;
        int face;
    } const cases[] = {
        {"C:\\a\\face01.ico", ".ico", 1},
        {"C:\\a\\FACE09.ICO", ".ico", 9},
        {"C:\\a\\Face010.Ico", ".ico", 10},
        {"C:\\a\\face015.bmp", ".bmp", 15},
        {"C:\\a\\face016.ico", ".ico", 0},
        {"C:\\a\\face00.ico", ".ico", 0},
        {"C:\\a\\face001.ico", ".ico", 0},   // no N is written with a leading zero
        {"C:\\a\\face0.ico", ".ico", 0},
        {"C:\\a\\face0x.ico", ".ico", 0},
        {"C:\\a\\face03.bmp", ".ico", 0},
        {"C:\\a\\face03.ico.bak", ".ico", 0},
        {"C:\\face03.ico\\other.ico", ".ico", 0},
        {"face03.ico", ".ico", 0},               // no folder
        {"", ".ico", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.face, AvatarFaceIndex(c.path, c.extension)) << c.path;
}

} // namespace
