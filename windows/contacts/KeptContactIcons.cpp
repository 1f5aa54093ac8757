#include "windows/contacts/KeptContactIcons.h"

#include "core/TavikUtility.h"
#include "core/TextConvert.h"
#include "skin/ui/BitmapFileCache.h"

#include <map>

namespace {

struct KeptIcon {
    Vexel::FileStamp stamp;
    OwnedIcon icon;
};

} // namespace

OwnedIcon KeptContactIcon(const std::string& path)
{
    Vexel::FileStamp now;
    if (path.empty() || !Vexel::ReadFileStamp(AnsiToWide(path), now))
        return OwnedIcon();

    // Contacts live on the window thread only.
    static std::map<std::string, KeptIcon> kept;
    const std::string key = TavikUtility::FoldCase(path);
    const auto found = kept.find(key);
    if (found != kept.end() && found->second.stamp == now)
        return found->second.icon;
    OwnedIcon icon(LoadContactIcon(path));
    if (!icon) {
        if (found != kept.end())
            kept.erase(found);
        return icon;
    }
    kept[key] = KeptIcon{now, icon};
    return icon;
}
