#pragma once
// Starting with Windows: the value "Lumeo" under the user's Run key
// (HKEY_CURRENT_USER\SOFTWARE\Microsoft\Windows\CurrentVersion\Run), holding the running
// program's quoted path. Used by the general settings page and the sign-in window. Registry
// failures are silent.

// True when the value holds a text of at least one character, whichever program it names.
bool IsAutoStart();
// Writes the value with the running program's path.
void SetAutoStart();
// Deletes the value; a missing value is no error.
void RemoveAutoStart();
