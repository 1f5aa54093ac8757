#pragma once
// The window classes the skin library registers for its own windows ("UIWND", "UIDIALOG",
// "ScrollBarEx", "SysTreeListView32" ...).
#include <windows.h>

namespace Vexel {

// A class of `name` for this module: double clicks, repainted whole when resized, the
// arrow cursor, the window colour behind and the default procedure (the framework takes
// each window over as it is made), with `icon` when given. Registered on first use; a class
// of that name already registered counts as success. False when it cannot be registered.
bool RegisterSkinWindowClass(LPCWSTR name, HICON icon = nullptr);

} // namespace Vexel
