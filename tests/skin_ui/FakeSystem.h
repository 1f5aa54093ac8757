#pragma once
// System answers a test chooses: a Windows version, a composition answer and a screen
// DPI, in place while the object lives.
#include "tests/support/SystemAnswersScope.h"

#include <string>

namespace skin_ui_test {

class FakeSystem : public lumeo_test::SystemAnswersScope {
public:
    bool GetVersion(OSVERSIONINFOW& info) const override
    {
        info.dwMajorVersion = major;
        info.dwMinorVersion = minor;
        lstrcpynW(info.szCSDVersion, servicePack.c_str(), ARRAYSIZE(info.szCSDVersion));
        return versionAnswers;
    }
    HRESULT QueryComposition(BOOL& enabled) const override
    {
        if (compositionResult == S_OK || compositionResult == E_FAIL)
            enabled = compositionOn;
        return compositionResult;
    }
    SIZE GetScreenDpi() const override { return screenDpi; }

    DWORD major = 6;
    DWORD minor = 1;
    std::wstring servicePack;
    bool versionAnswers = true;
    HRESULT compositionResult = S_OK;
    BOOL compositionOn = FALSE;
    SIZE screenDpi = {96, 96};
};

} // namespace skin_ui_test
