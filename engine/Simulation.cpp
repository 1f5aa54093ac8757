#include "engine/Simulation.h"

#include "engine/Engine.h"

#include <new>

namespace tavik_sim {

Simulation& Sim()
{
    alignas(Simulation) static unsigned char storage[sizeof(Simulation)];
    static Simulation* const simulation = new (storage) Simulation();
    return *simulation;
}

TavikHandle EngineTable::NextHandle()
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return nextHandle_++;
}

void EngineTable::Add(const std::shared_ptr<Engine>& engine)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    engines_[engine->Handle()] = engine;
}

std::shared_ptr<Engine> EngineTable::Find(TavikHandle handle) const
{
    if (handle == 0)
        return nullptr;
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto it = engines_.find(handle);
    return it == engines_.end() ? nullptr : it->second;
}

std::shared_ptr<Engine> EngineTable::Remove(TavikHandle handle)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto it = engines_.find(handle);
    if (it == engines_.end())
        return nullptr;
    std::shared_ptr<Engine> engine = std::move(it->second);
    engines_.erase(it);
    return engine;
}

int EngineTable::Count() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<int>(engines_.size());
}

void Timings::RestoreDefaults()
{
    // Short enough to feel instant by hand, long enough to see a call ring.
    ms_[EngineTiming_Register] = 100;
    ms_[EngineTiming_CallTrying] = 50;
    ms_[EngineTiming_CallRinging] = 300;
    ms_[EngineTiming_CallAnswer] = 1500;
    ms_[EngineTiming_Message] = 100;
}

bool Timings::Set(int timing, int milliseconds)
{
    if (timing < 0 || timing >= kCount || milliseconds < 0)
        return false;
    ms_[timing] = milliseconds;
    return true;
}

} // namespace tavik_sim
