// CWaveCtrl: drawing the graph.
#include "skin/ui/controls/WaveCtrl.h"

#include "skin/ui/BitmapDrawing.h"
#include "skin/ui/DcScopes.h"

#include <algorithm>
#include <vector>

namespace Vexel {
namespace {

// The pen a drawing step selects, put back when the step ends.
class PenScope {
public:
    PenScope(CDC& dc, HPEN pen) : m_dc(dc), m_previous(pen ? dc.SelectObject(pen) : nullptr) {}
    ~PenScope()
    {
        if (m_previous)
            m_dc.SelectObject(m_previous);
    }
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;

private:
    CDC& m_dc;
    HGDIOBJ m_previous;
};

// A cosmetic pen that sets every other pixel.
HPEN AlternatePen(COLORREF color)
{
    const LOGBRUSH brush{BS_SOLID, color, 0};
    return ::ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr);
}

// The colour of the gradient row at i: darker downwards, each part wrapping at 256.
COLORREF GradientColor(int i)
{
    const int step = i / 2;
    return RGB((100 - step) & 0xFF, (114 - step) & 0xFF, (146 - step) & 0xFF);
}

} // namespace

int CWaveCtrl::DrawView(CDC* dc)
{
    if (!dc)
        return -1;
    const RECT client = Client();
    DrawBackground(dc);
    const HWND parent = ::GetParent(m_hWnd);
    if (parent) {
        NMWAVEINFOAREA info{{m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), static_cast<UINT>(WVN_DRAWINFOAREA)},
                            dc->GetSafeHdc(), client};
        ::SendMessageW(parent, WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
    }

    const SIZE size{client.right, client.bottom};
    const HBITMAP graphImage = m_graph.Get(*dc, size);
    if (!graphImage)
        return 0;
    BitmapDC graph(*dc, graphImage);
    DrawBackground(&graph);
    DrawHorzGrid(&graph);
    if (m_series.size() != 1)
        DrawVertGrid(&graph);   // a single series draws it over its gradient
    DrawSeries(&graph);
    // The left information area keeps the background and what the parent drew there.
    const int left = std::clamp(m_scale.infoWidth, 0, static_cast<int>(size.cx));
    dc->BitBlt(left, 0, size.cx - left, size.cy, &graph, left, 0, SRCCOPY);
    return 0;
}

int CWaveCtrl::DrawBackground(CDC* dc)
{
    if (!dc)
        return -1;
    const RECT client = Client();
    if (m_background.GetSafeHandle())
        StretchBitmapToRect(m_background, *dc, client);
    else
        dc->FillSolidRect(&client, ::GetSysColor(COLOR_WINDOW));   // what the class would erase to
    return 0;
}

int CWaveCtrl::DrawHorzGrid(CDC* dc)
{
    if (!dc)
        return -1;
    const RECT client = Client();
    // A single series keeps its grid outside the area under its curve.
    CRgn* const fill = FillRegion();
    if (fill)
        dc->SelectClipRgn(fill, RGN_XOR);
    CPen pen;
    pen.Attach(AlternatePen(m_gridColor));
    {
        PenScope selected(*dc, pen);
        const int baseline = WaveBaseline(m_scale, client);
        const int rows = HorizontalGridRows(m_scale, client);
        for (int k = 0; k <= rows; ++k) {
            const int y = baseline - m_scale.cellHeight * k;
            dc->MoveTo(m_scale.infoWidth, y);
            dc->LineTo(client.right, y);
        }
    }
    if (fill)
        dc->SelectClipRgn(nullptr);
    return 0;
}

int CWaveCtrl::DrawVertGrid(CDC* dc)
{
    if (!dc)
        return -1;
    const RECT client = Client();
    CPen pen(PS_SOLID, 2, m_gridColor);
    PenScope selected(*dc, pen);
    const int baseline = WaveBaseline(m_scale, client);
    const WaveVerticalLines lines = VerticalGridLines(m_scale, client);
    for (int k = 0; k < lines.count; ++k) {
        const int x = lines.firstX + k * lines.step;
        dc->MoveTo(x, 0);
        dc->LineTo(x, baseline);
    }
    return 0;
}

int CWaveCtrl::DrawSeries(CDC* dc)
{
    if (!dc)
        return -1;
    const RECT client = Client();
    const bool single = m_series.size() == 1;
    for (const WAVESERIES& series : m_series) {
        if (single) {
            if (CRgn* const fill = FillRegion()) {
                dc->SelectClipRgn(fill);
                for (int i = 0; i < client.bottom; i += 2)
                    dc->FillSolidRect(0, client.top + 2 * i, client.right, 2, GradientColor(i));
                dc->SelectClipRgn(nullptr);
            }
            DrawVertGrid(dc);
        }
        CPen pen(PS_SOLID, 1, series.color);
        PenScope selected(*dc, pen);
        POINT previous{};
        int lowest = 0;
        for (size_t i = 0; i < series.points.size(); ++i) {
            const POINT point = MapWavePoint(m_scale, client, series.points[i]);
            // A segment ending in the left information area is left out.
            if (i > 0 && point.x >= m_scale.infoWidth) {
                dc->MoveTo(previous);
                dc->LineTo(point);
            }
            lowest = i == 0 ? point.y : std::max(lowest, static_cast<int>(point.y));
            previous = point;
        }
        if (single && !series.points.empty())
            DrawLowLine(dc, lowest);
    }
    return 0;
}

int CWaveCtrl::DrawLowLine(CDC* dc, int y)
{
    if (!dc)
        return -1;
    const RECT client = Client();
    CPen pen(PS_SOLID, 2, kLowLineColor);
    PenScope selected(*dc, pen);
    dc->MoveTo(m_scale.infoWidth, y);
    dc->LineTo(client.right, y);
    return 0;
}

int CWaveCtrl::CreateSeriesRegion(const WAVESERIES* series, CRgn* region)
{
    if (!series)
        return -1;
    if (!region)
        return -2;
    if (region->GetSafeHandle())
        return -3;
    if (series->points.empty())
        return region->CreateRectRgn(0, 0, 0, 0) ? 0 : -2;
    const RECT client = Client();
    const int baseline = WaveBaseline(m_scale, client);
    std::vector<POINT> outline;
    outline.reserve(series->points.size() + 2);
    for (const POINT& point : series->points)
        outline.push_back(MapWavePoint(m_scale, client, point));
    outline.insert(outline.begin(), POINT{outline.front().x, baseline});
    outline.push_back(POINT{outline.back().x, baseline});
    return region->CreatePolygonRgn(outline.data(), static_cast<int>(outline.size()), WINDING) ? 0 : -2;
}

CRgn* CWaveCtrl::FillRegion()
{
    if (m_series.size() != 1)
        return nullptr;
    if (!m_fillRegion.GetSafeHandle() && CreateSeriesRegion(&m_series.front(), &m_fillRegion) != 0)
        return nullptr;
    return &m_fillRegion;
}

} // namespace Vexel
