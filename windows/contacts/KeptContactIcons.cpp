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
    KeptIcon& entry = kept[TavikUtility::FoldCase(path)];
    if (!entry.icon || !SameFile(entry, now)) {
        entry.size = (static_cast<ULONGLONG>(now.nFileSizeHigh) << 32) | now.nFileSizeLow;
        entry.written = now.ftLastWriteTime;
        entry.icon = OwnedIcon(LoadContactIcon(path));
    }
    return entry.icon;
}
