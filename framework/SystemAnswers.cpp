#include "framework/SystemAnswers.h"

#include "framework/DelayLoad.h"
#include "framework/ModulePath.h"

#include <mmsystem.h>

#include <atomic>
#include <ctime>
#include <memory>
#include <type_traits>

// Prompts, the choosers and the browser object are answered beside their users
// (Prompt.cpp, FileDialog.cpp, FolderBrowser.cpp, HtmlView.cpp).

namespace {

struct LibraryFree {
    void operator()(HMODULE module) const { ::FreeLibrary(module); }
};
using Library = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFree>;

struct ScreenDCRelease {
    void operator()(HDC dc) const { ::ReleaseDC(nullptr, dc); }
};
using ScreenDC = std::unique_ptr<std::remove_pointer_t<HDC>, ScreenDCRelease>;

const SystemAnswers g_systemAnswers{};
std::atomic<const SystemAnswers*> g_answers{&g_systemAnswers};

// The multimedia library, loaded at its first use; asked once, so the clock, read often, pays
// no look-up per call. (A static's initialisation is thread-safe.)
bool WinmmLoadable()
{
    static const bool loadable = AfxDelayLoadable("winmm.dll");
    return loadable;
}

} // namespace

const SystemAnswers& GetSystemAnswers()
{
    return *g_answers.load();
}

const SystemAnswers* SetSystemAnswers(const SystemAnswers* answers)
{
    return g_answers.exchange(answers ? answers : &g_systemAnswers);
}

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
    const ScreenDC screen(::GetDC(nullptr));
    return SIZE{::GetDeviceCaps(screen.get(), LOGPIXELSX), ::GetDeviceCaps(screen.get(), LOGPIXELSY)};
}

ScreenArea SystemAnswers::GetScreenArea() const
{
    ScreenArea area;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area.workArea, 0);
    area.screen = {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    return area;
}

bool SystemAnswers::IsKeyDown(int virtualKey) const
{
    return (::GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

CString SystemAnswers::GetProgramFolder() const
{
    return ModuleFolder(nullptr);
}

std::uint32_t SystemAnswers::GetTicks() const
{
    // The multimedia clock when its library can be had; the same milliseconds otherwise.
    return WinmmLoadable() ? ::timeGetTime() : ::GetTickCount();
}

std::int64_t SystemAnswers::GetNow() const
{
    return _time64(nullptr);
}

void SystemAnswers::Pause(DWORD milliseconds) const
{
    ::Sleep(milliseconds);
}

void SystemAnswers::ShellOpen(HWND owner, LPCWSTR verb, LPCWSTR file, int show) const
{
    ::ShellExecuteW(owner, verb, file, nullptr, nullptr, show);
}

BOOL SystemAnswers::TrayIcon(DWORD message, NOTIFYICONDATAW* data) const
{
    return ::Shell_NotifyIconW(message, data);
}

BOOL SystemAnswers::PlaySoundFile(LPCWSTR path, DWORD flags) const
{
    return WinmmLoadable() && ::PlaySoundW(path, nullptr, flags);
}

std::optional<int> SystemAnswers::AnswerMessageBox(const CString&, const CString&, CWnd*) const
{
    return std::nullopt;
}

std::optional<BOOL> SystemAnswers::AnswerPopupMenu(CMenu*, UINT, int, int, CWnd*) const
{
    return std::nullopt;
}

bool SystemAnswers::TakePresenceNotice(CWnd*, const CString&) const
{
    return false;
}
