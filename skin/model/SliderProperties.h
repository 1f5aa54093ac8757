#pragma once
// The records of the skinned slider and extended slider, of the horizontal
// and vertical scroll bar styles, of the rectangle placeholder (a named
// rectangle where a window places a control of its own) and of the splitter
// bar. Each switches off the inherited variables that mean nothing for it.
#include "skin/model/CtrlProperties.h"

namespace Vexel {

// Slider ("SLIDER") and extended slider ("SLIDEREX"). The inherited images
// 15 to 18 hold the normal background, the normal mark, the disabled mark
// and the disabled background.
namespace SldVar {
enum : int {
    NormalBackground = 15,
    MarkNormal = 16,
    MarkDisabled = 17,
    DisabledBackground = 18,

    ExtendedStyle = 43,
    IsVertical = 44,
    ToolTipEnable = 45,         // element ToolTip, attribute Enable (no tool-tip text)
    IsUseMark = 46,
    IsCombineThumbImages = 47,
    ThumbCombine = 48,
    ThumbN = 49,
    ThumbH = 50,
    ThumbS = 51,
    ThumbD = 52,
    TipWindowEnable = 53,       // element EnableTipWindow, attribute Enable
    TipWindowOffset = 54,       // element EnableTipWindow, attribute Offset (X, Y)
    Count = 55,
};
} // namespace SldVar

// Horizontal ("HORSCROLLBAR") and vertical ("VERSCROLLBAR") scroll bar styles.
namespace ScrollBarStyleVar {
enum : int {
    IsCombineThumbImages = 43,
    ThumbCombine = 44,
    ThumbNormal = 45,
    ThumbHighlight = 46,
    ThumbSelected = 47,
    ThumbDisabled = 48,
    ThumbResizingPoint = 49,
    LeftUpButtonSize = 50,
    RightDownButtonSize = 51,
    Count = 52,
};
} // namespace ScrollBarStyleVar

// Rectangle ("RECT") adds nothing; splitter ("SPLITTER") adds its orientation.
namespace RectVar {
enum : int { Count = 43 };
} // namespace RectVar
namespace SplitterVar {
enum : int { Orientation = 43, Count = 44 };
} // namespace SplitterVar

class SLDPROPERTIES : public CTRLPROPERTIES {
public:
    SLDPROPERTIES();
    ~SLDPROPERTIES() override;

    static const RecordLayout kLayout;

protected:
    explicit SLDPROPERTIES(const RecordLayout& layout);
};

class SLDEXPROPERTIES : public SLDPROPERTIES {
public:
    SLDEXPROPERTIES();
    ~SLDEXPROPERTIES() override;

    static const RecordLayout kLayout;
};

class HORSBPROPERTIES : public CTRLPROPERTIES {
public:
    HORSBPROPERTIES();
    ~HORSBPROPERTIES() override;

    static const RecordLayout kLayout;
};

class VERSBPROPERTIES : public CTRLPROPERTIES {
public:
    VERSBPROPERTIES();
    ~VERSBPROPERTIES() override;

    static const RecordLayout kLayout;
};

class RECTPROPERTIES : public CTRLPROPERTIES {
public:
    RECTPROPERTIES();
    ~RECTPROPERTIES() override;

    static const RecordLayout kLayout;

protected:
    explicit RECTPROPERTIES(const RecordLayout& layout);
};

class SPLITTERPROPERTIES : public RECTPROPERTIES {
public:
    SPLITTERPROPERTIES();
    ~SPLITTERPROPERTIES() override;

    static const RecordLayout kLayout;
};

} // namespace Vexel
