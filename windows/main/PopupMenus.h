#pragma once
// The main window's popup menus (main and status): loaded in the skin's menu style, localised,
// then tracked at a screen point with the main window as owner, which receives the chosen
// command. The system table (framework/SystemAnswers.h, AnswerPopupMenu) may answer in place
// of the menu loop, so a test sees the menu as it would open and answers with a command.
#include "framework/Menu.h"

class CWnd;

// Loads menu resource `menuId` in the skin's default menu style, localises its first popup
// (LocalizeMenu) and tracks it at (x, y) for `owner`, which receives the chosen command as
// WM_COMMAND. FALSE when nothing was chosen.
BOOL ShowPopupMenu(UINT menuId, int x, int y, CWnd* owner);
