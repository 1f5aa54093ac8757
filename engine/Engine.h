#pragma once
// One initialised engine: its own thread delivering events to the callback, and the small
// SIP service it simulates (registration, calls, echoed pager messages).
#include "engine/DeviceCatalog.h"
#include "engine/EventRecord.h"
#include "engine/TavikCore.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <utility>

namespace tavik_sim {

constexpr int kRefused = -1;

// True while `record` is being handed to a callback on this thread: a release at that
// moment means the callback could not pass the record on.
bool IsBeingHandedOver(const SIPCallbackCommand* record);

struct UserInfo {
    std::string userName;
    std::string displayName;
    std::string domain;
    std::string proxy;
};

class Engine : public std::enable_shared_from_this<Engine> {
public:
    Engine(TavikHandle handle, SIPCallbackEvent* callback);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    void Start();
    // Stops the thread and waits for it; no callback runs once Stop has returned. Called on
    // the engine's own thread (from inside a callback) it lets the thread end by itself.
    void Stop();

    TavikHandle Handle() const { return handle_; }
    DWORD ThreadId() const { return threadId_.load(); }

    // Events for the callback: queued for the engine thread, or delivered on this thread.
    void Post(EventData event, int delayMs);
    void PostCopies(const EventData& event, int count);
    void DeliverNow(const EventData& event);
    bool WaitIdle(int timeoutMs);

    // The simulated SIP service.
    int SetUserInfo(UserInfo info);
    int Register();
    int Call(const char* callee);
    int End(int sessionId); // hang-up or reject: the call's pending progress is dropped
    int Refer(int sessionId, const char* target);
    int UseSession(int sessionId) const; // 0 for a call the engine knows, else kRefused
    int SendPagerMessage(const char* to, const char* body);

    // Devices and the volumes of the chosen ones.
    void SetAudioDevices(int input, int output);
    void SetVideoDevice(int device);
    int Volume(DeviceKind kind) const;
    void SetVolume(DeviceKind kind, int volume);

private:
    using Clock = std::chrono::steady_clock;
    using QueueKey = std::pair<Clock::time_point, std::uint64_t>;

    void Run();
    // Joins the engine thread; on that thread itself, lets it run out instead.
    void EndThread();
    void Deliver(const EventData& event);
    // With mutex_ held:
    void Enqueue(EventData event, Clock::time_point due);
    void NoteEvent(const EventData& event);
    void CancelSessionEvents(int sessionId);
    int DeviceIndex(DeviceKind kind) const;

    const TavikHandle handle_;
    SIPCallbackEvent* const callback_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::map<QueueKey, EventData> queue_;
    std::uint64_t sequence_ = 0;
    bool stopping_ = false;
    bool delivering_ = false;

    // Held while a callback runs, so that Stop can wait out a delivery on another thread.
    std::recursive_mutex deliveryMutex_;
    bool stopped_ = false;

    std::thread thread_;
    std::atomic<DWORD> threadId_{0};

    UserInfo account_;
    bool hasAccount_ = false;
    int nextSessionId_ = 1;
    std::set<int> sessions_; // calls the engine knows: placed, or reported incoming
    int inputDevice_ = 0;
    int outputDevice_ = 0;
    int videoDevice_ = 0;
    int noDeviceVolume_[3] = {DeviceCatalog::kDefaultVolume, DeviceCatalog::kDefaultVolume,
                              DeviceCatalog::kDefaultVolume};
};

} // namespace tavik_sim
