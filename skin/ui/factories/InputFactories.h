#pragma once
// The factories of the text and value controls: the edit ("EDIT"), the combo box
// ("COMBOBOX"), the extended slider ("SLIDEREX") and the progress bar ("PROGRESS"), with
// the releases of what their window owns in them. Each makes its control at the record's
// rectangle on the screen, with the style bits the record's switches ask for, applies the
// record and hands the control the parts of the window's backgrounds under it.
#include "skin/ui/factories/ControlFactoryTable.h"

namespace Vexel {

CreatedControl CreateEdit(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);
// Made as high as its drop list reaches (the record's DropListHeight below its Rect); its
// parts are cut at the height of the box itself.
CreatedControl CreateComboBox(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);
CreatedControl CreateSliderEx(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);
CreatedControl CreateProgress(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);

// The style bits of an edit record's text switches (scroll bars, case, numbers, password,
// read-only, lines), without its border and alignment: the rich edit takes the same.
DWORD EditTextStyle(const CTRLPROPERTIES& record);

// The images and fonts each kind holds for its window.
void ReleaseEdit(CObject& control);
void ReleaseComboBox(CObject& control);
void ReleaseSliderEx(CObject& control);
void ReleaseProgress(CObject& control);

} // namespace Vexel
