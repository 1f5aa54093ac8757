// Proves that the skin Lumeo ships, once written out as start-up writes it, opens with code 0,
// holds every window the program creates with every control it addresses, of the kind its id
// names and inside its window; and that the shipped Resource.h is the skin writer's own
// numbering of that skin, giving each id the program's code relies on its fixed number.
#include "core/ProgramResources.h"
#include "skin/model/CtrlProperties.h"
#include "skin/model/IdPrefix.h"
#include "skin/model/ResourceH.h"
#include "skin/model/SkinGlobals.h"
#include "skin/model/SkinLifecycle.h"
#include "skin/model/SkinReader.h"
#include "skin/model/UiWndProperties.h"
#include "tests/skin_resources/FixedIds.h"
#include "tests/support/ProgramFolderScope.h"
#include "tests/skin_resources/WindowControls.h"

#include <gtest/gtest.h>
#include <ole2.h>

#include <string>

using namespace skin_resources_test;
using lumeo_test::ProgramFolderScope;
using Vexel::g_skinStore;

namespace {

class ShippedSkin : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        Vexel::ReleaseSkin();
        WriteProgramResources();
        openCode = Vexel::OpenSkin(CString(folder.Path(L"Skins\\Lumeo\\the.xui").c_str()), 1);
    }
    void TearDown() override
    {
        Vexel::ReleaseSkin();
        OleUninitialize();
    }

    static std::wstring Text(const Vexel::CTRLPROPERTIES& record, int variable)
    {
        return std::wstring(static_cast<LPCWSTR>(record.GetVar(variable).GetString()));
    }

    const Vexel::CTRLPROPERTIES* FindControl(const Vexel::UIWNDPROPERTIES& window, const wchar_t* id) const
    {
        for (const Vexel::CTRLPROPERTIES* control : window.Controls()) {
            if (control && Text(*control, Vexel::CtrlVar::ID) == id)
                return control;
        }
        return nullptr;
    }

    ProgramFolderScope folder;
    int openCode = -100;
};

TEST_F(ShippedSkin, OpensWithCodeZeroAtTheVersionThisProgramWrites)
{
    EXPECT_EQ(0, openCode);
    EXPECT_EQ(7, g_skinStore.versionMajor);
    EXPECT_EQ(0, g_skinStore.versionMinor);
    EXPECT_EQ(4467, g_skinStore.versionBuild);
}

TEST_F(ShippedSkin, HoldsEveryWindowWithTheControlsTheProgramAddresses)
{
    ASSERT_EQ(0, openCode);
    EXPECT_EQ(std::size(kWindows), g_skinStore.windows.size());
    for (const WindowControls& expected : kWindows) {
        SCOPED_TRACE(testing::Message() << "window " << std::wstring(expected.window));
        const Vexel::UIWNDPROPERTIES* window = g_skinStore.FindWindowProperties(expected.window);
        ASSERT_NE(nullptr, window);
        for (const wchar_t* const* control = expected.controls; *control; ++control)
            EXPECT_NE(nullptr, FindControl(*window, *control)) << "control " << std::wstring(*control);
    }
}

TEST_F(ShippedSkin, NoWindowIsLayeredSoNoneDrawsThroughUpdateLayeredWindow)
{
    ASSERT_EQ(0, openCode);
    for (const auto& window : g_skinStore.windows) {
        const std::wstring name = Text(*window, Vexel::CtrlVar::ID);
        EXPECT_FALSE(window->GetVar(Vexel::UiWndVar::IsLayeredWindow).GetBool()) << name;
        EXPECT_FALSE(window->GetVar(Vexel::UiWndVar::IsUpdateLayeredWindow).GetBool()) << name;
    }
}

TEST_F(ShippedSkin, EveryControlIsOfTheKindItsIdNames)
{
    ASSERT_EQ(0, openCode);
    // Two label and check-box families whose ids the program spells out in full.
    struct Spelling {
        const wchar_t* prefix;
        const wchar_t* type;
    };
    constexpr Spelling kLongForms[] = {{L"IDC_STATIC_", L"STATIC"}, {L"IDC_CHECK", L"CHECK"}};
    int checked = 0;
    for (const auto& window : g_skinStore.windows) {
        for (const Vexel::CTRLPROPERTIES* control : window->Controls()) {
            const std::wstring id = Text(*control, Vexel::CtrlVar::ID);
            const std::wstring type = Text(*control, Vexel::CtrlVar::Type);
            std::wstring prefix = Vexel::GetDefaultIDPrefix(type.c_str());
            for (const Spelling& form : kLongForms) {
                if (id.rfind(form.prefix, 0) == 0 && type == form.type)
                    prefix = form.prefix;
            }
            EXPECT_EQ(0u, id.rfind(prefix, 0)) << id << " is a " << type;
            ++checked;
        }
    }
    EXPECT_GT(checked, 250);
}

TEST_F(ShippedSkin, EveryControlLiesInsideItsWindowsBackground)
{
    ASSERT_EQ(0, openCode);
    const CString skinFolder = g_skinStore.GetSkinFolder();
    for (const auto& window : g_skinStore.windows) {
        const std::wstring name = Text(*window, Vexel::CtrlVar::ID);
        SCOPED_TRACE(testing::Message() << "window " << name);
        const CString file = skinFolder + Text(*window, Vexel::CtrlVar::BackgroundNormal).c_str();
        const HBITMAP background =
            static_cast<HBITMAP>(::LoadImageW(nullptr, file, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        ASSERT_NE(nullptr, background);
        BITMAP size{};
        ::GetObjectW(background, sizeof size, &size);
        ::DeleteObject(background);
        for (const Vexel::CTRLPROPERTIES* control : window->Controls()) {
            const RECT r = control->GetVar(Vexel::CtrlVar::Rect).GetRect();
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= size.bmWidth && r.bottom <= size.bmHeight &&
                        r.left < r.right && r.top < r.bottom)
                << Text(*control, Vexel::CtrlVar::ID) << " at " << r.left << "," << r.top << "," << r.right << ","
                << r.bottom << " in " << size.bmWidth << "x" << size.bmHeight;
        }
    }
}

TEST_F(ShippedSkin, NoPushButtonIsLowerThanItsImageWhichWouldCutItsBottomEdgeOff)
{
    ASSERT_EQ(0, openCode);
    const CString skinFolder = g_skinStore.GetSkinFolder();
    int checked = 0;
    for (const auto& window : g_skinStore.windows) {
        for (const Vexel::CTRLPROPERTIES* control : window->Controls()) {
            const std::wstring image = Text(*control, Vexel::CtrlVar::BkCombine);
            if (Text(*control, Vexel::CtrlVar::Type) != L"PUSHBUTTON" || image.empty())
                continue;
            const HBITMAP strip = static_cast<HBITMAP>(
                ::LoadImageW(nullptr, skinFolder + image.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
            ASSERT_NE(nullptr, strip) << image;
            BITMAP size{};
            ::GetObjectW(strip, sizeof size, &size);
            ::DeleteObject(strip);
            const RECT r = control->GetVar(Vexel::CtrlVar::Rect).GetRect();
            // Drawn around its resizing point, an image grows with a taller button but is cut
            // at the bottom in a lower one.
            EXPECT_LE(size.bmHeight, r.bottom - r.top)
                << Text(*window, Vexel::CtrlVar::ID) << "/" << Text(*control, Vexel::CtrlVar::ID) << " with " << image;
            ++checked;
        }
    }
    EXPECT_GT(checked, 50);
}

TEST_F(ShippedSkin, ResourceHIsTheWritersOwnNumberingOfTheSkin)
{
    ASSERT_EQ(0, openCode);
    Vexel::ResourceIDList numbered;
    Vexel::BuildIDList(g_skinStore, numbered);
    ASSERT_EQ(numbered.size(), g_skinStore.idTable.size());
    for (size_t i = 0; i < numbered.size(); ++i) {
        EXPECT_EQ(std::wstring(numbered[i].name), std::wstring(g_skinStore.idTable[i].name)) << "line " << i;
        EXPECT_EQ(numbered[i].id, g_skinStore.idTable[i].id) << std::wstring(numbered[i].name);
    }
}

TEST_F(ShippedSkin, EveryIdTheCodeUsesHasItsFixedNumber)
{
    ASSERT_EQ(0, openCode);
    for (const FixedId& fixed : kFixedIds)
        EXPECT_EQ(fixed.id, g_skinStore.GetIDByName(fixed.name)) << std::wstring(fixed.name);
}

TEST(SkinIdsHeader, TheNamesTheProgramIncludesCarryTheFixedNumbers)
{
    static_assert(std::size(kHeaderIds) == std::size(kFixedIds), "one header name per fixed id");
    for (size_t i = 0; i < std::size(kFixedIds); ++i) {
        EXPECT_EQ(std::wstring(kFixedIds[i].name), std::wstring(kHeaderIds[i].name));
        EXPECT_EQ(kFixedIds[i].id, kHeaderIds[i].id) << std::wstring(kFixedIds[i].name);
    }
}

} // namespace
