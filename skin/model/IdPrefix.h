#pragma once
// Prefixes of the symbolic ids the readers generate for records they create
// ("IDR_FONT_" + a running number, ...).
#include <windows.h>

namespace Vexel {

// The prefix for a record type name, ignoring the case of A to Z; "" for a
// type that has none (windows included).
LPCWSTR GetDefaultIDPrefix(LPCWSTR typeName);

} // namespace Vexel
