#pragma once
// CSkinRichEditCtrl: the rich edit box of skinned windows. The rich edit control paints
// itself; the class takes RICHEDIT records and styles like every skinned control, and sees
// to the repaint a layered parent does not do when the box is shown or hidden. It holds no
// images.
#include "framework/Wnd.h"
#include "framework/RichEditCtrl.h"
#include "skin/model/CtrlProperties.h"

namespace Vexel {

class CSkinRichEditCtrl : public CRichEditCtrl {
    DECLARE_DYNAMIC(CSkinRichEditCtrl)
public:
    CSkinRichEditCtrl() = default;

    // A RICHEDIT record or style; nothing of it is applied (the factory made the styles).
    // 0; -1 no window, -2 null record or unknown style, -3 a record of another kind.
    virtual int ApplyProperties(CTRLPROPERTIES* record);
    virtual int ApplyStyle(LPCWSTR styleId);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

} // namespace Vexel
