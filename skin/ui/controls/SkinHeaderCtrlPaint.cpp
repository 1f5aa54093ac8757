// CSkinHeaderCtrl: painting. Every paint composes the strip and the items in one
// client-sized bitmap and copies it once, so the native header's painting never shows.
#include "skin/ui/controls/SkinHeaderCtrl.h"

#include "framework/WndDC.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/NineGrid.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/controls/HeaderItemLayout.h"
#include "skin/ui/controls/SkinHeaderCtrlPrivate.h"

namespace Vexel {
namespace {

constexpr COLORREF kBitmapKey = RGB(255, 0, 255);
constexpr int kTextCapacity = 260;

int DrawResized(CDC& dc, int x, int y, int w, int h, HBITMAP image, POINT resizePoint)
{
    return DrawResizedBitmap(dc, x, y, w, h, image, 1, resizePoint.x, resizePoint.y);
}

// Draws what `layout` places of an item's bitmap.
void DrawItemBitmap(CDC& dc, HBITMAP bitmap, const HeaderItemLayout& layout, int bitmapHeight)
{
    BitmapDC source(dc, bitmap);
    dc.TransparentBlt(layout.bitmapX, 0, layout.bitmapWidth, bitmapHeight, &source, 0, 0, layout.bitmapWidth,
                      bitmapHeight, kBitmapKey);
}

} // namespace

bool CSkinHeaderCtrl::PaintsItself() const
{
    return m_private->headerBk.GetSafeHandle() || m_private->buttonImages[kStateNormal].GetSafeHandle();
}

BOOL CSkinHeaderCtrl::OnEraseBkgnd(CDC* dc)
{
    return PaintsItself() ? TRUE : CHeaderCtrl::OnEraseBkgnd(dc);
}

void CSkinHeaderCtrl::OnPaint()
{
    if (!PaintsItself()) {
        CHeaderCtrl::OnPaint();
        return;
    }
    SkinHeaderCtrlPrivate& p = *m_private;
    CPaintDC paint(this);
    RECT client;
    GetClientRect(&client);
    const SIZE size{client.right, client.bottom};
    const HBITMAP canvas = p.canvas.Get(paint, size);
    if (!canvas)
        return;
    BitmapDC memory(paint, canvas);
    memory.SetBkMode(TRANSPARENT);
    PaintStrip(memory, client);
    const int count = GetItemCount();
    for (int item = 0; item < count; ++item)
        DrawHeaderItem(&memory, item);
    paint.BitBlt(0, 0, size.cx, size.cy, &memory, 0, 0, SRCCOPY);
}

// The strip image under everything, and the normal item image where no item lies.
void CSkinHeaderCtrl::PaintStrip(CDC& dc, const RECT& client)
{
    const SkinHeaderCtrlPrivate& p = *m_private;
    const int width = client.right + 1;
    const int height = client.bottom;
    if (p.headerBk.GetSafeHandle())
        DrawResized(dc, 0, 0, width, height, p.headerBk, p.headerBkResizePoint);
    const HBITMAP normal = p.buttonImages[kStateNormal];
    const int count = GetItemCount();
    if (count <= 0) {
        if (!p.headerBk.GetSafeHandle())
            DrawResized(dc, 0, 0, width, height, normal, p.buttonResizePoint);
        return;
    }
    RECT last;
    if (GetItemRect(OrderToIndex(count - 1), &last) && last.right < client.right)
        DrawResized(dc, last.right, 0, width - last.right, height, normal, p.buttonResizePoint);
}

int CSkinHeaderCtrl::DrawHeaderItem(CDC* dc, int index)
{
    if (!dc)
        return 0;
    const SkinHeaderCtrlPrivate& p = *m_private;
    RECT rect{};
    GetItemRect(index, &rect);

    DRAWITEMSTRUCT offer{};
    offer.CtlType = ODT_HEADER;
    offer.CtlID = static_cast<UINT>(GetDlgCtrlID());
    offer.itemID = static_cast<UINT>(index);
    offer.hwndItem = m_hWnd;
    offer.hDC = dc->GetSafeHdc();
    offer.rcItem = rect;
    if (::SendMessageW(::GetParent(m_hWnd), WM_VXL_DRAWCHILDITEM, offer.CtlID, reinterpret_cast<LPARAM>(&offer)))
        return 0;

    const VisualState look = ChooseHeaderLook(IsWindowEnabled() != FALSE, ::GetKeyState(VK_LBUTTON) < 0,
                                             p.pressedItem, p.hoverItem, index);
    if (const HBITMAP image = p.buttonImages[look])
        DrawResized(*dc, rect.left, 0, rect.right - rect.left, rect.bottom - rect.top, image, p.buttonResizePoint);

    wchar_t text[kTextCapacity] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_BITMAP;
    item.pszText = text;
    item.cchTextMax = kTextCapacity;
    GetItem(index, &item);
    BITMAP bitmap{};
    const bool hasBitmap = item.hbm && ::GetObjectW(item.hbm, sizeof(bitmap), &bitmap) == sizeof(bitmap);

    HGDIOBJ previousFont = nullptr;
    int textWidth = -1;
    if (text[0]) {
        dc->SetTextColor(p.textColors[look]);
        if (p.fonts[look].GetSafeHandle())
            previousFont = dc->SelectObject(p.fonts[look].GetSafeHandle());
        RECT measured{0, 0, 0, 0};
        dc->DrawText(text, -1, &measured, DT_SINGLELINE | DT_CALCRECT);
        textWidth = measured.right - measured.left;
    }
    const HeaderItemLayout layout = LayOutHeaderItem(rect, item.fmt, textWidth, hasBitmap ? bitmap.bmWidth : -1);
    if (layout.drawText) {
        RECT area = layout.text;
        dc->DrawText(text, -1, &area, layout.format);
    }
    if (previousFont)
        dc->SelectObject(previousFont);
    if (layout.drawBitmap)
        DrawItemBitmap(*dc, item.hbm, layout, bitmap.bmHeight);
    return 0;
}

} // namespace Vexel
