#include "skin/model/LegacyValues.h"

#include <cwchar>

namespace Vexel {

int DecimalToInt(LPCWSTR text)
{
    return text ? static_cast<int>(wcstol(text, nullptr, 10)) : 0;
}

RECT ParseRectText(LPCWSTR text)
{
    LONG fields[4] = {0, 0, 0, 0};
    const wchar_t* field = text;
    for (LONG& number : fields) {
        if (!field)
            break;
        number = DecimalToInt(field);
        field = wcschr(field, L',');
        if (field)
            ++field;
    }
    return RECT{fields[0], fields[1], fields[2], fields[3]};
}

} // namespace Vexel
