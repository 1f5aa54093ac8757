#include "framework/ComSupport.h"

#include <new>

namespace _com_util {

// ANSI (CP_ACP) text to a new BSTR; null stays null, and so does a failed allocation
// (the callers turn that into E_OUTOFMEMORY).
BSTR WINAPI ConvertStringToBSTR(const char* source)
{
    if (!source)
        return nullptr;
    const int bytes = static_cast<int>(strlen(source));
    if (bytes == 0)
        return ::SysAllocString(L"");
    const int units = ::MultiByteToWideChar(CP_ACP, 0, source, bytes, nullptr, 0);
    if (units <= 0)
        return nullptr;
    BSTR result = ::SysAllocStringLen(nullptr, static_cast<UINT>(units));
    if (!result)
        return nullptr;
    ::MultiByteToWideChar(CP_ACP, 0, source, bytes, result, units);
    return result;
}

// A BSTR to new ANSI (CP_ACP) text allocated with new[] (the caller deletes it with
// delete[]); null stays null. The whole BSTR is converted, embedded zeros included.
char* WINAPI ConvertBSTRToString(BSTR source)
{
    if (!source)
        return nullptr;
    const int units = static_cast<int>(::SysStringLen(source));
    const int bytes =
        units == 0 ? 0 : ::WideCharToMultiByte(CP_ACP, 0, source, units, nullptr, 0, nullptr, nullptr);
    if (units != 0 && bytes <= 0)
        return nullptr;
    char* result = new (std::nothrow) char[static_cast<size_t>(bytes) + 1];
    if (!result)
        return nullptr;
    if (bytes > 0)
        ::WideCharToMultiByte(CP_ACP, 0, source, units, result, bytes, nullptr, nullptr);
    result[bytes] = '\0';
    return result;
}

} // namespace _com_util

// Raises `hr`, with the error information the object left behind when it says it
// supports error information for `iid`.
void WINAPI _com_issue_errorex(HRESULT hr, IUnknown* object, REFIID iid)
{
    IErrorInfo* info = nullptr;
    if (object) {
        ISupportErrorInfo* support = nullptr;
        if (SUCCEEDED(object->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support)))) {
            if (support->InterfaceSupportsErrorInfo(iid) == S_OK && ::GetErrorInfo(0, &info) != S_OK)
                info = nullptr;
            support->Release();
        }
    }
    // The handler takes over the reference to `info` (the _com_error owns it).
    __mingw_com_error_handler(hr, info);
}

// The value for an optional argument left out of an automation call.
_variant_t vtMissing(DISP_E_PARAMNOTFOUND, VT_ERROR);
