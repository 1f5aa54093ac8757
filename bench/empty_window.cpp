// The yardstick of the start-up benchmark: the smallest Win32 program that shows a window.
// It registers a class, shows one window and runs the message loop until the window is closed.
#include "bench/YardstickWindow.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return bench::RunYardstickWindow(L"EmptyWindow", L"Empty");
}
