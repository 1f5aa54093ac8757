#include "windows/call/EngineOperations.h"

#include "windows/main/MainFrame.h"

TavikHandle EngineHandle()
{
    return g_pMainFrame ? g_pMainFrame->GetEngineHandle() : 0;
}

bool UserSignedIn()
{
    return g_pMainFrame && g_pMainFrame->IsSignedIn();
}

namespace engine_ops {

int Call(const std::string& callee)
{
    // The engine's error code is not read: the session id alone says whether it took the call.
    int error = 0;
    return Tavik_call(EngineHandle(), callee.c_str(), 1, &error);
}

void SetRemoteVideoWindow(int sessionId)
{
    Tavik_setRemoteVideoWindow(EngineHandle(), sessionId, g_pMainFrame ? g_pMainFrame->GetRemoteVideoHwnd() : nullptr);
}

void Answer(int sessionId)
{
    Tavik_answerCall(EngineHandle(), sessionId);
}

void RejectBusy(int sessionId)
{
    Tavik_rejectCall(EngineHandle(), sessionId, kBusyHereCode, kBusyHereReason);
}

void Terminate(int sessionId)
{
    Tavik_terminateCall(EngineHandle(), sessionId);
}

void Hold(int sessionId)
{
    Tavik_hold(EngineHandle(), sessionId);
}

void UnHold(int sessionId)
{
    Tavik_unHold(EngineHandle(), sessionId);
}

void SendDtmf(int sessionId, char key)
{
    Tavik_sendDTMF(EngineHandle(), sessionId, static_cast<unsigned char>(key));
}

} // namespace engine_ops
