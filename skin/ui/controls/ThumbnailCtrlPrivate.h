#pragma once
// The state of a CThumbnailCtrl, shared by the files that make up the class.
#include "framework/ListCtrl.h"
#include "skin/ui/PaintBuffer.h"
#include "skin/ui/controls/OleDropTargetEx.h"
#include "skin/ui/controls/ScrollBarEx.h"
#include "skin/ui/controls/ThumbnailCtrl.h"

#include <memory>
#include <unordered_map>

namespace Vexel {

struct ThumbnailCtrlPrivate {
    ThumbnailMetrics metrics;          // list mode, cell, image area, line height, scroll units
    bool singleSelection = false;
    bool itemSizeSet = false;
    bool partRectsSet = false;

    // The left button's drag.
    bool tracking = false;             // the button is down and the first move was seen
    POINT trackingPoint{0, 0};
    bool banding = false;
    bool dragMode = false;
    bool dragDetected = false;
    bool ctrlClick = false;

    COleDropTargetEx dropTarget;
    CLIPFORMAT dragFormat = 0;         // "DragItem"
    RECT dropMarker{0, 0, 0, 0};       // the insertion bar last drawn
    int dropMarkerIndex = -2;          // the insertion index it was drawn for

    int anchor = -1;
    int hot = -1;

    CScrollBarEx scrollBar;
    bool scrollBarAllowed = true;
    bool scrollBarNeeded = true;
    int scrollBarWidth = 16;

    CListCtrl store;                   // the items
    // Records by their own address (which is each item's data): made when the store inserts
    // an item, freed when it deletes one.
    std::unordered_map<const THUMBNAILITEM*, std::unique_ptr<THUMBNAILITEM>> records;
    bool settingRecord = false;        // the view itself is giving an item its record

    CBitmap normalBk;
    CBitmap selectedBk;
    CBitmap highlightBk;
    CBitmap disabledBk;
    SIZE hover{-1, -1};                // the highlight background's size
    CFont font;
    RECT parts[4] = {{-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}};
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF backColor = RGB(255, 255, 255);
    CBitmap backgroundImage;           // the window's; released through ReleaseImages

    PaintBuffer frame;                 // the paint's off-screen image
};

} // namespace Vexel
