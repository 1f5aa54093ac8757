#include "skin/ui/WindowStyle.h"

#include "skin/ui/RecordRead.h"

namespace Vexel {

DWORD StyleFromProperties(const CTRLPROPERTIES& record)
{
    static constexpr struct {
        int variable;
        DWORD bit;
    } kBits[] = {
        {CtrlVar::IsVisible, WS_VISIBLE},
        {CtrlVar::IsDisabled, WS_DISABLED},
        {CtrlVar::IsTabStop, WS_TABSTOP},
        {CtrlVar::IsClipChildren, WS_CLIPCHILDREN},
        {CtrlVar::IsClipSiblings, WS_CLIPSIBLINGS},
    };
    DWORD style = 0;
    for (const auto& entry : kBits) {
        if (record_read::Switch(record, entry.variable))
            style |= entry.bit;
    }
    return style;
}

} // namespace Vexel
