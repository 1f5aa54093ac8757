#include "skin/ui/controls/HeaderItemLayout.h"

#include <commctrl.h>

#include <algorithm>

namespace Vexel {
namespace {

constexpr int kTextInset = 4;     // text and bitmap keep this far from the item's edges
constexpr int kBitmapGap = 8;     // room kept right of a text that a bitmap follows
constexpr UINT kAlignment = DT_CENTER | DT_RIGHT;

bool IsEmpty(const RECT& rect)
{
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

UINT TextFlags(int format)
{
    UINT flags = DT_SINGLELINE | DT_VCENTER;
    switch (format & HDF_JUSTIFYMASK) {
    case HDF_CENTER:
        return flags | DT_CENTER;
    case HDF_RIGHT:
        return flags | DT_RIGHT;
    default:
        return (format & HDF_RTLREADING) ? flags | DT_RTLREADING : flags;
    }
}

} // namespace

VisualState ChooseHeaderLook(bool enabled, bool leftButtonDown, int pressed, int hover, int item)
{
    const bool held = leftButtonDown && pressed == item;
    return ChooseVisualState(enabled, leftButtonDown, held, hover == item && (pressed == -1 || held));
}

HeaderItemLayout LayOutHeaderItem(const RECT& item, int format, int textWidth, int bitmapWidth)
{
    HeaderItemLayout layout;
    const bool hasBitmap = bitmapWidth >= 0;
    RECT text = item;
    text.left += kTextInset;
    UINT flags = TextFlags(format);

    if (textWidth >= 0) {
        if (hasBitmap) {
            // With a bitmap the text takes only its own width, so the bitmap can follow it.
            text.right = item.right - kBitmapGap - bitmapWidth;
            if (!IsEmpty(text)) {
                const int room = text.right - text.left;
                if (textWidth < room) {
                    if (flags & DT_CENTER)
                        text.left += (room - textWidth) / 2;
                    else if (flags & DT_RIGHT)
                        text.left = text.right - textWidth;
                    text.right = text.left + textWidth;
                } else {
                    flags &= ~kAlignment;
                }
            }
        } else {
            text.right -= kTextInset;
            if (!IsEmpty(text) && textWidth > text.right - text.left)
                flags &= ~kAlignment;
        }
        if (!IsEmpty(text)) {
            layout.drawText = true;
            layout.text = text;
            layout.format = flags | DT_END_ELLIPSIS;
        }
    }

    if (hasBitmap && bitmapWidth > 0) {
        // Without a drawn text the bitmap goes to the right edge rather than after a text
        // rectangle that spans the whole item, where it would never show.
        const int x = layout.drawText ? layout.text.right + kTextInset
                                      : std::max(item.right - bitmapWidth - kTextInset, item.left + kTextInset);
        const int room = std::min(x + bitmapWidth, static_cast<int>(item.right)) - x;
        if (room > 0) {
            layout.drawBitmap = true;
            layout.bitmapX = x;
            layout.bitmapWidth = std::min(bitmapWidth, room);
        }
    }
    return layout;
}

} // namespace Vexel
