#pragma once
// Where the wave graph puts things: data points mapped to client pixels, the baseline and
// the grid lines. Pure functions of the graph's scale and client rectangle, so they can be
// checked without a window.
#include <windows.h>

namespace Vexel {

// The graph's scale. A cell is cellWidth x cellHeight pixels and spans unitX data units
// across and unitY up; the information areas take infoWidth pixels at the left (the x
// origin of the graph) and infoHeight at the bottom (the baseline lies that far above the
// client bottom). The graph is panned `offset` pixels to the left.
struct WaveScale {
    int infoWidth = 60;
    int infoHeight = 20;
    int cellWidth = 30;
    int cellHeight = 30;
    int unitX = 1;
    int unitY = 1;
    int offset = 0;
};

// The scale with every cell size and unit at least 1 and the offset at least 0, so nothing
// divides by zero and the grid steps move on.
WaveScale SaneWaveScale(WaveScale scale);

// The y of data value 0.
int WaveBaseline(const WaveScale& scale, const RECT& client);

// The client pixel of data point `point`: x * cellWidth / unitX - offset + infoWidth
// across, baseline - y * cellHeight / unitY down (integer division, truncating; computed
// wide, clamped to the int range).
POINT MapWavePoint(const WaveScale& scale, const RECT& client, POINT point);

// The vertical grid: `count` lines, `step` apart, the first at `firstX`, the first line
// of the step pattern (infoWidth + k * cellWidth - offset) that is not left of infoWidth.
struct WaveVerticalLines {
    int firstX;
    int step;
    int count;
};
WaveVerticalLines VerticalGridLines(const WaveScale& scale, const RECT& client);

// The number of horizontal grid lines above the baseline, the baseline's own line not
// counted: (baseline - client top) / cellHeight, at least 0.
int HorizontalGridRows(const WaveScale& scale, const RECT& client);

} // namespace Vexel
