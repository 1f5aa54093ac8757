#include "core/CoreUiTexts.h"

namespace {

CoreUiTextSlots g_slots;

const CString& OrEmpty(const CString* text)
{
    static const CString empty;
    return text ? *text : empty;
}

} // namespace

void BindCoreUiTexts(const CoreUiTextSlots& slots)
{
    g_slots = slots;
}

const CString& CallDurationPrefixText()
{
    return OrEmpty(g_slots.callDurationPrefix);
}

const CString& DefaultGroupNameText()
{
    return OrEmpty(g_slots.defaultGroupName);
}
