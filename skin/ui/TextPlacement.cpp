#include "skin/ui/TextPlacement.h"

#include "skin/ui/SkinMessages.h"

#include <algorithm>

namespace Vexel {
namespace {

int MeasuredHeight(CDC& dc, const CString& text, const RECT& rect, UINT format)
{
    RECT measured = rect;
    dc.DrawText(text, &measured, format | DT_CALCRECT);
    return measured.bottom - measured.top;
}

} // namespace

RECT TextRoom(RECT rect, int horAlign, int verAlign, int horOffset, int verOffset)
{
    if (horAlign == kTextFar)
        rect.right -= horOffset;
    else
        rect.left += horOffset;
    if (verAlign == kTextFar)
        rect.bottom -= verOffset;
    else
        rect.top += verOffset;
    return rect;
}

UINT PlaceText(CDC& dc, const CString& text, RECT& rect, UINT format, int horAlign, int verAlign, int horOffset,
               int verOffset)
{
    rect = TextRoom(rect, horAlign, verAlign, horOffset, verOffset);
    if (horAlign == kTextFar)
        format |= DT_RIGHT;
    else if (horAlign == kTextCenter)
        format |= DT_CENTER;

    const bool singleLine = (format & DT_SINGLELINE) != 0;
    switch (verAlign) {
    case kTextFar:
        if (singleLine)
            format |= DT_BOTTOM;
        else
            rect.top = rect.bottom - MeasuredHeight(dc, text, rect, format);
        break;
    case kTextCenter:
        if (singleLine)
            format |= DT_VCENTER;
        else
            rect.top += (rect.bottom - MeasuredHeight(dc, text, rect, format) - rect.top) / 2;
        break;
    default:
        break;
    }
    return format;
}

LRESULT TextExtentAnswer(CDC& dc, const CString& text, const RECT& room, UINT format, WPARAM which)
{
    if (text.IsEmpty())
        return 0;
    RECT extent = room;
    if (which != kTextRoom)
        dc.DrawText(text, &extent, (format & ~(DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS)) | DT_CALCRECT);
    const auto length = [](LONG from, LONG to) { return static_cast<WORD>(std::clamp<LONG>(to - from, 0, 0xFFFF)); };
    return MAKELRESULT(length(extent.left, extent.right), length(extent.top, extent.bottom));
}

} // namespace Vexel
