#pragma once
// Resources of the skin drawing test program.
#define IDB_TEST_QUAD 101   // 2 x 2: red, green / blue, white
#define IDB_TEST_ABSENT 102 // no such resource

// IDM_TEST_MENU: one popup "Main" holding, in order: "&Open\tCtrl+O" (ID_TEST_OPEN),
// "Grayed" (ID_TEST_GRAYED, grayed), "Checked" (ID_TEST_CHECKED, checked), a separator,
// the popup "More" with "Inner" (ID_TEST_INNER), and "Exit" (ID_TEST_EXIT).
#define IDM_TEST_MENU 103
#define ID_TEST_OPEN 40001
#define ID_TEST_GRAYED 40002
#define ID_TEST_CHECKED 40003
#define ID_TEST_EXIT 40004
#define ID_TEST_INNER 40011

// IDM_TEST_MENUBAR: the popups "File" ("Open" ID_BAR_OPEN, "Close" ID_BAR_CLOSE), "Edit"
// ("Copy" ID_BAR_COPY, the popup "More" with "Inner" ID_BAR_INNER) and "Help" ("About"
// ID_BAR_ABOUT).
#define IDM_TEST_MENUBAR 104
#define ID_BAR_OPEN 40101
#define ID_BAR_CLOSE 40102
#define ID_BAR_COPY 40103
#define ID_BAR_INNER 40104
#define ID_BAR_ABOUT 40105
