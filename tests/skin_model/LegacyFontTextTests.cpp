#include <gtest/gtest.h>

#include "skin/model/LegacyFontText.h"
#include "tests/support/TempDir.h"

#include <cstring>
#include <string>

using namespace Vexel;

namespace {

LOGFONTW WideFont()
{
    LOGFONTW font{};
    font.lfHeight = -12;
    font.lfWeight = 700;
    font.lfItalic = 1;
    font.lfCharSet = 0;
    font.lfOutPrecision = 3;
    font.lfClipPrecision = 2;
    font.lfQuality = 1;
    font.lfPitchAndFamily = 0x22;
    wcscpy(font.lfFaceName, L"Tahoma");
    return font;
}

LOGFONTA NarrowFont(const char* face)
{
    LOGFONTA font{};
    font.lfHeight = -15;
    font.lfWidth = 6;
    font.lfEscapement = 900;
    font.lfWeight = 400;
    font.lfUnderline = 1;
    font.lfCharSet = 1;
    font.lfQuality = 5;
    memcpy(font.lfFaceName, face, strnlen(face, LF_FACESIZE));
    return font;
}

bool AllZero(const LOGFONTW& font)
{
    const LOGFONTW zero{};
    return memcmp(&font, &zero, sizeof(font)) == 0;
}

// What the profile functions write for a structure, and what they read back: the text
// must decode to exactly the same bytes.
class ProfileStruct : public testing::Test {
protected:
    std::wstring Ini() const { return dir_.File(L"struct.ini"); }

    std::wstring WrittenText(const void* data, UINT size, bool wide)
    {
        if (wide) {
            EXPECT_TRUE(WritePrivateProfileStructW(L"Struct", L"Value", const_cast<void*>(data), size, Ini().c_str()));
            wchar_t text[512] = {};
            GetPrivateProfileStringW(L"Struct", L"Value", L"", text, 512, Ini().c_str());
            return text;
        }
        const std::wstring widePath = Ini();
        const std::string ini(widePath.begin(), widePath.end());   // the temp path is ASCII
        EXPECT_TRUE(WritePrivateProfileStructA("Struct", "Value", const_cast<void*>(data), size, ini.c_str()));
        char text[512] = {};
        GetPrivateProfileStringA("Struct", "Value", "", text, 512, ini.c_str());
        return std::wstring(text, text + strlen(text));
    }

    BOOL ProfileRead(const std::wstring& text, void* data, UINT size)
    {
        WritePrivateProfileStringW(L"Struct", L"Value", text.c_str(), Ini().c_str());
        return GetPrivateProfileStructW(L"Struct", L"Value", data, size, Ini().c_str());
    }

    lumeo_test::TempDir dir_;
};

TEST_F(ProfileStruct, WideFontDecodesToTheBytesTheProfileFunctionsGive)
{
    const LOGFONTW written = WideFont();
    const std::wstring text = WrittenText(&written, sizeof(written), true);
    ASSERT_EQ(186u, text.size());

    LOGFONTW decoded;
    EXPECT_TRUE(ParseLogFontText(text.c_str(), decoded, true));
    EXPECT_EQ(0, memcmp(&written, &decoded, sizeof(decoded)));

    LOGFONTW profile{};
    ASSERT_TRUE(ProfileRead(text, &profile, sizeof(profile)));
    EXPECT_EQ(0, memcmp(&profile, &decoded, sizeof(decoded)));
}

TEST_F(ProfileStruct, NarrowFontKeepsItsFieldsAndWidensTheFaceName)
{
    const LOGFONTA written = NarrowFont("\xC4rial");   // A with diaeresis in code page 1252
    const std::wstring text = WrittenText(&written, sizeof(written), false);
    ASSERT_EQ(122u, text.size());

    LOGFONTW decoded;
    EXPECT_TRUE(ParseLogFontText(text.c_str(), decoded, false));
    EXPECT_EQ(-15, decoded.lfHeight);
    EXPECT_EQ(6, decoded.lfWidth);
    EXPECT_EQ(900, decoded.lfEscapement);
    EXPECT_EQ(400, decoded.lfWeight);
    EXPECT_EQ(1, decoded.lfUnderline);
    EXPECT_EQ(1, decoded.lfCharSet);
    EXPECT_EQ(5, decoded.lfQuality);
    EXPECT_STREQ(L"\u00C4rial", decoded.lfFaceName);
    EXPECT_EQ(0, memcmp(&written, &decoded, 28));
}

TEST_F(ProfileStruct, LowerCaseDigitsDecodeAsTheProfileFunctionsAccept)
{
    const LOGFONTW written = WideFont();
    std::wstring text = WrittenText(&written, sizeof(written), true);
    for (wchar_t& c : text)
        c = towlower(c);

    LOGFONTW profile{};
    ASSERT_TRUE(ProfileRead(text, &profile, sizeof(profile)));
    LOGFONTW decoded;
    EXPECT_TRUE(ParseLogFontText(text.c_str(), decoded, true));
    EXPECT_EQ(0, memcmp(&profile, &decoded, sizeof(decoded)));
}

TEST_F(ProfileStruct, WrongLengthOrChecksumGivesAZeroFilledFont)
{
    const LOGFONTW wide = WideFont();
    const std::wstring wideText = WrittenText(&wide, sizeof(wide), true);
    const LOGFONTA narrow = NarrowFont("Arial");
    const std::wstring narrowText = WrittenText(&narrow, sizeof(narrow), false);

    std::wstring badChecksum = wideText;
    badChecksum.back() = badChecksum.back() == L'0' ? L'1' : L'0';
    std::wstring badDigit = wideText;
    badDigit[10] = L'G';

    const struct {
        const char* what;
        std::wstring text;
        bool wideFile;
    } cases[] = {
        {"checksum", badChecksum, true},
        {"digit", badDigit, true},
        {"short", wideText.substr(0, wideText.size() - 1), true},
        {"long", wideText + L"0", true},
        {"missing checksum", wideText.substr(0, 184), true},
        {"wide font in an ANSI file", wideText, false},
        {"narrow font in a UTF-16 file", narrowText, true},
        {"empty", L"", true},
    };
    for (const auto& c : cases) {
        LOGFONTW decoded;
        memset(&decoded, 0xCC, sizeof(decoded));
        EXPECT_FALSE(ParseLogFontText(c.text.c_str(), decoded, c.wideFile)) << c.what;
        EXPECT_TRUE(AllZero(decoded)) << c.what;
    }

    LOGFONTW profile{};
    EXPECT_FALSE(ProfileRead(badChecksum, &profile, sizeof(profile)));

    LOGFONTW decoded;
    memset(&decoded, 0xCC, sizeof(decoded));
    EXPECT_FALSE(ParseLogFontText(nullptr, decoded, true));
    EXPECT_TRUE(AllZero(decoded));
}

TEST_F(ProfileStruct, NarrowFaceNameWithoutTerminatorKeepsThirtyOneCharacters)
{
    LOGFONTA written = NarrowFont("");
    memset(written.lfFaceName, 'F', LF_FACESIZE);
    const std::wstring text = WrittenText(&written, sizeof(written), false);

    LOGFONTW decoded;
    EXPECT_TRUE(ParseLogFontText(text.c_str(), decoded, false));
    EXPECT_EQ(std::wstring(LF_FACESIZE - 1, L'F'), std::wstring(decoded.lfFaceName));
}

} // namespace
