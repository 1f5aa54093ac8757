#pragma once
// The stand-in engine's process-wide state: the running engines by handle, the test
// controls' journal, scripts, devices and timings, and the records alive.
#include "engine/DeviceCatalog.h"
#include "engine/EventRecord.h"
#include "engine/Journal.h"
#include "engine/ScriptedResults.h"
#include "engine/TavikControl.h"

#include <atomic>
#include <map>
#include <memory>
#include <mutex>

namespace tavik_sim {

class Engine;

class EngineTable {
public:
    TavikHandle NextHandle();
    void Add(const std::shared_ptr<Engine>& engine);
    std::shared_ptr<Engine> Find(TavikHandle handle) const;
    std::shared_ptr<Engine> Remove(TavikHandle handle);
    int Count() const;

private:
    mutable std::mutex mutex_;
    std::map<TavikHandle, std::shared_ptr<Engine>> engines_;
    // Handles are never reused, and start far from session ids (1, 2, 3...) so that a
    // journal never confuses the two.
    TavikHandle nextHandle_ = 1001;
};

class Timings {
public:
    static constexpr int kCount = 5;
    Timings() { RestoreDefaults(); }
    void RestoreDefaults();
    bool Set(int timing, int milliseconds);
    int Get(EngineTiming timing) const { return ms_[timing].load(); }

private:
    std::atomic<int> ms_[kCount];
};

struct Simulation {
    EngineTable engines;
    Journal journal;
    ScriptedResults scripts;
    DeviceCatalog devices;
    Timings timings;
    RecordBook records;
    std::atomic<int> failedHandOvers{0};
    std::atomic<int> badReleases{0};
    std::atomic<int> delivered{0};
};

// The one simulation of the process. It is never destroyed: at process exit the engine
// threads are already gone, and joining them from a destructor would hang.
Simulation& Sim();

} // namespace tavik_sim
