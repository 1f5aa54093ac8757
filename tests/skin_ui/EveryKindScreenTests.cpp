// Every control kind a skin can name: the control-kind table has a factory for each of its
// type words, and a skin file naming all 25 control elements, read through the skin reader,
// makes a window that shows one control of the right class for each of them (a SCROLLBAR
// element names no kind of its own and makes nothing). The HTML view is made whether or not
// an HTML engine can be had.
#include "FakeHtmlBrowser.h"
#include "ScreenSkin.h"
#include "UIWndTestSupport.h"

#include "skin/ui/RectCtrl.h"
#include "skin/ui/SplitterBar.h"
#include "skin/ui/controls/HtmlCtrl.h"
#include "skin/ui/controls/MenuBar.h"
#include "skin/ui/controls/ScrollBarEx.h"
#include "skin/ui/controls/SkinButton.h"
#include "skin/ui/controls/SkinComboBox.h"
#include "skin/ui/controls/SkinDateTimeCtrl.h"
#include "skin/ui/controls/SkinEdit.h"
#include "skin/ui/controls/SkinHotKeyCtrl.h"
#include "skin/ui/controls/SkinIPAddressCtrl.h"
#include "skin/ui/controls/SkinListCtrl.h"
#include "skin/ui/controls/SkinProgressCtrl.h"
#include "skin/ui/controls/SkinRichEditCtrl.h"
#include "skin/ui/controls/SkinSliderCtrl.h"
#include "skin/ui/controls/SkinSpinButtonCtrl.h"
#include "skin/ui/controls/SkinStatic.h"
#include "skin/ui/controls/SkinTreeCtrl.h"
#include "skin/ui/controls/SliderCtrlEx.h"
#include "skin/ui/controls/ThumbnailCtrl.h"
#include "skin/ui/controls/TreeListCtrl.h"
#include "skin/ui/controls/WaveCtrl.h"
#include "skin/ui/factories/ControlFactoryTable.h"
#include "skin/ui/factories/ControlKinds.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kWindowNumber = 4500;

template <class Control>
bool IsA(CObject* made)
{
    return dynamic_cast<Control*>(made) != nullptr;
}

// Each control element in the skin file's order, and the class it makes (none: nothing).
const struct {
    const char* element;
    bool (*isItsClass)(CObject*);
} kElements[] = {
    {"PUSHBUTTON", &IsA<CSkinButton>},
    {"CHECK", &IsA<CSkinButton>},
    {"RADIO", &IsA<CSkinButton>},
    {"STATIC", &IsA<CSkinStatic>},
    {"EDIT", &IsA<CSkinEdit>},
    {"COMBOBOX", &IsA<CSkinComboBox>},
    {"SPIN", &IsA<CSkinSpinButtonCtrl>},
    {"PROGRESS", &IsA<CSkinProgressCtrl>},
    {"SLIDER", &IsA<CSkinSliderCtrl>},
    {"HOTKEY", &IsA<CSkinHotKeyCtrl>},
    {"IPADDRESS", &IsA<CSkinIPAddressCtrl>},
    {"SLIDEREX", &IsA<CSliderCtrlEx>},
    {"LISTCTRL", &IsA<CSkinListCtrl>},
    {"TREECTRL", &IsA<CSkinTreeCtrl>},
    {"SCROLLBAR", nullptr},
    {"SCROLLBAREX", &IsA<CScrollBarEx>},
    {"THUMBNAIL", &IsA<CThumbnailCtrl>},
    {"TREELIST", &IsA<CTreeListCtrl>},
    {"RICHEDIT", &IsA<CSkinRichEditCtrl>},
    {"HTMLCTRL", &IsA<CHtmlCtrl>},
    {"DATETIMECTRL", &IsA<CSkinDateTimeCtrl>},
    {"WAVECTRL", &IsA<CWaveCtrl>},
    {"MENUBAR", &IsA<CMenuBar>},
    {"RECT", &IsA<CRectCtrl>},
    {"SPLITTER", &IsA<CSplitterBar>},
};
constexpr int kElementCount = static_cast<int>(std::size(kElements));

// Element i lies in a grid of 110 by 40 cells, five to a row.
RECT PlaceOf(int i)
{
    const int x = 5 + (i % 5) * 115;
    const int y = 5 + (i / 5) * 45;
    return RECT{x, y, x + 110, y + 40};
}

int NumberOf(int i)
{
    return kWindowNumber + 1 + i;
}

// The skin file and its Resource.h: one window holding one visible control per element.
std::string SkinText()
{
    std::string controls;
    for (int i = 0; i < kElementCount; ++i) {
        const RECT place = PlaceOf(i);
        const std::string element = kElements[i].element;
        controls += "<" + element + "><ID Value=\"IDC_KIND_" + std::to_string(i) + "\"/><Rect Location=\"" +
                    std::to_string(place.left) + "," + std::to_string(place.top) + "\" Size=\"110,40\"/>" +
                    "<IsVisible Value=\"true\"/></" + element + ">";
    }
    return "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
           "<VexelUI>\r\n"
           "<Version Version=\"0700\" Build=\"4467\" ChangeList=\"4485\"/>\r\n"
           "<DPI LogPixelsX=\"96\" LogPixelsY=\"96\"/>\r\n"
           "<Windows>\r\n"
           "<Window><ID Value=\"IDW_EVERY_KIND\"/><IsLayeredWindow Value=\"false\"/><IsAppWindow Value=\"false\"/>"
           "<BackgroundNormal RelativePath=\"window.bmp\"/><Controls>" +
           controls +
           "</Controls></Window>\r\n"
           "</Windows>\r\n"
           "</VexelUI>\r\n";
}

std::string ResourceHText()
{
    std::string text = "#define IDW_EVERY_KIND " + std::to_string(kWindowNumber) + "\r\n";
    for (int i = 0; i < kElementCount; ++i)
        text += "#define IDC_KIND_" + std::to_string(i) + " " + std::to_string(NumberOf(i)) + "\r\n";
    return text;
}

TEST(ControlKindTable, EveryTypeWordHasAFactory)
{
    RegisterSkinControlKinds();
    int words = 0;
    for (const ControlKind* kind = ControlKindsBegin(); kind != ControlKindsEnd(); ++kind, ++words)
        EXPECT_NE(kind->create, nullptr) << "no factory makes a " << kind->typeWord;
    EXPECT_EQ(words, 24);
    EXPECT_EQ(FindControlKind(L"SCROLLBAR"), nullptr) << "the plain scroll bar names no kind";
}

// Run with the tests' own browser and with none (the HTML engine is off here).
class EveryKindScreen : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        RegisterSkinControlKinds();
        if (GetParam())
            browser.emplace();
        ASSERT_TRUE(skin.AddImage(L"window.bmp", 585, 230, [](int, int) { return RGB(90, 90, 90); }));
        ASSERT_EQ(skin.Open(SkinText(), ResourceHText()), 0);
    }

    ScreenSkin skin;
    std::optional<FakeHtmlBrowserMaker> browser;
};

TEST_P(EveryKindScreen, ASkinNamingEveryElementShowsEveryControl)
{
    TestUIWnd wnd(kWindowNumber);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPending();

    const std::vector<ChildControlRecord>& children = wnd.GetChildControls();
    ASSERT_EQ(children.size(), static_cast<size_t>(kElementCount - 1)) << "one control per element but SCROLLBAR";
    size_t next = 0;
    for (int i = 0; i < kElementCount; ++i) {
        const char* const element = kElements[i].element;
        if (!kElements[i].isItsClass)
            continue;
        const ChildControlRecord& child = children[next++];
        EXPECT_EQ(std::wstring(child.type), std::wstring(element, element + std::strlen(element)));
        ASSERT_TRUE(kElements[i].isItsClass(child.control.get())) << element;
        const RECT place = PlaceOf(i);
        if (child.placeholder) {
            EXPECT_EQ(CRect(child.designRect), CRect(place)) << element;
            continue;
        }
        ASSERT_NE(child.window, nullptr) << element;
        EXPECT_EQ(child.window->GetDlgCtrlID(), NumberOf(i)) << element;
        EXPECT_TRUE(child.window->IsWindowVisible()) << element;
        EXPECT_EQ(CRect(ChildRect(wnd, *child.window)).TopLeft(), CPoint(place.left, place.top)) << element;
    }
    const CHtmlCtrl* page = nullptr;
    for (const ChildControlRecord& child : children) {
        if (!page)
            page = dynamic_cast<const CHtmlCtrl*>(child.control.get());
    }
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(SUCCEEDED(page->GetBrowserResult()), GetParam()) << "the page shows the browser where there is one";
    EXPECT_TRUE(wnd.DestroyWindow());
}

INSTANTIATE_TEST_SUITE_P(HtmlEngine, EveryKindScreen, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "WithABrowser" : "WithoutABrowser";
                         });

} // namespace
} // namespace skin_ui_test
