#include <gtest/gtest.h>

#include "skin/model/EnumWords.h"
#include "skin/model/PropertyValue.h"

#include <map>
#include <string>
#include <vector>

using namespace Vexel;

namespace {

struct WordCase {
    ValueKind kind;
    int value;
    const wchar_t* word;
};

// Every word of every enumeration kind, as the skin file writes it.
const WordCase kAllWords[] = {
    {ValueKind::ImageResizeMode, 1, L"9Grid"}, {ValueKind::ImageResizeMode, 2, L"Stretch"},
    {ValueKind::ImageResizeMode, 3, L"Tile"}, {ValueKind::ImageResizeMode, 4, L"Center"},
    {ValueKind::HorLayoutMode, 0, L"Default"}, {ValueKind::HorLayoutMode, 1, L"Left"},
    {ValueKind::HorLayoutMode, 2, L"Right"}, {ValueKind::HorLayoutMode, 3, L"Center"},
    {ValueKind::HorLayoutMode, 4, L"Free"}, {ValueKind::HorLayoutMode, 5, L"Right Even Zoom Out"},
    {ValueKind::VerLayoutMode, 0, L"Default"}, {ValueKind::VerLayoutMode, 1, L"Top"},
    {ValueKind::VerLayoutMode, 2, L"Bottom"}, {ValueKind::VerLayoutMode, 3, L"Center"},
    {ValueKind::VerLayoutMode, 4, L"Free"}, {ValueKind::VerLayoutMode, 5, L"Bottom Even Zoom Out"},
    {ValueKind::TextHorAlignMode, 0, L"Default"}, {ValueKind::TextHorAlignMode, 1, L"Left"},
    {ValueKind::TextHorAlignMode, 2, L"Right"}, {ValueKind::TextHorAlignMode, 3, L"Center"},
    {ValueKind::TextVerAlignMode, 0, L"Default"}, {ValueKind::TextVerAlignMode, 1, L"Top"},
    {ValueKind::TextVerAlignMode, 2, L"Bottom"}, {ValueKind::TextVerAlignMode, 3, L"Center"},
    {ValueKind::ForegroundHorAlignMode, 0, L"Center"}, {ValueKind::ForegroundHorAlignMode, 1, L"Left"},
    {ValueKind::ForegroundHorAlignMode, 2, L"Right"},
    {ValueKind::ForegroundVerAlignMode, 0, L"Center"}, {ValueKind::ForegroundVerAlignMode, 1, L"Top"},
    {ValueKind::ForegroundVerAlignMode, 2, L"Bottom"},
    {ValueKind::ButtonType, 0, L"Normal"}, {ValueKind::ButtonType, 1, L"MinimizeBox"},
    {ValueKind::ButtonType, 2, L"CloseBox"},
    {ValueKind::CheckBoxType, 0, L"Normal"}, {ValueKind::CheckBoxType, 1, L"MaximizeBox"},
    {ValueKind::WindowType, 0, L"Normal"}, {ValueKind::WindowType, 1, L"MDI Frame"},
    {ValueKind::WindowType, 2, L"MDI Client"}, {ValueKind::WindowType, 3, L"MDI Child Frame"},
    {ValueKind::WindowType, 4, L"MDI View"},
    {ValueKind::ComboStyle, 1, L"Simple"}, {ValueKind::ComboStyle, 2, L"DropDown"},
    {ValueKind::ComboStyle, 3, L"DropDown List"},
    {ValueKind::SpinAlignment, 0, L"Unattached"}, {ValueKind::SpinAlignment, 1, L"Left"},
    {ValueKind::SpinAlignment, 2, L"Right"},
    {ValueKind::SliderExtendedStyle, 0, L"Normal"}, {ValueKind::SliderExtendedStyle, 1, L"Progress"},
    {ValueKind::SliderExtendedStyle, 2, L"Split Progress"},
    {ValueKind::ListStyle, 0, L"Icon"}, {ValueKind::ListStyle, 1, L"Small Icon"},
    {ValueKind::ListStyle, 2, L"List"}, {ValueKind::ListStyle, 3, L"Report"},
    {ValueKind::ListStyle, 4, L"Thumbnail"},
    {ValueKind::ListAlign, 0, L"Top"}, {ValueKind::ListAlign, 1, L"Left"},
    {ValueKind::ListSort, 0, L"Unset"}, {ValueKind::ListSort, 1, L"Ascending"},
    {ValueKind::ListSort, 2, L"Descending"},
    {ValueKind::BackgroundType, 0, L"Image"}, {ValueKind::BackgroundType, 1, L"Color"},
    {ValueKind::ProgressMode, 0, L"Stretch"}, {ValueKind::ProgressMode, 1, L"Tile"},
    {ValueKind::ThumbPositionMode, 0, L"Default"}, {ValueKind::ThumbPositionMode, 1, L"Specified"},
    {ValueKind::AlphaFormat, 0, L"None"}, {ValueKind::AlphaFormat, 1, L"AC_SRC_ALPHA"},
    {ValueKind::MenuBorderStyle, 0, L"Normal"}, {ValueKind::MenuBorderStyle, 1, L"Flat"},
    {ValueKind::MenuBorderStyle, 2, L"None"},
    {ValueKind::SplitterOrientation, 0, L"WestEast"}, {ValueKind::SplitterOrientation, 1, L"NorthSouth"},
};

std::wstring AsciiLower(std::wstring text)
{
    for (auto& c : text)
        c = (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
    return text;
}

TEST(EnumWords, EveryWordOfEveryKindGoesWordToValueToWordUnchanged)
{
    std::map<int, int> wordsPerKind;
    for (const auto& c : kAllWords) {
        const std::wstring where = std::to_wstring(static_cast<int>(c.kind)) + L" " + c.word;
        ++wordsPerKind[static_cast<int>(c.kind)];

        // Read in another case, the word still finds its number...
        PropertyValue var(c.kind, -7);
        EXPECT_EQ(0, var.WordToEnum(AsciiLower(c.word).c_str())) << where;
        EXPECT_EQ(VT_INT, var.Type()) << where;
        EXPECT_EQ(c.value, var.GetEnumValue(c.kind)) << where;
        // ...and is written back exactly as the table has it.
        EXPECT_EQ(std::wstring(c.word), std::wstring(var.EnumToWord())) << where;
        EXPECT_EQ(std::wstring(c.word), std::wstring(EnumNumberToWord(c.kind, c.value))) << where;
    }
    // No kind has words beyond these: 22 kinds, each table exactly as long.
    EXPECT_EQ(22u, wordsPerKind.size());
    for (int code = 10; code <= 31; ++code) {
        const EnumWordTable* table = FindEnumWordTable(static_cast<ValueKind>(code));
        ASSERT_NE(nullptr, table) << code;
        EXPECT_EQ(wordsPerKind[code], table->wordCount) << code;
    }
    EXPECT_EQ(nullptr, FindEnumWordTable(ValueKind::Color));
    EXPECT_EQ(nullptr, FindEnumWordTable(ValueKind::FontResourceID));
}

TEST(EnumWords, CenterIsLookedUpWithinTheVariablesOwnKind)
{
    const struct {
        ValueKind kind;
        int expected;
    } cases[] = {
        {ValueKind::ImageResizeMode, 4}, {ValueKind::HorLayoutMode, 3}, {ValueKind::VerLayoutMode, 3},
        {ValueKind::TextHorAlignMode, 3}, {ValueKind::TextVerAlignMode, 3},
        {ValueKind::ForegroundHorAlignMode, 0}, {ValueKind::ForegroundVerAlignMode, 0},
    };
    for (const auto& c : cases) {
        PropertyValue var(c.kind, 9);
        EXPECT_EQ(0, var.WordToEnum(L"center"));
        EXPECT_EQ(c.expected, var.Value().intVal) << static_cast<int>(c.kind);
    }
}

TEST(EnumWords, UnknownWordLeavesTheValueAndTheLookupReportsFailure)
{
    const wchar_t* unknown[] = {L"Middle", L"", L"9 Grid", L"Centre", L"Center "};
    for (const wchar_t* word : unknown) {
        PropertyValue var(ValueKind::ImageResizeMode, 3);
        EXPECT_EQ(0, var.WordToEnum(word));
        EXPECT_EQ(3, var.Value().intVal);
        int number = -5;
        EXPECT_FALSE(EnumWordToNumber(ValueKind::ImageResizeMode, word, &number));
        EXPECT_EQ(-5, number);
    }
    // A word of another kind is no word of this one.
    PropertyValue layout(ValueKind::HorLayoutMode, 2);
    layout.WordToEnum(L"Top");
    EXPECT_EQ(2, layout.Value().intVal);
    // Null word: nothing found, nothing changed.
    layout.WordToEnum(nullptr);
    EXPECT_EQ(2, layout.Value().intVal);
}

TEST(EnumWords, NumbersWithoutAWordGiveAnEmptyWord)
{
    EXPECT_EQ(L"", std::wstring(PropertyValue(ValueKind::ImageResizeMode, 0).EnumToWord()));
    EXPECT_EQ(L"", std::wstring(PropertyValue(ValueKind::ComboStyle, 0).EnumToWord()));
    EXPECT_EQ(L"", std::wstring(PropertyValue(ValueKind::ListStyle, 5).EnumToWord()));
    EXPECT_EQ(nullptr, EnumNumberToWord(ValueKind::AlphaFormat, -1));
}

TEST(EnumWords, EditorOptionsFollowEachKindsOrder)
{
    const struct {
        ValueKind kind;
        std::vector<std::wstring> options;
    } cases[] = {
        {ValueKind::ImageResizeMode, {L"9Grid", L"Stretch", L"Tile", L"Center"}},
        {ValueKind::ForegroundHorAlignMode, {L"Left", L"Right", L"Center"}},
        {ValueKind::ForegroundVerAlignMode, {L"Top", L"Bottom", L"Center"}},
        {ValueKind::BackgroundType, {L"Color", L"Image"}},
        {ValueKind::ComboStyle, {L"Simple", L"DropDown", L"DropDown List"}},
        {ValueKind::AlphaFormat, {L"None", L"AC_SRC_ALPHA"}},
        {ValueKind::HorLayoutMode, {L"Default", L"Left", L"Right", L"Center", L"Free", L"Right Even Zoom Out"}},
    };
    for (const auto& c : cases) {
        PropertyValue var(c.kind, 0);
        var.AddEnumOptions();
        std::vector<std::wstring> got(var.Options().begin(), var.Options().end());
        EXPECT_EQ(c.options, got) << static_cast<int>(c.kind);
    }
}

} // namespace
