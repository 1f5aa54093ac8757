#pragma once
// The group choice of the contact form and the presence request: the names of table Groups
// as shown, in the order SQLite gives them.
class CWnd;

// Adds every non-empty decoded GroupName of table Groups to `combo`; when it then holds no
// entry, the default group's shown name (CONTACTDETAILS_WND 32000). Selects entry 0. A null
// combo (the skin lacks it) does nothing.
void FillGroupCombo(CWnd* combo);
