#include "skin/ui/TextPlacement.h"

namespace Vexel {
namespace {

int MeasuredHeight(CDC& dc, const CString& text, const RECT& rect, UINT format)
{
    RECT measured = rect;
    dc.DrawText(text, &measured, format | DT_CALCRECT);
    return measured.bottom - measured.top;
}

} // namespace

UINT PlaceText(CDC& dc, const CString& text, RECT& rect, UINT format, int horAlign, int verAlign, int horOffset,
               int verOffset)
{
    switch (horAlign) {
    case kTextFar:
        rect.right -= horOffset;
        format |= DT_RIGHT;
        break;
    case kTextCenter:
        rect.left += horOffset;
        format |= DT_CENTER;
        break;
    default:
        rect.left += horOffset;
        break;
    }

    const bool singleLine = (format & DT_SINGLELINE) != 0;
    switch (verAlign) {
    case kTextFar:
        rect.bottom -= verOffset;
        if (singleLine)
            format |= DT_BOTTOM;
        else
            rect.top = rect.bottom - MeasuredHeight(dc, text, rect, format);
        break;
    case kTextCenter:
        rect.top += verOffset;
        if (singleLine)
            format |= DT_VCENTER;
        else
            rect.top += (rect.bottom - MeasuredHeight(dc, text, rect, format) - rect.top) / 2;
        break;
    default:
        rect.top += verOffset;
        break;
    }
    return format;
}

} // namespace Vexel
