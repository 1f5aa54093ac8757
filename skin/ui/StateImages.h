#pragma once
// The per-state images of a control, loaded from the files its property record names:
// either one file per state, or one combined strip holding the states side by side,
// cut into equal parts. Order of the states: Normal, Highlight, Selected, Disabled, then
// for check boxes and radio buttons Checked Normal, Checked Highlight, Checked Selected,
// Checked Disabled; two-state sets are Normal, Disabled.
//
// Each loader fills the slots it is given (a null slot is skipped); a state whose file is
// missing leaves its slot empty. Images are scaled to the screen's DPI as they load when
// image scaling is on (a strip before it is cut). Slots are SharedBitmap, the images the store
// shares with every other control that draws them (what the controls hold), or CBitmap, new
// bitmaps of the caller's own, to draw on.
#include "framework/Gdi.h"
#include "skin/model/ButtonProperties.h"
#include "skin/model/EditProperties.h"
#include "skin/model/SliderProperties.h"
#include "skin/ui/SharedBitmap.h"

namespace Vexel {

// The full path of an image the record names: the skin folder followed by the text.
CString SkinImagePath(const PropertyValue& relativePath);
// The image a record's variable names, loaded into `image` (empty when it does not load)
// and scaled to the screen's DPI when image scaling is on.
void LoadSkinImage(const PropertyValue& relativePath, CBitmap& image);
// The same image as the store shares it (SkinImageStore.h).
void LoadSkinImage(const PropertyValue& relativePath, SharedBitmap& image);

// Where a loader finds its flags and files in a record.
struct StateImageVars {
    static constexpr int kNone = -1;
    int specified = kNone;   // the "images specified" switch, or kNone
    int combine;             // the switch that selects the combined strip
    int combined;            // the combined strip's file
    int count;               // 2, 4 or 8
    int files[8];            // each state's own file, in state order
};

// The table-driven loader behind every state-image loader; `slots` holds `vars.count`
// entries, in state order. 0; -1 for a null record or when the "specified" switch is off
// (no slot touched).
int LoadStateImages(const CTRLPROPERTIES* record, const StateImageVars& vars, CBitmap* const* slots);
int LoadStateImages(const CTRLPROPERTIES* record, const StateImageVars& vars, SharedBitmap* const* slots);

// The vars of each named loader below.
namespace state_image_vars {
inline constexpr StateImageVars kTwoState = {
    StateImageVars::kNone, CtrlVar::IsCombineImages, CtrlVar::BkCombine, 2,
    {CtrlVar::BackgroundNormal, CtrlVar::BackgroundDisabled}};
inline constexpr StateImageVars kFourState = {
    StateImageVars::kNone, CtrlVar::IsCombineImages, CtrlVar::BkCombine, 4,
    {CtrlVar::BackgroundNormal, CtrlVar::BackgroundHighlight, CtrlVar::BackgroundSelected,
     CtrlVar::BackgroundDisabled}};
inline constexpr StateImageVars kFourStateForeground = {
    BtnBaseVar::IsSpecifyForegroundImages, BtnBaseVar::IsCombineForegroundImages, BtnBaseVar::ForegroundCombine, 4,
    {BtnBaseVar::ForegroundNormal, BtnBaseVar::ForegroundHighlight, BtnBaseVar::ForegroundSelected,
     BtnBaseVar::ForegroundDisabled}};
inline constexpr StateImageVars kEightState = {
    CtrlVar::IsSpecifyImages, CtrlVar::IsCombineImages, CtrlVar::BkCombine, 8,
    {CtrlVar::BackgroundNormal, CtrlVar::BackgroundHighlight, CtrlVar::BackgroundSelected,
     CtrlVar::BackgroundDisabled, ToggleBtnVar::BackgroundCheckedNormal, ToggleBtnVar::BackgroundCheckedHighlight,
     ToggleBtnVar::BackgroundCheckedSelected, ToggleBtnVar::BackgroundCheckedDisabled}};
inline constexpr StateImageVars kEightStateForeground = {
    BtnBaseVar::IsSpecifyForegroundImages, BtnBaseVar::IsCombineForegroundImages, BtnBaseVar::ForegroundCombine, 8,
    {BtnBaseVar::ForegroundNormal, BtnBaseVar::ForegroundHighlight, BtnBaseVar::ForegroundSelected,
     BtnBaseVar::ForegroundDisabled, ToggleBtnVar::ForegroundCheckedNormal, ToggleBtnVar::ForegroundCheckedHighlight,
     ToggleBtnVar::ForegroundCheckedSelected, ToggleBtnVar::ForegroundCheckedDisabled}};
inline constexpr StateImageVars kTwoStateForeground = {
    TxtVar::IsSpecifyForegroundImages, TxtVar::IsCombineForegroundImages, TxtVar::ForegroundCombine, 2,
    {TxtVar::ForegroundNormal, TxtVar::ForegroundDisabled}};
inline constexpr StateImageVars kThumbs = {
    StateImageVars::kNone, SldVar::IsCombineThumbImages, SldVar::ThumbCombine, 4,
    {SldVar::ThumbN, SldVar::ThumbH, SldVar::ThumbS, SldVar::ThumbD}};
inline constexpr StateImageVars kScrollBarThumbs = {
    StateImageVars::kNone, ScrollBarStyleVar::IsCombineThumbImages, ScrollBarStyleVar::ThumbCombine, 4,
    {ScrollBarStyleVar::ThumbNormal, ScrollBarStyleVar::ThumbHighlight, ScrollBarStyleVar::ThumbSelected,
     ScrollBarStyleVar::ThumbDisabled}};
} // namespace state_image_vars

// The named loaders take CBitmap or SharedBitmap slots, as the first slot says: the other
// slots are of its kind (or null), so a literal null in them needs no cast.
template <class T>
struct SameSlot {
    using type = T;
};
template <class T>
using SlotLike = typename SameSlot<T>::type*;

// BkCombine / BackgroundNormal, BackgroundDisabled (skinned static).
template <class Image>
int LoadTwoStateImages(const CTRLPROPERTIES* record, Image* normal, SlotLike<Image> disabled)
{
    Image* const slots[] = {normal, disabled};
    return LoadStateImages(record, state_image_vars::kTwoState, slots);
}
// BkCombine / BackgroundNormal .. BackgroundDisabled (push button, edit, combo box,
// scroll bars, header).
template <class Image>
int LoadFourStateImages(const CTRLPROPERTIES* record, Image* normal, SlotLike<Image> highlight,
                        SlotLike<Image> selected, SlotLike<Image> disabled)
{
    Image* const slots[] = {normal, highlight, selected, disabled};
    return LoadStateImages(record, state_image_vars::kFourState, slots);
}

// Loaders that first test IsSpecifyForegroundImages (or IsSpecifyImages for the checked
// backgrounds): -1 when it is off.
// ForeGroundCombine / ForegroundNormal .. ForegroundDisabled (push button).
template <class Image>
int LoadFourStateForegroundImages(const BTNBASEPROPERTIES* record, Image* normal, SlotLike<Image> highlight,
                                  SlotLike<Image> selected, SlotLike<Image> disabled)
{
    Image* const slots[] = {normal, highlight, selected, disabled};
    return LoadStateImages(record, state_image_vars::kFourStateForeground, slots);
}
// BkCombine / the four Background... and the four BackgroundChecked... files (check box,
// radio button).
template <class Image>
int LoadEightStateImages(const TOGGLEBTNPROPERTIES* record, Image* normal, SlotLike<Image> highlight,
                         SlotLike<Image> selected, SlotLike<Image> disabled, SlotLike<Image> checkedNormal,
                         SlotLike<Image> checkedHighlight, SlotLike<Image> checkedSelected,
                         SlotLike<Image> checkedDisabled)
{
    Image* const slots[] = {normal,        highlight,        selected,        disabled,
                            checkedNormal, checkedHighlight, checkedSelected, checkedDisabled};
    return LoadStateImages(record, state_image_vars::kEightState, slots);
}
// ForeGroundCombine / the four Foreground... and the four ForegroundChecked... files.
template <class Image>
int LoadEightStateForegroundImages(const TOGGLEBTNPROPERTIES* record, Image* normal, SlotLike<Image> highlight,
                                   SlotLike<Image> selected, SlotLike<Image> disabled, SlotLike<Image> checkedNormal,
                                   SlotLike<Image> checkedHighlight, SlotLike<Image> checkedSelected,
                                   SlotLike<Image> checkedDisabled)
{
    Image* const slots[] = {normal,        highlight,        selected,        disabled,
                            checkedNormal, checkedHighlight, checkedSelected, checkedDisabled};
    return LoadStateImages(record, state_image_vars::kEightStateForeground, slots);
}
// ForeGroundCombine / ForegroundNormal, ForegroundDisabled (skinned static).
template <class Image>
int LoadTwoStateForegroundImages(const TXTPROPERTIES* record, Image* normal, SlotLike<Image> disabled)
{
    Image* const slots[] = {normal, disabled};
    return LoadStateImages(record, state_image_vars::kTwoStateForeground, slots);
}

// The colour a thumb image paints where the track shows through (sliders, scroll bars).
constexpr COLORREF kThumbKey = RGB(255, 0, 255);

// ThumbCombine / ThumbN .. ThumbD of a slider record (extended slider).
template <class Image>
int LoadThumbImages(const SLDPROPERTIES* record, Image* normal, SlotLike<Image> highlight, SlotLike<Image> selected,
                    SlotLike<Image> disabled)
{
    Image* const slots[] = {normal, highlight, selected, disabled};
    return LoadStateImages(record, state_image_vars::kThumbs, slots);
}
// ThumbCombine / ThumbNormal .. ThumbDisabled of a horizontal or vertical scroll-bar
// record.
template <class Image>
int LoadScrollBarStateImages(const CTRLPROPERTIES* record, Image* normal, SlotLike<Image> highlight,
                             SlotLike<Image> selected, SlotLike<Image> disabled)
{
    Image* const slots[] = {normal, highlight, selected, disabled};
    return LoadStateImages(record, state_image_vars::kScrollBarThumbs, slots);
}

} // namespace Vexel
