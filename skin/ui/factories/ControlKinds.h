#pragma once
// Puts every control kind the skin library can make into the control-kind table
// (ControlFactoryTable.h): its factory and the release of what its window owns in it, each
// from the factory files of this folder.
namespace Vexel {

// Start-up calls it once before the first skinned window is created, and so does every
// test program that makes real controls; calling it again changes nothing. A table filled
// by this one call, rather than by registration from static initialisers, is complete in
// any program: the linker would drop files of a static library that nothing refers to.
void RegisterSkinControlKinds();

} // namespace Vexel
