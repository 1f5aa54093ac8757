#pragma once
// CDIBSectionLite: one device-independent bitmap held as a GDI DIB section with its colour
// table and a palette, loaded from the program's bitmap resources and saved as a .bmp file.
// Start-up reuses one object to write every skin bitmap out of the program.
#include "core/SameFileBytes.h"
#include "framework/Gdi.h"
#include "framework/Object.h"

#include <windows.h>

class CDIBSectionLite : public CObject {
public:
    CDIBSectionLite() = default;
    ~CDIBSectionLite() override;
    CDIBSectionLite(const CDIBSectionLite&) = delete;
    CDIBSectionLite& operator=(const CDIBSectionLite&) = delete;

    // Loads the bitmap resource of that id (or name) from the program's resources; false,
    // with the image empty, when there is none or it cannot be copied.
    bool LoadResourceId(UINT id);
    bool LoadResource(LPCWSTR name);
    // Replaces the image with a copy of any bitmap; `palette` (may be null) is used for the
    // copy, otherwise one is made from the image's own colours.
    bool SetBitmap(HBITMAP bitmap, HPALETTE palette);
    // Writes the image as a .bmp file (file header, info header, colour table, pixels),
    // creating or truncating it. False for an empty image, a null name, or a file that
    // cannot be created or fully written; nothing here throws.
    bool Save(LPCWSTR fileName) const;
    // Save, unless the file already holds exactly those bytes: then it is left untouched.
    bool SaveUnlessSame(LPCWSTR fileName) const;
    // Empties the image: the section, its colour table and the palette go.
    void DeleteObject();

    bool IsEmpty() const { return m_bitmap.GetSafeHandle() == nullptr; }
    HBITMAP GetSafeHandle() const { return static_cast<HBITMAP>(m_bitmap.GetSafeHandle()); }
    int GetWidth() const { return m_info.header.biWidth; }
    int GetHeight() const { return m_info.header.biHeight; }
    int GetBitCount() const { return m_info.header.biBitCount; }
    // Entries of the colour table in use (0 for 24 bits per pixel).
    int GetColorCount() const { return m_colorCount; }
    HPALETTE GetPalette() const { return static_cast<HPALETTE>(m_palette.GetSafeHandle()); }

    // The entries a colour table of `bits` per pixel holds: 2, 16 or 256 for 1, 4 and 8
    // bits, 3 for 16 and 32 bits only with BI_BITFIELDS, else 0.
    static int ColorEntriesFor(int bits, DWORD compression);
    static DWORD BytesPerRow(int width, int bits);

private:
    // The .bmp file as four runs: file header, info header, colour table, pixels.
    struct FileParts {
        BITMAPFILEHEADER file{};
        FileBytesPart parts[4];
    };
    void MakeFileParts(FileParts& parts) const;

    bool CreatePaletteFromImage();
    bool CreateDefaultPalette(int entries);
    // Takes a logical palette's colours as the image's colour table too.
    bool SetLogPalette(const LOGPALETTE* palette);
    bool SetPalette(HPALETTE palette);

    struct Info {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    };

    CBitmap m_bitmap;        // the DIB section
    Info m_info{};
    void* m_bits = nullptr;  // owned by the section
    UINT m_colorUsage = DIB_RGB_COLORS;
    int m_colorCount = 0;
    CGdiObject m_palette;
};
