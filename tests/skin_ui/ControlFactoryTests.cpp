// The child-control factories behind the control-kind table: the one registration call
// fills the rows, and each factory makes its control from the skin record as the window
// creates its children.
#include "UIWndTestSupport.h"

#include "skin/model/SliderProperties.h"
#include "skin/ui/ControlKinds.h"
#include "skin/ui/RectCtrl.h"
#include "skin/ui/SplitterBar.h"

#include <gtest/gtest.h>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kWindowId = 3800;

void NoRelease(CObject&) {}

TEST(ControlKindTable, RegistrationFillsTheRowOfItsWordOnly)
{
    const ControlKind* const row = FindControlKind(L"WAVECTRL");
    ASSERT_NE(row, nullptr);
    const ControlKind before = *row;
    EXPECT_TRUE(RegisterControlKind(L"WAVECTRL", nullptr, &NoRelease));
    EXPECT_EQ(row->release, &NoRelease);
    EXPECT_EQ(row->designRect, before.designRect);   // the table keeps its own layout source
    EXPECT_FALSE(RegisterControlKind(L"wavectrl", nullptr, nullptr));   // words are exact
    EXPECT_FALSE(RegisterControlKind(nullptr, nullptr, nullptr));
    ReplaceControlKind(before);
}

class ControlFactory : public ::testing::Test {
protected:
    void SetUp() override { RegisterSkinControlKinds(); }

    UIWNDPROPERTIES& Window(int w, int h)
    {
        UIWNDPROPERTIES& window = skin.AddWindow(L"IDW_FACTORY", kWindowId);
        skin.SetImage(window, CtrlVar::BackgroundNormal, L"bk.bmp", w, h, &Tag);
        return window;
    }

    WindowSkin skin;
};

TEST_F(ControlFactory, PlaceholdersTakeTheRecordsRectAndIdAndIgnoreItsSwitches)
{
    UIWNDPROPERTIES& window = Window(200, 100);
    CTRLPROPERTIES& rect = skin.AddControl<RECTPROPERTIES>(window, L"IDC_RECT_AREA", 1801, {10, 10, 90, 90});
    CTRLPROPERTIES& splitter = skin.AddControl<SPLITTERPROPERTIES>(window, L"IDC_SPLITTER", 1802, {95, 0, 99, 100});
    for (CTRLPROPERTIES* record : {&rect, &splitter}) {
        SetSwitch(*record, CtrlVar::IsDisabled, true);
        SetSwitch(*record, CtrlVar::IsTabStop, true);
    }
    TestUIWnd wnd(kWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 0));

    const std::vector<ChildControlRecord>& children = wnd.GetChildControls();
    ASSERT_EQ(children.size(), 2u);
    const struct {
        LPCWSTR type;
        UINT id;
        RECT rect;
        const CRuntimeClass* cls;
    } kExpected[] = {
        {L"RECT", 1801, {10, 10, 90, 90}, RUNTIME_CLASS(CRectCtrl)},
        {L"SPLITTER", 1802, {95, 0, 99, 100}, RUNTIME_CLASS(CSplitterBar)},
    };
    for (size_t i = 0; i < std::size(kExpected); ++i) {
        const CRectCtrl* const placeholder = children[i].placeholder;
        ASSERT_NE(placeholder, nullptr) << i;
        EXPECT_STREQ(children[i].type, kExpected[i].type);
        EXPECT_EQ(children[i].window, nullptr) << i;
        EXPECT_TRUE(placeholder->IsKindOf(kExpected[i].cls)) << i;
        EXPECT_EQ(placeholder->GetID(), kExpected[i].id) << i;
        EXPECT_EQ(placeholder->GetStyle(), static_cast<DWORD>(WS_CHILD)) << i;
        EXPECT_TRUE(placeholder->GetName().IsEmpty()) << i;
        EXPECT_EQ(CRect(placeholder->GetDesignRect()), CRect(kExpected[i].rect)) << i;
    }
    EXPECT_EQ(wnd.GetRectCtrl(1801), children[0].placeholder);
    EXPECT_EQ(::GetPropW(wnd, kSplitterProperty), static_cast<HANDLE>(children[1].placeholder));

    wnd.DestroyWindow();   // the splitter lets go of its window while the window goes
    EXPECT_TRUE(wnd.stringIdGoneAtNcDestroy);
}

} // namespace
} // namespace skin_ui_test
