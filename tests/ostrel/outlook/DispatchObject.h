#pragma once
// DispatchObject: the IUnknown and IDispatch of every object of the stand-in's object model.
// A derived object names its members in a table and answers calls in Call; each one alive
// counts in OutlookStandIn_LiveObjects.
#include <oaidl.h>

#include <cstddef>

namespace standin {

struct Member {
    const wchar_t* name;   // matched ignoring case, as automation names are
    DISPID id;
};

class DispatchObject : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override;

    static int LiveObjects();

protected:
    // `own` is the object's interface id in Outlook's type library; QueryInterface offers it
    // as this IDispatch too. The object starts with one reference, the creator's.
    DispatchObject(const Member* members, std::size_t count, const IID& own);
    virtual ~DispatchObject();
    DispatchObject(const DispatchObject&) = delete;
    DispatchObject& operator=(const DispatchObject&) = delete;

    // Answers member `id` (one of the table's) with `parameters` into `result`, which is
    // empty on entry.
    virtual HRESULT Call(DISPID id, const DISPPARAMS& parameters, VARIANT& result) = 0;

private:
    const Member* m_members;
    std::size_t m_count;
    const IID& m_own;
    LONG m_references = 1;
};

// The argument at `index` (0 = first) as a number or a text; DISP_E_BADPARAMCOUNT when it is
// missing, DISP_E_TYPEMISMATCH when it does not convert.
HRESULT ArgumentAsLong(const DISPPARAMS& parameters, UINT index, long& value);
HRESULT ArgumentAsText(const DISPPARAMS& parameters, UINT index, BSTR& text);   // caller frees

// Hands `object` (holding its one creator's reference) to the caller as the call's result.
void ReturnObject(DispatchObject* object, VARIANT& result);

} // namespace standin
