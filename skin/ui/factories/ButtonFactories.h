#pragma once
// The factories of the skinned buttons: "PUSHBUTTON", "CHECK" and "RADIO" all make a
// CSkinButton, of the standard button style that makes it what it is.
#include "skin/ui/factories/ControlFactoryTable.h"

namespace Vexel {

CreatedControl CreatePushButton(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);
CreatedControl CreateCheckBox(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);
CreatedControl CreateRadioButton(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);

// What the window releases in a button: the button's own ReleaseImages.
void ReleaseSkinButton(CObject& button);

} // namespace Vexel
