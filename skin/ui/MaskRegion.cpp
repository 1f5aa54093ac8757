#include "skin/ui/MaskRegion.h"

#include <algorithm>
#include <memory>

namespace Vexel {
namespace {

// Which pixels the mask removes: the vertical runs met by the scan, one flag per pixel of
// the part of the bitmap the scan can reach.
class MaskRuns {
public:
    MaskRuns(const PixelRows& rows, DWORD key, int width, int height)
        : m_columns(std::min(width + 1, rows.width)), m_rows(rows.height)
    {
        if (m_columns <= 0 || m_rows <= 0 || key == kNoPixel)
            return;
        m_flags.assign(static_cast<size_t>(m_columns) * m_rows, 0);
        const int lastRow = std::min(height, m_rows - 1);
        for (int x = 0; x < m_columns; ++x) {
            for (int y = 0; y <= lastRow; ++y) {
                if (!rows.Matches(x, y, key))
                    continue;
                int end = y + 1;
                while (rows.Matches(x, end, key))
                    ++end;
                for (int r = y; r < end; ++r)
                    m_flags[static_cast<size_t>(r) * m_columns + x] = 1;
                y = end;   // row `end` is known not to match
            }
        }
    }

    int Rows() const { return m_flags.empty() ? 0 : m_rows; }
    bool At(int x, int y) const
    {
        return !m_flags.empty() && x < m_columns && y < m_rows && m_flags[static_cast<size_t>(y) * m_columns + x];
    }

private:
    int m_columns;
    int m_rows;
    std::vector<unsigned char> m_flags;
};

// The x spans [from, to) of one row of the result.
using Spans = std::vector<std::pair<int, int>>;

Spans RowSpans(const MaskRuns& runs, int y, int width, int height, int scanWidth)
{
    Spans spans;
    int start = -1;
    for (int x = 0; x <= scanWidth; ++x) {
        const bool inside = x < scanWidth && ((y < height && x < width) != runs.At(x, y));
        if (inside && start < 0)
            start = x;
        else if (!inside && start >= 0) {
            spans.emplace_back(start, x);
            start = -1;
        }
    }
    return spans;
}

// Builds a region out of many rectangles given in band order. A region made from a long
// list at once costs some systems a union per rectangle over the whole region so far, so
// the list goes in short chunks, and the chunks' regions are merged pairwise like a binary
// counter: each rectangle takes part in a logarithmic number of unions, and only a few
// regions are alive at a time.
class RegionBuilder {
public:
    void Add(const RECT& rect)
    {
        m_chunk.push_back(rect);
        if (m_chunk.size() >= kChunk)
            FlushChunk();
    }

    BOOL Finish(CRgn& region)
    {
        FlushChunk();
        if (m_levels.empty())
            return region.CreateRectRgn(0, 0, 0, 0);
        while (m_levels.size() > 1)
            MergeTop();
        return region.Attach(m_levels.back().region->Detach());
    }

private:
    static constexpr size_t kChunk = 64;

    struct Level {
        std::unique_ptr<CRgn> region;
        int rank;
    };

    void FlushChunk()
    {
        if (m_chunk.empty())
            return;
        auto region = std::make_unique<CRgn>();
        CreateRegionFromRects(m_chunk, *region);
        m_chunk.clear();
        m_levels.push_back(Level{std::move(region), 0});
        while (m_levels.size() >= 2 && m_levels[m_levels.size() - 1].rank == m_levels[m_levels.size() - 2].rank)
            MergeTop();
    }

    // Unites the two newest regions into the older one.
    void MergeTop()
    {
        Level top = std::move(m_levels.back());
        m_levels.pop_back();
        Level& below = m_levels.back();
        below.region->CombineRgn(below.region.get(), top.region.get(), RGN_OR);
        ++below.rank;
    }

    std::vector<RECT> m_chunk;
    std::vector<Level> m_levels;
};

} // namespace

bool ReadPixelRows(HBITMAP bitmap, HDC reference, PixelRows& rows)
{
    rows = PixelRows{};
    BITMAP info = {};
    if (!bitmap || ::GetObjectW(bitmap, sizeof(info), &info) != sizeof(info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return false;

    BITMAPINFO header = {};
    header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = -info.bmHeight;   // top row first
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;

    std::vector<DWORD> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    if (::GetDIBits(reference, bitmap, 0, info.bmHeight, pixels.data(), &header, DIB_RGB_COLORS) != info.bmHeight)
        return false;
    rows.width = info.bmWidth;
    rows.height = info.bmHeight;
    rows.pixels = std::move(pixels);
    return true;
}

DWORD PixelFromColor(COLORREF color)
{
    if (color >> 24)
        return kNoPixel;
    return static_cast<DWORD>(GetRValue(color)) << 16 | static_cast<DWORD>(GetGValue(color)) << 8 | GetBValue(color);
}

BOOL CreateMaskRegion(const PixelRows& rows, COLORREF mask, int width, int height, CRgn& region)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    const MaskRuns runs(rows, PixelFromColor(mask), width, height);
    const int scanWidth = std::max(width, std::min(width + 1, rows.width));
    const int scanHeight = std::max(height, runs.Rows());

    // One band per run of equal rows, so the rectangles come out sorted by y, then x.
    RegionBuilder builder;
    Spans band;
    int bandTop = 0;
    const auto closeBand = [&](int bottom) {
        for (const auto& span : band)
            builder.Add(RECT{span.first, bandTop, span.second, bottom});
    };
    for (int y = 0; y < scanHeight; ++y) {
        Spans spans = RowSpans(runs, y, width, height, scanWidth);
        if (y == 0 || spans != band) {
            closeBand(y);
            band = std::move(spans);
            bandTop = y;
        }
    }
    closeBand(scanHeight);
    return builder.Finish(region);
}

BOOL CreateRegionFromRects(const std::vector<RECT>& rects, CRgn& region)
{
    if (rects.empty())
        return region.CreateRectRgn(0, 0, 0, 0);
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* const header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(rects.size());
    header->nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    RECT bound = rects.front();
    for (const RECT& r : rects) {
        bound.left = std::min(bound.left, r.left);
        bound.top = std::min(bound.top, r.top);
        bound.right = std::max(bound.right, r.right);
        bound.bottom = std::max(bound.bottom, r.bottom);
    }
    header->rcBound = bound;
    std::copy(rects.begin(), rects.end(), reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER)));
    return region.Attach(
        ::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data())));
}

} // namespace Vexel
