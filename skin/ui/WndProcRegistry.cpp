#include "skin/ui/WndProcRegistry.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace Vexel {
namespace {

// Few procedures ever stack on one window: a short list is all the map needs to be.
using OldWndProcMap = std::vector<std::pair<WNDPROC, WNDPROC>>;

OldWndProcMap* MapOf(HWND window)
{
    return static_cast<OldWndProcMap*>(::GetPropW(window, kOldWndProcListProperty));
}

OldWndProcMap::iterator Find(OldWndProcMap& map, WNDPROC key)
{
    return std::find_if(map.begin(), map.end(), [key](const auto& entry) { return entry.first == key; });
}

} // namespace

int RegisterOldWndProc(HWND window, WNDPROC key, WNDPROC previous)
{
    if (OldWndProcMap* const map = MapOf(window)) {
        if (Find(*map, key) != map->end())
            return -1;
        map->emplace_back(key, previous);
        return 0;
    }
    auto map = std::make_unique<OldWndProcMap>();
    map->emplace_back(key, previous);
    if (!::SetPropW(window, kOldWndProcListProperty, map.get()))
        return -1;
    map.release();   // the property owns it now
    return 0;
}

int LookupOldWndProc(HWND window, WNDPROC key, WNDPROC& previous)
{
    OldWndProcMap* const map = MapOf(window);
    if (!map)
        return 0;
    const auto entry = Find(*map, key);
    if (entry == map->end())
        return 0;
    previous = entry->second;
    return 1;
}

int UnregisterOldWndProc(HWND window, WNDPROC key)
{
    OldWndProcMap* const map = MapOf(window);
    if (!map)
        return -1;
    const auto entry = Find(*map, key);
    if (entry == map->end())
        return -1;
    map->erase(entry);
    if (map->empty()) {
        ::RemovePropW(window, kOldWndProcListProperty);
        delete map;   // owned by the property, which is gone
    }
    return 0;
}

WNDPROC SubclassWithOldWndProc(HWND window, WNDPROC procedure)
{
    const auto previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    if (previous)
        ::SetPropW(window, kOldWndProcProperty, reinterpret_cast<HANDLE>(previous));
    return previous;
}

LRESULT CallOldWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto previous = reinterpret_cast<WNDPROC>(::GetPropW(window, kOldWndProcProperty));
    if (!previous)
        return 0;
    return ::CallWindowProcW(previous, window, message, wParam, lParam);
}

} // namespace Vexel
