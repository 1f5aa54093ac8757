#pragma once
// The records of the skinned tree control, tree list, list header and list
// control. Tree and list control may draw their scroll bars from scroll bar
// styles; the header exists as a style that list controls name.
#include "skin/model/CtrlProperties.h"

namespace Vexel {

// Tree control ("TREECTRL").
namespace TreeVar {
enum : int {
    Border = 43,
    IsCheckBoxes = 44,
    IsHasButtons = 45,
    IsHasLines = 46,
    IsLineAtRoot = 47,
    IsFullRowSel = 48,
    IsShowSelAlways = 49,
    IsDisDragDrop = 50,
    IsEditLabels = 51,
    IsScroll = 52,
    IsNonEvenHeight = 53,
    IsSingleExpand = 54,
    IsTrackSel = 55,
    IsInfoTip = 56,
    IsTooltips = 57,
    DefaultItemHeight = 58,
    ItemHeight = 59,
    Tag = 60,
    ItemLineEnable = 61,
    ItemLineColor = 62,
    ItemLineColorResID = 63,
    CollapseImage = 64,
    ExpandedImage = 65,
    SelectedItemBkType = 66,
    SelectedItemBkColor = 67,
    SelectedItemBkColorResID = 68,
    SelectedItemBkNormalImage = 69,
    SelectedItemBkDisabledImage = 70,
    SelectedBkResizePoint = 71,
    HighlightItemBkEnable = 72,
    HighlightItemBkType = 73,
    HighlightItemBkColor = 74,
    HighlightItemBkColorResID = 75,
    HighlightItemBkNormalImage = 76,
    HighlightItemBkDisabledImage = 77,
    HighlightBkResizePoint = 78,
    RootItemBkEffect = 79,
    RootItemBkTextColorResID = 80,
    RootItemBkType = 81,
    RootItemBkItemBkColorResID = 82,
    RootItemBkFocusImage = 83,
    RootItemBkNonFocusImage = 84,
    RootItemBkImageResizePoint = 85,
    EnableCustomScrollBar = 86,
    HorizontalScrollbarStyleID = 87,
    VerticalScrollbarStyleID = 88,
    Count = 89,
};
} // namespace TreeVar

// Tree list ("TREELIST").
namespace TreeListVar {
enum : int {
    IsVariableItemHeight = 43,
    Count = 44,
};
} // namespace TreeListVar

// Header ("HEADERCTRL"). The inherited images, resize point, font and colour
// variables are the header button's (elements HeaderButton..., HeaderFontRes...,
// HeaderColorRes...); it has no rectangle or layout of its own.
namespace HeaderVar {
enum : int {
    HeaderBk = 43,
    HeaderBkResizingPoint = 44,
    Count = 45,
};
} // namespace HeaderVar

// List control ("LISTCTRL"). The inherited font and colour variables are the
// items' (ItemFontRes..., ItemTextColorRes...); 30, 31, 41 and 42 are the
// normal disabled ones, 89 to 92 add the selected disabled ones.
namespace ListVar {
enum : int {
    Border = 43,
    ListStyle = 44,
    ListSort = 45,
    IsEditLabels = 46,
    IsShowSelAlways = 47,
    IsSingleSel = 48,
    IsHoldCtrlKey = 49,
    IsCheckBoxes = 50,
    IsInfoTip = 51,
    IsTrackSelect = 52,
    IsTwoClickActivate = 53,
    IsEnableOwnerDraw = 54,
    Tag = 55,
    IsFullRowSelect = 56,
    IsSubItemImages = 57,
    ListAlign = 58,
    IsAutoArrange = 59,
    IsNoScroll = 60,
    IsNoLabelWrap = 61,
    GridLineShow = 62,
    GridLineColor = 63,
    NormalItemBkEffect = 64,
    NormalItemBkType = 65,
    NormalItemBkColorResID = 66,
    NormalItemBkImage = 67,
    NormalItemBkResizePoint = 68,
    HighlightItemBkEffect = 69,
    HighlightItemBkType = 70,
    HighlightItemBkColorResID = 71,
    HighlightItemBkImage = 72,
    HighlightItemBkResizePoint = 73,
    SelectedItemBkFitClient = 74,
    SelectedItemBkType = 75,
    SelectedItemBkColorResID = 76,
    SelectedItemBkImage = 77,
    SelectedItemBkResizePoint = 78,
    NormalDisabledItemBkEffect = 79,
    NormalDisabledItemBkType = 80,
    NormalDisabledItemBkColorResID = 81,
    NormalDisabledItemBkImage = 82,
    NormalDisabledItemBkResizePoint = 83,
    SelectedDisabledItemBkEffect = 84,
    SelectedDisabledItemBkType = 85,
    SelectedDisabledItemBkColorResID = 86,
    SelectedDisabledItemBkImage = 87,
    SelectedDisabledItemBkResizePoint = 88,
    IsSDSameNFont = 89,
    ItemFontResSD = 90,
    IsSDSameNColor = 91,
    ItemTextColorResSD = 92,
    TotalThumbnailItemWidth = 93,
    TotalThumbnailItemHeight = 94,
    ThumbnailBkPosN = 95,
    ThumbnailBkPosH = 96,
    ThumbnailBkPosS = 97,
    ThumbnailBkPosD = 98,
    ThumbnailPosN = 99,
    ThumbnailPosH = 100,
    ThumbnailPosS = 101,
    ThumbnailPosD = 102,
    ThumbnailLabelPosN = 103,
    ThumbnailLabelPosH = 104,
    ThumbnailLabelPosS = 105,
    ThumbnailLabelPosD = 106,
    ThumbnailIconPosN = 107,
    ThumbnailIconPosH = 108,
    ThumbnailIconPosS = 109,
    ThumbnailIconPosD = 110,
    IsNoHeader = 111,
    IsNoSortHeader = 112,
    HeaderHeight = 113,
    IsHeaderDragDrop = 114,
    HeaderStyleID = 115,
    EnableCustomScrollBar = 116,
    HorizontalScrollbarStyleID = 117,
    VerticalScrollbarStyleID = 118,
    Count = 119,
};
} // namespace ListVar

class TREECTRLPROPERTIES : public CTRLPROPERTIES {
public:
    TREECTRLPROPERTIES();
    ~TREECTRLPROPERTIES() override;
    // The EnableCustomScrollBar switch.
    bool IsCustomScrollBarEnabled() const override;

    static const RecordLayout kLayout;
};

class TREELISTPROPERTIES : public CTRLPROPERTIES {
public:
    TREELISTPROPERTIES();
    ~TREELISTPROPERTIES() override;

    static const RecordLayout kLayout;
};

class HEADERPROPERTIES : public CTRLPROPERTIES {
public:
    HEADERPROPERTIES();
    ~HEADERPROPERTIES() override;

    static const RecordLayout kLayout;
};

class LSTCTRLPROPERTIES : public CTRLPROPERTIES {
public:
    LSTCTRLPROPERTIES();
    ~LSTCTRLPROPERTIES() override;
    // The EnableCustomScrollBar switch.
    bool IsCustomScrollBarEnabled() const override;

    static const RecordLayout kLayout;
};

} // namespace Vexel
