// CSkinTreeCtrl: applying a TREECTRL record or style.
#include "skin/ui/controls/SkinTreeCtrl.h"

#include "skin/model/SkinGlobals.h"
#include "skin/model/TreeProperties.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/DpiScaling.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/SkinColors.h"
#include "skin/ui/SkinFonts.h"
#include "skin/ui/SkinImageStore.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/WindowStyle.h"
#include "skin/ui/controls/ScrollBarEx.h"
#include "skin/ui/controls/SkinTreeCtrlPrivate.h"

namespace Vexel {
namespace {

// Background type words: an image or a plain colour.
enum : int {
    kBackgroundImage = 0,
    kBackgroundColor = 1,
};

struct TreeStyleSwitch {
    int variable;
    DWORD bit;
    bool whenOn;   // the bit is added when the switch is on (else: when it is off)
};

constexpr TreeStyleSwitch kTreeStyleSwitches[] = {
    {TreeVar::Border, WS_BORDER, true},
    {TreeVar::IsCheckBoxes, TVS_CHECKBOXES, true},
    {TreeVar::IsDisDragDrop, TVS_DISABLEDRAGDROP, true},
    {TreeVar::IsEditLabels, TVS_EDITLABELS, true},
    {TreeVar::IsFullRowSel, TVS_FULLROWSELECT, true},
    {TreeVar::IsHasButtons, TVS_HASBUTTONS, true},
    {TreeVar::IsHasLines, TVS_HASLINES, true},
    {TreeVar::IsInfoTip, TVS_INFOTIP, true},
    {TreeVar::IsLineAtRoot, TVS_LINESATROOT, true},
    {TreeVar::IsNonEvenHeight, TVS_NONEVENHEIGHT, true},
    {TreeVar::IsScroll, TVS_NOSCROLL, false},
    {TreeVar::IsShowSelAlways, TVS_SHOWSELALWAYS, true},
    {TreeVar::IsSingleExpand, TVS_SINGLEEXPAND, true},
    {TreeVar::IsTooltips, TVS_NOTOOLTIPS, false},
    {TreeVar::IsTrackSel, TVS_TRACKSELECT, true},
};

using namespace record_read;

bool On(const CTRLPROPERTIES& record, int variable)
{
    return Switch(record, variable);
}

// A bitmap file of the skin folder as it is (not scaled to the screen), shared; empty when
// missing.
SharedBitmap LoadSkinFile(const CTRLPROPERTIES& record, int variable)
{
    return SharedFileImage(SkinImagePath(record.GetVar(variable)), false);
}

// The colour a COLOR resource id names, or `fallback` when none does.
COLORREF ColorOf(const CTRLPROPERTIES& record, int variable, COLORREF fallback)
{
    COLORREF color = fallback;
    const CString id = Text(record, variable);
    g_skinStore.GetColorByID(id, &color);
    return color;
}

// An item background of the record: its colour, or its two images and resize point.
struct ItemBackgroundVars {
    int type;
    int colorId;
    int normalImage;
    int disabledImage;
    int resizePoint;
    COLORREF defaultColor;
};

template <class SetImages>
void ApplyItemBackground(const CTRLPROPERTIES& record, const ItemBackgroundVars& vars, COLORREF& color,
                         POINT& resizePoint, SetImages setImages)
{
    switch (Enum(record, vars.type, ValueKind::BackgroundType)) {
    case kBackgroundColor:
        color = ColorOf(record, vars.colorId, vars.defaultColor);
        break;
    case kBackgroundImage:
        setImages(LoadSkinFile(record, vars.normalImage), LoadSkinFile(record, vars.disabledImage));
        resizePoint = Point(record, vars.resizePoint);
        break;
    default:
        break;   // no background type: nothing changes
    }
}

} // namespace

int CSkinTreeCtrl::ApplyStyle(LPCWSTR styleId)
{
    return ApplyNamedStyle(*this, StyleKind::TreeCtrl, styleId);
}

int CSkinTreeCtrl::ApplyProperties(CTRLPROPERTIES* record)
{
    const int checked = CheckApplyRecord(this, record, L"TREECTRL");
    if (checked != 0)
        return checked;
    if (!dynamic_cast<const TREECTRLPROPERTIES*>(record))
        return -3;
    return ApplyTreeRecord(*record);
}

int CSkinTreeCtrl::ApplyTreeRecord(const CTRLPROPERTIES& record)
{
    SkinTreeCtrlPrivate& p = *m_private;

    DWORD style = StyleFromProperties(record) | WS_CHILD;
    for (const TreeStyleSwitch& entry : kTreeStyleSwitches) {
        if (On(record, entry.variable) == entry.whenOn)
            style |= entry.bit;
    }
    ModifyStyle(0, style);
    SetTag(Text(record, TreeVar::Tag));

    if (On(record, CtrlVar::IsSpecifyImages)) {
        SharedBitmap normal;
        SharedBitmap disabled;
        LoadTwoStateImages(&record, &normal, &disabled);
        SetBackgroundImages(normal, disabled);
        p.resizePoint = ScalePoint(Point(record, CtrlVar::ResizingPoint), CurrentDpi());   // as the images
        p.useParentResizePoint = FALSE;
    }

    p.lineEnabled = On(record, TreeVar::ItemLineEnable);
    p.lineColor = ColorOf(record, TreeVar::ItemLineColorResID, RGB(0x80, 0x80, 0x80));
    p.collapseImage = LoadSkinFile(record, TreeVar::CollapseImage);
    p.expandedImage = LoadSkinFile(record, TreeVar::ExpandedImage);

    if (!On(record, TreeVar::DefaultItemHeight))
        SendMessage(TVM_SETITEMHEIGHT, static_cast<WPARAM>(static_cast<SHORT>(Int(record, TreeVar::ItemHeight, 24))));

    CFont normalFont;
    CFont disabledFont;
    CreateTwoStateFonts(&record, &normalFont, &disabledFont);
    SetFonts(&normalFont, &disabledFont);

    COLORREF normal = 0;
    GetFourStateColors(&record, &normal, &p.hoverTextColor, &p.selectedTextColor, &p.disabledTextColor);
    SetTextColor(normal);

    ApplyItemBackground(record,
                        {TreeVar::SelectedItemBkType, TreeVar::SelectedItemBkColorResID,
                         TreeVar::SelectedItemBkNormalImage, TreeVar::SelectedItemBkDisabledImage,
                         TreeVar::SelectedBkResizePoint, 0x800000},
                        p.selectedBkColor, p.selectedResizePoint,
                        [&p](SharedBitmap focus, SharedBitmap nonFocus) {
                            p.selectedImage = focus;
                            p.selectedNonFocusImage = nonFocus;
                        });
    p.hoverEnabled = On(record, TreeVar::HighlightItemBkEnable);
    ApplyItemBackground(record,
                        {TreeVar::HighlightItemBkType, TreeVar::HighlightItemBkColorResID,
                         TreeVar::HighlightItemBkNormalImage, TreeVar::HighlightItemBkDisabledImage,
                         TreeVar::HighlightBkResizePoint, 0xF1F1F1},
                        p.hoverBkColor, p.hoverResizePoint,
                        [&p](SharedBitmap focus, SharedBitmap nonFocus) {
                            p.hoverImage = focus;
                            p.hoverNonFocusImage = nonFocus;
                        });

    p.rootEffect = On(record, TreeVar::RootItemBkEffect);
    if (p.rootEffect &&
        Enum(record, TreeVar::RootItemBkType, ValueKind::BackgroundType) == kBackgroundImage) {
        p.rootFocusImage = LoadSkinFile(record, TreeVar::RootItemBkFocusImage);
        p.rootNonFocusImage = LoadSkinFile(record, TreeVar::RootItemBkNonFocusImage);
        p.rootResizePoint = Point(record, TreeVar::RootItemBkImageResizePoint);
    }

    const BOOL ownBars = On(record, TreeVar::EnableCustomScrollBar);
    EnableOwnScrollBars(ownBars);
    if (ownBars) {
        p.hScroll.ApplyStyle(Text(record, TreeVar::HorizontalScrollbarStyleID));
        p.vScroll.ApplyStyle(Text(record, TreeVar::VerticalScrollbarStyleID));
    }
    return 0;
}

} // namespace Vexel
