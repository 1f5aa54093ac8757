#include "skin/ui/SkinColors.h"

#include "skin/model/SkinGlobals.h"

namespace Vexel {
namespace {

// One state's variables: its same-as-Normal switch and its COLOR resource id.
struct StateColor {
    int sameAsNormal;
    int colorRes;
};

// Highlight, Selected and Disabled, then the checked states of check boxes and radios.
constexpr StateColor kStateColors[] = {
    {CtrlVar::IsHSameNColor, CtrlVar::ColorResH},
    {CtrlVar::IsSSameNColor, CtrlVar::ColorResS},
    {CtrlVar::IsDSameNColor, CtrlVar::ColorResD},
    {ToggleBtnVar::IsCNSameNColor, ToggleBtnVar::ColorResCN},
    {ToggleBtnVar::IsCHSameNColor, ToggleBtnVar::ColorResCH},
    {ToggleBtnVar::IsCSSameNColor, ToggleBtnVar::ColorResCS},
    {ToggleBtnVar::IsCDSameNColor, ToggleBtnVar::ColorResCD},
};

// The colour of a COLOR resource, or `absent` when the id names none.
COLORREF ColorOr(const PropertyValue& id, COLORREF absent)
{
    COLORREF color = absent;
    g_skinStore.GetColorByID(id.GetString(), &color);
    return color;
}

} // namespace

int GetColorFromID(LPCWSTR id, COLORREF fallback, COLORREF* out, BOOL sameAsNormal)
{
    if (!out)
        return -1;
    if (sameAsNormal) {
        *out = fallback;
        return 0;
    }
    if (!id)
        return -2;
    COLORREF color = fallback;
    g_skinStore.GetColorByID(id, &color);
    *out = color;
    return 0;
}

int GetFourStateColors(const CTRLPROPERTIES* record, COLORREF* normal, COLORREF* highlight, COLORREF* selected,
                       COLORREF* disabled)
{
    if (!record || !normal)
        return -1;
    *normal = ColorOr(record->GetVar(CtrlVar::ColorResN), RGB(0, 0, 0));
    COLORREF* const slots[] = {highlight, selected, disabled};
    for (int i = 0; i < 3; ++i) {
        if (!slots[i])
            continue;
        *slots[i] = record->GetVar(kStateColors[i].sameAsNormal).GetBool()
            ? *normal
            : ColorOr(record->GetVar(kStateColors[i].colorRes), RGB(0, 0, 0));
    }
    return 0;
}

int GetEightStateColors(const TOGGLEBTNPROPERTIES* record, COLORREF* normal, COLORREF* highlight, COLORREF* selected,
                        COLORREF* disabled, COLORREF* checkedNormal, COLORREF* checkedHighlight,
                        COLORREF* checkedSelected, COLORREF* checkedDisabled)
{
    if (!record)
        return -1;
    const COLORREF normalColor = ColorOr(record->GetVar(CtrlVar::ColorResN), RGB(0, 0, 0));
    if (normal)
        *normal = normalColor;
    COLORREF* const slots[] = {highlight,        selected,        disabled,       checkedNormal,
                               checkedHighlight, checkedSelected, checkedDisabled};
    for (int i = 0; i < 7; ++i) {
        GetColorFromID(record->GetVar(kStateColors[i].colorRes).GetString(), normalColor, slots[i],
                       record->GetVar(kStateColors[i].sameAsNormal).GetBool());
    }
    return 0;
}

} // namespace Vexel
