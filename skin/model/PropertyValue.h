#pragma once
// PropertyValue: the one typed variable of the skin model. Every property
// record is a run of these; each carries its value as a VARIANT, the kind that
// says how to read it, the names it is stored under (XML element/attribute,
// legacy key) and the texts a property editor shows.
//
// Names and editor texts are static texts (the record tables' literals): the
// variable keeps the pointers and never frees them. Values live in VARIANTs
// and are owned. A failed VARIANT/BSTR/SAFEARRAY call raises _com_error.
#include "framework/String.h"
#include "skin/model/ValueKind.h"

#include <memory>
#include <vector>

#include <windows.h>
#include <oleauto.h>

namespace Vexel {

class PropertyValue {
public:
    PropertyValue() noexcept;
    explicit PropertyValue(const VARIANT& value);        // VariantCopy
    explicit PropertyValue(int number) noexcept;         // VT_I4, kind None
    explicit PropertyValue(bool flag) noexcept;          // VT_BOOL, kind None
    PropertyValue(ValueKind enumKind, int number);       // VT_INT of an enumeration kind
    ~PropertyValue();

    // Copied only through Assign (metadata), SetNestedCopy and CopyFrom.
    PropertyValue(const PropertyValue&) = delete;
    PropertyValue& operator=(const PropertyValue&) = delete;

    // --- Setters -------------------------------------------------------------
    // None of SetInt, SetString, SetBool, SetPointX, SetPointY changes the kind.
    PropertyValue& SetInt(int number);
    PropertyValue& SetString(LPCWSTR text);             // null text: null BSTR
    PropertyValue& SetBool(bool flag);
    PropertyValue& SetRect(const RECT& rect);           // kind Rect
    PropertyValue& SetPoint(const POINT& point);        // kind Point (also SIZE)
    PropertyValue& SetLogFont(const LOGFONTW& font);    // kind Font
    PropertyValue& SetColor(COLORREF color);            // kind ColorRef (run-time colour or handle)
    int SetPointX(int x);                               // 0
    int SetPointY(int y);                               // 0
    int SetNestedCopy(const PropertyValue& source);     // 0

    // Makes the value the array form of an array kind (Rect: 4 VT_I4, Point:
    // 2 VT_I4, Font: 92 VT_UI1), filled from `data` (that many elements) or
    // zeros, and sets the kind. Any other kind raises E_INVALIDARG.
    PropertyValue& InitArray(ValueKind arrayKind, const void* data = nullptr);

    // --- Getters -------------------------------------------------------------
    // Never fail on a value of the wrong kind: each gives its absent result.
    CString GetString() const;                          // VT_BSTR as is, else converted
    RECT GetRect() const;                               // (-1,-1,-1,-1) unless a Rect
    void CopyRectTo(RECT& rect) const;
    POINT GetPoint() const;                             // (-1,-1) unless a Point
    COLORREF GetColor() const;                          // 0xFFFFFFFF (-1) unless a Color VT_I4
    LOGFONTW& GetLogFont(LOGFONTW& font) const;         // untouched unless a Font
    CString EnumToWord() const;                         // "" when the number has no word
    int WordToEnum(LPCWSTR word);                       // 0; -1 when the value is no VT_INT
    int GetEnumValue(ValueKind enumKind) const;         // -1 unless VT_INT of that kind

    // Numeric reads as the skinned controls use them: the stored type is read
    // directly, any other is converted; a value that does not convert raises.
    int GetInt() const;                                 // as VT_INT
    LONG GetLong() const;                               // as VT_I4
    SHORT GetShort() const;                             // as VT_I2
    BYTE GetByte() const;                               // as VT_UI1
    bool GetBool() const;                               // as VT_BOOL, non-zero is true

    // --- Comparison and copying ----------------------------------------------
    // True only for a VT_BSTR value whose text equals `text` exactly.
    bool operator==(LPCWSTR text) const;
    bool operator!=(LPCWSTR text) const { return !(*this == text); }

    // Fonts compare their 92 bytes; anything else compares as VARIANTs (same
    // type and payload). A non-font array raises E_INVALIDARG.
    bool LogFontEquals(const PropertyValue& other) const;
    bool LogFontDiffers(const PropertyValue& other) const { return !LogFontEquals(other); }
    // Against a bare VARIANT (such as a stored default), which carries no kind.
    bool LogFontEquals(const VARIANT& other) const;

    // Copies kind, flags, names, editor texts and ranges, and appends the
    // source's options. Not the value, default, superseded flag, nested value
    // or editorFlag3.
    void Assign(const PropertyValue& source);

    // Makes this variable equal to `source`: value and default by VariantCopy,
    // then everything Assign copies, the superseded flag and editorFlag3; the
    // options are replaced, not appended. Used to copy whole records.
    void CopyFrom(const PropertyValue& source);

    // Clears the value and destroys the nested value; kind and names stay.
    void Clear();

    // --- Fields --------------------------------------------------------------
    const VARIANT& Value() const noexcept { return m_value; }
    VARTYPE Type() const noexcept { return m_value.vt; }
    const VARIANT& DefaultValue() const noexcept { return m_defaultValue; }
    void SetDefaultValue(const VARIANT& value);         // VariantCopy
    void CopyValueToDefault() { SetDefaultValue(m_value); }
    void ClearDefaultValue();
    void SetValue(const VARIANT& value);                // VariantCopy; the kind stays
    const PropertyValue* NestedValue() const noexcept { return m_nested.get(); }

    ValueKind Kind() const noexcept { return m_kind; }
    void SetKind(ValueKind kind) noexcept { m_kind = kind; }

    bool IsSaved() const noexcept { return m_isSaved; }
    void SetSaved(bool saved) noexcept { m_isSaved = saved; }
    bool IsSuperseded() const noexcept { return m_isSuperseded; }
    void SetSuperseded(bool superseded) noexcept { m_isSuperseded = superseded; }
    // Switched off: neither read nor written, nor shown by an editor.
    bool IsSwitchedOff() const noexcept { return !m_isSaved && !m_editorFlag2; }
    void SwitchOff() noexcept { m_isSaved = false; m_editorFlag2 = false; }

    LPCWSTR MemberName() const noexcept { return m_memberName; }
    LPCWSTR LegacyKey() const noexcept { return m_legacyKey; }
    LPCWSTR XmlElement() const noexcept { return m_xmlElement; }
    LPCWSTR XmlAttribute() const noexcept { return m_xmlAttribute; }
    void SetMemberName(LPCWSTR name) noexcept { m_memberName = name; }
    void SetLegacyKey(LPCWSTR key) noexcept { m_legacyKey = key; }
    void SetXmlElement(LPCWSTR element) noexcept { m_xmlElement = element; }
    void SetXmlAttribute(LPCWSTR attribute) noexcept { m_xmlAttribute = attribute ? attribute : L"Value"; }

    // Property-editor data: carried and copied, not interpreted here.
    bool EditorFlag1() const noexcept { return m_editorFlag1; }
    bool EditorFlag2() const noexcept { return m_editorFlag2; }
    bool EditorFlag3() const noexcept { return m_editorFlag3; }
    void SetEditorFlag1(bool on) noexcept { m_editorFlag1 = on; }
    void SetEditorFlag2(bool on) noexcept { m_editorFlag2 = on; }
    void SetEditorFlag3(bool on) noexcept { m_editorFlag3 = on; }
    bool IsGroupStart() const noexcept { return m_isGroupStart; }
    LPCWSTR Group() const noexcept { return m_group; }
    void StartGroup(LPCWSTR group) noexcept { m_isGroupStart = true; m_group = group; }
    LPCWSTR DisplayName() const noexcept { return m_displayName; }
    void SetDisplayName(LPCWSTR name) noexcept { m_displayName = name; }
    LPCWSTR Description() const noexcept { return m_description; }
    void SetDescription(LPCWSTR text) noexcept { m_description = text; }
    const std::vector<LPCWSTR>& Options() const noexcept { return m_options; }
    void AddOption(LPCWSTR word) { m_options.push_back(word); }
    // Fills the options with the enumeration kind's words in editor order.
    void AddEnumOptions();
    int RangeMin() const noexcept { return m_rangeMin; }
    int RangeMax() const noexcept { return m_rangeMax; }
    void SetRange(int minimum, int maximum) noexcept { m_rangeMin = minimum; m_rangeMax = maximum; }

private:
    void ClearValue();
    // Element 0 (x) or 1 (y) of the value, made a 2-element VT_I4 array first unless it is one.
    void SetPointElement(LONG index, int coordinate);
    SAFEARRAY* I4Array(int minimumCount) const;          // null unless VT_ARRAY|VT_I4 that long
    const BYTE* FontBytes() const;                       // null unless a 92-byte font array
    template <VARTYPE Vt, typename T> T ReadAs(T VARIANT::*member) const;

    VARIANT m_value;
    std::unique_ptr<PropertyValue> m_nested;
    ValueKind m_kind = ValueKind::None;
    bool m_isSaved = true;
    bool m_isSuperseded = false;
    bool m_editorFlag1 = false;
    LPCWSTR m_memberName = nullptr;
    VARIANT m_defaultValue;
    LPCWSTR m_legacyKey = nullptr;
    LPCWSTR m_xmlElement = nullptr;
    LPCWSTR m_xmlAttribute = L"Value";
    bool m_editorFlag2 = true;
    bool m_isGroupStart = false;
    LPCWSTR m_group = L"";
    LPCWSTR m_displayName = L"";
    LPCWSTR m_description = L"";
    std::vector<LPCWSTR> m_options;
    int m_rangeMin = 0;
    int m_rangeMax = 0;
    bool m_editorFlag3 = false;
};

// Number of bytes a font value holds: a LOGFONTW, byte for byte.
constexpr ULONG kLogFontBytes = 92;
static_assert(sizeof(LOGFONTW) == kLogFontBytes, "a font value is a LOGFONTW");

// Compares two VARIANTs by type and payload (texts by byte length and bytes;
// VT_EMPTY equals VT_EMPTY). Arrays and unknown types raise E_INVALIDARG.
bool VariantsEqual(const VARIANT& a, const VARIANT& b);

} // namespace Vexel
