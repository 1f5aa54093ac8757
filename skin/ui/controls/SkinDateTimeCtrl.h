#pragma once
// CSkinDateTimeCtrl: the system's date and time picker with the skin's record protocol, so
// that a skin can place one ("DATETIMECTRL") and name styles for it ("STYLE_DATETIMECTRL").
// It draws nothing itself and takes no value from its record; it holds no images.
#include "framework/DateTimeCtrl.h"
#include "skin/model/CtrlProperties.h"

namespace Vexel {

class CSkinDateTimeCtrl : public CDateTimeCtrl {
    DECLARE_DYNAMIC(CSkinDateTimeCtrl)
public:
    CSkinDateTimeCtrl() = default;

    // 0 for a DATETIMECTRL record or style, changing nothing; -1 no window, -2 null record
    // or unknown style, -3 a record of another kind.
    virtual int ApplyProperties(CTRLPROPERTIES* record);
    virtual int ApplyStyle(LPCWSTR styleId);
};

} // namespace Vexel
