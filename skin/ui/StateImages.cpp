#include "skin/ui/StateImages.h"

#include "skin/ui/BitmapCopies.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DpiScaling.h"
#include "skin/model/SkinGlobals.h"

namespace Vexel {
namespace {

// Cuts `count` equal parts side by side out of the strip; part i starts at i * W / count.
void CutStrip(HBITMAP strip, int count, CBitmap* states)
{
    SIZE size;
    if (GetBitmapSize(strip, size) != 0)
        return;
    const int part = size.cx / count;
    for (int i = 0; i < count; ++i)
        CropBitmapXYWH(i * size.cx / count, 0, part, size.cy, strip, &states[i]);
}

} // namespace

CString SkinImagePath(const PropertyValue& relativePath)
{
    return g_skinStore.GetSkinFolder() + relativePath.GetString();
}

void LoadSkinImage(const PropertyValue& relativePath, CBitmap& image)
{
    HandBitmap(image, LoadBitmapFromFile(SkinImagePath(relativePath)));
    if (image.GetSafeHandle())
        ScaleBitmapToDpiInPlace(image);
}

int LoadStateImages(const CTRLPROPERTIES* record, const StateImageVars& vars, CBitmap* const* slots)
{
    if (!record)
        return -1;
    if (vars.specified != StateImageVars::kNone && !record->GetVar(vars.specified).GetBool())
        return -1;

    CBitmap states[8];
    if (record->GetVar(vars.combine).GetBool()) {
        CBitmap strip;
        LoadSkinImage(record->GetVar(vars.combined), strip);
        if (strip.GetSafeHandle())
            CutStrip(strip, vars.count, states);
    } else {
        for (int i = 0; i < vars.count; ++i)
            LoadSkinImage(record->GetVar(vars.files[i]), states[i]);
    }

    for (int i = 0; i < vars.count; ++i) {
        if (slots[i])
            HandBitmap(*slots[i], static_cast<HBITMAP>(states[i].Detach()));
    }
    return 0;
}

int LoadTwoStateImages(const CTRLPROPERTIES* record, CBitmap* normal, CBitmap* disabled)
{
    static constexpr StateImageVars kVars = {
        StateImageVars::kNone, CtrlVar::IsCombineImages, CtrlVar::BkCombine, 2,
        {CtrlVar::BackgroundNormal, CtrlVar::BackgroundDisabled}};
    CBitmap* const slots[] = {normal, disabled};
    return LoadStateImages(record, kVars, slots);
}

int LoadFourStateImages(const CTRLPROPERTIES* record, CBitmap* normal, CBitmap* highlight, CBitmap* selected,
                        CBitmap* disabled)
{
    static constexpr StateImageVars kVars = {
        StateImageVars::kNone, CtrlVar::IsCombineImages, CtrlVar::BkCombine, 4,
        {CtrlVar::BackgroundNormal, CtrlVar::BackgroundHighlight, CtrlVar::BackgroundSelected,
         CtrlVar::BackgroundDisabled}};
    CBitmap* const slots[] = {normal, highlight, selected, disabled};
    return LoadStateImages(record, kVars, slots);
}

int LoadFourStateForegroundImages(const BTNBASEPROPERTIES* record, CBitmap* normal, CBitmap* highlight,
                                  CBitmap* selected, CBitmap* disabled)
{
    static constexpr StateImageVars kVars = {
        BtnBaseVar::IsSpecifyForegroundImages, BtnBaseVar::IsCombineForegroundImages, BtnBaseVar::ForegroundCombine,
        4,
        {BtnBaseVar::ForegroundNormal, BtnBaseVar::ForegroundHighlight, BtnBaseVar::ForegroundSelected,
         BtnBaseVar::ForegroundDisabled}};
    CBitmap* const slots[] = {normal, highlight, selected, disabled};
    return LoadStateImages(record, kVars, slots);
}

int LoadEightStateImages(const TOGGLEBTNPROPERTIES* record, CBitmap* normal, CBitmap* highlight, CBitmap* selected,
                         CBitmap* disabled, CBitmap* checkedNormal, CBitmap* checkedHighlight,
                         CBitmap* checkedSelected, CBitmap* checkedDisabled)
{
    static constexpr StateImageVars kVars = {
        CtrlVar::IsSpecifyImages, CtrlVar::IsCombineImages, CtrlVar::BkCombine, 8,
        {CtrlVar::BackgroundNormal, CtrlVar::BackgroundHighlight, CtrlVar::BackgroundSelected,
         CtrlVar::BackgroundDisabled, ToggleBtnVar::BackgroundCheckedNormal, ToggleBtnVar::BackgroundCheckedHighlight,
         ToggleBtnVar::BackgroundCheckedSelected, ToggleBtnVar::BackgroundCheckedDisabled}};
    CBitmap* const slots[] = {normal,        highlight,        selected,        disabled,
                              checkedNormal, checkedHighlight, checkedSelected, checkedDisabled};
    return LoadStateImages(record, kVars, slots);
}

int LoadEightStateForegroundImages(const TOGGLEBTNPROPERTIES* record, CBitmap* normal, CBitmap* highlight,
                                   CBitmap* selected, CBitmap* disabled, CBitmap* checkedNormal,
                                   CBitmap* checkedHighlight, CBitmap* checkedSelected, CBitmap* checkedDisabled)
{
    static constexpr StateImageVars kVars = {
        BtnBaseVar::IsSpecifyForegroundImages, BtnBaseVar::IsCombineForegroundImages, BtnBaseVar::ForegroundCombine,
        8,
        {BtnBaseVar::ForegroundNormal, BtnBaseVar::ForegroundHighlight, BtnBaseVar::ForegroundSelected,
         BtnBaseVar::ForegroundDisabled, ToggleBtnVar::ForegroundCheckedNormal,
         ToggleBtnVar::ForegroundCheckedHighlight, ToggleBtnVar::ForegroundCheckedSelected,
         ToggleBtnVar::ForegroundCheckedDisabled}};
    CBitmap* const slots[] = {normal,        highlight,        selected,        disabled,
                              checkedNormal, checkedHighlight, checkedSelected, checkedDisabled};
    return LoadStateImages(record, kVars, slots);
}

int LoadTwoStateForegroundImages(const TXTPROPERTIES* record, CBitmap* normal, CBitmap* disabled)
{
    static constexpr StateImageVars kVars = {
        TxtVar::IsSpecifyForegroundImages, TxtVar::IsCombineForegroundImages, TxtVar::ForegroundCombine, 2,
        {TxtVar::ForegroundNormal, TxtVar::ForegroundDisabled}};
    CBitmap* const slots[] = {normal, disabled};
    return LoadStateImages(record, kVars, slots);
}

int LoadThumbImages(const SLDPROPERTIES* record, CBitmap* normal, CBitmap* highlight, CBitmap* selected,
                    CBitmap* disabled)
{
    static constexpr StateImageVars kVars = {
        StateImageVars::kNone, SldVar::IsCombineThumbImages, SldVar::ThumbCombine, 4,
        {SldVar::ThumbN, SldVar::ThumbH, SldVar::ThumbS, SldVar::ThumbD}};
    CBitmap* const slots[] = {normal, highlight, selected, disabled};
    return LoadStateImages(record, kVars, slots);
}

int LoadScrollBarStateImages(const CTRLPROPERTIES* record, CBitmap* normal, CBitmap* highlight, CBitmap* selected,
                             CBitmap* disabled)
{
    static constexpr StateImageVars kVars = {
        StateImageVars::kNone, ScrollBarStyleVar::IsCombineThumbImages, ScrollBarStyleVar::ThumbCombine, 4,
        {ScrollBarStyleVar::ThumbNormal, ScrollBarStyleVar::ThumbHighlight, ScrollBarStyleVar::ThumbSelected,
         ScrollBarStyleVar::ThumbDisabled}};
    CBitmap* const slots[] = {normal, highlight, selected, disabled};
    return LoadStateImages(record, kVars, slots);
}

} // namespace Vexel
