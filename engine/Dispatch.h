#pragma once
// The common path of every exported engine call: journal it, find the engine, take a
// scripted result if a test set one, else do the engine's work. Nothing may throw across
// the DLL's C boundary.
#include "engine/Engine.h"
#include "engine/Simulation.h"

#include <optional>

namespace tavik_sim {

inline int Accept(Engine&)
{
    return 0;
}

// `refused` is the result without an engine (handle 0 or no longer initialised).
template <typename Action, typename... Args>
int Dispatch(const char* function, int refused, Action&& action, TavikHandle handle, const Args&... args) noexcept
{
    try {
        Simulation& sim = Sim();
        sim.journal.Record(function, handle, args...);
        const std::shared_ptr<Engine> engine = sim.engines.Find(handle);
        if (!engine)
            return refused;
        if (const std::optional<int> scripted = sim.scripts.Take(function))
            return *scripted;
        return action(*engine);
    } catch (...) {
        return refused;
    }
}

} // namespace tavik_sim
