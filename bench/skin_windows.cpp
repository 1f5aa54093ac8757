// Skin images of Lumeo's own windows: the main window with the pages it shows at start, then two
// chat windows, each made from the real skin as a plain skinned window (its background and every
// control the skin gives it). Counts the bitmaps alive in the process after each step, and times
// making and destroying the main window with its pages.
#include "bench/BenchHarness.h"
#include "bench/BenchProgram.h"

#include "resources/Resource.h"
#include "skin/ui/UIWnd.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

class SkinWindow : public Vexel::CUIWnd {
public:
    explicit SkinWindow(int id) : m_id(id) {}
    void SetWindowID() override { m_nWindowID = m_id; }

private:
    int m_id;
};

// The bitmaps alive in the process, found by walking the GDI handle table (Wine keeps no count).
int LiveBitmaps()
{
    int live = 0;
    for (UINT_PTR index = 1; index <= 0xFFFF; ++index) {
        if (::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) == OBJ_BITMAP)
            ++live;
    }
    return live;
}

using Windows = std::vector<std::unique_ptr<SkinWindow>>;

bool Make(Windows& windows, int id)
{
    auto window = std::make_unique<SkinWindow>(id);
    if (!window->Create(static_cast<UINT>(id), WS_POPUP, nullptr, 1, 0))
        return false;
    windows.push_back(std::move(window));
    return true;
}

void DestroyAll(Windows& windows)
{
    for (auto& window : windows)
        window->DestroyWindow();
    windows.clear();
}

constexpr int kStartWindows[] = {IDW_MAIN, IDW_CALLPHONES, IDW_CONTACTS, IDW_HISTORY};

} // namespace

int main()
{
    if (!bench::PrepareProgramFolder(L"LumeoBenchSkinWindows"))
        return 1;
    const int before = LiveBitmaps();
    Windows windows;
    for (const int id : kStartWindows) {
        const int made = LiveBitmaps();
        if (!Make(windows, id)) {
            std::printf("could not make window %d\n", id);
            return 1;
        }
        std::printf("  window %d%36s %5d bitmaps\n", id, "", LiveBitmaps() - made);
    }
    const int started = LiveBitmaps();
    std::printf("%-44s %5d bitmaps\n", "main window and its start pages", started - before);
    if (!Make(windows, IDW_CHAT))
        return 1;
    const int oneChat = LiveBitmaps();
    if (!Make(windows, IDW_CHAT))
        return 1;
    const int twoChats = LiveBitmaps();
    std::printf("%-44s %5d bitmaps\n", "first chat window", oneChat - started);
    std::printf("%-44s %5d bitmaps\n", "second chat window", twoChats - oneChat);
    DestroyAll(windows);
    std::printf("%-44s %5d bitmaps\n", "left after all are destroyed", LiveBitmaps() - before);

    const double seconds = bench::Fastest(
        9, [] {},
        [&] {
            for (const int id : kStartWindows)
                Make(windows, id);
            DestroyAll(windows);
        });
    std::printf("%-44s %7.1f ms (fastest of 9)\n", "make and destroy the main window and pages", seconds * 1e3);
    return 0;
}
