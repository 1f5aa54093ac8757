#include "skin/ui/StateImages.h"

#include "skin/model/SkinGlobals.h"
#include "skin/ui/BitmapCopies.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DpiScaling.h"
#include "skin/ui/SkinImageStore.h"

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

// Where each loader below finds its flags and files.
constexpr StateImageVars kTwoStateImagesVars = {
    StateImageVars::kNone, CtrlVar::IsCombineImages, CtrlVar::BkCombine, 2,
    {CtrlVar::BackgroundNormal, CtrlVar::BackgroundDisabled}};
constexpr StateImageVars kFourStateImagesVars = {
    StateImageVars::kNone, CtrlVar::IsCombineImages, CtrlVar::BkCombine, 4,
    {CtrlVar::BackgroundNormal, CtrlVar::BackgroundHighlight, CtrlVar::BackgroundSelected,
     CtrlVar::BackgroundDisabled}};
constexpr StateImageVars kFourStateForegroundImagesVars = {
    BtnBaseVar::IsSpecifyForegroundImages, BtnBaseVar::IsCombineForegroundImages, BtnBaseVar::ForegroundCombine, 4,
    {BtnBaseVar::ForegroundNormal, BtnBaseVar::ForegroundHighlight, BtnBaseVar::ForegroundSelected,
     BtnBaseVar::ForegroundDisabled}};
constexpr StateImageVars kEightStateImagesVars = {
    CtrlVar::IsSpecifyImages, CtrlVar::IsCombineImages, CtrlVar::BkCombine, 8,
    {CtrlVar::BackgroundNormal, CtrlVar::BackgroundHighlight, CtrlVar::BackgroundSelected,
     CtrlVar::BackgroundDisabled, ToggleBtnVar::BackgroundCheckedNormal, ToggleBtnVar::BackgroundCheckedHighlight,
     ToggleBtnVar::BackgroundCheckedSelected, ToggleBtnVar::BackgroundCheckedDisabled}};
constexpr StateImageVars kEightStateForegroundImagesVars = {
    BtnBaseVar::IsSpecifyForegroundImages, BtnBaseVar::IsCombineForegroundImages, BtnBaseVar::ForegroundCombine, 8,
    {BtnBaseVar::ForegroundNormal, BtnBaseVar::ForegroundHighlight, BtnBaseVar::ForegroundSelected,
     BtnBaseVar::ForegroundDisabled, ToggleBtnVar::ForegroundCheckedNormal, ToggleBtnVar::ForegroundCheckedHighlight,
     ToggleBtnVar::ForegroundCheckedSelected, ToggleBtnVar::ForegroundCheckedDisabled}};
constexpr StateImageVars kTwoStateForegroundImagesVars = {
    TxtVar::IsSpecifyForegroundImages, TxtVar::IsCombineForegroundImages, TxtVar::ForegroundCombine, 2,
    {TxtVar::ForegroundNormal, TxtVar::ForegroundDisabled}};
constexpr StateImageVars kThumbImagesVars = {
    StateImageVars::kNone, SldVar::IsCombineThumbImages, SldVar::ThumbCombine, 4,
    {SldVar::ThumbN, SldVar::ThumbH, SldVar::ThumbS, SldVar::ThumbD}};
constexpr StateImageVars kScrollBarStateImagesVars = {
    StateImageVars::kNone, ScrollBarStyleVar::IsCombineThumbImages, ScrollBarStyleVar::ThumbCombine, 4,
    {ScrollBarStyleVar::ThumbNormal, ScrollBarStyleVar::ThumbHighlight, ScrollBarStyleVar::ThumbSelected,
     ScrollBarStyleVar::ThumbDisabled}};

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

void LoadSkinImage(const PropertyValue& relativePath, SharedBitmap& image)
{
    image = SharedFileImage(SkinImagePath(relativePath), true);
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

int LoadStateImages(const CTRLPROPERTIES* record, const StateImageVars& vars, SharedBitmap* const* slots)
{
    if (!record)
        return -1;
    if (vars.specified != StateImageVars::kNone && !record->GetVar(vars.specified).GetBool())
        return -1;

    SharedBitmap states[8];
    if (record->GetVar(vars.combine).GetBool()) {
        SharedFileImageParts(SkinImagePath(record->GetVar(vars.combined)), true, vars.count, states);
    } else {
        for (int i = 0; i < vars.count; ++i)
            LoadSkinImage(record->GetVar(vars.files[i]), states[i]);
    }

    for (int i = 0; i < vars.count; ++i) {
        if (slots[i])
            *slots[i] = states[i];
    }
    return 0;
}

int LoadTwoStateImages(const CTRLPROPERTIES* record, CBitmap* normal, CBitmap* disabled)
{
    CBitmap* const slots[] = {normal, disabled};
    return LoadStateImages(record, kTwoStateImagesVars, slots);
}

int LoadTwoStateImages(const CTRLPROPERTIES* record, SharedBitmap* normal, SharedBitmap* disabled)
{
    SharedBitmap* const slots[] = {normal, disabled};
    return LoadStateImages(record, kTwoStateImagesVars, slots);
}

int LoadFourStateImages(const CTRLPROPERTIES* record, CBitmap* normal, CBitmap* highlight, CBitmap* selected,
                        CBitmap* disabled)
{
    CBitmap* const slots[] = {normal, highlight, selected, disabled};
    return LoadStateImages(record, kFourStateImagesVars, slots);
}

int LoadFourStateImages(const CTRLPROPERTIES* record, SharedBitmap* normal, SharedBitmap* highlight,
                        SharedBitmap* selected, SharedBitmap* disabled)
{
    SharedBitmap* const slots[] = {normal, highlight, selected, disabled};
    return LoadStateImages(record, kFourStateImagesVars, slots);
}

int LoadFourStateForegroundImages(const BTNBASEPROPERTIES* record, CBitmap* normal, CBitmap* highlight,
                                  CBitmap* selected, CBitmap* disabled)
{
    CBitmap* const slots[] = {normal, highlight, selected, disabled};
    return LoadStateImages(record, kFourStateForegroundImagesVars, slots);
}

int LoadFourStateForegroundImages(const BTNBASEPROPERTIES* record, SharedBitmap* normal, SharedBitmap* highlight,
                                  SharedBitmap* selected, SharedBitmap* disabled)
{
    SharedBitmap* const slots[] = {normal, highlight, selected, disabled};
    return LoadStateImages(record, kFourStateForegroundImagesVars, slots);
}

int LoadEightStateImages(const TOGGLEBTNPROPERTIES* record, CBitmap* normal, CBitmap* highlight, CBitmap* selected,
                         CBitmap* disabled, CBitmap* checkedNormal, CBitmap* checkedHighlight,
                         CBitmap* checkedSelected, CBitmap* checkedDisabled)
{
    CBitmap* const slots[] = {normal,        highlight,        selected,        disabled,
                              checkedNormal, checkedHighlight, checkedSelected, checkedDisabled};
    return LoadStateImages(record, kEightStateImagesVars, slots);
}

int LoadEightStateImages(const TOGGLEBTNPROPERTIES* record, SharedBitmap* normal, SharedBitmap* highlight,
                         SharedBitmap* selected, SharedBitmap* disabled, SharedBitmap* checkedNormal,
                         SharedBitmap* checkedHighlight, SharedBitmap* checkedSelected, SharedBitmap* checkedDisabled)
{
    SharedBitmap* const slots[] = {normal,        highlight,        selected,        disabled,
                                   checkedNormal, checkedHighlight, checkedSelected, checkedDisabled};
    return LoadStateImages(record, kEightStateImagesVars, slots);
}

int LoadEightStateForegroundImages(const TOGGLEBTNPROPERTIES* record, CBitmap* normal, CBitmap* highlight,
                                   CBitmap* selected, CBitmap* disabled, CBitmap* checkedNormal,
                                   CBitmap* checkedHighlight, CBitmap* checkedSelected, CBitmap* checkedDisabled)
{
    CBitmap* const slots[] = {normal,        highlight,        selected,        disabled,
                              checkedNormal, checkedHighlight, checkedSelected, checkedDisabled};
    return LoadStateImages(record, kEightStateForegroundImagesVars, slots);
}

int LoadEightStateForegroundImages(const TOGGLEBTNPROPERTIES* record, SharedBitmap* normal, SharedBitmap* highlight,
                                   SharedBitmap* selected, SharedBitmap* disabled, SharedBitmap* checkedNormal,
                                   SharedBitmap* checkedHighlight, SharedBitmap* checkedSelected,
                                   SharedBitmap* checkedDisabled)
{
    SharedBitmap* const slots[] = {normal,        highlight,        selected,        disabled,
                                   checkedNormal, checkedHighlight, checkedSelected, checkedDisabled};
    return LoadStateImages(record, kEightStateForegroundImagesVars, slots);
}

int LoadTwoStateForegroundImages(const TXTPROPERTIES* record, CBitmap* normal, CBitmap* disabled)
{
    CBitmap* const slots[] = {normal, disabled};
    return LoadStateImages(record, kTwoStateForegroundImagesVars, slots);
}

int LoadTwoStateForegroundImages(const TXTPROPERTIES* record, SharedBitmap* normal, SharedBitmap* disabled)
{
    SharedBitmap* const slots[] = {normal, disabled};
    return LoadStateImages(record, kTwoStateForegroundImagesVars, slots);
}

int LoadThumbImages(const SLDPROPERTIES* record, CBitmap* normal, CBitmap* highlight, CBitmap* selected,
                    CBitmap* disabled)
{
    CBitmap* const slots[] = {normal, highlight, selected, disabled};
    return LoadStateImages(record, kThumbImagesVars, slots);
}

int LoadThumbImages(const SLDPROPERTIES* record, SharedBitmap* normal, SharedBitmap* highlight, SharedBitmap* selected,
                    SharedBitmap* disabled)
{
    SharedBitmap* const slots[] = {normal, highlight, selected, disabled};
    return LoadStateImages(record, kThumbImagesVars, slots);
}

int LoadScrollBarStateImages(const CTRLPROPERTIES* record, CBitmap* normal, CBitmap* highlight, CBitmap* selected,
                             CBitmap* disabled)
{
    CBitmap* const slots[] = {normal, highlight, selected, disabled};
    return LoadStateImages(record, kScrollBarStateImagesVars, slots);
}

int LoadScrollBarStateImages(const CTRLPROPERTIES* record, SharedBitmap* normal, SharedBitmap* highlight,
                             SharedBitmap* selected, SharedBitmap* disabled)
{
    SharedBitmap* const slots[] = {normal, highlight, selected, disabled};
    return LoadStateImages(record, kScrollBarStateImagesVars, slots);
}

} // namespace Vexel
