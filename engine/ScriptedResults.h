#pragma once
// Results that tests script for the engine's next calls.
#include <atomic>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace tavik_sim {

class ScriptedResults {
public:
    struct Initialize {
        bool giveHandle;
        int error;
    };

    void Add(const std::string& function, int result);
    // The next scripted result of `function`, used up.
    std::optional<int> Take(const char* function);

    void SetInitialize(Initialize script);
    std::optional<Initialize> TakeInitialize();

    void Clear();

private:
    std::mutex mutex_;
    std::atomic<int> pending_{0}; // lets unscripted calls skip the lock
    std::map<std::string, std::deque<int>, std::less<>> results_;
    std::optional<Initialize> initialize_;
};

} // namespace tavik_sim
