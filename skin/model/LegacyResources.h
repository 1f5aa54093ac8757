#pragma once
// Fonts and colours of a legacy skin become shared resources: each distinct LOGFONT or
// COLORREF gets one FONT or COLOR record ("IDR_FONT_<n>", "IDR_COLOR_<n>", numbered on
// from the importer's counters) in the staging lists, and a property names it by id.
#include "framework/String.h"
#include "skin/model/LegacyImportContext.h"

#include <vector>

namespace Vexel {

// The first staged resource that holds the same 92 font bytes / the same colour; null.
RESFONTPROPERTIES* FindLegacyFontByLogFont(const std::vector<FontRecordPtr>& fonts, const LOGFONTW& font);
RESCOLORPROPERTIES* FindLegacyColorByValue(const std::vector<ColorRecordPtr>& colors, COLORREF color);

// Decodes a font value, finds or makes its font resource and stores the resource's id in
// `property`.
void SetLegacyFontProperty(LegacyImportContext& context, PropertyValue& property, LPCWSTR value);

// The same for a colour value: an integer ("0x" for hex) holding a COLORREF.
void SetLegacyColorProperty(LegacyImportContext& context, PropertyValue& property, LPCWSTR value);

// The id of the import's colour resource of that colour, made when there is none. A
// window's mask colour uses it too: not one of the loaded skin's colours, which the
// converted skin replaces, so the window would name a colour the skin does not hold.
CString LegacyColorResource(LegacyImportContext& context, COLORREF color);

} // namespace Vexel
