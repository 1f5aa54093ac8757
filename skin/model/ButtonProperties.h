#pragma once
// The records of the skinned buttons. Push buttons, check boxes and radio
// buttons share a button base (text, tool tip, text alignment, foreground
// images); check box and radio button share a toggle base that adds the
// checked-state images, fonts and colours. The push button and the toggle
// base both continue from index 66, so index 66 and above means different
// things in a push-button record and in a check-box or radio record.
#include "skin/model/CtrlProperties.h"

namespace Vexel {

// Indices of the button base's own variables (every button record).
namespace BtnBaseVar {
enum : int {
    IsR2LReadOrder = 43,
    IsMultiline = 44,
    IsEndEllipsis = 45,
    Caption = 46,
    Tag = 47,
    MaskBitmap = 48,
    ToolTipEnable = 49,         // element ToolTip, attribute Enable
    ToolTipText = 50,           // element ToolTip, attribute ToolTip
    TextHorAlign = 51,          // element TextAlignment ...
    TextHorOffset = 52,
    TextVerAlign = 53,
    TextVerOffset = 54,
    IsSpecifyForegroundImages = 55,
    ForegroundHorAlign = 56,    // element ForegroundAlignMode ...
    ForegroundHorOffset = 57,
    ForegroundVerAlign = 58,
    ForegroundVerOffset = 59,
    IsCombineForegroundImages = 60,
    ForegroundCombine = 61,
    ForegroundNormal = 62,
    ForegroundHighlight = 63,
    ForegroundSelected = 64,
    ForegroundDisabled = 65,
    Count = 66,
};
} // namespace BtnBaseVar

// Push button ("PUSHBUTTON").
namespace BtnVar {
enum : int {
    ButtonType = 66,
    IsDefPushButton = 67,
    Count = 68,
};
} // namespace BtnVar

// The toggle base's own variables (check box and radio button).
namespace ToggleBtnVar {
enum : int {
    BackgroundCheckedNormal = 66,
    BackgroundCheckedHighlight = 67,
    BackgroundCheckedSelected = 68,
    BackgroundCheckedDisabled = 69,
    ForegroundCheckedNormal = 70,
    ForegroundCheckedHighlight = 71,
    ForegroundCheckedSelected = 72,
    ForegroundCheckedDisabled = 73,
    IsCNSameNFont = 74,
    FontResCN = 75,
    IsCHSameNFont = 76,
    FontResCH = 77,
    IsCSSameNFont = 78,
    FontResCS = 79,
    IsCDSameNFont = 80,
    FontResCD = 81,
    IsCNSameNColor = 82,
    ColorResCN = 83,
    IsCHSameNColor = 84,
    ColorResCH = 85,
    IsCSSameNColor = 86,
    ColorResCS = 87,
    IsCDSameNColor = 88,
    ColorResCD = 89,
    Count = 90,
};
} // namespace ToggleBtnVar

// Check box ("CHECK") and radio button ("RADIO"): one more variable each.
namespace ChkVar {
enum : int { CheckBoxType = 90, Count = 91 };
} // namespace ChkVar
namespace RadVar {
enum : int { IsGroup = 90, Count = 91 };
} // namespace RadVar

class BTNBASEPROPERTIES : public CTRLPROPERTIES {
public:
    BTNBASEPROPERTIES();
    ~BTNBASEPROPERTIES() override;

    static const RecordLayout kLayout;

protected:
    explicit BTNBASEPROPERTIES(const RecordLayout& layout);
};

class BTNPROPERTIES : public BTNBASEPROPERTIES {
public:
    BTNPROPERTIES();
    ~BTNPROPERTIES() override;

    static const RecordLayout kLayout;
};

class TOGGLEBTNPROPERTIES : public BTNBASEPROPERTIES {
public:
    TOGGLEBTNPROPERTIES();
    ~TOGGLEBTNPROPERTIES() override;

    static const RecordLayout kLayout;

protected:
    explicit TOGGLEBTNPROPERTIES(const RecordLayout& layout);
};

class CHKPROPERTIES : public TOGGLEBTNPROPERTIES {
public:
    CHKPROPERTIES();
    ~CHKPROPERTIES() override;

    static const RecordLayout kLayout;
};

class RADPROPERTIES : public TOGGLEBTNPROPERTIES {
public:
    RADPROPERTIES();
    ~RADPROPERTIES() override;

    static const RecordLayout kLayout;
};

} // namespace Vexel
