// CThumbnailCtrl: painting the view and its items.
#include "skin/ui/controls/ThumbnailCtrl.h"

#include "skin/ui/BitmapDrawing.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/NineGrid.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/WindowImages.h"
#include "skin/ui/controls/ThumbnailCtrlPrivate.h"

namespace Vexel {
namespace {

constexpr COLORREF kListSelected = 0x0000FF;
constexpr COLORREF kListHot = 0x00FFFF;
constexpr COLORREF kSelectedFrame = 0x6A240A;
constexpr COLORREF kHotFrame = 0x640000;
constexpr COLORREF kNormalFrame = 0xC8D0D4;
constexpr COLORREF kFrameFill = RGB(255, 255, 255);

// Stands in for a missing item background: a frame 2 pixels wide, white inside.
void DrawFrame(CDC& dc, int x, int y, int w, int h, COLORREF color)
{
    dc.FillSolidRect(x, y, w, h, color);
    if (w > 4 && h > 4)
        dc.FillSolidRect(x + 2, y + 2, w - 4, h - 4, kFrameFill);
}

RECT Offset(RECT rect, int x, int y)
{
    ::OffsetRect(&rect, x, y);
    return rect;
}

} // namespace

void CThumbnailCtrl::DrawView(CDC* dc)
{
    if (!dc)
        return;
    ThumbnailCtrlPrivate& p = *m_private;
    const ThumbnailGrid grid = Grid();
    const SIZE view = grid.view;

    if (!grid.listMode && p.backgroundImage.GetSafeHandle()) {
        // The view's part of the window's background, stretched around the window's own
        // resizing point so that it continues the window's background.
        const HWND parent = ::GetParent(m_hWnd);
        const POINT point = ControlResizePoint(m_hWnd, parent, RectInParent(m_hWnd, parent), TRUE, 0, 0);
        DrawResizedBitmap(*dc, 0, 0, view.cx, view.cy, p.backgroundImage, 1, point.x, point.y);
    } else {
        dc->FillSolidRect(0, 0, view.cx, view.cy, p.backColor);
    }
    const int previousMode = dc->SetBkMode(TRANSPARENT);
    const HFONT previousFont = dc->SelectObject(&p.font);

    DRAWITEMSTRUCT draw{};
    draw.CtlType = VXL_ODT_THUMBNAIL;
    draw.CtlID = static_cast<UINT>(GetDlgCtrlID());
    draw.itemAction = ODA_DRAWENTIRE;
    draw.hwndItem = m_hWnd;
    draw.hDC = dc->GetSafeHdc();
    const auto drawOne = [&](int index, const RECT& rect) {
        draw.itemID = static_cast<UINT>(index);
        draw.itemState = IsSelected(index) ? ODS_SELECTED : 0;
        draw.rcItem = rect;
        const THUMBNAILITEM* const record = RecordOf(index);
        draw.itemData = record ? record->userData : 0;
        DrawItem(&draw);
    };
    if (grid.listMode) {
        const int line = grid.item.cy;
        for (int index = grid.position, row = 0; index <= grid.position + grid.rows && index < grid.count;
             ++index, ++row)
            drawOne(index, RECT{0, row * line, view.cx, (row + 1) * line});
    } else if (!grid.Empty()) {
        const int firstRow = grid.position / grid.unitsPerRow;
        for (int row = firstRow; row < firstRow + grid.rows + 2; ++row) {
            for (int col = 0; col < grid.cols; ++col) {
                const int index = row * grid.cols + col;
                if (index < grid.count)
                    drawOne(index, ThumbnailImageArea(grid, index));
            }
        }
    }
    dc->SelectObject(previousFont);
    dc->SetBkMode(previousMode);
}

void CThumbnailCtrl::DrawItem(DRAWITEMSTRUCT* draw)
{
    if (!draw)
        return;
    if (const HWND parent = ::GetParent(m_hWnd)) {
        if (::SendMessageW(parent, WM_VXL_DRAWCHILDITEM, draw->CtlID, reinterpret_cast<LPARAM>(draw)) != 0)
            return;
    }
    ThumbnailCtrlPrivate& p = *m_private;
    BorrowedDC dc(draw->hDC);
    const int index = static_cast<int>(draw->itemID);
    const bool selected = IsSelected(index);
    const bool hot = index == p.hot;
    dc.SetTextColor(p.textColor);
    const CString label = GetItemText(index);
    RECT rect = draw->rcItem;

    if (p.metrics.listMode) {
        if (selected)
            dc.FillSolidRect(&rect, kListSelected);
        else if (hot)
            dc.FillSolidRect(&rect, kListHot);
        dc.DrawText(label, &rect, DT_END_ELLIPSIS);
        return;
    }

    const int previousStretch = dc.SetStretchBltMode(COLORONCOLOR);
    const bool disabled = !IsWindowEnabled();
    const SIZE item = p.metrics.item;
    const SIZE image = p.metrics.image;
    const int x = rect.left;
    const int y = rect.top;
    const auto background = [&](const CBitmap& own) -> HBITMAP {
        return static_cast<HBITMAP>((disabled ? p.disabledBk : own).GetSafeHandle());
    };
    RECT imagePart;
    RECT labelPart;
    if (selected) {
        if (const HBITMAP bk = background(p.selectedBk))
            DrawBitmap(dc, x, y, image.cx, image.cy, bk, 0, 0, SRCCOPY);
        else
            DrawFrame(dc, x, y, image.cx, image.cy, kSelectedFrame);
        imagePart = p.parts[0];
        labelPart = p.parts[1];
    } else if (hot) {
        if (const HBITMAP bk = background(p.highlightBk)) {
            const int hx = x + (item.cx - p.hover.cx) / 2 - (item.cx - image.cx) / 2;
            const int hy = y + (item.cy - p.hover.cy) / 2 - (item.cy - image.cy) / 2;
            DrawBitmap(dc, hx, hy, p.hover.cx, p.hover.cy, bk, 0, 0, SRCCOPY);
        } else {
            DrawFrame(dc, x, y, image.cx, image.cy, kHotFrame);
        }
        imagePart = p.parts[2];
        labelPart = p.parts[3];
    } else {
        if (const HBITMAP bk = background(p.normalBk))
            DrawBitmap(dc, x, y, image.cx, image.cy, bk, 0, 0, SRCCOPY);
        else
            DrawFrame(dc, x, y, image.cx, image.cy, kNormalFrame);
        imagePart = p.parts[0];
        labelPart = p.parts[1];
    }

    const THUMBNAILITEM* const record = RecordOf(index);
    SIZE size{};
    if (record && record->thumbnail.GetSafeHandle() && GetBitmapSize(record->thumbnail, size) == 0) {
        const RECT target = Offset(imagePart, x, y);
        BitmapDC source(dc, record->thumbnail);
        dc.StretchBlt(target.left, target.top, target.right - target.left, target.bottom - target.top, &source, 0,
                      0, size.cx, size.cy, SRCCOPY);
    }
    RECT text = Offset(labelPart, x, y);
    dc.DrawText(label, &text, DT_CENTER | DT_END_ELLIPSIS);
    dc.SetStretchBltMode(previousStretch);
}

} // namespace Vexel
