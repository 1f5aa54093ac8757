#pragma once
// What the running system says about itself: its version, whether the desktop is
// composed, and the screen's DPI. Kept behind one replaceable object so that tests can
// answer as Windows XP, Vista or Wine would; the program always uses the system's.
#include <windows.h>

namespace Vexel {

class SystemAnswers {
public:
    virtual ~SystemAnswers() = default;

    // GetVersionExW into `info` (its size member set here); false when it fails.
    virtual bool GetVersion(OSVERSIONINFOW& info) const;
    // DwmIsCompositionEnabled of "dwmapi.dll", which is loaded by name for this one
    // question and freed again. A missing library or export gives a failure code and
    // leaves `enabled` alone.
    virtual HRESULT QueryComposition(BOOL& enabled) const;
    // LOGPIXELSX and LOGPIXELSY of the screen, read on every call.
    virtual SIZE GetScreenDpi() const;
};

// The answers in use.
const SystemAnswers& GetSystemAnswers();
// Puts other answers in place (null: the system's own again); the previous ones are
// returned so a test can put them back. The object must outlive its use.
const SystemAnswers* SetSystemAnswers(const SystemAnswers* answers);

} // namespace Vexel
