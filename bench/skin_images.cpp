// Skin images: a window region from a 400 x 300 mask bitmap, and a nine-grid stretch of a
// background to 1000 x 700.
#include "BenchHarness.h"

#include "skin/ui/BitmapCopies.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/MaskRegion.h"
#include "skin/ui/NineGrid.h"
#include "skin/ui/WindowRegions.h"

#include <windows.h>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

using Rule = std::function<COLORREF(int, int)>;

// A screen-compatible bitmap coloured by `rule`, written in one SetDIBits call.
void MakeBitmap(CBitmap& bitmap, int w, int h, const Rule& rule)
{
    std::vector<DWORD> pixels(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF c = rule(x, y);
            pixels[static_cast<size_t>(y) * w + x] =
                static_cast<DWORD>(GetRValue(c)) << 16 | static_cast<DWORD>(GetGValue(c)) << 8 | GetBValue(c);
        }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;   // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    Vexel::ScreenDC screen;
    bitmap.CreateCompatibleBitmap(&screen, w, h);
    ::SetDIBits(screen, bitmap, 0, h, pixels.data(), &info, DIB_RGB_COLORS);
}

// A skin-like window shape: rounded corners of radius 16 and a few slots cut out.
COLORREF RoundedShape(int x, int y)
{
    const int r = 16;
    const int cx = x < r ? r : (x >= 400 - r ? 399 - r : x);
    const int cy = y < r ? r : (y >= 300 - r ? 299 - r : y);
    const int dx = x - cx;
    const int dy = y - cy;
    if (dx * dx + dy * dy > r * r)
        return kMagenta;
    if (y >= 100 && y < 110 && x % 40 < 20)
        return kMagenta;
    return RGB(30 + x % 100, 60, 90 + y % 100);
}

// Every third pixel or so: the worst case for a run scan.
COLORREF Speckled(int x, int y)
{
    const unsigned value = (static_cast<unsigned>(x) * 2654435761u) ^ (static_cast<unsigned>(y) * 40503u);
    return (value >> 7) % 3 == 0 ? kMagenta : RGB(x % 256, y % 256, 9);
}

// The region as a pixel-by-pixel scan builds it: GetPixel on a memory DC, one XOR per run.
void PerPixelRegion(HBITMAP bitmap, COLORREF mask, int width, int height, CRgn& region)
{
    Vexel::BitmapDC dc(nullptr, bitmap);
    region.CreateRectRgn(0, 0, width, height);
    for (int x = 0; x <= width; ++x) {
        for (int y = 0; y <= height; ++y) {
            if (::GetPixel(dc, x, y) != mask)
                continue;
            int end = y + 1;
            while (::GetPixel(dc, x, end) == mask)
                ++end;
            CRgn run;
            run.CreateRectRgn(x, y, x + 1, end);
            region.CombineRgn(&region, &run, RGN_XOR);
            y = end;
        }
    }
}

HWND MakeWindow(int w, int h)
{
    return ::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, w, h, nullptr, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

void RegionBenchmarks(const char* name, const Rule& rule)
{
    CBitmap mask;
    MakeBitmap(mask, 400, 300, rule);
    const HWND window = MakeWindow(400, 300);
    char label[96];

    std::snprintf(label, sizeof(label), "SetWindowRegionFromBitmap 400x300 (%s)", name);
    bench::Measure(label, 7, 5, [&] {
        for (int i = 0; i < 5; ++i)
            Vexel::SetWindowRegionFromBitmap(window, mask, kMagenta);
    });

    std::snprintf(label, sizeof(label), "  of which CreateMaskRegion (%s)", name);
    Vexel::PixelRows rows;
    Vexel::ReadPixelRows(mask, Vexel::ScreenDC(), rows);
    bench::Measure(label, 7, 5, [&] {
        for (int i = 0; i < 5; ++i) {
            CRgn region;
            Vexel::CreateMaskRegion(rows, kMagenta, 400, 300, region);
        }
    });

    std::snprintf(label, sizeof(label), "  per-pixel GetPixel scan, for comparison (%s)", name);
    bench::Measure(label, 3, 1, [&] {
        CRgn region;
        PerPixelRegion(mask, kMagenta, 400, 300, region);
    });

    ::DestroyWindow(window);
}

void NineGridBenchmarks()
{
    CBitmap background;
    MakeBitmap(background, 200, 150, [](int x, int y) { return RGB(x, y, (x + y) % 256); });
    Vexel::ScreenDC screen;
    CBitmap target;
    target.CreateCompatibleBitmap(&screen, 1000, 700);

    {
        Vexel::BitmapDC dc(screen, target);
        bench::Measure("DrawResizedBitmap 200x150 -> 1000x700", 9, 20, [&] {
            for (int i = 0; i < 20; ++i)
                Vexel::DrawResizedBitmap(dc, 0, 0, 1000, 700, background, 1, 100, 75);
        });
        bench::Measure("DrawResizedBitmapEx 200x150 -> 1000x700", 9, 20, [&] {
            for (int i = 0; i < 20; ++i)
                Vexel::DrawResizedBitmapEx(dc, 0, 0, 1000, 700, background, 1, 1, 100, 75);
        });
    }
    bench::Measure("CreateResizedBitmap 200x150 -> 1000x700", 9, 20, [&] {
        for (int i = 0; i < 20; ++i) {
            CBitmap resized;
            Vexel::CreateResizedBitmap(background, &resized, 100, 75, 1000, 700, 1, 1);
        }
    });

    // A window-sized background itself, drawn into a larger window.
    CBitmap large;
    MakeBitmap(large, 1000, 700, [](int x, int y) { return RGB(x % 256, y % 256, (x ^ y) % 256); });
    CBitmap larger;
    larger.CreateCompatibleBitmap(&screen, 1280, 960);
    Vexel::BitmapDC dc(screen, larger);
    bench::Measure("DrawResizedBitmap 1000x700 -> 1280x960", 9, 20, [&] {
        for (int i = 0; i < 20; ++i)
            Vexel::DrawResizedBitmap(dc, 0, 0, 1280, 960, large, 1, 500, 350);
    });
    bench::Measure("DrawResizedBitmap 1000x700 -> 1000x700 (1:1)", 9, 20, [&] {
        for (int i = 0; i < 20; ++i)
            Vexel::DrawResizedBitmap(dc, 0, 0, 1000, 700, large, 1, 500, 350);
    });
}

} // namespace

int main()
{
    RegionBenchmarks("rounded shape", RoundedShape);
    RegionBenchmarks("speckled", Speckled);
    NineGridBenchmarks();
    return 0;
}
