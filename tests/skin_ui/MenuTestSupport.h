#pragma once
// Fixtures of the skinned-menu tests: menu style records put straight into the skin's
// Menus list, a menu item's data, and a timer that acts inside a tracked popup's modal
// loop and then ends the menu.
#include "skin/model/MenuProperties.h"

#include <functional>

#include <windows.h>

namespace skin_ui_test {

// The id of the menu style the program applies, and colours of it a pixel can tell apart.
constexpr LPCWSTR kMenuStyleId = L"IDR_MENU_DEFAULT";
constexpr COLORREF kMenuNormalBk = RGB(240, 240, 200);
constexpr COLORREF kMenuBandStart = RGB(250, 250, 250);

// A menu style record with `id` in the skin's Menus list (the store owns it).
Vexel::MENUPROPERTIES& AddMenuStyle(LPCWSTR id);

// The item data of the item at `position` of `menu`.
ULONG_PTR ItemData(HMENU menu, int position);

// After `interval` milliseconds (ticks come only once a tracked popup is painted) runs
// `action`, then ends the menu unless told not to. `action` may track a menu of its own.
class WhileTracked {
public:
    explicit WhileTracked(std::function<void()> action, bool endMenu = true, UINT interval = 1);
    ~WhileTracked();
    WhileTracked(const WhileTracked&) = delete;
    WhileTracked& operator=(const WhileTracked&) = delete;

    bool Ran() const { return m_ran; }

private:
    static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD);

    std::function<void()> m_action;
    bool m_endMenu;
    UINT_PTR m_timer = 0;
    bool m_ran = false;
};

// The popup window of the menu being tracked now, or null.
HWND TrackedPopup();

} // namespace skin_ui_test
