#include "engine/ScriptedResults.h"

#include <string_view>

namespace tavik_sim {

void ScriptedResults::Add(const std::string& function, int result)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    results_[function].push_back(result);
    ++pending_;
}

std::optional<int> ScriptedResults::Take(const char* function)
{
    if (pending_.load() == 0)
        return std::nullopt;
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto it = results_.find(std::string_view(function));
    if (it == results_.end() || it->second.empty())
        return std::nullopt;
    const int result = it->second.front();
    it->second.pop_front();
    --pending_;
    return result;
}

void ScriptedResults::SetInitialize(Initialize script)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    initialize_ = script;
}

std::optional<ScriptedResults::Initialize> ScriptedResults::TakeInitialize()
{
    const std::lock_guard<std::mutex> lock(mutex_);
    std::optional<Initialize> script = initialize_;
    initialize_.reset();
    return script;
}

void ScriptedResults::Clear()
{
    const std::lock_guard<std::mutex> lock(mutex_);
    results_.clear();
    initialize_.reset();
    pending_ = 0;
}

} // namespace tavik_sim
