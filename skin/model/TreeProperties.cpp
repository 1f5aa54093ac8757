#include "skin/model/TreeProperties.h"

namespace Vexel {

using namespace records;

namespace {

constexpr VarRow kTreeRows[] = {
    Var(43, L"Border", nullptr, nullptr, Bool(false), L"General", L"Border"),
    Var(44, L"IsCheckBoxes", nullptr, nullptr, Bool(false), nullptr, L"Has Check Boxes"),
    Var(45, L"IsHasButtons", nullptr, nullptr, Bool(false), nullptr, L"Has Buttons"),
    Var(46, L"IsHasLines", nullptr, nullptr, Bool(false), nullptr, L"Has Lines"),
    Var(47, L"IsLineAtRoot", nullptr, nullptr, Bool(false), nullptr, L"Line at Root"),
    Var(48, L"IsFullRowSel", nullptr, nullptr, Bool(false), nullptr, L"Full Row Select")
        .Describe(L"Enables full-row selection in the tree view. The entire row of the selected item is "
                  L"highlighted, and clicking anywhere on an item's row causes it to be selected. This "
                  L"style cannot be used in conjunction with the TVS_HASLINES style."),
    Var(49, L"IsShowSelAlways", nullptr, nullptr, Bool(false), nullptr, L"Always Show Select"),
    Var(50, L"IsDisDragDrop", nullptr, nullptr, Bool(false), nullptr, L"Disable Drap&Drop"),
    Var(51, L"IsEditLabels", nullptr, nullptr, Bool(false), nullptr, L"Edit Labels"),
    Var(52, L"IsScroll", nullptr, nullptr, Bool(true), nullptr, L"Scroll"),
    Var(53, L"IsNonEvenHeight", nullptr, nullptr, Bool(false), nullptr, L"Non Even Height"),
    Var(54, L"IsSingleExpand", nullptr, nullptr, Bool(false), nullptr, L"Single Expand"),
    Var(55, L"IsTrackSel", nullptr, nullptr, Bool(false), nullptr, L"Hot Tracking"),
    Var(56, L"IsInfoTip", nullptr, nullptr, Bool(true), nullptr, L"Info ToolTip"),
    Var(57, L"IsTooltips", nullptr, nullptr, Bool(false), nullptr, L"ToolTip"),
    Var(58, L"DefaultItemHeight", nullptr, nullptr, Bool(true), nullptr, L"Default Item Height"),
    Var(59, L"ItemHeight", nullptr, nullptr, Int(24), nullptr, L"Item Height").Range(1, 1920),
    Var(60, L"Tag", nullptr, nullptr, Text(), nullptr, L"Tag"),
    Var(61, L"ItemLine", L"Enable", nullptr, Bool(false), L"Enable Item Line", L"Enable").NoDefault(),
    Var(62, L"ItemLine", L"Color", nullptr, Color(0x808080), nullptr, L"Color").NoDefault().Superseded(),
    Var(63, L"ItemLine", L"ColorResID", nullptr, ColorRes(), nullptr, L"Color ID"),
    Var(64, L"CollapseImage", nullptr, nullptr, Image(), L"Collapse and Expanded image", L"Collapse Image"),
    Var(65, L"ExpandedImage", nullptr, nullptr, Image(), nullptr, L"Expanded Image"),
    Var(66, L"SelectedItemBackground", L"Type", nullptr, Enum(ValueKind::BackgroundType, 1), L"Selected Item Background", L"Type"),
    Var(67, L"SelectedItemBackground", L"Color", nullptr, Color(0x800000), nullptr, L"Color").Superseded(),
    Var(68, L"SelectedItemBackground", L"ColorResID", nullptr, ColorRes(), nullptr, L"Color ID"),
    Var(69, L"SelectedItemBackground", L"NormalImage", nullptr, Image(), nullptr, L"NormalImage"),
    Var(70, L"SelectedItemBackground", L"DisabledImage", nullptr, Image(), nullptr, L"DisabledImage"),
    Var(71, L"SelectedBkResizePoint", nullptr, nullptr, Point(2, 2), nullptr, L"Resize Point").Range(0, 1920),
    Var(72, L"HighlightItemBackground", L"Enable", nullptr, Bool(false), L"Highlight Item Background", L"Enable")
        .NoDefault(),
    Var(73, L"HighlightItemBackground", L"Type", nullptr, Enum(ValueKind::BackgroundType, 1), nullptr, L"Type")
        .NoDefault(),
    Var(74, L"HighlightItemBackground", L"Color", nullptr, Color(0xF1F1F1), nullptr, L"Color").NoDefault()
        .Superseded(),
    Var(75, L"HighlightItemBackground", L"ColorResID", nullptr, ColorRes(), nullptr, L"Color ID"),
    Var(76, L"HighlightItemBackground", L"NormalImage", nullptr, Image(), nullptr, L"NormalImage"),
    Var(77, L"HighlightItemBackground", L"DisabledImage", nullptr, Image(), nullptr, L"DisabledImage"),
    Var(78, L"HighlightBkResizePoint", nullptr, nullptr, Point(2, 2), nullptr, L"Resize Point").Range(0, 1920),
    Var(79, L"RootItemBackground", L"Effect", nullptr, Bool(false), L"Root Item Background", L"Effect").NoDefault(),
    Var(80, L"RootItemBackground", L"TextColorResID", nullptr, ColorRes(), nullptr, L"Text Color ID"),
    Var(81, L"RootItemBackground", L"Type", nullptr, Enum(ValueKind::BackgroundType, 1), nullptr, L"Type")
        .NoDefault(),
    Var(82, L"RootItemBackground", L"ItemBkColorResID", nullptr, ColorRes(), nullptr, L"Item Background Color ID"),
    Var(83, L"RootItemBackground", L"FocusImage", nullptr, Image(), nullptr, L"FocusImage"),
    Var(84, L"RootItemBackground", L"NonFocusImage", nullptr, Image(), nullptr, L"NonFocusImage"),
    Var(85, L"RootItemBkImageResizePoint", nullptr, nullptr, Point(2, 2), nullptr, L"Resize Point").Range(0, 1920),
    Var(86, L"EnableCustomScrollBar", nullptr, nullptr, Bool(false), L"Enable Custom Scroll Bar", L"Enable"),
    Var(87, L"HorizontalScrollbarStyleID", nullptr, nullptr, Style(ValueKind::HorScrollBarStyleID), nullptr, L"Horizontal Scrollbar")
        .Flag1(),
    Var(88, L"VerticalScrollbarStyleID", nullptr, nullptr, Style(ValueKind::VerScrollBarStyleID), nullptr, L"Vertical Scrollbar")
        .Flag1(),
};

constexpr VarChange kTreeChanges[] = {
    Span(CtrlVar::BackgroundHighlight, CtrlVar::BackgroundSelected).Off(),
    At(CtrlVar::ColorResN).Group(L"Item Text Color"),
};

constexpr VarRow kTreeListRows[] = {
    Var(43, L"IsVariableItemHeight", nullptr, nullptr, Bool(false), L"General", L"Variable Item Height"),
};

constexpr VarChange kTreeListChanges[] = {
    Span(CtrlVar::BackgroundHighlight, CtrlVar::BackgroundSelected).Off(),
};

constexpr VarRow kHeaderRows[] = {
    Var(43, L"HeaderBk", L"RelativePath", nullptr, Image(), L"Header Background", L"Header Background")
        .Describe(L"If Specify header button image, this group is ignore"),
    Var(44, L"HeaderBkResizingPoint", nullptr, nullptr, Point(2, 2), nullptr, L"Header Background Resize Point")
        .Range(0, 3840),
};

// The base's images, resize point, fonts and colours become the header
// button's; their legacy keys stay the base's.
constexpr VarChange kHeaderChanges[] = {
    Span(CtrlVar::Rect, CtrlVar::IsTabStop).Off(),
    Span(CtrlVar::HorLayoutMode, CtrlVar::IsSpecifyImages).Off(),
    At(CtrlVar::IsCombineImages)
        .Element(L"IsCombineHeaderButtonImages")
        .Display(L"Combine Header Button Images")
        .Group(L"Header Button Images"),
    At(CtrlVar::BkCombine).Element(L"HeaderButtonCombine").Display(L"Combine Header Button Image Path"),
    At(CtrlVar::BackgroundNormal).Element(L"HeaderButtonBkN").Display(L"Normal"),
    At(CtrlVar::BackgroundHighlight).Element(L"HeaderButtonBkH").Display(L"Highlight"),
    At(CtrlVar::BackgroundSelected).Element(L"HeaderButtonBkS").Display(L"Selected"),
    At(CtrlVar::BackgroundDisabled).Element(L"HeaderButtonBkD").Display(L"Disabled"),
    At(CtrlVar::ResizingPoint)
        .Element(L"HeaderButtonResizePoint")
        .Display(L"Header Resize Point")
        .Initial(Point(2, 2))
        .Range(0, 3840),
    At(CtrlVar::FontResN).Element(L"HeaderFontResN").Group(L"Header Font(Size)"),
    At(CtrlVar::IsHSameNFont).Element(L"IsHeaderHSameNFont"),
    At(CtrlVar::FontResH).Element(L"HeaderFontResH"),
    At(CtrlVar::IsSSameNFont).Element(L"IsHeaderSSameNFont"),
    At(CtrlVar::FontResS).Element(L"HeaderFontResS"),
    At(CtrlVar::IsDSameNFont).Element(L"IsHeaderDSameNFont"),
    At(CtrlVar::FontResD).Element(L"HeaderFontResD"),
    At(CtrlVar::ColorResN).Element(L"HeaderColorResN").Group(L"Header Text Color"),
    At(CtrlVar::IsHSameNColor).Element(L"IsHeaderHSameNColor"),
    At(CtrlVar::ColorResH).Element(L"HeaderColorResH"),
    At(CtrlVar::IsSSameNColor).Element(L"IsHeaderSSameNColor"),
    At(CtrlVar::ColorResS).Element(L"HeaderColorResS"),
    At(CtrlVar::IsDSameNColor).Element(L"IsHeaderDSameNColor"),
    At(CtrlVar::ColorResD).Element(L"HeaderColorResD"),
};

// The thumbnail rectangles and item-background resize points are editor
// ranges only; 3940 is the value the list has always offered.
constexpr VarRow kListRows[] = {
    Var(43, L"Border", nullptr, nullptr, Bool(false), L"General", L"Border"),
    Var(44, L"ListStyle", nullptr, L"ListStyle", Enum(ValueKind::ListStyle, 3), nullptr, L"List Style"),
    Var(45, L"ListSort", nullptr, L"ListSort", Enum(ValueKind::ListSort, 0), nullptr, L"List Sort"),
    Var(46, L"IsEditLabels", nullptr, nullptr, Bool(false), nullptr, L"Edit Labels"),
    Var(47, L"IsShowSelAlways", nullptr, nullptr, Bool(false), nullptr, L"Always Show Selected Item"),
    Var(48, L"IsSingleSel", nullptr, nullptr, Bool(false), nullptr, L"Single Select"),
    Var(49, L"IsHoldCtrlKey", nullptr, nullptr, Bool(false), nullptr, L"Hold Ctrl Key"),
    Var(50, L"IsCheckBoxes", nullptr, nullptr, Bool(false), nullptr, L"Has Check Boxes"),
    Var(51, L"IsInfoTip", nullptr, nullptr, Bool(false), nullptr, L"Info ToolTip"),
    Var(52, L"IsTrackSelect", nullptr, nullptr, Bool(false), nullptr, L"Track Select"),
    Var(53, L"IsTwoClickActivate", nullptr, nullptr, Bool(false), nullptr, L"Two Click Activate"),
    Var(54, L"IsEnableOwnerDraw", nullptr, nullptr, Bool(false), nullptr, L"Enable Owner Draw"),
    Var(55, L"Tag", nullptr, L"Tag", Text(), nullptr, L"Tag"),
    Var(56, L"IsFullRowSelect", nullptr, nullptr, Bool(false), L"Report extended Properties", L"Full Row Select"),
    Var(57, L"IsSubItemImages", nullptr, nullptr, Bool(false), nullptr, L"Sub Item Images"),
    Var(58, L"ListAlign", nullptr, L"ListAlign", Enum(ValueKind::ListAlign, 0), L"(Small) Icon Extended Properties", L"List Alignment"),
    Var(59, L"IsAutoArrange", nullptr, nullptr, Bool(false), nullptr, L"Auto Arrange"),
    Var(60, L"IsNoScroll", nullptr, nullptr, Bool(false), nullptr, L"No Scroll"),
    Var(61, L"IsNoLabelWrap", nullptr, nullptr, Bool(false), nullptr, L"No Label Wrap"),
    Var(62, L"GridLine", L"Show", nullptr, Bool(false), L"Grid Line", L"Show"),
    Var(63, L"GridLine", L"Color", nullptr, Color(0xC8D0D4), nullptr, L"Color"),
    Var(64, L"NormalItemBk", L"Effect", nullptr, Bool(false), L"Normal Item Background", L"Effect"),
    Var(65, L"NormalItemBk", L"Type", nullptr, Enum(ValueKind::BackgroundType, 1), nullptr, L"Type"),
    Var(66, L"NormalItemBk", L"ColorResID", nullptr, ColorRes(), nullptr, L"Color ID"),
    Var(67, L"NormalItemBk", L"Image", nullptr, Image(), nullptr, L"Image"),
    Var(68, L"NormalItemBkResizePoint", nullptr, nullptr, Point(2, 2), nullptr, L"Resize Point").Range(0, 3940),
    Var(69, L"HighlightItemBk", L"Effect", nullptr, Bool(false), L"Highlight Item Background", L"Effect"),
    Var(70, L"HighlightItemBk", L"Type", nullptr, Enum(ValueKind::BackgroundType, 1), nullptr, L"Type"),
    Var(71, L"HighlightItemBk", L"ColorResID", nullptr, ColorRes(), nullptr, L"Color ID"),
    Var(72, L"HighlightItemBk", L"Image", nullptr, Image(), nullptr, L"Image"),
    Var(73, L"HighlightItemBkResizePoint", nullptr, nullptr, Point(2, 2), nullptr, L"Resize Point").Range(0, 3940),
    Var(74, L"SelectedItemBk", L"IsSelectedFitClient", nullptr, Bool(false), L"Selected Item Background", L"Selected Fit Client"),
    Var(75, L"SelectedItemBk", L"Type", nullptr, Enum(ValueKind::BackgroundType, 1), nullptr, L"Type"),
    Var(76, L"SelectedItemBk", L"ColorResID", nullptr, ColorRes(), nullptr, L"Color ID"),
    Var(77, L"SelectedItemBk", L"Image", nullptr, Image(), nullptr, L"Image"),
    Var(78, L"SelectedItemBkResizePoint", nullptr, nullptr, Point(2, 2), nullptr, L"Resize Point").Range(0, 3940),
    Var(79, L"NormalDisabledItemBk", L"Effect", nullptr, Bool(false), L"Normal Disabled Item Background", L"Effect"),
    Var(80, L"NormalDisabledItemBk", L"Type", nullptr, Enum(ValueKind::BackgroundType, 1), nullptr, L"Type"),
    Var(81, L"NormalDisabledItemBk", L"ColorResID", nullptr, ColorRes(), nullptr, L"Color ID"),
    Var(82, L"NormalDisabledItemBk", L"Image", nullptr, Image(), nullptr, L"Image"),
    Var(83, L"NormalDisabledItemBkResizePoint", nullptr, nullptr, Point(2, 2), nullptr, L"Resize Point")
        .Range(0, 3940),
    Var(84, L"SelectedDisabledItemBk", L"Effect", nullptr, Bool(false), L"Selected Disabled Item Background", L"Effect"),
    Var(85, L"SelectedDisabledItemBk", L"Type", nullptr, Enum(ValueKind::BackgroundType, 1), nullptr, L"Type"),
    Var(86, L"SelectedDisabledItemBk", L"ColorResID", nullptr, ColorRes(), nullptr, L"Color ID"),
    Var(87, L"SelectedDisabledItemBk", L"Image", nullptr, Image(), nullptr, L"Image"),
    Var(88, L"SelectedDisabledItemBkResizePoint", nullptr, nullptr, Point(2, 2), nullptr, L"Resize Point")
        .Range(0, 3940),
    Var(89, L"IsSDSameNFont", nullptr, nullptr, Bool(true), L"Item Font(Size)", L"Selected Disabled Font Same as Normal"),
    Var(90, L"ItemFontResSD", nullptr, nullptr, FontRes(), nullptr, L"Selected Disabled"),
    Var(91, L"IsSDSameNColor", nullptr, nullptr, Bool(true), L"Item Text Color", L"Selected Disabled Color Same as Normal"),
    Var(92, L"ItemTextColorResSD", nullptr, nullptr, ColorRes(), nullptr, L"Selected Disabled"),
    Var(93, L"TotalThumbnailItemWidth", nullptr, nullptr, Int(120), L"Thumbnail Item Size", L"Total Width")
        .Range(1, 3840),
    Var(94, L"TotalThumbnailItemHeight", nullptr, nullptr, Int(140), nullptr, L"Total Height").Range(1, 3840),
    Var(95, L"ThumbnailBkPosN", nullptr, nullptr, Rect(10, 10, 110, 130), nullptr, L"Thumbnail Normal Background")
        .Range(-3840, 3840),
    Var(96, L"ThumbnailBkPosH", nullptr, nullptr, Rect(10, 10, 110, 130), nullptr, L"Thumbnail Highlight Background")
        .Range(-3840, 3840),
    Var(97, L"ThumbnailBkPosS", nullptr, nullptr, Rect(10, 10, 110, 130), nullptr, L"Thumbnail Selected Background")
        .Range(-3840, 3840),
    Var(98, L"ThumbnailBkPosD", nullptr, nullptr, Rect(10, 10, 110, 130), nullptr, L"Thumbnail Disabled Background")
        .Range(-3840, 3840),
    Var(99, L"ThumbnailPosN", nullptr, nullptr, Rect(20, 20, 100, 100), nullptr, L"Thumbnail Normal")
        .Range(-3840, 3840),
    Var(100, L"ThumbnailPosH", nullptr, nullptr, Rect(20, 20, 100, 100), nullptr, L"Thumbnail Highlight")
        .Range(-3840, 3840),
    Var(101, L"ThumbnailPosS", nullptr, nullptr, Rect(20, 20, 100, 100), nullptr, L"Thumbnail Selected")
        .Range(-3840, 3840),
    Var(102, L"ThumbnailPosD", nullptr, nullptr, Rect(20, 20, 100, 100), nullptr, L"Thumbnail Disabled")
        .Range(-3840, 3840),
    Var(103, L"ThumbnailLabelPosN", nullptr, nullptr, Rect(10, 110, 130, 130), nullptr, L"Thumbnail Label Normal")
        .Range(-3840, 3840),
    Var(104, L"ThumbnailLabelPosH", nullptr, nullptr, Rect(10, 110, 130, 130), nullptr, L"Thumbnail Label Highlight")
        .Range(-3840, 3840),
    Var(105, L"ThumbnailLabelPosS", nullptr, nullptr, Rect(10, 110, 130, 130), nullptr, L"Thumbnail Label Selected")
        .Range(-3840, 3840),
    Var(106, L"ThumbnailLabelPosD", nullptr, nullptr, Rect(10, 110, 130, 130), nullptr, L"Thumbnail Label Disabled")
        .Range(-3840, 3840),
    Var(107, L"ThumbnailIconPosN", nullptr, nullptr, Rect(20, 20, 100, 100), nullptr, L"Thumbnail Icon Normal")
        .Range(-3840, 3840),
    Var(108, L"ThumbnailIconPosH", nullptr, nullptr, Rect(20, 20, 100, 100), nullptr, L"Thumbnail Icon Highlight")
        .Range(-3840, 3840),
    Var(109, L"ThumbnailIconPosS", nullptr, nullptr, Rect(20, 20, 100, 100), nullptr, L"Thumbnail Icon Selected")
        .Range(-3840, 3840),
    Var(110, L"ThumbnailIconPosD", nullptr, nullptr, Rect(20, 20, 100, 100), nullptr, L"Thumbnail Icon Disabled")
        .Range(-3840, 3840),
    Var(111, L"IsNoHeader", nullptr, nullptr, Bool(false), L"Header", L"No Header"),
    Var(112, L"IsNoSortHeader", nullptr, nullptr, Bool(false), nullptr, L"Sort Header"),
    Var(113, L"HeaderHeight", nullptr, nullptr, Int(24), nullptr, L"Header Height").Range(0, 1200),
    Var(114, L"IsHeaderDragDrop", nullptr, nullptr, Bool(false), nullptr, L"Header Drag Drop"),
    Var(115, L"HeaderStyleID", nullptr, nullptr, Style(ValueKind::HeaderStyleID), nullptr, L"Header Style").Flag1(),
    Var(116, L"EnableCustomScrollBar", nullptr, nullptr, Bool(false), L"Enable Custom Scroll Bar", L"Enable"),
    Var(117, L"HorizontalScrollbarStyleID", nullptr, nullptr, Style(ValueKind::HorScrollBarStyleID), nullptr, L"Horizontal Scrollbar")
        .Flag1(),
    Var(118, L"VerticalScrollbarStyleID", nullptr, nullptr, Style(ValueKind::VerScrollBarStyleID), nullptr, L"Vertical Scrollbar")
        .Flag1(),
};

// The base's fonts and colours become the items'; its disabled ones are the
// normal disabled items'.
constexpr VarChange kListChanges[] = {
    Span(CtrlVar::BackgroundHighlight, CtrlVar::BackgroundSelected).Off(),
    At(CtrlVar::FontResN).Element(L"ItemFontResN").Group(L"Item Font(Size)"),
    At(CtrlVar::FontResH).Element(L"ItemFontResH"),
    At(CtrlVar::FontResS).Element(L"ItemFontResS"),
    At(CtrlVar::IsDSameNFont).Element(L"IsNDSameNFont").Display(L"Normal Disabled Font Same as Normal"),
    At(CtrlVar::FontResD).Element(L"ItemFontResND").Display(L"Normal Disabled"),
    At(CtrlVar::ColorResN).Element(L"ItemTextColorResN").Group(L"Item Text Color"),
    At(CtrlVar::ColorResH).Element(L"ItemTextColorResH"),
    At(CtrlVar::ColorResS).Element(L"ItemTextColorResS"),
    At(CtrlVar::IsDSameNColor).Element(L"IsNDSameNColor").Display(L"Normal Disabled Color Same as Normal"),
    At(CtrlVar::ColorResD).Element(L"ItemTextColorResND").Display(L"Normal Disabled"),
};

constexpr RecordLayout kTreeLayout = Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(TreeVar::Count), TreeVar::Count,
                                            L"TREECTRL", kTreeRows, kTreeChanges);
static_assert(IsWellFormed(kTreeLayout), "tree control table");

constexpr RecordLayout kTreeListLayout = Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(TreeListVar::Count),
                                                TreeListVar::Count, L"TREELIST", kTreeListRows, kTreeListChanges);
static_assert(IsWellFormed(kTreeListLayout), "tree list table");

constexpr RecordLayout kHeaderLayout = Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(HeaderVar::Count),
                                              HeaderVar::Count, L"HEADERCTRL", kHeaderRows, kHeaderChanges);
static_assert(IsWellFormed(kHeaderLayout), "header table");

constexpr RecordLayout kListLayout = Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(ListVar::Count), ListVar::Count,
                                            L"LISTCTRL", kListRows, kListChanges);
static_assert(IsWellFormed(kListLayout), "list control table");

} // namespace

const RecordLayout TREECTRLPROPERTIES::kLayout = kTreeLayout;
const RecordLayout TREELISTPROPERTIES::kLayout = kTreeListLayout;
const RecordLayout HEADERPROPERTIES::kLayout = kHeaderLayout;
const RecordLayout LSTCTRLPROPERTIES::kLayout = kListLayout;

TREECTRLPROPERTIES::TREECTRLPROPERTIES() : CTRLPROPERTIES(kLayout) {}
TREECTRLPROPERTIES::~TREECTRLPROPERTIES() = default;

bool TREECTRLPROPERTIES::IsCustomScrollBarEnabled() const
{
    return GetVar(TreeVar::EnableCustomScrollBar).GetBool();
}

TREELISTPROPERTIES::TREELISTPROPERTIES() : CTRLPROPERTIES(kLayout) {}
TREELISTPROPERTIES::~TREELISTPROPERTIES() = default;

HEADERPROPERTIES::HEADERPROPERTIES() : CTRLPROPERTIES(kLayout) {}
HEADERPROPERTIES::~HEADERPROPERTIES() = default;

LSTCTRLPROPERTIES::LSTCTRLPROPERTIES() : CTRLPROPERTIES(kLayout) {}
LSTCTRLPROPERTIES::~LSTCTRLPROPERTIES() = default;

bool LSTCTRLPROPERTIES::IsCustomScrollBarEnabled() const
{
    return GetVar(ListVar::EnableCustomScrollBar).GetBool();
}

} // namespace Vexel
