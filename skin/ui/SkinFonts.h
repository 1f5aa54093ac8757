#pragma once
// Fonts of a control from its property record: each state names a FONT resource of the
// skin by id ("IDR_FONT_1"), or says it is the same as the Normal state's. The fonts are
// made into CFont objects the caller holds (a null slot is skipped); what a slot held
// before is deleted. A font taken from the skin (a resource, or DefaultSkinFont) has its
// height scaled from the skin's design DPI to the screen's, like the skin's images; a
// fallback LOGFONT handed in is taken as it is, as a font for the screen already.
#include "framework/Gdi.h"
#include "skin/model/ButtonProperties.h"

namespace Vexel {

// The font used wherever a font resource is missing: Tahoma, height -12, weight 400.
const LOGFONTW& DefaultSkinFont();

// The Normal font (FontResN), or DefaultSkinFont when the id names no FONT resource. 0;
// -1 for a null record.
int CreateFontFromProperty(const CTRLPROPERTIES* record, CFont* normal);

// Normal, and Disabled: the Normal font when IsDSameNFont, else FontResD's. An unknown id
// falls back to DefaultSkinFont. 0; -1 for a null record.
int CreateTwoStateFonts(const CTRLPROPERTIES* record, CFont* normal, CFont* disabled);

// As CreateTwoStateFonts for Highlight (IsHSameNFont, FontResH), Selected (IsSSameNFont,
// FontResS) and Disabled. A missing state resource falls back to DefaultSkinFont, not
// to the Normal font.
int CreateFourStateFonts(const CTRLPROPERTIES* record, CFont* normal, CFont* highlight, CFont* selected,
                         CFont* disabled);

// Normal as CreateFontFromProperty; the other seven by CreateFontFromID with their
// FontRes... id and Is...SameNFont switch and the Normal font as the fallback, so a missing
// resource falls back to the Normal font (check box, radio button). 0; -1 for a null record.
int CreateEightStateFonts(const TOGGLEBTNPROPERTIES* record, CFont* normal, CFont* highlight, CFont* selected,
                          CFont* disabled, CFont* checkedNormal, CFont* checkedHighlight, CFont* checkedSelected,
                          CFont* checkedDisabled);

// One font by id: with `sameAsNormal` the fallback itself; else the id's FONT resource,
// or the fallback when the id is unknown. 0; -1 null slot, -2 null fallback, -3 null id
// without `sameAsNormal` (the slot is left empty).
int CreateFontFromID(LPCWSTR id, const LOGFONTW* fallback, CFont* out, BOOL sameAsNormal);

// A new font equal to the source into the target. 0; -1 null source, -2 null target,
// -3 the source's LOGFONT cannot be read, -4 the font cannot be made, -5 it cannot be
// attached.
int CopyFont(const CFont* source, CFont* target);

// The LOGFONT of the FONT resource `id` as the skin holds it (unscaled); false (font
// untouched) when there is none.
bool FindSkinFont(LPCWSTR id, LOGFONTW& font);

} // namespace Vexel
