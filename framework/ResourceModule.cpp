#include "framework/ResourceModule.h"

#include <atomic>

namespace {
std::atomic<HINSTANCE> g_resourceModule{nullptr};
}

HINSTANCE AfxGetResourceModule()
{
    const HINSTANCE module = g_resourceModule.load(std::memory_order_acquire);
    return module ? module : GetModuleHandleW(nullptr);
}

void AfxSetResourceModule(HINSTANCE module)
{
    g_resourceModule.store(module, std::memory_order_release);
}
