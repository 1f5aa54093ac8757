#include "app/EnvironmentSeams.h"

#include "core/TextConvert.h"
#include "framework/Prompt.h"
#include "windows/main/ShellActions.h"
#include "windows/msgbox/MessageBox.h"

#include <windows.h>

#include <cwchar>
#include <string>

namespace {

std::wstring g_promptFile;
std::wstring g_shellFile;
int g_promptAnswer = IDOK;

std::wstring Environment(const wchar_t* name)
{
    wchar_t value[MAX_PATH * 2] = {};
    const DWORD length = ::GetEnvironmentVariableW(name, value, static_cast<DWORD>(std::size(value)));
    if (length == 0 || length >= std::size(value))
        return {};
    return value;
}

std::string Escaped(const std::string& text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\\': escaped += "\\\\"; break;
        case '\t': escaped += "\\t"; break;
        case '\r': escaped += "\\r"; break;
        case '\n': escaped += "\\n"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::string Field(LPCWSTR text)
{
    return Escaped(WideToUtf8(CString(text ? text : L"")));
}

// One whole line per write, so a reader never sees half of it.
void AppendLine(const std::wstring& path, const std::string& kind, const std::string& first,
                const std::string& second)
{
    const std::string line = kind + '\t' + first + '\t' + second + '\n';
    const HANDLE file = ::CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    ::WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    ::CloseHandle(file);
}

int AnswerPrompt(HWND, LPCWSTR text, LPCWSTR, UINT type)
{
    AppendLine(g_promptFile, "prompt", std::to_string(type), Field(text));
    return g_promptAnswer;
}

int AnswerMessageBox(const CString&, const CString& message, CWnd*)
{
    AppendLine(g_promptFile, "msgbox", "0", Field(message));
    return g_promptAnswer;
}

BOOL RecordTrayCall(DWORD message, NOTIFYICONDATAW* data)
{
    AppendLine(g_shellFile, "tray", std::to_string(message), std::to_string(data ? data->uID : 0));
    return TRUE;
}

void RecordShellOpen(HWND, LPCWSTR verb, LPCWSTR file, int)
{
    AppendLine(g_shellFile, "shell", Field(verb), Field(file));
}

} // namespace

void InstallEnvironmentSeams()
{
    g_shellFile = Environment(L"LUMEO_TEST_SHELL");
    if (!g_shellFile.empty()) {
        SetTrayIconHandler(&RecordTrayCall);
        SetShellOpenHandler(&RecordShellOpen);
    }
    g_promptFile = Environment(L"LUMEO_TEST_PROMPTS");
    if (g_promptFile.empty())
        return;
    const std::wstring answer = Environment(L"LUMEO_TEST_PROMPT_ANSWER");
    if (!answer.empty())
        g_promptAnswer = static_cast<int>(std::wcstol(answer.c_str(), nullptr, 10));
    AfxSetPromptHandler(&AnswerPrompt);
    SetMessageBoxRunner(&AnswerMessageBox);
}
