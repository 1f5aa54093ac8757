#include "windows/contacts/KeptContactIcons.h"

#include "core/TavikUtility.h"
#include "core/TextConvert.h"

#include <map>

namespace {

struct KeptIcon {
    ULONGLONG size = 0;
    FILETIME written{};
    OwnedIcon icon;
};

bool SameFile(const KeptIcon& kept, const WIN32_FILE_ATTRIBUTE_DATA& now)
{
    const ULONGLONG size = (static_cast<ULONGLONG>(now.nFileSizeHigh) << 32) | now.nFileSizeLow;
    return kept.size == size && ::CompareFileTime(&kept.written, &now.ftLastWriteTime) == 0;
}

} // namespace

OwnedIcon KeptContactIcon(const std::string& path)
{
    if (path.empty())
        return OwnedIcon();
    WIN32_FILE_ATTRIBUTE_DATA now{};
    if (!::GetFileAttributesExW(AnsiToWide(path).GetString(), GetFileExInfoStandard, &now) ||
        (now.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return OwnedIcon();

    // Contacts live on the window thread only.
    static std::map<std::string, KeptIcon> kept;
    const std::string key = TavikUtility::FoldCase(path);
    const auto found = kept.find(key);
    if (found != kept.end() && SameFile(found->second, now))
        return found->second.icon;
    OwnedIcon icon(LoadContactIcon(path));
    if (!icon) {
        if (found != kept.end())
            kept.erase(found);
        return icon;
    }
    KeptIcon& entry = kept[key];
    entry.size = (static_cast<ULONGLONG>(now.nFileSizeHigh) << 32) | now.nFileSizeLow;
    entry.written = now.ftLastWriteTime;
    entry.icon = icon;
    return icon;
}
