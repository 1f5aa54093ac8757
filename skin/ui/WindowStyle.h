#pragma once
// The window style bits a control record asks for.
#include "skin/model/CtrlProperties.h"

namespace Vexel {

// WS_VISIBLE, WS_DISABLED, WS_TABSTOP, WS_CLIPCHILDREN and WS_CLIPSIBLINGS, each when
// the record's IsVisible, IsDisabled, IsTabStop, IsClipChildren or IsClipSiblings is on.
DWORD StyleFromProperties(const CTRLPROPERTIES& record);

} // namespace Vexel
