#pragma once
// The state behind a CUIWnd, shared by the files that implement it (creation, layout,
// painting, caption and modal run). Not for use outside CUIWnd.
#include "skin/ui/DpiScaling.h"
#include "skin/ui/HostedTaskWndMgr.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/SharedBitmap.h"
#include "skin/ui/UIWnd.h"
#include "skin/ui/UIWndGeometry.h"
#include "skin/ui/WindowShape.h"

#include <cwchar>
#include <vector>

namespace Vexel {

struct UIWndPrivate {
    int imagesFromFiles = 1;             // background images are files (1) or bitmap resources (0)
    DpiPair scale = kUnscaledDpi;        // the factor of the images, taken at each creation
    int dragHitCode = HTCLIENT;          // the border drag in progress
    int borderResizeEnabled = 0;
    int layered = 1;
    int parentDrawsChildBackground = 0;  // answer to WM_VXL_ISDRAWCHILDBK
    int regionOnResize = 1;
    SIZE backgroundSize{0, 0};           // also the minimum tracking size
    BorderMetrics borders;
    POINT dragStartPoint{0, 0};          // screen
    RECT dragStartRect{0, 0, 0, 0};      // screen
    RECT clientArea{0, 0, 0, 0};         // the record's ClientArea mapped to the current size
    std::vector<HostedTaskWndMgr*> hostedTaskWndMgrs;

    WindowShape shape;                   // cut once from the background, kept for every resize

    SharedBitmap background;             // BackgroundHide, else BackgroundNormal
    // The images the window's own loader hands out (held while the children are made, then
    // let go of: each goes with its last holder). Empty when a loader of a derived window,
    // or the resource loader, hands its bitmaps over instead.
    SharedBitmap loadedImages[5];        // background, normal, highlight, selected, disabled
    CBitmap backgroundMemory;            // the last composed client background
    std::vector<ChildControlRecord> children;
    int createError = 0;
    UIWNDPROPERTIES record;
    CString tag;
    CString stringId;                    // what kStringIdProperty points at

    int modal = 0;
    int initPending = 1;
    bool endedBeforeLoop = false;        // EndDialog came while the dialog was being made
    int earlyResult = -1;
    HWND topLevelOwner = nullptr;
    int defaultId = IDOK;
    int resourceId = -1;
    int autoMenuEnable = 1;
};

// Whether the child's type word is exactly `type`.
inline bool IsType(const ChildControlRecord& child, LPCWSTR type)
{
    return std::wcscmp(child.type, type) == 0;
}

} // namespace Vexel
