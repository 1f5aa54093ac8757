#include "framework/CallbackGuard.h"

#include <windows.h>

#include <cstdio>
#include <exception>

void AfxReportCallbackException(const char* where) noexcept
{
    char text[512];
    try {
        throw;
    } catch (const std::exception& e) {
        std::snprintf(text, sizeof text, "Lumeo: exception stopped at the %s: %s\n", where, e.what());
    } catch (...) {
        std::snprintf(text, sizeof text, "Lumeo: exception stopped at the %s\n", where);
    }
    OutputDebugStringA(text);
    std::fputs(text, stderr);
    std::fflush(stderr);
}
