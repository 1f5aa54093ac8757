#include "core/AvatarPaths.h"

#include "core/TavikUtility.h"

namespace {

constexpr std::string_view kFacePrefix = "face0";

std::string MapAvatarPath(std::string_view path, std::string_view fromExtension, const char* toExtension)
{
    const int face = AvatarFaceIndex(path, fromExtension);
    if (face > 0)
        return std::string(path.substr(0, path.rfind('\\'))) + "\\face0" + std::to_string(face) + toExtension;
    std::string folder;
    TavikUtility::GetAppDirectory(folder, true);
    return folder + "\\Skins\\Lumeo\\avatars\\face01" + toExtension;
}

} // namespace

int AvatarFaceIndex(std::string_view path, std::string_view extension)
{
    const size_t slash = path.rfind('\\');
    if (slash == std::string_view::npos)
        return 0;
    const std::string_view name = path.substr(slash + 1);
    if (name.size() <= kFacePrefix.size() + extension.size() ||
        TavikUtility::CompareNoCase(name.substr(0, kFacePrefix.size()), kFacePrefix) != 0 ||
        TavikUtility::CompareNoCase(name.substr(name.size() - extension.size()), extension) != 0)
        return 0;
    // N as std::to_string writes it: one or two digits, no leading zero.
    const std::string_view digits =
        name.substr(kFacePrefix.size(), name.size() - kFacePrefix.size() - extension.size());
    if (digits.size() > 2 || digits[0] < '1' || digits[0] > '9')
        return 0;
    int face = 0;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9')
            return 0;
        face = face * 10 + (digit - '0');
    }
    return face <= kAvatarFaces ? face : 0;
}

std::string GetAvatarBitmapPath(std::string_view iconPath)
{
    return MapAvatarPath(iconPath, ".ico", ".bmp");
}

std::string GetAvatarIconPath(std::string_view bitmapPath)
{
    return MapAvatarPath(bitmapPath, ".bmp", ".ico");
}
