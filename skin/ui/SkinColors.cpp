#include "skin/ui/SkinColors.h"

#include "skin/model/SkinGlobals.h"

namespace Vexel {
namespace {

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
    const struct {
        COLORREF* slot;
        int sameAsNormal;
        int colorRes;
    } states[] = {
        {highlight, CtrlVar::IsHSameNColor, CtrlVar::ColorResH},
        {selected, CtrlVar::IsSSameNColor, CtrlVar::ColorResS},
        {disabled, CtrlVar::IsDSameNColor, CtrlVar::ColorResD},
    };
    for (const auto& state : states) {
        if (!state.slot)
            continue;
        *state.slot = record->GetVar(state.sameAsNormal).GetBool()
            ? *normal
            : ColorOr(record->GetVar(state.colorRes), RGB(0, 0, 0));
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
    const struct {
        COLORREF* slot;
        int sameAsNormal;
        int colorRes;
    } states[] = {
        {highlight, CtrlVar::IsHSameNColor, CtrlVar::ColorResH},
        {selected, CtrlVar::IsSSameNColor, CtrlVar::ColorResS},
        {disabled, CtrlVar::IsDSameNColor, CtrlVar::ColorResD},
        {checkedNormal, ToggleBtnVar::IsCNSameNColor, ToggleBtnVar::ColorResCN},
        {checkedHighlight, ToggleBtnVar::IsCHSameNColor, ToggleBtnVar::ColorResCH},
        {checkedSelected, ToggleBtnVar::IsCSSameNColor, ToggleBtnVar::ColorResCS},
        {checkedDisabled, ToggleBtnVar::IsCDSameNColor, ToggleBtnVar::ColorResCD},
    };
    for (const auto& state : states) {
        GetColorFromID(record->GetVar(state.colorRes).GetString(), normalColor, state.slot,
                       record->GetVar(state.sameAsNormal).GetBool());
    }
    return 0;
}

} // namespace Vexel
