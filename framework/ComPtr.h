#pragma once
// ComPtr<T>: owns one reference to a COM interface. Interfaces are queried by an explicit
// IID, since several of the interfaces we use (MSXML's) have no compiler-known GUID.
#include <windows.h>
#include <objbase.h>

#include <cstddef>
#include <utility>

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Holds `p`, adding a reference unless the caller hands one over (addRef false).
    explicit ComPtr(T* p, bool addRef = true) : m_p(p)
    {
        if (m_p && addRef)
            m_p->AddRef();
    }
    ComPtr(const ComPtr& other) : ComPtr(other.m_p) {}
    ComPtr(ComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ~ComPtr() { Release(); }

    ComPtr& operator=(const ComPtr& other)
    {
        ComPtr(other).Swap(*this);
        return *this;
    }
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        ComPtr(std::move(other)).Swap(*this);
        return *this;
    }
    ComPtr& operator=(std::nullptr_t)
    {
        Release();
        return *this;
    }

    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    bool operator==(const T* p) const { return m_p == p; }
    bool operator!=(const T* p) const { return m_p != p; }

    // The slot for an out-parameter: whatever was held is released first.
    T** Out()
    {
        Release();
        return &m_p;
    }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }

    void Release()
    {
        if (T* p = std::exchange(m_p, nullptr))
            p->Release();
    }
    // Takes over a reference the caller owns.
    void Attach(T* p)
    {
        Release();
        m_p = p;
    }
    // Hands the reference over to the caller.
    T* Detach() { return std::exchange(m_p, nullptr); }
    void Swap(ComPtr& other) noexcept { std::swap(m_p, other.m_p); }

    HRESULT CreateInstance(REFCLSID clsid, REFIID iid, DWORD context = CLSCTX_INPROC_SERVER)
    {
        return ::CoCreateInstance(clsid, nullptr, context, iid, OutVoid());
    }
    // This pointer becomes `source` queried for `iid`; null (and the failure) when the
    // source is null or does not offer it. The source may be what this pointer holds:
    // that reference goes only after the query.
    template <class U>
    HRESULT QueryFrom(U* source, REFIID iid)
    {
        ComPtr queried;
        const HRESULT hr = source ? source->QueryInterface(iid, queried.OutVoid()) : E_POINTER;
        Swap(queried);
        return hr;
    }

private:
    T* m_p = nullptr;
};
