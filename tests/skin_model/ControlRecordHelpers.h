#pragma once
// Helpers for the control record tests: a readable text of a variable's value,
// a field-by-field comparison of two variables, and the attribute names a
// variable occupies in the skin file.
#include "skin/model/CtrlProperties.h"

#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace Vexel::test {

inline bool SameText(LPCWSTR a, LPCWSTR b)
{
    if (!a || !b)
        return a == b;
    return std::wcscmp(a, b) == 0;
}

inline std::wstring Show(LPCWSTR text)
{
    return text ? L"\"" + std::wstring(text) + L"\"" : L"null";
}

// Bytes of an array VARIANT (VT_ARRAY of VT_I4 or VT_UI1), for comparisons.
inline std::vector<unsigned char> ArrayBytes(const VARIANT& v)
{
    std::vector<unsigned char> bytes;
    if (!(v.vt & VT_ARRAY) || !v.parray)
        return bytes;
    void* data = nullptr;
    if (FAILED(SafeArrayAccessData(v.parray, &data)))
        return bytes;
    const ULONG size = v.parray->rgsabound[0].cElements * v.parray->cbElements;
    bytes.assign(static_cast<unsigned char*>(data), static_cast<unsigned char*>(data) + size);
    SafeArrayUnaccessData(v.parray);
    return bytes;
}

// Equal type and payload; arrays by their bytes.
inline bool SameVariant(const VARIANT& a, const VARIANT& b)
{
    if (a.vt != b.vt)
        return false;
    if (a.vt & VT_ARRAY)
        return ArrayBytes(a) == ArrayBytes(b);
    return VariantsEqual(a, b);
}

// The value as a short text: "true", "12", "0x808080" (colours), enumeration
// words, "(l, t, r, b)", "(x, y)", a font's face and height, "<empty>".
inline std::wstring ValueText(const PropertyValue& var)
{
    const VARIANT& v = var.Value();
    switch (var.Kind()) {
    case ValueKind::Rect: {
        const RECT r = var.GetRect();
        return L"(" + std::to_wstring(r.left) + L", " + std::to_wstring(r.top) + L", " +
               std::to_wstring(r.right) + L", " + std::to_wstring(r.bottom) + L")";
    }
    case ValueKind::Point: {
        const POINT p = var.GetPoint();
        return L"(" + std::to_wstring(p.x) + L", " + std::to_wstring(p.y) + L")";
    }
    case ValueKind::Font: {
        LOGFONTW font = {};
        var.GetLogFont(font);
        return std::wstring(font.lfFaceName) + L" " + std::to_wstring(font.lfHeight);
    }
    case ValueKind::Color:
    case ValueKind::ColorRef: {
        wchar_t text[16];
        swprintf(text, 16, L"0x%06lX", static_cast<unsigned long>(v.lVal));
        return v.vt == VT_I4 ? text : L"<not a number>";
    }
    default:
        break;
    }
    if (IsEnumKind(var.Kind()))
        return var.EnumToWord().GetString();
    switch (v.vt) {
    case VT_EMPTY:
        return L"<empty>";
    case VT_BOOL:
        return v.boolVal ? L"true" : L"false";
    case VT_I4:
        return std::to_wstring(v.lVal);
    default:
        return var.GetString().GetString();
    }
}

// Every field a record constructor sets, compared; the first difference is
// named in the failure.
inline testing::AssertionResult SameVariable(const PropertyValue& a, const PropertyValue& b)
{
    auto differ = [](const char* field) { return testing::AssertionFailure() << field << " differs"; };
    if (a.Kind() != b.Kind())
        return differ("kind");
    if (!SameVariant(a.Value(), b.Value()))
        return differ("value");
    if (!SameVariant(a.DefaultValue(), b.DefaultValue()))
        return differ("default");
    if (a.IsSaved() != b.IsSaved() || a.IsSuperseded() != b.IsSuperseded())
        return differ("saved/superseded");
    if (a.EditorFlag1() != b.EditorFlag1() || a.EditorFlag2() != b.EditorFlag2() ||
        a.EditorFlag3() != b.EditorFlag3())
        return differ("editor flags");
    if (!SameText(a.MemberName(), b.MemberName()))
        return differ("member name");
    if (!SameText(a.LegacyKey(), b.LegacyKey()))
        return differ("legacy key");
    if (!SameText(a.XmlElement(), b.XmlElement()) || !SameText(a.XmlAttribute(), b.XmlAttribute()))
        return differ("XML name");
    if (a.IsGroupStart() != b.IsGroupStart() || !SameText(a.Group(), b.Group()))
        return differ("group");
    if (!SameText(a.DisplayName(), b.DisplayName()) || !SameText(a.Description(), b.Description()))
        return differ("editor texts");
    if (a.RangeMin() != b.RangeMin() || a.RangeMax() != b.RangeMax())
        return differ("range");
    if (a.Options().size() != b.Options().size())
        return differ("options");
    for (size_t i = 0; i < a.Options().size(); ++i) {
        if (!SameText(a.Options()[i], b.Options()[i]))
            return differ("options");
    }
    if ((a.NestedValue() == nullptr) != (b.NestedValue() == nullptr))
        return differ("nested value");
    return testing::AssertionSuccess();
}

// Variables [first, last] of two records, pairwise.
inline testing::AssertionResult SameVariables(const CTRLPROPERTIES& a, const CTRLPROPERTIES& b, int first, int last)
{
    for (int i = first; i <= last; ++i) {
        testing::AssertionResult same = SameVariable(a.GetVar(i), b.GetVar(i));
        if (!same)
            return same << " at variable " << i;
    }
    return testing::AssertionSuccess();
}

// The attribute names a variable fills in its element in the skin file.
inline std::vector<std::wstring> FileAttributes(const PropertyValue& var)
{
    switch (var.Kind()) {
    case ValueKind::Rect:
        return {L"Size", L"Location"};
    case ValueKind::Point:
        return {L"X", L"Y"};
    case ValueKind::Font:
        return {L"Height", L"Width", L"lfEscapement", L"Orientation", L"Weight", L"Italic", L"Underline",
                L"StrikeOut", L"CharSet", L"OutPrecision", L"ClipPrecision", L"Quality", L"PitchAndFamily",
                L"FaceName"};
    default:
        return {var.XmlAttribute()};
    }
}

// The indices of a record's switched-off variables (isSaved and editorFlag2 clear).
inline std::vector<int> SwitchedOff(const CTRLPROPERTIES& record)
{
    std::vector<int> off;
    for (int i = 0; i < record.GetVarCount(); ++i) {
        if (record.GetVar(i).IsSwitchedOff())
            off.push_back(i);
    }
    return off;
}

// Inclusive runs of indices, joined: Runs({{16, 17}, {22, 23}}) -> 16 17 22 23.
inline std::vector<int> Runs(std::initializer_list<std::pair<int, int>> runs)
{
    std::vector<int> indices;
    for (const auto& run : runs) {
        for (int i = run.first; i <= run.second; ++i)
            indices.push_back(i);
    }
    return indices;
}

} // namespace Vexel::test
