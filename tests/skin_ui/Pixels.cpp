#include "Pixels.h"

#include <cstdio>
#include <cstring>

namespace skin_ui_test {

COLORREF Tag(int x, int y)
{
    return RGB(20 + 8 * x, 30 + 8 * y, 200);
}

namespace {

BITMAPINFO TopDown32(int w, int h)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

DWORD ToDib(COLORREF c)
{
    return static_cast<DWORD>(GetRValue(c)) << 16 | static_cast<DWORD>(GetGValue(c)) << 8 | GetBValue(c);
}

COLORREF FromDib(DWORD p)
{
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

} // namespace

HBITMAP MakeBitmap(int w, int h, const ColorRule& rule)
{
    std::vector<DWORD> pixels(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pixels[static_cast<size_t>(y) * w + x] = ToDib(rule(x, y));
    const HDC screen = ::GetDC(nullptr);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, w, h);
    BITMAPINFO info = TopDown32(w, h);
    ::SetDIBits(screen, bitmap, 0, h, pixels.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

bool WriteBmp(const std::wstring& path, int w, int h, const ColorRule& rule)
{
    const int stride = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = w;
    header.biHeight = h;   // bottom row first
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(stride * h);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + header.biSizeImage;

    std::vector<unsigned char> bytes(file.bfSize, 0);
    std::memcpy(bytes.data(), &file, sizeof(file));
    std::memcpy(bytes.data() + sizeof(file), &header, sizeof(header));
    for (int y = 0; y < h; ++y) {
        unsigned char* row = bytes.data() + file.bfOffBits + static_cast<size_t>(h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            const COLORREF c = rule(x, y);
            row[x * 3] = GetBValue(c);
            row[x * 3 + 1] = GetGValue(c);
            row[x * 3 + 2] = GetRValue(c);
        }
    }
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written;
}

std::vector<COLORREF> ReadBitmap(HBITMAP bitmap, SIZE* size)
{
    BITMAP info = {};
    if (!::GetObjectW(bitmap, sizeof(info), &info))
        return {};
    if (size)
        *size = SIZE{info.bmWidth, info.bmHeight};
    std::vector<DWORD> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    BITMAPINFO header = TopDown32(info.bmWidth, info.bmHeight);
    const HDC screen = ::GetDC(nullptr);
    ::GetDIBits(screen, bitmap, 0, info.bmHeight, pixels.data(), &header, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    std::vector<COLORREF> colors;
    colors.reserve(pixels.size());
    for (DWORD p : pixels)
        colors.push_back(FromDib(p));
    return colors;
}

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y)
{
    SIZE size = {};
    const std::vector<COLORREF> pixels = ReadBitmap(bitmap, &size);
    if (x < 0 || y < 0 || x >= size.cx || y >= size.cy)
        return CLR_INVALID;
    return pixels[static_cast<size_t>(y) * size.cx + x];
}

Canvas::Canvas(int w, int h, COLORREF fill) : m_w(w), m_h(h)
{
    m_dc.CreateCompatibleDC(nullptr);
    const HDC screen = ::GetDC(nullptr);
    m_bitmap.Attach(::CreateCompatibleBitmap(screen, w, h));
    ::ReleaseDC(nullptr, screen);
    m_previous = ::SelectObject(m_dc, m_bitmap.GetSafeHandle());
    const RECT all = {0, 0, w, h};
    m_dc.FillSolidRect(&all, fill);
}

Canvas::~Canvas()
{
    ::SelectObject(m_dc, m_previous);
}

std::string CompareArea(const Canvas& canvas, int x, int y, int w, int h, const ColorRule& expected)
{
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            const COLORREF want = expected(i, j);
            const COLORREF got = canvas.At(i, j);
            if (want != got) {
                char text[120];
                std::snprintf(text, sizeof(text), "pixel (%d, %d): expected %06lX, got %06lX", i, j,
                              static_cast<unsigned long>(want), static_cast<unsigned long>(got));
                return text;
            }
        }
    }
    return {};
}

} // namespace skin_ui_test
