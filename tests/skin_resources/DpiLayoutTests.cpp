// Lumeo's own skin, designed at 96 DPI, on screens of 96, 120 and 144 DPI, made through the real
// control factories: in every window, every control of every kind the skin uses lies where its
// design rectangle lies on the window's scaled background, so no two controls overlap that do
// not overlap as designed and no band of a window is left empty; and every one-line edit shows
// its text in the middle of its box, as the combo boxes beside it do.
#include "core/ProgramResources.h"
#include "skin/model/CtrlProperties.h"
#include "skin/model/SkinGlobals.h"
#include "skin/model/SkinLifecycle.h"
#include "skin/model/SkinReader.h"
#include "skin/ui/RectCtrl.h"
#include "skin/ui/UIWnd.h"
#include "skin/ui/factories/ControlKinds.h"
#include "tests/support/EditLine.h"
#include "tests/support/ProgramFolderScope.h"
#include "tests/support/SystemAnswersScope.h"

#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

using lumeo_test::ProgramFolderScope;
using Vexel::g_skinStore;

namespace {

constexpr LONG kDesignDpi = 96;
constexpr LONG kScreenDpis[] = {96, 120, 144};

// A screen of `dpi` in both directions while the object lives; the other answers are the
// system's.
class ScreenOfDpi : public lumeo_test::SystemAnswersScope {
public:
    explicit ScreenOfDpi(LONG dpi) : m_dpi(dpi) {}
    SIZE GetScreenDpi() const override { return {m_dpi, m_dpi}; }

private:
    LONG m_dpi;
};

// A skinned window of any id of the shipped skin.
class DpiShownWindow : public Vexel::CUIWnd {
public:
    explicit DpiShownWindow(int id) : m_id(id) {}
    void SetWindowID() override { m_nWindowID = m_id; }

private:
    int m_id;
};

// A design rectangle on a screen of `dpi`: its corner scaled, its size scaled.
RECT ScaledDesign(const RECT& design, LONG dpi)
{
    const LONG left = design.left * dpi / kDesignDpi;
    const LONG top = design.top * dpi / kDesignDpi;
    return {left, top, left + (design.right - design.left) * dpi / kDesignDpi,
            top + (design.bottom - design.top) * dpi / kDesignDpi};
}

// One control as the window made it: its kind, id, design rectangle and where it lies in the
// window's client area.
struct PlacedControl {
    std::wstring type;
    std::wstring id;
    RECT design;
    RECT placed;
    bool shown;   // a visible window; placeholders show nothing
};

std::vector<PlacedControl> PlacedControls(Vexel::CUIWnd& window)
{
    std::vector<PlacedControl> placed;
    for (const Vexel::ChildControlRecord& child : window.GetChildControls()) {
        PlacedControl control;
        control.type = child.type;
        control.id = static_cast<LPCWSTR>(child.properties->GetVar(Vexel::CtrlVar::ID).GetString());
        control.design = child.properties->GetVar(Vexel::CtrlVar::Rect).GetRect();
        if (child.window) {
            child.window->GetWindowRect(&control.placed);
            window.ScreenToClient(&control.placed);
            control.shown = (child.window->GetStyle() & WS_VISIBLE) != 0;
        } else if (child.placeholder) {
            child.placeholder->GetRect(control.placed);
            control.shown = false;
        }
        placed.push_back(control);
    }
    return placed;
}

bool RectsOverlap(const RECT& a, const RECT& b)
{
    RECT both{};
    return ::IntersectRect(&both, &a, &b) != FALSE;
}

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

class DpiLayout : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        Vexel::RegisterSkinControlKinds();
        Vexel::ReleaseSkin();
        WriteProgramResources();
        ASSERT_EQ(0, Vexel::OpenSkin(CString(folder.Path(L"Skins\\Lumeo\\the.xui").c_str()), 1));
        ASSERT_EQ(kDesignDpi, Vexel::DesignDpi.LogPixelsX);
        ASSERT_EQ(kDesignDpi, Vexel::DesignDpi.LogPixelsY);
    }
    void TearDown() override
    {
        Vexel::ReleaseSkin();
        OleUninitialize();
    }

    ProgramFolderScope folder;
};

TEST_F(DpiLayout, EveryControlOfEveryWindowLiesOnTheScaledBackgroundWhereItWasDesigned)
{
    std::set<std::wstring> kinds;
    for (const LONG dpi : kScreenDpis) {
        const ScreenOfDpi screen(dpi);
        for (const auto& record : g_skinStore.windows) {
            const std::wstring name = static_cast<LPCWSTR>(record->GetVar(Vexel::CtrlVar::ID).GetString());
            SCOPED_TRACE(testing::Message() << Narrow(name) << " at " << dpi << " DPI");
            const CString backgroundFile =
                g_skinStore.GetSkinFolder() + record->GetVar(Vexel::CtrlVar::BackgroundNormal).GetString();
            const HBITMAP background =
                static_cast<HBITMAP>(::LoadImageW(nullptr, backgroundFile, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
            ASSERT_NE(nullptr, background);
            BITMAP size{};
            ::GetObjectW(background, sizeof size, &size);
            ::DeleteObject(background);

            DpiShownWindow window(g_skinStore.GetIDByName(name.c_str()));
            ASSERT_TRUE(window.Create(0, WS_POPUP, nullptr, 1, 0));
            CRect outer;
            window.GetWindowRect(&outer);
            EXPECT_EQ(size.bmWidth * dpi / kDesignDpi, outer.Width());
            EXPECT_EQ(size.bmHeight * dpi / kDesignDpi, outer.Height());

            const std::vector<PlacedControl> controls = PlacedControls(window);
            for (size_t i = 0; i < controls.size(); ++i) {
                const PlacedControl& control = controls[i];
                kinds.insert(control.type);
                const RECT expected = ScaledDesign(control.design, dpi);
                const std::string what = Narrow(control.id) + " (" + Narrow(control.type) + ")";
                EXPECT_NEAR(expected.left, control.placed.left, 1) << what;
                EXPECT_NEAR(expected.top, control.placed.top, 1) << what;
                EXPECT_NEAR(expected.right, control.placed.right, 1) << what;
                // A combo box's field is as high as its font and items make it.
                if (control.type != L"COMBOBOX") {
                    EXPECT_NEAR(expected.bottom, control.placed.bottom, 1) << what;
                }
                for (size_t j = i + 1; j < controls.size(); ++j) {
                    const PlacedControl& other = controls[j];
                    if (control.shown && other.shown && RectsOverlap(control.placed, other.placed)) {
                        EXPECT_TRUE(RectsOverlap(control.design, other.design))
                            << what << " and " << Narrow(other.id) << " overlap only on this screen";
                    }
                }
            }
            window.DestroyWindow();
        }
    }
    EXPECT_EQ((std::set<std::wstring>{L"CHECK", L"COMBOBOX", L"EDIT", L"PROGRESS", L"PUSHBUTTON", L"RADIO", L"RECT",
                                       L"SLIDEREX", L"STATIC", L"TREECTRL"}),
              kinds)
        << "every kind of control the skin uses was placed";
}

TEST_F(DpiLayout, EveryOneLineEditShowsItsTextInTheMiddleOfItsBox)
{
    int edits = 0;
    for (const LONG dpi : kScreenDpis) {
        const ScreenOfDpi screen(dpi);
        for (const auto& record : g_skinStore.windows) {
            const std::wstring name = static_cast<LPCWSTR>(record->GetVar(Vexel::CtrlVar::ID).GetString());
            DpiShownWindow window(g_skinStore.GetIDByName(name.c_str()));
            ASSERT_TRUE(window.Create(0, WS_POPUP, nullptr, 1, 0)) << Narrow(name);
            for (const Vexel::ChildControlRecord& child : window.GetChildControls()) {
                if (std::wstring(child.type) != L"EDIT" || !child.window || (child.window->GetStyle() & ES_MULTILINE))
                    continue;
                const std::string what = Narrow(name) + " " +
                                         Narrow(static_cast<LPCWSTR>(child.properties->GetVar(Vexel::CtrlVar::ID).GetString())) +
                                         " at " + std::to_string(dpi) + " DPI";
                child.window->SetWindowText(L"Mg");
                lumeo_test::EditLine line;
                ASSERT_TRUE(lumeo_test::LineOfEdit(child.window->GetSafeHwnd(), &line)) << what;
                EXPECT_GT(line.SpaceAbove(), 0) << what;
                EXPECT_NEAR(line.SpaceAbove(), line.SpaceBelow(), 1) << what;
                ++edits;
            }
            window.DestroyWindow();
        }
    }
    EXPECT_GT(edits, 0) << "the skin has one-line edits";
}

} // namespace
