#pragma once
// Handing an imported legacy skin to the store, and emptying the store at exit.

namespace Vexel {

// The store's windows, fonts and colours become the importer's staged ones, which the
// store takes over; the staging lists are left empty. What the store held is deleted.
void AdoptStagedWindows();
void AdoptStagedFonts();
void AdoptStagedColors();

// Empties the loaded skin: clears the popup-menu tracking words, frees the Resource.h
// text, deletes every record and empties the paths, then frees the legacy file's text.
// The id table and the version stay. Returns 0; calling it again does no harm.
int ReleaseSkin();

} // namespace Vexel
