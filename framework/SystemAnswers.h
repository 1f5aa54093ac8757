#pragma once
// SystemAnswers: the one table through which the program reaches the system: what the
// system is (version, composition, screen DPI and work area, held keys, the program's
// folder), its clocks, prompts and the file and folder choosers, the web browser object,
// the shell, the tray and sounds, and the three things of the program's own that wait on
// a person or on time (its message box, its popup menus, its presence notices).
//
// The program uses the system's table, or one that start-up installs once
// (app/EnvironmentSeams.h). A test puts a table of its own in place for its life with
// SystemAnswersScope (tests/support/SystemAnswersScope.h), which answers what it overrides
// and passes every other question to the table it replaced, so nothing opens, plays, waits
// or depends on the machine. Every member may be called from any thread.
#include "framework/String.h"

#include <windows.h>
#include <commdlg.h>
#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdint>
#include <optional>

class CMenu;
class CWnd;

// The work area and the screen size.
struct ScreenArea {
    RECT workArea{};
    SIZE screen{};
};

class SystemAnswers {
public:
    virtual ~SystemAnswers() = default;

    // --- what the system is
    // GetVersionExW into `info` (its size member set here); false when it fails.
    virtual bool GetVersion(OSVERSIONINFOW& info) const;
    // DwmIsCompositionEnabled of "dwmapi.dll", which is loaded by name for this one
    // question and freed again. A missing library or export gives a failure code and
    // leaves `enabled` alone.
    virtual HRESULT QueryComposition(BOOL& enabled) const;
    // LOGPIXELSX and LOGPIXELSY of the screen, read on every call.
    virtual SIZE GetScreenDpi() const;
    // SPI_GETWORKAREA and SM_CXSCREEN / SM_CYSCREEN.
    virtual ScreenArea GetScreenArea() const;
    // Whether the key is held down at this moment (GetAsyncKeyState).
    virtual bool IsKeyDown(int virtualKey) const;
    // The running module's folder with a trailing backslash; empty when it has no path.
    virtual CString GetProgramFolder() const;

    // --- clocks
    // Millisecond ticks (timeGetTime).
    virtual std::uint32_t GetTicks() const;
    // The wall clock in seconds since 1970 (_time64).
    virtual std::int64_t GetNow() const;
    // Sleep.
    virtual void Pause(DWORD milliseconds) const;

    // --- prompts and choosers
    // The window that owns framework prompts: the main window's active popup, else the
    // thread's active window.
    virtual HWND GetPromptOwner() const;
    // MessageBoxW; the button id chosen. `text` and `caption` are never null here.
    virtual int Prompt(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) const;
    // GetOpenFileNameW (`openFileDialog` TRUE) or GetSaveFileNameW: TRUE with the chosen
    // path in lpstrFile, FALSE for Cancel.
    virtual BOOL ChooseFile(OPENFILENAMEW* ofn, BOOL openFileDialog) const;
    // SHBrowseForFolderW: an item list from the shell's allocator, which the caller frees,
    // or null for Cancel.
    virtual PIDLIST_ABSOLUTE BrowseForFolder(BROWSEINFOW* info) const;
    // A new web browser object (its IOleObject, with a reference for the caller); a failure
    // and null when there is none to be had (REGDB_E_CLASSNOTREG without an HTML engine).
    virtual HRESULT MakeHtmlBrowser(IOleObject** browser) const;

    // --- the shell
    // ShellExecuteW(owner, verb, file, no parameters, no folder, show).
    virtual void ShellOpen(HWND owner, LPCWSTR verb, LPCWSTR file, int show) const;
    // Shell_NotifyIconW.
    virtual BOOL TrayIcon(DWORD message, NOTIFYICONDATAW* data) const;
    // PlaySoundW(path, no module, flags).
    virtual BOOL PlaySoundFile(LPCWSTR path, DWORD flags) const;

    // --- the program's own windows that wait: none answers here, so the window runs
    // The program's message box with `caption` and `message` over `owner`: an answer in
    // its place, or none.
    virtual std::optional<int> AnswerMessageBox(const CString& caption, const CString& message,
                                                CWnd* owner) const;
    // Popup menu `popup` (the first popup of menu resource `menuId`) at (x, y) for `owner`:
    // an answer in place of the menu loop (a command the answer posts to `owner` itself,
    // TRUE; or FALSE for nothing chosen), or none.
    virtual std::optional<BOOL> AnswerPopupMenu(CMenu* popup, UINT menuId, int x, int y, CWnd* owner) const;
    // A presence notice with `text` over `owner` is about to pop up: true when it was taken
    // here and must not pop up.
    virtual bool TakePresenceNotice(CWnd* owner, const CString& text) const;
};

// The table in use.
const SystemAnswers& GetSystemAnswers();
// Puts another table in place (null: the system's own again); the previous one is
// returned so it can be put back. The object must outlive its use.
const SystemAnswers* SetSystemAnswers(const SystemAnswers* answers);
