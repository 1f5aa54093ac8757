#pragma once
// The factory of the skinned static ("STATIC"): a CSkinStatic that reports clicks.
#include "skin/ui/factories/ControlFactoryTable.h"

namespace Vexel {

CreatedControl CreateStatic(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);

// What the window releases in a static: its two backgrounds and its two fonts.
void ReleaseSkinStatic(CObject& control);

} // namespace Vexel
