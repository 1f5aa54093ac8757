#pragma once
// The standard font: the initial value of every font variable of a record.
#include <windows.h>

namespace Vexel {

// Face "Tahoma", height -12, weight 400, output precision 3, clip precision 2,
// quality 1, pitch and family 0x22, every other member 0.
const LOGFONTW& GetStandardFont();

} // namespace Vexel
