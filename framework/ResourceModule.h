#pragma once
#include <windows.h>

// The module that string tables, dialogs and other resources are loaded from. The
// application object sets it at start-up; until then it is the executable itself.
HINSTANCE AfxGetResourceModule();
void AfxSetResourceModule(HINSTANCE module);
