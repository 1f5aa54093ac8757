#pragma once
// The records of the remaining skinned controls: progress bar, scroll bar
// (and its extended twin), thumbnail list, hot-key, IP address, HTML view,
// date-time picker and wave display.
#include "skin/model/CtrlProperties.h"

namespace Vexel {

// Progress bar ("PROGRESS"): normal and disabled states only.
namespace PrgVar {
enum : int {
    IsVertical = 43,
    ProgressMode = 44,
    IsCombineProgressImages = 45,
    ProgressCombine = 46,
    ThumbN = 47,
    ThumbD = 48,
    ThumbPositionMode = 49,
    ThumbOriginalPosition = 50,
    IsShowText = 51,
    TextHorOffsetN = 52,
    TextVerOffsetN = 53,
    Count = 54,
};
} // namespace PrgVar

// Scroll bar ("SCROLLBAR", "SCROLLBAREX"): no images, fonts or colours of its
// own; it names a horizontal and a vertical scroll bar style.
namespace SbVar {
enum : int {
    IsVertical = 43,
    HorizontalScrollbarStyleID = 44,
    VerticalScrollbarStyleID = 45,
    Count = 46,
};
} // namespace SbVar

// Thumbnail list ("THUMBNAIL").
namespace ThmVar {
enum : int {
    IsListStyle = 43,
    IsHoldCtrlKey = 44,
    IsDragDrop = 45,
    TotalWidth = 46,
    TotalHeight = 47,
    ThmRectLeftN = 48,
    ThmRectTopN = 49,
    ThmRectRightN = 50,
    ThmRectBottomN = 51,
    ThmRectLeftH = 52,
    ThmRectTopH = 53,
    ThmRectRightH = 54,
    ThmRectBottomH = 55,
    LblRectLeftN = 56,
    LblRectTopN = 57,
    LblRectRightN = 58,
    LblRectBottomN = 59,
    LblRectLeftH = 60,
    LblRectTopH = 61,
    LblRectRightH = 62,
    LblRectBottomH = 63,
    ItemBkN = 64,
    ItemBkH = 65,
    ItemBkS = 66,
    ItemBkD = 67,
    EnableScrollBar = 68,
    VerticalScrollbarResID = 69,
    Count = 70,
};
} // namespace ThmVar

// Hot-key ("HOTKEY"), IP address ("IPADDRESS") and date-time ("DATETIMECTRL")
// add no variables.
namespace PlainCtrlVar {
enum : int { Count = 43 };
} // namespace PlainCtrlVar

// HTML view ("HTMLCTRL").
namespace HtmlVar {
enum : int {
    IsHideBorder = 43,
    IsHideScrollBar = 44,
    IsHideContextMenu = 45,
    StartPage = 46,
    Count = 47,
};
} // namespace HtmlVar

// Wave display ("WAVECTRL"): elements Grid (45-50), InfoArea (51-52) and
// Background (53-54).
namespace WaveVar {
enum : int {
    IsEnableDragMove = 43,
    Tag = 44,
    GridWidth = 45,
    GridHeight = 46,
    GridLineColor = 47,
    GridLineColorResID = 48,
    GridUnitX = 49,
    GridUnitY = 50,
    InfoAreaWidth = 51,
    InfoAreaHeight = 52,
    BackgroundColor = 53,
    BackgroundColorResID = 54,
    Count = 55,
};
} // namespace WaveVar

class PRGPROPERTIES : public CTRLPROPERTIES {
public:
    PRGPROPERTIES();
    ~PRGPROPERTIES() override;

    static const RecordLayout kLayout;
};

class SBPROPERTIES : public CTRLPROPERTIES {
public:
    SBPROPERTIES();
    ~SBPROPERTIES() override;

    static const RecordLayout kLayout;

protected:
    explicit SBPROPERTIES(const RecordLayout& layout);
};

class SBEXPROPERTIES : public SBPROPERTIES {
public:
    SBEXPROPERTIES();

    static const RecordLayout kLayout;
};

class THMPROPERTIES : public CTRLPROPERTIES {
public:
    THMPROPERTIES();
    ~THMPROPERTIES() override;
    // The EnableScrollBar switch (true in a new record).
    bool IsCustomScrollBarEnabled() const override;

    static const RecordLayout kLayout;
};

class HOTPROPERTIES : public CTRLPROPERTIES {
public:
    HOTPROPERTIES();
    ~HOTPROPERTIES() override;

    static const RecordLayout kLayout;
};

class IPAPROPERTIES : public CTRLPROPERTIES {
public:
    IPAPROPERTIES();
    ~IPAPROPERTIES() override;

    static const RecordLayout kLayout;
};

class HTMLCTRLPROPERTIES : public CTRLPROPERTIES {
public:
    HTMLCTRLPROPERTIES();
    ~HTMLCTRLPROPERTIES() override;

    static const RecordLayout kLayout;
};

class DATETIMECTRLPROPERTIES : public CTRLPROPERTIES {
public:
    DATETIMECTRLPROPERTIES();
    ~DATETIMECTRLPROPERTIES() override;

    static const RecordLayout kLayout;
};

class WAVECTRLPROPERTIES : public CTRLPROPERTIES {
public:
    WAVECTRLPROPERTIES();
    ~WAVECTRLPROPERTIES() override;

    static const RecordLayout kLayout;
};

} // namespace Vexel
