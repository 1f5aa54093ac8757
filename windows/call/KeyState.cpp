#include "windows/call/KeyState.h"

#include <windows.h>

namespace {

bool SystemKeyDown(int virtualKey)
{
    return (::GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

KeyDownQuery g_keyDown = &SystemKeyDown;

} // namespace

KeyDownQuery SetKeyDownQuery(KeyDownQuery query)
{
    const KeyDownQuery previous = g_keyDown;
    g_keyDown = query ? query : &SystemKeyDown;
    return previous;
}

bool IsKeyDownNow(int virtualKey)
{
    return g_keyDown(virtualKey);
}
