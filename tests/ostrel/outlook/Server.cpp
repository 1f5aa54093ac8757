// The in-process server's entry points: the class factory for Outlook.Application, the
// per-user registration and the test controls.
#include "OutlookStandIn.h"

#include "ObjectModel.h"

#include <objbase.h>

#include <string>

namespace {

const CLSID kOutlookApplication = {0x0006F03A, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr const wchar_t* kClassKey = L"CLSID\\{0006F03A-0000-0000-C000-000000000046}";
constexpr const wchar_t* kProgIdKey = L"Outlook.Application";
constexpr const wchar_t* kClassIdText = L"{0006F03A-0000-0000-C000-000000000046}";

HMODULE g_module = nullptr;
LONG g_locks = 0;

// The one class factory; it lives as long as the DLL, so its references are not counted.
class Factory : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        standin::DispatchObject* application = standin::NewApplication();
        if (!application)
            return E_OUTOFMEMORY;
        const HRESULT hr = application->QueryInterface(iid, object);
        application->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override
    {
        if (lock)
            InterlockedIncrement(&g_locks);
        else
            InterlockedDecrement(&g_locks);
        return S_OK;
    }
};

Factory g_factory;

LSTATUS SetText(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value)
{
    return RegSetKeyValueW(root, key.c_str(), name, REG_SZ, value.c_str(),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllGetClassObject(REFCLSID clsid, REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(clsid, kOutlookApplication))
        return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(iid, object);
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllCanUnloadNow()
{
    return standin::DispatchObject::LiveObjects() == 0 && g_locks == 0 ? S_OK : S_FALSE;
}

extern "C" {

HRESULT __cdecl OutlookStandIn_Register()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(g_module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return E_FAIL;
    const std::wstring server = std::wstring(kClassKey) + L"\\InprocServer32";
    LSTATUS status = SetText(HKEY_CLASSES_ROOT, server, nullptr, path);
    if (status == ERROR_SUCCESS)
        status = SetText(HKEY_CLASSES_ROOT, server, L"ThreadingModel", L"Apartment");
    if (status == ERROR_SUCCESS)
        status = SetText(HKEY_CLASSES_ROOT, std::wstring(kClassKey) + L"\\ProgID", nullptr, L"Outlook.Application");
    if (status == ERROR_SUCCESS)
        status = SetText(HKEY_CLASSES_ROOT, std::wstring(kProgIdKey) + L"\\CLSID", nullptr, kClassIdText);
    if (status != ERROR_SUCCESS) {
        OutlookStandIn_Unregister();
        return HRESULT_FROM_WIN32(status);
    }
    return S_OK;
}

HRESULT __cdecl OutlookStandIn_Unregister()
{
    LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, kClassKey);
    const LSTATUS progId = RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgIdKey);
    if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND)
        status = progId;
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : HRESULT_FROM_WIN32(status);
}

int __cdecl OutlookStandIn_LiveObjects()
{
    return standin::DispatchObject::LiveObjects();
}

int __cdecl OutlookStandIn_ReadCount(const wchar_t* name)
{
    return standin::ReadCount(name);
}

void __cdecl OutlookStandIn_ResetCounts()
{
    standin::ResetReadCounts();
}

} // extern "C"
