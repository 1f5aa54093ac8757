#include "core/Session.h"

#include "core/CoreUiTexts.h"
#include "framework/SystemAnswers.h"

#include <ctime>

std::uint32_t SessionInfo::MarkStartTick()
{
    startTick = GetSystemAnswers().GetTicks();
    return startTick;
}

std::uint32_t SessionInfo::MarkEndTick()
{
    endTick = GetSystemAnswers().GetTicks();
    return endTick;
}

void SessionInfo::MarkStartTime()
{
    startTime = GetSystemAnswers().GetNow();
    started = 1;
}

void SessionInfo::MarkEndTime()
{
    endTime = GetSystemAnswers().GetNow();
}

void SessionInfo::Reset()
{
    startTick = endTick = 0;
    startTime = endTime = 0;
    callType = 2;
    started = 0;
    caller.Empty();
    callee.Empty();
    note.Empty();
}

CString SessionInfo::FormatDuration() const
{
    CString text(L"00:00:00");
    if (startTick == 0)
        return text;
    const std::uint32_t seconds = (endTick - startTick) / 1000;
    text.Format(L"%02u:%02u:%02u", seconds / 3600, seconds % 3600 / 60, seconds % 60);
    return text;
}

CString SessionInfo::FormatTimeStamp(bool start) const
{
    const __time64_t time = start ? startTime : endTime;
    std::tm local{};
    if (_localtime64_s(&local, &time) != 0)
        return CString();
    wchar_t text[128];
    if (wcsftime(text, 128, L"%Y-%m-%d %H:%M:%S %p", &local) == 0)
        return CString();
    return CString(text);
}

void Session::ResetDurationClock()
{
    for (int& digit : clock_)
        digit = 0;
}

CString Session::TickDuration()
{
    // A carry out of the seconds or minutes tens happens at 6, of the units above 9; the hours
    // only ever grow.
    if (++clock_[kSecondUnits] > 9) {
        clock_[kSecondUnits] = 0;
        ++clock_[kSecondTens];
    }
    if (clock_[kSecondTens] == 6) {
        clock_[kSecondTens] = 0;
        ++clock_[kMinuteUnits];
    }
    if (clock_[kMinuteUnits] > 9) {
        clock_[kMinuteUnits] = 0;
        ++clock_[kMinuteTens];
    }
    if (clock_[kMinuteTens] == 6) {
        clock_[kMinuteTens] = 0;
        ++clock_[kHourUnits];
    }
    if (clock_[kHourUnits] > 9) {
        clock_[kHourUnits] = 0;
        ++clock_[kHourTens];
    }
    CString text;
    text.Format(L"%ls %d%d:%d%d:%d%d", CallDurationPrefixText().GetString(), clock_[kHourTens],
                clock_[kHourUnits], clock_[kMinuteTens], clock_[kMinuteUnits], clock_[kSecondTens],
                clock_[kSecondUnits]);
    lineText_[2] = text;
    return text;
}

void Session::Reset()
{
    sessionId_ = 0;
    busy_ = incomingPending_ = held_ = 0;
    ResetDurationClock();
    video = 0;
    sendingVideo_ = 0;
    info.Reset();
}
