#pragma once
// The in-memory copy of the one row of table Options.
#include <string>

struct OptionsRecord {
    bool ReverseLocalVideo = false;
    bool ReverseReceivedVideo = false;
    bool ReverseSendingVideo = false;
    bool VideoResolutionChanged = true; // no column: set when VideoResolution changes, cleared once applied
    int VideoImageQualityLevel = 200;
    std::string ForwardTo;
    std::string BusyForwardTo;
    bool AGC = true;
    bool AEC = true;
    bool VAD = false;
    bool CNG = false;
    bool ANS = true;
    std::string recordFolder; // stored in Base64, held decoded
    std::string ARPath;       // stored in Base64, held decoded
    std::string ARName;       // stored in Base64, held decoded
    std::string VRPath;       // stored in Base64, held decoded
    std::string VRName;       // stored in Base64, held decoded
    int DTMFMode = 0;
    int DTMFPayload = 101;
    int DTMFDuration = 160;
    int JitBuffer = 4; // column Jitbuffer
    int AudioInputDeviceId = 0;
    int AudioOutputDeviceId = 0;
    int CurrentAudioInputDeviceId = 0;  // no column: the device last given to the engine
    int CurrentAudioOutputDeviceId = 0; // no column: the device last given to the engine
    int VideoDeviceId = 0;
    bool KeepLive = true;
    std::string AutoLoginSIPUri;
    // Codec names in the order they go to the engine; an empty entry is a free slot.
    std::string EnableAudioCodec1, EnableAudioCodec2, EnableAudioCodec3, EnableAudioCodec4, EnableAudioCodec5,
        EnableAudioCodec6, EnableAudioCodec7, EnableAudioCodec8, EnableAudioCodec9, EnableAudioCodec10,
        EnableAudioCodec11;
    std::string DisableAudioCodec1, DisableAudioCodec2, DisableAudioCodec3, DisableAudioCodec4, DisableAudioCodec5,
        DisableAudioCodec6, DisableAudioCodec7, DisableAudioCodec8, DisableAudioCodec9, DisableAudioCodec10,
        DisableAudioCodec11;
    std::string EnableVideoCodec1, EnableVideoCodec2, EnableVideoCodec3;
    std::string DisableVideoCodec1, DisableVideoCodec2, DisableVideoCodec3;
    std::string NetworkInterface;
    bool DisableCABAC = false;
    std::string NoAnswerForwardTo;
    int NoAnwerWaitSeconds = 0;
    int AudioRtpMiniPort = 0;
    int AudioRtpMaxPort = 0;
    int VideoRtpMiniPort = 0;
    int VideoRtpMaxPort = 0;
    std::string Language; // a language code such as "SP_ENG"
    bool RtpKeepLive = true;
    bool EnableMwi = false;
    std::string LastLoginUri;
    bool AutoUpgrade = true;
    int VideoResolution = 1;
    int SessionTimerTime = 0;
    int AudioDSCP = 0;
    int AudioServiceType = 0;
    int VideoDSCP = 0;
    int VideoServiceType = 0;
    int logLevel = -1;
    std::string logPath; // stored in Base64, held decoded
    int RtpKeepAlivePayload = 126;
    int DeltaTransmitTimeMS = 0;
    int Priority = 0;
    bool callImmediately = true;
    bool showTimeStamp = true;
    bool displayIdle = true;
    bool defaultSoftphone = true;
};

extern OptionsRecord g_options;

// Row callback of "select * from Options": copies the row into g_options, then sets the
// bool that argument points to (when not null). Returns 0 so SQLite goes on.
int OnOptionsRow(void* argument, int columns, char** values, char** names);

// Loads the Options row of g_database into g_options. optionsLoaded is set once a row has
// been copied, and also when the statement fails, so a caller waiting for it never waits
// for nothing; a table without a row leaves it clear. Returns whether the statement ran.
bool LoadOptions(bool& optionsLoaded);
