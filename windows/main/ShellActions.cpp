#include "windows/main/ShellActions.h"

#include <mmsystem.h>

namespace {

void SystemShellOpen(HWND owner, LPCWSTR verb, LPCWSTR file, int show)
{
    ::ShellExecuteW(owner, verb, file, nullptr, nullptr, show);
}

BOOL SystemTrayIcon(DWORD message, NOTIFYICONDATAW* data)
{
    return ::Shell_NotifyIconW(message, data);
}

BOOL SystemPlaySound(LPCWSTR path, DWORD flags)
{
    return ::PlaySoundW(path, nullptr, flags);
}

void SystemPause(DWORD milliseconds)
{
    ::Sleep(milliseconds);
}

ShellOpenHandler g_shellOpen = &SystemShellOpen;
TrayIconHandler g_trayIcon = &SystemTrayIcon;
SoundPlayer g_soundPlayer = &SystemPlaySound;
PauseHandler g_pause = &SystemPause;

template <class Handler>
Handler Replace(Handler& slot, Handler replacement, Handler system)
{
    const Handler previous = slot;
    slot = replacement ? replacement : system;
    return previous;
}

} // namespace

ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler)
{
    return Replace(g_shellOpen, handler, &SystemShellOpen);
}

void ShellOpen(HWND owner, LPCWSTR verb, LPCWSTR file, int show)
{
    g_shellOpen(owner, verb, file, show);
}

TrayIconHandler SetTrayIconHandler(TrayIconHandler handler)
{
    return Replace(g_trayIcon, handler, &SystemTrayIcon);
}

BOOL TrayIcon(DWORD message, NOTIFYICONDATAW* data)
{
    return g_trayIcon(message, data);
}

SoundPlayer SetSoundPlayer(SoundPlayer player)
{
    return Replace(g_soundPlayer, player, &SystemPlaySound);
}

BOOL PlaySoundPath(LPCWSTR path, DWORD flags)
{
    return g_soundPlayer(path, flags);
}

PauseHandler SetPauseHandler(PauseHandler handler)
{
    return Replace(g_pause, handler, &SystemPause);
}

void Pause(DWORD milliseconds)
{
    g_pause(milliseconds);
}
