// The program's icons and the avatar pictures offered for contacts.
#include "Art.h"
#include "Glyphs.h"
#include "Theme.h"

#include <string>

namespace skinart {
namespace {

using namespace theme;

Image AppIcon(int size)
{
    Image image(size, size);
    const double s = size;
    FillRoundRect(image, 0, 0, s, s, s * 0.22, kAccent);
    DrawHandset(image, s * 0.18, s * 0.18, s * 0.64, kSurface);
    return image;
}

Image GroupIcon(int size, bool expanded)
{
    Image image(size, size);
    DrawChevron(image, 0, 0, size, expanded, kMuted);
    return image;
}

// The avatar colours, one per face.
constexpr Rgba kFaces[] = {Hex(0x2563EB), Hex(0x16A34A), Hex(0xDB2777), Hex(0xEA580C), Hex(0x7C3AED),
                           Hex(0x0891B2), Hex(0xCA8A04), Hex(0x4B5563), Hex(0x059669), Hex(0x9333EA),
                           Hex(0xDC2626), Hex(0x64748B), Hex(0x0D9488), Hex(0xC026D3), Hex(0x65A30D)};

// "face0" and the face's number: face01 .. face09, face010 .. face015, the names the program
// pairs a contact's bitmap and icon by (face012 is the picture of imported contacts).
std::vector<std::string> FaceNames()
{
    std::vector<std::string> names;
    for (std::size_t i = 1; i <= std::size(kFaces); ++i)
        names.push_back("face0" + std::to_string(i));
    return names;
}

Image Face(int size, std::size_t index, bool transparent)
{
    Image image(size, size, transparent ? Rgba{0, 0, 0, 0} : kSurface);
    DrawFace(image, 0, 0, size, kFaces[index % std::size(kFaces)], Hex(0xFFFFFF, 235));
    return image;
}

} // namespace

std::vector<NamedIcon> PaintProgramIcons()
{
    return {
        {"Lumeo.ico", {AppIcon(16), AppIcon(32), AppIcon(48)}},
        {"GroupCollapsed.ico", {GroupIcon(16, false)}},
        {"GroupExpanded.ico", {GroupIcon(16, true)}},
    };
}

std::vector<NamedImage> PaintAvatarBitmaps()
{
    std::vector<NamedImage> out;
    const std::vector<std::string> names = FaceNames();
    for (std::size_t i = 0; i < names.size(); ++i)
        out.emplace_back(names[i] + ".bmp", Face(64, i, false));
    return out;
}

std::vector<NamedIcon> PaintAvatarIcons()
{
    std::vector<NamedIcon> out;
    const std::vector<std::string> names = FaceNames();
    for (std::size_t i = 0; i < names.size(); ++i)
        out.push_back({names[i] + ".ico", {Face(48, i, true), Face(32, i, true)}});
    return out;
}

} // namespace skinart
