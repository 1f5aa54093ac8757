#pragma once
// The visual state of a control part (a button, a slider's thumb, a spin arrow), which picks
// the image, font and colour it is drawn with.
namespace Vexel {

// Also the order of every per-state set of images, fonts and colours.
enum VisualState : int {
    kStateNormal = 0,
    kStateHighlight = 1,
    kStateSelected = 2,
    kStateDisabled = 3,
    kStateCount = 4,
};

// Disabled when the window is; Selected while the left button, pressed on the part, is held
// with the cursor over it; Highlight while the cursor is over it, or while it is held and
// the cursor has left; Normal otherwise.
constexpr VisualState ChooseVisualState(bool enabled, bool buttonDown, bool pressed, bool hover)
{
    if (!enabled)
        return kStateDisabled;
    if (buttonDown && pressed)
        return hover ? kStateSelected : kStateHighlight;
    return hover ? kStateHighlight : kStateNormal;
}

} // namespace Vexel
