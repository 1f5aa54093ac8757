#include "config/WindowsVersion.h"

#include "framework/SystemAnswers.h"

namespace {

constexpr DWORD kVistaMajorVersion = 6;

} // namespace

bool IsVistaOrLater()
{
    OSVERSIONINFOW info = {};
    return GetSystemAnswers().GetVersion(info) && info.dwMajorVersion >= kVistaMajorVersion;
}
