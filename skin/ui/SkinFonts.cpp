#include "skin/ui/SkinFonts.h"

#include "skin/model/ResourceProperties.h"
#include "skin/model/StandardFont.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/DpiScaling.h"

namespace Vexel {
namespace {

// One state's variables: its same-as-Normal switch and its FONT resource id.
struct StateFont {
    int sameAsNormal;
    int fontRes;
};

// Highlight, Selected and Disabled, then the checked states of check boxes and radios.
enum { kHighlight, kSelected, kDisabled };
constexpr StateFont kStateFonts[] = {
    {CtrlVar::IsHSameNFont, CtrlVar::FontResH},
    {CtrlVar::IsSSameNFont, CtrlVar::FontResS},
    {CtrlVar::IsDSameNFont, CtrlVar::FontResD},
    {ToggleBtnVar::IsCNSameNFont, ToggleBtnVar::FontResCN},
    {ToggleBtnVar::IsCHSameNFont, ToggleBtnVar::FontResCH},
    {ToggleBtnVar::IsCSSameNFont, ToggleBtnVar::FontResCS},
    {ToggleBtnVar::IsCDSameNFont, ToggleBtnVar::FontResCD},
};

// A font of the skin as the screen shows it: its height scaled by the factor of the images.
LOGFONTW OnScreen(LOGFONTW font)
{
    ScaleFontHeightToDpi(font);
    return font;
}

LOGFONTW FontOrDefault(const PropertyValue& id)
{
    LOGFONTW font = DefaultSkinFont();
    FindSkinFont(id.GetString(), font);
    return OnScreen(font);
}

void MakeFont(const LOGFONTW& font, CFont* slot)
{
    if (!slot)
        return;
    if (!slot->CreateFontIndirect(&font))
        slot->DeleteObject();
}

// Normal, then each further state from its own resource or, with its switch on, from
// Normal's; an unknown id gives DefaultSkinFont.
int CreateStateFonts(const CTRLPROPERTIES* record, CFont* normal, const StateFont* states, CFont* const* slots,
                     int count)
{
    if (!record)
        return -1;
    const LOGFONTW normalFont = FontOrDefault(record->GetVar(CtrlVar::FontResN));
    MakeFont(normalFont, normal);
    for (int i = 0; i < count; ++i) {
        if (!slots[i])
            continue;
        if (record->GetVar(states[i].sameAsNormal).GetBool())
            MakeFont(normalFont, slots[i]);
        else
            MakeFont(FontOrDefault(record->GetVar(states[i].fontRes)), slots[i]);
    }
    return 0;
}

} // namespace

const LOGFONTW& DefaultSkinFont()
{
    return GetStandardFont();
}

bool FindSkinFont(LPCWSTR id, LOGFONTW& font)
{
    const CTRLPROPERTIES* resource = id ? g_skinStore.FindResourceByID(kFontResource, id) : nullptr;
    if (!resource)
        return false;
    resource->GetVar(ResourceVar::Value).GetLogFont(font);
    return true;
}

int CreateFontFromProperty(const CTRLPROPERTIES* record, CFont* normal)
{
    return CreateStateFonts(record, normal, nullptr, nullptr, 0);
}

int CreateTwoStateFonts(const CTRLPROPERTIES* record, CFont* normal, CFont* disabled)
{
    CFont* const slots[] = {disabled};
    return CreateStateFonts(record, normal, &kStateFonts[kDisabled], slots, 1);
}

int CreateFourStateFonts(const CTRLPROPERTIES* record, CFont* normal, CFont* highlight, CFont* selected,
                         CFont* disabled)
{
    CFont* const slots[] = {highlight, selected, disabled};
    return CreateStateFonts(record, normal, &kStateFonts[kHighlight], slots, 3);
}

int CreateEightStateFonts(const TOGGLEBTNPROPERTIES* record, CFont* normal, CFont* highlight, CFont* selected,
                          CFont* disabled, CFont* checkedNormal, CFont* checkedHighlight, CFont* checkedSelected,
                          CFont* checkedDisabled)
{
    if (!record)
        return -1;
    // The Normal font as made is the others' fallback.
    const LOGFONTW normalFont = FontOrDefault(record->GetVar(CtrlVar::FontResN));
    MakeFont(normalFont, normal);
    CFont* const slots[] = {highlight,        selected,        disabled,       checkedNormal,
                            checkedHighlight, checkedSelected, checkedDisabled};
    for (int i = 0; i < 7; ++i) {
        if (!slots[i])
            continue;
        CreateFontFromID(record->GetVar(kStateFonts[i].fontRes).GetString(), &normalFont, slots[i],
                         record->GetVar(kStateFonts[i].sameAsNormal).GetBool());
    }
    return 0;
}

int CreateFontFromID(LPCWSTR id, const LOGFONTW* fallback, CFont* out, BOOL sameAsNormal)
{
    if (!out)
        return -1;
    if (!fallback)
        return -2;
    if (sameAsNormal) {
        MakeFont(*fallback, out);
        return 0;
    }
    if (!id) {
        out->DeleteObject();
        return -3;
    }
    LOGFONTW font = *fallback;
    if (FindSkinFont(id, font))
        font = OnScreen(font);
    MakeFont(font, out);
    return 0;
}

int CopyFont(const CFont* source, CFont* target)
{
    if (!source)
        return -1;
    if (!target)
        return -2;
    LOGFONTW font = {};
    if (source->GetLogFont(&font) <= 0)
        return -3;
    const HFONT made = ::CreateFontIndirectW(&font);
    if (!made)
        return -4;
    if (!target->Attach(made)) {
        ::DeleteObject(made);
        return -5;
    }
    return 0;
}

} // namespace Vexel
