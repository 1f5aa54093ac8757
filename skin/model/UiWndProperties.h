#pragma once
// UIWNDPROPERTIES: the record of one skinned window (the skin file's Window
// element, type name "UIWND"): 66 variables and the window's control list.
#include "skin/model/CtrlProperties.h"

#include <vector>

namespace Vexel {

// Indices of the window record's own variables.
namespace UiWndVar {
enum : int {
    IsNoActivate = 43,
    IsAppWindow = 44,
    IsLayeredWindow = 45,
    IsAlpha = 46,
    Alpha = 47,
    IsUpdateLayeredWindow = 48,
    AlphaFormat = 49,
    IsTopmost = 50,
    IsAcceptFiles = 51,
    IsToolWindow = 52,
    TitleBarHeight = 53,
    Tag = 54,
    BackgroundHide = 55,
    IsUseMaskColor = 56,
    MaskColor = 57,
    MaskColorResID = 58,
    IsResizing = 59,
    IsResizingBorder = 60,
    ResizingPoint = 61,
    XRepeatPixel = 62,
    YRepeatPixel = 63,
    WindowType = 64,
    ClientArea = 65,
    Count = 66,
};
} // namespace UiWndVar

class UIWNDPROPERTIES : public CTRLPROPERTIES {
public:
    UIWNDPROPERTIES();
    ~UIWNDPROPERTIES() override;

    // A copy holds every variable of the source and the same control
    // pointers (the skin store keeps owning the controls).
    UIWNDPROPERTIES(const UIWNDPROPERTIES& source);
    UIWNDPROPERTIES& operator=(const UIWNDPROPERTIES& source);

    // The window's controls in the order they were read. The list does not
    // own them: the skin store deletes them before it deletes the window.
    std::vector<CTRLPROPERTIES*>& Controls() noexcept { return m_controls; }
    const std::vector<CTRLPROPERTIES*>& Controls() const noexcept { return m_controls; }

    static const RecordLayout kLayout;

private:
    std::vector<CTRLPROPERTIES*> m_controls;
};

} // namespace Vexel
