#pragma once
// Engine events: the engine's own copy of an event (EventData) and the records it hands to
// the callback, with the book of records alive.
#include "engine/TavikControl.h"
#include "engine/TavikCore.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_set>

namespace tavik_sim {

struct EventData {
    int type = 0;
    int sessionId = 0;
    std::string remoteAddress;
    std::string displayName;
    int statusCode = 0;
    std::string statusText;
    std::string noteText;
    std::string requestText;
    bool hasBody = false;
    std::string body;
    bool earlyMedia = false;
    bool hasVideo = false;
    int subscribeId = 0;

    static EventData From(const EngineEventSpec& spec);
};

// The record as the engine builds it. Adds no data: what Lumeo reads is exactly the
// SIPCallbackCommand layout.
class EventRecord final : public SIPCallbackCommand {
public:
    explicit EventRecord(const EventData& event);

    // Raw bytes at the start of a fixed text field (1..6, 8, 14..16, 19), no terminator
    // added; false for another field number or more bytes than the field holds.
    bool WriteField(int field, const void* bytes, std::size_t length);

private:
    char* FixedField(int field);
};

// Every record alive, so that a release of a record that is not alive (a second release)
// is caught instead of freeing memory twice.
class RecordBook {
public:
    // Builds a record and counts it alive.
    SIPCallbackCommand* Create(const EventData& event);
    // Forgets and frees a record; false (and nothing freed) when it is not alive.
    bool Release(SIPCallbackCommand* record);
    bool IsAlive(SIPCallbackCommand* record) const;
    int LiveCount() const;

private:
    mutable std::mutex mutex_;
    std::unordered_set<SIPCallbackCommand*> live_;
};

} // namespace tavik_sim
