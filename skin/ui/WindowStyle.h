#pragma once
// The window style bits a control record asks for.
#include "skin/model/CtrlProperties.h"

#include <initializer_list>

namespace Vexel {

// WS_VISIBLE, WS_DISABLED, WS_TABSTOP, WS_CLIPCHILDREN and WS_CLIPSIBLINGS, each when
// the record's IsVisible, IsDisabled, IsTabStop, IsClipChildren or IsClipSiblings is on.
DWORD StyleFromProperties(const CTRLPROPERTIES& record);

// A switch of a record and the style bit it stands for.
struct SwitchBit {
    int variable;
    DWORD bit;
};

// The bits of the switches that are on.
DWORD SwitchBits(const CTRLPROPERTIES& record, std::initializer_list<SwitchBit> bits);

} // namespace Vexel
