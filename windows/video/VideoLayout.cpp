#include "windows/video/VideoLayout.h"

#include <iterator>

namespace {

constexpr int kShapeWidth = 450;
constexpr int kShapeHeight = 390;

// The title band above the large area, and it and the button bar together.
constexpr int kTitleBand = 27;
constexpr int kChromeHeight = 143;

struct FrameSize {
    int width;
    int height;
};
// The nominal frame of each video resolution row.
constexpr FrameSize kFrames[] = {{176, 144}, {352, 288}, {640, 480}, {800, 600}, {1024, 768}, {1280, 720}};
// The widest format's area sits one pixel further right than centred.
constexpr int kWideRow = 5;

} // namespace

int VideoWindowHeightFor(int width)
{
    return width * kShapeHeight / kShapeWidth;
}

bool RemoteVideoArea(const RECT& window, int resolutionRow, RECT& area)
{
    if (resolutionRow < 0 || resolutionRow >= static_cast<int>(std::size(kFrames)))
        return false;
    const FrameSize& frame = kFrames[resolutionRow];
    const int height = (window.bottom - window.top) - kChromeHeight;
    const int width = height * frame.width / frame.height;
    int left = window.left + ((window.right - window.left) - width) / 2;
    if (resolutionRow == kWideRow)
        ++left;
    const int top = window.top + kTitleBand;
    area = {left, top, left + width, top + height};
    return true;
}
