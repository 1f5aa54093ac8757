#pragma once
// Shared checks of the property-record tests.
#include <gtest/gtest.h>

#include "skin/model/CtrlProperties.h"

#include "tests/support/ScriptedPrompts.h"

#include <comdef.h>

#include <set>
#include <string>
#include <vector>

namespace record_test {

inline std::wstring Str(LPCWSTR text)
{
    return text ? std::wstring(text) : std::wstring(L"<null>");
}

// One expected variable: the names and what the tables say of it.
struct VarExpectation {
    int index;
    LPCWSTR element;         // null: none
    LPCWSTR attribute;       // "Value" unless set
    LPCWSTR legacyKey;       // null: none
    Vexel::ValueKind kind;
    LPCWSTR displayName;
    LPCWSTR group;           // null: no group starts here
    bool hasDefault;
};

inline void ExpectVar(const Vexel::CTRLPROPERTIES& record, const VarExpectation& e)
{
    const Vexel::PropertyValue& v = record.GetVar(e.index);
    SCOPED_TRACE(testing::Message() << "variable " << e.index);
    EXPECT_EQ(Str(e.element), Str(v.XmlElement()));
    EXPECT_EQ(Str(e.attribute ? e.attribute : L"Value"), Str(v.XmlAttribute()));
    EXPECT_EQ(Str(e.legacyKey), Str(v.LegacyKey()));
    EXPECT_EQ(static_cast<int>(e.kind), static_cast<int>(v.Kind()));
    EXPECT_EQ(Str(e.displayName), Str(v.DisplayName()));
    EXPECT_EQ(e.group != nullptr, v.IsGroupStart());
    if (e.group) {
        EXPECT_EQ(Str(e.group), Str(v.Group()));
    }
    if (e.hasDefault) {
        EXPECT_NE(VT_EMPTY, v.DefaultValue().vt);
        EXPECT_TRUE(v.LogFontEquals(v.DefaultValue()));
    } else {
        EXPECT_EQ(VT_EMPTY, v.DefaultValue().vt);
    }
}

// The variables the skin file writer visits: saved, not superseded, not the
// record size or the type name.
inline std::set<int> WrittenVariables(const Vexel::CTRLPROPERTIES& record)
{
    std::set<int> written;
    for (int i = 0; i < record.GetVarCount(); ++i) {
        const Vexel::PropertyValue& v = record.GetVar(i);
        if (v.IsSaved() && !v.IsSuperseded() && v.Kind() != Vexel::ValueKind::RecordSize &&
            v.Kind() != Vexel::ValueKind::TypeName)
            written.insert(i);
    }
    return written;
}

inline std::set<int> Range(int first, int last)
{
    std::set<int> s;
    for (int i = first; i <= last; ++i)
        s.insert(i);
    return s;
}

inline std::set<int> Join(std::initializer_list<std::set<int>> parts)
{
    std::set<int> s;
    for (const auto& p : parts)
        s.insert(p.begin(), p.end());
    return s;
}

inline std::set<int> SwitchedOff(const Vexel::CTRLPROPERTIES& record)
{
    std::set<int> off;
    for (int i = 0; i < record.GetVarCount(); ++i) {
        if (record.GetVar(i).IsSwitchedOff())
            off.insert(i);
    }
    return off;
}

using lumeo_test::ScriptedPrompts;

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

} // namespace record_test
