#pragma once
// Helpers of the skin reader tests: an OLE apartment and an empty skin store per test,
// prompts answered by script, skin files written from text, small DOM elements.
#include <gtest/gtest.h>

#include "framework/ComPtr.h"
#include "skin/model/ComCheck.h"
#include "skin/model/SkinGlobals.h"
#include "skin/model/SkinLifecycle.h"
#include "skin/model/SkinXmlFormat.h"
#include "skin/model/XmlDom.h"

#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempDir.h"

#include <ole2.h>

#include <cstring>
#include <string>
#include <vector>

namespace skin_test {

using lumeo_test::ScriptedPrompts;

inline bool StoreHoldsNoRecord()
{
    const Vexel::SkinStore& store = Vexel::g_skinStore;
    for (const auto& list : store.styles) {
        if (!list.empty())
            return false;
    }
    return store.windows.empty() && store.fonts.empty() && store.colors.empty();
}

// OLE for the test's thread; an empty skin store, DesignDpi and the skin version unset, before
// and after: the skin lifecycle tests read the globals' first state, and which tests run before
// them follows how the program's files are batched.
class SkinTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        ForgetSkin();
    }
    void TearDown() override
    {
        ForgetSkin();
        OleUninitialize();
    }

    // Writes `text` (UTF-8) to a file of the test's folder and answers its path.
    std::wstring WriteSkin(const std::string& text, const wchar_t* name = L"skin.xui")
    {
        const std::wstring path = folder.File(name);
        EXPECT_TRUE(lumeo_test::WriteFileBytes(path, text));
        return path;
    }

    lumeo_test::TempDir folder;
    ScriptedPrompts prompts{IDYES};

private:
    static void ForgetSkin()
    {
        Vexel::ReleaseSkin();
        Vexel::DesignDpi = Vexel::DesignDpiPair{};
        Vexel::g_legacyImport.designDpiX = Vexel::g_legacyImport.designDpiY = -1;
        Vexel::g_skinStore.versionMajor = Vexel::g_skinStore.versionMinor = Vexel::g_skinStore.versionBuild = -1;
    }
};

// A skin file around `body` (what stands in the root after DPI): the version written
// as given, or the current one.
inline std::string SkinText(const std::string& body, const char* version = "0700", const char* build = "4467")
{
    return std::string("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<VexelUI>\r\n") +
           "<Version Version=\"" + version + "\" Build=\"" + build + "\" ChangeList=\"4485\"/>\r\n" +
           "<DPI LogPixelsX=\"96\" LogPixelsY=\"96\"/>\r\n" + body + "</VexelUI>\r\n";
}

// A parsed fragment; root is its document element.
struct ParsedXml {
    ComPtr<IXMLDOMDocument> document;
    ComPtr<IXMLDOMElement> root;
};

inline ParsedXml ParseXml(const wchar_t* xml)
{
    ParsedXml parsed;
    parsed.document = Vexel::XmlDom::CreateDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    Vexel::CheckHr(parsed.document->loadXML(_bstr_t(xml), &ok));
    EXPECT_EQ(VARIANT_TRUE, ok) << "fixture does not parse";
    Vexel::CheckHr(parsed.document->get_documentElement(parsed.root.Out()));
    return parsed;
}

// --- Comparing records ------------------------------------------------------------------
using namespace Vexel;

// The variables the file carries: saved, not superseded, of a kind that is written.
inline bool IsCarried(const PropertyValue& var)
{
    return var.IsSaved() && !var.IsSuperseded() && var.Kind() != ValueKind::RecordSize &&
           var.Kind() != ValueKind::TypeName && SkinXml::EncodingOf(var.Kind()) != SkinXml::Encoding::Nothing;
}

// Compares every carried variable; answers how many it compared.
inline int ExpectSameVariables(const CTRLPROPERTIES& expected, const CTRLPROPERTIES& actual)
{
    const CString type = expected.GetVar(CtrlVar::Type).GetString();
    SCOPED_TRACE(testing::Message() << "record " << std::wstring(type));
    EXPECT_TRUE(actual.GetVar(CtrlVar::Type) == type);
    EXPECT_EQ(expected.GetVarCount(), actual.GetVarCount());
    int compared = 0;
    for (int i = 0; i < expected.GetVarCount(); ++i) {
        const PropertyValue& e = expected.GetVar(i);
        if (!IsCarried(e))
            continue;
        const PropertyValue& a = actual.GetVar(i);
        SCOPED_TRACE(testing::Message() << "variable " << i << " <" << std::wstring(e.XmlElement() ? e.XmlElement() : L"")
                                        << " " << std::wstring(e.XmlAttribute()) << ">");
        if (e.Kind() != a.Kind()) {
            ADD_FAILURE() << "kind " << static_cast<int>(a.Kind()) << " read back";
            continue;
        }
        switch (e.Kind()) {
        case ValueKind::Rect: {
            const RECT x = e.GetRect(), y = a.GetRect();
            EXPECT_TRUE(x.left == y.left && x.top == y.top && x.right == y.right && x.bottom == y.bottom);
            break;
        }
        case ValueKind::Point:
            EXPECT_EQ(e.GetPoint().x, a.GetPoint().x);
            EXPECT_EQ(e.GetPoint().y, a.GetPoint().y);
            break;
        case ValueKind::Font: {
            LOGFONTW x = {}, y = {};
            e.GetLogFont(x);
            a.GetLogFont(y);
            EXPECT_EQ(0, memcmp(&x, &y, sizeof x));
            break;
        }
        default:
            EXPECT_TRUE(VariantsEqual(e.Value(), a.Value()))
                << "wrote \"" << std::wstring(e.GetString()) << "\", read \"" << std::wstring(a.GetString()) << "\"";
            break;
        }
        ++compared;
    }
    return compared;
}

} // namespace skin_test
