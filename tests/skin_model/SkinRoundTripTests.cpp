#include <gtest/gtest.h>

#include "skin/model/ControlFactory.h"
#include "skin/model/ResourceProperties.h"
#include "skin/model/SkinReader.h"
#include "skin/model/SkinWriter.h"
#include "skin/model/SkinXmlFormat.h"
#include "skin/model/UiWndProperties.h"

#include "tests/skin_model/SkinFileFixtures.h"

#include <cstring>
#include <string>

using namespace Vexel;
using skin_test::ExpectSameVariables;
using skin_test::IsCarried;

namespace {

LOGFONTW OtherFont(int seed)
{
    LOGFONTW font = {};
    font.lfHeight = -17 - seed;
    font.lfWidth = 3;
    font.lfEscapement = 900;
    font.lfOrientation = -900;
    font.lfWeight = 700;
    font.lfItalic = 1;
    font.lfUnderline = 1;
    font.lfStrikeOut = 1;
    font.lfCharSet = 204;
    font.lfOutPrecision = 4;
    font.lfClipPrecision = 5;
    font.lfQuality = 6;
    font.lfPitchAndFamily = 0x31;
    const std::wstring face = L"Face \u00FC\u20AC " + std::to_wstring(seed);
    wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return font;
}

// Gives every carried variable of `record` a value other than the one it has (and so
// other than its default); answers how many it changed.
int SetEveryVariable(CTRLPROPERTIES& record, int seed)
{
    int changed = 0;
    for (int i = 0; i < record.GetVarCount(); ++i) {
        PropertyValue& var = record.GetVar(i);
        if (!IsCarried(var))
            continue;
        const std::wstring tag = std::to_wstring(seed) + L"_" + std::to_wstring(i);
        const ValueKind kind = var.Kind();
        if (kind == ValueKind::None) {
            if (var.Type() == VT_BOOL)
                var.SetBool(!var.GetBool());
            else if (var.Type() == VT_I4)
                var.SetInt(var.GetLong() == -1000 - i ? 1000 + i : -1000 - i);
            else
                var.SetString((L"a<b>&\"c\" 'd'\t e\r\nf \u00FC\u20AC " + tag).c_str());
        } else if (IsReferenceKind(kind)) {
            var.SetString((L"IDX_" + tag).c_str());
        } else if (kind == ValueKind::Rect) {
            var.SetRect(RECT{seed + i, -i, seed + i + 50, 77 + i});
        } else if (kind == ValueKind::Point) {
            var.SetPoint(POINT{seed + i, -i - 1});
        } else if (kind == ValueKind::Color) {
            var.SetInt(static_cast<int>(0x80000000u | static_cast<unsigned>(seed * 256 + i)));
        } else if (kind == ValueKind::Font) {
            var.SetLogFont(OtherFont(seed + i));
        } else if (kind == ValueKind::ImagePath) {
            var.SetString((L"images\\pic " + tag + L".bmp").c_str());
        } else if (IsEnumKind(kind)) {
            const int current = var.GetInt();
            for (LPCWSTR word : var.Options()) {
                var.WordToEnum(word);
                if (var.GetInt() != current)
                    break;
            }
            EXPECT_NE(current, var.GetInt()) << "no other word for variable " << i;
        } else {
            ADD_FAILURE() << "variable " << i << " of a kind the test does not know";
            continue;
        }
        ++changed;
    }
    return changed;
}

template <class Record>
std::unique_ptr<Record> Filled(int seed)
{
    auto record = std::make_unique<Record>();
    EXPECT_GT(SetEveryVariable(*record, seed), 0);
    return record;
}

class SkinRoundTripTest : public skin_test::SkinTest {
protected:
    // One window with a control of every kind, one without controls, two fonts, two
    // colours and a style of every kind, every carried variable set.
    void FillStore()
    {
        WindowRecordPtr window(new UIWNDPROPERTIES);
        EXPECT_GT(SetEveryVariable(*window, 1), 0);
        int seed = 100;
        for (LPCWSTR name : SkinXml::kControlElements) {
            std::unique_ptr<CTRLPROPERTIES> control = CreateControlRecord(name);
            EXPECT_GT(SetEveryVariable(*control, seed++), 0) << std::wstring(name);
            window->Controls().push_back(control.release());
        }
        g_skinStore.windows.push_back(std::move(window));
        WindowRecordPtr empty(new UIWNDPROPERTIES);
        SetEveryVariable(*empty, 2);
        g_skinStore.windows.push_back(std::move(empty));

        g_skinStore.fonts.push_back(Filled<RESFONTPROPERTIES>(3));
        g_skinStore.fonts.push_back(Filled<RESFONTPROPERTIES>(4));
        g_skinStore.colors.push_back(Filled<RESCOLORPROPERTIES>(5));
        g_skinStore.colors.push_back(Filled<RESCOLORPROPERTIES>(6));

        for (int kind = 0; kind < kStyleKindCount; ++kind) {
            std::unique_ptr<CTRLPROPERTIES> style = CreateStyleRecord(static_cast<StyleKind>(kind));
            const CString type = L"STYLE_" + style->GetVar(CtrlVar::Type).GetString();
            style->GetVar(CtrlVar::Type).SetString(type);
            EXPECT_GT(SetEveryVariable(*style, 200 + kind), 0);
            g_skinStore.styles[kind].push_back(std::move(style));
        }
    }

    // Saves the store as a converted skin would be (keeping DesignDpi).
    void Save(const std::wstring& path)
    {
        g_skinStore.uiFilePath = path.c_str();
        g_skinStore.resourceHPath = folder.File(L"Resource.h").c_str();
        ConvertingSkin = 1;
        EXPECT_EQ(0, SaveUIFile());
        ConvertingSkin = 0;
    }
};

TEST_F(SkinRoundTripTest, EveryVariableOfEveryRecordKindComesBack)
{
    FillStore();
    DesignDpi = DesignDpiPair{120, 144};
    const std::wstring path = folder.File(L"round.xui");
    Save(path);

    // What was saved moves out of the store; the store is then loaded from the file.
    SkinStore saved;
    saved.windows.swap(g_skinStore.windows);
    saved.fonts.swap(g_skinStore.fonts);
    saved.colors.swap(g_skinStore.colors);
    saved.styles.swap(g_skinStore.styles);
    ReleaseSkin();
    DesignDpi = DesignDpiPair{};
    const unsigned fontNumber = g_legacyImport.fontNumber, colorNumber = g_legacyImport.colorNumber;

    ASSERT_EQ(0, OpenSkin(path.c_str(), 1));
    EXPECT_TRUE(prompts.Prompts().empty());
    EXPECT_EQ(120, DesignDpi.LogPixelsX);
    EXPECT_EQ(144, DesignDpi.LogPixelsY);
    EXPECT_EQ(7, g_skinStore.versionMajor);
    EXPECT_EQ(0, g_skinStore.versionMinor);
    EXPECT_EQ(4467, g_skinStore.versionBuild);
    EXPECT_EQ(fontNumber, g_legacyImport.fontNumber);    // nothing inline: no resource made
    EXPECT_EQ(colorNumber, g_legacyImport.colorNumber);

    int compared = 0;
    ASSERT_EQ(saved.windows.size(), g_skinStore.windows.size());
    for (size_t w = 0; w < saved.windows.size(); ++w) {
        const UIWNDPROPERTIES& expected = *saved.windows[w];
        const UIWNDPROPERTIES& actual = *g_skinStore.windows[w];
        compared += ExpectSameVariables(expected, actual);
        ASSERT_EQ(expected.Controls().size(), actual.Controls().size());
        for (size_t c = 0; c < expected.Controls().size(); ++c)
            compared += ExpectSameVariables(*expected.Controls()[c], *actual.Controls()[c]);
    }
    ASSERT_EQ(saved.fonts.size(), g_skinStore.fonts.size());
    for (size_t i = 0; i < saved.fonts.size(); ++i)
        compared += ExpectSameVariables(*saved.fonts[i], *g_skinStore.fonts[i]);
    ASSERT_EQ(saved.colors.size(), g_skinStore.colors.size());
    for (size_t i = 0; i < saved.colors.size(); ++i)
        compared += ExpectSameVariables(*saved.colors[i], *g_skinStore.colors[i]);
    for (int kind = 0; kind < kStyleKindCount; ++kind) {
        ASSERT_EQ(saved.styles[kind].size(), g_skinStore.styles[kind].size()) << kind;
        for (size_t i = 0; i < saved.styles[kind].size(); ++i)
            compared += ExpectSameVariables(*saved.styles[kind][i], *g_skinStore.styles[kind][i]);
    }
    EXPECT_GT(compared, 2000);

    // Saving what was loaded gives the same bytes again.
    const std::string first = lumeo_test::ReadFileBytes(path);
    const std::wstring again = folder.File(L"again.xui");
    Save(again);
    EXPECT_EQ(first, lumeo_test::ReadFileBytes(again));
}

} // namespace
