#include "skin/ui/WindowStyle.h"

#include "skin/ui/RecordRead.h"

namespace Vexel {

DWORD StyleFromProperties(const CTRLPROPERTIES& record)
{
    return SwitchBits(record, {
                                  {CtrlVar::IsVisible, WS_VISIBLE},
                                  {CtrlVar::IsDisabled, WS_DISABLED},
                                  {CtrlVar::IsTabStop, WS_TABSTOP},
                                  {CtrlVar::IsClipChildren, WS_CLIPCHILDREN},
                                  {CtrlVar::IsClipSiblings, WS_CLIPSIBLINGS},
                              });
}

DWORD SwitchBits(const CTRLPROPERTIES& record, std::initializer_list<SwitchBit> bits)
{
    DWORD style = 0;
    for (const SwitchBit& entry : bits) {
        if (record_read::Switch(record, entry.variable))
            style |= entry.bit;
    }
    return style;
}

} // namespace Vexel
