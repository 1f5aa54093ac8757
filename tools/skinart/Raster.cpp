#include "Raster.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace skinart {
namespace {

constexpr int kSamples = 4;   // per axis: 16 samples per pixel

// `over` with its alpha scaled by `coverage`, composited onto `under`.
Rgba Blend(Rgba under, Rgba over, double coverage)
{
    const double a = coverage * over.a / 255.0;
    if (a <= 0.0)
        return under;
    const double outA = a + under.a / 255.0 * (1.0 - a);
    if (outA <= 0.0)
        return Rgba{0, 0, 0, 0};
    const double keep = under.a / 255.0 * (1.0 - a) / outA;
    const double take = a / outA;
    Rgba result;
    result.r = static_cast<std::uint8_t>(std::lround(under.r * keep + over.r * take));
    result.g = static_cast<std::uint8_t>(std::lround(under.g * keep + over.g * take));
    result.b = static_cast<std::uint8_t>(std::lround(under.b * keep + over.b * take));
    result.a = static_cast<std::uint8_t>(std::lround(outA * 255.0));
    return result;
}

double DistanceToSegment(double px, double py, double x1, double y1, double x2, double y2)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double length = dx * dx + dy * dy;
    double t = length > 0 ? ((px - x1) * dx + (py - y1) * dy) / length : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double cx = x1 + t * dx - px;
    const double cy = y1 + t * dy - py;
    return std::sqrt(cx * cx + cy * cy);
}

} // namespace

Image::Image(int width, int height, Rgba fill)
    : m_width(width), m_height(height), m_pixels(static_cast<std::size_t>(width) * height, fill)
{
}

void Image::Fill(Rgba colour)
{
    std::fill(m_pixels.begin(), m_pixels.end(), colour);
}

void Image::FillRect(int left, int top, int width, int height, Rgba colour)
{
    const int x0 = std::max(left, 0);
    const int y0 = std::max(top, 0);
    const int x1 = std::min(left + width, m_width);
    const int y1 = std::min(top + height, m_height);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x)
            Set(x, y, Blend(At(x, y), colour, 1.0));
    }
}

void Image::Paint(const Shape& shape, const Box& bounds, Rgba colour)
{
    const int x0 = std::max(static_cast<int>(std::floor(bounds.left)) - 1, 0);
    const int y0 = std::max(static_cast<int>(std::floor(bounds.top)) - 1, 0);
    const int x1 = std::min(static_cast<int>(std::ceil(bounds.right)) + 1, m_width);
    const int y1 = std::min(static_cast<int>(std::ceil(bounds.bottom)) + 1, m_height);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    if (shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples))
                        ++inside;
                }
            }
            if (inside)
                Set(x, y, Blend(At(x, y), colour, inside / double(kSamples * kSamples)));
        }
    }
}

void Image::Draw(const Image& source, int x, int y)
{
    for (int sy = 0; sy < source.Height(); ++sy) {
        for (int sx = 0; sx < source.Width(); ++sx) {
            const int tx = x + sx;
            const int ty = y + sy;
            if (tx < 0 || ty < 0 || tx >= m_width || ty >= m_height)
                continue;
            Set(tx, ty, Blend(At(tx, ty), source.At(sx, sy), 1.0));
        }
    }
}

void Image::Put(const Image& source, int x, int y)
{
    for (int sy = 0; sy < source.Height(); ++sy) {
        for (int sx = 0; sx < source.Width(); ++sx) {
            const int tx = x + sx;
            const int ty = y + sy;
            if (tx >= 0 && ty >= 0 && tx < m_width && ty < m_height)
                Set(tx, ty, source.At(sx, sy));
        }
    }
}

Shape RoundRect(double left, double top, double width, double height, double radius)
{
    const double right = left + width;
    const double bottom = top + height;
    radius = std::min({radius, width / 2, height / 2});
    return [=](double x, double y) {
        if (x < left || x > right || y < top || y > bottom)
            return false;
        const double cx = std::clamp(x, left + radius, right - radius);
        const double cy = std::clamp(y, top + radius, bottom - radius);
        const double dx = x - cx;
        const double dy = y - cy;
        return dx * dx + dy * dy <= radius * radius;
    };
}

Shape Circle(double cx, double cy, double radius)
{
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; };
}

Shape Ring(double cx, double cy, double outer, double inner)
{
    return [=](double x, double y) {
        const double d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        return d <= outer * outer && d >= inner * inner;
    };
}

Shape Segment(double x1, double y1, double x2, double y2, double thickness)
{
    return [=](double x, double y) { return DistanceToSegment(x, y, x1, y1, x2, y2) <= thickness / 2; };
}

Shape Polygon(std::vector<std::pair<double, double>> points)
{
    return [points = std::move(points)](double x, double y) {
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const auto [xi, yi] = points[i];
            const auto [xj, yj] = points[j];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
                inside = !inside;
        }
        return inside;
    };
}

Shape Union(Shape a, Shape b)
{
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); };
}

Shape Minus(Shape a, Shape b)
{
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && !b(x, y); };
}

void FillRoundRect(Image& image, double left, double top, double width, double height, double radius, Rgba colour)
{
    image.Paint(RoundRect(left, top, width, height, radius), {left, top, left + width, top + height}, colour);
}

void FramedRoundRect(Image& image, double left, double top, double width, double height, double radius, double border,
                     Rgba edge, Rgba fill)
{
    FillRoundRect(image, left, top, width, height, radius, edge);
    FillRoundRect(image, left + border, top + border, width - 2 * border, height - 2 * border,
                  std::max(radius - border, 0.0), fill);
}

void FillCircle(Image& image, double cx, double cy, double radius, Rgba colour)
{
    image.Paint(Circle(cx, cy, radius), {cx - radius, cy - radius, cx + radius, cy + radius}, colour);
}

void StrokeLine(Image& image, double x1, double y1, double x2, double y2, double thickness, Rgba colour)
{
    const double pad = thickness;
    image.Paint(Segment(x1, y1, x2, y2, thickness),
                {std::min(x1, x2) - pad, std::min(y1, y2) - pad, std::max(x1, x2) + pad, std::max(y1, y2) + pad},
                colour);
}

void FillPolygon(Image& image, const std::vector<std::pair<double, double>>& points, Rgba colour)
{
    Box bounds{1e9, 1e9, -1e9, -1e9};
    for (const auto& [x, y] : points) {
        bounds.left = std::min(bounds.left, x);
        bounds.top = std::min(bounds.top, y);
        bounds.right = std::max(bounds.right, x);
        bounds.bottom = std::max(bounds.bottom, y);
    }
    image.Paint(Polygon(points), bounds, colour);
}

Image Strip(const std::vector<Image>& parts)
{
    if (parts.empty())
        return Image();
    const int w = parts.front().Width();
    const int h = parts.front().Height();
    Image strip(w * static_cast<int>(parts.size()), h);
    for (std::size_t i = 0; i < parts.size(); ++i)
        strip.Put(parts[i], static_cast<int>(i) * w, 0);
    return strip;
}

} // namespace skinart
