// The second yardstick of the start-up benchmark: the empty window program with what Lumeo's
// first screen cannot do without from the platform and nothing of Lumeo's own. It imports the
// system libraries Lumeo.exe imports at start, carries the same manifest (common controls 6),
// starts OLE and has MSXML read the skin file named by its command line before it shows its
// window, as Lumeo's start-up does.
#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>
#include <msxml2.h>
#include <ole2.h>
#include <oleauto.h>
#include <shellapi.h>
#include <shlwapi.h>
#include <wininet.h>

#include "bench/YardstickWindow.h"
#include "framework/ComPtr.h"

namespace {

// One function of each library, read through volatile so that neither the compiler nor the
// linker drops an import; none is called.
const void* volatile kImported[] = {
    reinterpret_cast<const void*>(&::RegOpenKeyExW),     reinterpret_cast<const void*>(&::InitCommonControlsEx),
    reinterpret_cast<const void*>(&::CreateCompatibleDC), reinterpret_cast<const void*>(&::AlphaBlend),
    reinterpret_cast<const void*>(&::OleRun),              reinterpret_cast<const void*>(&::SysAllocString),
    reinterpret_cast<const void*>(&::Shell_NotifyIconW),  reinterpret_cast<const void*>(&::PathFileExistsW),
    reinterpret_cast<const void*>(&::InternetOpenW),      reinterpret_cast<const void*>(&::WSAStartup)};

// MSXML's DOM document, as the skin reader makes it.
constexpr CLSID kDocumentClass = {0x2933BF90, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

void ReadSkinFile(LPCWSTR path)
{
    ComPtr<IXMLDOMDocument> document;
    if (FAILED(::CoCreateInstance(kDocumentClass, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                                  document.OutVoid())) ||
        !document)
        return;
    document->put_async(VARIANT_FALSE);
    VARIANT file;
    ::VariantInit(&file);
    file.vt = VT_BSTR;
    file.bstrVal = ::SysAllocString(path);
    VARIANT_BOOL loaded = VARIANT_FALSE;
    document->load(file, &loaded);
    ::VariantClear(&file);
    ComPtr<IXMLDOMElement> root;
    document->get_documentElement(root.Out());
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    for (const void* volatile& function : kImported) {
        if (function == nullptr)
            return 2;
    }
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    if (FAILED(::OleInitialize(nullptr)))
        return 1;
    int arguments = 0;
    LPWSTR* const argv = ::CommandLineToArgvW(::GetCommandLineW(), &arguments);
    if (argv && arguments > 1)
        ReadSkinFile(argv[1]);
    ::LocalFree(argv);

    const int result = bench::RunYardstickWindow(L"PlatformWindow", L"Platform");
    ::OleUninitialize();
    return result;
}
