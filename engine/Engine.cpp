#include "engine/Engine.h"

#include "engine/Simulation.h"

#include <algorithm>
#include <cstring>

namespace tavik_sim {

namespace {

thread_local const SIPCallbackCommand* t_handingOver = nullptr;

// "sip:bob@example.com" -> "bob@example.com": records carry addresses without the scheme.
std::string WithoutScheme(const char* address)
{
    if (_strnicmp(address, "sip:", 4) == 0)
        return address + 4;
    return address;
}

std::string UserPart(const std::string& address)
{
    return address.substr(0, address.find('@'));
}

} // namespace

bool IsBeingHandedOver(const SIPCallbackCommand* record)
{
    return record != nullptr && record == t_handingOver;
}

Engine::Engine(TavikHandle handle, SIPCallbackEvent* callback) : handle_(handle), callback_(callback)
{
}

Engine::~Engine()
{
    EndThread();
}

void Engine::EndThread()
{
    if (thread_.joinable()) {
        if (thread_.get_id() == std::this_thread::get_id())
            thread_.detach();
        else
            thread_.join();
    }
}

void Engine::Start()
{
    // The thread keeps the engine alive for as long as it runs.
    thread_ = std::thread([self = shared_from_this()] { self->Run(); });
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return threadId_.load() != 0; });
}

void Engine::Stop()
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    wake_.notify_all();
    idle_.notify_all();
    EndThread();
    const std::lock_guard<std::recursive_mutex> delivery(deliveryMutex_);
    stopped_ = true;
}

void Engine::Run()
{
    std::unique_lock<std::mutex> lock(mutex_);
    threadId_ = GetCurrentThreadId();
    while (!stopping_) {
        if (queue_.empty()) {
            idle_.notify_all();
            wake_.wait(lock);
            continue;
        }
        const auto first = queue_.begin();
        if (first->first.first > Clock::now()) {
            wake_.wait_until(lock, first->first.first);
            continue;
        }
        const EventData event = std::move(first->second);
        queue_.erase(first);
        delivering_ = true;
        lock.unlock();
        try {
            Deliver(event);
        } catch (...) {
            // Out of memory for one record: that event is lost, the engine goes on.
        }
        lock.lock();
        delivering_ = false;
        if (queue_.empty())
            idle_.notify_all();
    }
    idle_.notify_all();
}

void Engine::Deliver(const EventData& event)
{
    const std::lock_guard<std::recursive_mutex> delivery(deliveryMutex_);
    if (stopped_ || !callback_)
        return;
    SIPCallbackCommand* const record = Sim().records.Create(event);
    const SIPCallbackCommand* const outer = t_handingOver;
    t_handingOver = record;
    ++Sim().delivered;
    try {
        callback_->OnEvent(record);
    } catch (...) {
        // The callback's failure must not end the engine thread.
    }
    t_handingOver = outer;
}

void Engine::Enqueue(EventData event, Clock::time_point due)
{
    if (stopping_)
        return;
    queue_.emplace(QueueKey{due, sequence_++}, std::move(event));
    wake_.notify_one();
}

void Engine::NoteEvent(const EventData& event)
{
    // Ids the engine hands out stay above every id it has reported.
    if (event.sessionId >= nextSessionId_)
        nextSessionId_ = event.sessionId + 1;
    if (event.sessionId <= 0)
        return;
    switch (event.type) {
    case 3: sessions_.insert(event.sessionId); break; // incoming call
    case 7:
    case 8:
    case 18: sessions_.erase(event.sessionId); break; // call closed or gone
    default: break;
    }
}

void Engine::CancelSessionEvents(int sessionId)
{
    for (auto it = queue_.begin(); it != queue_.end();) {
        if (it->second.sessionId == sessionId)
            it = queue_.erase(it);
        else
            ++it;
    }
}

void Engine::Post(EventData event, int delayMs)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    NoteEvent(event);
    Enqueue(std::move(event), Clock::now() + std::chrono::milliseconds(delayMs));
}

void Engine::PostCopies(const EventData& event, int count)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    NoteEvent(event);
    const Clock::time_point now = Clock::now();
    for (int i = 0; i < count; ++i)
        Enqueue(event, now);
}

void Engine::DeliverNow(const EventData& event)
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (stopping_)
            return;
        NoteEvent(event);
    }
    Deliver(event);
}

bool Engine::WaitIdle(int timeoutMs)
{
    std::unique_lock<std::mutex> lock(mutex_);
    return idle_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                          [this] { return stopping_ || (queue_.empty() && !delivering_); });
}

int Engine::SetUserInfo(UserInfo info)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    if (info.userName.empty())
        return kRefused;
    account_ = std::move(info);
    hasAccount_ = true;
    return 0;
}

int Engine::Register()
{
    const std::lock_guard<std::mutex> lock(mutex_);
    if (!hasAccount_)
        return kRefused;
    EventData event;
    event.remoteAddress = account_.userName + "@" + (account_.domain.empty() ? account_.proxy : account_.domain);
    event.displayName = account_.displayName;
    if (account_.proxy.empty()) {
        event.type = 2;
        event.statusCode = 503;
        event.statusText = "No proxy server";
    } else {
        event.type = 1;
        event.statusCode = 200;
        event.statusText = "OK";
    }
    Enqueue(std::move(event), Clock::now() + std::chrono::milliseconds(Sim().timings.Get(EngineTiming_Register)));
    return 0;
}

int Engine::Call(const char* callee)
{
    if (!callee || !*callee)
        return kRefused;
    const std::lock_guard<std::mutex> lock(mutex_);
    const int sessionId = nextSessionId_++;
    sessions_.insert(sessionId);

    // Trying, ringing, answered: each step after its own delay.
    static constexpr struct {
        int type;
        EngineTiming delay;
        int statusCode;
        const char* statusText;
    } kSteps[] = {{4, EngineTiming_CallTrying, 100, "Trying"},
                  {5, EngineTiming_CallRinging, 180, "Ringing"},
                  {6, EngineTiming_CallAnswer, 200, "OK"}};
    const std::string remote = WithoutScheme(callee);
    Clock::time_point due = Clock::now();
    for (const auto& step : kSteps) {
        EventData event;
        event.type = step.type;
        event.sessionId = sessionId;
        event.remoteAddress = remote;
        event.displayName = UserPart(remote);
        event.statusCode = step.statusCode;
        event.statusText = step.statusText;
        due += std::chrono::milliseconds(Sim().timings.Get(step.delay));
        Enqueue(std::move(event), due);
    }
    return sessionId;
}

int Engine::End(int sessionId)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    CancelSessionEvents(sessionId);
    return sessions_.erase(sessionId) != 0 ? 0 : kRefused;
}

int Engine::Refer(int sessionId, const char* target)
{
    if (!target || !*target)
        return kRefused;
    return UseSession(sessionId);
}

int Engine::UseSession(int sessionId) const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return sessions_.count(sessionId) != 0 ? 0 : kRefused;
}

int Engine::SendPagerMessage(const char* to, const char* body)
{
    if (!to || !*to || !body)
        return kRefused;
    // The simulated peer echoes every message back.
    EventData event;
    event.type = 21;
    event.remoteAddress = WithoutScheme(to);
    event.displayName = UserPart(event.remoteAddress);
    event.hasBody = true;
    event.body = body;
    const std::lock_guard<std::mutex> lock(mutex_);
    Enqueue(std::move(event), Clock::now() + std::chrono::milliseconds(Sim().timings.Get(EngineTiming_Message)));
    return 0;
}

int Engine::DeviceIndex(DeviceKind kind) const
{
    switch (kind) {
    case DeviceKind::Playout: return outputDevice_;
    case DeviceKind::Recording: return inputDevice_;
    case DeviceKind::VideoCapture: break;
    }
    return videoDevice_;
}

void Engine::SetAudioDevices(int input, int output)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    inputDevice_ = input;
    outputDevice_ = output;
}

void Engine::SetVideoDevice(int device)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    videoDevice_ = device;
}

int Engine::Volume(DeviceKind kind) const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    int volume = 0;
    if (Sim().devices.GetVolume(kind, DeviceIndex(kind), volume))
        return volume;
    return noDeviceVolume_[static_cast<int>(kind)]; // no such device: the engine's own value
}

void Engine::SetVolume(DeviceKind kind, int volume)
{
    volume = std::clamp(volume, 0, 255);
    const std::lock_guard<std::mutex> lock(mutex_);
    if (!Sim().devices.SetVolume(kind, DeviceIndex(kind), volume))
        noDeviceVolume_[static_cast<int>(kind)] = volume;
}

} // namespace tavik_sim
