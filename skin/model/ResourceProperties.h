#pragma once
// The shared font and colour resources (FONT and COLOR under Resources) that
// controls and styles name by id ("IDR_FONT_1", "IDR_COLOR_2"). Of the base
// record only the ID is in use; variable 43 holds the font or the colour.
#include "skin/model/CtrlProperties.h"

namespace Vexel {

namespace ResourceVar {
enum : int {
    Value = 43,     // RESFONTPROPERTIES: the font; RESCOLORPROPERTIES: the colour
    Count = 44,
};
} // namespace ResourceVar

class RESFONTPROPERTIES : public CTRLPROPERTIES {
public:
    RESFONTPROPERTIES();
    ~RESFONTPROPERTIES() override;
    bool IsFontResource() const override { return true; }

    static const RecordLayout kLayout;
};

class RESCOLORPROPERTIES : public CTRLPROPERTIES {
public:
    RESCOLORPROPERTIES();
    ~RESCOLORPROPERTIES() override;
    bool IsColorResource() const override { return true; }

    static const RecordLayout kLayout;
};

} // namespace Vexel
