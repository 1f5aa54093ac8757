#include "texts/UiTextTable.h"

#include "core/CoreUiTexts.h"

UiTextTable g_uiTexts;

void BindCoreUiTexts(const UiTextTable& texts)
{
    CoreUiTextSlots slots;
    slots.callDurationPrefix = &texts.callWnd.t30046;
    slots.defaultGroupName = &texts.contactDetailsWnd.t32000;
    BindCoreUiTexts(slots);
}
