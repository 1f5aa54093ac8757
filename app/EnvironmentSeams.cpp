#include "app/EnvironmentSeams.h"

#include "core/TextConvert.h"
#include "framework/SystemAnswers.h"

#include <windows.h>

#include <cwchar>
#include <optional>
#include <string>
#include <utility>

namespace {

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

// The environment's answers; whatever it does not name is the system's.
class EnvironmentAnswers : public SystemAnswers {
public:
    EnvironmentAnswers(std::wstring shellFile, std::wstring promptFile, int promptAnswer)
        : m_shellFile(std::move(shellFile)), m_promptFile(std::move(promptFile)), m_promptAnswer(promptAnswer)
    {
    }

    int Prompt(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) const override
    {
        if (m_promptFile.empty())
            return SystemAnswers::Prompt(owner, text, caption, type);
        AppendLine(m_promptFile, "prompt", std::to_string(type), Field(text));
        return m_promptAnswer;
    }

    std::optional<int> AnswerMessageBox(const CString& caption, const CString& message, CWnd* owner) const override
    {
        if (m_promptFile.empty())
            return SystemAnswers::AnswerMessageBox(caption, message, owner);
        AppendLine(m_promptFile, "msgbox", "0", Field(message));
        return m_promptAnswer;
    }

    BOOL TrayIcon(DWORD message, NOTIFYICONDATAW* data) const override
    {
        if (m_shellFile.empty())
            return SystemAnswers::TrayIcon(message, data);
        AppendLine(m_shellFile, "tray", std::to_string(message), std::to_string(data ? data->uID : 0));
        return TRUE;
    }

    void ShellOpen(HWND owner, LPCWSTR verb, LPCWSTR file, int show) const override
    {
        if (m_shellFile.empty())
            return SystemAnswers::ShellOpen(owner, verb, file, show);
        AppendLine(m_shellFile, "shell", Field(verb), Field(file));
    }

    // The notice still pops up: only its text, drawn on a bitmap, could not be read otherwise.
    bool TakePresenceNotice(CWnd* owner, const CString& text) const override
    {
        if (!m_shellFile.empty())
            AppendLine(m_shellFile, "notice", "0", Escaped(WideToUtf8(text)));
        return SystemAnswers::TakePresenceNotice(owner, text);
    }

private:
    const std::wstring m_shellFile;
    const std::wstring m_promptFile;
    const int m_promptAnswer;
};

} // namespace

void InstallEnvironmentSeams()
{
    const std::wstring shellFile = Environment(L"LUMEO_TEST_SHELL");
    const std::wstring promptFile = Environment(L"LUMEO_TEST_PROMPTS");
    if (shellFile.empty() && promptFile.empty())
        return;
    int promptAnswer = IDOK;
    const std::wstring answer = Environment(L"LUMEO_TEST_PROMPT_ANSWER");
    if (!promptFile.empty() && !answer.empty())
        promptAnswer = static_cast<int>(std::wcstol(answer.c_str(), nullptr, 10));
    // Installed once for the whole run, and never taken down: windows may still prompt
    // while the process ends.
    static const EnvironmentAnswers answers(shellFile, promptFile, promptAnswer);
    SetSystemAnswers(&answers);
}
