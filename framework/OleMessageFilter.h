#pragma once
// The message filter that AfxOleInit registers on each thread it starts OLE on. A call to
// another program's object that the program turns away because it is busy is tried again
// for a while, instead of failing at once; a call still refused after that fails (no
// "server busy" prompt is ever shown). Calls coming in are always taken.
#include "framework/ComPtr.h"

#include <windows.h>
#include <ole2.h>

// How long a refused call keeps being retried, and the pause between tries (ms).
constexpr DWORD kOleBusyRetryLimit = 10000;
constexpr DWORD kOleBusyRetryPause = 100;

// A new filter; null when it cannot be made.
ComPtr<IMessageFilter> AfxMakeOleMessageFilter();
