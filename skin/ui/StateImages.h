#pragma once
// The per-state images of a control, loaded from the files its property record names:
// either one file per state, or one combined strip holding the states side by side,
// cut into equal parts. Order of the states: Normal, Highlight, Selected, Disabled, then
// for check boxes and radio buttons Checked Normal, Checked Highlight, Checked Selected,
// Checked Disabled; two-state sets are Normal, Disabled.
//
// Each loader fills the CBitmap slots it is given (a null slot is skipped); a state
// whose file is missing leaves its slot empty. Images are scaled to the screen's DPI as
// they load when image scaling is on (a strip before it is cut).
#include "framework/Gdi.h"
#include "skin/model/CtrlProperties.h"

namespace Vexel {

// The full path of an image the record names: the skin folder followed by the text.
CString SkinImagePath(const PropertyValue& relativePath);

// Where a loader finds its flags and files in a record.
struct StateImageVars {
    static constexpr int kNone = -1;
    int specified = kNone;   // the "images specified" switch, or kNone
    int combine;             // the switch that selects the combined strip
    int combined;            // the combined strip's file
    int count;               // 2, 4 or 8
    int files[8];            // each state's own file, in state order
};

// The table-driven loader behind every state-image loader. 0; -1 for a null record or
// when the "specified" switch is off (no slot touched).
int LoadStateImages(const CTRLPROPERTIES* record, const StateImageVars& vars, CBitmap* const* slots);

// BkCombine / BackgroundNormal, BackgroundDisabled (skinned static).
int LoadTwoStateImages(const CTRLPROPERTIES* record, CBitmap* normal, CBitmap* disabled);
// BkCombine / BackgroundNormal .. BackgroundDisabled (push button, edit, combo box,
// scroll bars, header).
int LoadFourStateImages(const CTRLPROPERTIES* record, CBitmap* normal, CBitmap* highlight, CBitmap* selected,
                        CBitmap* disabled);

} // namespace Vexel
