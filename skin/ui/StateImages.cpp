#include "skin/ui/StateImages.h"

#include "skin/model/SkinGlobals.h"
#include "skin/ui/BitmapCopies.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DpiScaling.h"
#include "skin/ui/SkinImageStore.h"

namespace Vexel {
namespace {

// Cuts `count` equal parts side by side out of the strip; part i starts at i * W / count.
void CutStrip(HBITMAP strip, int count, CBitmap* states)
{
    SIZE size;
    if (GetBitmapSize(strip, size) != 0)
        return;
    const int part = size.cx / count;
    for (int i = 0; i < count; ++i)
        CropBitmapXYWH(i * size.cx / count, 0, part, size.cy, strip, &states[i]);
}

} // namespace

CString SkinImagePath(const PropertyValue& relativePath)
{
    return g_skinStore.GetSkinFolder() + relativePath.GetString();
}

void LoadSkinImage(const PropertyValue& relativePath, CBitmap& image)
{
    HandBitmap(image, LoadBitmapFromFile(SkinImagePath(relativePath)));
    if (image.GetSafeHandle())
        ScaleBitmapToDpiInPlace(image);
}

void LoadSkinImage(const PropertyValue& relativePath, SharedBitmap& image)
{
    image = SharedFileImage(SkinImagePath(relativePath), true);
}

int LoadStateImages(const CTRLPROPERTIES* record, const StateImageVars& vars, CBitmap* const* slots)
{
    if (!record)
        return -1;
    if (vars.specified != StateImageVars::kNone && !record->GetVar(vars.specified).GetBool())
        return -1;

    CBitmap states[8];
    if (record->GetVar(vars.combine).GetBool()) {
        CBitmap strip;
        LoadSkinImage(record->GetVar(vars.combined), strip);
        if (strip.GetSafeHandle())
            CutStrip(strip, vars.count, states);
    } else {
        for (int i = 0; i < vars.count; ++i)
            LoadSkinImage(record->GetVar(vars.files[i]), states[i]);
    }

    for (int i = 0; i < vars.count; ++i) {
        if (slots[i])
            HandBitmap(*slots[i], static_cast<HBITMAP>(states[i].Detach()));
    }
    return 0;
}

int LoadStateImages(const CTRLPROPERTIES* record, const StateImageVars& vars, SharedBitmap* const* slots)
{
    if (!record)
        return -1;
    if (vars.specified != StateImageVars::kNone && !record->GetVar(vars.specified).GetBool())
        return -1;

    SharedBitmap states[8];
    if (record->GetVar(vars.combine).GetBool()) {
        SharedFileImageParts(SkinImagePath(record->GetVar(vars.combined)), true, vars.count, states);
    } else {
        for (int i = 0; i < vars.count; ++i)
            LoadSkinImage(record->GetVar(vars.files[i]), states[i]);
    }

    for (int i = 0; i < vars.count; ++i) {
        if (slots[i])
            *slots[i] = states[i];
    }
    return 0;
}

} // namespace Vexel
