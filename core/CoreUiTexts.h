#pragma once
// The two localised texts the core composes into its own output: the prefix of a call line's
// running clock (CALL_WND 30046) and the name of the default contact group (CONTACTDETAILS_WND
// 32000). Both belong to the UI text table, which lives above the core; whoever fills that table
// binds its two slots here once, before any call line ticks or any account is saved. Unbound,
// they read as empty, as a text that the language file lacks does.
#include "framework/String.h"

struct CoreUiTextSlots {
    const CString* callDurationPrefix = nullptr;  // CALL_WND 30046
    const CString* defaultGroupName = nullptr;    // CONTACTDETAILS_WND 32000
};

// Points the core at the table's slots (the texts are read at use, so binding before the
// table is loaded is fine). Null slots read as empty.
void BindCoreUiTexts(const CoreUiTextSlots& slots);

const CString& CallDurationPrefixText();
const CString& DefaultGroupNameText();
