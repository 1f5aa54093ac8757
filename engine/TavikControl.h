#pragma once
// Test controls of our stand-in TavikCore.dll. They are exported from the same DLL under
// their own prefix, EngineControl_, and are never part of the engine's interface: only test
// programs and benchmarks use them.
//
// Journal lines have the form  name(arg,arg,...)  with the handle first: integers in decimal,
// texts in double quotes (a quote, a backslash and control bytes escaped as \" \\ \xNN; other
// bytes as they are, so UTF-8 stays readable), a null text as null, a window handle as
// hwnd:XXXXXXXX (see HwndText), a caller's out buffer or pointer as out, and the callback
// object of Tavik_initialize as callback (or null). Tavik_delSIPCallbackCommand is not
// journaled: the live-record count follows it.
//
// A program in another process reads the journal through a file: with the environment value
// LUMEO_ENGINE_JOURNAL naming one, every line is also appended to it (clearing the journal
// does not empty the file).
//
// For use by hand, a scenario file named by the environment variable LUMEO_ENGINE_SCENARIO
// makes each new engine deliver scripted events (format in engine/Scenario.h).
#include "engine/TavikCore.h"

#include <cstdio>
#include <string>
#include <vector>

// An event for the engine to deliver (EngineControl_InjectEvent) or a record to build
// (EngineControl_NewRecord). Null texts are empty; a null body means "no body".
struct EngineEventSpec {
    int type;
    int sessionId;
    const char* remoteAddress;
    const char* displayName;
    int statusCode;
    const char* statusText;
    const char* noteText;
    const char* requestText;
    const char* messageBody;
    int earlyMedia;
    int hasVideo;
    int subscribeId;
};

enum EngineDelivery {
    EngineDelivery_EngineThread = 0, // queued, delivered by the engine's own thread
    EngineDelivery_Synchronous = 1,  // delivered on the caller's thread before the call returns
};

enum EngineDeviceKind {
    EngineDevice_Playout = 0,
    EngineDevice_Recording = 1,
    EngineDevice_VideoCapture = 2,
};

// Delays of the simulated SIP service, in milliseconds.
enum EngineTiming {
    EngineTiming_Register = 0,    // Tavik_registerServer -> event 1 or 2
    EngineTiming_CallTrying = 1,  // Tavik_call -> event 4 (trying)
    EngineTiming_CallRinging = 2, // then -> event 5 (ringing)
    EngineTiming_CallAnswer = 3,  // then -> event 6 (answered)
    EngineTiming_Message = 4,     // Tavik_sendPagerMessage -> event 21 (the echo)
};

extern "C" {

// Back to a fresh state: journal empty, no scripted results, default devices and timings,
// counters of failed hand-overs and bad releases at 0. Running engines keep running.
TAVIK_API void TAVIK_CALL EngineControl_Reset(void);

// The journal of engine calls.
TAVIK_API void TAVIK_CALL EngineControl_ClearJournal(void);
TAVIK_API int TAVIK_CALL EngineControl_GetJournalCount(void);
// Copies line `index` (zero-terminated, cut to size - 1); returns the line's full length, or
// -1 when there is no such line.
TAVIK_API int TAVIK_CALL EngineControl_GetJournalEntry(int index, char* buffer, int size);

// The next call of `function` (a Tavik_ name) that reaches an engine returns `result` and
// does nothing else. Several results for one function are used in order.
TAVIK_API int TAVIK_CALL EngineControl_ScriptResult(const char* function, int result);
// The next Tavik_initialize: with giveHandle 0 it returns 0; otherwise it starts an engine
// as usual. In both cases it stores `error` in its out error.
TAVIK_API void TAVIK_CALL EngineControl_ScriptInitialize(int giveHandle, int error);

// Replaces a device list. `names` are UTF-8; `uniqueIds` (capture devices: the text the
// camera settings dialog is given) may be null, and are then made up from the index. Every
// device starts at volume 128. Returns 0, or -1 for a bad kind or count.
TAVIK_API int TAVIK_CALL EngineControl_SetDevices(int kind, const char* const* names,
                                                  const char* const* uniqueIds, int count);
// Sets one delay of the simulated service (an EngineTiming); -1 for a bad argument.
TAVIK_API int TAVIK_CALL EngineControl_SetTiming(int timing, int milliseconds);

// Hands an event to the engine's callback, on the engine thread or synchronously (an
// EngineDelivery). The engine's next session id stays above the event's. 0, or -1 when the
// handle names no running engine.
TAVIK_API int TAVIK_CALL EngineControl_InjectEvent(TavikHandle handle, const EngineEventSpec* event, int delivery);
// Queues `count` copies of an event for the engine thread at once.
TAVIK_API int TAVIK_CALL EngineControl_InjectEvents(TavikHandle handle, const EngineEventSpec* event, int count);

// A record built as the engine builds them, for tests of its readers; release it with
// Tavik_delSIPCallbackCommand.
TAVIK_API SIPCallbackCommand* TAVIK_CALL EngineControl_NewRecord(const EngineEventSpec* event);
// Writes raw bytes (no terminator added) at the start of one of the record's fixed text
// fields, numbered as in the record layout (1..6, 8, 14..16, 19). 0, or -1 when refused.
TAVIK_API int TAVIK_CALL EngineControl_WriteRecordField(SIPCallbackCommand* record, int field, const void* bytes,
                                                        int length);

// Records alive (created and not yet released).
TAVIK_API int TAVIK_CALL EngineControl_GetLiveRecordCount(void);
// Records the callback released before returning from OnEvent: hand-overs that failed.
TAVIK_API int TAVIK_CALL EngineControl_GetFailedHandOverCount(void);
// Calls of Tavik_delSIPCallbackCommand with a record that was not alive (released twice, or
// never made by the engine); such a call does nothing else.
TAVIK_API int TAVIK_CALL EngineControl_GetBadReleaseCount(void);
// Events handed to a callback so far.
TAVIK_API int TAVIK_CALL EngineControl_GetDeliveredCount(void);

// Engines running (initialised and not yet uninitialised).
TAVIK_API int TAVIK_CALL EngineControl_GetEngineCount(void);
// The id of the engine's own thread, 0 when the handle names no running engine.
TAVIK_API DWORD TAVIK_CALL EngineControl_GetEngineThreadId(TavikHandle handle);
// Waits until the engine has nothing queued and is not delivering; 0, or -1 on timeout or
// for an unknown handle.
TAVIK_API int TAVIK_CALL EngineControl_WaitIdle(TavikHandle handle, int timeoutMs);

} // extern "C"

namespace engine_control {

// Every journal line, oldest first.
inline std::vector<std::string> JournalLines()
{
    std::vector<std::string> lines;
    const int count = EngineControl_GetJournalCount();
    lines.reserve(static_cast<size_t>(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i) {
        const int length = EngineControl_GetJournalEntry(i, nullptr, 0);
        if (length < 0)
            break;
        std::string line(static_cast<size_t>(length) + 1, '\0');
        EngineControl_GetJournalEntry(i, line.data(), length + 1);
        line.resize(static_cast<size_t>(length));
        lines.push_back(std::move(line));
    }
    return lines;
}

// A window handle as the journal writes it.
inline std::string HwndText(HWND window)
{
    char text[24];
    std::snprintf(text, sizeof text, "hwnd:%08lX",
                  static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)));
    return text;
}

} // namespace engine_control
