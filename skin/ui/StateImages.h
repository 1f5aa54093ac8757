#pragma once
// The per-state images of a control, loaded from the files its property record names:
// either one file per state, or one combined strip holding the states side by side,
// cut into equal parts. Order of the states: Normal, Highlight, Selected, Disabled, then
// for check boxes and radio buttons Checked Normal, Checked Highlight, Checked Selected,
// Checked Disabled; two-state sets are Normal, Disabled.
//
// Each loader fills the slots it is given (a null slot is skipped); a state whose file is
// missing leaves its slot empty. Images are scaled to the screen's DPI as they load when
// image scaling is on (a strip before it is cut). Each loader comes twice: into SharedBitmap
// slots, the images the store shares with every other control that draws them (what the
// controls hold), and into CBitmap slots, new bitmaps of the caller's own, to draw on.
#include "framework/Gdi.h"
#include "skin/model/ButtonProperties.h"
#include "skin/model/EditProperties.h"
#include "skin/model/SliderProperties.h"
#include "skin/ui/SharedBitmap.h"

namespace Vexel {

// The handle a loaded image holds, handed over to a control that takes ownership of it;
// `image` is left empty.
inline HBITMAP Take(CBitmap& image)
{
    return static_cast<HBITMAP>(image.Detach());
}

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

// BkCombine / BackgroundNormal, BackgroundDisabled (skinned static).
int LoadTwoStateImages(const CTRLPROPERTIES* record, CBitmap* normal, CBitmap* disabled);
int LoadTwoStateImages(const CTRLPROPERTIES* record, SharedBitmap* normal, SharedBitmap* disabled);
// BkCombine / BackgroundNormal .. BackgroundDisabled (push button, edit, combo box,
// scroll bars, header).
int LoadFourStateImages(const CTRLPROPERTIES* record, CBitmap* normal, CBitmap* highlight, CBitmap* selected,
                        CBitmap* disabled);
int LoadFourStateImages(const CTRLPROPERTIES* record, SharedBitmap* normal, SharedBitmap* highlight,
                        SharedBitmap* selected, SharedBitmap* disabled);

// Loaders that first test IsSpecifyForegroundImages (or IsSpecifyImages for the checked
// backgrounds): -1 when it is off.
// ForeGroundCombine / ForegroundNormal .. ForegroundDisabled (push button).
int LoadFourStateForegroundImages(const BTNBASEPROPERTIES* record, CBitmap* normal, CBitmap* highlight,
                                  CBitmap* selected, CBitmap* disabled);
int LoadFourStateForegroundImages(const BTNBASEPROPERTIES* record, SharedBitmap* normal, SharedBitmap* highlight,
                                  SharedBitmap* selected, SharedBitmap* disabled);
// BkCombine / the four Background... and the four BackgroundChecked... files (check box,
// radio button).
int LoadEightStateImages(const TOGGLEBTNPROPERTIES* record, CBitmap* normal, CBitmap* highlight, CBitmap* selected,
                         CBitmap* disabled, CBitmap* checkedNormal, CBitmap* checkedHighlight,
                         CBitmap* checkedSelected, CBitmap* checkedDisabled);
int LoadEightStateImages(const TOGGLEBTNPROPERTIES* record, SharedBitmap* normal, SharedBitmap* highlight,
                         SharedBitmap* selected, SharedBitmap* disabled, SharedBitmap* checkedNormal,
                         SharedBitmap* checkedHighlight, SharedBitmap* checkedSelected, SharedBitmap* checkedDisabled);
// ForeGroundCombine / the four Foreground... and the four ForegroundChecked... files.
int LoadEightStateForegroundImages(const TOGGLEBTNPROPERTIES* record, CBitmap* normal, CBitmap* highlight,
                                   CBitmap* selected, CBitmap* disabled, CBitmap* checkedNormal,
                                   CBitmap* checkedHighlight, CBitmap* checkedSelected, CBitmap* checkedDisabled);
int LoadEightStateForegroundImages(const TOGGLEBTNPROPERTIES* record, SharedBitmap* normal, SharedBitmap* highlight,
                                   SharedBitmap* selected, SharedBitmap* disabled, SharedBitmap* checkedNormal,
                                   SharedBitmap* checkedHighlight, SharedBitmap* checkedSelected,
                                   SharedBitmap* checkedDisabled);
// ForeGroundCombine / ForegroundNormal, ForegroundDisabled (skinned static).
int LoadTwoStateForegroundImages(const TXTPROPERTIES* record, CBitmap* normal, CBitmap* disabled);
int LoadTwoStateForegroundImages(const TXTPROPERTIES* record, SharedBitmap* normal, SharedBitmap* disabled);

// The colour a thumb image paints where the track shows through (sliders, scroll bars).
constexpr COLORREF kThumbKey = RGB(255, 0, 255);

// ThumbCombine / ThumbN .. ThumbD of a slider record (extended slider).
int LoadThumbImages(const SLDPROPERTIES* record, CBitmap* normal, CBitmap* highlight, CBitmap* selected,
                    CBitmap* disabled);
int LoadThumbImages(const SLDPROPERTIES* record, SharedBitmap* normal, SharedBitmap* highlight, SharedBitmap* selected,
                    SharedBitmap* disabled);
// ThumbCombine / ThumbNormal .. ThumbDisabled of a horizontal or vertical scroll-bar
// record.
int LoadScrollBarStateImages(const CTRLPROPERTIES* record, CBitmap* normal, CBitmap* highlight, CBitmap* selected,
                             CBitmap* disabled);
int LoadScrollBarStateImages(const CTRLPROPERTIES* record, SharedBitmap* normal, SharedBitmap* highlight,
                             SharedBitmap* selected, SharedBitmap* disabled);

} // namespace Vexel
