#include "skin/ui/controls/SkinDateTimeCtrl.h"

#include "skin/model/SkinGlobals.h"
#include "skin/ui/ControlBase.h"

namespace Vexel {

IMPLEMENT_DYNAMIC(CSkinDateTimeCtrl, CDateTimeCtrl)

int CSkinDateTimeCtrl::ApplyProperties(CTRLPROPERTIES* record)
{
    return CheckApplyRecord(this, record, L"DATETIMECTRL");
}

int CSkinDateTimeCtrl::ApplyStyle(LPCWSTR styleId)
{
    if (!::IsWindow(m_hWnd))
        return -1;
    if (!styleId)
        return -2;
    return ApplyProperties(g_skinStore.FindStyle(StyleKind::DateTime, styleId));
}

} // namespace Vexel
