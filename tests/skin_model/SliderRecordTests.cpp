// Slider, scroll bar style, rectangle and splitter records.
#include "ControlRecordHelpers.h"

#include "skin/model/SliderProperties.h"

namespace Vexel::test {
namespace {

// The variables a writer would put into the file: saved, not superseded, and
// neither the record size nor the type name.
std::vector<int> Written(const CTRLPROPERTIES& record)
{
    std::vector<int> written;
    for (int i = 0; i < record.GetVarCount(); ++i) {
        const PropertyValue& var = record.GetVar(i);
        if (var.IsSaved() && !var.IsSuperseded() && var.Kind() != ValueKind::RecordSize &&
            var.Kind() != ValueKind::TypeName)
            written.push_back(i);
    }
    return written;
}

TEST(SliderRecords, LeaveARectangleOnlyItsIdRectangleClipFlagsAndLayout)
{
    const std::vector<int> rect = {CtrlVar::ID, CtrlVar::Rect, CtrlVar::IsClipChildren, CtrlVar::IsClipSiblings,
                                   CtrlVar::HorLayoutMode, CtrlVar::VerLayoutMode};
    EXPECT_EQ(rect, Written(RECTPROPERTIES()));

    std::vector<int> splitter = rect;
    splitter.push_back(SplitterVar::Orientation);
    EXPECT_EQ(splitter, Written(SPLITTERPROPERTIES()));
}

TEST(SliderRecords, StoreTheMarksUnderTheirOwnElements)
{
    const SLDPROPERTIES slider;
    struct Image {
        int index;
        LPCWSTR element;
        LPCWSTR legacyKey;
        LPCWSTR displayName;
    };
    const Image images[] = {
        {SldVar::NormalBackground, L"BackgroundNormal", L"BkN", L"Normal Background"},
        {SldVar::MarkNormal, L"MarkNormal", L"BkH", L"Normal Mark"},
        {SldVar::MarkDisabled, L"MarkDisabled", L"BkS", L"Disabled Mark"},
        {SldVar::DisabledBackground, L"BackgroundDisabled", L"BkD", L"Disabled Background"},
    };
    for (const Image& image : images) {
        const PropertyValue& var = slider.GetVar(image.index);
        EXPECT_STREQ(image.element, var.XmlElement());
        EXPECT_STREQ(image.legacyKey, var.LegacyKey());
        EXPECT_STREQ(image.displayName, var.DisplayName());
        EXPECT_TRUE(var.IsSaved());
    }
    EXPECT_EQ(-3840, slider.GetVar(SldVar::TipWindowOffset).RangeMin());
}

TEST(SliderRecords, ExtendedSliderIsTheSliderUnderAnotherName)
{
    const SLDPROPERTIES slider;
    const SLDEXPROPERTIES extended;
    EXPECT_TRUE(SameVariable(slider.GetVar(CtrlVar::RecordSize), extended.GetVar(CtrlVar::RecordSize)));
    EXPECT_TRUE(SameVariables(slider, extended, CtrlVar::ID, SldVar::Count - 1));
}

TEST(SliderRecords, ScrollBarStylesDifferOnlyInTheirResizePoint)
{
    const HORSBPROPERTIES horizontal;
    const VERSBPROPERTIES vertical;
    EXPECT_TRUE(SameVariables(horizontal, vertical, CtrlVar::ID, CtrlVar::ResizingPoint - 1));
    EXPECT_TRUE(SameVariables(horizontal, vertical, CtrlVar::ResizingPoint + 1, ScrollBarStyleVar::Count - 1));
    EXPECT_EQ(L"(20, 10)", ValueText(horizontal.GetVar(CtrlVar::ResizingPoint)));
    EXPECT_EQ(L"(10, 20)", ValueText(vertical.GetVar(CtrlVar::ResizingPoint)));

    const PropertyValue& combine = horizontal.GetVar(CtrlVar::IsCombineImages);
    EXPECT_STREQ(L"IsCombineImages", combine.LegacyKey());
    EXPECT_TRUE(combine.IsGroupStart());
    EXPECT_STREQ(L"Background", combine.Group());
}

TEST(SliderRecords, GiveScrollBarThumbsAndButtonsTheirEditorData)
{
    const HORSBPROPERTIES style;
    for (int i = ScrollBarStyleVar::IsCombineThumbImages; i < ScrollBarStyleVar::Count; ++i) {
        const bool nested = (i >= ScrollBarStyleVar::ThumbNormal && i <= ScrollBarStyleVar::ThumbDisabled) ||
                            i >= ScrollBarStyleVar::LeftUpButtonSize;
        const PropertyValue& var = style.GetVar(i);
        SCOPED_TRACE(i);
        EXPECT_EQ(nested, var.EditorFlag3());
        ASSERT_EQ(nested, var.NestedValue() != nullptr);
        if (nested) {
            EXPECT_EQ(L"false", ValueText(*var.NestedValue()));
        }
    }
}

} // namespace
} // namespace Vexel::test
