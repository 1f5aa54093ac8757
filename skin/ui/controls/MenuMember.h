#pragma once
// The style of a skinned popup menu: one look per item state (normal, highlighted,
// grayed), the separator's look, the gradient icon area down the left edge and the popup's
// border. The defaults are those of a menu no skin style was applied to.
#include <windows.h>

namespace Vexel {

enum MenuBorderStyle : int {
    kMenuBorderNormal = 0,
    kMenuBorderFlat = 1,
    kMenuBorderNone = 2,
};

enum MenuBackgroundType : int {
    kMenuBackgroundImage = 0,
    kMenuBackgroundColor = 1,
};

// One state's look. The image is a view: whichever menu holds the style says whether it
// owns it.
struct MENU_ITEM_PROPERTIES {
    COLORREF textColor = 0x000000;
    LOGFONTW font{};                      // all zero: the system's default font
    int backgroundType = kMenuBackgroundColor;
    COLORREF backgroundColor = 0xF7F8F9;
    HBITMAP image = nullptr;              // used with kMenuBackgroundImage
    POINT resizePoint{20, 2};
};

struct MENUMEMBER {
    MENUMEMBER()
    {
        highlight.textColor = 0xFFFFFF;
        highlight.backgroundColor = 0x6A240A;
        disabled.textColor = 0xA6A6A6;
    }

    int borderStyle = kMenuBorderFlat;    // read by the popup-menu window class
    COLORREF flatBorderColor = 0x666666;
    int itemHeight = 23;                  // of every text item
    MENU_ITEM_PROPERTIES normal;
    MENU_ITEM_PROPERTIES highlight;
    MENU_ITEM_PROPERTIES disabled;
    int separatorBackgroundType = kMenuBackgroundColor;
    COLORREF separatorLineColor = 0xA6A6A6;
    int separatorLineLeftMargin = 2;      // after the icon area
    int separatorLineRightMargin = 2;     // before the right edge
    HBITMAP separatorImage = nullptr;     // a view, as the state images
    POINT separatorResizePoint{20, 2};
    COLORREF titleColors[2] = {0xC00000, 0x000000};   // bottom and top of a title band
    int iconAreaWidth = 22;
    COLORREF iconAreaStartColor = 0xF7F8F9;           // left edge of the band
    COLORREF iconAreaEndColor = 0xCCD4D7;             // right edge
};

} // namespace Vexel
