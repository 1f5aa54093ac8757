#pragma once
// The section readers of a legacy skin import. Each reads the key lines of one section
// from the current position of the file copy up to the next section header, which it
// leaves unread for the walk, or the end of the file, and returns 0.
#include "framework/String.h"
#include "skin/model/LegacyImportContext.h"

#include <functional>

namespace Vexel {

// Reads one line and trims it; false at the end of the file.
bool ReadLegacyLine(CMemStdioFile& text, CString& line);

// Hands the key and value of every key line of a section to `onKeyLine` (lines without
// "=" are passed over). True when a section header ended the section (the position is
// then back at that header), false at the end of the file.
bool ReadLegacyKeyLines(CMemStdioFile& text, const std::function<void(const CString& key, const CString& value)>& onKeyLine);

// "Settings": LogPixelsX and LogPixelsY (decimal) become the design DPI.
int ReadLegacySettings(LegacyImportContext& context);

// "Window": the window's keys, then its mask colour resource when it uses one.
int ReadLegacyWindow(LegacyImportContext& context, UIWNDPROPERTIES& window);

// The shared key readers: true when the key was theirs.
bool ReadLegacyCommonKey(LegacyImportContext& context, CTRLPROPERTIES& record, const CString& key, const CString& value);
bool ReadLegacyTextKey(LegacyImportContext& context, CTRLPROPERTIES& record, const CString& key, const CString& value);
bool ReadLegacyCheckedImageKey(LegacyImportContext& context, CTRLPROPERTIES& record, const CString& key,
                               const CString& value);

// One reader a control kind.
int ReadLegacyPushButton(LegacyImportContext& context, CTRLPROPERTIES& record);
int ReadLegacyCheckBox(LegacyImportContext& context, CTRLPROPERTIES& record);
int ReadLegacyRadioButton(LegacyImportContext& context, CTRLPROPERTIES& record);
int ReadLegacyStatic(LegacyImportContext& context, CTRLPROPERTIES& record);
int ReadLegacyEdit(LegacyImportContext& context, CTRLPROPERTIES& record);          // EDIT, RICHEDIT
int ReadLegacyComboBox(LegacyImportContext& context, CTRLPROPERTIES& record);
int ReadLegacySpin(LegacyImportContext& context, CTRLPROPERTIES& record);
int ReadLegacyProgress(LegacyImportContext& context, CTRLPROPERTIES& record);
int ReadLegacySlider(LegacyImportContext& context, CTRLPROPERTIES& record);        // SLIDER, SLIDEREX
int ReadLegacyCommonOnly(LegacyImportContext& context, CTRLPROPERTIES& record);    // HOTKEY, IPADDRESS
int ReadLegacyTreeCtrl(LegacyImportContext& context, CTRLPROPERTIES& record);
int ReadLegacyThumbnail(LegacyImportContext& context, CTRLPROPERTIES& record);
int ReadLegacyTreeList(LegacyImportContext& context, CTRLPROPERTIES& record);
int ReadLegacyHtmlCtrl(LegacyImportContext& context, CTRLPROPERTIES& record);

// A list control makes a header style record ("IDR_HEADER_<n>") that its HeaderBk keys
// fill; it is kept in the context when a section header ends the section.
int ReadLegacyListCtrl(LegacyImportContext& context, CTRLPROPERTIES& record);

// A SCROLLBAREX section makes a horizontal and a vertical scroll-bar style; a thumb key
// fills the vertical one while the section's IsVertical is true at that line, else the
// horizontal one. At the end the one matching IsVertical is kept in the context.
int ReadLegacyScrollBarEx(LegacyImportContext& context, CTRLPROPERTIES& record);

} // namespace Vexel
