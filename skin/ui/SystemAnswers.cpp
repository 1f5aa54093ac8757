#include "skin/ui/SystemAnswers.h"

#include "skin/ui/DcScopes.h"

#include <memory>
#include <type_traits>

namespace Vexel {
namespace {

struct LibraryFree {
    void operator()(HMODULE module) const { ::FreeLibrary(module); }
};
using Library = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFree>;

const SystemAnswers g_systemAnswers{};
const SystemAnswers* g_answers = &g_systemAnswers;

} // namespace

bool SystemAnswers::GetVersion(OSVERSIONINFOW& info) const
{
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOW);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return ::GetVersionExW(&info) != FALSE;
#pragma GCC diagnostic pop
}

HRESULT SystemAnswers::QueryComposition(BOOL& enabled) const
{
    const Library dwm(::LoadLibraryW(L"dwmapi.dll"));
    if (!dwm)
        return HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
    using IsCompositionEnabledProc = HRESULT(WINAPI*)(BOOL*);
    const auto query = reinterpret_cast<IsCompositionEnabledProc>(
        reinterpret_cast<void*>(::GetProcAddress(dwm.get(), "DwmIsCompositionEnabled")));
    if (!query)
        return HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    return query(&enabled);
}

SIZE SystemAnswers::GetScreenDpi() const
{
    const WindowDCScope screen(nullptr);
    return SIZE{screen.GetDeviceCaps(LOGPIXELSX), screen.GetDeviceCaps(LOGPIXELSY)};
}

const SystemAnswers& GetSystemAnswers()
{
    return *g_answers;
}

const SystemAnswers* SetSystemAnswers(const SystemAnswers* answers)
{
    const SystemAnswers* previous = g_answers;
    g_answers = answers ? answers : &g_systemAnswers;
    return previous;
}

} // namespace Vexel
