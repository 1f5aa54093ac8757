#include "skin/ui/WindowRegions.h"

#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/MaskRegion.h"
#include "skin/ui/SkinImageStore.h"

namespace Vexel {

int SetWindowRegionFromBitmap(HWND window, HBITMAP bitmap, COLORREF mask)
{
    if (!bitmap)
        return -1;

    PixelRows rows;
    {
        WindowDCScope windowDC(window, WindowDCScope::Area::Whole);
        ReadPixelRows(bitmap, windowDC, rows);   // unreadable: no pixel matches
    }
    CRect rect;
    ::GetWindowRect(window, &rect);
    CRgn region;
    if (!CreateMaskRegion(rows, mask, rect.Width(), rect.Height(), region))
        return 0;
    // The window owns the region from here on.
    if (::SetWindowRgn(window, static_cast<HRGN>(region.GetSafeHandle()), TRUE))
        region.Detach();

    const HWND parent = ::GetParent(window);
    if (parent && ::IsWindow(parent))
        ::UpdateWindow(parent);
    return 0;
}

int SetWindowRegionFromFile(HWND window, LPCWSTR path, COLORREF mask)
{
    // Only read: the store's image serves every control with the same mask file.
    const SharedBitmap bitmap = SharedFileImage(path, false);
    if (!bitmap)
        return -1;
    return SetWindowRegionFromBitmap(window, bitmap, mask);
}

} // namespace Vexel
