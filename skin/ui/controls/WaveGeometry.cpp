#include "skin/ui/controls/WaveGeometry.h"

#include <algorithm>
#include <climits>

namespace Vexel {
namespace {

int ClampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

} // namespace

WaveScale SaneWaveScale(WaveScale scale)
{
    scale.cellWidth = std::max(scale.cellWidth, 1);
    scale.cellHeight = std::max(scale.cellHeight, 1);
    scale.unitX = std::max(scale.unitX, 1);
    scale.unitY = std::max(scale.unitY, 1);
    scale.offset = std::max(scale.offset, 0);
    return scale;
}

int WaveBaseline(const WaveScale& scale, const RECT& client)
{
    return client.bottom - scale.infoHeight;
}

POINT MapWavePoint(const WaveScale& scale, const RECT& client, POINT point)
{
    const WaveScale s = SaneWaveScale(scale);
    const long long x = static_cast<long long>(point.x) * s.cellWidth / s.unitX - s.offset + s.infoWidth;
    const long long y = WaveBaseline(s, client) - static_cast<long long>(point.y) * s.cellHeight / s.unitY;
    return POINT{ClampToInt(x), ClampToInt(y)};
}

WaveVerticalLines VerticalGridLines(const WaveScale& scale, const RECT& client)
{
    const WaveScale s = SaneWaveScale(scale);
    // Lines left of the information area are skipped, and as many further ones drawn: the
    // first drawn is the first k with k * step >= offset.
    const long long firstK = (static_cast<long long>(s.offset) + s.cellWidth - 1) / s.cellWidth;
    const int cols = static_cast<int>((client.right - client.left - s.infoWidth) / s.cellWidth);
    return WaveVerticalLines{ClampToInt(s.infoWidth + firstK * s.cellWidth - s.offset), s.cellWidth,
                             std::max(cols + 1, 0)};
}

int HorizontalGridRows(const WaveScale& scale, const RECT& client)
{
    const WaveScale s = SaneWaveScale(scale);
    return std::max(static_cast<int>((WaveBaseline(s, client) - client.top) / s.cellHeight), 0);
}

} // namespace Vexel
