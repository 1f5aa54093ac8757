#pragma once
// The factories of the windowless kinds: the named rectangle ("RECT") and the splitter
// ("SPLITTER"). Both ignore the record's switches: a placeholder has WS_CHILD only, no
// name, the record's Rect and its id.
#include "skin/ui/factories/ControlFactoryTable.h"

namespace Vexel {

CreatedControl CreateRectCtrl(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);
CreatedControl CreateSplitterBar(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);

} // namespace Vexel
