#pragma once
// Text colours of a control from its property record: each state names a COLOR resource
// of the skin by id ("IDR_COLOR_2"), or says it is the same as the Normal state's.
#include "skin/model/ButtonProperties.h"

namespace Vexel {

// One colour by id. With `sameAsNormal`: the fallback. Else the id's COLOR resource's
// colour (0xFFFFFFFF when the resource holds no integer colour), or the fallback when the
// id is unknown. 0; -1 null slot; -2 null id without `sameAsNormal` (slot untouched).
int GetColorFromID(LPCWSTR id, COLORREF fallback, COLORREF* out, BOOL sameAsNormal);

// Normal from ColorResN (black when unknown); Highlight, Selected and Disabled each the
// Normal colour when their Is...SameNColor switch is on, else their own resource's colour
// (black when unknown). Null state slots are skipped. 0; -1 for a null record or a null
// Normal slot.
int GetFourStateColors(const CTRLPROPERTIES* record, COLORREF* normal, COLORREF* highlight, COLORREF* selected,
                       COLORREF* disabled);

// Normal as in GetFourStateColors; the other seven by GetColorFromID with their
// ColorRes... id, the Normal colour as fallback and their Is...SameNColor switch (check
// box, radio button). Null slots are skipped. 0; -1 for a null record.
int GetEightStateColors(const TOGGLEBTNPROPERTIES* record, COLORREF* normal, COLORREF* highlight, COLORREF* selected,
                        COLORREF* disabled, COLORREF* checkedNormal, COLORREF* checkedHighlight,
                        COLORREF* checkedSelected, COLORREF* checkedDisabled);

} // namespace Vexel
