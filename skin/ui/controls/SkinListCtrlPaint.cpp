// CSkinListCtrl: painting. One off-screen image per paint: the skin background, then either
// the list's own item drawers (owner draw) or the common control's rendering laid over it
// with its text background colour left out.
#include "skin/ui/controls/SkinListCtrl.h"

#include "framework/WndDC.h"
#include "skin/ui/BitmapDrawing.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/NineGrid.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/WindowImages.h"
#include "skin/ui/controls/SkinListCtrlPrivate.h"

#include <algorithm>

namespace Vexel {
namespace {

constexpr UINT kCellFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
constexpr int kTextBuffer = 260;

void Fill(CDC& dc, const RECT& rect, COLORREF color)
{
    dc.FillSolidRect(&rect, color);
}

// A look's background in `rect`: its image around its point, or else its colour.
void FillWithLook(CDC& dc, const RECT& rect, const ItemLook& look)
{
    if (look.image.GetSafeHandle())
        DrawResizedBitmap(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, look.image, 1,
                          look.resizePoint.x, look.resizePoint.y);
    else
        Fill(dc, rect, look.color);
}

UINT HeaderFormat(HWND header, int column)
{
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    ::SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    if (item.fmt & HDF_RIGHT)
        return DT_RIGHT | kCellFormat;
    if (item.fmt & HDF_CENTER)
        return DT_CENTER | kCellFormat;
    if (item.fmt & HDF_RTLREADING)
        return DT_RTLREADING | kCellFormat;
    return DT_LEFT | kCellFormat;
}

// A header item's rectangle in the list's client coordinates.
RECT ColumnRect(HWND header, HWND list, int column)
{
    RECT rect{};
    ::SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&rect));
    ::MapWindowPoints(header, list, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int ItemText(HWND list, int item, int subItem, wchar_t (&text)[kTextBuffer])
{
    LVITEMW read{};
    read.iSubItem = subItem;
    read.pszText = text;
    read.cchTextMax = kTextBuffer;
    text[0] = L'\0';
    return static_cast<int>(
        ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&read)));
}

void DrawIcon(CDC& dc, HICON icon, int x, int y, int w, int h, bool enabled)
{
    if (enabled)
        ::DrawIconEx(dc, x, y, icon, w, h, 0, nullptr, DI_NORMAL);
    else
        ::DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, w, h, DST_ICON | DSS_DISABLED);
}

} // namespace

// --- The paint ------------------------------------------------------------------------

void CSkinListCtrl::PaintList()
{
    ListCtrlPrivate& p = *m_private;
    if (p.skinBackground && !p.bkNormal.GetSafeHandle()) {
        LayoutScrollBars();
        Default();
        return;
    }
    CPaintDC dc(this);
    if (SendToParent(WM_VXL_LISTPAINT, reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(this))) {
        DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        return;
    }
    CRect client;
    GetClientRect(&client);
    const int w = client.Width();
    const int h = client.Height();
    const HBITMAP canvas = p.canvas.Get(dc, SIZE{w, h});
    if (canvas) {
        // The header paints itself: the list leaves its place alone.
        const HWND header = GetHeaderWindow();
        if (header && ::IsWindowVisible(header)) {
            RECT place;
            ::GetWindowRect(header, &place);
            ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&place), 2);
            dc.ExcludeClipRect(&place);
        }
        BitmapDC canvasDC(dc, canvas);
        const HGDIOBJ font = ::SelectObject(canvasDC, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
        DrawBackground(&canvasDC);
        if (p.ownerDraw) {
            DrawGridLines(&canvasDC);
            const int first = GetTopIndex();
            const int end = std::min(first + GetCountPerPage() + 1, GetItemCount());
            canvasDC.SetBkMode(TRANSPARENT);
            for (int i = first; i < end; ++i)
                DrawItem(&canvasDC, i);
        } else {
            PaintNative(dc, canvasDC, SIZE{w, h});
        }
        dc.BitBlt(0, 0, w, h, &canvasDC, 0, 0, SRCCOPY);
        ::SelectObject(canvasDC, font);
    }
    LayoutScrollBars();
}

// The common control's own rows, painted apart on its text background colour, which is
// then left out where they are laid over the skin.
void CSkinListCtrl::PaintNative(CDC& target, CDC& canvas, const SIZE& size)
{
    ListCtrlPrivate& p = *m_private;
    const HBITMAP native = p.native.Get(target, size);
    if (!native)
        return;
    COLORREF key = GetTextBkColor();
    if (key == CLR_NONE)
        key = 0xFFFFFF;
    BitmapDC nativeDC(target, native);
    const HGDIOBJ font = ::GetCurrentObject(nativeDC, OBJ_FONT);
    const RECT all{0, 0, size.cx, size.cy};
    Fill(nativeDC, all, key);
    SendMessage(WM_VXL_LISTPAINTNATIVE, reinterpret_cast<WPARAM>(nativeDC.GetSafeHdc()), 0);
    DrawTransparentBitmap(canvas, 0, 0, size.cx, size.cy, nativeDC, 0, 0, size.cx, size.cy, key);
    ::SelectObject(nativeDC, font);
}

int CSkinListCtrl::DrawBackground(CDC* dc)
{
    if (!dc)
        return 0;
    ListCtrlPrivate& p = *m_private;
    if (!p.skinBackground) {
        CRect client;
        GetClientRect(&client);
        Fill(*dc, client, GetBkColor());
        return 0;
    }
    const HBITMAP image = IsWindowEnabled() ? p.bkNormal : p.bkDisabled;
    DrawResizedBackground(m_hWnd, dc, image, FALSE, p.bkResizePoint.x, p.bkResizePoint.y);
    return 0;
}

int CSkinListCtrl::DrawGridLines(CDC* dc)
{
    if (!dc || !(GetStyle() & LVS_REPORT) || !(GetExtendedStyle() & LVS_EX_GRIDLINES))
        return 0;
    ListCtrlPrivate& p = *m_private;
    CRect client;
    GetClientRect(&client);
    const int id = GetDlgCtrlID();
    CPen own;
    const auto penFor = [&](HPEN offered) -> HGDIOBJ {
        if (offered)
            return offered;
        if (!own.GetSafeHandle())
            own.CreatePen(PS_SOLID, 1, p.gridColor);
        return own.GetSafeHandle();
    };

    HPEN offered = nullptr;
    if (!SendToParent(WM_VXL_LISTGRIDPEN, MAKEWPARAM(id, kGridHorizontal), reinterpret_cast<LPARAM>(&offered))) {
        const HGDIOBJ previous = ::SelectObject(*dc, penFor(offered));
        const int count = GetItemCount();
        for (int i = std::max(0, GetTopIndex()); i < count; ++i) {
            POINT position{};
            GetItemPosition(i, &position);
            const int y = position.y - 1;
            if (y >= client.bottom)
                break;
            dc->MoveTo(0, y);
            dc->LineTo(client.right, y);
        }
        ::SelectObject(*dc, previous);
    }

    offered = nullptr;
    if (!SendToParent(WM_VXL_LISTGRIDPEN, MAKEWPARAM(id, kGridVertical), reinterpret_cast<LPARAM>(&offered))) {
        const HWND header = GetHeaderWindow();
        const int columns = header ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
        const HGDIOBJ previous = ::SelectObject(*dc, penFor(offered));
        for (int c = 0; c < columns; ++c) {
            const RECT column = ColumnRect(header, m_hWnd, c);
            dc->MoveTo(column.right, column.bottom - column.top);
            dc->LineTo(column.right, client.bottom);
        }
        ::SelectObject(*dc, previous);
    }
    return 0;
}

// --- Items ------------------------------------------------------------------------------

CSkinListCtrl::ItemState CSkinListCtrl::ReadItemState(int item) const
{
    const ListCtrlPrivate& p = *m_private;
    LVITEMW read{};
    read.mask = LVIF_IMAGE | LVIF_STATE;
    read.iItem = item;
    read.stateMask = LVIS_SELECTED | LVIS_STATEIMAGEMASK;
    ItemState state{};
    state.read = GetItem(&read) != FALSE;
    state.selected = state.read && (read.state & LVIS_SELECTED);
    state.hot = !state.selected && p.highlight.effect && item == p.hotItem;
    state.enabled = IsWindowEnabled() != FALSE;
    state.image = read.iImage;
    state.stateImage = (read.state & LVIS_STATEIMAGEMASK) >> 12;
    return state;
}

COLORREF CSkinListCtrl::ItemTextColor(const ItemState& state, int item, int subItem) const
{
    const ListCtrlPrivate& p = *m_private;
    COLORREF color = p.normalDisabled.textColor;
    if (state.selected)
        color = p.selected.textColor;
    else if (state.hot)
        color = p.highlight.textColor;
    else if (state.enabled)
        color = GetTextColor();
    LISTTEXTCOLOR asked{item, subItem, color};
    if (SendToParent(WM_VXL_LISTTEXTCOLOR, 0, reinterpret_cast<LPARAM>(&asked)))
        color = asked.color;
    return color;
}

int CSkinListCtrl::DrawItem(CDC* dc, int item)
{
    if (!dc)
        return 0;
    RECT rect{};
    RawItemRect(item, LVIR_BOUNDS, &rect);
    if (m_private->thumbnailView) {
        const DWORD spacing = GetItemSpacing(FALSE);
        rect.left += ((rect.right - rect.left) - LOWORD(spacing)) / 2;
        rect.right = rect.left + LOWORD(spacing);
        rect.bottom = rect.top + HIWORD(spacing);
    }
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_LISTVIEW;
    draw.CtlID = static_cast<UINT>(GetDlgCtrlID());
    draw.itemID = static_cast<UINT>(item);
    draw.hwndItem = m_hWnd;
    draw.hDC = dc->GetSafeHdc();
    draw.rcItem = rect;
    draw.itemData = reinterpret_cast<ULONG_PTR>(RecordOf(item));
    if (SendToParent(WM_VXL_DRAWCHILDITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw)))
        return 0;
    if (GetStyle() & LVS_REPORT)
        return DrawReportItem(dc, item, &rect);
    if (m_private->thumbnailView)
        return DrawThumbnailItem(dc, item, &rect);
    return DrawIconItem(dc, item, &rect);
}

void CSkinListCtrl::DrawStripImage(CDC& dc, int image, int x, const RECT& row, int width) const
{
    const ListCtrlPrivate& p = *m_private;
    if (!p.stripOn || !p.strip.GetSafeHandle() || image < 0 || width <= 0)
        return;
    const int h = p.stripImage.cy;
    const int y = row.top + std::max(0L, ((row.bottom - row.top) - h) / 2);
    const int w = std::min<int>(p.stripImage.cx, width);
    DrawBitmapKeyWhite(dc, x, y, w, h, p.strip, image * p.stripImage.cx, w, h);
}

void CSkinListCtrl::DrawItemIcon(CDC& dc, int image, const RECT& area, bool enabled) const
{
    const HIMAGELIST list = GetImageList(LVSIL_NORMAL);
    if (!list || image < 0)
        return;
    int w = 0;
    int h = 0;
    ImageList_GetIconSize(list, &w, &h);
    const HICON icon = ImageList_GetIcon(list, image, ILD_NORMAL);
    if (!icon)
        return;
    const int x = area.left + std::max(0, static_cast<int>((area.right - area.left) - w) / 2);
    const int y = area.top + std::max(0, static_cast<int>((area.bottom - area.top) - h) / 2);
    DrawIcon(dc, icon, x, y, w, h, enabled);
    ::DestroyIcon(icon);
}

int CSkinListCtrl::DrawReportItem(CDC* dc, int item, RECT* rect)
{
    const ItemState state = ReadItemState(item);
    if (!dc || !rect || !state.read)
        return -1;
    const ListCtrlPrivate& p = *m_private;
    CRect client;
    GetClientRect(&client);
    RECT row = *rect;
    if (p.selected.effect)
        row.right = client.right;
    if (state.hot)
        FillWithLook(*dc, row, p.highlight);
    else if (state.selected)
        FillWithLook(*dc, row, state.enabled ? p.selected : p.selectedDisabled);

    const HWND header = GetHeaderWindow();
    const int columns = header ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    if (columns <= 0)
        return 0;
    RECT label{};
    RawItemRect(item, LVIR_LABEL, &label);
    wchar_t text[kTextBuffer];
    for (int c = 0; c < columns; ++c) {
        ItemText(m_hWnd, item, c, text);
        const RECT column = ColumnRect(header, m_hWnd, c);
        RECT cell = *rect;
        if (c == 0) {
            const HIMAGELIST states = GetImageList(LVSIL_STATE);
            IMAGEINFO info{};
            if (states && state.stateImage > 0 &&
                ImageList_GetImageInfo(states, static_cast<int>(state.stateImage) - 1, &info)) {
                RECT icon{};
                RawItemRect(item, LVIR_ICON, &icon);
                const int imageW = info.rcImage.right - info.rcImage.left;
                const int imageH = info.rcImage.bottom - info.rcImage.top;
                const int dx = std::max(0, static_cast<int>((icon.right - icon.left) - imageW) / 2);
                const int y = icon.top + std::max(0, static_cast<int>((icon.bottom - icon.top) - imageH) / 2);
                const int w = std::min(imageW, static_cast<int>(column.right - icon.left) - dx);
                if (const HICON stateIcon = ImageList_GetIcon(states, static_cast<int>(state.stateImage) - 1, ILD_NORMAL)) {
                    DrawIcon(*dc, stateIcon, column.left, y, w, imageH, state.enabled);
                    ::DestroyIcon(stateIcon);
                }
            }
            if (GetImageList(LVSIL_SMALL))
                DrawStripImage(*dc, state.image, column.left + 1, *rect, column.right - column.left - 1);
            cell.left = label.left + 4;
        } else {
            cell.left = column.left + 4;
            DrawStripImage(*dc, GetSubItemImage(item, c), column.left + 1, *rect, column.right - column.left - 1);
            if (p.stripOn)
                cell.left += p.stripImage.cx + 2;
        }
        cell.right = column.right;
        dc->SetTextColor(ItemTextColor(state, item, c));
        dc->DrawText(text, -1, &cell, HeaderFormat(header, c));
    }
    return 0;
}

int CSkinListCtrl::DrawIconItem(CDC* dc, int item, RECT* rect)
{
    const ItemState state = ReadItemState(item);
    if (!dc || !rect)
        return 0;
    const ListCtrlPrivate& p = *m_private;
    if (state.hot)
        Fill(*dc, *rect, p.highlight.color);
    else if (state.selected)
        Fill(*dc, *rect, p.selected.color);
    if (state.read) {
        RECT icon{};
        RawItemRect(item, LVIR_ICON, &icon);
        DrawItemIcon(*dc, state.image, icon, state.enabled);
    }
    wchar_t text[kTextBuffer];
    ItemText(m_hWnd, item, 0, text);
    RECT label{};
    RawItemRect(item, LVIR_LABEL, &label);
    label.left = rect->left;
    label.right = rect->right;
    dc->SetTextColor(ItemTextColor(state, item, 0));
    dc->DrawText(text, -1, &label, DT_CENTER | kCellFormat);
    return 0;
}

int CSkinListCtrl::DrawThumbnailItem(CDC* dc, int item, RECT* rect)
{
    const ItemState state = ReadItemState(item);
    if (!dc || !rect)
        return 0;
    const ListCtrlPrivate& p = *m_private;
    const ItemLook* look = nullptr;
    int which = kThumbN;
    if (state.selected) {
        look = state.enabled ? &p.selected : &p.selectedDisabled;
        which = kThumbS;
    } else if (state.hot) {
        look = &p.highlight;
        which = kThumbH;
    } else if (state.enabled) {
        look = p.normal.effect ? &p.normal : nullptr;
    } else {
        look = p.normalDisabled.effect ? &p.normalDisabled : nullptr;
        which = kThumbD;
    }
    const auto inCell = [&](RECT r) {
        ::OffsetRect(&r, rect->left, rect->top);
        return r;
    };
    if (look) {
        const RECT background = inCell(p.thumbBk[which]);
        if (look->type == 1)
            Fill(*dc, background, look->color);
        else if (look->image.GetSafeHandle())
            DrawResizedBitmap(*dc, background.left, background.top, background.right - background.left,
                              background.bottom - background.top, look->image, 1, look->resizePoint.x,
                              look->resizePoint.y);
    }
    if (state.read)
        DrawItemIcon(*dc, state.image, inCell(p.thumbIcon[which]), state.enabled);
    wchar_t text[kTextBuffer];
    ItemText(m_hWnd, item, 0, text);
    RECT label = inCell(p.thumbLabel[which]);
    dc->SetTextColor(ItemTextColor(state, item, 0));
    dc->DrawText(text, -1, &label, DT_CENTER | kCellFormat);
    return 0;
}

} // namespace Vexel
