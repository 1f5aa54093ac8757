#pragma once
// The main window's ways out to the shell: opening a document, web page or mail address, the
// notification-area icon, playing a sound and the short pause before a new sign-in. Each is a
// seam shaped like AfxSetPromptHandler: the Set... call installs a replacement (null puts the
// real one back) and answers the one it replaced, so tests see what would have happened and
// nothing opens, plays or waits.
#include <windows.h>
#include <shellapi.h>

// ShellExecuteW(owner, verb, file, no parameters, no folder, show).
using ShellOpenHandler = void (*)(HWND owner, LPCWSTR verb, LPCWSTR file, int show);
ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler);
void ShellOpen(HWND owner, LPCWSTR verb, LPCWSTR file, int show);

// Shell_NotifyIconW.
using TrayIconHandler = BOOL (*)(DWORD message, NOTIFYICONDATAW* data);
TrayIconHandler SetTrayIconHandler(TrayIconHandler handler);
BOOL TrayIcon(DWORD message, NOTIFYICONDATAW* data);

// PlaySoundW(path, no module, flags).
using SoundPlayer = BOOL (*)(LPCWSTR path, DWORD flags);
SoundPlayer SetSoundPlayer(SoundPlayer player);
BOOL PlaySoundPath(LPCWSTR path, DWORD flags);

// Sleep.
using PauseHandler = void (*)(DWORD milliseconds);
PauseHandler SetPauseHandler(PauseHandler handler);
void Pause(DWORD milliseconds);
