#pragma once
// System answers a test chooses: a Windows version, a composition answer and a screen
// DPI, in place while the object lives.
#include "skin/ui/SystemAnswers.h"

#include <string>

namespace skin_ui_test {

class FakeSystem : public Vexel::SystemAnswers {
public:
    FakeSystem() : m_previous(Vexel::SetSystemAnswers(this)) {}
    ~FakeSystem() override { Vexel::SetSystemAnswers(m_previous); }
    FakeSystem(const FakeSystem&) = delete;
    FakeSystem& operator=(const FakeSystem&) = delete;

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

private:
    const Vexel::SystemAnswers* m_previous;
};

} // namespace skin_ui_test
