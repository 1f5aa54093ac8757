#include "engine/EventRecord.h"

#include "engine/CallerText.h"

#include <cstring>

namespace {

// Fixed fields always end with a terminator: at most 511 bytes of text are kept.
void CopyField(char (&field)[SIPCallbackCommand::kTextFieldSize], const std::string& text)
{
    const std::size_t length = text.size() < sizeof field - 1 ? text.size() : sizeof field - 1;
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

char* HeapText(const std::string& text)
{
    auto copy = std::make_unique<char[]>(text.size() + 1);
    std::memcpy(copy.get(), text.c_str(), text.size() + 1);
    return copy.release(); // owned by the record; freed by its destructor
}

} // namespace

SIPCallbackCommand::SIPCallbackCommand()
    : displayName_{}, reserved2_{}, remoteAddress_{}, reserved4_{}, reserved5_{}, requestText_{}, statusCode_(0),
      statusText_{}, eventType_(0), earlyMedia_(0), sessionId_(0), messageBody_(nullptr), reserved13_(nullptr),
      reserved14_{}, reserved15_{}, noteText_{}, reserved17_{}, hasVideo_(0), reserved19_{}, reserved20_{},
      reserved21_(-1), subscribeId_(0)
{
}

// Frees the heap texts and clears everything, so that a reader holding a released record
// sees nothing meaningful.
SIPCallbackCommand::~SIPCallbackCommand()
{
    delete[] messageBody_;
    delete[] reserved13_;
    messageBody_ = nullptr;
    reserved13_ = nullptr;
    for (char* text : {displayName_, reserved2_, remoteAddress_, reserved4_, reserved5_, requestText_, statusText_,
                       reserved14_, reserved15_, noteText_, reserved19_})
        std::memset(text, 0, kTextFieldSize);
    std::memset(reserved17_, 0, sizeof reserved17_);
    std::memset(reserved20_, 0, sizeof reserved20_);
    statusCode_ = eventType_ = sessionId_ = subscribeId_ = 0;
    earlyMedia_ = hasVideo_ = 0;
    reserved21_ = -1;
}

namespace tavik_sim {

EventData EventData::From(const EngineEventSpec& spec)
{
    EventData event;
    event.type = spec.type;
    event.sessionId = spec.sessionId;
    event.remoteAddress = OrEmpty(spec.remoteAddress);
    event.displayName = OrEmpty(spec.displayName);
    event.statusCode = spec.statusCode;
    event.statusText = OrEmpty(spec.statusText);
    event.noteText = OrEmpty(spec.noteText);
    event.requestText = OrEmpty(spec.requestText);
    event.hasBody = spec.messageBody != nullptr;
    event.body = OrEmpty(spec.messageBody);
    event.earlyMedia = spec.earlyMedia != 0;
    event.hasVideo = spec.hasVideo != 0;
    event.subscribeId = spec.subscribeId;
    return event;
}

EventRecord::EventRecord(const EventData& event)
{
    eventType_ = event.type;
    sessionId_ = event.sessionId;
    CopyField(remoteAddress_, event.remoteAddress);
    CopyField(displayName_, event.displayName);
    statusCode_ = event.statusCode;
    CopyField(statusText_, event.statusText);
    CopyField(noteText_, event.noteText);
    CopyField(requestText_, event.requestText);
    if (event.hasBody)
        messageBody_ = HeapText(event.body);
    earlyMedia_ = event.earlyMedia ? 1 : 0;
    hasVideo_ = event.hasVideo ? 1 : 0;
    subscribeId_ = event.subscribeId;
}

char* EventRecord::FixedField(int field)
{
    switch (field) {
    case 1: return displayName_;
    case 2: return reserved2_;
    case 3: return remoteAddress_;
    case 4: return reserved4_;
    case 5: return reserved5_;
    case 6: return requestText_;
    case 8: return statusText_;
    case 14: return reserved14_;
    case 15: return reserved15_;
    case 16: return noteText_;
    case 19: return reserved19_;
    default: return nullptr;
    }
}

bool EventRecord::WriteField(int field, const void* bytes, std::size_t length)
{
    char* target = FixedField(field);
    if (!target || length > kTextFieldSize || (!bytes && length > 0))
        return false;
    std::memcpy(target, bytes, length);
    return true;
}

SIPCallbackCommand* RecordBook::Create(const EventData& event)
{
    auto record = std::make_unique<EventRecord>(event);
    const std::lock_guard<std::mutex> lock(mutex_);
    live_.insert(record.get());
    return record.release(); // alive until Release
}

bool RecordBook::Release(SIPCallbackCommand* record)
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (live_.erase(record) == 0)
            return false;
    }
    delete record;
    return true;
}

bool RecordBook::IsAlive(SIPCallbackCommand* record) const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return live_.count(record) != 0;
}

int RecordBook::LiveCount() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<int>(live_.size());
}

} // namespace tavik_sim
