#include "skin/ui/factories/CommonCtrlFactories.h"

#include "framework/CommonControls.h"
#include "skin/model/EditProperties.h"
#include "skin/model/SliderProperties.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/UIWnd.h"
#include "skin/ui/WindowStyle.h"
#include "skin/ui/controls/SkinHotKeyCtrl.h"
#include "skin/ui/controls/SkinIPAddressCtrl.h"
#include "skin/ui/controls/SkinRichEditCtrl.h"
#include "skin/ui/controls/SkinSliderCtrl.h"
#include "skin/ui/controls/SkinSpinButtonCtrl.h"
#include "skin/ui/factories/ControlFactories.h"
#include "skin/ui/factories/InputFactories.h"

#include <commctrl.h>

namespace Vexel {

using namespace record_read;

namespace {

enum SpinAlignment : int { kUnattached = 0, kAlignLeft = 1, kAlignRight = 2 };

DWORD SpinStyle(const CTRLPROPERTIES& record)
{
    DWORD style = StyleFromProperties(record) | SwitchBits(record, {{SpnVar::IsAutoBuddy, UDS_AUTOBUDDY},
                                                                    {SpnVar::IsSetBuddyInt, UDS_SETBUDDYINT},
                                                                    {SpnVar::IsNoThousands, UDS_NOTHOUSANDS},
                                                                    {SpnVar::IsWrap, UDS_WRAP},
                                                                    {SpnVar::IsArrowKeys, UDS_ARROWKEYS},
                                                                    {SpnVar::IsHotTrack, UDS_HOTTRACK}});
    if (!Switch(record, SpnVar::IsVertical))
        style |= UDS_HORZ;
    switch (Enum(record, SpnVar::Alignment, ValueKind::SpinAlignment)) {
    case kAlignLeft: style |= UDS_ALIGNLEFT; break;
    case kAlignRight: style |= UDS_ALIGNRIGHT; break;
    default: break;
    }
    return style;
}

} // namespace

CreatedControl CreateSlider(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds)
{
    auto slider = std::make_unique<CSkinSliderCtrl>();
    const RECT rect = parent.ControlRect(record);
    const DWORD style = StyleFromProperties(record) | WS_CHILD | SwitchBits(record, {{SldVar::IsVertical, TBS_VERT}});
    if (!slider->Create(style, rect, &parent, static_cast<UINT>(ControlIdOf(record))))
        return {};
    slider->ApplyProperties(&record);
    SharedBitmap parts[2];
    if (CutListedParts(record, rect, {backgrounds.normal, backgrounds.disabled}, parts))
        slider->SetBkImages(parts[0], parts[1]);
    return HandToWindow(std::move(slider));
}

CreatedControl CreateSpin(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds)
{
    auto spin = std::make_unique<CSkinSpinButtonCtrl>();
    const RECT rect = parent.ControlRect(record);
    if (!spin->Create(SpinStyle(record), rect, &parent, static_cast<UINT>(ControlIdOf(record))))
        return {};
    spin->ApplyProperties(&record);
    SharedBitmap parts[4];
    if (CutListedParts(record, rect,
                       {backgrounds.normal, backgrounds.highlight, backgrounds.selected, backgrounds.disabled}, parts))
        spin->SetBitmaps(parts);
    return HandToWindow(std::move(spin));
}

CreatedControl CreateHotKey(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds)
{
    auto hotKey = std::make_unique<CSkinHotKeyCtrl>();
    const RECT rect = parent.ControlRect(record);
    if (!hotKey->Create(StyleFromProperties(record) | WS_CHILD, rect, &parent, static_cast<UINT>(ControlIdOf(record))))
        return {};
    hotKey->ApplyProperties(&record);
    SharedBitmap parts[2];
    if (CutListedParts(record, rect, {backgrounds.normal, backgrounds.disabled}, parts))
        hotKey->SetBackgroundImages(parts[0], parts[1]);
    return HandToWindow(std::move(hotKey));
}

CreatedControl CreateIPAddress(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds)
{
    auto address = std::make_unique<CSkinIPAddressCtrl>();
    const RECT rect = parent.ControlRect(record);
    if (!address->Create(StyleFromProperties(record) | WS_CHILD, rect, &parent, static_cast<UINT>(ControlIdOf(record))))
        return {};
    address->ApplyProperties(&record);
    SharedBitmap parts[4];
    if (CutListedParts(record, rect,
                       {backgrounds.normal, backgrounds.highlight, backgrounds.selected, backgrounds.disabled}, parts))
        address->SetImages(parts);
    return HandToWindow(std::move(address));
}

CreatedControl CreateRichEdit(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds&)
{
    if (!AfxInitRichEdit2())
        return {};
    auto edit = std::make_unique<CSkinRichEditCtrl>();
    if (!edit->CreateEx(WS_EX_TRANSPARENT, StyleFromProperties(record) | WS_CHILD | EditTextStyle(record), parent.ControlRect(record), &parent,
                        static_cast<UINT>(ControlIdOf(record))))
        return {};
    edit->ApplyProperties(&record);
    return HandToWindow(std::move(edit));
}

void ReleaseSlider(CObject& control)
{
    ReleaseThroughControl<CSkinSliderCtrl>(control);
}

void ReleaseSpin(CObject& control)
{
    ReleaseThroughControl<CSkinSpinButtonCtrl>(control);
}

void ReleaseHotKey(CObject& control)
{
    ReleaseThroughControl<CSkinHotKeyCtrl>(control);
}

void ReleaseIPAddress(CObject& control)
{
    ReleaseThroughControl<CSkinIPAddressCtrl>(control);
}

} // namespace Vexel
