#pragma once
// Finishing a UTF-8 file written under a temporary name.
#include <windows.h>

namespace Vexel {

// Whether a completed temporary file may replace the destination (it reads back whole).
using FinishedFileCheck = bool (*)(LPCWSTR temporary);

// Moves `temporary` over `destination` so that the destination starts with exactly one
// UTF-8 byte-order mark (EF BB BF), adding it when the temporary file lacks it. The
// destination is only ever replaced whole: 0 when done; -1 when the temporary file
// cannot be read, -2 when it cannot be completed or moved, and -3 when `check` (when
// given) refuses the completed temporary file; the destination then is left as it was
// and the temporary file kept.
int FinishUtf8File(LPCWSTR destination, LPCWSTR temporary, FinishedFileCheck check = nullptr);

} // namespace Vexel
