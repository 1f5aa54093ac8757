#include "engine/Journal.h"

#include "engine/TavikControl.h"

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

void Journal::Add(std::string line)
{
    const std::lock_guard<std::mutex> lock(mutex_);
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
