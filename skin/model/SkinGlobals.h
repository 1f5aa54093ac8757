#pragma once
// The skin library's process-wide objects. They are built before the program's main code
// runs and live until it exits; only the user-interface thread touches them.
#include "skin/model/LegacyImportState.h"
#include "skin/model/SkinStore.h"

#include <windows.h>

namespace Vexel {

// The DPI a skin was designed at; -1 while unset.
struct DesignDpiPair {
    int LogPixelsX = -1;
    int LogPixelsY = -1;
};

// What the skinned popup menu's tracking saves while a popup is shown: its owner window,
// the menu being tracked and the popup window. All zero when no skinned popup is up.
struct MenuTrackRecord {
    HWND owner = nullptr;
    HMENU menu = nullptr;
    HWND popup = nullptr;
};

extern LegacyImportState g_legacyImport;
extern SkinStore g_skinStore;

extern DesignDpiPair DesignDpi;
// 1 only while a converted legacy skin is being saved: the writer then keeps DesignDpi
// instead of taking the screen's.
extern int ConvertingSkin;
extern MenuTrackRecord MenuTrackInfo;

} // namespace Vexel
