#include "skin/ui/controls/SkinRichEditCtrl.h"

#include "skin/model/SkinGlobals.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/controls/LayeredParent.h"

namespace Vexel {

IMPLEMENT_DYNAMIC(CSkinRichEditCtrl, CRichEditCtrl)

int CSkinRichEditCtrl::ApplyProperties(CTRLPROPERTIES* record)
{
    return CheckApplyRecord(this, record, L"RICHEDIT");
}

int CSkinRichEditCtrl::ApplyStyle(LPCWSTR styleId)
{
    return ApplyNamedStyle(*this, StyleKind::RichEdit, styleId);
}

LRESULT CSkinRichEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_WINDOWPOSCHANGED && lParam)
        RepaintOverLayeredParent(m_hWnd, *reinterpret_cast<const WINDOWPOS*>(lParam));
    return CRichEditCtrl::WindowProc(message, wParam, lParam);
}

} // namespace Vexel
