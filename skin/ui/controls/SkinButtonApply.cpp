// CSkinButton: applying a push-button, check-box or radio-button record, or a named style.
#include "skin/ui/controls/SkinButton.h"

#include "skin/model/ButtonProperties.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/DpiScaling.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/SkinColors.h"
#include "skin/ui/SkinFonts.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/WindowRegions.h"
#include "skin/ui/controls/SkinButtonPrivate.h"

#include <cwchar>

namespace Vexel {

using namespace record_read;

namespace {

constexpr COLORREF kMaskColor = RGB(255, 0, 255);

bool IsCheckBoxStyle(DWORD style)
{
    return (style & 3) == 3;
}

bool IsRadioStyle(DWORD style)
{
    return (style & 9) == 9;
}

std::unique_ptr<CFont> NewFont()
{
    return std::make_unique<CFont>();
}

// A record whose Type says one kind but whose layout is another's is refused like a
// record of another kind: its variables are not where the button would read them.
template <class Record>
const Record* AsRecord(const CTRLPROPERTIES* record)
{
    return dynamic_cast<const Record*>(record);
}

// The text placement of every state of `look` from the record's TextAlignment.
void ApplyTextPlacement(ButtonLook& look, const CTRLPROPERTIES& record)
{
    const int hor = Enum(record, BtnBaseVar::TextHorAlign, ValueKind::TextHorAlignMode);
    const int ver = Enum(record, BtnBaseVar::TextVerAlign, ValueKind::TextVerAlignMode);
    const int horOffset = Int(record, BtnBaseVar::TextHorOffset);
    const int verOffset = Int(record, BtnBaseVar::TextVerOffset);
    for (int state = 0; state < kStateCount; ++state) {
        look.textHorAligns[state] = hor;
        look.textVerAligns[state] = ver;
        look.textHorOffsets[state] = horOffset;
        look.textVerOffsets[state] = verOffset;
    }
}

// Foreground images as the store shares them, placed as the record says; the key colour
// 0xFF00FF stays transparent.
void ShareForegrounds(SkinButtonPrivate& p, bool checked, const SharedBitmap* images, const CTRLPROPERTIES& record)
{
    p.bitmaps.Share(checked ? kCheckedForegroundSlots : kForegroundSlots,
                    {images[0], images[1], images[2], images[3]});
    ButtonLook& look = p.Look(checked);
    look.foregroundHorOffset = Int(record, BtnBaseVar::ForegroundHorOffset);
    look.foregroundVerOffset = Int(record, BtnBaseVar::ForegroundVerOffset);
    look.foregroundHorAlign = Enum(record, BtnBaseVar::ForegroundHorAlign, ValueKind::ForegroundHorAlignMode);
    look.foregroundVerAlign = Enum(record, BtnBaseVar::ForegroundVerAlign, ValueKind::ForegroundVerAlignMode);
    look.foregroundKey = RGB(255, 0, 255);
}

} // namespace

int CSkinButton::ApplyProperties(CTRLPROPERTIES* record)
{
    if (!::IsWindow(GetSafeHwnd()))
        return -1;
    const DWORD style = GetStyle();
    if (IsCheckBoxStyle(style))
        return ApplyCheckBoxProperties(record);
    if (IsRadioStyle(style))
        return ApplyRadioButtonProperties(record);
    return ApplyPushButtonProperties(record);
}

int CSkinButton::ApplyStyle(LPCWSTR styleId)
{
    if (!::IsWindow(GetSafeHwnd()))
        return -1;
    const DWORD style = GetStyle();
    const StyleKind kind = IsCheckBoxStyle(style) ? StyleKind::CheckBox
                           : IsRadioStyle(style)  ? StyleKind::RadioButton
                                                  : StyleKind::PushButton;
    return ApplyProperties(g_skinStore.FindStyle(kind, styleId));
}

int CSkinButton::ApplyPushButtonProperties(CTRLPROPERTIES* record)
{
    if (const int refused = CheckApplyRecord(this, record, L"PUSHBUTTON"))
        return refused;
    const BTNBASEPROPERTIES* const button = AsRecord<BTNBASEPROPERTIES>(record);
    if (!button)
        return -3;
    SkinButtonPrivate& p = *m_pPrivate;
    p.focusRect = Switch(*record, CtrlVar::IsTabStop);

    SharedBitmap background[kStateCount];
    if (LoadFourStateImages(record, &background[0], &background[1], &background[2], &background[3]) == 0) {
        ShareBitmaps(background, false);
        RedrawControl(this);
    }
    if (Switch(*record, CtrlVar::IsSpecifyImages)) {
        // The images were scaled as they loaded: the point into them scales alike.
        const POINT point = ScalePoint(Point(*record, CtrlVar::ResizingPoint), CurrentDpi());
        SetResizePoint(&point);
    }
    SharedBitmap foreground[kStateCount];
    if (LoadFourStateForegroundImages(button, &foreground[0], &foreground[1], &foreground[2], &foreground[3]) == 0)
    {
        ShareForegrounds(p, false, foreground, *record);
        RedrawControl(this);
    }
    SetWindowRegionFromFile(m_hWnd, SkinImagePath(record->GetVar(BtnBaseVar::MaskBitmap)), kMaskColor);

    std::unique_ptr<CFont> fonts[kStateCount] = {NewFont(), NewFont(), NewFont(), NewFont()};
    CreateFourStateFonts(record, fonts[0].get(), fonts[1].get(), fonts[2].get(), fonts[3].get());
    SetFonts(std::move(fonts[0]), std::move(fonts[1]), std::move(fonts[2]), std::move(fonts[3]), TRUE);
    COLORREF colors[kStateCount] = {};
    GetFourStateColors(record, &colors[0], &colors[1], &colors[2], &colors[3]);
    SetTextColors(colors[0], colors[1], colors[2], colors[3], TRUE);

    ApplyTextPlacement(p.Look(false), *record);
    RedrawControl(this);
    p.endEllipsis = Switch(*record, BtnBaseVar::IsEndEllipsis);
    SetTag(Text(*record, BtnBaseVar::Tag));
    if (Switch(*record, BtnBaseVar::ToolTipEnable))
        SetToolTip(Text(*record, BtnBaseVar::ToolTipText));
    return 0;
}

int CSkinButton::ApplyCheckBoxProperties(CTRLPROPERTIES* record)
{
    if (const int refused = CheckApplyRecord(this, record, L"CHECK"))
        return refused;
    return ApplyToggleProperties(record);
}

int CSkinButton::ApplyRadioButtonProperties(CTRLPROPERTIES* record)
{
    if (const int refused = CheckApplyRecord(this, record, L"RADIO"))
        return refused;
    return ApplyToggleProperties(record);
}

int CSkinButton::ApplyToggleProperties(CTRLPROPERTIES* record)
{
    // Its callers have checked the record's type word ("CHECK" or "RADIO").
    const TOGGLEBTNPROPERTIES* const toggle = AsRecord<TOGGLEBTNPROPERTIES>(record);
    if (!toggle)
        return -3;
    SkinButtonPrivate& p = *m_pPrivate;
    p.focusRect = Switch(*record, CtrlVar::IsTabStop);

    SharedBitmap background[kStateCount];
    SharedBitmap checked[kStateCount];
    if (LoadEightStateImages(toggle, &background[0], &background[1], &background[2], &background[3], &checked[0],
                             &checked[1], &checked[2], &checked[3]) == 0) {
        ShareBitmaps(background, false);
        ShareBitmaps(checked, true);
        RedrawControl(this);
    }
    if (Switch(*record, CtrlVar::IsSpecifyImages)) {
        // The images were scaled as they loaded: the point into them scales alike.
        const POINT point = ScalePoint(Point(*record, CtrlVar::ResizingPoint), CurrentDpi());
        SetResizePoint(&point);
    }
    SharedBitmap foreground[2 * kStateCount];
    if (LoadEightStateForegroundImages(toggle, &foreground[0], &foreground[1], &foreground[2], &foreground[3],
                                       &foreground[4], &foreground[5], &foreground[6], &foreground[7]) == 0) {
        ShareForegrounds(p, false, foreground, *record);
        ShareForegrounds(p, true, foreground + kStateCount, *record);
        RedrawControl(this);
    }
    SetWindowRegionFromFile(m_hWnd, SkinImagePath(record->GetVar(BtnBaseVar::MaskBitmap)), kMaskColor);

    std::unique_ptr<CFont> fonts[2 * kStateCount];
    for (auto& font : fonts)
        font = NewFont();
    CreateEightStateFonts(toggle, fonts[0].get(), fonts[1].get(), fonts[2].get(), fonts[3].get(), fonts[4].get(),
                          fonts[5].get(), fonts[6].get(), fonts[7].get());
    SetFonts(std::move(fonts[0]), std::move(fonts[1]), std::move(fonts[2]), std::move(fonts[3]), TRUE);
    SetCheckedFonts(std::move(fonts[4]), std::move(fonts[5]), std::move(fonts[6]), std::move(fonts[7]));
    COLORREF colors[2 * kStateCount] = {};
    GetEightStateColors(toggle, &colors[0], &colors[1], &colors[2], &colors[3], &colors[4], &colors[5], &colors[6],
                        &colors[7]);
    SetTextColors(colors[0], colors[1], colors[2], colors[3], TRUE);
    SetCheckedTextColors(colors[4], colors[5], colors[6], colors[7], TRUE);

    ApplyTextPlacement(p.Look(false), *record);
    ApplyTextPlacement(p.Look(true), *record);
    RedrawControl(this);
    if (Switch(*record, BtnBaseVar::ToolTipEnable))
        SetToolTip(Text(*record, BtnBaseVar::ToolTipText));
    SetTag(Text(*record, BtnBaseVar::Tag));
    return 0;
}

} // namespace Vexel
