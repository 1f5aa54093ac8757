#pragma once
// The common frame of the child-control factories, all of which are in this folder
// (skin/ui/factories/). Every factory reads the record's id
// and common style bits (StyleFromProperties, WindowStyle.h), makes its control's window as a
// child of the skinned window at the record's Rect scaled as the window's backgrounds are
// (CUIWnd::ControlRect), lets the control apply the record and, for most kinds, hands it the
// parts of the window's state backgrounds that lie under it, so that the control paints as
// if it were transparent over the window. The parts are cut from the scaled backgrounds at
// the scaled rectangle: they need no scaling of their own. A factory that fails destroys what it had begun
// and hands back nothing.
#include "framework/Gdi.h"
#include "skin/ui/RectCtrl.h"
#include "skin/ui/SharedBitmap.h"
#include "skin/ui/factories/ControlFactoryTable.h"

#include <initializer_list>
#include <memory>

namespace Vexel {

// The number the skin's id table gives the record's ID; -1 when it has none (the control
// is then made with id -1).
int ControlIdOf(const CTRLPROPERTIES& record);

// A made control handed to the window, which owns it from here on.
template <class Control>
CreatedControl HandToWindow(std::unique_ptr<Control> control)
{
    CreatedControl made;
    made.window = control.get();
    made.object = std::move(control);
    return made;
}
CreatedControl HandPlaceholderToWindow(std::unique_ptr<CRectCtrl> placeholder);

// The window's release row of a control with the control base: its own ReleaseImages.
template <class Control>
void ReleaseThroughControl(CObject& control)
{
    static_cast<Control&>(control).ReleaseImages();
}

// How a control with the IsCanBackgroundChange rule takes its four state parts when that
// switch is off.
enum class PartsFromNormal {
    CutEach,   // push button, combo box: four separate cuts of the normal background
    CopyOne,   // check box, radio button, edit: one cut and three copies of it, and none
               // at all without a normal background
};

// The four state parts (normal, highlight, selected, disabled) under `rect` (the window's
// client coordinates) for the kinds with the IsCanBackgroundChange rule: with the switch on,
// one part of each background unless IsSpecifyImages (the control paints its own images);
// with it off, as `rule` says. False when there is nothing to hand over; `parts` then stay
// empty. Shared images: a part cut once serves every state it stands for (the four cuts of one
// background, or the one cut and its copies, are one image).
bool CutStateParts(const CTRLPROPERTIES& record, const RECT& rect, const ParentBackgrounds& backgrounds,
                   PartsFromNormal rule, SharedBitmap (&parts)[4]);

// One part per listed background, in order, into `parts` (as many as `sources`) for the
// other kinds: false, nothing cut, when IsSpecifyImages is on. A null background gives an
// empty part. Shared images: a background listed twice gives one part for both.
bool CutListedParts(const CTRLPROPERTIES& record, const RECT& rect, std::initializer_list<HBITMAP> sources,
                    SharedBitmap* parts);

} // namespace Vexel
