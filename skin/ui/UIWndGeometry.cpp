#include "skin/ui/UIWndGeometry.h"

#include <algorithm>

namespace Vexel {
namespace {

// One axis of LayoutRect: `nearEdge`/`farEdge` are left/right or top/bottom.
void LayoutAxis(LONG designNear, LONG designFar, LONG& outNear, LONG& outFar, LONG point, LONG background, int size,
                int rawSize, int mode)
{
    const LONG extent = designFar - designNear;
    switch (mode) {
    case kLayoutDefault:
        if (designFar > point) {
            outFar = designFar + (size - background);
            if (designNear > point)
                outNear = outFar - extent;
        }
        break;
    case kLayoutFar:
        outFar = designFar + (size - background);
        outNear = outFar - extent;
        break;
    case kLayoutCenter:
        outNear = (designNear - designFar + size) / 2;
        outFar = outNear + extent;
        break;
    case kLayoutFarEvenZoomOut:
        outFar = designFar + (rawSize - background);
        outNear = outFar - extent;
        break;
    default:   // near, free and anything unknown stay where they are
        break;
    }
}

bool InStrip(int x, int y, int left, int top, int right, int bottom)
{
    return x >= left && x < right && y >= top && y < bottom;
}

} // namespace

RECT LayoutRect(const RECT& design, const DesignFrame& frame, int cx, int cy, int rawCx, int rawCy, int horMode,
                int verMode)
{
    RECT out = design;
    LayoutAxis(design.left, design.right, out.left, out.right, frame.resizing.x, frame.background.cx, cx, rawCx,
               horMode);
    LayoutAxis(design.top, design.bottom, out.top, out.bottom, frame.resizing.y, frame.background.cy, cy, rawCy,
               verMode);
    return out;
}

RECT MapDesignRect(const RECT& design, const DesignFrame& frame, SIZE client)
{
    return LayoutRect(design, frame, client.cx, client.cy, client.cx, client.cy, kLayoutDefault, kLayoutDefault);
}

BorderHit HitTestBorderAt(int x, int y, SIZE client, const BorderMetrics& m)
{
    const int cw = client.cx;
    const int ch = client.cy;
    const int c = m.corner;
    const int b = m.border;
    const int gw = m.grip.cx;
    const int gh = m.grip.cy;
    struct Strip {
        int left, top, right, bottom;
        BorderHit hit;
    };
    const Strip strips[] = {
        {0, 0, c, c, {HTTOPLEFT, IDC_SIZENWSE}},
        {c + 1, 0, cw - c - 1, b, {HTTOP, IDC_SIZENS}},
        {cw - c, 0, cw, c, {HTTOPRIGHT, IDC_SIZENESW}},
        {cw - b, c + 1, cw, ch - gh - 1, {HTRIGHT, IDC_SIZEWE}},
        {cw - gw, ch - gh, cw, ch, {HTBOTTOMRIGHT, IDC_SIZENWSE}},
        {c + 1, ch - b, cw - gw - 1, ch, {HTBOTTOM, IDC_SIZENS}},
        {0, ch - c, c, ch, {HTBOTTOMLEFT, IDC_SIZENESW}},
        {0, c + 1, b, ch - c - 1, {HTLEFT, IDC_SIZEWE}},
    };
    for (const Strip& s : strips) {
        if (InStrip(x, y, s.left, s.top, s.right, s.bottom))
            return s.hit;
    }
    return {HTCLIENT, IDC_ARROW};
}

RECT DragBorderRect(int hitCode, const RECT& start, POINT delta, SIZE minTrack)
{
    const LONG L = start.left;
    const LONG T = start.top;
    const LONG R = start.right;
    const LONG B = start.bottom;
    const LONG w0 = R - L;
    const LONG h0 = B - T;
    const LONG shrunkW = std::max<LONG>(w0 - delta.x, minTrack.cx);   // left edge dragged
    const LONG shrunkH = std::max<LONG>(h0 - delta.y, minTrack.cy);   // top edge dragged
    const auto at = [](LONG x, LONG y, LONG w, LONG h) { return RECT{x, y, x + w, y + h}; };
    switch (hitCode) {
    case HTLEFT:
        return at(R - shrunkW, T, shrunkW, h0);
    case HTRIGHT:
        return at(L, T, w0 + delta.x, h0);
    case HTTOP:
        return at(L, B - shrunkH, w0, shrunkH);
    case HTTOPLEFT:
        return at(R - shrunkW, B - shrunkH, shrunkW, shrunkH);
    case HTTOPRIGHT:
        return at(L, B - shrunkH, w0 + delta.x, shrunkH);
    case HTBOTTOM:
        return at(L, T, w0, h0 + delta.y);
    case HTBOTTOMLEFT:
        return at(R - shrunkW, T, shrunkW, h0 + delta.y);
    case HTBOTTOMRIGHT:
        return at(L, T, w0 + delta.x, h0 + delta.y);
    default:
        return start;
    }
}

void ClampWindowPos(WINDOWPOS& pos, SIZE minTrack, SIZE maxSize)
{
    if (pos.flags & SWP_NOSIZE)
        return;
    pos.cx = std::min<int>(std::max<int>(pos.cx, minTrack.cx), maxSize.cx);
    pos.cy = std::min<int>(std::max<int>(pos.cy, minTrack.cy), maxSize.cy);
}

bool FitSplitterProposal(const RECT& window, RECT& proposed, int side, int minWidth)
{
    LONG width = 0;
    LONG fittedLeft = proposed.left;
    if (side == 0) {
        width = proposed.left - window.left;
        fittedLeft = window.left + minWidth;
    } else if (side == 2) {
        width = window.right - proposed.left;
        fittedLeft = window.right - minWidth;
    } else {
        return true;
    }
    if (width >= minWidth)
        return true;
    const LONG proposedWidth = proposed.right - proposed.left;
    proposed.left = fittedLeft;
    proposed.right = fittedLeft + proposedWidth;
    return false;
}

RECT SettleAgainstSplitter(const RECT& window, const RECT& second, int side)
{
    RECT out = window;
    if (side == 0)
        out.right = second.left;
    else if (side == 2)
        out.left = second.left;
    return out;
}

} // namespace Vexel
