#include "app/EnvironmentSeams.h"

#include "core/TextConvert.h"
#include "framework/Prompt.h"
#include "windows/msgbox/MessageBox.h"

#include <windows.h>

#include <cwchar>
#include <string>

namespace {

std::wstring g_promptFile;
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

// One whole line per write, so a reader never sees half of it.
void AppendLine(const char* kind, UINT style, LPCWSTR text)
{
    const std::string line = std::string(kind) + '\t' + std::to_string(style) + '\t' +
                             Escaped(WideToUtf8(CString(text ? text : L""))) + '\n';
    const HANDLE file = ::CreateFileW(g_promptFile.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    ::WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    ::CloseHandle(file);
}

int AnswerPrompt(HWND, LPCWSTR text, LPCWSTR, UINT type)
{
    AppendLine("prompt", type, text);
    return g_promptAnswer;
}

int AnswerMessageBox(const CString&, const CString& message, CWnd*)
{
    AppendLine("msgbox", 0, message);
    return g_promptAnswer;
}

} // namespace

void InstallEnvironmentSeams()
{
    g_promptFile = Environment(L"LUMEO_TEST_PROMPTS");
    if (g_promptFile.empty())
        return;
    const std::wstring answer = Environment(L"LUMEO_TEST_PROMPT_ANSWER");
    if (!answer.empty())
        g_promptAnswer = static_cast<int>(std::wcstol(answer.c_str(), nullptr, 10));
    AfxSetPromptHandler(&AnswerPrompt);
    SetMessageBoxRunner(&AnswerMessageBox);
}
