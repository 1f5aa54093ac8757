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

// An object of type T for each thread that asks, made on first use and kept in a thread
// slot. Thread-local objects with destructors are not reliably destroyed at thread exit
// with this runtime (they can leave the heap locked), so the thread frees its object
// itself when it ends (Free); a thread that does not keeps it to the end.
template <class T>
class AfxThreadLocal {
public:
    // Null when this thread has made none.
    T* IfAny() const { return static_cast<T*>(m_slot.Get()); }
    T& Get() const
    {
        T* value = IfAny();
        if (!value) {
            value = new T;   // owned by the thread, see above
            m_slot.Set(value);
        }
        return *value;
    }
    // Out of the slot first, so that what the object's destruction runs does not find it.
    void Free() const
    {
        T* const value = IfAny();
        m_slot.Set(nullptr);
        delete value;
    }

private:
    AfxThreadSlot m_slot;
};
