#pragma once
// The main window's popup menus (main and status): loaded in the skin's menu style, localised,
// then tracked at a screen point with the main window as owner, which receives the chosen
// command. Tracking is a seam shaped like AfxSetPromptHandler, so a test sees the menu as it
// would open and answers with a command instead of a menu loop.
#include "framework/Menu.h"

class CWnd;

// Tracks `popup` (the first popup of menu resource `menuId`) at (x, y) for `owner`; the
// chosen command reaches the owner as WM_COMMAND. FALSE when nothing was chosen.
using PopupMenuTracker = BOOL (*)(CMenu* popup, UINT menuId, int x, int y, CWnd* owner);
PopupMenuTracker SetPopupMenuTracker(PopupMenuTracker tracker);

// Loads menu resource `menuId` in the skin's default menu style, localises its first popup
// (LocalizeMenu) and tracks it through the seam.
BOOL ShowPopupMenu(UINT menuId, int x, int y, CWnd* owner);
