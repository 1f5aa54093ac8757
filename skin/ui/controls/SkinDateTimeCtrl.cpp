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
    return ApplyNamedStyle(*this, StyleKind::DateTime, styleId);
}

} // namespace Vexel
