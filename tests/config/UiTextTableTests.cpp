// The text table: its 25 sections and 367 slots in the language file's order, empty until
// loaded, each slot its own field, and the core's two texts bound to the right slots.
#include "core/CoreUiTexts.h"
#include "texts/UiTextTable.h"

#include "tests/config/UiTextTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

using config_test::Slots;
using config_test::TextSlot;

struct SectionLayout {
    const wchar_t* name;
    int firstKey;  // 0: the worded keys of "Info"
    int count;
};

// The inventory of the language file, section by section.
const SectionLayout kLayout[] = {
    {L"Info", 0, 3},
    {L"APP_INSTANCE", 37000, 7},
    {L"MENU_HISTORY", 11000, 4},
    {L"MENU_MAIN", 12000, 15},
    {L"MENU_BLANK", 13000, 4},
    {L"MENU_CONTACTS", 14000, 15},
    {L"MENU_GROUP", 15000, 6},
    {L"MENU_STATUS", 16000, 6},
    {L"DLG_LOGIN", 20000, 28},
    {L"DLG_ABOUT", 21000, 4},
    {L"DLG_AUDIOCODEC", 22000, 10},
    {L"DLG_VIDEOCODEC", 23000, 8},
    {L"DLG_AUDIOSETUP", 24000, 11},
    {L"DLG_VIDEOSETP", 25000, 6},
    {L"DLG_UPDATE", 26000, 6},
    {L"DLG_OPTIONS", 27000, 56},
    {L"CALL_WND", 30000, 49},
    {L"CHAT_WND", 31000, 3},
    {L"CONTACTDETAILS_WND", 32000, 19},
    {L"CONTACTTREE_WND", 33000, 12},
    {L"ONLINE_WND", 34000, 6},
    {L"MAIN_WND", 35000, 20},
    {L"VIDEO_WND", 36000, 5},
    {L"MISC", 38000, 14},
    {L"PAGE_WND", 40000, 50},
};

// The keys of one section as the file names them; MISC jumps from 38003 to 38006.
std::vector<std::wstring> KeysOf(const SectionLayout& section)
{
    if (section.firstKey == 0)
        return {L"language", L"option", L"version"};
    std::vector<std::wstring> keys;
    for (int key = section.firstKey; static_cast<int>(keys.size()) < section.count; ++key) {
        if (key == 38004 || key == 38005)
            continue;
        keys.push_back(std::to_wstring(key));
    }
    return keys;
}

TEST(UiTextTable, HoldsEverySlotOfTheLanguageFileInItsOrder)
{
    const auto table = std::make_unique<UiTextTable>();
    const std::vector<TextSlot> slots = Slots(*table);
    ASSERT_EQ(367u, slots.size());

    size_t at = 0;
    for (const SectionLayout& section : kLayout) {
        for (const std::wstring& key : KeysOf(section)) {
            ASSERT_LT(at, slots.size());
            EXPECT_EQ(section.name, slots[at].section) << "slot " << at;
            EXPECT_EQ(key, slots[at].key) << "slot " << at;
            ++at;
        }
    }
    EXPECT_EQ(slots.size(), at);
}

TEST(UiTextTable, StartsWithEveryTextEmpty)
{
    const auto table = std::make_unique<UiTextTable>();
    for (const TextSlot& slot : Slots(*table))
        EXPECT_TRUE(slot.text.empty()) << slot.section << L" " << slot.key;
    for (const TextSlot& slot : Slots(g_uiTexts))
        EXPECT_TRUE(slot.text.empty()) << "g_uiTexts " << slot.section << L" " << slot.key;
}

TEST(UiTextTable, EverySlotIsAFieldOfItsOwnThatWindowsReadByName)
{
    const auto table = std::make_unique<UiTextTable>();
    config_test::MarkEveryText(*table);

    std::set<std::wstring> distinct;
    for (const TextSlot& slot : Slots(*table))
        distinct.insert(slot.text);
    EXPECT_EQ(367u, distinct.size());

    struct Named {
        const CString& field;
        const wchar_t* expected;
    } const named[] = {
        {table->info.language, L"Info/language"},
        {table->info.version, L"Info/version"},
        {table->appInstance.t37000, L"APP_INSTANCE/37000"},
        {table->dlgVideoSetup.t25001, L"DLG_VIDEOSETP/25001"},
        {table->callWnd.t30046, L"CALL_WND/30046"},
        {table->contactDetailsWnd.t32000, L"CONTACTDETAILS_WND/32000"},
        {table->misc.t38003, L"MISC/38003"},
        {table->misc.t38006, L"MISC/38006"},
        {table->pageWnd.t40049, L"PAGE_WND/40049"},
    };
    for (const Named& n : named)
        EXPECT_STREQ(n.expected, n.field.GetString());
}

TEST(UiTextTable, BindingPointsTheCoreAtTheClockPrefixAndTheDefaultGroupName)
{
    const auto table = std::make_unique<UiTextTable>();
    BindCoreUiTexts(*table);
    table->callWnd.t30046 = L"Duration:";
    table->contactDetailsWnd.t32000 = L"Friends";
    // Read at use: a text set after binding is what the core sees.
    EXPECT_STREQ(L"Duration:", CallDurationPrefixText().GetString());
    EXPECT_STREQ(L"Friends", DefaultGroupNameText().GetString());

    BindCoreUiTexts(CoreUiTextSlots{});
    EXPECT_TRUE(CallDurationPrefixText().IsEmpty());
}

} // namespace
