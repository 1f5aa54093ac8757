#pragma once
// Finishing a UTF-8 file written under a temporary name.
#include <windows.h>

namespace Vexel {

// Moves `temporary` over `destination` so that the destination starts with exactly one
// UTF-8 byte-order mark (EF BB BF), adding it when the temporary file lacks it. The
// destination is only ever replaced whole: 0 when done; -1 when the temporary file
// cannot be read and -2 when it cannot be completed or moved, the destination then
// being left as it was and the temporary file kept.
int FinishUtf8File(LPCWSTR destination, LPCWSTR temporary);

} // namespace Vexel
