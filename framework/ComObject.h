#pragma once
// ComObject<I...>: the reference count and IUnknown of a COM object the framework itself
// implements (drop targets, data objects, browser sites). A class derives from it with the
// interfaces it offers and implements their methods; QueryInterface answers IUnknown and
// each listed interface, and a class whose interfaces have bases of their own (IOleWindow
// under IOleInPlaceSite) names those in FindInterface. The object deletes itself when its
// last reference goes, so it is made only through Make, which hands out the first one.
#include "framework/ComPtr.h"

#include <windows.h>
#include <objbase.h>

#include <atomic>
#include <new>
#include <utility>

template <class First, class... Rest>
class ComObject : public First, public Rest... {
public:
    // A new object holding its first reference; null when the allocation fails.
    template <class T, class... Args>
    static ComPtr<T> Make(Args&&... args)
    {
        return ComPtr<T>(new (std::nothrow) T(std::forward<Args>(args)...), false);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = IsEqualIID(iid, IID_IUnknown) ? static_cast<IUnknown*>(static_cast<First*>(this))
                                             : FindInterface(iid);
        if (!*out)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --m_refs;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    ComObject() = default;
    virtual ~ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    // The listed interface that `iid` names, or null; no reference is added here.
    virtual void* FindInterface(REFIID iid)
    {
        void* found = Match<First>(iid);
        ((found = found ? found : Match<Rest>(iid)), ...);
        return found;
    }

private:
    template <class I>
    void* Match(REFIID iid)
    {
        return IsEqualIID(iid, __uuidof(I)) ? static_cast<I*>(this) : nullptr;
    }

    std::atomic<ULONG> m_refs{1};
};
