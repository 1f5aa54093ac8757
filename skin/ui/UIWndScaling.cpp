#include "skin/ui/UIWndScaling.h"

#include "skin/ui/UIWndPrivate.h"

#include <algorithm>
#include <climits>

namespace Vexel {
namespace {

// An integer variable scaled in place; one that holds no integer is left as it is.
template <class Scale>
void ScaleInteger(UIWNDPROPERTIES& window, int index, Scale scale)
{
    constexpr int kNoInteger = INT_MIN;
    const int value = record_read::Int(window, index, kNoInteger);
    if (value != kNoInteger)
        window.GetVar(index).SetInt(scale(value));
}

} // namespace

void ScaleWindowLengths(UIWNDPROPERTIES& window, const DpiPair& dpi)
{
    if (!dpi.HasBoth())
        return;
    const int count = window.GetVarCount();
    for (int i = 0; i < count; ++i) {
        PropertyValue& var = window.GetVar(i);
        if (var.Kind() == ValueKind::Rect)
            var.SetRect(ScaleRect(var.GetRect(), dpi));
        else if (var.Kind() == ValueKind::Point)
            var.SetPoint(ScalePoint(var.GetPoint(), dpi));
    }
    // A title band of -1 (the whole client) or 0 (none) is no length.
    ScaleInteger(window, UiWndVar::TitleBarHeight, [&](int v) { return v > 0 ? ScaleY(v, dpi) : v; });
    // A repeat strip stays at least one pixel wide, however small the screen.
    ScaleInteger(window, UiWndVar::XRepeatPixel, [&](int v) { return v >= 1 ? std::max(1, ScaleX(v, dpi)) : v; });
    ScaleInteger(window, UiWndVar::YRepeatPixel, [&](int v) { return v >= 1 ? std::max(1, ScaleY(v, dpi)) : v; });
}

} // namespace Vexel
