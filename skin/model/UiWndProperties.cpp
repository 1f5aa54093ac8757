#include "skin/model/UiWndProperties.h"

namespace Vexel {

using namespace records;

namespace {

// Not 8 + 128 x 66: the size the window record has always stated, its
// control list included. GetVarCount answers 66 by the type name.
constexpr int kUiWndRecordSize = 8480;

constexpr VarRow kUiWndRows[] = {
    //   #   XML element                 attribute        legacy key          kind / initial            group                 display name
    Var(43, L"IsNoActivate", nullptr, nullptr, Bool(false), L"General", L"No Activate")
        .Describe(L"Specifies that the window does not activate when the user clicks it."),
    Var(44, L"IsAppWindow", nullptr, nullptr, Bool(true), nullptr, L"Application Window")
        .Describe(L"Specifies that the window, when visible, will have an entry in the taskbar."),
    Var(45, L"IsLayeredWindow", nullptr, nullptr, Bool(true), nullptr, L"Layered Window")
        .Describe(L"Specifies that the window is a layered window."),
    Var(46, L"IsAlpha", nullptr, nullptr, Bool(false), nullptr, L"Alpha")
        .Describe(L"Use Alpha to determine the opacity of the layered window."),
    Var(47, L"Alpha", nullptr, nullptr, Int(255), nullptr, L"Alpha Value").Range(0, 255)
        .Describe(L"Alpha value used to describe the opacity of the layered window.When Alpha is 0, "
                  L"the window is completely transparent. When Alpha is 255, the window is opaque."),
    Var(48, L"IsUpdateLayeredWindow", nullptr, nullptr, Bool(false), nullptr, L"UpdateLayeredWindow")
        .Describe(L"Call 'UpdateLayeredWindow' to draw layered window."),
    Var(49, L"AlphaFormat", nullptr, nullptr, Enum(ValueKind::AlphaFormat, 1), nullptr, L"Alpha Format"),
    Var(50, L"IsTopmost", nullptr, nullptr, Bool(false), nullptr, L"Topmost")
        .Describe(L"Specifies that the window will take z-order precedence over all non-topmost windows."),
    Var(51, L"IsAcceptFiles", nullptr, nullptr, Bool(false), nullptr, L"Accept Files"),
    Var(52, L"IsToolWindow", nullptr, nullptr, Bool(false), nullptr, L"Tool Window"),
    Var(53, L"TitleBarHeight", nullptr, L"TitleBarHeight", Int(0), nullptr, L"Title Bar Height").Range(-1, 7680),
    Var(54, L"Tag", nullptr, nullptr, Text(), nullptr, L"Tag"),
    Var(55, L"BackgroundHide", L"RelativePath", nullptr, Image(), L"Background Images", L"No Controls"),
    Var(56, L"IsUseMaskColor", nullptr, L"IsUseMaskColor", Bool(false), L"Mask Color", L"Use Mask Color"),
    Var(57, L"MaskColor", nullptr, L"MaskColor", Color(0xFF00FF), nullptr, L"Mask Color").NoDefault().Superseded(),
    Var(58, L"MaskColorResID", nullptr, nullptr, ColorRes(), nullptr, L"Mask Color ID"),
    Var(59, L"IsResizing", nullptr, L"IsResizing", Bool(false), L"Resize", L"Resize"),
    Var(60, L"IsResizingBorder", nullptr, nullptr, Bool(false), nullptr, L"Resizing Border"),
    Var(61, L"ResizingPoint", nullptr, L"ResizingPoint", Point(0, 0), nullptr, L"Resize Point").Range(0, 1920),
    Var(62, L"XRepeatPixel", nullptr, nullptr, Int(1), nullptr, L"X Repeat Pixel").Range(1, 3840),
    Var(63, L"YRepeatPixel", nullptr, nullptr, Int(1), nullptr, L"Y Repeat Pixel").Range(1, 3840),
    Var(64, L"WindowType", nullptr, L"WindowType", Enum(ValueKind::WindowType, 0), L"General", L"Window Type").Flag1(),
    Var(65, L"ClientArea", nullptr, nullptr, Rect(0, 0, 0, 0), nullptr, L"Client Area").Range(-3840, 3840),
};

// A window keeps its id, clip flags, layout modes, four background images
// and resize mode of the base; its extent is neither read nor written.
constexpr VarChange kUiWndChanges[] = {
    DisableFont(false),
    DisableColor(false),
    Span(4, 6).Off(),
    Span(11, 14).Off(),
    At(20).Off(),                   // the window has its own ResizingPoint (61)
    At(3).NotSaved(),               // editorFlag2 is already clear: switched off
    At(15).Group(L"Background Images"),
};

constexpr RecordLayout kUiWndLayout =
    Layout(&CTRLPROPERTIES::kLayout, kUiWndRecordSize, UiWndVar::Count, L"UIWND", kUiWndRows, kUiWndChanges);
static_assert(IsWellFormed(kUiWndLayout, kUiWndRecordSize), "window record table");

} // namespace

const RecordLayout UIWNDPROPERTIES::kLayout = kUiWndLayout;

UIWNDPROPERTIES::UIWNDPROPERTIES() : CTRLPROPERTIES(kLayout)
{
}

UIWNDPROPERTIES::~UIWNDPROPERTIES() = default;

UIWNDPROPERTIES::UIWNDPROPERTIES(const UIWNDPROPERTIES& source) : CTRLPROPERTIES(kLayout)
{
    CopyVariablesFrom(source);
    m_controls = source.m_controls;
}

UIWNDPROPERTIES& UIWNDPROPERTIES::operator=(const UIWNDPROPERTIES& source)
{
    if (&source != this) {
        CopyVariablesFrom(source);
        m_controls = source.m_controls;
    }
    return *this;
}

} // namespace Vexel
