#pragma once
// How many GDI objects (bitmaps, DCs, brushes, fonts, regions ...) the process holds now,
// so a test can show that a helper gives back everything it made.
namespace skin_ui_test {

// The system's own count where it keeps one; where it does not (Wine answers "not
// implemented"), the GDI handle table is walked: a handle whose upper word is zero is
// looked up there by its index alone.
int LiveGdiObjects();

} // namespace skin_ui_test
