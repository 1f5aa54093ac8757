#include "windows/history/CallTypeImages.h"

#include "skin/ui/BitmapFiles.h"

namespace {

constexpr LPCWSTR kFiles[] = {L"Calllog1.bmp", L"Calllog2.bmp", L"Calllog3.bmp", L"Calllog4.bmp"};

// The index into kFiles of a call type's image.
int ImageIndex(int callType)
{
    switch (callType) {
    case 2:
        return 1;
    case 3:
        return 3;
    case 4:
        return 2;
    default:
        return 0;
    }
}

} // namespace

LPCWSTR CallTypeImageFile(int callType)
{
    return kFiles[ImageIndex(callType)];
}

void CallTypeImages::Load(const CString& folder)
{
    for (int i = 0; i < kImages; ++i)
        Vexel::HandBitmap(m_images[i], Vexel::LoadBitmapFromFile(folder + kFiles[i]));
}

HBITMAP CallTypeImages::For(int callType) const
{
    return m_images[ImageIndex(callType)];
}
