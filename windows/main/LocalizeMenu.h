#pragma once
// LocalizeMenu: rewrites the item texts of a loaded popup menu of the program's resources with
// the UI texts of the user's language; the main menu's language items keep their own names
// and the current language's item gets a check mark. Menus other than those of the table are
// left as they are. Each text is set as the item's string, which keeps an owner-drawn item
// owner-drawn, and, in a skinned menu, as the text of the item's record, which it draws.
#include "framework/Menu.h"

#include <string>

void LocalizeMenu(CMenu* menu, UINT menuId);

// The command of the main menu's language item for a language code ("SP_ENG" ...); 0 for
// any other code.
UINT LanguageCommand(const std::string& code);
