#include "skin/ui/factories/InputFactories.h"

#include "skin/model/EditProperties.h"
#include "skin/model/MiscControlProperties.h"
#include "skin/model/SliderProperties.h"
#include "skin/ui/DpiScaling.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/UIWnd.h"
#include "skin/ui/WindowStyle.h"
#include "skin/ui/controls/SkinComboBox.h"
#include "skin/ui/controls/SkinEdit.h"
#include "skin/ui/controls/SkinProgressCtrl.h"
#include "skin/ui/controls/SliderCtrlEx.h"
#include "skin/ui/factories/ControlFactories.h"

#include <commctrl.h>

#include <initializer_list>

namespace Vexel {

using namespace record_read;

namespace {

DWORD EditStyle(const CTRLPROPERTIES& record)
{
    DWORD style = StyleFromProperties(record) | SwitchBits(record, {{EdtVar::Border, WS_BORDER}}) | EditTextStyle(record);
    // "Default" and "Left" add nothing.
    switch (Enum(record, EdtVar::TextHorAlign, ValueKind::TextHorAlignMode)) {
    case 2: style |= ES_RIGHT; break;
    case 3: style |= ES_CENTER; break;
    default: break;
    }
    return style;
}

DWORD ComboStyle(const CTRLPROPERTIES& record)
{
    DWORD style = StyleFromProperties(record) |
                  SwitchBits(record, {{CmbVar::IsVScroll, WS_VSCROLL},
                                      {CmbVar::IsAutoHScroll, CBS_AUTOHSCROLL},
                                      {CmbVar::IsDisableNoScroll, CBS_DISABLENOSCROLL},
                                      {CmbVar::IsSort, CBS_SORT},
                                      {CmbVar::IsUpperCase, CBS_UPPERCASE},
                                      {CmbVar::IsLowerCase, CBS_LOWERCASE}});
    switch (Enum(record, CmbVar::ComboStyle, ValueKind::ComboStyle)) {
    case 1: style |= CBS_SIMPLE; break;
    case 2: style |= CBS_DROPDOWN; break;
    case 3: style |= CBS_DROPDOWNLIST; break;
    default: break;
    }
    return style;
}

} // namespace

DWORD EditTextStyle(const CTRLPROPERTIES& record)
{
    return SwitchBits(record, {{EdtVar::IsHScroll, WS_HSCROLL},
                               {EdtVar::IsVScroll, WS_VSCROLL},
                               {EdtVar::IsWantReturn, ES_WANTRETURN},
                               {EdtVar::IsAutoHScroll, ES_AUTOHSCROLL},
                               {EdtVar::IsAutoVScroll, ES_AUTOVSCROLL},
                               {EdtVar::IsLowerCase, ES_LOWERCASE},
                               {EdtVar::IsUpperCase, ES_UPPERCASE},
                               {EdtVar::IsNumber, ES_NUMBER},
                               {EdtVar::IsPassword, ES_PASSWORD},
                               {EdtVar::IsReadOnly, ES_READONLY},
                               {EdtVar::IsMultiline, ES_MULTILINE}});
}

CreatedControl CreateEdit(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds)
{
    const RECT rect = parent.ControlRect(record);
    auto edit = std::make_unique<CSkinEdit>();
    if (!edit->Create(EditStyle(record), rect, &parent, static_cast<UINT>(ControlIdOf(record))))
        return {};
    edit->ApplyProperties(&record);
    SharedBitmap parts[4];
    if (CutStateParts(record, rect, backgrounds, PartsFromNormal::CopyOne, parts))
        edit->SetImages(parts);
    return HandToWindow(std::move(edit));
}

CreatedControl CreateComboBox(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds)
{
    const RECT box = parent.ControlRect(record);
    RECT withList = box;
    withList.bottom += ScaleY(Int(record, CmbVar::DropListHeight), CurrentDpi());
    auto combo = std::make_unique<CSkinComboBox>();
    if (!combo->Create(ComboStyle(record), withList, &parent, static_cast<UINT>(ControlIdOf(record))))
        return {};
    combo->ApplyProperties(&record);

    CRect made;
    combo->GetWindowRect(&made);
    RECT field = box;
    field.bottom = field.top + made.Height();
    SharedBitmap parts[4];
    if (CutStateParts(record, field, backgrounds, PartsFromNormal::CutEach, parts))
        combo->SetImages(parts);
    return HandToWindow(std::move(combo));
}

CreatedControl CreateSliderEx(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds)
{
    const RECT rect = parent.ControlRect(record);
    const DWORD style = StyleFromProperties(record) | WS_CHILD | SwitchBits(record, {{SldVar::IsVertical, TBS_VERT}});
    auto slider = std::make_unique<CSliderCtrlEx>();
    if (!slider->Create(style, rect, &parent, static_cast<UINT>(ControlIdOf(record))))
        return {};
    switch (Enum(record, SldVar::ExtendedStyle, ValueKind::SliderExtendedStyle)) {
    case 1: slider->SetExtendedStyle(CSliderCtrlEx::kExtendedProgress); break;
    case 2: slider->SetExtendedStyle(CSliderCtrlEx::kExtendedSplitProgress); break;
    default: break;
    }
    slider->ApplyProperties(&record);
    SharedBitmap parts[CSliderCtrlEx::kBackgrounds];
    if (CutListedParts(record, rect, {backgrounds.normal, backgrounds.highlight, backgrounds.selected,
                                      backgrounds.disabled}, parts))
        slider->SetBackgroundBitmaps(parts);
    return HandToWindow(std::move(slider));
}

CreatedControl CreateProgress(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds)
{
    const RECT rect = parent.ControlRect(record);
    const DWORD style = StyleFromProperties(record) | WS_CHILD |
                        SwitchBits(record, {{PrgVar::IsVertical, PBS_VERTICAL}, {CtrlVar::IsTabStop, WS_TABSTOP}});
    auto progress = std::make_unique<CSkinProgressCtrl>();
    if (!progress->Create(style, rect, &parent, static_cast<UINT>(ControlIdOf(record))))
        return {};
    progress->ApplyProperties(&record);
    SharedBitmap parts[2];
    if (CutListedParts(record, rect, {backgrounds.normal, backgrounds.disabled}, parts))
        progress->SetBackgroundBitmaps(parts[0], parts[1]);
    return HandToWindow(std::move(progress));
}

void ReleaseEdit(CObject& control)
{
    ReleaseThroughControl<CSkinEdit>(control);
}

void ReleaseComboBox(CObject& control)
{
    ReleaseThroughControl<CSkinComboBox>(control);
}

void ReleaseSliderEx(CObject& control)
{
    ReleaseThroughControl<CSliderCtrlEx>(control);
}

void ReleaseProgress(CObject& control)
{
    ReleaseThroughControl<CSkinProgressCtrl>(control);
}

} // namespace Vexel
