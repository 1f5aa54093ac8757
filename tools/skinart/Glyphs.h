#pragma once
// Pictograms drawn with shapes, each into the square (x, y, size, size) of an image.
#include "Raster.h"

namespace skinart {

void DrawCamera(Image& image, double x, double y, double size, Rgba colour);
void DrawPersonPlus(Image& image, double x, double y, double size, Rgba colour);
void DrawMenuLines(Image& image, double x, double y, double size, Rgba colour);
void DrawMicrophone(Image& image, double x, double y, double size, Rgba colour);
void DrawSpeaker(Image& image, double x, double y, double size, Rgba colour);
void DrawInfo(Image& image, double x, double y, double size, Rgba colour, Rgba mark);
void DrawHandset(Image& image, double x, double y, double size, Rgba colour);
void DrawHandsetDown(Image& image, double x, double y, double size, Rgba colour);
// An arrow from one corner of the square to the other: incoming points down-left.
void DrawCallArrow(Image& image, double x, double y, double size, bool incoming, Rgba colour);
void DrawCross(Image& image, double x, double y, double size, double thickness, Rgba colour);
void DrawDash(Image& image, double x, double y, double size, double thickness, Rgba colour);
void DrawChevron(Image& image, double x, double y, double size, bool down, Rgba colour);
void DrawTick(Image& image, double x, double y, double size, double thickness, Rgba colour);
// A person's head and shoulders in a circle of `background`.
void DrawFace(Image& image, double x, double y, double size, Rgba background, Rgba figure);
void DrawSlash(Image& image, double x, double y, double size, Rgba colour);

} // namespace skinart
