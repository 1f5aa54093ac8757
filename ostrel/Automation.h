#pragma once
// Late-bound calls into an automation object through IDispatch, by member name. Every
// result is an HRESULT; nothing throws. Whatever a call hands back is owned by the caller's
// ScopedVariant or ComPtr, so it is freed exactly once.
#include "framework/ComPtr.h"
#include "framework/ScopedVariant.h"

#include <oaidl.h>

namespace ostrel {

// Reads property `name`, or calls method `name` with at most one argument (`argument`
// null for none), into `result` (cleared first).
HRESULT Invoke(IDispatch* object, const wchar_t* name, const VARIANT* argument, ScopedVariant& result);

// The call's result as an object. S_OK with a null `result` when the call answered nothing
// (an enumeration's end); DISP_E_TYPEMISMATCH when it answered something else.
HRESULT InvokeForObject(IDispatch* object, const wchar_t* name, const VARIANT* argument,
                        ComPtr<IDispatch>& result);

// The property as a 32-bit integer.
HRESULT GetInteger(IDispatch* object, const wchar_t* name, long& result);

} // namespace ostrel
