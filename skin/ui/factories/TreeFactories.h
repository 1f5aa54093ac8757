#pragma once
// The factories of the skinned tree ("TREECTRL") and the stand-alone skinned scroll bar
// ("SCROLLBAREX"), on the common frame of ControlFactories.h.
#include "skin/ui/factories/ControlFactoryTable.h"

namespace Vexel {

// A CSkinTreeCtrl with the record applied; unless the record names images of its own, the
// parts of the window's normal and disabled backgrounds under it become its background.
CreatedControl CreateTreeCtrl(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);
// The tree's release row: its images and fonts.
void ReleaseTreeCtrl(CObject& control);

// A CScrollBarEx, vertical when IsVertical, styled by the style its orientation names
// (VerticalScrollbarStyleID or HorizontalScrollbarStyleID). It takes no part of the
// window's backgrounds and releases its own images.
CreatedControl CreateScrollBarEx(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);

} // namespace Vexel
