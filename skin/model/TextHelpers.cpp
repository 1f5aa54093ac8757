#include "skin/model/TextHelpers.h"

#include "skin/model/AsciiCase.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace Vexel {

int StringToInt(LPCWSTR text)
{
    if (!text)
        return 0;
    const int base = (text[0] == L'0' && text[1] == L'x') ? 16 : 10;
    return static_cast<int>(wcstol(text, nullptr, base));
}

BOOL StringToBool(LPCWSTR text)
{
    if (!text)
        return TRUE;
    return (EqualsIgnoringAsciiCase(text, L"False") || EqualsIgnoringAsciiCase(text, L"0")) ? FALSE : TRUE;
}

CString VariantToString(const PropertyValue& value)
{
    return value.Type() == VT_NULL ? CString() : value.GetString();
}

int AnsiLineToString(std::size_t count, std::string& line, const char* buffer)
{
    if (!buffer)
        return 0;
    const void* cr = memchr(buffer, '\r', count);
    const std::size_t length = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - buffer) : count;
    line.assign(buffer, strnlen(buffer, length));
    return 1;
}

int WideLineToString(std::size_t count, std::wstring& line, const wchar_t* buffer)
{
    if (!buffer)
        return 0;
    const wchar_t* cr = wmemchr(buffer, L'\r', count);
    const std::size_t length = cr ? static_cast<std::size_t>(cr - buffer) : count;
    line.assign(buffer, wcsnlen(buffer, length));
    return 1;
}

} // namespace Vexel
