#include <gtest/gtest.h>

#include "skin/model/PropertyValue.h"

#include <comdef.h>

#include <cstring>
#include <string>

using namespace Vexel;

namespace {

// Runs `statement` and expects it to raise a _com_error carrying `hr`.
template <typename F>
void ExpectComError(HRESULT hr, F statement)
{
    try {
        statement();
        ADD_FAILURE() << "no _com_error raised";
    } catch (const _com_error& e) {
        EXPECT_EQ(hr, e.Error());
    }
}

std::wstring Str(const CString& text)
{
    return std::wstring(text.GetString(), text.GetLength());
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

LOGFONTW SampleFont(LPCWSTR face, LONG height)
{
    LOGFONTW font = {};
    font.lfHeight = height;
    font.lfWeight = FW_BOLD;
    font.lfItalic = TRUE;
    font.lfCharSet = 1;
    wcscpy_s(font.lfFaceName, face);
    return font;
}

TEST(PropertyValue, FreshVariableHoldsTheDefaults)
{
    const PropertyValue var;
    EXPECT_EQ(VT_EMPTY, var.Type());
    EXPECT_EQ(VT_EMPTY, var.DefaultValue().vt);
    EXPECT_EQ(ValueKind::None, var.Kind());
    EXPECT_TRUE(var.IsSaved());
    EXPECT_FALSE(var.IsSuperseded());
    EXPECT_FALSE(var.EditorFlag1());
    EXPECT_TRUE(var.EditorFlag2());
    EXPECT_FALSE(var.EditorFlag3());
    EXPECT_FALSE(var.IsGroupStart());
    EXPECT_EQ(nullptr, var.MemberName());
    EXPECT_EQ(nullptr, var.LegacyKey());
    EXPECT_EQ(nullptr, var.XmlElement());
    EXPECT_EQ(L"Value", std::wstring(var.XmlAttribute()));
    EXPECT_EQ(L"", std::wstring(var.DisplayName()));
    EXPECT_TRUE(var.Options().empty());
    EXPECT_EQ(0, var.RangeMin());
    EXPECT_EQ(0, var.RangeMax());
    EXPECT_EQ(nullptr, var.NestedValue());
}

TEST(PropertyValue, ConstructorsGiveTheirVariantTypes)
{
    const PropertyValue number(42);
    EXPECT_EQ(VT_I4, number.Type());
    EXPECT_EQ(42, number.Value().lVal);

    const PropertyValue flag(false);
    EXPECT_EQ(VT_BOOL, flag.Type());
    EXPECT_EQ(VARIANT_FALSE, flag.Value().boolVal);

    const PropertyValue layout(ValueKind::VerLayoutMode, 5);
    EXPECT_EQ(VT_INT, layout.Type());
    EXPECT_EQ(5, layout.Value().intVal);
    EXPECT_EQ(ValueKind::VerLayoutMode, layout.Kind());
    EXPECT_EQ(L"Bottom Even Zoom Out", Str(layout.EnumToWord()));
    ExpectComError(E_INVALIDARG, [] { PropertyValue notAnEnum(ValueKind::Color, 1); });

    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(L"IDW_MAIN");
    const PropertyValue copy(text);
    VariantClear(&text);   // the variable holds its own copy
    EXPECT_TRUE(copy == L"IDW_MAIN");
}

TEST(PropertyValue, SetIntKeepsIntegerErrorAndBooleanTypesAndReplacesOthers)
{
    PropertyValue i4(1);
    i4.SetInt(-9);
    EXPECT_EQ(VT_I4, i4.Type());
    EXPECT_EQ(-9, i4.Value().lVal);

    VARIANT error;
    VariantInit(&error);
    error.vt = VT_ERROR;
    error.scode = DISP_E_PARAMNOTFOUND;
    PropertyValue errorVar(error);
    errorVar.SetInt(7);
    EXPECT_EQ(VT_ERROR, errorVar.Type());
    EXPECT_EQ(7, errorVar.Value().scode);

    PropertyValue flag(false);
    flag.SetInt(5);
    EXPECT_EQ(VT_BOOL, flag.Type());
    EXPECT_EQ(VARIANT_TRUE, flag.Value().boolVal);
    flag.SetInt(0);
    EXPECT_EQ(VARIANT_FALSE, flag.Value().boolVal);

    PropertyValue text;
    text.SetString(L"abc");
    text.SetKind(ValueKind::Color);
    text.SetInt(0x00FF00FF);
    EXPECT_EQ(VT_I4, text.Type());
    EXPECT_EQ(ValueKind::Color, text.Kind());   // SetInt never changes the kind
    EXPECT_EQ(0x00FF00FFu, text.GetColor());

    PropertyValue enumeration(ValueKind::ListStyle, 3);
    enumeration.SetInt(2);
    EXPECT_EQ(VT_I4, enumeration.Type());
    EXPECT_EQ(ValueKind::ListStyle, enumeration.Kind());
}

TEST(PropertyValue, SetStringAndSetBoolReplaceTheValue)
{
    PropertyValue var(12);
    var.SetString(nullptr);
    EXPECT_EQ(VT_BSTR, var.Type());
    EXPECT_EQ(nullptr, var.Value().bstrVal);
    EXPECT_EQ(L"", Str(var.GetString()));
    EXPECT_TRUE(var == L"");

    var.SetString(L"Caption >>");
    EXPECT_EQ(L"Caption >>", Str(var.GetString()));
    var.SetBool(true);
    EXPECT_EQ(VT_BOOL, var.Type());
    EXPECT_EQ(VARIANT_TRUE, var.Value().boolVal);
    EXPECT_TRUE(var.GetBool());
}

TEST(PropertyValue, ArraySettersSetTheirKindsAndGettersReadThem)
{
    PropertyValue var;
    var.SetRect(RECT{250, 4, 272, 23});
    EXPECT_EQ(VT_ARRAY | VT_I4, var.Type());
    EXPECT_EQ(ValueKind::Rect, var.Kind());
    EXPECT_TRUE(SameRect(RECT{250, 4, 272, 23}, var.GetRect()));
    RECT copied = {};
    var.CopyRectTo(copied);
    EXPECT_TRUE(SameRect(RECT{250, 4, 272, 23}, copied));

    var.SetPoint(POINT{20, 10});
    EXPECT_EQ(ValueKind::Point, var.Kind());
    EXPECT_EQ(20, var.GetPoint().x);
    EXPECT_EQ(10, var.GetPoint().y);

    const LOGFONTW font = SampleFont(L"Arial", -13);
    var.SetLogFont(font);
    EXPECT_EQ(VT_ARRAY | VT_UI1, var.Type());
    EXPECT_EQ(92u, var.Value().parray->rgsabound[0].cElements);
    LOGFONTW back = {};
    var.GetLogFont(back);
    EXPECT_EQ(0, std::memcmp(&font, &back, sizeof font));
}

TEST(PropertyValue, GettersOnTheWrongKindGiveTheirSentinels)
{
    // A point is a VT_I4 array too, but not a rectangle.
    PropertyValue point;
    point.SetPoint(POINT{1, 2});
    EXPECT_TRUE(SameRect(RECT{-1, -1, -1, -1}, point.GetRect()));
    EXPECT_EQ(0xFFFFFFFFu, point.GetColor());

    PropertyValue rect;
    rect.SetRect(RECT{1, 2, 3, 4});
    EXPECT_EQ(-1, rect.GetPoint().x);
    EXPECT_EQ(-1, rect.GetPoint().y);

    // A VT_I4 is no point, whatever its kind says.
    PropertyValue number(5);
    number.SetKind(ValueKind::Point);
    EXPECT_EQ(-1, number.GetPoint().x);

    // A run-time colour is no skin colour; a VT_BSTR with the Color kind neither.
    PropertyValue runTime;
    runTime.SetColor(RGB(1, 2, 3));
    EXPECT_EQ(ValueKind::ColorRef, runTime.Kind());
    EXPECT_EQ(0xFFFFFFFFu, runTime.GetColor());
    PropertyValue textColor;
    textColor.SetString(L"#00FF0000");
    textColor.SetKind(ValueKind::Color);
    EXPECT_EQ(0xFFFFFFFFu, textColor.GetColor());

    // The caller's font stays as it was.
    LOGFONTW untouched = SampleFont(L"Keep", 7);
    const LOGFONTW before = untouched;
    rect.GetLogFont(untouched);
    number.GetLogFont(untouched);
    EXPECT_EQ(0, std::memcmp(&before, &untouched, sizeof before));

    // Enumerations: a reader finds -1 for another type or another kind.
    EXPECT_EQ(-1, number.GetEnumValue(ValueKind::ImageResizeMode));
    EXPECT_EQ(-1, PropertyValue(ValueKind::ListAlign, 1).GetEnumValue(ValueKind::ListSort));
    EXPECT_EQ(1, PropertyValue(ValueKind::ListAlign, 1).GetEnumValue(ValueKind::ListAlign));
}

TEST(PropertyValue, RunTimeColourKeepsAHandleReadBackAsAnInteger)
{
    // The skinned menu parks a bitmap handle here; it must come back unchanged.
    PropertyValue cache(false);
    const LONG handle = 0x0ABC1234;
    cache.SetColor(static_cast<COLORREF>(handle));
    EXPECT_EQ(VT_I4, cache.Type());
    EXPECT_EQ(handle, cache.GetLong());
    cache.SetColor(0);
    EXPECT_EQ(0, cache.GetLong());
}

TEST(PropertyValue, SetPointXOnAnEmptyVariableMakesATwoElementArray)
{
    PropertyValue var;
    EXPECT_EQ(0, var.SetPointX(7));
    EXPECT_EQ(VT_ARRAY | VT_I4, var.Type());
    ASSERT_NE(nullptr, var.Value().parray);
    EXPECT_EQ(2u, var.Value().parray->rgsabound[0].cElements);
    EXPECT_EQ(ValueKind::None, var.Kind());   // the kind stays
    LONG index = 1;
    LONG y = -1;
    ASSERT_EQ(S_OK, SafeArrayGetElement(var.Value().parray, &index, &y));
    EXPECT_EQ(0, y);

    // The file reader's way: a point variable read attribute by attribute.
    PropertyValue point;
    point.SetPoint(POINT{3, 3});
    point.SetPointY(9);
    EXPECT_EQ(3, point.GetPoint().x);
    EXPECT_EQ(9, point.GetPoint().y);
    // A text value is replaced by a fresh array.
    PropertyValue text;
    text.SetString(L"x");
    text.SetPointY(4);
    text.SetKind(ValueKind::Point);
    EXPECT_EQ(0, text.GetPoint().x);
    EXPECT_EQ(4, text.GetPoint().y);
}

TEST(PropertyValue, InitArrayMakesTheArrayFormOfAKind)
{
    PropertyValue var(3);
    LOGFONTW font = SampleFont(L"Tahoma", -16);
    var.InitArray(ValueKind::Font, &font);
    EXPECT_EQ(ValueKind::Font, var.Kind());
    LOGFONTW back = {};
    EXPECT_EQ(0, std::memcmp(&font, &var.GetLogFont(back), sizeof font));

    var.InitArray(ValueKind::Rect);
    EXPECT_TRUE(SameRect(RECT{0, 0, 0, 0}, var.GetRect()));
    ExpectComError(E_INVALIDARG, [&] { var.InitArray(ValueKind::Color); });
    EXPECT_EQ(ValueKind::Rect, var.Kind());   // nothing changed
}

TEST(PropertyValue, GetStringConvertsOtherTypesByTheAutomationRule)
{
    EXPECT_EQ(L"42", Str(PropertyValue(42).GetString()));
    EXPECT_EQ(L"-7", Str(PropertyValue(-7).GetString()));
    EXPECT_EQ(L"", Str(PropertyValue().GetString()));
    // An enumeration that is not written as a word reads as its number.
    EXPECT_EQ(L"3", Str(PropertyValue(ValueKind::ListStyle, 3).GetString()));
    // Not a VT_INT: EnumToWord falls back on the text.
    PropertyValue words;
    words.SetString(L"Report");
    words.SetKind(ValueKind::ListStyle);
    EXPECT_EQ(L"Report", Str(words.EnumToWord()));
    EXPECT_EQ(-1, words.WordToEnum(L"List"));
    EXPECT_TRUE(words == L"Report");

    PropertyValue rect;
    rect.SetRect(RECT{1, 2, 3, 4});
    ExpectComError(DISP_E_TYPEMISMATCH, [&] { rect.GetString(); });
}

TEST(PropertyValue, NumericReadsConvertOrRaise)
{
    PropertyValue text;
    text.SetString(L"24");
    EXPECT_EQ(24, text.GetInt());
    EXPECT_EQ(24, text.GetLong());
    EXPECT_EQ(24, text.GetShort());
    EXPECT_EQ(24, text.GetByte());
    EXPECT_EQ(VT_BSTR, text.Type());   // reading never changes the value

    EXPECT_EQ(255, PropertyValue(255).GetByte());
    EXPECT_EQ(3, PropertyValue(ValueKind::ListStyle, 3).GetLong());
    EXPECT_TRUE(PropertyValue(1).GetBool());
    EXPECT_FALSE(PropertyValue(0).GetBool());
    EXPECT_FALSE(PropertyValue(false).GetBool());
    EXPECT_FALSE(PropertyValue().GetBool());

    PropertyValue word;
    word.SetString(L"abc");
    ExpectComError(DISP_E_TYPEMISMATCH, [&] { word.GetInt(); });
    ExpectComError(DISP_E_OVERFLOW, [] { PropertyValue(256).GetByte(); });
}

TEST(PropertyValue, TextComparisonIsExactAndOnlyForTexts)
{
    PropertyValue id;
    id.SetString(L"IDC_BTN_MIN");
    EXPECT_TRUE(id == L"IDC_BTN_MIN");
    EXPECT_FALSE(id == L"idc_btn_min");
    EXPECT_TRUE(id != L"IDC_BTN_MI");
    EXPECT_TRUE(id != L"IDC_BTN_MIN ");

    // An integer differs from every text, the empty one included.
    const PropertyValue number(0);
    EXPECT_TRUE(number != L"");
    EXPECT_FALSE(number == L"0");
    EXPECT_TRUE(PropertyValue() != L"");
}

TEST(PropertyValue, LogFontEqualsComparesFontsByBytesAndOthersAsVariants)
{
    PropertyValue a;
    PropertyValue b;
    a.SetLogFont(SampleFont(L"Tahoma", -12));
    b.SetLogFont(SampleFont(L"Tahoma", -12));
    EXPECT_TRUE(a.LogFontEquals(b));
    b.SetLogFont(SampleFont(L"Tahomb", -12));
    EXPECT_TRUE(a.LogFontDiffers(b));

    EXPECT_TRUE(PropertyValue(true).LogFontEquals(PropertyValue(true)));
    EXPECT_FALSE(PropertyValue(true).LogFontEquals(PropertyValue(false)));
    EXPECT_FALSE(PropertyValue(1).LogFontEquals(PropertyValue(true)));   // type differs
    EXPECT_TRUE(PropertyValue().LogFontEquals(PropertyValue()));

    PropertyValue text1;
    PropertyValue text2;
    text1.SetString(L"IDR_FONT_1");
    text2.SetString(L"IDR_FONT_1");
    EXPECT_TRUE(text1.LogFontEquals(text2));
    text2.SetString(L"IDR_FONT_10");
    EXPECT_FALSE(text1.LogFontEquals(text2));

    // A flag never given a default differs from it (the writer then always writes it).
    PropertyValue flag(false);
    EXPECT_FALSE(flag.LogFontEquals(flag.DefaultValue()));
    flag.CopyValueToDefault();
    EXPECT_TRUE(flag.LogFontEquals(flag.DefaultValue()));

    PropertyValue rect;
    rect.SetRect(RECT{0, 0, 1, 1});
    ExpectComError(E_INVALIDARG, [&] { rect.LogFontEquals(rect); });
    ExpectComError(E_INVALIDARG, [&] { a.LogFontEquals(a.Value()); });   // a bare VARIANT has no kind
}

void Describe(PropertyValue& var)
{
    var.SetKind(ValueKind::HorLayoutMode);
    var.SetSaved(false);
    var.SetEditorFlag1(true);
    var.SetEditorFlag2(false);
    var.SetEditorFlag3(true);
    var.SetSuperseded(true);
    var.SetMemberName(L"eHorLayoutMode");
    var.SetLegacyKey(L"HorLayoutMode");
    var.SetXmlElement(L"LayoutMode");
    var.SetXmlAttribute(L"Horizontal");
    var.StartGroup(L"Layout Mode");
    var.SetDisplayName(L"Horizontal");
    var.SetDescription(L"Specifies the horizontal layout mode for the control.");
    var.SetRange(-1920, 1920);
    var.AddEnumOptions();
}

TEST(PropertyValue, AssignCopiesTheDescriptionNotTheValueAndAppendsOptions)
{
    PropertyValue source(ValueKind::HorLayoutMode, 4);
    Describe(source);
    source.CopyValueToDefault();

    PropertyValue target(17);
    target.Assign(source);
    EXPECT_EQ(VT_I4, target.Type());
    EXPECT_EQ(17, target.Value().lVal);
    EXPECT_EQ(VT_EMPTY, target.DefaultValue().vt);
    EXPECT_EQ(ValueKind::HorLayoutMode, target.Kind());
    EXPECT_FALSE(target.IsSaved());
    EXPECT_TRUE(target.EditorFlag1());
    EXPECT_FALSE(target.EditorFlag2());
    EXPECT_FALSE(target.EditorFlag3());     // not copied
    EXPECT_FALSE(target.IsSuperseded());    // not copied
    EXPECT_EQ(L"eHorLayoutMode", std::wstring(target.MemberName()));
    EXPECT_EQ(L"HorLayoutMode", std::wstring(target.LegacyKey()));
    EXPECT_EQ(L"LayoutMode", std::wstring(target.XmlElement()));
    EXPECT_EQ(L"Horizontal", std::wstring(target.XmlAttribute()));
    EXPECT_TRUE(target.IsGroupStart());
    EXPECT_EQ(L"Layout Mode", std::wstring(target.Group()));
    EXPECT_EQ(L"Horizontal", std::wstring(target.DisplayName()));
    EXPECT_EQ(-1920, target.RangeMin());
    EXPECT_EQ(1920, target.RangeMax());
    EXPECT_EQ(6u, target.Options().size());

    target.Assign(source);
    ASSERT_EQ(12u, target.Options().size());   // twice: the entries double
    EXPECT_EQ(std::wstring(target.Options()[0]), std::wstring(target.Options()[6]));

    target.Assign(target);   // self: nothing
    EXPECT_EQ(12u, target.Options().size());
}

TEST(PropertyValue, CopyFromMakesAnEqualVariable)
{
    PropertyValue source(ValueKind::HorLayoutMode, 4);
    Describe(source);
    source.CopyValueToDefault();
    source.SetNestedCopy(PropertyValue(false));

    PropertyValue target;
    target.AddOption(L"stale");
    target.CopyFrom(source);
    EXPECT_EQ(4, target.GetEnumValue(ValueKind::HorLayoutMode));
    EXPECT_TRUE(target.LogFontEquals(source.DefaultValue()));
    EXPECT_TRUE(target.IsSuperseded());
    EXPECT_TRUE(target.EditorFlag3());
    EXPECT_EQ(6u, target.Options().size());   // replaced, not appended
    ASSERT_NE(nullptr, target.NestedValue());
    EXPECT_EQ(VT_BOOL, target.NestedValue()->Type());
}

TEST(PropertyValue, ClearEmptiesTheValueAndTheNestedValueButKeepsTheDescription)
{
    PropertyValue var;
    Describe(var);
    var.SetRect(RECT{1, 2, 3, 4});
    var.SetNestedCopy(PropertyValue(false));
    ASSERT_NE(nullptr, var.NestedValue());
    var.Clear();
    EXPECT_EQ(VT_EMPTY, var.Type());
    EXPECT_EQ(nullptr, var.NestedValue());
    EXPECT_EQ(ValueKind::Rect, var.Kind());
    EXPECT_EQ(L"LayoutMode", std::wstring(var.XmlElement()));
}

TEST(PropertyValue, SetNestedCopyHoldsTheSourcesValueAndDescription)
{
    PropertyValue source(ValueKind::ListSort, 2);
    Describe(source);
    source.SetKind(ValueKind::ListSort);
    PropertyValue var;
    EXPECT_EQ(0, var.SetNestedCopy(source));
    ASSERT_NE(nullptr, var.NestedValue());
    EXPECT_EQ(2, var.NestedValue()->GetEnumValue(ValueKind::ListSort));
    EXPECT_EQ(L"LayoutMode", std::wstring(var.NestedValue()->XmlElement()));
    // A second nested copy replaces the first.
    var.SetNestedCopy(PropertyValue(false));
    EXPECT_EQ(VT_BOOL, var.NestedValue()->Type());
}

} // namespace
