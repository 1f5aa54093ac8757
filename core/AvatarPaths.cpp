#include "core/AvatarPaths.h"

#include "core/TavikUtility.h"

namespace {

constexpr int kFaceCount = 15;

std::string MapAvatarPath(std::string_view path, const char* fromExtension, const char* toExtension)
{
    const size_t slash = path.rfind('\\');
    if (slash != std::string_view::npos) {
        const std::string_view name = path.substr(slash + 1);
        for (int n = 1; n <= kFaceCount; ++n) {
            const std::string face = "face0" + std::to_string(n);
            if (TavikUtility::CompareNoCase(name, face + fromExtension) == 0)
                return std::string(path.substr(0, slash)) + "\\" + face + toExtension;
        }
    }
    std::string folder;
    TavikUtility::GetAppDirectory(folder, true);
    return folder + "\\Skins\\Lumeo\\avatars\\face01" + toExtension;
}

} // namespace

std::string GetAvatarBitmapPath(std::string_view iconPath)
{
    return MapAvatarPath(iconPath, ".ico", ".bmp");
}

std::string GetAvatarIconPath(std::string_view bitmapPath)
{
    return MapAvatarPath(bitmapPath, ".bmp", ".ico");
}
