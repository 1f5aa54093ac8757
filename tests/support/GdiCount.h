#pragma once
// How many GDI objects (bitmaps, DCs, brushes, fonts, regions ...) the process holds now,
// so a test can show that a helper gives back everything it made.
#include <functional>

namespace lumeo_test {

// The system's own count where it keeps one; where it does not (Wine answers "not
// implemented"), the GDI handle table is walked: a handle whose upper word is zero is
// looked up there by its index alone.
int LiveGdiObjects();

// How many more GDI objects live after `work` has run than before. It runs twice and only
// the second run is counted: the first paint of a window class makes objects that the
// system keeps for every later one.
int GdiObjectsLeftBy(const std::function<void()>& work);

} // namespace lumeo_test
