#include "ostrel/Automation.h"

namespace ostrel {

HRESULT Invoke(IDispatch* object, const wchar_t* name, const VARIANT* argument, ScopedVariant& result)
{
    VariantClear(&result.v);
    if (!object)
        return E_POINTER;
    DISPID member = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &member);
    if (FAILED(hr))
        return hr;
    // Invoke takes its arguments by non-const pointer; it does not change them.
    DISPPARAMS parameters = {const_cast<VARIANT*>(argument), nullptr, argument ? 1u : 0u, 0};
    // Outlook's getters and methods both answer to either flag; asking with both spares the
    // caller from knowing which kind of member it calls.
    hr = object->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                        &parameters, &result.v, nullptr, nullptr);
    return hr;
}

HRESULT InvokeForObject(IDispatch* object, const wchar_t* name, const VARIANT* argument,
                        ComPtr<IDispatch>& result)
{
    result = nullptr;
    ScopedVariant answer;
    const HRESULT hr = Invoke(object, name, argument, answer);
    if (FAILED(hr))
        return hr;
    switch (answer.v.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return S_OK;
    case VT_DISPATCH:
        result = ComPtr<IDispatch>(answer.v.pdispVal);
        return S_OK;
    case VT_UNKNOWN:
        if (!answer.v.punkVal)
            return S_OK;
        return result.QueryFrom(answer.v.punkVal, IID_IDispatch);
    default:
        return DISP_E_TYPEMISMATCH;
    }
}

HRESULT GetInteger(IDispatch* object, const wchar_t* name, long& result)
{
    result = 0;
    ScopedVariant answer;
    HRESULT hr = Invoke(object, name, nullptr, answer);
    if (SUCCEEDED(hr))
        hr = VariantChangeType(&answer.v, &answer.v, 0, VT_I4);
    if (SUCCEEDED(hr))
        result = answer.v.lVal;
    return hr;
}

} // namespace ostrel
