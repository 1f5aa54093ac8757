#include "tests/support/ContactSheet.h"

#include <algorithm>

namespace lumeo_test {

RgbImage ContactSheet(const std::vector<const RgbImage*>& pictures)
{
    constexpr int kGap = 16;
    constexpr int kMaxWidth = 1600;
    struct Place {
        int x, y;
    };
    std::vector<Place> places;
    int x = kGap, y = kGap, rowHeight = 0, width = kGap;
    for (const RgbImage* picture : pictures) {
        if (x > kGap && x + picture->width + kGap > kMaxWidth) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        places.push_back({x, y});
        x += picture->width + kGap;
        width = std::max(width, x);
        rowHeight = std::max(rowHeight, picture->height);
    }
    RgbImage sheet(width, y + rowHeight + kGap);
    std::fill(sheet.pixels.begin(), sheet.pixels.end(), std::uint8_t{0x60});
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const RgbImage& picture = *pictures[i];
        for (int row = 0; row < picture.height; ++row)
            std::copy_n(picture.Row(row), picture.width * 3, sheet.Row(places[i].y + row) + places[i].x * 3);
    }
    return sheet;
}

} // namespace lumeo_test
