#pragma once
// The journal of engine calls that tests read back (see TavikControl.h for the line format).
#include "engine/TavikCore.h"

#include <cstddef>
#include <deque>
#include <mutex>
#include <string>

namespace tavik_sim {

// Journal argument markers: a caller's out buffer or pointer, and the callback object.
struct OutArg {};
struct CallbackArg {
    const void* object;
};

void AppendArg(std::string& line, int value);
void AppendArg(std::string& line, TavikHandle value);
void AppendArg(std::string& line, const char* text);
void AppendArg(std::string& line, HWND window);
void AppendArg(std::string& line, OutArg);
void AppendArg(std::string& line, CallbackArg callback);

class Journal {
public:
    void Add(std::string line);
    void Clear();
    std::size_t Count() const;
    bool Get(std::size_t index, std::string& line) const;

    template <typename... Args>
    void Record(const char* function, const Args&... args)
    {
        std::string line(function);
        line += '(';
        bool first = true;
        ((line += first ? "" : ",", first = false, AppendArg(line, args)), ...);
        line += ')';
        Add(std::move(line));
    }

private:
    // A hand-run session must not grow without bound: the oldest lines go first.
    static constexpr std::size_t kMaxLines = 100000;

    mutable std::mutex mutex_;
    std::deque<std::string> lines_;
};

} // namespace tavik_sim
