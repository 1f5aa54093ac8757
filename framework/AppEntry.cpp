// The program entry: runs the one application object (a CWinApp-derived global).
#include "framework/WinApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show)
{
    return AfxWinMain(instance, previous, commandLine, show);
}
