#pragma once
// The factories of the skinned common controls: the slider ("SLIDER"), the spin button
// ("SPIN"), the hot-key box ("HOTKEY"), the IP address box ("IPADDRESS") and the rich edit
// ("RICHEDIT"), on the common frame of ControlFactories.h, with the releases of what their
// window owns in them.
#include "skin/ui/factories/ControlFactoryTable.h"

namespace Vexel {

// A CSkinSliderCtrl (TBS_VERT when IsVertical); unless the record names images of its
// own, the parts of the window's normal and disabled backgrounds under it.
CreatedControl CreateSlider(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);
// A CSkinSpinButtonCtrl (UDS_HORZ unless IsVertical, and the UDS_ bits of its switches and
// Alignment); unless the record names images of its own, the four state parts under it.
CreatedControl CreateSpin(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);
// A CSkinHotKeyCtrl; unless the record names images, the normal and disabled parts.
CreatedControl CreateHotKey(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);
// A CSkinIPAddressCtrl; unless the record names images, the four state parts under it,
// which its fields share.
CreatedControl CreateIPAddress(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);
// A CSkinRichEditCtrl with the edit's style bits of the record, WS_EX_TRANSPARENT. Nothing
// is made when the rich edit library cannot be loaded.
CreatedControl CreateRichEdit(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);

// The images each kind holds for its window.
void ReleaseSlider(CObject& control);
void ReleaseSpin(CObject& control);
void ReleaseHotKey(CObject& control);
void ReleaseIPAddress(CObject& control);

} // namespace Vexel
