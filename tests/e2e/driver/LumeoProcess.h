#pragma once
// One run of the real Lumeo.exe in a program copy, with the seams of a test run set through
// its environment: message boxes are written to a prompts file and answered (never shown),
// tray icon calls and shell opens to a shell file, and the engine stand-in appends every call
// to a journal file, each run of a copy with files of its own (run<N>-prompts.txt,
// run<N>-shell.txt, run<N>-engine.txt); the update check goes to a port where nothing
// listens. The driver finds the program's windows by their skin ids and its controls by their
// Resource.h ids, acts on them with window messages and reads back what they show.
#include "tests/e2e/driver/ProgramCopy.h"

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

// One message box as the program would have shown it.
struct ShownPrompt {
    std::string kind;   // "prompt" (a framework prompt) or "msgbox" (the skinned message box)
    UINT style;
    std::wstring text;
};

// One line of a seam file. Of shell.txt: a tray icon call or a shell open, kind "tray" (first: the NIM_ message, second: the icon
// id) or "shell" (first: the verb, second: the file).
struct SeamLine {
    std::string kind;
    std::wstring first;
    std::wstring second;
};

using Environment = std::vector<std::pair<std::wstring, std::wstring>>;

// How long the driver waits for anything the program does.
constexpr DWORD kPatience = 20000;

class LumeoProcess {
public:
    // Starts the copy's Lumeo.exe with the test seams plus `extra` (which may override them).
    explicit LumeoProcess(const ProgramCopy& copy, const Environment& extra = {});
    // A program still running is ended (its exit then does not count).
    ~LumeoProcess();
    LumeoProcess(const LumeoProcess&) = delete;
    LumeoProcess& operator=(const LumeoProcess&) = delete;

    bool Started() const { return m_process != nullptr; }
    HANDLE Handle() const { return m_process; }
    DWORD Id() const { return m_processId; }
    bool Running() const;
    // Waits for the program to end; false when it still runs after `ms`. Its exit code.
    bool WaitForExit(DWORD ms = kPatience, DWORD* exitCode = nullptr) const;
    // Ends the program at once.
    void Kill();

    // The program's visible top-level window of skin id `skinId` ("IDW_MAIN"), waiting for it
    // up to `ms`; null when it did not appear (or the program ended).
    HWND WaitForWindow(const std::wstring& skinId, DWORD ms = kPatience) const;
    // The program's visible top-level windows with their skin ids ("" for a window that is not
    // a skinned one).
    std::vector<std::pair<HWND, std::wstring>> VisibleWindows() const;
    // A child window of `parent` (a page) with skin id `skinId`, at any depth; null when none.
    HWND FindChild(HWND parent, const std::wstring& skinId) const;
    // The skin id of one of its windows.
    std::wstring SkinIdOf(HWND window) const;

    // What the seams recorded so far.
    std::vector<ShownPrompt> Prompts() const;
    std::vector<SeamLine> ShellCalls() const;
    std::vector<std::string> Journal() const;
    // Journal lines of one engine function ("Tavik_setUserInfo").
    std::vector<std::string> JournalOf(const std::string& function) const;

    const ProgramCopy& Copy() const { return m_copy; }

private:
    const ProgramCopy& m_copy;
    std::wstring m_promptFile;
    std::wstring m_shellFile;
    std::wstring m_journalFile;
    HANDLE m_process = nullptr;
    DWORD m_processId = 0;
};

// Polls `done` until it holds or `ms` have passed (checking every 50 ms); its last answer.
bool WaitUntil(const std::function<bool()>& done, DWORD ms = kPatience);

// --- controls, by their Resource.h ids
HWND Control(HWND window, int id);
// The text a window or control holds (WM_GETTEXT).
std::wstring TextOf(HWND window);
std::wstring ControlText(HWND window, int id);
// Sets a control's text (WM_SETTEXT), as typing it would leave it.
bool TypeInto(HWND window, int id, const std::wstring& text);
// What a click on a button ends in: BN_CLICKED from control `id` to `window`, posted.
bool Click(HWND window, int id);
// Sets a check box as a click would leave it.
bool SetCheck(HWND window, int id, bool checked);
bool IsChecked(HWND window, int id);
// A mouse click at (x, y) of control `id`'s client area: button down and up, posted.
bool ClickAt(HWND window, int id, int x, int y);
// Selects entry `index` (0 first) of the top level of tree control `id`, as a click on it
// does; false when there is no such entry.
bool SelectTreeEntry(HWND window, int id, int index);
// A menu or accelerator command posted to `window`.
bool Command(HWND window, UINT id);
// Posts WM_CLOSE, as the system's close does.
bool Close(HWND window);

// The lines the seams write, read from their files.
std::vector<ShownPrompt> ReadPrompts(const std::wstring& path);
std::vector<SeamLine> ReadSeamLines(const std::wstring& path);
std::vector<std::string> ReadLines(const std::wstring& path);

} // namespace e2e
