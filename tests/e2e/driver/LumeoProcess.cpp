#include "tests/e2e/driver/LumeoProcess.h"

#include <commctrl.h>

#include <cwchar>
#include <cwctype>
#include <map>

namespace e2e {

namespace {

// The window property the skinned windows keep their skin id in (a pointer into the program).
constexpr wchar_t kStringIdProperty[] = L"VXL_UIWND_STRINGID";

std::wstring Upper(std::wstring text)
{
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(::towupper(c));
    return text;
}

// The environment block of this process with `values` set over it, sorted as Windows wants.
std::wstring EnvironmentBlock(const Environment& values)
{
    std::map<std::wstring, std::pair<std::wstring, std::wstring>> entries;   // by upper-case name
    if (wchar_t* const block = ::GetEnvironmentStringsW()) {
        for (const wchar_t* entry = block; *entry; entry += std::wcslen(entry) + 1) {
            const std::wstring text(entry);
            const size_t equals = text.find(L'=', 1);   // "=C:=C:\..." entries start with '='
            if (equals == std::wstring::npos)
                continue;
            const std::wstring name = text.substr(0, equals);
            entries[Upper(name)] = {name, text.substr(equals + 1)};
        }
        ::FreeEnvironmentStringsW(block);
    }
    for (const auto& [name, value] : values)
        entries[Upper(name)] = {name, value};
    std::wstring block;
    for (const auto& [key, entry] : entries)
        block += entry.first + L"=" + entry.second + L'\0';
    block += L'\0';
    return block;
}

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM context)
{
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM context)
{
    auto* const search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && ::IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

std::wstring Unescaped(const std::string& text)
{
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const char next = text[++i];
        plain += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next;
    }
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, plain.data(), static_cast<int>(plain.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, plain.data(), static_cast<int>(plain.size()), wide.data(), length);
    return wide;
}

} // namespace

bool WaitUntil(const std::function<bool()>& done, DWORD ms)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (done())
            return true;
        if (::GetTickCount() - start > ms)
            return done();
        ::Sleep(50);
    }
}

LumeoProcess::LumeoProcess(const ProgramCopy& copy, const Environment& extra) : m_copy(copy)
{
    const std::wstring run = L"run" + std::to_wstring(copy.NextRun()) + L"-";
    Environment values = {
        {L"LUMEO_TEST_PROMPTS", copy.Path(run + L"prompts.txt")},
        {L"LUMEO_TEST_PROMPT_ANSWER", std::to_wstring(IDOK)},
        {L"LUMEO_TEST_SHELL", copy.Path(run + L"shell.txt")},
        {L"LUMEO_ENGINE_JOURNAL", copy.Path(run + L"engine.txt")},
        // The update check must never leave the machine: nothing listens on port 9.
        {L"LUMEO_UPDATE_SERVER", L"127.0.0.1:9"},
    };
    values.insert(values.end(), extra.begin(), extra.end());
    for (const auto& [name, value] : values) {
        if (name == L"LUMEO_TEST_PROMPTS")
            m_promptFile = value;
        else if (name == L"LUMEO_TEST_SHELL")
            m_shellFile = value;
        else if (name == L"LUMEO_ENGINE_JOURNAL")
            m_journalFile = value;
    }
    std::wstring block = EnvironmentBlock(values);
    std::wstring commandLine = L"\"" + copy.Program() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(copy.Program().c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                          CREATE_UNICODE_ENVIRONMENT, block.data(), copy.Folder().c_str(), &startup, &info))
        return;
    ::CloseHandle(info.hThread);
    m_process = info.hProcess;
    m_processId = info.dwProcessId;
    // Its first window comes once it has an input queue.
    ::WaitForInputIdle(m_process, kPatience);
}

LumeoProcess::~LumeoProcess()
{
    if (!m_process)
        return;
    if (Running()) {
        ::TerminateProcess(m_process, 99);
        ::WaitForSingleObject(m_process, kPatience);
    }
    ::CloseHandle(m_process);
}

bool LumeoProcess::Running() const
{
    return m_process && ::WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
}

bool LumeoProcess::WaitForExit(DWORD ms, DWORD* exitCode) const
{
    if (!m_process || ::WaitForSingleObject(m_process, ms) != WAIT_OBJECT_0)
        return false;
    if (exitCode)
        ::GetExitCodeProcess(m_process, exitCode);
    return true;
}

void LumeoProcess::Kill()
{
    if (Running()) {
        ::TerminateProcess(m_process, 99);
        ::WaitForSingleObject(m_process, kPatience);
    }
}

std::vector<std::pair<HWND, std::wstring>> LumeoProcess::VisibleWindows() const
{
    WindowSearch search{m_processId, {}};
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    std::vector<std::pair<HWND, std::wstring>> windows;
    for (const HWND window : search.found)
        windows.emplace_back(window, SkinIdOf(window));
    return windows;
}

std::wstring LumeoProcess::SkinIdOf(HWND window) const
{
    // The property holds the address of the id text in the program's memory: read it there.
    const auto* const address = static_cast<const wchar_t*>(::GetPropW(window, kStringIdProperty));
    if (!address || !m_process)
        return {};
    wchar_t text[64] = {};
    SIZE_T read = 0;
    if (!::ReadProcessMemory(m_process, address, text, sizeof text - sizeof(wchar_t), &read))
        return {};
    return text;
}

HWND LumeoProcess::FindChild(HWND parent, const std::wstring& skinId) const
{
    std::vector<HWND> children;
    ::EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&children));
    for (const HWND child : children) {
        if (SkinIdOf(child) == skinId)
            return child;
    }
    return nullptr;
}

HWND LumeoProcess::WaitForWindow(const std::wstring& skinId, DWORD ms) const
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (const auto& [window, id] : VisibleWindows()) {
                if (id == skinId) {
                    found = window;
                    return true;
                }
            }
            return !Running();
        },
        ms);
    return found;
}

std::vector<ShownPrompt> LumeoProcess::Prompts() const
{
    return ReadPrompts(m_promptFile);
}

std::vector<SeamLine> LumeoProcess::ShellCalls() const
{
    return ReadSeamLines(m_shellFile);
}

std::vector<std::string> LumeoProcess::Journal() const
{
    return ReadLines(m_journalFile);
}

std::vector<std::string> LumeoProcess::JournalOf(const std::string& function) const
{
    std::vector<std::string> lines;
    for (const std::string& line : Journal()) {
        if (line.compare(0, function.size() + 1, function + "(") == 0)
            lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> ReadLines(const std::wstring& path)
{
    const std::string bytes = ReadFileBytes(path);
    std::vector<std::string> lines;
    size_t start = 0;
    // A line counts once its end has been written.
    for (size_t end = bytes.find('\n'); end != std::string::npos; end = bytes.find('\n', start)) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<SeamLine> ReadSeamLines(const std::wstring& path)
{
    std::vector<SeamLine> calls;
    for (const std::string& line : ReadLines(path)) {
        const size_t first = line.find('\t');
        const size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
        if (second == std::string::npos)
            continue;
        calls.push_back({line.substr(0, first), Unescaped(line.substr(first + 1, second - first - 1)),
                         Unescaped(line.substr(second + 1))});
    }
    return calls;
}

std::vector<ShownPrompt> ReadPrompts(const std::wstring& path)
{
    std::vector<ShownPrompt> prompts;
    for (const SeamLine& line : ReadSeamLines(path))
        prompts.push_back({line.kind, static_cast<UINT>(std::wcstoul(line.first.c_str(), nullptr, 10)), line.second});
    return prompts;
}

HWND Control(HWND window, int id)
{
    return ::GetDlgItem(window, id);
}

std::wstring TextOf(HWND window)
{
    if (!window)
        return {};
    const LRESULT length = ::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied =
        ::SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::wstring ControlText(HWND window, int id)
{
    return TextOf(Control(window, id));
}

bool TypeInto(HWND window, int id, const std::wstring& text)
{
    const HWND control = Control(window, id);
    return control && ::SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool Click(HWND window, int id)
{
    const HWND control = Control(window, id);
    return control && ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

bool SetCheck(HWND window, int id, bool checked)
{
    const HWND control = Control(window, id);
    return control && (::SendMessageW(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0), true);
}

bool IsChecked(HWND window, int id)
{
    return ::SendMessageW(Control(window, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool ClickAt(HWND window, int id, int x, int y)
{
    const HWND control = Control(window, id);
    return control && ::PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)) &&
           ::PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

bool SelectTreeEntry(HWND window, int id, int index)
{
    const HWND tree = Control(window, id);
    if (!tree)
        return false;
    LRESULT item = ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    for (int i = 0; i < index && item; ++i)
        item = ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, item);
    return item && ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, item);
}

bool Command(HWND window, UINT id)
{
    return ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

bool Close(HWND window)
{
    return ::PostMessageW(window, WM_CLOSE, 0, 0);
}

} // namespace e2e
