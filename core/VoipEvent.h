#pragma once
// Lumeo's engine callback: hands every engine event to the user-interface thread.
#include "engine/TavikCore.h"

#include <windows.h>

// Posted to the main window for each engine event: wParam = the SIPCallbackCommand*,
// lParam = 0. The receiver releases the record with Tavik_delSIPCallbackCommand after
// dispatch.
constexpr UINT WM_ENGINE_EVENT = 0x2340;

// The window that receives WM_ENGINE_EVENT: the main window names itself when it is created
// and clears it when it is destroyed. Safe to call and read from any thread.
void SetEngineEventWindow(HWND window);
HWND GetEngineEventWindow();

// The callback object given to Tavik_initialize. OnEvent runs on the engine's thread and
// touches nothing but the record and the target window's handle.
class __VOIP_EVENT final : public SIPCallbackEvent {
public:
    // Posts the record to the event window; when there is no such window, or the post
    // fails, releases the record at once (the event is lost). A null record is ignored.
    void OnEvent(SIPCallbackCommand* record) override;
};
