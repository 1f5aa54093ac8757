#pragma once
// The messages skinned windows and their controls exchange (all sent, never posted).
#include <windows.h>

namespace Vexel {

enum : UINT {
    WM_VXL_RELOADSKIN = 0x467,         // rebuild background and shape
    WM_VXL_GETRESIZEPOINT = 0x469,     // the window's resizing point: x for wParam 1, y for 2
    WM_VXL_ISONRESIZELINES = 0x46B,    // does a rectangle cross the resizing lines
    WM_VXL_CANLAYOUTCHILD = 0x46C,     // may this child be moved by the layout rule
    WM_VXL_CHILDMOUSE = 0x46D,         // a mouse message before the control handles it
    WM_VXL_ISUIWND = 0x46F,            // 1 from every skinned window
    WM_VXL_REDRAWCHILDBK = 0x471,      // parent-drawn control backgrounds
    WM_VXL_ISDRAWCHILDBK = 0x472,
    WM_VXL_CHILDSHOWWINDOW = 0x473,    // the window was shown or hidden
    WM_VXL_GETCONTROLTYPE = 0x475,     // the control's type word
    WM_VXL_DRAWCHILDITEM = 0x48C,      // the parent may draw an item
    WM_VXL_DRAWCHILDITEMBK = 0x48D,    // ... or its background
    WM_VXL_NOTIFYCHILD = 0x48E,        // broadcast to visible children
    WM_VXL_GETBKDC = 0x48F,            // the window's composed background bitmap
    WM_VXL_SETOWNOBJECTS = 0x4A0,      // wParam 0: a button's images are someone else's
    WM_VXL_GETOWNOBJECTS = 0x4A1,
    WM_VXL_GETTEXTEXTENT = 0x4A2,      // a control's text: wParam kTextNeeded or kTextRoom
    WM_VXL_SPLITTERMOVING = 0x4C8,
    WM_VXL_SPLITTERMOVED = 0x4C9,
    WM_VXL_LISTTIPTEXT = 0x5F5,        // a list's tip text the parent may reword (wParam: CString*)
    WM_VXL_LISTPAINT = 0x7E9,          // a list starts to paint; non-zero: it paints natively
    WM_VXL_LISTTEXTCOLOR = 0x7EA,      // a list cell's text colour (lParam: LISTTEXTCOLOR*)
    WM_VXL_LISTDRAWBK = 0x7EB,         // to a list itself: draw the background into wParam's CDC*
    WM_VXL_LISTDRAWGRID = 0x7EC,       // ... the grid lines
    WM_VXL_LISTDRAWROW = 0x7ED,        // ... item lParam
    WM_VXL_LISTPAINTNATIVE = 0x7EE,    // ... the common control's own painting into HDC wParam
    WM_VXL_LISTGRIDPEN = 0x7F2,        // a list's grid lines (lParam: HPEN* the parent may fill)
    WM_VXL_MENUBARMOUSEMOVE = 0xC99,   // menu bar switching while a popup is open
    WM_VXL_MENUBARTRACKING = 0xC9A,
    WM_DROPTARGET_DRAGENTER = 0xFB9,   // OLE drag events, to the drop target's window
    WM_DROPTARGET_DRAGOVER = 0xFBA,
    WM_DROPTARGET_DROP = 0xFBB,
    WM_DROPTARGET_DROPEX = 0xFBC,
    WM_DROPTARGET_DRAGLEAVE = 0xFBD,
    WM_DROPTARGET_DRAGSCROLL = 0xFBE,
    WM_VXL_TASKWNDCHANGING = 0x101D,   // page switch of the task-window manager
    WM_VXL_TASKWNDCHANGED = 0x101E,
};

// WM_NOTIFY codes of the skinned controls, to their parent.
enum : int {
    NM_VXL_DBLCLKITEM = -30,       // an item was double-clicked; non-zero: handled
    NM_VXL_DRAWTEXT = -40,         // NMVXLDRAWTEXT: a button's caption; non-zero: the parent drew it
    TVN_VXL_HOVERCHANGING = -50,   // NMTREEVIEW: the hovered item is about to change; non-zero vetoes
    TVN_VXL_HOVERCHANGED = -51,    // NMTREEVIEW: the hovered item changed
};

// The record of NM_VXL_DRAWTEXT: where and how the caption would be drawn.
struct NMVXLDRAWTEXT {
    NMHDR hdr;      // the button, its id, NM_VXL_DRAWTEXT
    HDC hdc;        // the DC the button is drawn in, with the state's font and text colour
    RECT rect;      // the caption's rectangle
    UINT format;    // the DrawText format
};

// DRAWITEMSTRUCT::CtlType of the items a skinned tree offers its parent to draw.
constexpr UINT VXL_ODT_TREE = 10;

// The record of WM_VXL_LISTTEXTCOLOR: the cell and the colour the list would draw it in; a
// parent that answers non-zero has put its own colour in.
struct LISTTEXTCOLOR {
    int item;
    int subItem;
    COLORREF color;
};

// wParam high word of WM_VXL_LISTGRIDPEN.
enum : WORD {
    kGridHorizontal = 1,
    kGridVertical = 2,
};

// wParam of WM_VXL_GETTEXTEXTENT, answered by the controls that draw a text of their own
// (buttons and statics) as MAKELRESULT(width, height), 0 for no text: the size the text takes
// in the control's font and the way it draws it (one line, or wrapped to the room's width),
// or the room its rectangle and text offsets give it. Other windows answer 0.
enum : WPARAM {
    kTextNeeded = 0,
    kTextRoom = 1,
};

// wParam of WM_VXL_GETRESIZEPOINT.
enum : WPARAM {
    kResizePointX = 1,
    kResizePointY = 2,
};

} // namespace Vexel
