#pragma once
// The call page's timers, by id on the page's own window.
#include <windows.h>

// Repeats the ring-in tone while an incoming call rings on the current line.
constexpr UINT_PTR kRingInTimer = 13;
// Repeats the ring-back tone while the called party rings without media of its own.
constexpr UINT_PTR kRingBackTimer = 14;
// Fires once after the first registration success: presence pop-ups may show from then on.
constexpr UINT_PTR kPresenceNoticeTimer = 41;

constexpr UINT kRingRepeatMs = 4000;
constexpr UINT kClockTickMs = 1000;
constexpr UINT kPresenceNoticeDelayMs = 10000;

// Each line's elapsed-time clock: ids 20 to 24 for lines 1 to 5.
constexpr UINT_PTR ClockTimerOf(int line)
{
    return static_cast<UINT_PTR>(19 + line);
}

// The line whose clock timer `id` is; 0 for any other id.
constexpr int LineOfClockTimer(UINT_PTR id)
{
    return id >= ClockTimerOf(1) && id <= ClockTimerOf(5) ? static_cast<int>(id - ClockTimerOf(0)) : 0;
}
