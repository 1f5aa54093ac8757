#pragma once
// One pointer per thread in the system's thread-local storage. The compiler's thread_local
// goes through an emulation here that takes a lock on every access: too dear for a value
// read on every message a window receives.
#include <windows.h>

class AfxThreadSlot {
public:
    AfxThreadSlot() : m_index(::TlsAlloc()) {}
    AfxThreadSlot(const AfxThreadSlot&) = delete;
    AfxThreadSlot& operator=(const AfxThreadSlot&) = delete;

    // The calling thread's value; null until it sets one. The thread's last error is left
    // as it was (reading the slot would clear it), since window procedures run in the
    // middle of system calls that report through it.
    void* Get() const
    {
        const DWORD error = ::GetLastError();
        void* const value = ::TlsGetValue(m_index);
        ::SetLastError(error);
        return value;
    }
    void Set(void* value) const { ::TlsSetValue(m_index, value); }

private:
    DWORD m_index;
};
