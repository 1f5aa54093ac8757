#pragma once
// A small software canvas: 32-bit pixels, shapes given as inside tests and painted with 4x4
// supersampled coverage, so edges come out smooth without any outside library.
#include <cstdint>
#include <functional>
#include <vector>

namespace skinart {

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
};

constexpr Rgba Hex(std::uint32_t rgb, std::uint8_t alpha = 255)
{
    return Rgba{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                static_cast<std::uint8_t>(rgb), alpha};
}

// Where a shape is: true for a point (in pixel units, pixel centres at x + 0.5) inside it.
using Shape = std::function<bool(double x, double y)>;

struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
};

class Image {
public:
    Image() = default;
    Image(int width, int height, Rgba fill = Rgba{0, 0, 0, 0});

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    Rgba At(int x, int y) const { return m_pixels[static_cast<std::size_t>(y) * m_width + x]; }
    void Set(int x, int y, Rgba colour) { m_pixels[static_cast<std::size_t>(y) * m_width + x] = colour; }

    void Fill(Rgba colour);
    void FillRect(int left, int top, int width, int height, Rgba colour);
    // Blends `colour` over every pixel by the share of the pixel that `shape` covers; `bounds`
    // limits the work to where the shape can be.
    void Paint(const Shape& shape, const Box& bounds, Rgba colour);
    // Copies `source` with its top-left corner at (x, y), blending by the source's alpha.
    void Draw(const Image& source, int x, int y);
    // Copies `source` as it is (alpha included) to (x, y).
    void Put(const Image& source, int x, int y);

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<Rgba> m_pixels;
};

// Shapes (coordinates in pixels; rectangles as left, top, width, height).
Shape RoundRect(double left, double top, double width, double height, double radius);
Shape Circle(double cx, double cy, double radius);
Shape Ring(double cx, double cy, double outer, double inner);
Shape Segment(double x1, double y1, double x2, double y2, double thickness);
Shape Polygon(std::vector<std::pair<double, double>> points);
Shape Union(Shape a, Shape b);
Shape Minus(Shape a, Shape b);

// Painting helpers over those shapes.
void FillRoundRect(Image& image, double left, double top, double width, double height, double radius, Rgba colour);
// A rounded rectangle with a border of `border` pixels in `edge` and `fill` inside.
void FramedRoundRect(Image& image, double left, double top, double width, double height, double radius, double border,
                     Rgba edge, Rgba fill);
void FillCircle(Image& image, double cx, double cy, double radius, Rgba colour);
void StrokeLine(Image& image, double x1, double y1, double x2, double y2, double thickness, Rgba colour);
void FillPolygon(Image& image, const std::vector<std::pair<double, double>>& points, Rgba colour);

// Side-by-side strip of equal parts, left to right (a combined state image).
Image Strip(const std::vector<Image>& parts);

} // namespace skinart
