#pragma once
// CMenuBar: a row of skinned buttons, one per drop-down menu of the bar's skinned menu.
// Pressing a button (or Down, Enter or Space on a focused one) shows its menu under it;
// while a menu is open, moving the mouse onto another button of the bar, or Left and Right
// where the menu itself has nowhere to go, closes it and opens that button's menu instead.
// A command chosen in a menu reaches the bar's parent as a WM_COMMAND.
//
// Every button has the bar's look: the four button images (each button holds copies of
// its own), the resize point, text colours and fonts. The bar owns its images, fonts,
// buttons and menu, and frees them all when its window is destroyed; what is still held
// when the object goes is deleted with it.
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/controls/SkinMenu.h"

#include <memory>
#include <vector>

namespace Vexel {

class CSkinButton;

class CMenuBar : public CWnd, public CControlBase {
    DECLARE_DYNAMIC(CMenuBar)
public:
    // The buttons' control ids: this one and on, one per menu position.
    static constexpr UINT kFirstButtonId = 0x7F00;

    CMenuBar();
    ~CMenuBar() override;

    // A child window named "Menu bar" of the framework's class. FALSE when it cannot be made.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // The style the drop-down menus are drawn with, from a MENU record or the skin's menu
    // style of that id: 0; -1 once the bar's menu is loaded; -2 null; -3 a record of another
    // kind or an unknown style.
    virtual int SetMenuProperties(CTRLPROPERTIES* record);
    virtual int SetMenuStyle(LPCWSTR styleId);

    // Menu resource `id` of the resource module becomes the bar's menu: one button per
    // top-level item, with its text, laid out in a row. FALSE when the menu does not load
    // or the bar has one already (or has no window).
    BOOL LoadMenu(UINT id);

    // The bar's look. Images are taken over (the old ones deleted) and the bar keeps copies
    // of the selected one for checked buttons; fonts are copied (null keeps a state's).
    // Each re-dresses every button; images and fonts lay them out again. Each answers 0.
    int SetButtonImages(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled);
    int SetButtonColors(COLORREF normal, COLORREF highlight, COLORREF selected, COLORREF disabled);
    int SetButtonFonts(const CFont* normal, const CFont* highlight, const CFont* selected, const CFont* disabled);
    int SetResizePoint(POINT point);

    // Shows the menu of the button with control id `buttonId` under it and, when the user
    // switches to another button's menu, that one, until a menu closes otherwise. 0; 1 when
    // the button has no menu; -1 when the bar has no such button.
    int ShowButtonMenu(UINT buttonId);

    CSkinMenu& GetBarMenu() { return m_menu; }
    int GetButtonCount() const { return static_cast<int>(m_buttons.size()); }
    // The button of menu position `position`, or null.
    CSkinButton* GetButton(int position) const;

    // Frees the button images and fonts the bar holds (not its buttons' own); a second call
    // does nothing. 0.
    int ReleaseImages() override;

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();
    LRESULT OnMenuMouseMove(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    enum { kStates = 4 };

    void DressButton(CSkinButton& button);
    void LayOutButtons();
    void OnDestroyBar();
    bool IsOwnButton(HWND window) const;
    // Closes the open menu so that the loop of ShowButtonMenu opens the button `next`.
    void SwitchTo(UINT next);
    // Left and Right inside an open menu of the bar.
    static LRESULT CALLBACK MenuKeyFilter(int code, WPARAM wParam, LPARAM lParam);
    bool OnMenuKey(UINT key);

    CSkinMenu m_menu;
    int m_current = -1;   // the id of the button whose menu is shown
    int m_next = -1;      // the id of the button to switch to when that menu closes; 0: none
    HMENU m_selectedMenu = nullptr;   // the menu the selection is in (WM_MENUSELECT)
    UINT m_selectedFlags = 0;
    std::vector<std::unique_ptr<CSkinButton>> m_buttons;
    CBitmap m_images[kStates];        // owned
    CBitmap m_checkedImages[kStates]; // owned: copies of the selected image
    POINT m_resizePoint{18, 2};
    CFont m_fonts[kStates];           // owned
    COLORREF m_colors[kStates] = {0, 0, 0, 0};
    int m_horizontalMargin = 16;
    int m_verticalMargin = 4;
};

} // namespace Vexel
