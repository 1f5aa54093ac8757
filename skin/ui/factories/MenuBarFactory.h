#pragma once
// The factory of the menu bar ("MENUBAR"), on the common frame of ControlFactories.h. The
// bar frees its images, fonts and buttons itself when its window goes.
#include "skin/ui/factories/ControlFactoryTable.h"

namespace Vexel {

// A CMenuBar whose drop-down menus take the skin's menu style MenuStyle (a default style
// when the skin has none of that id), with the record's button images, resizing point,
// text colours and fonts.
CreatedControl CreateMenuBar(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);

} // namespace Vexel
