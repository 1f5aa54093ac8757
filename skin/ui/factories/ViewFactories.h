#pragma once
// The factories of the view controls: the thumbnail view ("THUMBNAIL"), the HTML view
// ("HTMLCTRL"), the date-time picker ("DATETIMECTRL") and the wave graph ("WAVECTRL").
// Each makes its control at the record's rectangle with the common style bits and WS_CHILD.
#include "skin/ui/factories/ControlFactoryTable.h"

namespace Vexel {

// Set up from the record before it is made (list mode's row height, or the item
// backgrounds, cell size and part rectangles), then its click and drag modes, the part of
// the window's normal background under it as its background, and its scroll bar's style.
CreatedControl CreateThumbnail(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);
// Its background image, the window's part under it.
void ReleaseThumbnail(CObject& control);

// Made even where no browser can be had (then an empty child: CHtmlCtrl::GetBrowserResult
// says why); the record is applied.
CreatedControl CreateHtmlCtrl(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);
CreatedControl CreateDateTimeCtrl(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);
// The record is applied; unless it names images of its own, the part of the window's normal
// background under the graph becomes its background, which the graph owns.
CreatedControl CreateWaveCtrl(CUIWnd& parent, CTRLPROPERTIES& record, const ParentBackgrounds& backgrounds);

} // namespace Vexel
