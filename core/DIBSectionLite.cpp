#include "core/DIBSectionLite.h"

#include "framework/File.h"
#include "framework/WinApp.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <vector>

namespace {

// The standard system colour table: the 20 static colours at both ends and a colour cube
// between them; then the 8 bright colours a 16-colour default palette takes after the
// table's first 8.
struct SystemColors {
    PALETTEENTRY table[256];
    PALETTEENTRY brightEight[8];
};

const SystemColors& TheSystemColors()
{
    static const SystemColors colors = [] {
        SystemColors c{};
        const BYTE first[10][3] = {{0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0},   {0, 0, 128},
                                   {128, 0, 128}, {0, 128, 128}, {192, 192, 192}, {192, 220, 192}, {166, 202, 240}};
        const BYTE last[10][3] = {{255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},   {0, 255, 0},
                                  {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255}, {255, 255, 255}};
        for (int i = 0; i < 10; ++i) {
            c.table[i] = PALETTEENTRY{first[i][0], first[i][1], first[i][2], 0};
            c.table[246 + i] = PALETTEENTRY{last[i][0], last[i][1], last[i][2], 0};
        }
        // 236 colours between: a 6 x 6 x 6 cube, then greys.
        int index = 10;
        for (int r = 0; r < 6; ++r) {
            for (int g = 0; g < 6; ++g) {
                for (int b = 0; b < 6; ++b)
                    c.table[index++] = PALETTEENTRY{BYTE(r * 51), BYTE(g * 51), BYTE(b * 51), 0};
            }
        }
        for (int grey = 1; index < 246; ++grey, ++index)
            c.table[index] = PALETTEENTRY{BYTE(grey * 12), BYTE(grey * 12), BYTE(grey * 12), 0};
        const BYTE bright[8][3] = {{128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                   {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
        for (int i = 0; i < 8; ++i)
            c.brightEight[i] = PALETTEENTRY{bright[i][0], bright[i][1], bright[i][2], 0};
        return c;
    }();
    return colors;
}

// A logical palette of up to 256 entries on the stack.
struct LogPalette256 {
    WORD version = 0x300;
    WORD count = 0;
    PALETTEENTRY entries[256]{};

    const LOGPALETTE* Get() const { return reinterpret_cast<const LOGPALETTE*>(this); }
};
static_assert(offsetof(LogPalette256, entries) == offsetof(LOGPALETTE, palPalEntry), "LOGPALETTE layout");

// The screen's device context for as long as the scope lasts.
class ScreenDC {
public:
    ScreenDC() : m_dc(::GetDC(nullptr)) {}
    ~ScreenDC()
    {
        if (m_dc)
            ::ReleaseDC(nullptr, m_dc);
    }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    operator HDC() const { return m_dc; }

private:
    HDC m_dc;
};

// Selects a palette (when there is one) into a DC and puts the old one back.
class PaletteSelection {
public:
    PaletteSelection(HDC dc, HPALETTE palette) : m_dc(dc)
    {
        if (palette) {
            m_old = ::SelectPalette(dc, palette, FALSE);
            ::RealizePalette(dc);
        }
    }
    ~PaletteSelection()
    {
        if (m_old)
            ::SelectPalette(m_dc, m_old, FALSE);
    }
    PaletteSelection(const PaletteSelection&) = delete;
    PaletteSelection& operator=(const PaletteSelection&) = delete;

private:
    HDC m_dc;
    HPALETTE m_old = nullptr;
};

// A memory DC with a bitmap selected, put back when the scope ends.
class MemoryDC {
public:
    MemoryDC(HDC reference, HBITMAP bitmap) : m_dc(::CreateCompatibleDC(reference))
    {
        if (m_dc)
            m_old = ::SelectObject(m_dc, bitmap);
    }
    ~MemoryDC()
    {
        if (!m_dc)
            return;
        if (m_old)
            ::SelectObject(m_dc, m_old);
        ::DeleteDC(m_dc);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    operator HDC() const { return m_dc; }

private:
    HDC m_dc;
    HGDIOBJ m_old = nullptr;
};

} // namespace

CDIBSectionLite::~CDIBSectionLite()
{
    DeleteObject();
}

int CDIBSectionLite::ColorEntriesFor(int bits, DWORD compression)
{
    switch (bits) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    case 16:
    case 32: return compression == BI_BITFIELDS ? 3 : 0;
    default: return 0;
    }
}

DWORD CDIBSectionLite::BytesPerRow(int width, int bits)
{
    return ((static_cast<DWORD>(width) * static_cast<DWORD>(bits) + 31) & ~31u) / 8;
}

void CDIBSectionLite::DeleteObject()
{
    m_bitmap.DeleteObject();
    m_palette.DeleteObject();
    m_bits = nullptr;
    m_info = Info{};
    m_colorCount = 0;
    m_colorUsage = DIB_RGB_COLORS;
}

bool CDIBSectionLite::LoadResourceId(UINT id)
{
    return LoadResource(MAKEINTRESOURCEW(id));
}

bool CDIBSectionLite::LoadResource(LPCWSTR name)
{
    const HBITMAP loaded =
        static_cast<HBITMAP>(::LoadImageW(AfxGetResourceHandle(), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!loaded) {
        DeleteObject();
        return false;
    }
    CBitmap owner;
    owner.Attach(loaded);   // deleted when the copy is made, whatever its outcome
    return SetBitmap(loaded, nullptr);
}

bool CDIBSectionLite::SetBitmap(HBITMAP bitmap, HPALETTE palette)
{
    DeleteObject();
    BITMAP source{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof source, &source))
        return false;

    const int bits = source.bmPlanes * source.bmBitsPixel;
    const int height = std::abs(source.bmHeight);
    BITMAPINFOHEADER& header = m_info.header;
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = source.bmWidth;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bits);
    header.biCompression = BI_RGB;
    m_colorCount = ColorEntriesFor(bits, BI_RGB);
    header.biClrUsed = static_cast<DWORD>(m_colorCount);
    header.biSizeImage = BytesPerRow(source.bmWidth, bits) * static_cast<DWORD>(height);

    ScreenDC screen;
    if (!screen)
        return false;
    if (m_colorCount > 0) {
        // Reads the source's colour table; the header is put back as it was made above.
        const BITMAPINFOHEADER made = header;
        ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), nullptr,
                    reinterpret_cast<BITMAPINFO*>(&m_info), DIB_RGB_COLORS);
        header = made;
    }

    if (palette ? !SetPalette(palette) : !CreatePaletteFromImage())
        m_palette.DeleteObject();   // no palette: the copy is made without one

    void* pixels = nullptr;
    HBITMAP section = nullptr;
    {
        PaletteSelection selected(screen, GetPalette());
        section = ::CreateDIBSection(screen, reinterpret_cast<const BITMAPINFO*>(&m_info), m_colorUsage, &pixels,
                                     nullptr, 0);
    }
    if (!section) {
        DeleteObject();
        return false;
    }
    m_bitmap.Attach(section);
    m_bits = pixels;

    MemoryDC from(screen, bitmap);
    MemoryDC to(screen, section);
    if (!from || !to) {
        DeleteObject();
        return false;
    }
    PaletteSelection fromPalette(from, GetPalette());
    PaletteSelection toPalette(to, GetPalette());
    ::GdiFlush();
    ::BitBlt(to, 0, 0, source.bmWidth, height, from, 0, 0, SRCCOPY);
    ::GdiFlush();
    return true;
}

bool CDIBSectionLite::CreatePaletteFromImage()
{
    if (m_colorCount == 0)
        return CreateDefaultPalette(256);
    LogPalette256 palette;
    palette.count = static_cast<WORD>(m_colorCount);
    for (int i = 0; i < m_colorCount; ++i) {
        const RGBQUAD& c = m_info.colors[i];
        palette.entries[i] = PALETTEENTRY{c.rgbRed, c.rgbGreen, c.rgbBlue, 0};
    }
    const HPALETTE made = ::CreatePalette(palette.Get());
    if (!made)
        return CreateDefaultPalette(m_colorCount);
    m_palette.DeleteObject();
    return m_palette.Attach(made) != FALSE;
}

bool CDIBSectionLite::CreateDefaultPalette(int entries)
{
    if (entries < 1 || entries > 256)
        entries = 256;
    const SystemColors& system = TheSystemColors();
    LogPalette256 palette;
    if (entries <= 2) {
        palette.count = 2;
        palette.entries[0] = system.table[0];
        palette.entries[1] = system.table[255];
    } else if (entries <= 16) {
        palette.count = 16;
        std::copy_n(system.table, 8, palette.entries);
        std::copy_n(system.brightEight, 8, palette.entries + 8);
    } else {
        palette.count = 256;
        std::copy_n(system.table, 256, palette.entries);
    }
    const HPALETTE made = ::CreatePalette(palette.Get());
    if (!made)
        return false;
    m_palette.DeleteObject();
    return m_palette.Attach(made) != FALSE;
}

bool CDIBSectionLite::SetLogPalette(const LOGPALETTE* palette)
{
    if (!palette || palette->palNumEntries == 0)
        return false;
    const int count = std::min<int>(palette->palNumEntries, 256);
    for (int i = 0; i < count && i < m_colorCount; ++i) {
        const PALETTEENTRY& e = palette->palPalEntry[i];
        m_info.colors[i] = RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0};
    }
    const HPALETTE made = ::CreatePalette(palette);
    if (!made)
        return false;
    m_palette.DeleteObject();
    return m_palette.Attach(made) != FALSE;
}

bool CDIBSectionLite::SetPalette(HPALETTE palette)
{
    if (!palette)
        return false;
    LogPalette256 copy;
    copy.count = static_cast<WORD>(std::min<UINT>(::GetPaletteEntries(palette, 0, 0, nullptr), 256));
    if (copy.count == 0 || ::GetPaletteEntries(palette, 0, copy.count, copy.entries) != copy.count)
        return false;
    return SetLogPalette(copy.Get());
}

void CDIBSectionLite::MakeFileParts(FileParts& parts) const
{
    static_assert(sizeof(BITMAPFILEHEADER) == 14, "the file header is written as it lies in memory");
    const DWORD colorBytes = static_cast<DWORD>(m_colorCount) * sizeof(RGBQUAD);
    const DWORD imageSize = m_info.header.biSizeImage;
    parts.file.bfType = 0x4D42;   // "BM"
    parts.file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + colorBytes;
    parts.file.bfSize = parts.file.bfOffBits + imageSize;
    parts.parts[0] = {&parts.file, sizeof parts.file};
    parts.parts[1] = {&m_info.header, sizeof m_info.header};
    parts.parts[2] = {m_info.colors, colorBytes};
    parts.parts[3] = {m_bits, imageSize};
}

bool CDIBSectionLite::Save(LPCWSTR fileName) const
{
    if (!fileName || IsEmpty() || !m_bits)
        return false;
    FileParts parts;
    MakeFileParts(parts);

    CFile out;
    if (!out.Open(fileName, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite))
        return false;
    ::GdiFlush();   // the section's bits are complete before they are read
    for (const FileBytesPart& part : parts.parts) {
        if (part.size != 0 && !out.Write(part.data, part.size))
            return false;
    }
    return true;
}

bool CDIBSectionLite::SaveUnlessSame(LPCWSTR fileName) const
{
    if (!fileName || IsEmpty() || !m_bits)
        return false;
    FileParts parts;
    MakeFileParts(parts);
    ::GdiFlush();
    if (FileHoldsBytes(fileName, parts.parts, std::size(parts.parts)))
        return true;
    return Save(fileName);
}
