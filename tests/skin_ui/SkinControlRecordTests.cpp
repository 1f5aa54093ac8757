// Every skinned control of the common-control kinds takes a record or a style by the same
// rule: its own type word with or without "STYLE_", nothing else; no window, no record or
// an unknown style changes nothing.
#include "ControlParent.h"
#include "TestSkin.h"
#include "UIWndTestSupport.h"

#include "skin/model/EditProperties.h"
#include "skin/model/MiscControlProperties.h"
#include "skin/model/SliderProperties.h"
#include "skin/model/StyleKind.h"
#include "skin/model/TreeProperties.h"
#include "skin/ui/controls/SkinHotKeyCtrl.h"
#include "skin/ui/controls/SkinIPAddressCtrl.h"
#include "skin/ui/controls/SkinListCtrl.h"
#include "skin/ui/controls/SkinRichEditCtrl.h"
#include "skin/ui/controls/SkinSliderCtrl.h"
#include "skin/ui/controls/SkinSpinButtonCtrl.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Vexel;

namespace skin_ui_test {
namespace {

// One kind of control seen through its apply operations.
struct Kind {
    const char* name;
    LPCWSTR typeWord;
    StyleKind styleKind;
    std::function<std::unique_ptr<CTRLPROPERTIES>()> makeRecord;   // the kind's own record class
    std::function<std::unique_ptr<CWnd>()> construct;
    std::function<BOOL(CWnd&, CWnd& parent)> create;
    std::function<int(CWnd&, CTRLPROPERTIES*)> apply;
    std::function<int(CWnd&, LPCWSTR)> applyStyle;
};

template <class Control, class Record>
Kind KindOf(const char* name, LPCWSTR typeWord, StyleKind styleKind,
            std::function<BOOL(Control&, CWnd& parent)> create)
{
    return Kind{
        name,
        typeWord,
        styleKind,
        [] { return std::unique_ptr<CTRLPROPERTIES>(std::make_unique<Record>()); },
        [] { return std::unique_ptr<CWnd>(std::make_unique<Control>()); },
        [create](CWnd& control, CWnd& parent) { return create(static_cast<Control&>(control), parent); },
        [](CWnd& control, CTRLPROPERTIES* record) { return static_cast<Control&>(control).ApplyProperties(record); },
        [](CWnd& control, LPCWSTR id) { return static_cast<Control&>(control).ApplyStyle(id); },
    };
}

template <class Control>
BOOL CreateIn(Control& control, CWnd& parent)
{
    return control.Create(WS_VISIBLE, RECT{10, 10, 110, 40}, &parent, 1);
}

std::vector<Kind> Kinds()
{
    return {
        KindOf<CSkinSpinButtonCtrl, SPNPROPERTIES>("spin", L"SPIN", StyleKind::Spin, &CreateIn<CSkinSpinButtonCtrl>),
        KindOf<CSkinHotKeyCtrl, HOTPROPERTIES>("hot key", L"HOTKEY", StyleKind::HotKey, &CreateIn<CSkinHotKeyCtrl>),
        KindOf<CSkinIPAddressCtrl, IPAPROPERTIES>("IP address box", L"IPADDRESS", StyleKind::IPAddress,
                                                  &CreateIn<CSkinIPAddressCtrl>),
        KindOf<CSkinSliderCtrl, SLDPROPERTIES>("slider", L"SLIDER", StyleKind::Slider, &CreateIn<CSkinSliderCtrl>),
        KindOf<CSkinRichEditCtrl, RICHEDITPROPERTIES>("rich edit", L"RICHEDIT", StyleKind::RichEdit, &CreateIn<CSkinRichEditCtrl>),
        KindOf<CSkinListCtrl, LSTCTRLPROPERTIES>("list view", L"LISTCTRL", StyleKind::ListCtrl, &CreateIn<CSkinListCtrl>),
    };
}

std::unique_ptr<CTRLPROPERTIES> RecordOfType(const Kind& kind, const CString& type, LPCWSTR id = L"")
{
    auto record = kind.makeRecord();
    SetText(*record, CtrlVar::Type, type);
    SetText(*record, CtrlVar::ID, id);
    return record;
}

TEST(SkinControlRecords, EachKindTakesItsOwnWordWithOrWithoutStyle)
{
    TestSkin skin;
    ControlParent parent(50, 50, 200, 100);
    for (const Kind& kind : Kinds()) {
        const CString word(kind.typeWord);
        std::unique_ptr<CWnd> unmade = kind.construct();
        auto own = RecordOfType(kind, word);
        EXPECT_EQ(kind.apply(*unmade, own.get()), -1) << kind.name;
        EXPECT_EQ(kind.applyStyle(*unmade, L"IDR_STYLE"), -1) << kind.name;

        std::unique_ptr<CWnd> control = kind.construct();
        ASSERT_TRUE(kind.create(*control, parent)) << kind.name;
        EXPECT_EQ(kind.apply(*control, nullptr), -2) << kind.name;
        EXPECT_EQ(kind.apply(*control, own.get()), 0) << kind.name;
        EXPECT_EQ(kind.apply(*control, RecordOfType(kind, L"STYLE_" + word).get()), 0) << kind.name;
        EXPECT_EQ(kind.apply(*control, RecordOfType(kind, L"EDIT").get()), -3) << kind.name;
        EXPECT_EQ(kind.apply(*control, RecordOfType(kind, L"STYLE_STYLE_" + word).get()), -3) << kind.name;

        EXPECT_EQ(kind.applyStyle(*control, nullptr), -2) << kind.name;
        EXPECT_EQ(kind.applyStyle(*control, L"IDR_MISSING"), -2) << kind.name;
        auto style = RecordOfType(kind, L"STYLE_" + word, L"IDR_STYLE");
        ASSERT_GE(g_skinStore.AddStyle(kind.styleKind, style.get()), 0);
        style.release();
        EXPECT_EQ(kind.applyStyle(*control, L"IDR_STYLE"), 0) << kind.name;
        control->DestroyWindow();
    }
}

} // namespace
} // namespace skin_ui_test
