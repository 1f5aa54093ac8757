#include "tests/skin_model/LegacyImportFixtures.h"

#include <cstdio>
#include <cstring>
#include <cwchar>

namespace legacy_test {

namespace {

std::wstring HexWithChecksum(const void* data, std::size_t size)
{
    const BYTE* bytes = static_cast<const BYTE*>(data);
    std::wstring text;
    unsigned sum = 0;
    wchar_t pair[3];
    for (std::size_t i = 0; i < size; ++i) {
        swprintf(pair, 3, L"%02X", bytes[i]);
        text += pair;
        sum += bytes[i];
    }
    swprintf(pair, 3, L"%02X", sum & 0xFF);
    return text + pair;
}

std::wstring ArrayText(const VARIANT& value)
{
    SAFEARRAY* array = value.parray;
    LONG low = 0;
    LONG high = -1;
    SafeArrayGetLBound(array, 1, &low);
    SafeArrayGetUBound(array, 1, &high);
    std::wstring text = L"[";
    for (LONG i = low; i <= high; ++i) {
        wchar_t number[16];
        if ((value.vt & VT_TYPEMASK) == VT_UI1) {
            BYTE b = 0;
            SafeArrayGetElement(array, &i, &b);
            swprintf(number, 16, L"%02X", b);
        } else {
            LONG n = 0;
            SafeArrayGetElement(array, &i, &n);
            swprintf(number, 16, L"%ld,", n);
        }
        text += number;
    }
    return text + L"]";
}

} // namespace

std::string FileBytes(const std::wstring& text, Encoding encoding)
{
    if (encoding == Encoding::Utf16) {
        std::string bytes = "\xFF\xFE";
        bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
        return bytes;
    }
    const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::wstring FontText(const LOGFONTW& font, Encoding encoding)
{
    if (encoding == Encoding::Utf16)
        return HexWithChecksum(&font, sizeof(font));
    LOGFONTA narrow{};
    memcpy(&narrow, &font, offsetof(LOGFONTA, lfFaceName));
    WideCharToMultiByte(CP_ACP, 0, font.lfFaceName, -1, narrow.lfFaceName, LF_FACESIZE, nullptr, nullptr);
    return HexWithChecksum(&narrow, sizeof(narrow));
}

LOGFONTW MakeFont(LPCWSTR face, LONG height, LONG weight)
{
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfOutPrecision = 3;
    font.lfClipPrecision = 2;
    font.lfQuality = 1;
    font.lfPitchAndFamily = 0x22;
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

std::wstring ValueText(const Vexel::PropertyValue& value)
{
    const VARIANT& v = value.Value();
    wchar_t text[64];
    switch (v.vt) {
    case VT_EMPTY:
        return L"empty";
    case VT_BSTR:
        return L"text \"" + std::wstring(v.bstrVal ? v.bstrVal : L"") + L"\"";
    case VT_BOOL:
        return v.boolVal ? L"true" : L"false";
    case VT_I4:
        swprintf(text, 64, L"i4 %ld", v.lVal);
        return text;
    case VT_INT:
        swprintf(text, 64, L"enum %d kind %d", v.intVal, static_cast<int>(value.Kind()));
        return text;
    default:
        if (v.vt & VT_ARRAY)
            return ArrayText(v);
        swprintf(text, 64, L"vt %u", v.vt);
        return text;
    }
}

std::wstring RecordText(const Vexel::CTRLPROPERTIES& record)
{
    std::wstring text;
    const int count = record.GetVarCount();
    for (int i = 0; i < count; ++i) {
        wchar_t index[16];
        swprintf(index, 16, L"%d: ", i);
        text += index + ValueText(record.GetVar(i)) + L"\n";
    }
    return text;
}

} // namespace legacy_test
