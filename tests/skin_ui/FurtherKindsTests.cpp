// A skin window naming each of the slider, spin button, hot-key box, IP address box, list
// view, rich edit and menu bar: every control is made, of its class and with its record's
// styles, and what the window owns in them is freed once as it goes.
#include "GdiCount.h"
#include "UIWndTestSupport.h"

#include "skin/model/EditProperties.h"
#include "skin/model/MenuProperties.h"
#include "skin/model/MiscControlProperties.h"
#include "skin/model/SliderProperties.h"
#include "skin/model/TreeProperties.h"
#include "skin/ui/controls/MenuBar.h"
#include "skin/ui/controls/SkinHotKeyCtrl.h"
#include "skin/ui/controls/SkinIPAddressCtrl.h"
#include "skin/ui/controls/SkinListCtrl.h"
#include "skin/ui/controls/SkinRichEditCtrl.h"
#include "skin/ui/controls/SkinSliderCtrl.h"
#include "skin/ui/controls/SkinSpinButtonCtrl.h"
#include "skin/ui/factories/ControlKinds.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kFurtherKindsWindowId = 4300;

struct KindRow {
    const char* name;
    std::function<CTRLPROPERTIES&(WindowSkin&, UIWNDPROPERTIES&, LPCWSTR id, int number, RECT rect)> add;
    std::function<bool(CWnd*)> isItsClass;
};

template <class Record, class Control>
KindRow Row(const char* name, std::function<void(Record&)> set = nullptr)
{
    return KindRow{
        name,
        [set](WindowSkin& skin, UIWNDPROPERTIES& window, LPCWSTR id, int number, RECT rect) -> CTRLPROPERTIES& {
            Record& record = skin.AddControl<Record>(window, id, number, rect);
            SetSwitch(record, CtrlVar::IsVisible, true);
            if (set)
                set(record);
            return record;
        },
        [](CWnd* made) { return dynamic_cast<Control*>(made) != nullptr; },
    };
}

std::vector<KindRow> Rows()
{
    return {
        Row<SLDPROPERTIES, CSkinSliderCtrl>("slider"),
        Row<SPNPROPERTIES, CSkinSpinButtonCtrl>("spin button"),
        Row<HOTPROPERTIES, CSkinHotKeyCtrl>("hot-key box"),
        Row<IPAPROPERTIES, CSkinIPAddressCtrl>("IP address box"),
        Row<LSTCTRLPROPERTIES, CSkinListCtrl>("list view",
                                              [](LSTCTRLPROPERTIES& list) {
                                                  SetEnum(list, ListVar::ListStyle, ValueKind::ListStyle, 3);
                                                  SetSwitch(list, ListVar::IsNoHeader, true);
                                                  SetSwitch(list, ListVar::IsSingleSel, true);
                                              }),
        Row<RICHEDITPROPERTIES, CSkinRichEditCtrl>("rich edit"),
        Row<MENUBARPROPERTIES, CMenuBar>("menu bar",
                                         [](MENUBARPROPERTIES& bar) { SetText(bar, MenuBarVar::MenuStyle, L"IDR_BAR_MENU"); }),
    };
}

class FurtherKindsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterSkinControlKinds();
        window = &skin.AddWindow(L"IDW_FURTHER", kFurtherKindsWindowId);
        skin.SetImage(*window, CtrlVar::BackgroundNormal, L"bk.bmp", 400, 300, &Tag);
        auto menuStyle = std::make_unique<MENUPROPERTIES>();
        SetText(*menuStyle, CtrlVar::ID, L"IDR_BAR_MENU");
        SetNumber(*menuStyle, MenuVar::MenuItemHeight, 31);
        ASSERT_GE(g_skinStore.AddStyle(StyleKind::Menu, menuStyle.get()), 0);
        menuStyle.release();
        int number = kFurtherKindsWindowId + 1;
        int y = 5;
        for (const KindRow& row : Rows()) {
            const std::wstring id = L"IDC_KIND_" + std::to_wstring(number);
            row.add(skin, *window, id.c_str(), number++, RECT{5, y, 185, y + 30});
            y += 35;
        }
    }

    WindowSkin skin;
    UIWNDPROPERTIES* window = nullptr;
};

TEST_F(FurtherKindsTest, EveryKindIsMadeOfItsClassWhereItsRecordSays)
{
    TestUIWnd wnd(kFurtherKindsWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
    const std::vector<KindRow> rows = Rows();
    const std::vector<ChildControlRecord>& children = wnd.GetChildControls();
    ASSERT_EQ(children.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        CWnd* const made = children[i].window;
        ASSERT_TRUE(rows[i].isItsClass(made)) << rows[i].name;
        EXPECT_EQ(made->GetDlgCtrlID(), kFurtherKindsWindowId + 1 + static_cast<int>(i)) << rows[i].name;
        EXPECT_TRUE(made->GetStyle() & WS_VISIBLE) << rows[i].name;
        EXPECT_EQ(ChildRect(wnd, *made).top, 5 + 35 * static_cast<LONG>(i)) << rows[i].name;
    }
    const DWORD listStyle = children[4].window->GetStyle();
    EXPECT_EQ(listStyle & LVS_TYPEMASK, static_cast<DWORD>(LVS_REPORT));
    EXPECT_TRUE(listStyle & LVS_NOCOLUMNHEADER);
    EXPECT_TRUE(listStyle & LVS_SINGLESEL);
    CString barName;
    children[6].window->GetWindowText(barName);
    EXPECT_EQ(barName, L"Menu bar");
    EXPECT_EQ(static_cast<CMenuBar*>(children[6].window)->GetBarMenu().GetMenuMember().itemHeight, 31)
        << "the bar's menus take the style its record names";
}

TEST_F(FurtherKindsTest, WhatTheWindowOwnsInThemIsFreedOnce)
{
    // The first run also makes what the system keeps for each kind of control.
    EXPECT_LE(GdiObjectsLeftBy([&] {
        TestUIWnd wnd(kFurtherKindsWindowId);
        ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
        wnd.UpdateWindow();
        wnd.DestroyWindow();
    }), 1) << "the system may keep one object of an address box";
}

} // namespace
} // namespace skin_ui_test
