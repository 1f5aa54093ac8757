#pragma once
// Whether the program starts with Windows: the value "Lumeo" under the user's Run key, which
// holds the running program's path in double quotes. Used by the sign-in window and the
// general settings page. Silent: a key that cannot be opened reads as off and changes nothing.

// true when the value holds a text of at least one character (another program's path counts).
bool IsAutoStart();
// Writes the value with the running program's path.
void SetAutoStart();
// Deletes the value; a missing one is no error.
void RemoveAutoStart();
