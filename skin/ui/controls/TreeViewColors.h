#pragma once
// The colours a tree view draws its text and background with. It answers CLR_NONE for
// "the system colour"; the skinned trees paint with the colour that stands for.
#include "framework/TreeCtrl.h"

namespace Vexel {

COLORREF TreeTextColor(const CTreeCtrl& tree);
COLORREF TreeBackColor(const CTreeCtrl& tree);

} // namespace Vexel
