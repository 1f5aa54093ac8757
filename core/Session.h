#pragma once
// One call line: its engine session, flags, texts and running clock (Session), and the timing
// and parties of its call (SessionInfo). The call page keeps one per line. A call's timing
// reads the system table's two clocks (framework/SystemAnswers.h: millisecond ticks and the
// wall clock), so tests give a call an exact start and duration.
#include "framework/String.h"

#include <cstdint>

class SessionInfo {
public:
    SessionInfo() = default;
    virtual ~SessionInfo() = default;

    // Tick = the millisecond clock's, which is also returned.
    std::uint32_t MarkStartTick();
    std::uint32_t MarkEndTick();
    // Wall-clock time now; the start also sets `started`.
    void MarkStartTime();
    void MarkEndTime();

    void SetCaller(const CString& text) { caller = text; }
    void SetCallee(const CString& text) { callee = text; }
    CString GetCaller() const { return caller; }
    CString GetCallee() const { return callee; }

    // Ticks and times 0, call type 2, not started, the texts emptied.
    void Reset();

    // "hh:mm:ss" of (end tick - start tick), hours unbounded; "00:00:00" when the call never
    // connected (start tick 0). The unsigned span survives a wrapped tick counter.
    CString FormatDuration() const;
    CString GetDurationText() const { return FormatDuration(); }
    // The start (true) or end time as local "%Y-%m-%d %H:%M:%S %p"; empty when the time has
    // no local representation.
    CString FormatTimeStamp(bool start) const;
    CString GetStartTimeText() const { return FormatTimeStamp(true); }

    std::uint32_t startTick = 0;  // when the call connected or was answered; 0 = never
    std::uint32_t endTick = 0;
    std::int64_t startTime = 0;   // seconds since 1970, when the call arrived or was placed
    std::int64_t endTime = 0;
    CString caller;               // incoming: the remote address; outgoing: our user name
    CString callee;               // incoming: our user name; outgoing: the dialled address
    CString note;                 // emptied by Reset; the core does not read it
    int callType = 2;             // history call type 1..4
    std::uint8_t started = 0;     // 1 once the start time is set
};

class Session {
public:
    Session() = default;
    virtual ~Session() = default;

    std::uint8_t IsBusy() const { return busy_; }
    void SetBusy(std::uint8_t value) { busy_ = value; }
    std::uint8_t IsIncomingPending() const { return incomingPending_; }
    void SetIncomingPending(std::uint8_t value) { incomingPending_ = value; }
    std::uint8_t IsHeld() const { return held_; }
    void SetHeld(std::uint8_t value) { held_ = value; }
    std::uint8_t IsSendingVideo() const { return sendingVideo_; }
    void SetSendingVideo(std::uint8_t value) { sendingVideo_ = value; }
    int GetSessionId() const { return sessionId_; }
    void SetSessionId(int id) { sessionId_ = id; }

    CString GetPhoneNumber() const { return phoneNumber_; }
    void SetPhoneNumber(const CString& text) { phoneNumber_ = text; }
    CString GetLineText1() const { return lineText_[0]; }
    CString GetLineText2() const { return lineText_[1]; }
    CString GetLineText3() const { return lineText_[2]; }
    void SetLineText1(const CString& text) { lineText_[0] = text; }
    void SetLineText2(const CString& text) { lineText_[1] = text; }
    void SetLineText3(const CString& text) { lineText_[2] = text; }

    // The running clock back to 00:00:00.
    void ResetDurationClock();
    // One second more on the clock. Returns the call-duration prefix, a blank and the clock
    // as hh:mm:ss, which also becomes line text 3.
    CString TickDuration();

    // Back to a free line: session id, flags, clock and video 0, then the timing reset. The
    // number and line texts keep what was last stored.
    void Reset();

    SessionInfo info;
    std::uint8_t video = 0;  // the call carries video (copied from the engine's event)

private:
    enum Digit { kSecondUnits, kSecondTens, kMinuteUnits, kMinuteTens, kHourUnits, kHourTens, kDigits };

    int sessionId_ = 0;
    CString lineText_[3];
    std::uint8_t busy_ = 0;
    std::uint8_t incomingPending_ = 0;
    std::uint8_t held_ = 0;
    CString phoneNumber_;
    int clock_[kDigits] = {};
    std::uint8_t sendingVideo_ = 0;
};
