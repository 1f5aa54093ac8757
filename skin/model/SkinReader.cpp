#include "skin/model/SkinReader.h"

#include "framework/Prompt.h"
#include "framework/WinApp.h"
#include "skin/model/ComCheck.h"
#include "skin/model/ControlFactory.h"
#include "skin/model/FileHelpers.h"
#include "skin/model/LegacySkinImport.h"
#include "skin/model/ReadProperties.h"
#include "skin/model/ResourceH.h"
#include "skin/model/SkinGlobals.h"
#include "skin/model/SkinLifecycle.h"
#include "skin/model/SkinWriter.h"
#include "skin/model/SkinXmlFormat.h"
#include "skin/model/XmlDeclaration.h"
#include "skin/model/XmlDom.h"
#include "skin/model/XmlRead.h"

#include <shlwapi.h>

namespace Vexel {

namespace {

constexpr wchar_t kNewerSkinText[] =
    L"The selected file is a Vexel skin file, but was created by a newer version of this application and "
    L"cannot be opened.";
constexpr wchar_t kConvertSkinFormat[] =
    L"The project\r\n\r\n'%ls'\r\n\r\nmust be converted to the current project format. After it has been "
    L"converted,\r\nyou will not be able to edit this project in previous versions of Korvath.\r\nConvert and "
    L"open this project?";
constexpr wchar_t kNoWindowsFormat[] =
    L"The file\r\n\r\n'%ls'\r\n\r\nholds no skin windows and was not converted.";
constexpr wchar_t kUnreadableFormat[] = L"The file\r\n\r\n'%ls'\r\n\r\ncould not be read and was not converted.";
constexpr wchar_t kLegacyExtension[] = L".ui";
constexpr wchar_t kSkinExtension[] = L".xui";
constexpr wchar_t kResourceHName[] = L"Resource.h";

void ShowNewerSkinMessage()
{
    AfxMessageBox(kNewerSkinText, MB_OK);
}

void ShowNotConvertedMessage(LPCWSTR format, LPCWSTR path)
{
    CString text;
    text.Format(format, path);
    AfxMessageBox(text, MB_OK);
}

// The version gate: 0 lets the load go on, anything else is the result.
int CheckVersion(int version)
{
    const int major = version / 100;
    const int minor = version % 100;
    g_skinStore.versionMajor = major;
    g_skinStore.versionMinor = minor;
    if (major != CURRENT_SKIN_MAJOR) {
        if (major > CURRENT_SKIN_MAJOR)
            ShowNewerSkinMessage();
        return kSkinVersionRefused;
    }
    const int build = g_skinStore.versionBuild;
    if (minor > CURRENT_SKIN_MINOR || (minor == CURRENT_SKIN_MINOR && build > CURRENT_SKIN_BUILD)) {
        ShowNewerSkinMessage();
        return kSkinVersionRefused;
    }
    if (minor == CURRENT_SKIN_MINOR && build == CURRENT_SKIN_BUILD)
        return 0;
    // An older file: read on as the current version once the user agrees. The file on
    // disk stays as it is.
    if (ConfirmSkinConversion() != 0)
        return kSkinConversionDeclined;
    g_skinStore.versionMajor = CURRENT_SKIN_MAJOR;
    g_skinStore.versionMinor = CURRENT_SKIN_MINOR;
    g_skinStore.versionBuild = CURRENT_SKIN_BUILD;
    return 0;
}

// A file that could not be read whole leaves nothing behind.
void DiscardLoadedRecords()
{
    g_skinStore.windows.clear();
    g_skinStore.fonts.clear();
    g_skinStore.colors.clear();
    for (auto& list : g_skinStore.styles)
        list.clear();
}

int LoadSkinDocument()
{
    // Some declarations crash the parser itself: those never reach it.
    if (!XmlFileHeadIsSafe(g_skinStore.uiFilePath))
        return kSkinFileNotParsed;
    ComPtr<IXMLDOMDocument> document = XmlDom::CreateDocument();
    if (!document)
        _com_issue_error(E_POINTER);
    CheckHr(document->put_async(VARIANT_FALSE));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    CheckHr(document->load(_variant_t(static_cast<LPCWSTR>(g_skinStore.uiFilePath)), &loaded));

    ComPtr<IXMLDOMElement> root;
    CheckHr(document->get_documentElement(root.Out()));
    if (!root)
        return kSkinFileNotParsed;

    CString openProgram;
    ReadConfiguration(root.Get(), openProgram);

    int version = 0;
    if (ReadVersion(root.Get(), version, g_skinStore.versionBuild) != 0)
        return kSkinNoVersion;
    if (const int refused = CheckVersion(version))
        return refused;

    ReadDpi(root.Get(), DesignDpi.LogPixelsX, DesignDpi.LogPixelsY);

    ComPtr<IXMLDOMElement> windows = XmlRead::SelectChildElement(root.Get(), SkinXml::kWindows);
    if (!windows)
        return kSkinNoWindows;
    ReadWindows(windows.Get(), &g_skinStore.windows);

    if (ComPtr<IXMLDOMElement> resources = XmlRead::SelectChildElement(root.Get(), SkinXml::kResources))
        ReadResources(resources.Get(), &g_skinStore.fonts, &g_skinStore.colors);
    if (ComPtr<IXMLDOMElement> styles = XmlRead::SelectChildElement(root.Get(), SkinXml::kStyles))
        ReadStyles(styles.Get());
    return kSkinOpened;
}

// ConvertingSkin is set only while the converted skin is saved.
class ConvertingSkinScope {
public:
    ConvertingSkinScope() { ConvertingSkin = 1; }
    ~ConvertingSkinScope() { ConvertingSkin = 0; }
    ConvertingSkinScope(const ConvertingSkinScope&) = delete;
    ConvertingSkinScope& operator=(const ConvertingSkinScope&) = delete;
};

void DiscardStagedRecords()
{
    g_legacyImport.stagedWindows.clear();
    g_legacyImport.stagedFonts.clear();
    g_legacyImport.stagedColors.clear();
}

// The converted skin as written, read back before it may replace anything: it parses, it
// carries the current version and it holds every window of the store.
bool ConvertedSkinReadsBack(LPCWSTR path)
{
    if (!XmlFileHeadIsSafe(path))
        return false;
    try {
        ComPtr<IXMLDOMDocument> document = XmlDom::CreateDocument();
        if (!document)
            return false;
        CheckHr(document->put_async(VARIANT_FALSE));
        VARIANT_BOOL loaded = VARIANT_FALSE;
        CheckHr(document->load(_variant_t(path), &loaded));
        ComPtr<IXMLDOMElement> root;
        CheckHr(document->get_documentElement(root.Out()));
        int version = 0;
        int build = 0;
        if (!root || ReadVersion(root.Get(), version, build) != 0 ||
            version != CURRENT_SKIN_MAJOR * 100 + CURRENT_SKIN_MINOR || build != CURRENT_SKIN_BUILD)
            return false;
        ComPtr<IXMLDOMElement> windows = XmlRead::SelectChildElement(root.Get(), SkinXml::kWindows);
        if (!windows)
            return false;
        size_t count = 0;
        for (ComPtr<IXMLDOMNode> child = XmlDom::FirstChild(windows.Get()); child; child = XmlDom::NextSibling(child.Get()))
            ++count;
        return count == g_skinStore.windows.size();
    } catch (const _com_error&) {
        return false;
    }
}

int SaveConvertedSkin()
{
    const ConvertingSkinScope converting;
    try {
        return SaveUIFile(&ConvertedSkinReadsBack);
    } catch (const _com_error&) {
        return -1;
    }
}

// Every child of the group is a resource of it, whatever its name.
template <class Record>
void ReadResourceGroup(IXMLDOMElement* resources, LPCWSTR groupName, std::vector<std::unique_ptr<Record>>& list)
{
    ComPtr<IXMLDOMElement> group = XmlRead::SelectChildElement(resources, groupName);
    if (!group)
        return;
    for (ComPtr<IXMLDOMNode> child = XmlDom::FirstChild(group.Get()); child; child = XmlDom::NextSibling(child.Get())) {
        auto record = std::make_unique<Record>();
        ReadProperties(record.get(), XmlDom::AsElement(child.Get()).Get());
        list.push_back(std::move(record));
    }
}

} // namespace

int OpenSkin(LPCWSTR path, int /*flag*/)
{
    // OLE stays initialised on the thread whatever the result.
    if (!AfxOleInit())
        return kSkinOleFailed;

    g_skinStore.uiFilePath = ResolveSkinPath(path);
    if (!PathFileExistsW(g_skinStore.uiFilePath)) {
        g_skinStore.uiFilePath.Empty();
        return kSkinFileMissing;
    }
    g_skinStore.resourceHPath = g_skinStore.GetSkinFolder() + kResourceHName;

    if (const int result = LoadUIFile())
        return result;
    if (g_skinStore.versionMajor < CURRENT_SKIN_MAJOR ||
        (g_skinStore.versionMajor == CURRENT_SKIN_MAJOR && g_skinStore.versionMinor < CURRENT_SKIN_MINOR))
        return kSkinVersionTooOld;

    MenuTrackInfo = MenuTrackRecord{};
    return kSkinOpened;
}

int LoadUIFile()
{
    try {
        ReadResourceH(g_skinStore);
        if (GetFileExtension(g_skinStore.uiFilePath, TRUE).CompareNoCase(kLegacyExtension) == 0)
            return ConvertLegacySkin();
        return LoadSkinDocument();
    } catch (const _com_error&) {
        DiscardLoadedRecords();
        return kSkinFileNotParsed;
    }
}

CString GetSkinFolder()
{
    return g_skinStore.GetSkinFolder();
}

CString GetUIFilePath()
{
    return g_skinStore.uiFilePath;
}

CString GetResourceHeaderPath()
{
    return g_skinStore.resourceHPath;
}

int ConfirmSkinConversion()
{
    CString text;
    text.Format(kConvertSkinFormat, static_cast<LPCWSTR>(g_skinStore.uiFilePath));
    return AfxMessageBox(text, MB_YESNO) == IDYES ? 0 : -1;
}

int ConvertLegacySkin()
{
    if (ConfirmSkinConversion() != 0)
        return kSkinNoVersion;
    // A file that gives no window is no skin (an empty file, plain text, random bytes): it is
    // refused as the XML reader refuses a skin without windows, and nothing is written.
    if (ImportLegacySkin(g_skinStore.uiFilePath) != kLegacyImportOk) {
        DiscardStagedRecords();
        ShowNotConvertedMessage(kUnreadableFormat, g_skinStore.uiFilePath);
        return kSkinFileNotParsed;
    }
    if (g_legacyImport.stagedWindows.empty()) {
        DiscardStagedRecords();
        ShowNotConvertedMessage(kNoWindowsFormat, g_skinStore.uiFilePath);
        return kSkinNoWindows;
    }
    DesignDpi.LogPixelsX = g_legacyImport.designDpiX;
    DesignDpi.LogPixelsY = g_legacyImport.designDpiY;
    g_skinStore.versionMajor = CURRENT_SKIN_MAJOR;
    g_skinStore.versionMinor = CURRENT_SKIN_MINOR;
    g_skinStore.versionBuild = CURRENT_SKIN_BUILD;
    AdoptStagedWindows();
    AdoptStagedFonts();
    AdoptStagedColors();

    CString folder;
    GetFileFolder(g_skinStore.uiFilePath, folder);
    const CString skinPath = folder + GetSkinFileTitle() + kSkinExtension;
    g_skinStore.uiFilePath = skinPath;

    const bool existed = PathFileExistsW(skinPath) != FALSE;
    if (CheckFileWritable(skinPath) != 0)
        return kSkinLegacyNotWritable;
    if (SaveConvertedSkin() != 0) {
        // Nothing replaced it: the empty file made for the check goes again; a file that
        // was there before is left as the writer left it, untouched.
        if (!existed)
            DeleteFileW(skinPath);
        return kSkinLegacyNotWritable;
    }
    return kSkinOpened;
}

int ReadConfiguration(IXMLDOMElement* root, CString& openProgram)
{
    ComPtr<IXMLDOMElement> configuration = XmlRead::SelectChildElement(root, SkinXml::kConfiguration);
    if (!configuration)
        return -1;
    _variant_t value;
    XmlRead::GetAttribute(configuration.Get(), SkinXml::kOpenProgram, value);
    openProgram = XmlRead::AttributeText(value);
    return 0;
}

int ReadVersion(IXMLDOMElement* root, int& version, int& build)
{
    ComPtr<IXMLDOMElement> element = XmlRead::SelectChildElement(root, SkinXml::kVersion);
    if (!element)
        return -1;
    _variant_t value;
    if (XmlRead::GetAttribute(element.Get(), SkinXml::kVersion, value))
        version = XmlRead::AttributeToInt(value);
    if (XmlRead::GetAttribute(element.Get(), SkinXml::kBuild, value))
        build = XmlRead::AttributeToInt(value);
    // The change list is carried by the file but means nothing to the reader.
    XmlRead::GetAttribute(element.Get(), SkinXml::kChangeList, value);
    return 0;
}

int ReadDpi(IXMLDOMElement* root, int& x, int& y)
{
    ComPtr<IXMLDOMElement> element = XmlRead::SelectChildElement(root, SkinXml::kDpi);
    if (!element)
        return -1;
    _variant_t value;
    XmlRead::GetAttribute(element.Get(), SkinXml::kLogPixelsX, value);
    const int readX = XmlRead::AttributeToInt(value);
    XmlRead::GetAttribute(element.Get(), SkinXml::kLogPixelsY, value);
    const int readY = XmlRead::AttributeToInt(value);
    x = readX;
    y = readY;
    return 0;
}

int ReadWindows(IXMLDOMElement* windowsElement, std::vector<WindowRecordPtr>* windows)
{
    if (!windowsElement || !windows)
        return -1;
    // Every child is a window, whatever its name; one that is no element (a comment)
    // gives a window at its defaults.
    for (ComPtr<IXMLDOMNode> child = XmlDom::FirstChild(windowsElement); child;
         child = XmlDom::NextSibling(child.Get())) {
        WindowRecordPtr window(new UIWNDPROPERTIES);
        ReadWindow(XmlDom::AsElement(child.Get()).Get(), window.get());
        windows->push_back(std::move(window));
    }
    return 0;
}

int ReadWindow(IXMLDOMElement* element, UIWNDPROPERTIES* window)
{
    if (!element || !window)
        return -1;
    ReadControlProperties(window, element);
    if (ComPtr<IXMLDOMElement> controls = XmlRead::SelectChildElement(element, SkinXml::kControls))
        ReadControls(controls.Get(), window);
    return 0;
}

int ReadControls(IXMLDOMElement* controlsElement, UIWNDPROPERTIES* window)
{
    if (!controlsElement || !window)
        return -1;
    for (ComPtr<IXMLDOMNode> child = XmlDom::FirstChild(controlsElement); child;
         child = XmlDom::NextSibling(child.Get()))
        ReadControl(XmlDom::AsElement(child.Get()).Get(), window);
    return 0;
}

int ReadControl(IXMLDOMElement* element, UIWNDPROPERTIES* window)
{
    if (!element || !window)
        return -1;
    std::unique_ptr<CTRLPROPERTIES> control = CreateControlRecord(XmlDom::NodeName(element));
    if (!control)
        return 0;
    ReadControlProperties(control.get(), element);
    window->Controls().push_back(control.get());
    control.release();
    return 0;
}

int ReadResources(IXMLDOMElement* resourcesElement, std::vector<FontRecordPtr>* fonts,
                  std::vector<ColorRecordPtr>* colors)
{
    if (!resourcesElement || !fonts || !colors)
        return -1;
    ReadResourceGroup(resourcesElement, SkinXml::kFonts, *fonts);
    ReadResourceGroup(resourcesElement, SkinXml::kColors, *colors);
    return 0;
}

int ReadStyles(IXMLDOMElement* stylesElement)
{
    if (!stylesElement)
        return -1;
    for (int kind = 0; kind < kStyleKindCount; ++kind) {
        ComPtr<IXMLDOMElement> group = XmlRead::SelectChildElement(stylesElement, SkinXml::StyleGroupElement(kind));
        if (!group)
            continue;
        const StyleKind styleKind = static_cast<StyleKind>(kind);
        for (ComPtr<IXMLDOMNode> child = XmlDom::FirstChild(group.Get()); child; child = XmlDom::NextSibling(child.Get())) {
            std::unique_ptr<CTRLPROPERTIES> style = CreateStyleRecord(styleKind);
            // A style's type name is its element's name ("STYLE_MENU").
            style->GetVar(CtrlVar::Type).SetString(XmlDom::NodeName(child.Get()));
            ReadProperties(style.get(), XmlDom::AsElement(child.Get()).Get());
            if (g_skinStore.AddStyle(styleKind, style.get()) >= 0)
                style.release();
        }
    }
    return 0;
}

} // namespace Vexel
