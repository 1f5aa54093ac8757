// Applying a skin menu style ("MENU" records of the skin's Menus list) to a skinned menu.
#include "skin/ui/controls/SkinMenu.h"

#include "skin/model/MenuProperties.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/BitmapCopies.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/RecordRead.h"

namespace Vexel {
namespace {

using namespace record_read;

// Offsets of a state's variables from its first (the text colour).
enum StateVar : int {
    kTextColor = 0,
    kFont = 1,
    kBkType = 2,
    kBkColor = 3,
    kImagePath = 4,
    kImageCache = 5,
    kResizePoint = 6,
};

// The bitmap a style record keeps for an image once it has been loaded: a run-time colour
// variable holds the handle, whose significant bits are 32 on every architecture.
HBITMAP CachedImage(const CTRLPROPERTIES& record, int variable)
{
    const int bits = Int(record, variable, 0);
    return bits == 0 || bits == -1 ? nullptr : static_cast<HBITMAP>(LongToHandle(bits));
}

void CacheImage(CTRLPROPERTIES& record, int variable, HBITMAP image)
{
    record.GetVar(variable).SetColor(static_cast<COLORREF>(HandleToLong(image)));
}

} // namespace

int CSkinMenu::ApplyStyle(LPCWSTR styleId)
{
    if (m_hMenu)
        return -1;
    return ApplyProperties(g_skinStore.FindStyle(StyleKind::Menu, styleId));
}

int CSkinMenu::ApplyProperties(CTRLPROPERTIES* record)
{
    if (m_hMenu)
        return -1;
    const int check = CheckRecordType(record, L"MENU");
    if (check != 0)
        return check;

    m_member.borderStyle = Enum(*record, MenuVar::BorderStyle, ValueKind::MenuBorderStyle);
    m_member.flatBorderColor = Color(*record, MenuVar::FlatBorderColor);
    m_member.itemHeight = Int(*record, MenuVar::MenuItemHeight, -1);
    ApplyStateLook(*record, MenuVar::NormalTextColor, m_member.normal, kNormalImage);
    ApplyStateLook(*record, MenuVar::HighlightTextColor, m_member.highlight, kHighlightImage);
    ApplyStateLook(*record, MenuVar::DisabledTextColor, m_member.disabled, kDisabledImage);
    ApplySeparatorLook(*record);
    m_member.iconAreaWidth = Int(*record, MenuVar::IconAreaWidth, -1);
    m_member.iconAreaStartColor = Color(*record, MenuVar::IconAreaStartColor);
    m_member.iconAreaEndColor = Color(*record, MenuVar::IconAreaEndColor);
    StyleChanged();
    return 0;
}

void CSkinMenu::ApplyStateLook(CTRLPROPERTIES& record, int firstVariable, MENU_ITEM_PROPERTIES& look,
                               ImageSlot slot)
{
    look.textColor = Color(record, firstVariable + kTextColor);
    Font(record, firstVariable + kFont, look.font);
    look.backgroundType = Enum(record, firstVariable + kBkType, ValueKind::BackgroundType);
    look.backgroundColor = Color(record, firstVariable + kBkColor);
    if (look.backgroundType == kMenuBackgroundImage) {
        LoadStyleImage(record, firstVariable + kImagePath, firstVariable + kImageCache, slot);
        look.resizePoint = Point(record, firstVariable + kResizePoint);
    }
}

void CSkinMenu::ApplySeparatorLook(CTRLPROPERTIES& record)
{
    m_member.separatorBackgroundType = Enum(record, MenuVar::SeparatorBkType, ValueKind::BackgroundType);
    m_member.separatorLineColor = Color(record, MenuVar::SeparatorLineColor);
    m_member.separatorLineLeftMargin = Int(record, MenuVar::SeparatorLineLeftMargin, -1);
    m_member.separatorLineRightMargin = Int(record, MenuVar::SeparatorLineRightMargin, -1);
    if (m_member.separatorBackgroundType == kMenuBackgroundImage) {
        LoadStyleImage(record, MenuVar::SeparatorImage, MenuVar::SeparatorRunTime, kSeparatorImage);
        m_member.separatorResizePoint = Point(record, MenuVar::SeparatorResizePoint);
    }
}

void CSkinMenu::LoadStyleImage(CTRLPROPERTIES& record, int pathVariable, int cacheVariable, ImageSlot slot)
{
    HBITMAP source = CachedImage(record, cacheVariable);
    if (!source) {
        // The record keeps what it loaded for every later menu of the style.
        source = LoadBitmapFromFile(g_skinStore.GetSkinFolder() + Text(record, pathVariable));
        if (source)
            CacheImage(record, cacheVariable, source);
    }
    CBitmap copy;
    CopyBitmap(&copy, source);
    SetImage(slot, static_cast<HBITMAP>(copy.Detach()), true);
}

} // namespace Vexel
