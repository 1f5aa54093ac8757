#pragma once
// Pictures of the program's windows as a user sees them. A window is raised over the others
// (without taking the focus), brought fully onto the screen, and captured once it and every
// control in it has painted.
#include "tests/support/PngWriter.h"

#include <windows.h>

#include <string>

namespace e2e {

// Whether `window` or a visible child of it, at any depth, still waits for its paint (works
// across processes: the update regions are the window server's).
bool AwaitsPaint(HWND window);

// The window's picture as it stands on the screen; empty when it could not be taken.
lumeo_test::RgbImage CaptureWindow(HWND window);

// <folder of the running test program>\..\screenshots\<relative>\, made when missing.
std::wstring ScreenshotFolder(const std::wstring& relative);

} // namespace e2e
