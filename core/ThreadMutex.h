#pragma once
// The core's one lock: a critical section that lives as long as its owner.
#include <windows.h>

class ThreadMutex {
public:
    ThreadMutex() { InitializeCriticalSection(&section_); }
    virtual ~ThreadMutex() { DeleteCriticalSection(&section_); }
    ThreadMutex(const ThreadMutex&) = delete;
    ThreadMutex& operator=(const ThreadMutex&) = delete;

    virtual void Lock() { EnterCriticalSection(&section_); }
    virtual void Unlock() { LeaveCriticalSection(&section_); }

private:
    CRITICAL_SECTION section_;
};
