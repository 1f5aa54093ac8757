#pragma once
// The interface of TavikCore, the SIP and media engine Lumeo drives. Included by Lumeo's
// binding (core/) and by our stand-in engine (engine/), so both sides agree on every
// signature and on the event record's layout.
//
// Choices where the engine's contract leaves a type open:
// - Calling convention: __stdcall for every exported function (TAVIK_CALL), C linkage, and
//   exported undecorated ("Tavik_call", never "_Tavik_call@16"). The import library binds
//   the decorated names to the undecorated exports.
// - TavikHandle: an opaque 32-bit unsigned value; 0 = no engine. Any call made with handle 0
//   (or with a handle that is no longer initialised) does nothing and reports a refusal.
// - Results: int. 0 = accepted; a negative value = refused. Tavik_call returns the new
//   session id (> 0); the getters return a count or a volume 0..255 (0 without an engine).
// - Flags are int (0 = off, anything else = on); window handles are HWND.
// - Tavik_initialize's out error is an int, 0 = no error.
// - Texts are narrow and zero-terminated. Addresses, notes and reasons are in the ANSI code
//   page; message bodies, device names and the recording folder and file name are UTF-8.
// - The callback's OnEvent is a plain virtual member function (this-call).
#include <windows.h>

#include <cstddef>
#include <cstdint>

#define TAVIK_CALL __stdcall
#ifdef TAVIK_BUILDING_ENGINE
#define TAVIK_API
#else
#define TAVIK_API __declspec(dllimport)
#endif

typedef std::uint32_t TavikHandle;

class SIPCallbackCommand;

// The engine's callback: the engine calls OnEvent on its own thread, once per event, with a
// record it allocated. The receiver owns the record from then on and must release it with
// Tavik_delSIPCallbackCommand, exactly once.
class SIPCallbackEvent {
public:
    virtual void OnEvent(SIPCallbackCommand* record) = 0;

protected:
    SIPCallbackEvent() = default;
    ~SIPCallbackEvent() = default; // the engine never deletes the callback object
    SIPCallbackEvent(const SIPCallbackEvent&) = default;
    SIPCallbackEvent& operator=(const SIPCallbackEvent&) = default;
};

// One engine event. The engine creates it (its constructor and destructor live in the
// engine) and releases it in Tavik_delSIPCallbackCommand; the program only reads it through
// the accessors below, which are the program's own. The layout is the engine's binary
// contract: the virtual-table pointer, then the fields in this order, 32-bit fields on
// multiples of 4 (checked at the end of this header).
class SIPCallbackCommand {
public:
    static constexpr std::size_t kTextFieldSize = 512;  // every fixed text field
    static constexpr std::size_t kMinTextBuffer = 512;  // smallest buffer the text accessors fill
    static constexpr std::size_t kMinBodyBuffer = 4096; // smallest buffer for the message body

    virtual ~SIPCallbackCommand();

    SIPCallbackCommand(const SIPCallbackCommand&) = delete;
    SIPCallbackCommand& operator=(const SIPCallbackCommand&) = delete;

    int GetEventType() const { return eventType_; }
    int GetSessionId() const { return sessionId_; }
    int GetStatusCode() const { return statusCode_; }
    int GetSubscribeId() const { return subscribeId_; }
    bool HasVideo() const { return hasVideo_ != 0; }
    bool HasEarlyMedia() const { return earlyMedia_ != 0; }

    // Text accessors: false (buffer untouched) when the buffer is null or smaller than the
    // minimum; otherwise they fill it, always zero-terminated, and return true. At most
    // size - 1 bytes of text are copied.
    bool GetRemoteAddress(char* buffer, std::size_t size) const; // as sent, without "sip:"
    bool GetStatusText(char* buffer, std::size_t size) const;    // as sent
    bool GetNoteText(char* buffer, std::size_t size) const;      // as sent
    bool GetDisplayName(char* buffer, std::size_t size) const;   // UTF-8 turned to ANSI when valid
    bool GetRequestText(char* buffer, std::size_t size) const;   // UTF-8 turned to ANSI when valid
    bool GetMessageBody(char* buffer, std::size_t size) const;   // false also when there is no body
    // The body's bytes as they came (UTF-8), for a reader that decodes them to wide text
    // itself, as the ANSI code page would lose what it cannot show; otherwise as GetMessageBody.
    bool GetMessageBodyUtf8(char* buffer, std::size_t size) const;

    // The engine's loose UTF-8 test: a text that merely ends in an unfinished two- or
    // three-byte sequence still passes; four-byte sequences do not.
    static bool IsUtf8(const char* bytes, std::size_t length);
    // Converts `length` bytes of UTF-8 into the ANSI code page, zero-terminated; false (buffer
    // untouched) when the text is not valid UTF-8 or the result does not fit.
    static bool Utf8ToAnsi(const char* text, std::size_t length, char* buffer, std::size_t size);

protected:
    SIPCallbackCommand();

    char displayName_[kTextFieldSize];   // 1: remote party's display name, UTF-8
    char reserved2_[kTextFieldSize];     // 2
    char remoteAddress_[kTextFieldSize]; // 3: remote address without the "sip:" scheme
    char reserved4_[kTextFieldSize];     // 4
    char reserved5_[kTextFieldSize];     // 5
    char requestText_[kTextFieldSize];   // 6: presence subscription request text, UTF-8
    std::int32_t statusCode_;            // 7: SIP status code of a failure or close
    char statusText_[kTextFieldSize];    // 8: reason or status text
    std::int32_t eventType_;             // 9: 1..32
    std::uint8_t earlyMedia_;            // 10: the far end sends its own ring-back
    std::int32_t sessionId_;             // 11: engine session id of the call concerned
    char* messageBody_;                  // 12: heap text of an instant message, UTF-8, may be null
    char* reserved13_;                   // 13: second heap buffer
    char reserved14_[kTextFieldSize];    // 14
    char reserved15_[kTextFieldSize];    // 15
    char noteText_[kTextFieldSize];      // 16: status note
    char reserved17_[516];               // 17
    std::uint8_t hasVideo_;              // 18: the call carries video
    char reserved19_[kTextFieldSize];    // 19
    std::int32_t reserved20_[8];         // 20: zero when cleared
    std::int32_t reserved21_;            // 21: -1 when cleared
    std::int32_t subscribeId_;           // 22: presence subscription id

private:
    friend struct SIPCallbackCommandLayout;
};

// The record's offsets. On i686 they are the outside engine's layout and must not move; the
// x86_64 build has no outside engine to match, so there the same fields keep their order with
// their natural alignment, pinned so that a change to the record is always a deliberate one.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
struct SIPCallbackCommandLayout {
    struct Offsets {
        std::size_t displayName, remoteAddress, requestText, statusCode, statusText, eventType,
            earlyMedia, sessionId, messageBody, reserved13, noteText, reserved17, hasVideo,
            reserved19, reserved20, reserved21, subscribeId, size;
    };
#if defined(__i386__)
    static constexpr Offsets kExpected{4, 1028, 2564, 3076, 3080, 3592, 3596, 3600, 3604,
                                       3608, 4636, 5148, 5664, 5665, 6180, 6212, 6216, 6220};
#elif defined(__x86_64__)
    static constexpr Offsets kExpected{8, 1032, 2568, 3080, 3084, 3596, 3600, 3604, 3608,
                                       3616, 4648, 5160, 5676, 5677, 6192, 6224, 6228, 6232};
#else
#error "SIPCallbackCommand's layout is pinned for i686 and x86_64 only"
#endif
    static_assert(offsetof(SIPCallbackCommand, displayName_) == kExpected.displayName, "field 1");
    static_assert(offsetof(SIPCallbackCommand, remoteAddress_) == kExpected.remoteAddress, "field 3");
    static_assert(offsetof(SIPCallbackCommand, requestText_) == kExpected.requestText, "field 6");
    static_assert(offsetof(SIPCallbackCommand, statusCode_) == kExpected.statusCode, "field 7");
    static_assert(offsetof(SIPCallbackCommand, statusText_) == kExpected.statusText, "field 8");
    static_assert(offsetof(SIPCallbackCommand, eventType_) == kExpected.eventType, "field 9");
    static_assert(offsetof(SIPCallbackCommand, earlyMedia_) == kExpected.earlyMedia, "field 10");
    static_assert(offsetof(SIPCallbackCommand, sessionId_) == kExpected.sessionId, "field 11");
    static_assert(offsetof(SIPCallbackCommand, messageBody_) == kExpected.messageBody, "field 12");
    static_assert(offsetof(SIPCallbackCommand, reserved13_) == kExpected.reserved13, "field 13");
    static_assert(offsetof(SIPCallbackCommand, noteText_) == kExpected.noteText, "field 16");
    static_assert(offsetof(SIPCallbackCommand, reserved17_) == kExpected.reserved17, "field 17");
    static_assert(offsetof(SIPCallbackCommand, hasVideo_) == kExpected.hasVideo, "field 18");
    static_assert(offsetof(SIPCallbackCommand, reserved19_) == kExpected.reserved19, "field 19");
    static_assert(offsetof(SIPCallbackCommand, reserved20_) == kExpected.reserved20, "field 20");
    static_assert(offsetof(SIPCallbackCommand, reserved21_) == kExpected.reserved21, "field 21");
    static_assert(offsetof(SIPCallbackCommand, subscribeId_) == kExpected.subscribeId, "field 22");
    static_assert(sizeof(SIPCallbackCommand) == kExpected.size, "record size");
};
#pragma GCC diagnostic pop

extern "C" {

// Life. Tavik_initialize takes no handle: it starts an engine (and its thread) and returns
// its handle; 0, or a non-zero *error, is failure.
TAVIK_API TavikHandle TAVIK_CALL Tavik_initialize(SIPCallbackEvent* callback, int transport, int logLevel,
                                                  const char* logFolder, int mode, const char* agent,
                                                  const char* stunServer, int stunPort, int reserved1,
                                                  int reserved2, int* error);
// Stops the engine and its thread; no callback runs once it has returned.
TAVIK_API int TAVIK_CALL Tavik_unInitialize(TavikHandle handle);

// Account.
TAVIK_API int TAVIK_CALL Tavik_getLocalIP(TavikHandle handle, int index, char* buffer, int size);
TAVIK_API int TAVIK_CALL Tavik_getLocalIP6(TavikHandle handle, int index, char* buffer, int size);
TAVIK_API int TAVIK_CALL Tavik_setUserInfo(TavikHandle handle, const char* userName, const char* displayName,
                                           const char* authName, const char* password, const char* localIp,
                                           int localPort, const char* domain, const char* proxy, int proxyPort,
                                           const char* outboundServer, int outboundPort);
TAVIK_API int TAVIK_CALL Tavik_registerServer(TavikHandle handle, int expirySeconds);
TAVIK_API int TAVIK_CALL Tavik_unRegisterServer(TavikHandle handle);

// Events: releases a record the engine handed to the callback. Takes no handle and works
// after Tavik_unInitialize too; a null record is ignored.
TAVIK_API void TAVIK_CALL Tavik_delSIPCallbackCommand(SIPCallbackCommand* record);

// Devices (indexes into the engine's device lists).
TAVIK_API int TAVIK_CALL Tavik_setAudioDeviceId(TavikHandle handle, int inputDevice, int outputDevice);
TAVIK_API int TAVIK_CALL Tavik_setVideoDeviceId(TavikHandle handle, int device);
TAVIK_API int TAVIK_CALL Tavik_getNumOfPlayoutDevices(TavikHandle handle);
TAVIK_API int TAVIK_CALL Tavik_getPlayoutDeviceName(TavikHandle handle, int index, char* name, int size);
TAVIK_API int TAVIK_CALL Tavik_getNumOfRecordingDevices(TavikHandle handle);
TAVIK_API int TAVIK_CALL Tavik_getRecordingDeviceName(TavikHandle handle, int index, char* name, int size);
TAVIK_API int TAVIK_CALL Tavik_getNumOfVideoCaptureDevices(TavikHandle handle);
TAVIK_API int TAVIK_CALL Tavik_getVideoCaptureDeviceName(TavikHandle handle, int index, char* uniqueId,
                                                         int uniqueIdSize, char* name, int nameSize);
TAVIK_API int TAVIK_CALL Tavik_showVideoCaptureSettingsDialogBox(TavikHandle handle, const char* uniqueId,
                                                                 int uniqueIdLength, const char* title,
                                                                 HWND parent, int x, int y);
TAVIK_API int TAVIK_CALL Tavik_audioPlayLoopbackTest(TavikHandle handle, int enable);

// Volumes (0..255) of the chosen microphone and speaker.
TAVIK_API int TAVIK_CALL Tavik_getMicVolume(TavikHandle handle);
TAVIK_API int TAVIK_CALL Tavik_getSpeakerVolume(TavikHandle handle);
TAVIK_API int TAVIK_CALL Tavik_setMicVolume(TavikHandle handle, int volume);
TAVIK_API int TAVIK_CALL Tavik_setSpeakerVolume(TavikHandle handle, int volume);
TAVIK_API int TAVIK_CALL Tavik_muteMicrophone(TavikHandle handle, int mute);
TAVIK_API int TAVIK_CALL Tavik_muteSpeaker(TavikHandle handle, int mute);

// Media processing.
TAVIK_API int TAVIK_CALL Tavik_enableAEC(TavikHandle handle, int enable);
TAVIK_API int TAVIK_CALL Tavik_enableAGC(TavikHandle handle, int enable);
TAVIK_API int TAVIK_CALL Tavik_enableVAD(TavikHandle handle, int enable);
TAVIK_API int TAVIK_CALL Tavik_enableCNG(TavikHandle handle, int enable);
TAVIK_API int TAVIK_CALL Tavik_setVideoBitrate(TavikHandle handle, int kbitPerSecond);
TAVIK_API int TAVIK_CALL Tavik_setVideoResolution(TavikHandle handle, int resolutionCode); // 1..6

// Video.
TAVIK_API int TAVIK_CALL Tavik_setLocalVideoWindow(TavikHandle handle, HWND window);
TAVIK_API int TAVIK_CALL Tavik_viewLocalVideo(TavikHandle handle, int enable);
TAVIK_API int TAVIK_CALL Tavik_setRemoteVideoWindow(TavikHandle handle, int sessionId, HWND window);
TAVIK_API int TAVIK_CALL Tavik_startVideoSending(TavikHandle handle, int sessionId, int send);

// DTMF.
TAVIK_API int TAVIK_CALL Tavik_enableDTMFOfInfo(TavikHandle handle);
TAVIK_API int TAVIK_CALL Tavik_enableDTMFOfRFC2833(TavikHandle handle, int payloadType);
TAVIK_API int TAVIK_CALL Tavik_setDTMFSamples(TavikHandle handle, int durationMs);
TAVIK_API int TAVIK_CALL Tavik_sendDTMF(TavikHandle handle, int sessionId, int key); // key: '0'..'9', '*', '#'

// Network.
TAVIK_API int TAVIK_CALL Tavik_setSrtpPolicy(TavikHandle handle, int policy);
TAVIK_API int TAVIK_CALL Tavik_setRtpPortRange(TavikHandle handle, int audioMinPort, int audioMaxPort,
                                               int videoMinPort, int videoMaxPort);
TAVIK_API int TAVIK_CALL Tavik_enableSessionTimer(TavikHandle handle, int seconds, int refresher);
TAVIK_API int TAVIK_CALL Tavik_setRtpKeepAlive(TavikHandle handle, int enable, int payloadType, int intervalMs);
TAVIK_API int TAVIK_CALL Tavik_enableCheckMwi(TavikHandle handle, int enable);
TAVIK_API int TAVIK_CALL Tavik_setAudioQos(TavikHandle handle, int enable, int dscp, int priority);
TAVIK_API int TAVIK_CALL Tavik_setVideoQos(TavikHandle handle, int enable, int dscp);

// Forwarding.
TAVIK_API int TAVIK_CALL Tavik_enableCallForwarding(TavikHandle handle, int busyOnly, const char* target);
TAVIK_API int TAVIK_CALL Tavik_disableCallForwarding(TavikHandle handle);

// Codecs: the list order is the order of adding.
TAVIK_API int TAVIK_CALL Tavik_clearAudioCodec(TavikHandle handle);
TAVIK_API int TAVIK_CALL Tavik_addAudioCodec(TavikHandle handle, int codecId);
TAVIK_API int TAVIK_CALL Tavik_clearVideoCodec(TavikHandle handle);
TAVIK_API int TAVIK_CALL Tavik_addVideoCodec(TavikHandle handle, int codecId);

// Calls. Tavik_call returns the new session id (> 0), or 0 or less when refused.
TAVIK_API int TAVIK_CALL Tavik_call(TavikHandle handle, const char* callee, int mode, int* error);
TAVIK_API int TAVIK_CALL Tavik_answerCall(TavikHandle handle, int sessionId);
TAVIK_API int TAVIK_CALL Tavik_rejectCall(TavikHandle handle, int sessionId, int statusCode, const char* reason);
TAVIK_API int TAVIK_CALL Tavik_terminateCall(TavikHandle handle, int sessionId);
TAVIK_API int TAVIK_CALL Tavik_hold(TavikHandle handle, int sessionId);
TAVIK_API int TAVIK_CALL Tavik_unHold(TavikHandle handle, int sessionId);
TAVIK_API int TAVIK_CALL Tavik_refer(TavikHandle handle, int sessionId, const char* target);

// Conference and recording.
TAVIK_API int TAVIK_CALL Tavik_createConference(TavikHandle handle, HWND videoWindow, int resolutionCode,
                                                int option);
TAVIK_API int TAVIK_CALL Tavik_joinToConference(TavikHandle handle, int sessionId);
TAVIK_API int TAVIK_CALL Tavik_destroyConference(TavikHandle handle);
TAVIK_API int TAVIK_CALL Tavik_startAudioRecording(TavikHandle handle, const char* folder, const char* fileName,
                                                   int option1, int option2, int option3);
TAVIK_API int TAVIK_CALL Tavik_stopAudioRecording(TavikHandle handle);

// Messages and presence.
TAVIK_API int TAVIK_CALL Tavik_sendPagerMessage(TavikHandle handle, const char* to, const char* body);
TAVIK_API int TAVIK_CALL Tavik_presenceSubscribeContact(TavikHandle handle, const char* address,
                                                        const char* note);
TAVIK_API int TAVIK_CALL Tavik_presenceAcceptSubscribe(TavikHandle handle, int subscribeId);
TAVIK_API int TAVIK_CALL Tavik_presenceRejectSubscribe(TavikHandle handle, int subscribeId);
TAVIK_API int TAVIK_CALL Tavik_presenceOnline(TavikHandle handle, int subscribeId, const char* status);
TAVIK_API int TAVIK_CALL Tavik_presenceOffline(TavikHandle handle, int subscribeId);

} // extern "C"
