#include "skin/ui/BitmapFiles.h"

#include "framework/ResourceModule.h"
#include "skin/ui/BitmapFileCache.h"

namespace Vexel {

HBITMAP LoadBitmapFromFile(LPCWSTR path)
{
    return MakeBitmapFromKeptFile(path);
}

HICON LoadIconFromFile(LPCWSTR path)
{
    if (!path)
        return nullptr;
    return static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), path, IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
}

HBITMAP LoadBitmapResource(WORD id)
{
    return ::LoadBitmapW(AfxGetResourceModule(), MAKEINTRESOURCEW(id));
}

int GetBitmapSize(HBITMAP bitmap, SIZE& size)
{
    if (!bitmap)
        return -1;
    BITMAP info = {};
    if (::GetObjectW(bitmap, sizeof(info), &info) != sizeof(info))
        return -2;
    size.cx = info.bmWidth;
    size.cy = info.bmHeight;
    return 0;
}

void DeleteBitmapHandle(HBITMAP& bitmap)
{
    if (bitmap) {
        ::DeleteObject(bitmap);
        bitmap = nullptr;
    }
}

void HandBitmap(CBitmap& out, HBITMAP made)
{
    if (made)
        out.Attach(made);
    else
        out.DeleteObject();
}

} // namespace Vexel
