// Opening a large skin: OpenSkin against the bare DOM load of the same file, so the cost
// of the reader itself (records, lookups, conversions) shows beside the parser's.
#include "BenchHarness.h"

#include "skin/model/ControlFactory.h"
#include "skin/model/ResourceProperties.h"
#include "skin/model/SkinGlobals.h"
#include "skin/model/SkinLifecycle.h"
#include "skin/model/SkinReader.h"
#include "skin/model/SkinWriter.h"
#include "skin/model/SkinXmlFormat.h"
#include "skin/model/UiWndProperties.h"
#include "skin/model/XmlDom.h"

#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <string>

using namespace Vexel;

namespace {

constexpr int kWindows = 100;
constexpr int kControlsPerWindow = 50;

std::wstring Id(const wchar_t* prefix, int number)
{
    return prefix + std::to_wstring(number);
}

// The store of a large skin: every control kind in turn, every control with its own id,
// rectangle, caption-like tag and resource ids.
void FillStore(int windows)
{
    int controlNumber = 0;
    for (int w = 0; w < windows; ++w) {
        WindowRecordPtr window(new UIWNDPROPERTIES);
        window->GetVar(CtrlVar::ID).SetString(Id(L"IDW_WINDOW_", w).c_str());
        window->GetVar(UiWndVar::Alpha).SetInt(200);
        for (int c = 0; c < kControlsPerWindow; ++c, ++controlNumber) {
            std::unique_ptr<CTRLPROPERTIES> control =
                CreateControlRecord(SkinXml::kControlElements[controlNumber % SkinXml::kControlElementCount]);
            control->GetVar(CtrlVar::ID).SetString(Id(L"IDC_CONTROL_", controlNumber).c_str());
            control->GetVar(CtrlVar::Rect).SetRect(RECT{c, w, c + 80, w + 24});
            control->GetVar(CtrlVar::IsTabStop).SetBool(true);
            control->GetVar(CtrlVar::FontResN).SetString(L"IDR_FONT_1");
            control->GetVar(CtrlVar::ColorResN).SetString(L"IDR_COLOR_1");
            window->Controls().push_back(control.release());
        }
        g_skinStore.windows.push_back(std::move(window));
    }
    auto font = std::make_unique<RESFONTPROPERTIES>();
    font->GetVar(CtrlVar::ID).SetString(L"IDR_FONT_1");
    g_skinStore.fonts.push_back(std::move(font));
    auto color = std::make_unique<RESCOLORPROPERTIES>();
    color->GetVar(CtrlVar::ID).SetString(L"IDR_COLOR_1");
    g_skinStore.colors.push_back(std::move(color));
}

} // namespace

int main()
{
    if (FAILED(OleInitialize(nullptr))) {
        std::printf("OLE could not be initialised\n");
        return 1;
    }
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"lumeo-bench-skin-open-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring path = folder + L"\\big.xui";
    const std::wstring header = folder + L"\\Resource.h";

    // The writer at half and at full size: twice the skin should take about twice the time.
    bool saved = true;
    bench::Result save[2] = {};
    for (int half = 1; half >= 0; --half) {
        const int windows = half ? kWindows / 2 : kWindows;
        FillStore(windows);
        g_skinStore.uiFilePath = path.c_str();
        g_skinStore.resourceHPath = header.c_str();
        const std::string name = "SaveUIFile of " + std::to_string(windows) + " windows";
        save[half] = bench::Measure(name.c_str(), 1, 1, [&] { saved = saved && SaveUIFile() == 0; });
        ReleaseSkin();
    }
    if (!saved) {
        std::printf("the skin could not be written\n");
        return 1;
    }
    std::printf("ratio SaveUIFile full / half size: %.1f\n", save[0].minSeconds / save[1].minSeconds);

    WIN32_FILE_ATTRIBUTE_DATA attributes = {};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes);
    std::printf("skin of %d windows x %d controls: %lu bytes\n", kWindows, kControlsPerWindow,
                static_cast<unsigned long>(attributes.nFileSizeLow));

    const int runs = 5;
    const bench::Result bare = bench::Measure("bare DOM load of the skin file", runs, 1, [&] {
        ComPtr<IXMLDOMDocument> document = XmlDom::CreateDocument();
        document->put_async(VARIANT_FALSE);
        VARIANT_BOOL loaded = VARIANT_FALSE;
        VARIANT source;
        VariantInit(&source);
        source.vt = VT_BSTR;
        source.bstrVal = SysAllocString(path.c_str());
        document->load(source, &loaded);
        VariantClear(&source);
        ComPtr<IXMLDOMElement> root;
        document->get_documentElement(root.Out());
        if (!loaded || !root)
            std::printf("the DOM did not load the file\n");
    });
    int result = 0;
    size_t controls = 0;
    const bench::Result open = bench::Measure("OpenSkin of the skin file", runs, 1, [&] {
        ReleaseSkin();
        result = OpenSkin(path.c_str(), 1);
        controls = 0;
        for (const auto& window : g_skinStore.windows)
            controls += window->Controls().size();
    });
    std::printf("OpenSkin result %d, %u windows, %u controls\n", result,
                static_cast<unsigned>(g_skinStore.windows.size()), static_cast<unsigned>(controls));
    std::printf("ratio OpenSkin / bare load: min %.1f, median %.1f\n", open.minSeconds / bare.minSeconds,
                open.medianSeconds / bare.medianSeconds);

    ReleaseSkin();
    DeleteFileW(path.c_str());
    DeleteFileW(header.c_str());
    RemoveDirectoryW(folder.c_str());
    return result == 0 ? 0 : 1;
}
