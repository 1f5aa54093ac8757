#pragma once
// The item data of every item of a skinned menu: what the menu measures and draws the item
// from. The menu that appended a record owns it.
#include "framework/String.h"

#include <windows.h>

namespace Vexel {

class CSkinMenu;

// Every record carries this word first, so a menu can tell its own records.
constexpr DWORD kSkinMenuItemSignature = 0x505A0A0;

class CSkinMenuItem {
public:
    virtual ~CSkinMenuItem();   // destroys the icon, when set
    CSkinMenuItem(const CSkinMenuItem&) = delete;
    CSkinMenuItem& operator=(const CSkinMenuItem&) = delete;

    const DWORD signature = kSkinMenuItemSignature;
    UINT id = 0;                // the command; for a popup item its 1-based position
    bool separator = false;
    bool title = false;         // drawn as a vertical title band
    CString text;
    HICON icon = nullptr;       // owned
    int extent = 16;            // the reserved width that measuring and text placement use
    CSkinMenu* subMenu = nullptr;   // a popup item's menu; not owned

protected:
    CSkinMenuItem() = default;
};

class CSkinMenuText : public CSkinMenuItem {
public:
    CSkinMenuText(LPCWSTR itemText, UINT commandId, CSkinMenu* popup = nullptr);
};

class CSkinMenuSeparator : public CSkinMenuItem {
public:
    CSkinMenuSeparator() { separator = true; }
};

} // namespace Vexel
