#include "tests/e2e/driver/WindowPicture.h"

#include "tests/e2e/driver/LumeoProcess.h"

#include <algorithm>
#include <utility>

namespace e2e {

namespace {

BOOL CALLBACK AddPictureChild(HWND window, LPARAM context)
{
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    return TRUE;
}

// Moves `window` so that all of it lies on the screen, as far as it fits.
void BringOntoScreen(HWND window)
{
    RECT placed{};
    ::GetWindowRect(window, &placed);
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    const int left = std::max(0, std::min<int>(placed.left, screenWidth - (placed.right - placed.left)));
    const int top = std::max(0, std::min<int>(placed.top, screenHeight - (placed.bottom - placed.top)));
    if (left != placed.left || top != placed.top)
        ::SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

lumeo_test::RgbImage ScreenPixels(const RECT& rect)
{
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    lumeo_test::RgbImage image(w, h);
    if (w <= 0 || h <= 0)
        return {};
    const HDC screen = ::GetDC(nullptr);
    const HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), w, -h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP picture = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = ::SelectObject(memory, picture);
    ::BitBlt(memory, 0, 0, w, h, screen, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    const int stride = (w * 3 + 3) & ~3;
    for (int y = 0; y < h; ++y) {
        const auto* from = static_cast<const std::uint8_t*>(bits) + static_cast<std::size_t>(y) * stride;
        std::uint8_t* to = image.Row(y);
        for (int x = 0; x < w; ++x) {   // BGR to RGB
            to[3 * x] = from[3 * x + 2];
            to[3 * x + 1] = from[3 * x + 1];
            to[3 * x + 2] = from[3 * x];
        }
    }
    ::SelectObject(memory, old);
    ::DeleteObject(picture);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return image;
}

} // namespace

bool AwaitsPaint(HWND window)
{
    std::vector<HWND> windows{window};
    ::EnumChildWindows(window, &AddPictureChild, reinterpret_cast<LPARAM>(&windows));
    for (const HWND each : windows) {
        if (::IsWindowVisible(each) && ::GetUpdateRect(each, nullptr, FALSE))
            return true;
    }
    return false;
}

lumeo_test::RgbImage CaptureWindow(HWND window)
{
    if (!::IsWindow(window))
        return {};
    BringOntoScreen(window);
    ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    // The program paints on its own thread: wait until nothing of the window is left to paint.
    WaitUntil([&] {
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, kPatience, &ignored);
        return !AwaitsPaint(window);
    });
    // What the program painted reaches the screen a moment later: the picture counts once two
    // in a row are the same.
    RECT placed{};
    ::GetWindowRect(window, &placed);
    lumeo_test::RgbImage picture = ScreenPixels(placed);
    bool first = true;
    WaitUntil([&] {
        if (std::exchange(first, false))
            return false;   // one poll interval between the two
        lumeo_test::RgbImage again = ScreenPixels(placed);
        const bool settled = again.pixels == picture.pixels;
        picture = std::move(again);
        return settled;
    });
    return picture;
}

std::wstring ScreenshotFolder(const std::wstring& relative)
{
    std::wstring folder = RunningProgramFolder();   // <build tree>\bin\ .
    folder.resize(folder.find_last_of(L'\\', folder.size() - 2) + 1);
    folder += L"screenshots\\";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    size_t start = 0;
    while (start < relative.size()) {
        size_t end = relative.find(L'\\', start);
        if (end == std::wstring::npos)
            end = relative.size();
        folder += relative.substr(start, end - start) + L"\\";
        ::CreateDirectoryW(folder.c_str(), nullptr);
        start = end + 1;
    }
    return folder;
}

} // namespace e2e
