// The skinned menu's life: its images, building owner-drawn items from a menu resource and
// tracking the popup with its owner's procedure replaced.
#include "skin/ui/controls/SkinMenu.h"

#include "framework/CallbackGuard.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/WndProcSlot.h"

#include <iterator>

namespace Vexel {
namespace {

// The owner's procedure while one of our popups is tracked: its items are measured by the
// menu that holds them even when the owner is no framework window.
LRESULT CALLBACK MenuOwnerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MEASUREITEM) {
        try {
            auto* const item = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
            if (item && item->CtlType == ODT_MENU) {
                const HMENU start = AfxGetTrackingWindow() == window ? AfxGetTrackingMenu() : ::GetMenu(window);
                if (CMenu* const holder = CMenu::FindPopupMenuFromID(start, item->itemID))
                    holder->MeasureItem(item);
            }
        } catch (...) {
            AfxReportCallbackException("skinned menu owner procedure");
        }
    }
    return CallSlotProc(window, message, wParam, lParam);
}

} // namespace

IMPLEMENT_DYNAMIC(CSkinMenu, CMenu)

CSkinMenu::CSkinMenu() = default;

CSkinMenu::~CSkinMenu()
{
    ReleaseImages();
    m_items.clear();
    // Our popups' objects destroy their own menus: take them out of ours first, so that
    // destroying ours does not reach them a second time.
    if (m_hMenu) {
        for (int position = ::GetMenuItemCount(m_hMenu) - 1; position >= 0; --position) {
            if (::GetSubMenu(m_hMenu, position))
                ::RemoveMenu(m_hMenu, position, MF_BYPOSITION);
        }
    }
    m_popups.clear();
}

HBITMAP& CSkinMenu::Image(ImageSlot slot)
{
    switch (slot) {
    case kNormalImage: return m_member.normal.image;
    case kHighlightImage: return m_member.highlight.image;
    case kDisabledImage: return m_member.disabled.image;
    default: return m_member.separatorImage;
    }
}

void CSkinMenu::SetImage(ImageSlot slot, HBITMAP image, bool owned)
{
    HBITMAP& held = Image(slot);
    if (held && held != image && m_ownsImage[slot])
        ::DeleteObject(held);
    held = image;
    m_ownsImage[slot] = owned && image;
}

void CSkinMenu::SetNormalImage(HBITMAP image)
{
    SetImage(kNormalImage, image, true);
}

void CSkinMenu::SetHighlightImage(HBITMAP image)
{
    SetImage(kHighlightImage, image, true);
}

void CSkinMenu::SetDisabledImage(HBITMAP image)
{
    SetImage(kDisabledImage, image, true);
}

void CSkinMenu::SetSeparatorImage(HBITMAP image)
{
    SetImage(kSeparatorImage, image, true);
}

int CSkinMenu::ReleaseImages()
{
    // Released also without a handle: a style applied to a menu that never loaded would
    // otherwise keep its bitmaps for good.
    for (int slot = 0; slot < kImageSlots; ++slot)
        SetImage(static_cast<ImageSlot>(slot), nullptr, false);
    return m_hMenu ? 0 : -1;
}

int CSkinMenu::SetMenuMember(const MENUMEMBER& member)
{
    if (&member == &m_member)
        return 0;
    const HBITMAP shared[kImageSlots] = {member.normal.image, member.highlight.image, member.disabled.image,
                                         member.separatorImage};
    // The images are let go before the copy overwrites their handles.
    ReleaseImages();
    m_member = member;
    for (int slot = 0; slot < kImageSlots; ++slot) {
        Image(static_cast<ImageSlot>(slot)) = nullptr;
        SetImage(static_cast<ImageSlot>(slot), shared[slot], false);
    }
    StyleChanged();
    return 0;
}

void CSkinMenu::StyleChanged()
{
    for (auto& fonts : m_fonts) {
        for (CFont& font : fonts)
            font.DeleteObject();
    }
    m_iconBand.DeleteObject();
    m_iconBandSize = SIZE{0, 0};
    m_separatorPen.DeleteObject();
}

// --- building ---------------------------------------------------------------------------

BOOL CSkinMenu::LoadMenu(LPCWSTR name)
{
    CMenu source;
    if (!source.LoadMenu(name))
        return FALSE;
    if (!CreatePopupMenu())
        return FALSE;
    return BuildFromMenu(source.m_hMenu);
}

BOOL CSkinMenu::BuildFromMenu(HMENU source)
{
    const int count = ::GetMenuItemCount(source);
    for (int position = 0; position < count; ++position) {
        WCHAR text[256] = {};
        ::GetMenuStringW(source, position, text, static_cast<int>(std::size(text)), MF_BYPOSITION);
        const HMENU sourcePopup = ::GetSubMenu(source, position);
        if (!sourcePopup) {
            const UINT id = ::GetMenuItemID(source, position);
            const UINT state = ::GetMenuState(source, position, MF_BYPOSITION);
            if (state & MF_SEPARATOR)
                AppendSeparatorItem();
            else
                AppendTextItem((state & MF_GRAYED) ? TRUE : FALSE, id, text);
            continue;
        }
        m_popups.push_back(std::make_unique<CSkinMenu>());
        CSkinMenu& popup = *m_popups.back();
        popup.SetMenuMember(m_member);
        if (!popup.CreatePopupMenu())
            return TRUE;   // the items built so far stay
        popup.BuildFromMenu(sourcePopup);
        AppendPopupItem(&popup, static_cast<UINT>(position + 1), text);
    }
    return TRUE;
}

BOOL CSkinMenu::AppendRecord(std::unique_ptr<CSkinMenuItem> record, UINT flags, UINT_PTR idOrPopup)
{
    const CSkinMenuItem* const data = record.get();
    m_items.push_back(std::move(record));
    return ::AppendMenuW(m_hMenu, flags, idOrPopup, reinterpret_cast<LPCWSTR>(data));
}

BOOL CSkinMenu::AppendTextItem(BOOL grayed, UINT id, LPCWSTR text)
{
    return AppendRecord(std::make_unique<CSkinMenuText>(text, id), MF_OWNERDRAW | (grayed ? MF_GRAYED : 0), id);
}

BOOL CSkinMenu::AppendSeparatorItem()
{
    return AppendRecord(std::make_unique<CSkinMenuSeparator>(), MF_OWNERDRAW | MF_SEPARATOR, 0);
}

BOOL CSkinMenu::AppendPopupItem(CSkinMenu* popup, UINT position, LPCWSTR text)
{
    if (!popup)
        return FALSE;
    return AppendRecord(std::make_unique<CSkinMenuText>(text, position, popup), MF_OWNERDRAW | MF_POPUP,
                        reinterpret_cast<UINT_PTR>(popup->m_hMenu));
}

const CSkinMenuItem* CSkinMenu::RecordOf(ULONG_PTR itemData) const
{
    // Compared by address first: item data that is not one of ours is never read.
    for (const auto& record : m_items) {
        if (reinterpret_cast<ULONG_PTR>(record.get()) == itemData)
            return record->signature == kSkinMenuItemSignature ? record.get() : nullptr;
    }
    return nullptr;
}

// --- tracking ---------------------------------------------------------------------------

BOOL CSkinMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect)
{
    const HWND window = owner ? owner->GetSafeHwnd() : nullptr;
    if (!window)
        return FALSE;
    // A track nested in one on the same owner finds it replaced already: the outer track
    // puts it back.
    const bool replaced = InstallSlotProc(window, MenuOwnerWndProc);
    const MenuTrackRecord saved = MenuTrackInfo;
    MenuTrackInfo.owner = window;
    MenuTrackInfo.menu = m_hMenu;
    const BOOL result = CMenu::TrackPopupMenu(flags, x, y, owner, rect);
    MenuTrackInfo = saved;
    if (replaced && ::IsWindow(window))
        RestoreSlotProc(window);
    return result;
}

} // namespace Vexel
