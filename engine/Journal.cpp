#include "engine/Journal.h"

#include "engine/TavikControl.h"

#include <windows.h>

#include <cstdio>

namespace tavik_sim {

void AppendArg(std::string& line, int value)
{
    line += std::to_string(value);
}

void AppendArg(std::string& line, TavikHandle value)
{
    line += std::to_string(value);
}

void AppendArg(std::string& line, const char* text)
{
    if (!text) {
        line += "null";
        return;
    }
    line += '"';
    for (const char* p = text; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == '"' || c == '\\') {
            line += '\\';
            line += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            line += escaped;
        } else {
            line += static_cast<char>(c);
        }
    }
    line += '"';
}

void AppendArg(std::string& line, HWND window)
{
    line += engine_control::HwndText(window);
}

void AppendArg(std::string& line, OutArg)
{
    line += "out";
}

void AppendArg(std::string& line, CallbackArg callback)
{
    line += callback.object ? "callback" : "null";
}

namespace {

// The file named by LUMEO_ENGINE_JOURNAL, opened once for appending; null without one.
class JournalFile {
public:
    JournalFile()
    {
        wchar_t path[MAX_PATH] = {};
        const DWORD length = ::GetEnvironmentVariableW(L"LUMEO_ENGINE_JOURNAL", path, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return;
        handle_ = ::CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    ~JournalFile()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle_);
    }
    JournalFile(const JournalFile&) = delete;
    JournalFile& operator=(const JournalFile&) = delete;

    // One write per line, so that a reader in another process never sees half a line.
    void Append(const std::string& line) const
    {
        if (handle_ == INVALID_HANDLE_VALUE)
            return;
        const std::string whole = line + '\n';
        DWORD written = 0;
        ::WriteFile(handle_, whole.data(), static_cast<DWORD>(whole.size()), &written, nullptr);
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

} // namespace

void Journal::Add(std::string line)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    static const JournalFile file;
    file.Append(line);
    if (lines_.size() == kMaxLines)
        lines_.pop_front();
    lines_.push_back(std::move(line));
}

void Journal::Clear()
{
    const std::lock_guard<std::mutex> lock(mutex_);
    lines_.clear();
}

std::size_t Journal::Count() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return lines_.size();
}

bool Journal::Get(std::size_t index, std::string& line) const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    if (index >= lines_.size())
        return false;
    line = lines_[index];
    return true;
}

} // namespace tavik_sim
