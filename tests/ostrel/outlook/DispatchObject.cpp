#include "DispatchObject.h"

#include <cwchar>

namespace standin {
namespace {

LONG g_liveObjects = 0;

// Arguments arrive last first.
const VARIANT* ArgumentAt(const DISPPARAMS& parameters, UINT index)
{
    if (index >= parameters.cArgs)
        return nullptr;
    return &parameters.rgvarg[parameters.cArgs - 1 - index];
}

} // namespace

DispatchObject::DispatchObject(const Member* members, std::size_t count, const IID& own)
    : m_members(members), m_count(count), m_own(own)
{
    InterlockedIncrement(&g_liveObjects);
}

DispatchObject::~DispatchObject()
{
    InterlockedDecrement(&g_liveObjects);
}

int DispatchObject::LiveObjects()
{
    return static_cast<int>(g_liveObjects);
}

HRESULT DispatchObject::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, m_own)) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG DispatchObject::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_references));
}

ULONG DispatchObject::Release()
{
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT DispatchObject::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

HRESULT DispatchObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (!names || !ids || count == 0)
        return E_INVALIDARG;
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    for (std::size_t m = 0; m < m_count; ++m) {
        if (_wcsicmp(names[0], m_members[m].name) == 0)
            ids[0] = m_members[m].id;
    }
    // Named arguments are not offered.
    if (ids[0] == DISPID_UNKNOWN || count > 1)
        hr = DISP_E_UNKNOWNNAME;
    return hr;
}

HRESULT DispatchObject::Invoke(DISPID member, REFIID iid, LCID, WORD flags, DISPPARAMS* parameters,
                               VARIANT* result, EXCEPINFO*, UINT*)
{
    if (!IsEqualIID(iid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    if (!(flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)))
        return DISP_E_MEMBERNOTFOUND;
    bool known = false;
    for (std::size_t m = 0; m < m_count; ++m)
        known = known || m_members[m].id == member;
    if (!known)
        return DISP_E_MEMBERNOTFOUND;
    const DISPPARAMS none = {nullptr, nullptr, 0, 0};
    VARIANT answer;
    VariantInit(&answer);
    const HRESULT hr = Call(member, parameters ? *parameters : none, answer);
    if (SUCCEEDED(hr) && result)
        *result = answer;
    else
        VariantClear(&answer);
    return hr;
}

HRESULT ArgumentAsLong(const DISPPARAMS& parameters, UINT index, long& value)
{
    const VARIANT* argument = ArgumentAt(parameters, index);
    if (!argument)
        return DISP_E_BADPARAMCOUNT;
    VARIANT converted;
    VariantInit(&converted);
    const HRESULT hr = VariantChangeType(&converted, const_cast<VARIANT*>(argument), 0, VT_I4);
    if (FAILED(hr))
        return DISP_E_TYPEMISMATCH;
    value = converted.lVal;
    return S_OK;
}

HRESULT ArgumentAsText(const DISPPARAMS& parameters, UINT index, BSTR& text)
{
    text = nullptr;
    const VARIANT* argument = ArgumentAt(parameters, index);
    if (!argument)
        return DISP_E_BADPARAMCOUNT;
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(argument), 0, VT_BSTR)))
        return DISP_E_TYPEMISMATCH;
    text = converted.bstrVal;
    return S_OK;
}

void ReturnObject(DispatchObject* object, VARIANT& result)
{
    result.vt = VT_DISPATCH;
    result.pdispVal = object;
}

} // namespace standin
