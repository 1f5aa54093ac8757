#include "Glyphs.h"

#include <cmath>

namespace skinart {
namespace {

// Scales a unit point (0..1) into the glyph square.
struct Frame {
    double x, y, s;
    double X(double u) const { return x + u * s; }
    double Y(double v) const { return y + v * s; }
    double L(double d) const { return d * s; }
};

void HandsetShape(Image& image, const Frame& f, Rgba colour, double angle)
{
    // A receiver: a thick quarter arc around the square's upper right with a rounded ear piece
    // at each end. `angle` turns it about the square's centre.
    const double c = std::cos(angle);
    const double sn = std::sin(angle);
    const auto unit = [&](double px, double py) {
        // Screen point to the unturned unit square.
        const double du = (px - f.X(0.5)) / f.s;
        const double dv = (py - f.Y(0.5)) / f.s;
        return std::pair<double, double>{0.5 + du * c + dv * sn, 0.5 - du * sn + dv * c};
    };
    constexpr double cx = 0.74, cy = 0.26, middle = 0.5, half = 0.11, ear = 0.17;
    const auto earAt = [&](double degrees) {
        const double a = degrees * 3.14159265358979 / 180.0;
        return std::pair<double, double>{cx + (middle + 0.02) * std::cos(a), cy + (middle + 0.02) * std::sin(a)};
    };
    const auto [e1x, e1y] = earAt(84);
    const auto [e2x, e2y] = earAt(186);
    const Shape shape = [&, e1x = e1x, e1y = e1y, e2x = e2x, e2y = e2y](double px, double py) {
        const auto [u, v] = unit(px, py);
        const double r = std::sqrt((u - cx) * (u - cx) + (v - cy) * (v - cy));
        const double theta = std::atan2(v - cy, u - cx) * 180.0 / 3.14159265358979;
        if (r >= middle - half && r <= middle + half && theta >= 84 && theta <= 186)
            return true;
        if ((u - e1x) * (u - e1x) + (v - e1y) * (v - e1y) <= ear * ear)
            return true;
        return (u - e2x) * (u - e2x) + (v - e2y) * (v - e2y) <= ear * ear;
    };
    image.Paint(shape, {f.x, f.y, f.x + f.s, f.y + f.s}, colour);
}

} // namespace

void DrawCamera(Image& image, double x, double y, double size, Rgba colour)
{
    const Frame f{x, y, size};
    FillRoundRect(image, f.X(0.06), f.Y(0.28), f.L(0.6), f.L(0.46), f.L(0.1), colour);
    FillPolygon(image, {{f.X(0.66), f.Y(0.46)}, {f.X(0.94), f.Y(0.3)}, {f.X(0.94), f.Y(0.72)}, {f.X(0.66), f.Y(0.56)}},
                colour);
}

void DrawPersonPlus(Image& image, double x, double y, double size, Rgba colour)
{
    const Frame f{x, y, size};
    FillCircle(image, f.X(0.38), f.Y(0.3), f.L(0.16), colour);
    image.Paint(Minus(Circle(f.X(0.38), f.Y(0.92), f.L(0.34)), [&](double, double py) { return py > f.Y(0.86); }),
                {f.X(0.0), f.Y(0.5), f.X(0.8), f.Y(0.9)}, colour);
    StrokeLine(image, f.X(0.82), f.Y(0.2), f.X(0.82), f.Y(0.52), f.L(0.1), colour);
    StrokeLine(image, f.X(0.66), f.Y(0.36), f.X(0.98), f.Y(0.36), f.L(0.1), colour);
}

void DrawMenuLines(Image& image, double x, double y, double size, Rgba colour)
{
    const Frame f{x, y, size};
    for (double v : {0.28, 0.5, 0.72})
        StrokeLine(image, f.X(0.18), f.Y(v), f.X(0.82), f.Y(v), f.L(0.1), colour);
}

void DrawMicrophone(Image& image, double x, double y, double size, Rgba colour)
{
    const Frame f{x, y, size};
    FillRoundRect(image, f.X(0.36), f.Y(0.08), f.L(0.28), f.L(0.5), f.L(0.14), colour);
    image.Paint(Minus(Ring(f.X(0.5), f.Y(0.42), f.L(0.28), f.L(0.2)), [&](double, double py) { return py < f.Y(0.42); }),
                {f.X(0.2), f.Y(0.4), f.X(0.8), f.Y(0.72)}, colour);
    StrokeLine(image, f.X(0.5), f.Y(0.7), f.X(0.5), f.Y(0.86), f.L(0.08), colour);
    StrokeLine(image, f.X(0.34), f.Y(0.88), f.X(0.66), f.Y(0.88), f.L(0.08), colour);
}

void DrawSpeaker(Image& image, double x, double y, double size, Rgba colour)
{
    const Frame f{x, y, size};
    FillPolygon(image,
                {{f.X(0.1), f.Y(0.38)}, {f.X(0.28), f.Y(0.38)}, {f.X(0.5), f.Y(0.16)}, {f.X(0.5), f.Y(0.84)},
                 {f.X(0.28), f.Y(0.62)}, {f.X(0.1), f.Y(0.62)}},
                colour);
    const auto arc = [&](double outer, double inner) {
        image.Paint(Minus(Ring(f.X(0.5), f.Y(0.5), f.L(outer), f.L(inner)),
                          [&](double px, double py) { return px < f.X(0.56) || std::fabs(py - f.Y(0.5)) > (px - f.X(0.5)); }),
                    {f.X(0.5), f.Y(0.1), f.X(1.0), f.Y(0.9)}, colour);
    };
    arc(0.24, 0.16);
    arc(0.4, 0.32);
}

void DrawInfo(Image& image, double x, double y, double size, Rgba colour, Rgba mark)
{
    const Frame f{x, y, size};
    FillCircle(image, f.X(0.5), f.Y(0.5), f.L(0.48), colour);
    FillCircle(image, f.X(0.5), f.Y(0.28), f.L(0.07), mark);
    FillRoundRect(image, f.X(0.44), f.Y(0.42), f.L(0.12), f.L(0.36), f.L(0.04), mark);
}

void DrawHandset(Image& image, double x, double y, double size, Rgba colour)
{
    HandsetShape(image, Frame{x, y, size}, colour, 0.0);
}

void DrawHandsetDown(Image& image, double x, double y, double size, Rgba colour)
{
    HandsetShape(image, Frame{x, y, size}, colour, 3.14159265 * 0.75);
}

void DrawCallArrow(Image& image, double x, double y, double size, bool incoming, Rgba colour)
{
    const Frame f{x, y, size};
    const double fromX = incoming ? 0.78 : 0.22;
    const double fromY = incoming ? 0.22 : 0.78;
    const double toX = incoming ? 0.26 : 0.74;
    const double toY = incoming ? 0.74 : 0.26;
    StrokeLine(image, f.X(fromX), f.Y(fromY), f.X(toX), f.Y(toY), f.L(0.12), colour);
    // The head: two strokes from the tip along the square's edges.
    const double back = incoming ? 1.0 : -1.0;
    StrokeLine(image, f.X(toX), f.Y(toY), f.X(toX + back * 0.36), f.Y(toY), f.L(0.12), colour);
    StrokeLine(image, f.X(toX), f.Y(toY), f.X(toX), f.Y(toY - back * 0.36), f.L(0.12), colour);
}

void DrawCross(Image& image, double x, double y, double size, double thickness, Rgba colour)
{
    StrokeLine(image, x, y, x + size, y + size, thickness, colour);
    StrokeLine(image, x + size, y, x, y + size, thickness, colour);
}

void DrawDash(Image& image, double x, double y, double size, double thickness, Rgba colour)
{
    StrokeLine(image, x, y + size / 2, x + size, y + size / 2, thickness, colour);
}

void DrawChevron(Image& image, double x, double y, double size, bool down, Rgba colour)
{
    const Frame f{x, y, size};
    if (down) {
        StrokeLine(image, f.X(0.22), f.Y(0.36), f.X(0.5), f.Y(0.64), f.L(0.14), colour);
        StrokeLine(image, f.X(0.5), f.Y(0.64), f.X(0.78), f.Y(0.36), f.L(0.14), colour);
    } else {
        StrokeLine(image, f.X(0.36), f.Y(0.22), f.X(0.64), f.Y(0.5), f.L(0.14), colour);
        StrokeLine(image, f.X(0.64), f.Y(0.5), f.X(0.36), f.Y(0.78), f.L(0.14), colour);
    }
}

void DrawTick(Image& image, double x, double y, double size, double thickness, Rgba colour)
{
    const Frame f{x, y, size};
    StrokeLine(image, f.X(0.16), f.Y(0.52), f.X(0.4), f.Y(0.76), thickness, colour);
    StrokeLine(image, f.X(0.4), f.Y(0.76), f.X(0.84), f.Y(0.28), thickness, colour);
}

void DrawFace(Image& image, double x, double y, double size, Rgba background, Rgba figure)
{
    const Frame f{x, y, size};
    const Shape disc = Circle(f.X(0.5), f.Y(0.5), f.L(0.5));
    image.Paint(disc, {x, y, x + size, y + size}, background);
    image.Paint(Circle(f.X(0.5), f.Y(0.4), f.L(0.18)), {x, y, x + size, y + size}, figure);
    const Shape shoulders = Circle(f.X(0.5), f.Y(1.0), f.L(0.36));
    image.Paint([&](double px, double py) { return disc(px, py) && shoulders(px, py); }, {x, y, x + size, y + size},
                figure);
}

void DrawSlash(Image& image, double x, double y, double size, Rgba colour)
{
    StrokeLine(image, x + size * 0.14, y + size * 0.14, x + size * 0.86, y + size * 0.86, size * 0.1, colour);
}

} // namespace skinart
