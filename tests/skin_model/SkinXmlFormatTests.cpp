#include <gtest/gtest.h>

#include "skin/model/SkinXmlFormat.h"

#include <cwchar>
#include <string>

using namespace Vexel;

namespace {

std::wstring W(const CString& text) { return text.Str(); }

TEST(SkinXmlFormat, EncodingOfEveryValueKind)
{
    using SkinXml::Encoding;   // not the legacy import tests' file encoding
    const struct {
        int kind;
        Encoding encoding;
    } cases[] = {
        {0, Encoding::Text},       {1, Encoding::Nothing},     {2, Encoding::Text},      {3, Encoding::Nothing},
        {4, Encoding::Rect},       {5, Encoding::Point},       {6, Encoding::Color},     {7, Encoding::Font},
        {8, Encoding::ImagePath},  {9, Encoding::Nothing},     {10, Encoding::Enumeration},
        {20, Encoding::Enumeration}, {31, Encoding::Enumeration}, {32, Encoding::Text},  {33, Encoding::Text},
        {34, Encoding::Nothing},   {52, Encoding::Nothing},    {53, Encoding::Text},     {54, Encoding::Nothing},
        {55, Encoding::Text},      {56, Encoding::Text},       {57, Encoding::Text},     {58, Encoding::Nothing},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.encoding, SkinXml::EncodingOf(static_cast<ValueKind>(c.kind))) << "kind " << c.kind;
}

TEST(SkinXmlFormat, WhichVariablesProduceOutput)
{
    PropertyValue atDefault(true);
    atDefault.CopyValueToDefault();
    PropertyValue changed(true);
    changed.CopyValueToDefault();
    changed.SetBool(false);
    PropertyValue neverDefaulted(false);        // a flag whose record set no default
    PropertyValue number(5);
    number.CopyValueToDefault();                // only flags are left out at their default
    PropertyValue superseded;
    superseded.SetColor(0x123456);
    superseded.SetKind(ValueKind::Color);
    superseded.SetSuperseded(true);
    PropertyValue notSaved(7);
    notSaved.SetSaved(false);
    PropertyValue runTimeColor;
    runTimeColor.SetColor(0x123456);            // kind ColorRef
    PropertyValue recordSize(5512);
    recordSize.SetKind(ValueKind::RecordSize);
    PropertyValue typeName;
    typeName.SetString(L"PUSHBUTTON");
    typeName.SetKind(ValueKind::TypeName);
    PropertyValue enumAtDefault(ValueKind::ButtonType, 0);
    enumAtDefault.CopyValueToDefault();         // enumerations are written even at their default

    const struct {
        const char* name;
        const PropertyValue* var;
        bool written;
    } cases[] = {
        {"flag at its default", &atDefault, false},
        {"flag changed", &changed, true},
        {"flag without default", &neverDefaulted, true},
        {"integer at its default", &number, true},
        {"superseded colour", &superseded, false},
        {"not saved", &notSaved, false},
        {"run-time colour", &runTimeColor, false},
        {"record size", &recordSize, false},
        {"type name", &typeName, false},
        {"enumeration at its default", &enumAtDefault, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.written, SkinXml::IsWrittenVariable(*c.var)) << c.name;
}

TEST(SkinXmlFormat, TextsOfTheEncodings)
{
    EXPECT_EQ(L"0700", W(SkinXml::FormatVersion(CURRENT_SKIN_MAJOR, CURRENT_SKIN_MINOR)));
    const RECT button = {250, 4, 272, 23};
    EXPECT_EQ(L"22,19", W(SkinXml::FormatRectSize(button)));
    EXPECT_EQ(L"250,4", W(SkinXml::FormatRectLocation(button)));
    const RECT none = {-1, -1, -1, -1};          // what a value that is no rectangle reads as
    EXPECT_EQ(L"0,0", W(SkinXml::FormatRectSize(none)));
    EXPECT_EQ(L"-1,-1", W(SkinXml::FormatRectLocation(none)));
    EXPECT_EQ(L"#00E16941", W(SkinXml::FormatColor(RGB(0x41, 0x69, 0xE1))));
    EXPECT_EQ(L"#FFFFFFFF", W(SkinXml::FormatColor(static_cast<COLORREF>(-1))));

    PropertyValue flag(true);
    EXPECT_EQ(L"true", W(SkinXml::ValueText(flag)));
    flag.SetBool(false);
    EXPECT_EQ(L"false", W(SkinXml::ValueText(flag)));
    PropertyValue number(-13);
    EXPECT_EQ(L"-13", W(SkinXml::ValueText(number)));
    PropertyValue caption;
    caption.SetString(L">>");
    EXPECT_EQ(L">>", W(SkinXml::ValueText(caption)));   // escaping is the serializer's
}

TEST(SkinXmlFormat, FontToWriteIsZeroForANonFontAndCutsLongFaceNames)
{
    PropertyValue notAFont(12);
    notAFont.SetKind(ValueKind::Font);
    const LOGFONTW zero = {};
    const LOGFONTW fromText = SkinXml::FontToWrite(notAFont);
    EXPECT_EQ(0, memcmp(&zero, &fromText, sizeof(LOGFONTW)));

    LOGFONTW font = {};
    font.lfHeight = -13;
    font.lfCharSet = 0;
    for (wchar_t& ch : font.lfFaceName)
        ch = L'F';                               // 32 characters, no terminator
    PropertyValue var;
    var.SetLogFont(font);
    const LOGFONTW written = SkinXml::FontToWrite(var);
    EXPECT_EQ(-13, written.lfHeight);
    EXPECT_EQ(std::wstring(31, L'F'), std::wstring(written.lfFaceName));
}

TEST(SkinXmlFormat, StyleGroupsInStyleKindOrder)
{
    EXPECT_STREQ(L"PushButtons", SkinXml::StyleGroupElement(0));
    EXPECT_STREQ(L"IPAdresses", SkinXml::StyleGroupElement(10));
    EXPECT_STREQ(L"Menubars", SkinXml::StyleGroupElement(20));
    EXPECT_STREQ(L"VerScrollbars", SkinXml::StyleGroupElement(23));
    EXPECT_EQ(nullptr, SkinXml::StyleGroupElement(-1));
    EXPECT_EQ(nullptr, SkinXml::StyleGroupElement(24));
}

} // namespace
