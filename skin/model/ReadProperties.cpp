#include "skin/model/ReadProperties.h"

#include "skin/model/IdPrefix.h"
#include "skin/model/MiscControlProperties.h"
#include "skin/model/ResourceProperties.h"
#include "skin/model/SkinGlobals.h"
#include "skin/model/SkinXmlFormat.h"
#include "skin/model/TextHelpers.h"
#include "skin/model/TreeProperties.h"
#include "skin/model/UiWndProperties.h"
#include "skin/model/XmlRead.h"

#include <cstdlib>
#include <cwchar>
#include <memory>

namespace Vexel {

using XmlRead::AttributeText;
using XmlRead::AttributeToByte;
using XmlRead::AttributeToInt;
using XmlRead::GetAttribute;

namespace {

bool SameName(LPCWSTR a, LPCWSTR b)
{
    return wcscmp(a ? a : L"", b ? b : L"") == 0;
}

// Plain values, ids and style ids: read as the value's present type asks.
void ReadPlainValue(PropertyValue& var, IXMLDOMElement* child)
{
    _variant_t attribute;
    if (!GetAttribute(child, var.XmlAttribute(), attribute))
        return;
    switch (var.Type()) {
    case VT_I4:
    case VT_INT:
        var.SetInt(AttributeToInt(attribute));
        break;
    case VT_BOOL:
        var.SetBool(StringToBool(AttributeText(attribute)) != FALSE);
        break;
    default:
        var.SetValue(attribute);
        break;
    }
}

void ReadRect(PropertyValue& var, IXMLDOMElement* child)
{
    // A missing attribute keeps that half of the rectangle (the writer always writes both).
    const RECT current = var.GetRect();
    int x = current.left, y = current.top;
    int width = current.right - current.left, height = current.bottom - current.top;
    _variant_t attribute;
    bool any = false;
    if (GetAttribute(child, SkinXml::kRectLocation, attribute)) {
        ParseNumberPair(AttributeText(attribute), x, y);
        any = true;
    }
    if (GetAttribute(child, SkinXml::kRectSize, attribute)) {
        ParseNumberPair(AttributeText(attribute), width, height);
        any = true;
    }
    if (any) {
        // Clamped numbers may not add up within int: wrap as 32-bit arithmetic does.
        const auto add = [](int a, int b) { return static_cast<LONG>(static_cast<unsigned>(a) + static_cast<unsigned>(b)); };
        const RECT rect = {x, y, add(x, width), add(y, height)};
        var.SetRect(rect);
    }
}

void ReadPoint(PropertyValue& var, IXMLDOMElement* child)
{
    _variant_t attribute;
    if (GetAttribute(child, SkinXml::kPointX, attribute))
        var.SetPointX(AttributeToInt(attribute));
    if (GetAttribute(child, SkinXml::kPointY, attribute))
        var.SetPointY(AttributeToInt(attribute));
}

int ReadColor(PropertyValue& var, IXMLDOMElement* child)
{
    _variant_t attribute;
    if (!GetAttribute(child, var.XmlAttribute(), attribute))
        return kPropertyNoColor;
    var.SetInt(static_cast<int>(ParseColorText(AttributeText(attribute))));
    return kPropertyRead;
}

// All fourteen attributes must be there; a missing one raises like a text that is no number.
void ReadFont(PropertyValue& var, IXMLDOMElement* child)
{
    LOGFONTW font = {};
    LONG* const longs[] = {&font.lfHeight, &font.lfWidth, &font.lfEscapement, &font.lfOrientation, &font.lfWeight};
    BYTE* const bytes[] = {&font.lfItalic,        &font.lfUnderline,     &font.lfStrikeOut,
                           &font.lfCharSet,       &font.lfOutPrecision,  &font.lfClipPrecision,
                           &font.lfQuality,       &font.lfPitchAndFamily};
    static_assert(sizeof(longs) / sizeof(longs[0]) + sizeof(bytes) / sizeof(bytes[0]) + 1 == SkinXml::kFontAttributeCount,
                  "one member per font attribute");
    _variant_t attribute;
    int a = 0;
    for (LONG* member : longs) {
        GetAttribute(child, SkinXml::kFontAttributes[a++], attribute);
        *member = AttributeToInt(attribute);
    }
    for (BYTE* member : bytes) {
        GetAttribute(child, SkinXml::kFontAttributes[a++], attribute);
        *member = AttributeToByte(attribute);
    }
    if (!GetAttribute(child, SkinXml::kFontAttributes[SkinXml::kFontFaceNameAttribute], attribute))
        _com_issue_error(DISP_E_TYPEMISMATCH);
    // A longer face name is cut to what the structure holds.
    const CString face = AttributeText(attribute);
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    font.lfFaceName[LF_FACESIZE - 1] = L'\0';
    var.SetLogFont(font);
}

void ReadImagePath(PropertyValue& var, IXMLDOMElement* child)
{
    _variant_t attribute;
    if (GetAttribute(child, var.XmlAttribute(), attribute))
        var.SetValue(attribute);
}

void ReadEnumeration(PropertyValue& var, IXMLDOMElement* child)
{
    _variant_t attribute;
    if (GetAttribute(child, var.XmlAttribute(), attribute))
        var.WordToEnum(AttributeText(attribute));
}

// Reads `var` from `child`, the element it names (already found).
int ReadFromElement(PropertyValue& var, IXMLDOMElement* child)
{
    const ValueKind kind = var.Kind();
    if (kind == ValueKind::None || IsReferenceKind(kind)) {
        ReadPlainValue(var, child);
        return kPropertyRead;
    }
    switch (kind) {
    case ValueKind::Rect:
        ReadRect(var, child);
        break;
    case ValueKind::Point:
        ReadPoint(var, child);
        break;
    case ValueKind::Color:
        return ReadColor(var, child);
    case ValueKind::Font:
        ReadFont(var, child);
        break;
    case ValueKind::ImagePath:
        ReadImagePath(var, child);
        break;
    default:
        if (IsEnumKind(kind))
            ReadEnumeration(var, child);
        break;
    }
    return kPropertyRead;
}

bool IsReadVariable(const PropertyValue& var)
{
    return var.IsSaved() && var.Kind() != ValueKind::RecordSize && var.Kind() != ValueKind::TypeName;
}

// The element names of the inline fonts and colours, as the base record has them.
const CTRLPROPERTIES& BaseRecord()
{
    static const CTRLPROPERTIES base;
    return base;
}

// --- Inline fonts and colours as resources ---------------------------------------------

CString MadeResourceId(LPCWSTR typeName, unsigned& number)
{
    ++number;
    CString id;
    id.Format(L"%ls%u", GetDefaultIDPrefix(typeName), number);
    return id;
}

// The id of the FONT resource holding `var`'s font: the first equal one, or a new one.
CString FontResourceFor(const PropertyValue& var)
{
    if (const RESFONTPROPERTIES* found = g_skinStore.FindFontByLogFont(var))
        return found->GetVar(CtrlVar::ID).GetString();
    auto resource = std::make_unique<RESFONTPROPERTIES>();
    const CString id = MadeResourceId(RESFONTPROPERTIES::kLayout.typeName, g_legacyImport.fontNumber);
    resource->GetVar(CtrlVar::ID).SetString(id);
    LOGFONTW font = {};
    resource->GetVar(ResourceVar::Value).SetLogFont(var.GetLogFont(font));
    if (g_skinStore.AddResource(kFontResource, resource.get()) >= 0)
        resource.release();
    return id;
}

CString ColorResourceFor(const PropertyValue& var)
{
    if (const RESCOLORPROPERTIES* found = g_skinStore.FindColorByValue(var))
        return found->GetVar(CtrlVar::ID).GetString();
    auto resource = std::make_unique<RESCOLORPROPERTIES>();
    const CString id = MadeResourceId(RESCOLORPROPERTIES::kLayout.typeName, g_legacyImport.colorNumber);
    resource->GetVar(CtrlVar::ID).SetString(id);
    resource->GetVar(ResourceVar::Value).SetInt(static_cast<int>(var.GetLong()));
    if (g_skinStore.AddResource(kColorResource, resource.get()) >= 0)
        resource.release();
    return id;
}

struct InlinePair {
    int inlineVar;      // in the base record: the element an inline value stands in
    int idVar;          // the variable that receives the resource's id
};

constexpr InlinePair kInlineFonts[] = {
    {CtrlVar::FontN, CtrlVar::FontResN},
    {CtrlVar::FontH, CtrlVar::FontResH},
    {CtrlVar::FontS, CtrlVar::FontResS},
    {CtrlVar::FontD, CtrlVar::FontResD},
};

constexpr InlinePair kInlineColors[] = {
    {CtrlVar::ColorN, CtrlVar::ColorResN},
    {CtrlVar::ColorH, CtrlVar::ColorResH},
    {CtrlVar::ColorS, CtrlVar::ColorResS},
    {CtrlVar::ColorD, CtrlVar::ColorResD},
};

// Colours of particular kinds that have an id variable of their own. Matched by the
// element (and, where asked, the attribute) of the inline variable of the same record.
struct KindColorPair {
    const RecordLayout* layout;     // the kind, by its type name
    int inlineVar;
    int idVar;
    bool compareAttribute;
};

const KindColorPair kKindColors[] = {
    {&UIWNDPROPERTIES::kLayout, UiWndVar::MaskColor, UiWndVar::MaskColorResID, false},
    {&TREECTRLPROPERTIES::kLayout, TreeVar::ItemLineColor, TreeVar::ItemLineColorResID, true},
    {&TREECTRLPROPERTIES::kLayout, TreeVar::SelectedItemBkColor, TreeVar::SelectedItemBkColorResID, true},
    {&TREECTRLPROPERTIES::kLayout, TreeVar::HighlightItemBkColor, TreeVar::HighlightItemBkColorResID, true},
    {&WAVECTRLPROPERTIES::kLayout, WaveVar::GridLineColor, WaveVar::GridLineColorResID, true},
    {&WAVECTRLPROPERTIES::kLayout, WaveVar::BackgroundColor, WaveVar::BackgroundColorResID, true},
};

// The id variable for an inline font, or -1.
int FontIdVariable(const PropertyValue& var)
{
    for (const InlinePair& pair : kInlineFonts) {
        if (SameName(var.XmlElement(), BaseRecord().GetVar(pair.inlineVar).XmlElement()))
            return pair.idVar;
    }
    return -1;
}

// The id variable for an inline colour, or -1: first the rows of the record's own kind,
// then the four text colours of every record.
int ColorIdVariable(const CTRLPROPERTIES& record, const PropertyValue& var)
{
    const PropertyValue& type = record.GetVar(CtrlVar::Type);
    for (const KindColorPair& pair : kKindColors) {
        if (type != pair.layout->typeName || pair.inlineVar >= record.GetVarCount())
            continue;
        const PropertyValue& listed = record.GetVar(pair.inlineVar);
        if (SameName(var.XmlElement(), listed.XmlElement()) &&
            (!pair.compareAttribute || SameName(var.XmlAttribute(), listed.XmlAttribute())))
            return pair.idVar;
    }
    for (const InlinePair& pair : kInlineColors) {
        if (SameName(var.XmlElement(), BaseRecord().GetVar(pair.inlineVar).XmlElement()))
            return pair.idVar;
    }
    return -1;
}

void ConvertInlineValue(CTRLPROPERTIES& record, const PropertyValue& var)
{
    if (var.Kind() == ValueKind::Font) {
        const CString id = FontResourceFor(var);
        const int target = FontIdVariable(var);
        if (target >= 0 && target < record.GetVarCount())
            record.GetVar(target).SetString(id);
    } else if (var.Kind() == ValueKind::Color) {
        const CString id = ColorResourceFor(var);
        const int target = ColorIdVariable(record, var);
        if (target >= 0 && target < record.GetVarCount())
            record.GetVar(target).SetString(id);
    }
}

// Walks the record's variables against the element's children, indexed once.
template <class AfterRead>
int ReadRecord(CTRLPROPERTIES* record, IXMLDOMElement* element, AfterRead afterRead)
{
    if (!record || !element)
        return -1;
    const XmlRead::ChildElements children(element);
    const int count = record->GetVarCount();
    for (int i = 0; i < count; ++i) {
        PropertyValue& var = record->GetVar(i);
        if (!IsReadVariable(var))
            continue;
        IXMLDOMElement* child = children.Find(var.XmlElement());
        const int result = child ? ReadFromElement(var, child) : kPropertyNoElement;
        afterRead(*record, var, result);
    }
    return 0;
}

} // namespace

COLORREF ParseColorText(LPCWSTR text)
{
    if (!text)
        return 0;
    CString digits(text);
    if (!digits.IsEmpty() && digits[0] == L'#')
        digits = CString(L"0x") + digits.Mid(1);
    const int base = (digits.GetLength() >= 2 && digits[0] == L'0' && digits[1] == L'x') ? 16 : 10;
    return static_cast<COLORREF>(wcstoul(digits, nullptr, base));
}

void ParseNumberPair(LPCWSTR text, int& first, int& second)
{
    const CString pair(text);
    const int comma = pair.Find(L',');
    if (comma < 0) {
        first = StringToInt(pair);
        second = 0;
        return;
    }
    first = StringToInt(pair.Left(comma));
    CString rest = pair.Mid(comma + 1);
    const int secondComma = rest.Find(L',');
    if (secondComma >= 0)
        rest = rest.Left(secondComma);
    second = StringToInt(rest);
}

int ReadPropertyValue(PropertyValue& var, IXMLDOMElement* element)
{
    if (!var.XmlElement() || !*var.XmlElement())
        return kPropertyNoElement;
    ComPtr<IXMLDOMElement> child = XmlRead::SelectChildElement(element, var.XmlElement());
    if (!child)
        return kPropertyNoElement;
    return ReadFromElement(var, child.Get());
}

int ReadProperties(CTRLPROPERTIES* record, IXMLDOMElement* element)
{
    return ReadRecord(record, element, [](CTRLPROPERTIES&, PropertyValue&, int) {});
}

int ReadControlProperties(CTRLPROPERTIES* record, IXMLDOMElement* element)
{
    return ReadRecord(record, element, [](CTRLPROPERTIES& owner, PropertyValue& var, int result) {
        if (result == kPropertyRead && var.IsSuperseded())
            ConvertInlineValue(owner, var);
    });
}

} // namespace Vexel
