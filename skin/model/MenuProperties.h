#pragma once
// The records that style menus: the menu style ("MENU", kept in the skin's
// Menus style list and found by id) describes how a skinned popup menu draws
// its items, separators, icon area and border; the menu bar ("MENUBAR") is a
// control whose buttons open menus drawn by the menu style it names.
#include "skin/model/CtrlProperties.h"

namespace Vexel {

// Menu style. Each item state has the same seven variables (elements
// NormalMenuItem, HighlightMenuItem, DisabledMenuItem); the run-time colours
// keep what the skinned menu loaded for a state and are never read or written.
namespace MenuVar {
enum : int {
    NormalTextColor = 43,
    NormalFont = 44,
    NormalBkType = 45,
    NormalBkColor = 46,
    NormalImage = 47,
    NormalRunTime = 48,
    NormalResizePoint = 49,
    HighlightTextColor = 50,
    HighlightFont = 51,
    HighlightBkType = 52,
    HighlightBkColor = 53,
    HighlightImage = 54,
    HighlightRunTime = 55,
    HighlightResizePoint = 56,
    DisabledTextColor = 57,
    DisabledFont = 58,
    DisabledBkType = 59,
    DisabledBkColor = 60,
    DisabledImage = 61,
    DisabledRunTime = 62,
    DisabledResizePoint = 63,
    SeparatorBkType = 64,
    SeparatorLineColor = 65,
    SeparatorLineLeftMargin = 66,
    SeparatorLineRightMargin = 67,
    SeparatorImage = 68,
    SeparatorRunTime = 69,
    SeparatorResizePoint = 70,
    IconAreaWidth = 71,
    IconAreaStartColor = 72,
    IconAreaEndColor = 73,
    BorderStyle = 74,           // element MenuBorder, attribute Style
    FlatBorderColor = 75,
    MenuItemHeight = 76,
    Count = 77,
};
} // namespace MenuVar

// Menu bar: the inherited images 13-18, fonts 25-31 and colours 36-42 are
// its buttons' (elements ButtonBk..., ButtonFontRes..., ButtonColorRes...).
namespace MenuBarVar {
enum : int {
    MenuStyle = 43,
    Count = 44,
};
} // namespace MenuBarVar

class MENUPROPERTIES : public CTRLPROPERTIES {
public:
    MENUPROPERTIES();
    ~MENUPROPERTIES() override;

    static const RecordLayout kLayout;
};

class MENUBARPROPERTIES : public CTRLPROPERTIES {
public:
    MENUBARPROPERTIES();
    ~MENUBARPROPERTIES() override;

    static const RecordLayout kLayout;
};

} // namespace Vexel
