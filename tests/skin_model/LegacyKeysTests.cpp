#include <gtest/gtest.h>

#include "skin/model/ButtonProperties.h"
#include "skin/model/EditProperties.h"
#include "skin/model/LegacyKeys.h"
#include "skin/model/LegacyReaders.h"
#include "skin/model/MiscControlProperties.h"
#include "skin/model/SliderProperties.h"
#include "skin/model/TreeProperties.h"
#include "skin/model/UiWndProperties.h"
#include "tests/skin_model/LegacyImportFixtures.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace Vexel;
using namespace legacy_test;

namespace {

// The key lines of one section (and whatever follows) in a memory file, read by a reader
// with a context of its own.
class Section {
public:
    explicit Section(const std::wstring& lines) : bytes_(FileBytes(lines, Encoding::Ansi))
    {
        text_.Attach(reinterpret_cast<BYTE*>(bytes_.data()), static_cast<UINT>(bytes_.size()), 0);
    }
    ~Section() { text_.Detach(); }

    LegacyImportContext& Context() { return context_; }
    LegacyImportState& State() { return state_; }

    CString NextLine()
    {
        CString line;
        return ReadLegacyLine(text_, line) ? line : CString(L"<end>");
    }

private:
    std::string bytes_;
    CMemStdioFile text_;
    LegacyImportState state_;
    LegacyImportContext context_{text_, false, state_};
};

template <class Record>
std::unique_ptr<CTRLPROPERTIES> Make()
{
    return std::make_unique<Record>();
}

bool FitsForm(const PropertyValue& target, LegacyForm form)
{
    switch (form) {
    case LegacyForm::Text:
        return target.Type() == VT_BSTR;
    case LegacyForm::Flag:
    case LegacyForm::NumberFlag:
        return target.Type() == VT_BOOL;
    case LegacyForm::Integer:
    case LegacyForm::Decimal:
        return target.Type() == VT_I4 && target.Kind() == ValueKind::None;
    case LegacyForm::Enumeration:
    case LegacyForm::ComboStyle:
        return target.Type() == VT_INT;
    case LegacyForm::Rectangle:
        return target.Kind() == ValueKind::Rect;
    case LegacyForm::PointX:
    case LegacyForm::PointY:
        return target.Kind() == ValueKind::Point;
    case LegacyForm::Font:
        return target.Kind() == ValueKind::FontResourceID;
    case LegacyForm::Colour:
        return target.Kind() == ValueKind::ColorResourceID;
    case LegacyForm::Dropped:
        return false;
    }
    return false;
}

TEST(LegacyKeys, EveryKeyOfEveryKindReachesAVariableOfItsForm)
{
    using Factory = std::unique_ptr<CTRLPROPERTIES> (*)();
    const struct {
        const char* kind;
        Factory make;
        std::vector<const LegacyKeyTable*> tables;
    } kinds[] = {
        {"PUSHBUTTON", &Make<BTNPROPERTIES>, {&kLegacyCommonKeys, &kLegacyTextKeys, &kLegacyPushButtonKeys}},
        {"CHECK", &Make<CHKPROPERTIES>, {&kLegacyCommonKeys, &kLegacyTextKeys, &kLegacyCheckedImageKeys, &kLegacyCheckBoxKeys}},
        {"RADIO", &Make<RADPROPERTIES>, {&kLegacyCommonKeys, &kLegacyTextKeys, &kLegacyCheckedImageKeys, &kLegacyRadioButtonKeys}},
        {"STATIC", &Make<TXTPROPERTIES>, {&kLegacyCommonKeys, &kLegacyStaticKeys}},
        {"EDIT", &Make<EDTPROPERTIES>, {&kLegacyCommonKeys, &kLegacyEditKeys}},
        {"RICHEDIT", &Make<RICHEDITPROPERTIES>, {&kLegacyCommonKeys, &kLegacyEditKeys}},
        {"COMBOBOX", &Make<CMBPROPERTIES>, {&kLegacyCommonKeys, &kLegacyComboBoxKeys}},
        {"SPIN", &Make<SPNPROPERTIES>, {&kLegacyCommonKeys, &kLegacySpinKeys}},
        {"PROGRESS", &Make<PRGPROPERTIES>, {&kLegacyCommonKeys, &kLegacyProgressKeys}},
        {"SLIDER", &Make<SLDPROPERTIES>, {&kLegacyCommonKeys, &kLegacySliderKeys}},
        {"SLIDEREX", &Make<SLDEXPROPERTIES>, {&kLegacyCommonKeys, &kLegacySliderKeys}},
        {"HOTKEY", &Make<HOTPROPERTIES>, {&kLegacyCommonKeys}},
        {"IPADDRESS", &Make<IPAPROPERTIES>, {&kLegacyCommonKeys}},
        {"LISTCTRL", &Make<LSTCTRLPROPERTIES>, {&kLegacyCommonKeys, &kLegacyListCtrlKeys}},
        {"TREECTRL", &Make<TREECTRLPROPERTIES>, {&kLegacyCommonKeys, &kLegacyTreeCtrlKeys}},
        {"SCROLLBAREX", &Make<SBEXPROPERTIES>, {&kLegacyCommonKeys, &kLegacyScrollBarKeys}},
        {"THUMBNAIL", &Make<THMPROPERTIES>, {&kLegacyCommonKeys, &kLegacyThumbnailKeys}},
        {"TREELIST", &Make<TREELISTPROPERTIES>, {&kLegacyCommonKeys, &kLegacyTreeListKeys}},
        {"HTMLCTRL", &Make<HTMLCTRLPROPERTIES>, {&kLegacyCommonKeys, &kLegacyHtmlCtrlKeys}},
        {"UIWND", &Make<UIWNDPROPERTIES>, {&kLegacyWindowKeys}},
        {"HEADERCTRL", &Make<HEADERPROPERTIES>, {&kLegacyListHeaderKeys}},
        {"HORSCROLLBAR", &Make<HORSBPROPERTIES>, {&kLegacyScrollBarThumbKeys}},
        {"VERSCROLLBAR", &Make<VERSBPROPERTIES>, {&kLegacyScrollBarThumbKeys}},
    };
    int rows = 0;
    for (const auto& kind : kinds) {
        const std::unique_ptr<CTRLPROPERTIES> record = kind.make();
        for (const LegacyKeyTable* table : kind.tables) {
            for (const LegacyKeyRow& row : *table) {
                if (row.form == LegacyForm::Dropped)
                    continue;
                ++rows;
                const PropertyValue* target = FindLegacyKeyTarget(*record, row);
                ASSERT_NE(nullptr, target) << kind.kind << " " << testing::PrintToString(std::wstring(row.key));
                EXPECT_TRUE(FitsForm(*target, row.form)) << kind.kind << " " << testing::PrintToString(std::wstring(row.key));
            }
        }
    }
    EXPECT_GT(rows, 500);
}

TEST(LegacyReaders, StopAtTheNextHeaderAndLeaveItUnread)
{
    Section section(L"\r\nisvisible=0\r\nno equals sign\r\nIDs = IDC_A \r\n  [Next]\r\nIDs=IDC_B\r\n");
    TXTPROPERTIES record;
    EXPECT_EQ(0, ReadLegacyStatic(section.Context(), record));
    EXPECT_FALSE(record.GetVar(CtrlVar::IsVisible).GetBool());       // keys ignore case
    EXPECT_EQ(CString(L"IDC_A"), record.GetVar(CtrlVar::ID).GetString());
    EXPECT_EQ(CString(L"[Next]"), section.NextLine());
}

TEST(LegacyReaders, SpecialKeysOfSomeKinds)
{
    {
        Section section(L"BkH=mark.bmp\r\nBkS=off.bmp\r\n");
        SLDPROPERTIES slider;
        ReadLegacySlider(section.Context(), slider);
        EXPECT_EQ(CString(L"mark.bmp"), FindVariableByElement(slider, L"MarkNormal")->GetString());
        EXPECT_EQ(CString(L"off.bmp"), FindVariableByElement(slider, L"MarkDisabled")->GetString());
    }
    {
        Section section(L"MarkBkN=other.bmp");
        SLDEXPROPERTIES slider;
        ReadLegacySlider(section.Context(), slider);
        EXPECT_EQ(CString(L"other.bmp"), slider.GetVar(CtrlVar::BackgroundHighlight).GetString());
    }
    {
        // Statics have no text-key table.
        Section section(L"IsEndEllipsis=1\r\nTag=t\r\nMaskBmp=m.bmp\r\nIsSpecifyForegroundImages=1\r\n");
        TXTPROPERTIES label;
        const TXTPROPERTIES fresh;
        ReadLegacyStatic(section.Context(), label);
        EXPECT_EQ(RecordText(fresh), RecordText(label));
    }
    {
        Section section(L"HorAlignMode=Right\r\nHorAligMode=Center\r\n");
        EDTPROPERTIES edit;
        ReadLegacyEdit(section.Context(), edit);
        EXPECT_EQ(3, FindVariableByElement(edit, L"TextAlignment", L"Horizontal")->GetEnumValue(ValueKind::TextHorAlignMode));
    }
    {
        Section section(L"HorAlignMode=Right\r\n");
        EDTPROPERTIES edit;
        ReadLegacyEdit(section.Context(), edit);
        EXPECT_EQ(0, FindVariableByElement(edit, L"TextAlignment", L"Horizontal")->GetEnumValue(ValueKind::TextHorAlignMode));
    }
    {
        Section section(L"Thumb=bar.bmp\r\nHorAlig=0x10\r\nVerAlig=-4\r\n");
        PRGPROPERTIES progress;
        ReadLegacyProgress(section.Context(), progress);
        EXPECT_EQ(CString(L"bar.bmp"), FindVariableByElement(progress, L"ThumbN")->GetString());
        EXPECT_EQ(CString(L"bar.bmp"), FindVariableByElement(progress, L"ThumbD")->GetString());
        EXPECT_EQ(0, FindVariableByElement(progress, L"TextAlignment", L"HorOffsetN")->GetLong());   // decimal only
        EXPECT_EQ(-4, FindVariableByElement(progress, L"TextAlignment", L"VerOffsetN")->GetLong());
    }
    {
        Section section(L"DropListHeight=0x20\r\nBtnWidth=18\r\n");
        CMBPROPERTIES combo;
        ReadLegacyComboBox(section.Context(), combo);
        EXPECT_EQ(32, combo.GetVar(CmbVar::DropListHeight).GetLong());              // integer: hex allowed
        EXPECT_EQ(18, combo.GetVar(CmbVar::ButtonWidth).GetLong());
    }
    {
        Section section(L"FontN=00\r\n");
        BTNPROPERTIES button;
        ReadLegacyPushButton(section.Context(), button);
        const PropertyValue& font = button.GetVar(CtrlVar::FontResN);
        EXPECT_EQ(ValueKind::FontResourceID, font.Kind());
        EXPECT_EQ(CString(L"IDR_FONT_1"), font.GetString());
        EXPECT_EQ(1u, section.State().stagedFonts.size());
    }
}

TEST(LegacyReaders, ListControlHeaderIsKeptWhenAHeaderEndsTheSection)
{
    Section section(L"HeaderBkN=h.bmp\r\nHeaderBkD=d.bmp\r\nListStyle=list\r\n[Next]\r\nHeaderBkN=x.bmp");
    section.State().headerNumber = 4;
    LSTCTRLPROPERTIES list;
    ReadLegacyListCtrl(section.Context(), list);
    EXPECT_EQ(2, FindVariableByElement(list, L"ListStyle")->GetEnumValue(ValueKind::ListStyle));
    ASSERT_EQ(1u, section.Context().headers.size());
    const HEADERPROPERTIES& header = *section.Context().headers[0];
    EXPECT_EQ(CString(L"IDR_HEADER_5"), header.GetVar(CtrlVar::ID).GetString());
    EXPECT_EQ(CString(L"h.bmp"), header.GetVar(CtrlVar::BackgroundNormal).GetString());
    EXPECT_EQ(CString(L"d.bmp"), header.GetVar(CtrlVar::BackgroundDisabled).GetString());

    // A section that runs to the end of the file keeps no header.
    EXPECT_EQ(CString(L"[Next]"), section.NextLine());
    LSTCTRLPROPERTIES last;
    ReadLegacyListCtrl(section.Context(), last);
    EXPECT_EQ(6u, section.State().headerNumber);
    EXPECT_EQ(1u, section.Context().headers.size());
}

TEST(LegacyReaders, ScrollBarThumbsFollowIsVerticalAtTheirLine)
{
    Section section(L"ThumbN=n.bmp\r\nLTUPx=3\r\nIsVertical=1\r\nThumbH=h.bmp\r\n");
    SBEXPROPERTIES bar;
    ReadLegacyScrollBarEx(section.Context(), bar);
    EXPECT_TRUE(section.Context().horizontalScrollBars.empty());
    ASSERT_EQ(1u, section.Context().verticalScrollBars.size());
    VERSBPROPERTIES& vertical = *section.Context().verticalScrollBars[0];
    EXPECT_EQ(CString(L"h.bmp"), FindVariableByElement(vertical, L"ThumbHighlight")->GetString());
    EXPECT_EQ(CString(L""), FindVariableByElement(vertical, L"ThumbNormal")->GetString());
    EXPECT_FALSE(FindVariableByElement(vertical, L"IsCombineThumbImages")->GetBool());

    Section horizontal(L"ThumbD=d.bmp");
    SBEXPROPERTIES flat;
    ReadLegacyScrollBarEx(horizontal.Context(), flat);
    ASSERT_EQ(1u, horizontal.Context().horizontalScrollBars.size());
    EXPECT_EQ(CString(L"d.bmp"),
              FindVariableByElement(*horizontal.Context().horizontalScrollBars[0], L"ThumbDisabled")->GetString());
}

TEST(LegacyReaders, WindowMaskColourNeedsANumberFlag)
{
    const struct {
        const wchar_t* lines;
        bool mask;
        COLORREF color;
    } cases[] = {
        {L"IsUseMaskColor=1", true, RGB(255, 0, 255)},
        {L"IsUseMaskColor=True", false, 0},
        {L"IsUseMaskColor=0\r\nRValue=1", false, 0},
        {L"RValue=511\r\nIsUseMaskColor=2\r\nGValue=7\r\nBValue=0x30", true, RGB(255, 7, 0)},
    };
    for (const auto& c : cases) {
        Section section(c.lines);
        UIWNDPROPERTIES window;
        ReadLegacyWindow(section.Context(), window);
        const auto& colors = section.State().stagedColors;
        ASSERT_EQ(c.mask ? 1u : 0u, colors.size()) << testing::PrintToString(std::wstring(c.lines));
        if (c.mask) {
            EXPECT_EQ(CString(L"IDR_COLOR_1"), window.GetVar(UiWndVar::MaskColorResID).GetString());
            EXPECT_EQ(c.color, colors[0]->GetVar(ResourceVar::Value).GetColor());
        }
    }
}

} // namespace
