#include "config/WindowsVersion.h"

#include "skin/ui/SystemAnswers.h"

namespace {

constexpr DWORD kVistaMajorVersion = 6;

} // namespace

bool IsVistaOrLater()
{
    OSVERSIONINFOW info = {};
    return Vexel::GetSystemAnswers().GetVersion(info) && info.dwMajorVersion >= kVistaMajorVersion;
}
