#include "skin/model/MenuProperties.h"

namespace Vexel {

using namespace records;

namespace {

// The shipped menu style holds exactly these values. Fonts and colours are
// written here, unlike the base record's superseded inline ones.
constexpr VarRow kMenuRows[] = {
    Var(43, L"NormalMenuItem", L"TextColor", nullptr, Color(0), L"Normal Menu Item", L"Text Color"),
    Var(44, L"NormalMenuItem", L"Font", nullptr, Font(), nullptr, L"Font"),
    Var(45, L"NormalMenuItem", L"BackgroundType", nullptr, Enum(ValueKind::BackgroundType, 1), nullptr, L"BackgroundType"),
    Var(46, L"NormalMenuItem", L"BackgroundColor", nullptr, Color(0xF7F8F9), nullptr, L"BackgroundColor"),
    Var(47, L"NormalMenuItem", L"ImageRelativePath", nullptr, Image(), nullptr, L"Image"),
    Var(48, nullptr, nullptr, nullptr, RunTimeColor(), nullptr, nullptr).NoDefault().Off(),
    Var(49, L"NormalMenuItem", L"ResizePoint", nullptr, Point(22, 2), nullptr, L"Resize Point").Range(0, 1920),
    Var(50, L"HighlightMenuItem", L"TextColor", nullptr, Color(0xFFFFFF), L"Highlight Menu Item", L"Text Color"),
    Var(51, L"HighlightMenuItem", L"Font", nullptr, Font(), nullptr, L"Font"),
    Var(52, L"HighlightMenuItem", L"BackgroundType", nullptr, Enum(ValueKind::BackgroundType, 1), nullptr, L"BackgroundType"),
    Var(53, L"HighlightMenuItem", L"BackgroundColor", nullptr, Color(0x6A240A), nullptr, L"BackgroundColor"),
    Var(54, L"HighlightMenuItem", L"ImageRelativePath", nullptr, Image(), nullptr, L"Image"),
    Var(55, nullptr, nullptr, nullptr, RunTimeColor(), nullptr, nullptr).NoDefault().Off(),
    Var(56, L"HighlightMenuItem", L"ResizePoint", nullptr, Point(22, 2), nullptr, L"Resize Point").Range(0, 1920),
    Var(57, L"DisabledMenuItem", L"TextColor", nullptr, Color(0xA6A6A6), L"Disabled Menu Item", L"Text Color"),
    Var(58, L"DisabledMenuItem", L"Font", nullptr, Font(), nullptr, L"Font"),
    Var(59, L"DisabledMenuItem", L"BackgroundType", nullptr, Enum(ValueKind::BackgroundType, 1), nullptr, L"BackgroundType"),
    // The disabled item takes the normal item's background colour (46).
    Var(60, L"DisabledMenuItem", L"BackgroundColor", nullptr, Color(0xF7F8F9), nullptr, L"BackgroundColor"),
    Var(61, L"DisabledMenuItem", L"ImageRelativePath", nullptr, Image(), nullptr, L"Image"),
    Var(62, nullptr, nullptr, nullptr, RunTimeColor(), nullptr, nullptr).NoDefault().Off(),
    Var(63, L"DisabledMenuItem", L"ResizePoint", nullptr, Point(22, 2), nullptr, L"Resize Point").Range(0, 1920),
    Var(64, L"Separator", L"BackgroundType", nullptr, Enum(ValueKind::BackgroundType, 1), L"Separator", L"BackgroundType")
        .NoDefault(),
    Var(65, L"Separator", L"LineColor", nullptr, Color(0xA6A6A6), nullptr, L"LineColor"),
    Var(66, L"Separator", L"LineLeftMargin", nullptr, Int(2), nullptr, L"LineLeftMargin").Range(0, 3840),
    Var(67, L"Separator", L"LineRightMargin", nullptr, Int(2), nullptr, L"LineRightMargin").Range(0, 3840),
    Var(68, L"Separator", L"ImageRelativePath", nullptr, Image(), nullptr, L"Image"),
    Var(69, nullptr, nullptr, nullptr, RunTimeColor(), nullptr, nullptr).NoDefault().Off(),
    Var(70, L"Separator", L"ResizePoint", nullptr, Point(22, 2), nullptr, L"Resize Point").Range(0, 1920),
    Var(71, L"IconArea", L"Width", nullptr, Int(22), L"Icon Area", L"Icon Area Width"),
    Var(72, L"IconArea", L"StartColor", nullptr, Color(0xF7F8F9), nullptr, L"Start Color"),
    Var(73, L"IconArea", L"EndColor", nullptr, Color(0xCCD4D7), nullptr, L"End Color"),
    Var(74, L"MenuBorder", L"Style", nullptr, Enum(ValueKind::MenuBorderStyle, 1), L"Menu Border", L"Style"),
    Var(75, L"MenuBorder", L"FlatBorderColor", nullptr, Color(0x666666), nullptr, L"Flat Border Color"),
    Var(76, L"MenuItemHeight", nullptr, nullptr, Int(23), L"General", L"Menu Item Height"),
};

// Of the base only the ID remains: a menu style has no rectangle or layout.
constexpr VarChange kMenuChanges[] = {
    DisableBackground(false),
    DisableFont(false),
    DisableColor(false),
    Span(CtrlVar::Rect, CtrlVar::VerLayoutMode).Off(),
    At(CtrlVar::ResizingPoint).Off(),
};

constexpr VarRow kMenuBarRows[] = {
    Var(43, L"MenuStyle", nullptr, nullptr, Style(ValueKind::MenuStyleID), L"Menu Style", L"Menu Style"),
};

// The base's images, fonts and colours become the menu bar buttons'; display
// names, kinds, defaults and legacy keys stay the base's.
constexpr VarChange kMenuBarChanges[] = {
    At(CtrlVar::IsTabStop).Off(),
    Span(CtrlVar::IsCanBackgroundChange, CtrlVar::IsSpecifyImages).Off(),
    At(CtrlVar::IsCombineImages).Element(L"IsButtonCombineImages").Group(L"Menu bar Button Background"),
    At(CtrlVar::BkCombine).Element(L"ButtonBkCombine"),
    At(CtrlVar::BackgroundNormal).Element(L"ButtonBkNormal"),
    At(CtrlVar::BackgroundHighlight).Element(L"ButtonBkHighlight"),
    At(CtrlVar::BackgroundSelected).Element(L"ButtonBkSelected"),
    At(CtrlVar::BackgroundDisabled).Element(L"ButtonBkDisabled"),
    At(CtrlVar::FontResN).Element(L"ButtonFontResN").Group(L"Menu bar Button Font(Size)"),
    At(CtrlVar::FontResH).Element(L"ButtonFontResH"),
    At(CtrlVar::FontResS).Element(L"ButtonFontResS"),
    At(CtrlVar::FontResD).Element(L"ButtonFontResD"),
    At(CtrlVar::ColorResN).Element(L"ButtonColorResN").Group(L"Menu bar Button Text Color"),
    At(CtrlVar::ColorResH).Element(L"ButtonColorResH"),
    At(CtrlVar::ColorResS).Element(L"ButtonColorResS"),
    At(CtrlVar::ColorResD).Element(L"ButtonColorResD"),
};

constexpr RecordLayout kMenuLayout = Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(MenuVar::Count), MenuVar::Count,
                                            L"MENU", kMenuRows, kMenuChanges);
static_assert(IsWellFormed(kMenuLayout), "menu style table");

constexpr RecordLayout kMenuBarLayout = Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(MenuBarVar::Count),
                                               MenuBarVar::Count, L"MENUBAR", kMenuBarRows, kMenuBarChanges);
static_assert(IsWellFormed(kMenuBarLayout), "menu bar table");

} // namespace

const RecordLayout MENUPROPERTIES::kLayout = kMenuLayout;
const RecordLayout MENUBARPROPERTIES::kLayout = kMenuBarLayout;

MENUPROPERTIES::MENUPROPERTIES() : CTRLPROPERTIES(kLayout) {}
MENUPROPERTIES::~MENUPROPERTIES() = default;

MENUBARPROPERTIES::MENUBARPROPERTIES() : CTRLPROPERTIES(kLayout) {}
MENUBARPROPERTIES::~MENUBARPROPERTIES() = default;

} // namespace Vexel
