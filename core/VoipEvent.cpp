#include "core/VoipEvent.h"

#include <atomic>

namespace {

std::atomic<HWND> g_engineEventWindow{nullptr};

} // namespace

void SetEngineEventWindow(HWND window)
{
    g_engineEventWindow.store(window);
}

HWND GetEngineEventWindow()
{
    return g_engineEventWindow.load();
}

void __VOIP_EVENT::OnEvent(SIPCallbackCommand* record)
{
    if (!record)
        return;
    // PostMessage with a null window would post to this (the engine's) thread's queue and
    // report success; a window that is gone would never release the record.
    const HWND target = g_engineEventWindow.load();
    if (target && IsWindow(target) &&
        PostMessageW(target, WM_ENGINE_EVENT, reinterpret_cast<WPARAM>(record), 0))
        return;
    Tavik_delSIPCallbackCommand(record);
}
