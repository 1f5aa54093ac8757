#include "RecordTestSupport.h"

#include "skin/model/ResourceProperties.h"
#include "skin/model/StandardFont.h"
#include "skin/model/UiWndProperties.h"

#include <cstring>
#include <memory>

using namespace Vexel;
using namespace record_test;

namespace {

TEST(RecordKinds, CountSizeAndTypeName)
{
    ScriptedPrompts prompts;
    const CTRLPROPERTIES base;
    const UIWNDPROPERTIES window;
    const RESFONTPROPERTIES font;
    const RESCOLORPROPERTIES color;
    const struct {
        const CTRLPROPERTIES* record;
        int count;
        int size;
        LPCWSTR type;
        bool isFont;
        bool isColor;
    } cases[] = {
        {&base, 43, 5512, L"", false, false},
        {&window, 66, 8480, L"UIWND", false, false},
        {&font, 44, 5640, L"FONT", true, false},
        {&color, 44, 5640, L"COLOR", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Str(c.type));
        EXPECT_EQ(c.count, c.record->GetVarCount());
        EXPECT_EQ(c.size, c.record->GetVar(0).GetLong());
        EXPECT_TRUE(c.record->GetVar(1) == c.type);
        EXPECT_EQ(c.isFont, c.record->IsFontResource());
        EXPECT_EQ(c.isColor, c.record->IsColorResource());
        EXPECT_FALSE(c.record->IsCustomScrollBarEnabled());
    }
    // 8480 is no multiple of 128 past 8: the type name alone gives 66, silently.
    EXPECT_TRUE(prompts.Prompts().empty());
}

TEST(WindowRecord, OwnVariablesCarryTheirNamesKindsAndDefaults)
{
    const UIWNDPROPERTIES record;
    const VarExpectation expected[] = {
        {43, L"IsNoActivate", nullptr, nullptr, ValueKind::None, L"No Activate", L"General", true},
        {47, L"Alpha", nullptr, nullptr, ValueKind::None, L"Alpha Value", nullptr, true},
        {49, L"AlphaFormat", nullptr, nullptr, ValueKind::AlphaFormat, L"Alpha Format", nullptr, true},
        {53, L"TitleBarHeight", nullptr, L"TitleBarHeight", ValueKind::None, L"Title Bar Height", nullptr, true},
        {54, L"Tag", nullptr, nullptr, ValueKind::None, L"Tag", nullptr, false},
        {55, L"BackgroundHide", L"RelativePath", nullptr, ValueKind::ImagePath, L"No Controls", L"Background Images", false},
        {56, L"IsUseMaskColor", nullptr, L"IsUseMaskColor", ValueKind::None, L"Use Mask Color", L"Mask Color", true},
        {57, L"MaskColor", nullptr, L"MaskColor", ValueKind::Color, L"Mask Color", nullptr, false},
        {58, L"MaskColorResID", nullptr, nullptr, ValueKind::ColorResourceID, L"Mask Color ID", nullptr, false},
        {59, L"IsResizing", nullptr, L"IsResizing", ValueKind::None, L"Resize", L"Resize", true},
        {60, L"IsResizingBorder", nullptr, nullptr, ValueKind::None, L"Resizing Border", nullptr, true},
        {61, L"ResizingPoint", nullptr, L"ResizingPoint", ValueKind::Point, L"Resize Point", nullptr, false},
        {63, L"YRepeatPixel", nullptr, nullptr, ValueKind::None, L"Y Repeat Pixel", nullptr, true},
        {64, L"WindowType", nullptr, L"WindowType", ValueKind::WindowType, L"Window Type", L"General", true},
        {65, L"ClientArea", nullptr, nullptr, ValueKind::Rect, L"Client Area", nullptr, false},
    };
    for (const auto& e : expected)
        ExpectVar(record, e);

    EXPECT_EQ(255, record.GetVar(UiWndVar::Alpha).GetLong());
    EXPECT_EQ(0, record.GetVar(UiWndVar::Alpha).RangeMin());
    EXPECT_EQ(255, record.GetVar(UiWndVar::Alpha).RangeMax());
    EXPECT_EQ(L"AC_SRC_ALPHA", std::wstring(record.GetVar(UiWndVar::AlphaFormat).EnumToWord()));
    EXPECT_EQ(2u, record.GetVar(UiWndVar::AlphaFormat).Options().size());
    EXPECT_TRUE(record.GetVar(UiWndVar::IsAppWindow).GetBool());
    EXPECT_TRUE(record.GetVar(UiWndVar::IsLayeredWindow).GetBool());
    EXPECT_EQ(VT_BOOL, record.GetVar(UiWndVar::IsResizingBorder).Type());
    EXPECT_EQ(-1, record.GetVar(UiWndVar::TitleBarHeight).RangeMin());
    EXPECT_EQ(7680, record.GetVar(UiWndVar::TitleBarHeight).RangeMax());
    EXPECT_EQ(0xFF00FFu, record.GetVar(UiWndVar::MaskColor).GetColor());
    EXPECT_TRUE(record.GetVar(UiWndVar::MaskColor).IsSuperseded());
    EXPECT_EQ(0, record.GetVar(UiWndVar::ResizingPoint).GetPoint().x);
    EXPECT_EQ(1, record.GetVar(UiWndVar::XRepeatPixel).GetLong());
    EXPECT_EQ(L"Normal", std::wstring(record.GetVar(UiWndVar::WindowType).EnumToWord()));
    EXPECT_TRUE(record.GetVar(UiWndVar::WindowType).EditorFlag1());
    const RECT client = record.GetVar(UiWndVar::ClientArea).GetRect();
    EXPECT_EQ(0, client.left);
    EXPECT_EQ(0, client.bottom);
    EXPECT_EQ(-3840, record.GetVar(UiWndVar::ClientArea).RangeMin());
}

TEST(WindowRecord, KeepsOnlyIdClipLayoutBackgroundImagesAndResizeModeOfTheBase)
{
    const UIWNDPROPERTIES record;
    // Switched off: the window's extent, the control-only flags, the base
    // resize point and every font and colour variable.
    EXPECT_EQ(Join({{0, 3, 4, 5, 6}, Range(11, 14), {20}, Range(21, 42)}), SwitchedOff(record));
    // The rectangle is neither read nor written.
    EXPECT_FALSE(record.GetVar(CtrlVar::Rect).IsSaved());
    EXPECT_EQ(Join({{2, 7, 8, 9, 10}, Range(15, 19), Range(43, 56), Range(58, 65)}), WrittenVariables(record));
    // The images form a group of their own; "General" and "Background Images" start twice.
    EXPECT_TRUE(record.GetVar(CtrlVar::BackgroundNormal).IsGroupStart());
    EXPECT_EQ(L"Background Images", Str(record.GetVar(CtrlVar::BackgroundNormal).Group()));
    EXPECT_EQ(L"General", Str(record.GetVar(CtrlVar::Type).Group()));
}

TEST(WindowRecord, ControlListStartsEmptyAndDoesNotOwnItsControls)
{
    auto control = std::make_unique<RESCOLORPROPERTIES>();
    control->GetVar(CtrlVar::ID).SetString(L"IDC_STILL_HERE");
    {
        UIWNDPROPERTIES window;
        EXPECT_TRUE(window.Controls().empty());
        window.Controls().push_back(control.get());
        EXPECT_EQ(1u, window.Controls().size());
    }
    // The window is gone; the control the store owns is untouched.
    EXPECT_TRUE(control->GetVar(CtrlVar::ID) == L"IDC_STILL_HERE");
    EXPECT_EQ(44, control->GetVarCount());
}

TEST(WindowRecord, CopyHoldsEveryVariableAndTheSameControls)
{
    CTRLPROPERTIES control;
    UIWNDPROPERTIES source;
    source.GetVar(CtrlVar::ID).SetString(L"IDW_MAIN");
    source.GetVar(UiWndVar::Alpha).SetInt(128);
    source.GetVar(UiWndVar::ResizingPoint).SetPoint(POINT{12, 34});
    source.Controls().push_back(&control);

    UIWNDPROPERTIES copy(source);
    EXPECT_TRUE(copy.GetVar(CtrlVar::ID) == L"IDW_MAIN");
    EXPECT_EQ(128, copy.GetVar(UiWndVar::Alpha).GetLong());
    EXPECT_EQ(34, copy.GetVar(UiWndVar::ResizingPoint).GetPoint().y);
    ASSERT_EQ(1u, copy.Controls().size());
    EXPECT_EQ(&control, copy.Controls()[0]);
    // Copies, not shared values: changing the source leaves the copy.
    source.GetVar(CtrlVar::ID).SetString(L"IDW_OTHER");
    EXPECT_TRUE(copy.GetVar(CtrlVar::ID) == L"IDW_MAIN");
    // Options are carried once, not doubled.
    EXPECT_EQ(2u, copy.GetVar(UiWndVar::AlphaFormat).Options().size());

    UIWNDPROPERTIES assigned;
    assigned = source;
    EXPECT_TRUE(assigned.GetVar(CtrlVar::ID) == L"IDW_OTHER");
    EXPECT_EQ(1u, assigned.Controls().size());
    EXPECT_EQ(2u, assigned.GetVar(UiWndVar::AlphaFormat).Options().size());
}

TEST(ResourceRecords, FontAndColourKeepOnlyTheirIdAndValue)
{
    const RESFONTPROPERTIES font;
    const RESCOLORPROPERTIES color;
    for (const CTRLPROPERTIES* record : {static_cast<const CTRLPROPERTIES*>(&font),
                                          static_cast<const CTRLPROPERTIES*>(&color)}) {
        EXPECT_EQ((std::set<int>{2, 43}), WrittenVariables(*record));
        EXPECT_EQ(Join({Range(3, 42), {0}}), SwitchedOff(*record));
    }

    ExpectVar(font, {43, L"Font", nullptr, nullptr, ValueKind::Font, L"Font(Size)", nullptr, false});
    EXPECT_FALSE(font.GetVar(ResourceVar::Value).IsSuperseded());
    LOGFONTW held = {};
    font.GetVar(ResourceVar::Value).GetLogFont(held);
    EXPECT_EQ(std::wstring(L"Tahoma"), std::wstring(held.lfFaceName));
    EXPECT_EQ(-12, held.lfHeight);
    EXPECT_EQ(400, held.lfWeight);
    EXPECT_EQ(0, std::memcmp(&held, &GetStandardFont(), sizeof held));

    ExpectVar(color, {43, L"Color", nullptr, nullptr, ValueKind::Color, L"Color", nullptr, true});
    EXPECT_EQ(0u, color.GetVar(ResourceVar::Value).GetColor());
    EXPECT_EQ(VT_I4, color.GetVar(ResourceVar::Value).Type());
}

TEST(ResourceRecords, DestroyedThroughTheBase)
{
    std::unique_ptr<CTRLPROPERTIES> records[] = {
        std::make_unique<RESFONTPROPERTIES>(), std::make_unique<RESCOLORPROPERTIES>(),
        std::make_unique<UIWNDPROPERTIES>()};
    EXPECT_TRUE(records[0]->IsFontResource());
    EXPECT_TRUE(records[1]->IsColorResource());
    EXPECT_EQ(66, records[2]->GetVarCount());
}

} // namespace
