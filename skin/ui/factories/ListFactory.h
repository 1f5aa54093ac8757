#pragma once
// The factory of the skinned list view ("LISTCTRL"), on the common frame of
// ControlFactories.h, with the release of what its window owns in it.
#include "skin/ui/factories/ControlFactoryTable.h"

namespace Vexel {

// A CSkinListCtrl with the view, alignment, sort and LVS_ bits the record asks for; unless
// the record names images of its own, the parts of the window's normal and disabled
// backgrounds under it become its background.
CreatedControl CreateListCtrl(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);
// Its images and fonts.
void ReleaseListCtrl(CObject& control);

} // namespace Vexel
