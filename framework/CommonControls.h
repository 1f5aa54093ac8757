#pragma once
// Registration of the system's control classes. Every control class of the framework asks
// for the classes it is made of before it creates its window, so a program never has to.
// The controls are the plain common controls (no visual styles: the program carries no
// manifest asking for them).
#include <windows.h>

// Registers the common control classes named by `classes` (ICC_* bits) with the system,
// each set once per process; TRUE when they are registered (now or before).
BOOL AfxInitCommonControls(DWORD classes);

// Loads the rich edit library once per process and keeps it loaded; TRUE when its window
// class ("RichEdit20W") can be created.
BOOL AfxInitRichEdit2();
