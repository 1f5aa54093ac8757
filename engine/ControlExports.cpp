// The test controls (TavikControl.h): never called by Lumeo itself.
#include "engine/Engine.h"
#include "engine/Simulation.h"
#include "engine/TavikControl.h"

#include <cstring>
#include <string>
#include <vector>

using namespace tavik_sim;

extern "C" {

void TAVIK_CALL EngineControl_Reset(void)
{
    try {
        Simulation& sim = Sim();
        sim.journal.Clear();
        sim.scripts.Clear();
        sim.devices.RestoreDefaults();
        sim.timings.RestoreDefaults();
        sim.failedHandOvers = 0;
        sim.badReleases = 0;
        sim.delivered = 0;
    } catch (...) {
        // Out of memory for the default device lists: nothing may cross the DLL's boundary.
    }
}

void TAVIK_CALL EngineControl_ClearJournal(void)
{
    Sim().journal.Clear();
}

int TAVIK_CALL EngineControl_GetJournalCount(void)
{
    return static_cast<int>(Sim().journal.Count());
}

int TAVIK_CALL EngineControl_GetJournalEntry(int index, char* buffer, int size)
{
    try {
        std::string line;
        if (index < 0 || !Sim().journal.Get(static_cast<size_t>(index), line))
            return -1;
        if (buffer && size > 0) {
            const size_t length = line.size() < static_cast<size_t>(size) ? line.size() : static_cast<size_t>(size) - 1;
            std::memcpy(buffer, line.data(), length);
            buffer[length] = '\0';
        }
        return static_cast<int>(line.size());
    } catch (...) {
        return -1;
    }
}

int TAVIK_CALL EngineControl_ScriptResult(const char* function, int result)
{
    if (!function || std::strncmp(function, "Tavik_", 6) != 0)
        return -1;
    try {
        Sim().scripts.Add(function, result);
        return 0;
    } catch (...) {
        return -1;
    }
}

void TAVIK_CALL EngineControl_ScriptInitialize(int giveHandle, int error)
{
    Sim().scripts.SetInitialize({giveHandle != 0, error});
}

int TAVIK_CALL EngineControl_SetDevices(int kind, const char* const* names, const char* const* uniqueIds, int count)
{
    if (kind < EngineDevice_Playout || kind > EngineDevice_VideoCapture || count < 0 || (count > 0 && !names))
        return -1;
    try {
        std::vector<DeviceCatalog::Device> devices;
        devices.reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            std::string uniqueId = uniqueIds && uniqueIds[i] ? uniqueIds[i] : "device-" + std::to_string(i);
            devices.push_back({names[i] ? names[i] : "", std::move(uniqueId), DeviceCatalog::kDefaultVolume});
        }
        Sim().devices.Set(static_cast<DeviceKind>(kind), std::move(devices));
        return 0;
    } catch (...) {
        return -1;
    }
}

int TAVIK_CALL EngineControl_SetTiming(int timing, int milliseconds)
{
    return Sim().timings.Set(timing, milliseconds) ? 0 : -1;
}

int TAVIK_CALL EngineControl_InjectEvent(TavikHandle handle, const EngineEventSpec* event, int delivery)
{
    try {
        const std::shared_ptr<Engine> engine = Sim().engines.Find(handle);
        if (!engine || !event)
            return -1;
        if (delivery == EngineDelivery_Synchronous)
            engine->DeliverNow(EventData::From(*event));
        else
            engine->Post(EventData::From(*event), 0);
        return 0;
    } catch (...) {
        return -1;
    }
}

int TAVIK_CALL EngineControl_InjectEvents(TavikHandle handle, const EngineEventSpec* event, int count)
{
    try {
        const std::shared_ptr<Engine> engine = Sim().engines.Find(handle);
        if (!engine || !event || count < 0)
            return -1;
        engine->PostCopies(EventData::From(*event), count);
        return 0;
    } catch (...) {
        return -1;
    }
}

SIPCallbackCommand* TAVIK_CALL EngineControl_NewRecord(const EngineEventSpec* event)
{
    try {
        return event ? Sim().records.Create(EventData::From(*event)) : nullptr;
    } catch (...) {
        return nullptr;
    }
}

int TAVIK_CALL EngineControl_WriteRecordField(SIPCallbackCommand* record, int field, const void* bytes, int length)
{
    if (!record || length < 0 || !Sim().records.IsAlive(record))
        return -1;
    // Every record alive was built by RecordBook as an EventRecord.
    return static_cast<EventRecord*>(record)->WriteField(field, bytes, static_cast<size_t>(length)) ? 0 : -1;
}

int TAVIK_CALL EngineControl_GetLiveRecordCount(void)
{
    return Sim().records.LiveCount();
}

int TAVIK_CALL EngineControl_GetFailedHandOverCount(void)
{
    return Sim().failedHandOvers.load();
}

int TAVIK_CALL EngineControl_GetBadReleaseCount(void)
{
    return Sim().badReleases.load();
}

int TAVIK_CALL EngineControl_GetDeliveredCount(void)
{
    return Sim().delivered.load();
}

int TAVIK_CALL EngineControl_GetEngineCount(void)
{
    return Sim().engines.Count();
}

DWORD TAVIK_CALL EngineControl_GetEngineThreadId(TavikHandle handle)
{
    const std::shared_ptr<Engine> engine = Sim().engines.Find(handle);
    return engine ? engine->ThreadId() : 0;
}

int TAVIK_CALL EngineControl_WaitIdle(TavikHandle handle, int timeoutMs)
{
    const std::shared_ptr<Engine> engine = Sim().engines.Find(handle);
    if (!engine || timeoutMs < 0)
        return -1;
    return engine->WaitIdle(timeoutMs) ? 0 : -1;
}

} // extern "C"
