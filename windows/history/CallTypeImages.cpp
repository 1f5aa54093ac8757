#include "windows/history/CallTypeImages.h"

#include "skin/ui/SkinImageStore.h"

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
        m_images[i] = Vexel::SharedFileImage(folder + kFiles[i], false);
}

HBITMAP CallTypeImages::For(int callType) const
{
    return m_images[ImageIndex(callType)];
}
