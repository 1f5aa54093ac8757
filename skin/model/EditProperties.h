#pragma once
// The records of the skinned static text, edit, rich edit, combo box and spin
// controls. Each derives from the base record; the rich edit is the edit
// record under another type name.
#include "skin/model/CtrlProperties.h"

namespace Vexel {

// Static text ("STATIC"): only normal and disabled foreground images; its
// text starts vertically centred.
namespace TxtVar {
enum : int {
    IsR2LReadOrder = 43,
    Nowrap = 44,
    IsPathEllipsis = 45,
    IsEndEllipsis = 46,
    Caption = 47,
    IsSpecifyForegroundImages = 48,
    ForegroundHorAlign = 49,    // element ForegroundAlignMode ...
    ForegroundHorOffset = 50,
    ForegroundVerAlign = 51,
    ForegroundVerOffset = 52,
    IsCombineForegroundImages = 53,
    ForegroundCombine = 54,
    ForegroundNormal = 55,
    ForegroundDisabled = 56,
    ToolTipEnable = 57,         // element ToolTip, attribute Enable
    ToolTipText = 58,           // element ToolTip, attribute ToolTip
    TextHorAlign = 59,          // element TextAlignment ...
    TextHorOffset = 60,
    TextVerAlign = 61,
    TextVerOffset = 62,
    Count = 63,
};
} // namespace TxtVar

// Edit ("EDIT") and rich edit ("RICHEDIT"): no vertical text alignment mode.
namespace EdtVar {
enum : int {
    Border = 43,
    IsHScroll = 44,
    IsVScroll = 45,
    IsAutoHScroll = 46,
    IsAutoVScroll = 47,
    IsDisableNoScroll = 48,
    IsLowerCase = 49,
    IsUpperCase = 50,
    IsNumber = 51,
    IsPassword = 52,
    IsReadOnly = 53,
    IsMultiline = 54,
    IsWantReturn = 55,
    IsR2LReadOrder = 56,
    Tag = 57,
    TextHorAlign = 58,          // element TextAlignment ...
    TextHorOffset = 59,
    TextVerOffset = 60,
    Count = 61,
};
} // namespace EdtVar

// Combo box ("COMBOBOX"): upper case before lower case, unlike the edit.
namespace CmbVar {
enum : int {
    ComboStyle = 43,
    IsVScroll = 44,
    IsAutoHScroll = 45,
    IsDisableNoScroll = 46,
    IsSort = 47,
    IsUpperCase = 48,
    IsLowerCase = 49,
    TextHorOffset = 50,         // element TextAlignment ...
    TextVerOffset = 51,
    DropListItemHeight = 52,
    DropListHeight = 53,
    ButtonWidth = 54,
    Tag = 55,
    Count = 56,
};
} // namespace CmbVar

// Spin ("SPIN").
namespace SpnVar {
enum : int {
    Alignment = 43,
    IsVertical = 44,
    IsAutoBuddy = 45,
    IsSetBuddyInt = 46,
    IsNoThousands = 47,
    IsWrap = 48,
    IsArrowKeys = 49,
    IsHotTrack = 50,
    Count = 51,
};
} // namespace SpnVar

class TXTPROPERTIES : public CTRLPROPERTIES {
public:
    TXTPROPERTIES();
    ~TXTPROPERTIES() override;

    static const RecordLayout kLayout;
};

class EDTPROPERTIES : public CTRLPROPERTIES {
public:
    EDTPROPERTIES();
    ~EDTPROPERTIES() override;

    static const RecordLayout kLayout;

protected:
    explicit EDTPROPERTIES(const RecordLayout& layout);
};

class RICHEDITPROPERTIES : public EDTPROPERTIES {
public:
    RICHEDITPROPERTIES();
    ~RICHEDITPROPERTIES() override;

    static const RecordLayout kLayout;
};

class CMBPROPERTIES : public CTRLPROPERTIES {
public:
    CMBPROPERTIES();
    ~CMBPROPERTIES() override;

    static const RecordLayout kLayout;
};

class SPNPROPERTIES : public CTRLPROPERTIES {
public:
    SPNPROPERTIES();
    ~SPNPROPERTIES() override;

    static const RecordLayout kLayout;
};

} // namespace Vexel
