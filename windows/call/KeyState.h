#pragma once
// Whether a key is held down at this moment (GetAsyncKeyState), as the call page asks it of
// Shift and Ctrl while it translates keys. A seam shaped like AfxSetPromptHandler: the Set...
// call installs a replacement (null puts the system's back) and answers the one replaced, so
// tests hold modifiers down without touching the keyboard.

using KeyDownQuery = bool (*)(int virtualKey);
KeyDownQuery SetKeyDownQuery(KeyDownQuery query);
bool IsKeyDownNow(int virtualKey);
