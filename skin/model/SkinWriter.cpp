#include "skin/model/SkinWriter.h"

#include "framework/WndDC.h"
#include "skin/model/ComCheck.h"
#include "skin/model/ResourceH.h"
#include "skin/model/SkinGlobals.h"
#include "skin/model/SkinXmlFormat.h"
#include "skin/model/Utf8File.h"
#include "skin/model/XmlDom.h"
#include "skin/model/XmlRead.h"
#include "skin/model/XmlSerializer.h"

namespace Vexel {

namespace {

using XmlDom::AppendChild;
using XmlDom::CreateElement;
using XmlDom::SetAttribute;

CString Decimal(long number)
{
    CString text;
    text.Format(L"%ld", number);
    return text;
}

// A new element appended to `parent`.
ComPtr<IXMLDOMElement> AppendElement(IXMLDOMDocument* document, IXMLDOMNode* parent, LPCWSTR name)
{
    ComPtr<IXMLDOMElement> element = CreateElement(document, name);
    AppendChild(parent, element.Get());
    return element;
}

// An element named by the record's type name, appended to `parent` and filled.
void WriteRecord(IXMLDOMDocument* document, IXMLDOMElement* parent, const CTRLPROPERTIES& record)
{
    const CString name = record.GetVar(CtrlVar::Type).GetString();
    ComPtr<IXMLDOMElement> element = AppendElement(document, parent, name);
    WriteProperties(record, document, element.Get());
}

void WriteConfiguration(IXMLDOMDocument* document, IXMLDOMElement* root)
{
    ComPtr<IXMLDOMElement> element = CreateElement(document, SkinXml::kConfiguration);
    SetAttribute(element.Get(), SkinXml::kOpenProgram, SkinXml::kOpenProgramValue);
    AppendChild(root, element.Get());
}

void WriteVersion(IXMLDOMDocument* document, IXMLDOMElement* root)
{
    ComPtr<IXMLDOMElement> element = CreateElement(document, SkinXml::kVersion);
    SetAttribute(element.Get(), SkinXml::kVersion, SkinXml::FormatVersion(CURRENT_SKIN_MAJOR, CURRENT_SKIN_MINOR));
    SetAttribute(element.Get(), SkinXml::kBuild, Decimal(CURRENT_SKIN_BUILD));
    SetAttribute(element.Get(), SkinXml::kChangeList, Decimal(CURRENT_SKIN_CHANGELIST));
    AppendChild(root, element.Get());
}

void WriteDpi(IXMLDOMDocument* document, IXMLDOMElement* root, int dpiX, int dpiY)
{
    ComPtr<IXMLDOMElement> element = CreateElement(document, SkinXml::kDpi);
    SetAttribute(element.Get(), SkinXml::kLogPixelsX, Decimal(dpiX));
    SetAttribute(element.Get(), SkinXml::kLogPixelsY, Decimal(dpiY));
    AppendChild(root, element.Get());
}

ComPtr<IXMLDOMElement> WriteWindow(IXMLDOMDocument* document, IXMLDOMElement* windows,
                                   const UIWNDPROPERTIES& window)
{
    ComPtr<IXMLDOMElement> element = CreateElement(document, SkinXml::kWindow);
    WriteProperties(window, document, element.Get());
    AppendChild(windows, element.Get());
    // Always present, also for a window without controls.
    ComPtr<IXMLDOMElement> controls = AppendElement(document, element.Get(), SkinXml::kControls);
    for (const CTRLPROPERTIES* control : window.Controls()) {
        if (control)
            WriteRecord(document, controls.Get(), *control);
    }
    return element;
}

void WriteWindows(IXMLDOMDocument* document, IXMLDOMElement* root, const std::vector<WindowRecordPtr>& windows)
{
    ComPtr<IXMLDOMElement> element = AppendElement(document, root, SkinXml::kWindows);
    for (const WindowRecordPtr& window : windows)
        WriteWindow(document, element.Get(), *window);
}

template <class RecordList>
void WriteRecordList(IXMLDOMDocument* document, IXMLDOMElement* group, const RecordList& records)
{
    for (const auto& record : records)
        WriteRecord(document, group, *record);
}

void WriteResources(IXMLDOMDocument* document, IXMLDOMElement* root, const std::vector<FontRecordPtr>& fonts,
                    const std::vector<ColorRecordPtr>& colors)
{
    ComPtr<IXMLDOMElement> resources = AppendElement(document, root, SkinXml::kResources);
    ComPtr<IXMLDOMElement> fontGroup = AppendElement(document, resources.Get(), SkinXml::kFonts);
    WriteRecordList(document, fontGroup.Get(), fonts);
    ComPtr<IXMLDOMElement> colorGroup = AppendElement(document, resources.Get(), SkinXml::kColors);
    WriteRecordList(document, colorGroup.Get(), colors);
}

void WriteStyles(IXMLDOMDocument* document, IXMLDOMElement* root, const SkinStore& store)
{
    ComPtr<IXMLDOMElement> styles = AppendElement(document, root, SkinXml::kStyles);
    for (int kind = 0; kind < kStyleKindCount; ++kind) {
        ComPtr<IXMLDOMElement> group = AppendElement(document, styles.Get(), SkinXml::StyleGroupElement(kind));
        WriteRecordList(document, group.Get(), store.styles[static_cast<std::size_t>(kind)]);
    }
}

// The element a variable writes into: its first child of that name, or a new one.
ComPtr<IXMLDOMElement> PropertyElement(IXMLDOMDocument* document, IXMLDOMElement* parent, LPCWSTR name)
{
    ComPtr<IXMLDOMElement> element = XmlDom::AsElement(FindChildElement(parent, name).Get());
    return element ? element : CreateElement(document, name);
}

void SetFontAttributes(IXMLDOMElement* element, const LOGFONTW& font)
{
    const long numbers[] = {font.lfHeight, font.lfWidth, font.lfEscapement, font.lfOrientation, font.lfWeight,
                            font.lfItalic, font.lfUnderline, font.lfStrikeOut, font.lfCharSet,
                            font.lfOutPrecision, font.lfClipPrecision, font.lfQuality, font.lfPitchAndFamily};
    static_assert(sizeof(numbers) / sizeof(numbers[0]) == SkinXml::kFontFaceNameAttribute, "font attributes");
    for (int i = 0; i < SkinXml::kFontFaceNameAttribute; ++i)
        SetAttribute(element, SkinXml::kFontAttributes[i], Decimal(numbers[i]));
    SetAttribute(element, SkinXml::kFontAttributes[SkinXml::kFontFaceNameAttribute], font.lfFaceName);
}

// Writes `var`'s value into `e`, the property element it names, and appends `e` to
// `parent` (moving it to the end when it is there already).
void WriteValueInto(IXMLDOMElement* parent, IXMLDOMElement* e, const PropertyValue& var)
{
    switch (SkinXml::EncodingOf(var.Kind())) {
    case SkinXml::Encoding::Text:
        SetAttribute(e, var.XmlAttribute(), SkinXml::ValueText(var));
        break;
    case SkinXml::Encoding::Rect: {
        const RECT rect = var.GetRect();
        SetAttribute(e, SkinXml::kRectSize, SkinXml::FormatRectSize(rect));
        SetAttribute(e, SkinXml::kRectLocation, SkinXml::FormatRectLocation(rect));
        break;
    }
    case SkinXml::Encoding::Point: {
        const POINT point = var.GetPoint();
        SetAttribute(e, SkinXml::kPointX, Decimal(point.x));
        SetAttribute(e, SkinXml::kPointY, Decimal(point.y));
        break;
    }
    case SkinXml::Encoding::Color:
        SetAttribute(e, var.XmlAttribute(), SkinXml::FormatColor(var.GetColor()));
        break;
    case SkinXml::Encoding::Font:
        SetFontAttributes(e, SkinXml::FontToWrite(var));
        break;
    case SkinXml::Encoding::ImagePath:
        SetAttribute(e, var.XmlAttribute(), var.GetString());
        break;
    case SkinXml::Encoding::Enumeration:
        SetAttribute(e, var.XmlAttribute(), var.EnumToWord());
        break;
    case SkinXml::Encoding::Nothing:
        return;
    }
    AppendChild(parent, e);
}

} // namespace

int WritePropertyValue(IXMLDOMDocument* document, IXMLDOMElement* parent, const PropertyValue& var)
{
    if (!SkinXml::IsWrittenVariable(var))
        return 0;
    ComPtr<IXMLDOMElement> element = PropertyElement(document, parent, var.XmlElement());
    WriteValueInto(parent, element.Get(), var);
    return 0;
}

int WriteProperties(const CTRLPROPERTIES& record, IXMLDOMDocument* document, IXMLDOMElement* element)
{
    // The record's property elements by name, kept as they are made, so that each
    // variable finds its element without walking the children (as WritePropertyValue
    // does) - the same element, since a name is never made twice.
    XmlRead::ChildElements children(element);
    const int count = record.GetVarCount();
    for (int i = 0; i < count; ++i) {
        const PropertyValue& var = record.GetVar(i);
        if (!SkinXml::IsWrittenVariable(var))
            continue;
        IXMLDOMElement* e = children.Find(var.XmlElement());
        if (!e) {
            ComPtr<IXMLDOMElement> made = CreateElement(document, var.XmlElement());
            children.Add(var.XmlElement(), made);
            e = made.Get();
        }
        WriteValueInto(element, e, var);
    }
    return 0;
}

ComPtr<IXMLDOMNode> FindChildElement(IXMLDOMNode* node, LPCWSTR name)
{
    const CString wanted(name);
    for (ComPtr<IXMLDOMNode> child = XmlDom::FirstChild(node); child; child = XmlDom::NextSibling(child.Get())) {
        if (XmlDom::NodeName(child.Get()) == wanted)
            return child;
    }
    return nullptr;
}

void InsertIndentText(int level, IXMLDOMDocument* document, IXMLDOMNode* parent, IXMLDOMNode* before)
{
    if (!document || !parent)
        _com_issue_error(E_POINTER);
    const int tabs = before ? level : level - 1;
    CString text(SkinXml::kLineEnd);
    if (tabs > 0)
        text += CString(SkinXml::kIndent, tabs);
    ComPtr<IXMLDOMText> node;
    CheckHr(document->createTextNode(_bstr_t(text.GetString()), node.Out()));
    if (!node)
        _com_issue_error(E_POINTER);
    ComPtr<IXMLDOMNode> inserted;
    if (before)
        CheckHr(parent->insertBefore(node.Get(), _variant_t(static_cast<IUnknown*>(before)), inserted.Out()));
    else
        CheckHr(parent->appendChild(node.Get(), inserted.Out()));
}

void IndentTree(IXMLDOMDocument* document, IXMLDOMNode* node, int depth)
{
    // Along the siblings in a loop, down into the children by recursion. The walk
    // along the siblings ends at the text node appended before the parent's end tag.
    ComPtr<IXMLDOMNode> current(node);
    while (current) {
        if (ComPtr<IXMLDOMNode> first = XmlDom::FirstChild(current.Get())) {
            InsertIndentText(depth, document, current.Get(), first.Get());
            InsertIndentText(depth, document, current.Get(), nullptr);
            IndentTree(document, first.Get(), depth + 1);
        }
        ComPtr<IXMLDOMNode> next = XmlDom::NextSibling(current.Get());
        if (!next || XmlDom::NodeType(next.Get()) == NODE_TEXT)
            return;
        ComPtr<IXMLDOMNode> parent = XmlDom::ParentNode(current.Get());
        if (!parent)
            return;
        InsertIndentText(depth - 1, document, parent.Get(), next.Get());
        current = next;
    }
}

ComPtr<IXMLDOMElement> WriteFileHeader(IXMLDOMDocument* document, int dpiX, int dpiY)
{
    if (!document)
        _com_issue_error(E_POINTER);
    ComPtr<IXMLDOMProcessingInstruction> declaration;
    CheckHr(document->createProcessingInstruction(_bstr_t(SkinXml::kDeclarationTarget),
                                                  _bstr_t(SkinXml::kDeclarationData), declaration.Out()));
    AppendChild(document, declaration.Get());
    for (LPCWSTR text : SkinXml::kHeaderComments) {
        ComPtr<IXMLDOMComment> comment;
        CheckHr(document->createComment(_bstr_t(text), comment.Out()));
        AppendChild(document, comment.Get());
    }
    ComPtr<IXMLDOMElement> root = AppendElement(document, document, SkinXml::kRoot);
    WriteConfiguration(document, root.Get());
    WriteVersion(document, root.Get());
    WriteDpi(document, root.Get(), dpiX, dpiY);
    return root;
}

ComPtr<IXMLDOMDocument> BuildSkinDocument(const SkinStore& store, int dpiX, int dpiY)
{
    ComPtr<IXMLDOMDocument> document = XmlDom::CreateDocument();
    ComPtr<IXMLDOMElement> root = WriteFileHeader(document.Get(), dpiX, dpiY);
    WriteWindows(document.Get(), root.Get(), store.windows);
    WriteResources(document.Get(), root.Get(), store.fonts, store.colors);
    WriteStyles(document.Get(), root.Get(), store);
    IndentTree(document.Get(), root.Get(), 1);
    return document;
}

int SaveSkinDocument(IXMLDOMDocument* document, LPCWSTR path, FinishedFileCheck readsBack)
{
    const CString temporary = CString(path) + L"~";
    if (!SaveXmlDocument(document, temporary))
        return -1;
    if (const int finished = FinishUtf8File(path, temporary, readsBack)) {
        DeleteFileW(temporary);
        return finished == -3 ? -3 : -2;
    }
    return 0;
}

int SaveUIFile(FinishedFileCheck readsBack)
{
    if (!ConvertingSkin) {
        const CWindowDC screen(nullptr);
        DesignDpi.LogPixelsX = screen.GetDeviceCaps(LOGPIXELSX);
        DesignDpi.LogPixelsY = screen.GetDeviceCaps(LOGPIXELSY);
    }
    ComPtr<IXMLDOMDocument> document = BuildSkinDocument(g_skinStore, DesignDpi.LogPixelsX, DesignDpi.LogPixelsY);
    const int result = SaveSkinDocument(document.Get(), g_skinStore.uiFilePath, readsBack);
    if (result != 0)
        return result;
    WriteResourceH(g_skinStore);
    return 0;
}

} // namespace Vexel
