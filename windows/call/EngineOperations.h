#pragma once
// The engine operations the call page drives, each passing the main window's engine handle
// first (0 before sign-in, after sign-out and while no main window exists; the engine refuses
// a 0 handle). Only Tavik_call's result is looked at: the new session id, above 0 when the
// engine took the call. The others report nothing the page acts on.
#include "engine/TavikCore.h"

#include <string>

// What an incoming call is refused with: busy lines, do not disturb, a hang-up before answer.
constexpr int kBusyHereCode = 486;
constexpr char kBusyHereReason[] = "Busy here";

// The main window's engine handle; 0 without a main window.
TavikHandle EngineHandle();
// The main window exists and the user is signed in: what every call action asks first.
bool UserSignedIn();

namespace engine_ops {

// Places a call to `callee` (ANSI, passed unchanged); the new session id, 0 or less when refused.
int Call(const std::string& callee);
// Points the call's remote video at the main window's remote video area.
void SetRemoteVideoWindow(int sessionId);
void Answer(int sessionId);
// Refuses an incoming call with 486 "Busy here".
void RejectBusy(int sessionId);
void Terminate(int sessionId);
void Hold(int sessionId);
void UnHold(int sessionId);
// `key` as its character code: '0'..'9', '*', '#'.
void SendDtmf(int sessionId, char key);

} // namespace engine_ops
