#pragma once
// The state of a CSkinListCtrl, shared by the files that implement it.
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "skin/ui/PaintBuffer.h"
#include "skin/ui/controls/OwnScrollBars.h"
#include "skin/ui/controls/SkinListCtrl.h"
#include "skin/ui/controls/ScrollBarEx.h"
#include "skin/ui/controls/SkinHeaderCtrl.h"
#include "skin/ui/SharedBitmap.h"

#include <map>

#include <commctrl.h>

namespace Vexel {

// One look of an item state.
struct ItemLook {
    int effect = 0;             // drawn at all (highlight, thumbnails); the selected look's
                                // fit-client flag
    int type = 1;               // background: 0 image, 1 colour, -1 not given
    COLORREF color = 0xFFFFFF;
    SharedBitmap image;         // held
    POINT resizePoint{3, 3};
    COLORREF textColor = 0x000000;
    CFont font;                 // owned
};

// What the list keeps per item, as the item's lParam inside the common control.
struct ListItemRecord {
    LPARAM callerData = 0;
    std::map<int, int> subItemImages;   // sub-item -> strip image
};

// The caller's sort while LVM_SORTITEMS runs.
struct ListSortContext {
    const CSkinListCtrl* list = nullptr;
    PFNLVCOMPARE compare = nullptr;
    LPARAM value = 0;
};

enum ThumbState { kThumbN, kThumbH, kThumbS, kThumbD, kThumbStates };

struct ListCtrlPrivate {
    ListCtrlPrivate()
    {
        highlight.color = 0xF1F1F1;
        selected.color = 0xC8C8C8;
        selected.textColor = 0xFFFFFF;
        normalDisabled.effect = 1;
        normalDisabled.textColor = 0x808080;
        selectedDisabled.effect = 1;
        selectedDisabled.color = 0xC8D0D4;
        for (int i = 0; i < kThumbStates; ++i) {
            thumbBk[i] = RECT{10, 10, 110, 130};
            thumbLabel[i] = RECT{10, 110, 130, 130};
            thumbIcon[i] = RECT{20, 20, 100, 100};
        }
    }

    SharedBitmap strip;         // held: equal images side by side
    SIZE stripImage{0, 0};
    bool stripOn = false;
    CString tag;
    mutable int rawDataGuard = 0;   // LVM_GETITEMW / LVM_SETITEMW pass item data untouched
    mutable int rectGuard = 0;      // LVM_GETITEMRECT answered even in the thumbnail view
    ListSortContext sort;
    bool ownerDraw = false;
    bool skinBackground = true;
    SharedBitmap bkNormal;      // held
    SharedBitmap bkDisabled;    // held
    POINT bkResizePoint{3, 3};
    COLORREF gridColor = 0xC8D0D4;

    ItemLook normal;
    int hotItem = -1;
    ItemLook highlight;
    ItemLook selected;
    ItemLook normalDisabled;
    ItemLook selectedDisabled;

    bool thumbnailView = false;
    RECT thumbBk[kThumbStates];
    RECT thumbLabel[kThumbStates];
    RECT thumbIcon[kThumbStates];

    CSkinHeaderCtrl header;     // the common control's header child, once it has made it

    bool customScrollBars = false;
    CScrollBarEx hScroll;
    CScrollBarEx vScroll;
    AppliedRegion region;

    // Paint scratch, kept at the client size: the composed paint and the common control's
    // own rendering.
    PaintBuffer canvas;
    PaintBuffer native;
};

} // namespace Vexel
