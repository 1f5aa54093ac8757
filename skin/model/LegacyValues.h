#pragma once
// Number and rectangle forms of legacy skin values. (Integers with a "0x" prefix and
// switches are StringToInt and StringToBool of TextHelpers.h.)
#include <windows.h>

namespace Vexel {

// Decimal only: leading white space and a sign, then as many digits as there are (the
// C library's conversion, saturating); no digits give 0. A null text gives 0.
int DecimalToInt(LPCWSTR text);

// "left,top,right,bottom" as four decimal numbers. A field the text does not reach is
// 0, and so is every field after it: "10,20,30" gives (10, 20, 30, 0).
RECT ParseRectText(LPCWSTR text);

} // namespace Vexel
