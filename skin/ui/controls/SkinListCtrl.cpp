#include "skin/ui/controls/SkinListCtrl.h"

#include "skin/ui/BitmapFiles.h"
#include "skin/ui/SkinFonts.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/controls/SkinListCtrlPrivate.h"

#include <algorithm>

namespace Vexel {

IMPLEMENT_DYNAMIC(CSkinListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(CSkinListCtrl, CListCtrl)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFFFFFFu, &CSkinListCtrl::OnToolTipText)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFFFFFFu, &CSkinListCtrl::OnToolTipText)
END_MESSAGE_MAP()

CSkinListCtrl::CSkinListCtrl() : m_private(std::make_unique<ListCtrlPrivate>())
{
}

CSkinListCtrl::~CSkinListCtrl() = default;

// --- Images, fonts ----------------------------------------------------------------

int CSkinListCtrl::SetBkImages(HBITMAP normal, HBITMAP disabled)
{
    HandBitmap(m_private->bkNormal, normal);
    HandBitmap(m_private->bkDisabled, disabled);
    return 0;
}

int CSkinListCtrl::SetBkImages(const SharedBitmap& normal, const SharedBitmap& disabled)
{
    m_private->bkNormal = normal;
    m_private->bkDisabled = disabled;
    return 0;
}

int CSkinListCtrl::SetNormalItemBkImage(HBITMAP image)
{
    HandBitmap(m_private->normal.image, image);
    return 0;
}

int CSkinListCtrl::SetHighlightItemBkImage(HBITMAP image)
{
    HandBitmap(m_private->highlight.image, image);
    return 0;
}

int CSkinListCtrl::SetSelectedItemBkImage(HBITMAP image)
{
    HandBitmap(m_private->selected.image, image);
    return 0;
}

int CSkinListCtrl::SetNormalDisabledItemBkImage(HBITMAP image)
{
    HandBitmap(m_private->normalDisabled.image, image);
    return 0;
}

int CSkinListCtrl::SetSelectedDisabledItemBkImage(HBITMAP image)
{
    HandBitmap(m_private->selectedDisabled.image, image);
    return 0;
}

int CSkinListCtrl::SetItemFonts(const CFont* normal, const CFont* highlight, const CFont* selected,
                                const CFont* normalDisabled, const CFont* selectedDisabled)
{
    if (!normal || !highlight || !selected || !normalDisabled || !selectedDisabled)
        return -1;
    ListCtrlPrivate& p = *m_private;
    // The window lets go of the old font before it is deleted.
    if (::IsWindow(m_hWnd))
        SendMessage(WM_SETFONT, 0, FALSE);
    const struct {
        const CFont* from;
        ItemLook& look;
    } fonts[] = {{normal, p.normal},
                 {highlight, p.highlight},
                 {selected, p.selected},
                 {normalDisabled, p.normalDisabled},
                 {selectedDisabled, p.selectedDisabled}};
    for (const auto& entry : fonts) {
        entry.look.font.DeleteObject();
        CopyFont(entry.from, &entry.look.font);
    }
    if (::IsWindow(m_hWnd)) {
        const CFont& font = IsWindowEnabled() ? p.normal.font : p.normalDisabled.font;
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
    }
    return 0;
}

int CSkinListCtrl::SetThumbnailBkRects(const RECT* normal, const RECT* highlight, const RECT* selected,
                                       const RECT* disabled)
{
    const RECT* const rects[] = {normal, highlight, selected, disabled};
    for (int i = 0; i < kThumbStates; ++i) {
        if (rects[i])
            m_private->thumbBk[i] = *rects[i];
    }
    return 0;
}

int CSkinListCtrl::SetImageStrip(HBITMAP strip, int imageWidth, int imageHeight)
{
    ListCtrlPrivate& p = *m_private;
    HandBitmap(p.strip, strip);
    p.stripImage = SIZE{imageWidth, imageHeight};
    p.stripOn = strip != nullptr && imageWidth > 0;
    return 0;
}

int CSkinListCtrl::ReleaseImages()
{
    ListCtrlPrivate& p = *m_private;
    if (::IsWindow(m_hWnd))
        SendMessage(WM_SETFONT, 0, FALSE);
    for (ItemLook* look : {&p.normal, &p.highlight, &p.selected, &p.normalDisabled, &p.selectedDisabled}) {
        look->image.Release();
        look->font.DeleteObject();
    }
    p.bkNormal.Release();
    p.bkDisabled.Release();
    p.strip.Release();
    p.stripOn = false;
    p.header.ReleaseImages();
    return 0;
}

const CString& CSkinListCtrl::GetTag() const
{
    return m_private->tag;
}

CSkinHeaderCtrl& CSkinListCtrl::GetSkinHeader() const
{
    return m_private->header;
}

int CSkinListCtrl::GetHoverItem() const
{
    return m_private->hotItem;
}

bool CSkinListCtrl::IsThumbnailView() const
{
    return m_private->thumbnailView;
}

// --- Item records -------------------------------------------------------------------

ListItemRecord* CSkinListCtrl::RecordOf(int item) const
{
    LVITEMW read{};
    read.mask = LVIF_PARAM;
    read.iItem = item;
    ++m_private->rawDataGuard;
    const BOOL got = GetItem(&read);
    --m_private->rawDataGuard;
    return got ? reinterpret_cast<ListItemRecord*>(read.lParam) : nullptr;
}

void CSkinListCtrl::FreeItemRecord(ListItemRecord* record)
{
    std::unique_ptr<ListItemRecord> owned(record);
}

int CSkinListCtrl::SetSubItemImage(int item, int subItem, int image)
{
    if (item < 0 || item >= GetItemCount())
        return -1;
    ListItemRecord* const record = RecordOf(item);
    if (!record)
        return -1;
    record->subItemImages[subItem] = image;
    return 0;
}

int CSkinListCtrl::GetSubItemImage(int item, int subItem) const
{
    if (item < 0 || item >= GetItemCount())
        return -1;
    const ListItemRecord* const record = RecordOf(item);
    if (!record)
        return -1;
    const auto found = record->subItemImages.find(subItem);
    return found == record->subItemImages.end() ? -1 : found->second;
}

int CALLBACK CSkinListCtrl::CompareItemData(LPARAM first, LPARAM second, LPARAM context)
{
    const auto* const sort = reinterpret_cast<const ListSortContext*>(context);
    const auto* const a = reinterpret_cast<const ListItemRecord*>(first);
    const auto* const b = reinterpret_cast<const ListItemRecord*>(second);
    if (!sort || !sort->compare)
        return 0;
    return sort->compare(a ? a->callerData : 0, b ? b->callerData : 0, sort->value);
}

// --- Thumbnail cells ----------------------------------------------------------------

BOOL CSkinListCtrl::RawItemRect(int item, UINT part, RECT* out) const
{
    out->left = static_cast<LONG>(part);
    ++m_private->rectGuard;
    const BOOL got = static_cast<BOOL>(
        ::SendMessageW(m_hWnd, LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(out)));
    --m_private->rectGuard;
    return got;
}

int CSkinListCtrl::GetThumbnailCellRect(int item, RECT* out) const
{
    if (!out)
        return -1;
    if (!m_private->thumbnailView)
        return -2;
    RECT bounds{};
    RawItemRect(item, LVIR_BOUNDS, &bounds);
    const DWORD spacing = GetItemSpacing(FALSE);
    const int cx = LOWORD(spacing);
    const int cy = HIWORD(spacing);
    out->left = bounds.left + ((bounds.right - bounds.left) - cx) / 2;
    out->top = bounds.top;
    out->right = out->left + cx;
    out->bottom = out->top + cy;
    return 0;
}

int CSkinListCtrl::GetThumbnailLabelRect(int item, RECT* out) const
{
    if (!m_private->thumbnailView)
        return -1;
    if (item < 0 || !out || item >= GetItemCount())
        return -2;
    RECT cell;
    if (GetThumbnailCellRect(item, &cell) != 0)
        return -3;
    *out = m_private->thumbLabel[kThumbN];
    ::OffsetRect(out, cell.left, cell.top);
    return 0;
}

// --- Tool tips ----------------------------------------------------------------------

INT_PTR CSkinListCtrl::OnToolHitTest(CPoint point, TOOLINFOW* info) const
{
    LVHITTESTINFO hit{};
    hit.pt = point;
    const int item = static_cast<int>(::SendMessageW(m_hWnd, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (item < 0 || hit.iItem < 0)
        return -1;
    RECT bounds{};
    RawItemRect(hit.iItem, LVIR_BOUNDS, &bounds);
    const INT_PTR id = static_cast<INT_PTR>(MAKELONG(hit.iItem + 1, hit.iSubItem));
    info->hwnd = m_hWnd;
    info->uId = static_cast<UINT_PTR>(id);
    info->rect = bounds;
    info->lpszText = LPSTR_TEXTCALLBACKW;
    return id;
}

// The text goes into the notification's own buffer, cut to kMaxTipText characters.
BOOL CSkinListCtrl::OnToolTipText(UINT, NMHDR* header, LRESULT* result)
{
    const UINT_PTR id = header->idFrom;
    if (id == 0)
        return FALSE;
    CString text = GetItemText(static_cast<int>(LOWORD(id)) - 1, static_cast<int>(HIWORD(id)));
    SendToParent(WM_VXL_LISTTIPTEXT, reinterpret_cast<WPARAM>(&text), reinterpret_cast<LPARAM>(this));
    if (header->code == static_cast<UINT>(TTN_NEEDTEXTW)) {
        auto* const tip = reinterpret_cast<NMTTDISPINFOW*>(header);
        lstrcpynW(tip->szText, text, kMaxTipText + 1);
        tip->lpszText = tip->szText;
    } else {
        auto* const tip = reinterpret_cast<NMTTDISPINFOA*>(header);
        const int written = ::WideCharToMultiByte(CP_THREAD_ACP, 0, text, -1, tip->szText, kMaxTipText + 1, nullptr,
                                                  nullptr);
        tip->szText[written > 0 ? std::min(written - 1, kMaxTipText) : 0] = '\0';
        tip->lpszText = tip->szText;
    }
    *result = 0;
    return TRUE;
}

// --- Notifications ------------------------------------------------------------------

BOOL CSkinListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_NOTIFY && static_cast<int>(wParam) == GetDlgCtrlID()) {
        const auto* const header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == static_cast<UINT>(LVN_ITEMCHANGED)) {
            Invalidate(TRUE);
        } else if (header->code == static_cast<UINT>(NM_CLICK) && (GetStyle() & LVS_EDITLABELS)) {
            const auto* const click = reinterpret_cast<const NMITEMACTIVATE*>(lParam);
            LVHITTESTINFO hit{};
            hit.pt = click->ptAction;
            SubItemHitTest(&hit);
            RECT label;
            if (hit.iItem >= 0 && GetThumbnailLabelRect(hit.iItem, &label) == 0 && ::PtInRect(&label, hit.pt)) {
                EditLabel(hit.iItem);
                if (const HWND edit = GetEditWindow())
                    ::MoveWindow(edit, label.left, label.top, label.right - label.left, label.bottom - label.top,
                                 TRUE);
            }
        }
    }
    return CListCtrl::OnChildNotify(message, wParam, lParam, result);
}

LRESULT CSkinListCtrl::SendToParent(UINT message, WPARAM wParam, LPARAM lParam) const
{
    const HWND parent = ::GetParent(m_hWnd);
    return parent ? ::SendMessageW(parent, message, wParam, lParam) : 0;
}

// --- Own scroll bars -----------------------------------------------------------------

int CSkinListCtrl::CreateScrollBars()
{
    ListCtrlPrivate& p = *m_private;
    return CreateOwnBars(*this, p.hScroll, p.vScroll);
}

int CSkinListCtrl::LayoutScrollBars()
{
    ListCtrlPrivate& p = *m_private;
    if (!p.customScrollBars)
        return -1;
    LayOutOwnBars(*this, p.hScroll, p.vScroll, p.region);
    return 0;
}

void CSkinListCtrl::SyncScrollBars()
{
    ListCtrlPrivate& p = *m_private;
    if (p.customScrollBars)
        SyncOwnBars(m_hWnd, p.hScroll, p.vScroll);
}

CScrollBarEx* CSkinListCtrl::GetHorzScrollBarEx() const
{
    return m_private->customScrollBars ? &m_private->hScroll : nullptr;
}

CScrollBarEx* CSkinListCtrl::GetVertScrollBarEx() const
{
    return m_private->customScrollBars ? &m_private->vScroll : nullptr;
}

} // namespace Vexel
