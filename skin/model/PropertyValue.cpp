#include "skin/model/PropertyValue.h"

#include "framework/ScopedVariant.h"
#include "skin/model/ComCheck.h"
#include "skin/model/EnumWords.h"

#include <cstring>
#include <cwchar>

namespace Vexel {
namespace {

struct SafeArrayDeleter {
    void operator()(SAFEARRAY* array) const noexcept { SafeArrayDestroy(array); }
};
using SafeArrayPtr = std::unique_ptr<SAFEARRAY, SafeArrayDeleter>;

VARIANT* Mutable(const VARIANT& v) noexcept
{
    // The OLE Automation API takes sources by non-const pointer; it does not
    // change them.
    return const_cast<VARIANT*>(&v);
}

SafeArrayPtr NewVector(VARTYPE elementType, ULONG count)
{
    SafeArrayPtr array(SafeArrayCreateVector(elementType, 0, count));
    if (!array)
        _com_issue_error(E_OUTOFMEMORY);
    return array;
}

} // namespace

PropertyValue::PropertyValue() noexcept
{
    VariantInit(&m_value);
    VariantInit(&m_defaultValue);
}

PropertyValue::PropertyValue(const VARIANT& value) : PropertyValue()
{
    CheckHr(VariantCopy(&m_value, Mutable(value)));
}

PropertyValue::PropertyValue(int number) noexcept : PropertyValue()
{
    m_value.vt = VT_I4;
    m_value.lVal = number;
}

PropertyValue::PropertyValue(bool flag) noexcept : PropertyValue()
{
    m_value.vt = VT_BOOL;
    m_value.boolVal = flag ? VARIANT_TRUE : VARIANT_FALSE;
}

PropertyValue::PropertyValue(ValueKind enumKind, int number) : PropertyValue()
{
    if (!IsEnumKind(enumKind))
        _com_issue_error(E_INVALIDARG);
    m_value.vt = VT_INT;
    m_value.intVal = number;
    m_kind = enumKind;
}

PropertyValue::~PropertyValue()
{
    VariantClear(&m_value);
    m_nested.reset();
    VariantClear(&m_defaultValue);
}

void PropertyValue::ClearValue()
{
    CheckHr(VariantClear(&m_value));
}

// --- Setters -----------------------------------------------------------------

PropertyValue& PropertyValue::SetInt(int number)
{
    switch (m_value.vt) {
    case VT_I4:
        m_value.lVal = number;
        break;
    case VT_ERROR:
        m_value.scode = number;
        break;
    case VT_BOOL:
        m_value.boolVal = number ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    default:
        ClearValue();
        m_value.vt = VT_I4;
        m_value.lVal = number;
        break;
    }
    return *this;
}

PropertyValue& PropertyValue::SetString(LPCWSTR text)
{
    BSTR copy = nullptr;
    if (text) {
        copy = SysAllocString(text);
        if (!copy)
            _com_issue_error(E_OUTOFMEMORY);
    }
    const HRESULT hr = VariantClear(&m_value);
    if (FAILED(hr)) {
        SysFreeString(copy);
        _com_issue_error(hr);
    }
    m_value.vt = VT_BSTR;
    m_value.bstrVal = copy;
    return *this;
}

PropertyValue& PropertyValue::SetBool(bool flag)
{
    if (m_value.vt != VT_BOOL)
        ClearValue();
    m_value.vt = VT_BOOL;
    m_value.boolVal = flag ? VARIANT_TRUE : VARIANT_FALSE;
    return *this;
}

PropertyValue& PropertyValue::InitArray(ValueKind arrayKind, const void* data)
{
    VARTYPE elementType;
    ULONG count;
    switch (arrayKind) {
    case ValueKind::Rect:
        elementType = VT_I4;
        count = 4;
        break;
    case ValueKind::Point:
        elementType = VT_I4;
        count = 2;
        break;
    case ValueKind::Font:
        elementType = VT_UI1;
        count = kLogFontBytes;
        break;
    default:
        _com_issue_error(E_INVALIDARG);
        return *this;
    }
    SafeArrayPtr array = NewVector(elementType, count);
    if (data)
        std::memcpy(array->pvData, data, count * array->cbElements);
    Clear();
    m_value.vt = VT_ARRAY | elementType;
    m_value.parray = array.release();
    m_kind = arrayKind;
    return *this;
}

PropertyValue& PropertyValue::SetRect(const RECT& rect)
{
    const LONG corners[4] = {rect.left, rect.top, rect.right, rect.bottom};
    return InitArray(ValueKind::Rect, corners);
}

PropertyValue& PropertyValue::SetPoint(const POINT& point)
{
    const LONG xy[2] = {point.x, point.y};
    return InitArray(ValueKind::Point, xy);
}

PropertyValue& PropertyValue::SetLogFont(const LOGFONTW& font)
{
    return InitArray(ValueKind::Font, &font);
}

PropertyValue& PropertyValue::SetColor(COLORREF color)
{
    if (m_value.vt != VT_I4)
        ClearValue();
    m_value.vt = VT_I4;
    m_value.lVal = static_cast<LONG>(color);
    m_kind = ValueKind::ColorRef;
    return *this;
}

void PropertyValue::SetPointElement(LONG index, int coordinate)
{
    if (!I4Array(0)) {
        SafeArrayPtr array = NewVector(VT_I4, 2);
        ClearValue();
        m_value.vt = VT_ARRAY | VT_I4;
        m_value.parray = array.release();
    }
    LONG element = coordinate;
    CheckHr(SafeArrayPutElement(m_value.parray, &index, &element));
}

int PropertyValue::SetPointX(int x)
{
    SetPointElement(0, x);
    return 0;
}

int PropertyValue::SetPointY(int y)
{
    SetPointElement(1, y);
    return 0;
}

int PropertyValue::SetNestedCopy(const PropertyValue& source)
{
    auto nested = std::make_unique<PropertyValue>(source.m_value);
    nested->Assign(source);
    m_nested = std::move(nested);
    return 0;
}

void PropertyValue::SetValue(const VARIANT& value)
{
    ScopedVariant copy;
    CheckHr(VariantCopy(&copy.v, Mutable(value)));
    ClearValue();
    m_value = copy.v;
    VariantInit(&copy.v);
}

void PropertyValue::SetDefaultValue(const VARIANT& value)
{
    ScopedVariant copy;
    CheckHr(VariantCopy(&copy.v, Mutable(value)));
    CheckHr(VariantClear(&m_defaultValue));
    m_defaultValue = copy.v;
    VariantInit(&copy.v);
}

void PropertyValue::ClearDefaultValue()
{
    CheckHr(VariantClear(&m_defaultValue));
}

// --- Getters -----------------------------------------------------------------

SAFEARRAY* PropertyValue::I4Array(int minimumCount) const
{
    if (m_value.vt != (VT_ARRAY | VT_I4) || !m_value.parray)
        return nullptr;
    const SAFEARRAY* array = m_value.parray;
    if (array->cDims != 1 || array->rgsabound[0].cElements < static_cast<ULONG>(minimumCount))
        return nullptr;
    return m_value.parray;
}

const BYTE* PropertyValue::FontBytes() const
{
    if (m_value.vt != (VT_ARRAY | VT_UI1) || !m_value.parray)
        return nullptr;
    const SAFEARRAY* array = m_value.parray;
    if (array->cDims != 1 || array->rgsabound[0].cElements != kLogFontBytes)
        return nullptr;
    return static_cast<const BYTE*>(array->pvData);
}

CString PropertyValue::GetString() const
{
    if (m_value.vt == VT_BSTR)
        return CString(m_value.bstrVal, static_cast<int>(SysStringLen(m_value.bstrVal)));
    ScopedVariant text;
    CheckHr(VariantChangeType(&text.v, Mutable(m_value), 0, VT_BSTR));
    return CString(text.v.bstrVal, static_cast<int>(SysStringLen(text.v.bstrVal)));
}

RECT PropertyValue::GetRect() const
{
    RECT rect = {-1, -1, -1, -1};
    if (m_kind == ValueKind::Rect) {
        if (const SAFEARRAY* array = I4Array(4)) {
            const LONG* corners = static_cast<const LONG*>(array->pvData);
            rect = {corners[0], corners[1], corners[2], corners[3]};
        }
    }
    return rect;
}

void PropertyValue::CopyRectTo(RECT& rect) const
{
    rect = GetRect();
}

POINT PropertyValue::GetPoint() const
{
    POINT point = {-1, -1};
    if (m_kind == ValueKind::Point) {
        if (const SAFEARRAY* array = I4Array(2)) {
            const LONG* xy = static_cast<const LONG*>(array->pvData);
            point = {xy[0], xy[1]};
        }
    }
    return point;
}

COLORREF PropertyValue::GetColor() const
{
    if (m_kind == ValueKind::Color && m_value.vt == VT_I4)
        return static_cast<COLORREF>(m_value.lVal);
    return static_cast<COLORREF>(-1);
}

LOGFONTW& PropertyValue::GetLogFont(LOGFONTW& font) const
{
    if (m_kind == ValueKind::Font) {
        if (const BYTE* bytes = FontBytes())
            std::memcpy(&font, bytes, kLogFontBytes);
    }
    return font;
}

CString PropertyValue::EnumToWord() const
{
    if (m_value.vt == VT_INT && IsEnumKind(m_kind)) {
        LPCWSTR word = EnumNumberToWord(m_kind, m_value.intVal);
        return CString(word ? word : L"");
    }
    return GetString();
}

int PropertyValue::WordToEnum(LPCWSTR word)
{
    if (m_value.vt != VT_INT)
        return -1;
    int number;
    if (EnumWordToNumber(m_kind, word, &number))
        m_value.intVal = number;
    return 0;
}

int PropertyValue::GetEnumValue(ValueKind enumKind) const
{
    if (m_value.vt == VT_INT && m_kind == enumKind)
        return m_value.intVal;
    return -1;
}

template <VARTYPE Vt, typename T>
T PropertyValue::ReadAs(T VARIANT::*member) const
{
    if (m_value.vt == Vt)
        return m_value.*member;
    ScopedVariant converted;
    CheckHr(VariantChangeType(&converted.v, Mutable(m_value), 0, Vt));
    return converted.v.*member;
}

int PropertyValue::GetInt() const
{
    return ReadAs<VT_INT>(&VARIANT::intVal);
}

LONG PropertyValue::GetLong() const
{
    return ReadAs<VT_I4>(&VARIANT::lVal);
}

SHORT PropertyValue::GetShort() const
{
    return ReadAs<VT_I2>(&VARIANT::iVal);
}

BYTE PropertyValue::GetByte() const
{
    return ReadAs<VT_UI1>(&VARIANT::bVal);
}

bool PropertyValue::GetBool() const
{
    return ReadAs<VT_BOOL>(&VARIANT::boolVal) != VARIANT_FALSE;
}

// --- Comparison and copying --------------------------------------------------

bool PropertyValue::operator==(LPCWSTR text) const
{
    if (m_value.vt != VT_BSTR)
        return false;
    const size_t length = text ? std::wcslen(text) : 0;
    if (SysStringLen(m_value.bstrVal) != length)
        return false;
    return length == 0 || std::wmemcmp(m_value.bstrVal, text, length) == 0;
}

bool PropertyValue::LogFontEquals(const PropertyValue& other) const
{
    if (m_kind == ValueKind::Font && other.m_kind == ValueKind::Font) {
        const BYTE* mine = FontBytes();
        const BYTE* theirs = other.FontBytes();
        if (mine && theirs)
            return std::memcmp(mine, theirs, kLogFontBytes) == 0;
    }
    return VariantsEqual(m_value, other.m_value);
}

bool PropertyValue::LogFontEquals(const VARIANT& other) const
{
    return VariantsEqual(m_value, other);
}

void PropertyValue::Assign(const PropertyValue& source)
{
    if (&source == this)
        return;
    m_kind = source.m_kind;
    m_isSaved = source.m_isSaved;
    m_editorFlag1 = source.m_editorFlag1;
    m_memberName = source.m_memberName;
    m_legacyKey = source.m_legacyKey;
    m_xmlElement = source.m_xmlElement;
    m_xmlAttribute = source.m_xmlAttribute;
    m_editorFlag2 = source.m_editorFlag2;
    m_isGroupStart = source.m_isGroupStart;
    m_group = source.m_group;
    m_displayName = source.m_displayName;
    m_description = source.m_description;
    m_rangeMin = source.m_rangeMin;
    m_rangeMax = source.m_rangeMax;
    m_options.insert(m_options.end(), source.m_options.begin(), source.m_options.end());
}

void PropertyValue::CopyFrom(const PropertyValue& source)
{
    if (&source == this)
        return;
    SetValue(source.m_value);
    SetDefaultValue(source.m_defaultValue);
    if (source.m_nested)
        SetNestedCopy(*source.m_nested);
    else
        m_nested.reset();
    m_options.clear();
    Assign(source);
    m_isSuperseded = source.m_isSuperseded;
    m_editorFlag3 = source.m_editorFlag3;
}

void PropertyValue::Clear()
{
    ClearValue();
    m_nested.reset();
}

void PropertyValue::AddEnumOptions()
{
    const EnumWordTable* table = FindEnumWordTable(m_kind);
    if (!table)
        return;
    m_options.reserve(m_options.size() + table->optionCount);
    for (int i = 0; i < table->optionCount; ++i)
        m_options.push_back(EnumNumberToWord(m_kind, table->optionOrder[i]));
}

// --- VARIANT equality --------------------------------------------------------

bool VariantsEqual(const VARIANT& a, const VARIANT& b)
{
    if (a.vt != b.vt)
        return false;
    if (a.vt & (VT_ARRAY | VT_BYREF))
        _com_issue_error(E_INVALIDARG);
    switch (a.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return true;
    case VT_BOOL:
        return a.boolVal == b.boolVal;
    case VT_I1:
        return a.cVal == b.cVal;
    case VT_UI1:
        return a.bVal == b.bVal;
    case VT_I2:
        return a.iVal == b.iVal;
    case VT_UI2:
        return a.uiVal == b.uiVal;
    case VT_I4:
        return a.lVal == b.lVal;
    case VT_UI4:
        return a.ulVal == b.ulVal;
    case VT_INT:
        return a.intVal == b.intVal;
    case VT_UINT:
        return a.uintVal == b.uintVal;
    case VT_I8:
        return a.llVal == b.llVal;
    case VT_UI8:
        return a.ullVal == b.ullVal;
    case VT_R4:
        return a.fltVal == b.fltVal;
    case VT_R8:
        return a.dblVal == b.dblVal;
    case VT_DATE:
        return a.date == b.date;
    case VT_CY:
        return a.cyVal.int64 == b.cyVal.int64;
    case VT_ERROR:
        return a.scode == b.scode;
    case VT_DISPATCH:
        return a.pdispVal == b.pdispVal;
    case VT_UNKNOWN:
        return a.punkVal == b.punkVal;
    case VT_DECIMAL:
        return std::memcmp(&a.decVal, &b.decVal, sizeof(DECIMAL)) == 0;
    case VT_BSTR: {
        const UINT bytes = SysStringByteLen(a.bstrVal);
        if (bytes != SysStringByteLen(b.bstrVal))
            return false;
        return bytes == 0 || std::memcmp(a.bstrVal, b.bstrVal, bytes) == 0;
    }
    default:
        _com_issue_error(E_INVALIDARG);
        return false;
    }
}

} // namespace Vexel
