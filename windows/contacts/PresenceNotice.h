#pragma once
// The pop-up above the taskbar that tells of a contact's presence: a taskbar notifier made for
// each notice, which deletes itself once it has slid out. The system table
// (framework/SystemAnswers.h, TakePresenceNotice) sees each notice first, so that tests see
// the notices without waiting for windows that slide.
#include "framework/Wnd.h"

// Shows `text` in a notice owned by `owner`'s window, unless the system table takes it.
void ShowPresenceNotice(CWnd* owner, const CString& text);

// The real notice: the program's notifier bitmap with white cut out, "Trebuchet MS" at 9
// points (bold while hovered), black text 20 pixels in from the sides, 25 from the top and 15
// from the bottom; half a second in, three seconds shown, half a second out.
void ShowTaskbarNotice(CWnd* owner, const CString& text);
