#include "skin/model/EnumWords.h"

#include <iterator>

namespace Vexel {
namespace {

constexpr EnumWord kImageResizeMode[] = {
    {1, L"9Grid"}, {2, L"Stretch"}, {3, L"Tile"}, {4, L"Center"}};
constexpr int kImageResizeModeOptions[] = {1, 2, 3, 4};

constexpr EnumWord kHorLayoutMode[] = {
    {0, L"Default"}, {1, L"Left"}, {2, L"Right"}, {3, L"Center"}, {4, L"Free"},
    {5, L"Right Even Zoom Out"}};
constexpr EnumWord kVerLayoutMode[] = {
    {0, L"Default"}, {1, L"Top"}, {2, L"Bottom"}, {3, L"Center"}, {4, L"Free"},
    {5, L"Bottom Even Zoom Out"}};
constexpr int kZeroToFive[] = {0, 1, 2, 3, 4, 5};

constexpr EnumWord kTextHorAlignMode[] = {
    {0, L"Default"}, {1, L"Left"}, {2, L"Right"}, {3, L"Center"}};
constexpr EnumWord kTextVerAlignMode[] = {
    {0, L"Default"}, {1, L"Top"}, {2, L"Bottom"}, {3, L"Center"}};
constexpr int kZeroToThree[] = {0, 1, 2, 3};

constexpr EnumWord kForegroundHorAlignMode[] = {{0, L"Center"}, {1, L"Left"}, {2, L"Right"}};
constexpr EnumWord kForegroundVerAlignMode[] = {{0, L"Center"}, {1, L"Top"}, {2, L"Bottom"}};
constexpr int kCenterLast[] = {1, 2, 0};   // editors offer the sides first

constexpr EnumWord kButtonType[] = {{0, L"Normal"}, {1, L"MinimizeBox"}, {2, L"CloseBox"}};
constexpr EnumWord kCheckBoxType[] = {{0, L"Normal"}, {1, L"MaximizeBox"}};
constexpr EnumWord kWindowType[] = {
    {0, L"Normal"}, {1, L"MDI Frame"}, {2, L"MDI Client"}, {3, L"MDI Child Frame"},
    {4, L"MDI View"}};
constexpr EnumWord kComboStyle[] = {{1, L"Simple"}, {2, L"DropDown"}, {3, L"DropDown List"}};
constexpr int kOneToThree[] = {1, 2, 3};
constexpr EnumWord kSpinAlignment[] = {{0, L"Unattached"}, {1, L"Left"}, {2, L"Right"}};
constexpr EnumWord kSliderExtendedStyle[] = {
    {0, L"Normal"}, {1, L"Progress"}, {2, L"Split Progress"}};
constexpr EnumWord kListStyle[] = {
    {0, L"Icon"}, {1, L"Small Icon"}, {2, L"List"}, {3, L"Report"}, {4, L"Thumbnail"}};
constexpr EnumWord kListAlign[] = {{0, L"Top"}, {1, L"Left"}};
constexpr EnumWord kListSort[] = {{0, L"Unset"}, {1, L"Ascending"}, {2, L"Descending"}};
constexpr EnumWord kBackgroundType[] = {{0, L"Image"}, {1, L"Color"}};
constexpr int kColorFirst[] = {1, 0};
constexpr EnumWord kProgressMode[] = {{0, L"Stretch"}, {1, L"Tile"}};
constexpr EnumWord kThumbPositionMode[] = {{0, L"Default"}, {1, L"Specified"}};
constexpr EnumWord kAlphaFormat[] = {{0, L"None"}, {1, L"AC_SRC_ALPHA"}};
constexpr EnumWord kMenuBorderStyle[] = {{0, L"Normal"}, {1, L"Flat"}, {2, L"None"}};
constexpr EnumWord kSplitterOrientation[] = {{0, L"WestEast"}, {1, L"NorthSouth"}};

template <size_t W, size_t O>
constexpr EnumWordTable Table(const EnumWord (&words)[W], const int (&options)[O])
{
    return {words, static_cast<int>(W), options, static_cast<int>(O)};
}

template <size_t W>
constexpr EnumWordTable Table(const EnumWord (&words)[W])
{
    // Options in table order: the numbers run 0, 1, 2 ... for these kinds.
    return {words, static_cast<int>(W), kZeroToFive, static_cast<int>(W)};
}

// Indexed by kind - ImageResizeMode.
constexpr EnumWordTable kTables[] = {
    Table(kImageResizeMode, kImageResizeModeOptions),
    Table(kHorLayoutMode, kZeroToFive),
    Table(kVerLayoutMode, kZeroToFive),
    Table(kTextHorAlignMode, kZeroToThree),
    Table(kTextVerAlignMode, kZeroToThree),
    Table(kForegroundHorAlignMode, kCenterLast),
    Table(kForegroundVerAlignMode, kCenterLast),
    Table(kButtonType),
    Table(kCheckBoxType),
    Table(kWindowType),
    Table(kComboStyle, kOneToThree),
    Table(kSpinAlignment),
    Table(kSliderExtendedStyle),
    Table(kListStyle),
    Table(kListAlign),
    Table(kListSort),
    Table(kBackgroundType, kColorFirst),
    Table(kProgressMode),
    Table(kThumbPositionMode),
    Table(kAlphaFormat),
    Table(kMenuBorderStyle),
    Table(kSplitterOrientation),
};
static_assert(std::size(kTables) ==
              static_cast<size_t>(LastEnumKind) - static_cast<size_t>(FirstEnumKind) + 1,
              "one word table per enumeration kind");

} // namespace

const EnumWordTable* FindEnumWordTable(ValueKind kind)
{
    if (!IsEnumKind(kind))
        return nullptr;
    return &kTables[static_cast<int>(kind) - static_cast<int>(FirstEnumKind)];
}

LPCWSTR EnumNumberToWord(ValueKind kind, int value)
{
    const EnumWordTable* table = FindEnumWordTable(kind);
    if (!table)
        return nullptr;
    for (int i = 0; i < table->wordCount; ++i) {
        if (table->words[i].value == value)
            return table->words[i].word;
    }
    return nullptr;
}

bool EnumWordToNumber(ValueKind kind, LPCWSTR word, int* value)
{
    const EnumWordTable* table = FindEnumWordTable(kind);
    if (!table)
        return false;
    for (int i = 0; i < table->wordCount; ++i) {
        if (EqualsIgnoringAsciiCase(table->words[i].word, word)) {
            if (value)
                *value = table->words[i].value;
            return true;
        }
    }
    return false;
}

} // namespace Vexel
