// CSkinListCtrl: applying a LISTCTRL record or style.
#include "skin/ui/controls/SkinListCtrl.h"

#include "skin/model/SkinGlobals.h"
#include "skin/model/TreeProperties.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DpiScaling.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/SkinColors.h"
#include "skin/ui/SkinFonts.h"
#include "skin/ui/SkinImageStore.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/controls/SkinHeaderCtrl.h"
#include "skin/ui/controls/SkinListCtrlPrivate.h"

namespace Vexel {
namespace {

using namespace record_read;

constexpr int kThumbnailStyle = 4;            // ListStyle "Thumbnail"
constexpr DWORD kThumbnailExStyle = 0x200000;

// The variables of one item look, and its colour when the record names none.
struct LookVars {
    int effect;
    int type;
    int colorId;
    int image;
    int resizePoint;
    COLORREF defaultColor;
};

// The font of the selected-disabled look when the record names none that exists.
LOGFONTW ListDefaultFont()
{
    LOGFONTW font{};
    font.lfHeight = -12;
    font.lfWeight = FW_NORMAL;
    font.lfOutPrecision = OUT_STROKE_PRECIS;
    font.lfClipPrecision = CLIP_STROKE_PRECIS;
    font.lfQuality = DRAFT_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
    return font;
}

} // namespace

int CSkinListCtrl::ApplyProperties(CTRLPROPERTIES* record)
{
    const int check = CheckApplyRecord(this, record, L"LISTCTRL");
    if (check != 0)
        return check;
    return ApplyListRecord(*record);
}

int CSkinListCtrl::ApplyStyle(LPCWSTR styleId)
{
    return ApplyNamedStyle(*this, StyleKind::ListCtrl, styleId);
}

int CSkinListCtrl::ApplyListRecord(CTRLPROPERTIES& record)
{
    ListCtrlPrivate& p = *m_private;

    // 1. Extended styles, added to those the list has.
    static constexpr struct {
        int variable;
        DWORD bit;
    } kExtended[] = {
        {ListVar::IsCheckBoxes, LVS_EX_CHECKBOXES},     {ListVar::IsFullRowSelect, LVS_EX_FULLROWSELECT},
        {ListVar::IsHeaderDragDrop, LVS_EX_HEADERDRAGDROP}, {ListVar::IsInfoTip, LVS_EX_INFOTIP},
        {ListVar::IsSubItemImages, LVS_EX_SUBITEMIMAGES}, {ListVar::IsTrackSelect, LVS_EX_TRACKSELECT},
        {ListVar::IsTwoClickActivate, LVS_EX_TWOCLICKACTIVATE},
    };
    DWORD extended = GetExtendedStyle();
    for (const auto& entry : kExtended) {
        if (Switch(record, entry.variable))
            extended |= entry.bit;
    }
    if (Enum(record, ListVar::ListStyle, ValueKind::ListStyle) == kThumbnailStyle) {
        extended |= kThumbnailExStyle;
        p.thumbnailView = true;
    }
    SetExtendedStyle(extended);

    // 2, 3. Owner draw and the background images.
    p.ownerDraw = Int(record, ListVar::IsEnableOwnerDraw) != 0;
    if (Switch(record, CtrlVar::IsSpecifyImages)) {
        SharedBitmap normal;
        SharedBitmap disabled;
        LoadTwoStateImages(&record, &normal, &disabled);
        SetBkImages(normal, disabled);
        p.bkResizePoint = ScalePoint(Point(record, CtrlVar::ResizingPoint), CurrentDpi());   // as the images
    }

    // 4. Fonts.
    CFont fonts[5];
    CreateFourStateFonts(&record, &fonts[0], &fonts[1], &fonts[2], &fonts[3]);
    const LOGFONTW fallback = ListDefaultFont();
    if (Switch(record, ListVar::IsSDSameNFont)) {
        if (CopyFont(&fonts[0], &fonts[4]) != 0)
            fonts[4].CreateFontIndirect(&fallback);
    } else {
        CreateFontFromID(Text(record, ListVar::ItemFontResSD), &fallback, &fonts[4], FALSE);
    }
    SetItemFonts(&fonts[0], &fonts[1], &fonts[2], &fonts[3], &fonts[4]);

    // 5. The header's height and style.
    if (::IsWindow(p.header.GetSafeHwnd())) {
        int height = Int(record, ListVar::HeaderHeight);
        if (IsImageScalingOn())
            ScaleYToDpi(height);
        p.header.SetHeight(height);
        p.header.ApplyStyle(Text(record, ListVar::HeaderStyleID));
    }

    // 6. Tag.
    if (record.GetVar(ListVar::Tag).Type() == VT_BSTR)
        p.tag = Text(record, ListVar::Tag);

    // 7. Text colours.
    COLORREF colors[4] = {0, 0, 0, 0};
    GetFourStateColors(&record, &colors[0], &colors[1], &colors[2], &colors[3]);
    SetTextColor(colors[0]);
    ItemLook* const looks[] = {&p.normal, &p.highlight, &p.selected, &p.normalDisabled, &p.selectedDisabled};
    for (int i = 0; i < 4; ++i)
        looks[i]->textColor = colors[i];
    COLORREF selectedDisabledText = colors[0];
    GetColorFromID(Text(record, ListVar::ItemTextColorResSD), colors[0], &selectedDisabledText,
                   Switch(record, ListVar::IsSDSameNColor));
    p.selectedDisabled.textColor = selectedDisabledText;

    // 8. The five looks.
    static constexpr LookVars kLooks[] = {
        {ListVar::NormalItemBkEffect, ListVar::NormalItemBkType, ListVar::NormalItemBkColorResID,
         ListVar::NormalItemBkImage, ListVar::NormalItemBkResizePoint, 0xFFFFFF},
        {ListVar::HighlightItemBkEffect, ListVar::HighlightItemBkType, ListVar::HighlightItemBkColorResID,
         ListVar::HighlightItemBkImage, ListVar::HighlightItemBkResizePoint, 0xF1F1F1},
        {ListVar::SelectedItemBkFitClient, ListVar::SelectedItemBkType, ListVar::SelectedItemBkColorResID,
         ListVar::SelectedItemBkImage, ListVar::SelectedItemBkResizePoint, 0x800000},
        {ListVar::NormalDisabledItemBkEffect, ListVar::NormalDisabledItemBkType,
         ListVar::NormalDisabledItemBkColorResID, ListVar::NormalDisabledItemBkImage,
         ListVar::NormalDisabledItemBkResizePoint, 0xFFFFFF},
        {ListVar::SelectedDisabledItemBkEffect, ListVar::SelectedDisabledItemBkType,
         ListVar::SelectedDisabledItemBkColorResID, ListVar::SelectedDisabledItemBkImage,
         ListVar::SelectedDisabledItemBkResizePoint, 0xFFFFFF},
    };
    for (int i = 0; i < 5; ++i) {
        const LookVars& vars = kLooks[i];
        ItemLook& look = *looks[i];
        look.effect = Int(record, vars.effect);
        look.type = Enum(record, vars.type, ValueKind::BackgroundType);
        if (look.type == 1) {
            look.color = vars.defaultColor;
            GetColorFromID(Text(record, vars.colorId), vars.defaultColor, &look.color, FALSE);
        } else if (look.type == 0) {
            look.image = SharedFileImage(SkinImagePath(record.GetVar(vars.image)), false);
            look.resizePoint = Point(record, vars.resizePoint);
        }
    }

    // 9. Grid lines.
    if (Switch(record, ListVar::GridLineShow)) {
        SetExtendedStyle(GetExtendedStyle() | LVS_EX_GRIDLINES);
        p.gridColor = record.GetVar(ListVar::GridLineColor).GetColor();
    }

    // 10. Thumbnail cells.
    if (p.thumbnailView) {
        SetIconSpacing(Int(record, ListVar::TotalThumbnailItemWidth) & 0xFFFF,
                       Int(record, ListVar::TotalThumbnailItemHeight) & 0xFFFF);
        const RECT n = Rect(record, ListVar::ThumbnailBkPosN);
        const RECT h = Rect(record, ListVar::ThumbnailBkPosH);
        const RECT s = Rect(record, ListVar::ThumbnailBkPosS);
        const RECT d = Rect(record, ListVar::ThumbnailBkPosD);
        SetThumbnailBkRects(&n, &h, &s, &d);
    }

    // 11. Own scroll bars; they stay off when they cannot be made.
    p.customScrollBars = Switch(record, ListVar::EnableCustomScrollBar);
    if (p.customScrollBars) {
        if (CreateScrollBars() != 0) {
            p.customScrollBars = false;
        } else {
            p.hScroll.ApplyStyle(Text(record, ListVar::HorizontalScrollbarStyleID));
            p.vScroll.ApplyStyle(Text(record, ListVar::VerticalScrollbarStyleID));
        }
    }
    Invalidate(TRUE);
    return 0;
}

} // namespace Vexel
