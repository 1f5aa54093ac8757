// Bounded fuzzing of the skin reader and the legacy import: a few thousand damaged copies of a
// small good skin of each format, from fixed seeds. None may crash or hang the process; a skin
// that opens must hold windows; the file read is never changed; and a conversion that is
// refused leaves the earlier converted skin exactly as it was.
#include <gtest/gtest.h>

#include "skin/model/SkinReader.h"

#include "tests/skin_model/LegacyImportFixtures.h"
#include "tests/skin_model/SkinFileFixtures.h"
#include "tests/support/Mutations.h"

#include <string>

using namespace Vexel;

namespace {

constexpr int kSkinCases = 1200;
constexpr int kLegacyCases = 500;

const std::string kThirtyNines(30, '9');

std::string GoodSkin()
{
    return skin_test::SkinText(
        "<Windows><Window><ID Value=\"IDW_A\"/><BackgroundNormal RelativePath=\"a.bmp\"/><Controls>"
        "<PUSHBUTTON><ID Value=\"IDC_A\"/><Rect Size=\"20,10\" Location=\"1,2\"/><Caption Value=\"OK\"/>"
        "<ColorN Value=\"#00000012\"/></PUSHBUTTON><STATIC><ID Value=\"IDC_B\"/></STATIC></Controls></Window>"
        "<Window><ID Value=\"IDW_B\"/></Window></Windows><Resources><Colors><COLOR><ID Value=\"IDR_COLOR_9\"/>"
        "<Value Value=\"#00FF0000\"/></COLOR></Colors></Resources><Styles><Menus><STYLE_MENU>"
        "<MenuItemHeight Value=\"20\"/></STYLE_MENU></Menus></Styles>");
}

std::string GoodLegacySkin()
{
    const legacy_test::Encoding ansi = legacy_test::Encoding::Ansi;
    const std::wstring font = legacy_test::FontText(legacy_test::MakeFont(L"Tahoma", -12, 400), ansi);
    return legacy_test::FileBytes(
        L"[Settings]\r\nLogPixelsX=96\r\nLogPixelsY=96\r\n"
        L"[Main]\r\nType=Window\r\nIDs=Main\r\nBkN=main.bmp\r\nIsUseMaskColor=1\r\n"
        L"[Main_OK]\r\nType=PUSHBUTTON\r\nIDs=IDOK\r\nRect=1,2,30,20\r\nCaption=OK\r\nFontN=" + font + L"\r\n"
        L"[Main_Name]\r\nType=STATIC\r\nIDs=IDC_STA_NAME\r\nColorN=0x0000FF\r\n"
        L"[Other]\r\nType=Window\r\nIDs=Other\r\n",
        ansi);
}

class SkinFuzzTest : public skin_test::SkinTest {};

TEST_F(SkinFuzzTest, DamagedSkinFilesAreRefusedOrOpenWithWindowsAndAreNeverChanged)
{
    lumeo_test::Mutations mutations(4601, {"<", ">", "</Window>", "<Window>", "\"", "=", "&", "&#0;", "<!--",
                                           "<?xml version=\"1." + kThirtyNines + "\"?>", "\xEF\xBB\xBF",
                                           std::string("\xFF\xFE", 2), "99999999999", "-", "<Windows/>"});
    const std::string seed = GoodSkin();
    const std::wstring resourceH = folder.File(L"Resource.h");
    ASSERT_TRUE(lumeo_test::WriteFileBytes(resourceH, "#define IDW_A 100\r\n#define IDC_A 1000\r\n"));
    int opened = 0;
    for (int i = 0; i < kSkinCases; ++i) {
        const std::string bytes = mutations.Next(seed);
        ReleaseSkin();
        const std::wstring path = WriteSkin(bytes);
        const int result = OpenSkin(path.c_str(), 1);
        if (result == kSkinOpened) {
            ++opened;
            EXPECT_FALSE(g_skinStore.windows.empty()) << "case " << i << ": opened without a window";
        }
        EXPECT_EQ(bytes, lumeo_test::ReadFileBytes(path)) << "case " << i;
        if (HasFailure())
            break;
    }
    EXPECT_EQ("#define IDW_A 100\r\n#define IDC_A 1000\r\n", lumeo_test::ReadFileBytes(resourceH));
    // Enough edits leave a readable skin for the fuzzing to reach past the parser.
    EXPECT_GT(opened, kSkinCases / 100);
}

TEST_F(SkinFuzzTest, DamagedLegacySkinsConvertWithWindowsOrLeaveTheEarlierSkinAlone)
{
    lumeo_test::Mutations mutations(4602, {"[", "]", "\r\n", "Type=", "Type=Window\r\n", "IDs=", "=", "_", "0x",
                                           "[Settings]\r\n", "LogPixelsX=", std::string("\xFF\xFE", 2), ","});
    const std::string seed = GoodLegacySkin();
    const std::wstring legacy = folder.File(L"old.ui");
    const std::wstring converted = folder.File(L"old.xui");
    const std::string earlier = "an earlier conversion";
    int refused = 0;
    for (int i = 0; i < kLegacyCases; ++i) {
        const std::string bytes = mutations.Next(seed);
        ReleaseSkin();
        ASSERT_TRUE(lumeo_test::WriteFileBytes(legacy, bytes));
        ASSERT_TRUE(lumeo_test::WriteFileBytes(converted, earlier));
        const int result = OpenSkin(legacy.c_str(), 1);
        if (result == kSkinOpened) {
            EXPECT_FALSE(g_skinStore.windows.empty()) << "case " << i << ": converted without a window";
            EXPECT_NE(earlier, lumeo_test::ReadFileBytes(converted)) << "case " << i;
        } else {
            ++refused;
            EXPECT_EQ(earlier, lumeo_test::ReadFileBytes(converted)) << "case " << i << ": changed after " << result;
        }
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((converted + L"~").c_str())) << "case " << i;
        EXPECT_EQ(bytes, lumeo_test::ReadFileBytes(legacy)) << "case " << i;
        if (HasFailure())
            break;
    }
    // Cutting and flipping reach the refusal often enough to prove it.
    EXPECT_GT(refused, 0);
}

} // namespace
