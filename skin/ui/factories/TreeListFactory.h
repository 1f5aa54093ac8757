#pragma once
// The factory of the tree list ("TREELIST"), on the common frame of ControlFactories.h.
#include "skin/ui/factories/ControlFactoryTable.h"

namespace Vexel {

// A CTreeListCtrl with a 24-pixel header, its own 16-pixel scroll bar when the record's
// IsVariableItemHeight switch is on, and the record applied; unless the record names
// images of its own, the parts of the window's normal and disabled backgrounds under it
// become its tree part's background.
CreatedControl CreateTreeList(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);
// The tree list's release row: its tree part's two background images.
void ReleaseTreeList(CObject& control);

} // namespace Vexel
