#pragma once
// The Tab key of the sign-in, advanced account and contact details windows: from an edit (a
// window of the system's "Edit" class, a combo box's own edit included) the focus moves to the
// window that follows the edit at the same level, whatever its kind, when there is one.
#include <windows.h>

// Handles `msg` when it is a Tab press while an edit has the focus and a next window exists:
// the focus moves there and the key is used up (true), so the window's dialog keys do not move
// it a second time. Any other message: false, nothing done.
bool MoveFocusOnEditTab(const MSG& msg);
