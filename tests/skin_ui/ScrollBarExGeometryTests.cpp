// The skinned scroll bar's arithmetic: where arrows and thumb lie, what a point hits, the
// look of a part, and the position a thumb drag asks for, at its edges.
#include "skin/ui/controls/ScrollBarExGeometry.h"

#include <gtest/gtest.h>

using namespace Vexel;

namespace skin_ui_test {
namespace {

SCROLLINFO Info(int nMin, int nMax, UINT page, int position)
{
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL};
    info.nMin = nMin;
    info.nMax = nMax;
    info.nPage = page;
    info.nPos = position;
    return info;
}

ScrollBarShape Bar(bool vertical, int length = 130, int across = 17)
{
    ScrollBarShape shape{};
    shape.client = vertical ? RECT{0, 0, across, length} : RECT{0, 0, length, across};
    shape.vertical = vertical;
    shape.leftUpLength = 15;
    shape.rightDownLength = 15;
    return shape;
}

// Start and length of the thumb along the bar; length 0 without a thumb.
struct Along {
    int start;
    int length;
};

Along ThumbAlong(const ScrollBarShape& shape, const ScrollBarParts& parts)
{
    if (!parts.HasThumb())
        return {0, 0};
    if (shape.vertical)
        return {parts.thumb.top, parts.thumb.bottom - parts.thumb.top};
    return {parts.thumb.left, parts.thumb.right - parts.thumb.left};
}

TEST(ScrollBarExGeometry, ThumbFollowsPageAndPositionOnBothOrientations)
{
    const struct {
        const char* name;
        SCROLLINFO info;
        int dragOffset;
        Along expected;
    } kCases[] = {
        {"page 10 of 100 at 50", Info(0, 99, 10, 50), 0, {65, 10}},
        {"page 1: the shortest thumb", Info(0, 99, 1, 0), 0, {15, kMinThumbLength}},
        {"page longer than the track: no thumb", Info(0, 99, 200, 0), 0, {0, 0}},
        {"no range: 8 pixels at the start", Info(0, -1, 10, 5), 0, {0, kMinThumbLength}},
        {"dragged 20 pixels on", Info(0, 99, 10, 50), 20, {85, 10}},
        {"past the end: kept before the down arrow", Info(0, 99, 10, 99), 0, {105, 10}},
        {"dragged before the start: kept after the up arrow", Info(0, 99, 10, 10), -60, {15, 10}},
    };
    for (const bool vertical : {true, false}) {
        const ScrollBarShape shape = Bar(vertical);
        for (const auto& c : kCases) {
            const ScrollBarParts parts = ComputeScrollBarParts(shape, c.info, c.dragOffset);
            const Along thumb = ThumbAlong(shape, parts);
            EXPECT_EQ(thumb.start, c.expected.start) << c.name << (vertical ? " (vertical)" : " (horizontal)");
            EXPECT_EQ(thumb.length, c.expected.length) << c.name << (vertical ? " (vertical)" : " (horizontal)");
        }
        const ScrollBarParts parts = ComputeScrollBarParts(shape, Info(0, 99, 10, 50), 0);
        const RECT up = vertical ? RECT{0, 0, 17, 15} : RECT{0, 0, 15, 17};
        const RECT down = vertical ? RECT{0, 115, 17, 130} : RECT{115, 0, 130, 17};
        EXPECT_TRUE(::EqualRect(&parts.leftUp, &up));
        EXPECT_TRUE(::EqualRect(&parts.rightDown, &down));
    }
}

TEST(ScrollBarExGeometry, APointHitsArrowsThumbAndThePagesAroundIt)
{
    const ScrollBarShape shape = Bar(true);
    const ScrollBarParts parts = ComputeScrollBarParts(shape, Info(0, 99, 10, 50), 0);   // thumb 65..75
    const struct {
        int y;
        ScrollBarPart part;
    } kCases[] = {
        {0, kScrollPartLeftUp}, {14, kScrollPartLeftUp}, {15, kScrollPartPageBefore}, {64, kScrollPartPageBefore},
        {65, kScrollPartThumb}, {74, kScrollPartThumb}, {75, kScrollPartPageAfter}, {114, kScrollPartPageAfter},
        {115, kScrollPartRightDown}, {129, kScrollPartRightDown}, {130, kScrollPartNone},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(HitTestScrollBar(shape, parts, POINT{5, c.y}), c.part) << "y " << c.y;

    // Without a thumb the track is no part.
    const ScrollBarParts none = ComputeScrollBarParts(shape, Info(0, 99, 200, 0), 0);
    EXPECT_EQ(HitTestScrollBar(shape, none, POINT{5, 60}), kScrollPartNone);
    EXPECT_EQ(HitTestScrollBar(shape, none, POINT{5, 5}), kScrollPartLeftUp);
}

TEST(ScrollBarExGeometry, LookOfAPart)
{
    const struct {
        bool enabled, active, buttonDown, pressed, hover;
        ScrollBarLook look;
    } kCases[] = {
        {false, true, true, true, true, kScrollLookDisabled},
        {true, false, true, true, true, kScrollLookNormal},
        {true, true, true, true, true, kScrollLookSelected},
        {true, true, true, true, false, kScrollLookHighlight},
        {true, true, false, true, true, kScrollLookHighlight},
        {true, true, false, false, false, kScrollLookNormal},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(PartLook(c.enabled, c.active, c.buttonDown, c.pressed, c.hover), c.look)
            << c.enabled << c.active << c.buttonDown << c.pressed << c.hover;
}

TEST(ScrollBarExGeometry, ThumbDragAsksForPositionsWithinTheRange)
{
    const struct {
        const char* name;
        SCROLLINFO start;
        int track;
        int offset;
        std::optional<int> position;
    } kCases[] = {
        {"one unit per pixel", Info(0, 99, 10, 50), 100, 20, 70},
        {"back", Info(0, 99, 10, 50), 100, -20, 30},
        {"less than one unit: nothing", Info(0, 99, 10, 50), 100, 1, std::nullopt},
        {"far on: the last page", Info(0, 99, 10, 50), 100, 500, 90},
        {"far back: the first position", Info(0, 99, 10, 50), 100, -500, 0},
        {"far back with a range from 20", Info(20, 99, 10, 50), 100, -500, 20},
        {"page 0 counts as 1", Info(0, 99, 0, 50), 100, 500, 99},
        {"track 0: nothing", Info(0, 99, 10, 50), 0, 30, std::nullopt},
        {"track below 0: nothing", Info(0, 99, 10, 50), -5, 30, std::nullopt},
        {"no range: nothing", Info(0, -1, 10, 0), 100, 30, std::nullopt},
        {"large ranges do not overflow", Info(0, 1999999999, 10, 0), 100, 50, 1000000000},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(ThumbTrackPosition(c.start, c.track, c.offset), c.position) << c.name;
}

} // namespace
} // namespace skin_ui_test
