#include "core/OptionsRecord.h"

#include "core/Base64.h"
#include "core/StoredNumber.h"
#include "core/TavikSQL.h"
#include "core/TavikUtility.h"

OptionsRecord g_options;

namespace {

enum class Kind {
    Number,
    Flag,          // true when the number is not 0
    FlagExactlyOne, // true only when the number is 1
    Text,
    Base64Text,
};

// One column of the Options row and the field it fills.
struct OptionField {
    const char* column;
    Kind kind;
    int OptionsRecord::*number;
    bool OptionsRecord::*flag;
    std::string OptionsRecord::*text;
};

constexpr OptionField Number(const char* column, int OptionsRecord::*field)
{
    return {column, Kind::Number, field, nullptr, nullptr};
}
constexpr OptionField Flag(const char* column, bool OptionsRecord::*field, Kind kind = Kind::Flag)
{
    return {column, kind, nullptr, field, nullptr};
}
constexpr OptionField Text(const char* column, std::string OptionsRecord::*field, Kind kind = Kind::Text)
{
    return {column, kind, nullptr, nullptr, field};
}

using R = OptionsRecord;

const OptionField kFields[] = {
    Flag("ReverseLocalVideo", &R::ReverseLocalVideo),
    Flag("ReverseReceivedVideo", &R::ReverseReceivedVideo),
    Flag("ReverseSendingVideo", &R::ReverseSendingVideo),
    Number("VideoImageQualityLevel", &R::VideoImageQualityLevel),
    Text("ForwardTo", &R::ForwardTo),
    Text("BusyForwardTo", &R::BusyForwardTo),
    Flag("AGC", &R::AGC),
    Flag("AEC", &R::AEC),
    Flag("VAD", &R::VAD),
    Flag("CNG", &R::CNG),
    Flag("ANS", &R::ANS),
    Text("recordFolder", &R::recordFolder, Kind::Base64Text),
    Text("ARPath", &R::ARPath, Kind::Base64Text),
    Text("ARName", &R::ARName, Kind::Base64Text),
    Text("VRPath", &R::VRPath, Kind::Base64Text),
    Text("VRName", &R::VRName, Kind::Base64Text),
    Number("DTMFMode", &R::DTMFMode),
    Number("DTMFPayload", &R::DTMFPayload),
    Number("DTMFDuration", &R::DTMFDuration),
    Number("Jitbuffer", &R::JitBuffer),
    Number("AudioInputDeviceId", &R::AudioInputDeviceId),
    Number("AudioOutputDeviceId", &R::AudioOutputDeviceId),
    Number("VideoDeviceId", &R::VideoDeviceId),
    Flag("KeepLive", &R::KeepLive),
    Text("AutoLoginSIPUri", &R::AutoLoginSIPUri),
    Text("EnableAudioCodec1", &R::EnableAudioCodec1),
    Text("EnableAudioCodec2", &R::EnableAudioCodec2),
    Text("EnableAudioCodec3", &R::EnableAudioCodec3),
    Text("EnableAudioCodec4", &R::EnableAudioCodec4),
    Text("EnableAudioCodec5", &R::EnableAudioCodec5),
    Text("EnableAudioCodec6", &R::EnableAudioCodec6),
    Text("EnableAudioCodec7", &R::EnableAudioCodec7),
    Text("EnableAudioCodec8", &R::EnableAudioCodec8),
    Text("EnableAudioCodec9", &R::EnableAudioCodec9),
    Text("EnableAudioCodec10", &R::EnableAudioCodec10),
    Text("EnableAudioCodec11", &R::EnableAudioCodec11),
    Text("DisableAudioCodec1", &R::DisableAudioCodec1),
    Text("DisableAudioCodec2", &R::DisableAudioCodec2),
    Text("DisableAudioCodec3", &R::DisableAudioCodec3),
    Text("DisableAudioCodec4", &R::DisableAudioCodec4),
    Text("DisableAudioCodec5", &R::DisableAudioCodec5),
    Text("DisableAudioCodec6", &R::DisableAudioCodec6),
    Text("DisableAudioCodec7", &R::DisableAudioCodec7),
    Text("DisableAudioCodec8", &R::DisableAudioCodec8),
    Text("DisableAudioCodec9", &R::DisableAudioCodec9),
    Text("DisableAudioCodec10", &R::DisableAudioCodec10),
    Text("DisableAudioCodec11", &R::DisableAudioCodec11),
    Text("EnableVideoCodec1", &R::EnableVideoCodec1),
    Text("EnableVideoCodec2", &R::EnableVideoCodec2),
    Text("EnableVideoCodec3", &R::EnableVideoCodec3),
    Text("DisableVideoCodec1", &R::DisableVideoCodec1),
    Text("DisableVideoCodec2", &R::DisableVideoCodec2),
    Text("DisableVideoCodec3", &R::DisableVideoCodec3),
    Text("NetworkInterface", &R::NetworkInterface),
    Flag("DisableCABAC", &R::DisableCABAC),
    Text("NoAnswerForwardTo", &R::NoAnswerForwardTo),
    Number("NoAnwerWaitSeconds", &R::NoAnwerWaitSeconds),
    Number("AudioRtpMiniPort", &R::AudioRtpMiniPort),
    Number("AudioRtpMaxPort", &R::AudioRtpMaxPort),
    Number("VideoRtpMiniPort", &R::VideoRtpMiniPort),
    Number("VideoRtpMaxPort", &R::VideoRtpMaxPort),
    Text("Language", &R::Language),
    Flag("RtpKeepLive", &R::RtpKeepLive, Kind::FlagExactlyOne),
    Flag("EnableMwi", &R::EnableMwi, Kind::FlagExactlyOne),
    Text("LastLoginUri", &R::LastLoginUri),
    Flag("AutoUpgrade", &R::AutoUpgrade, Kind::FlagExactlyOne),
    Number("VideoResolution", &R::VideoResolution),
    Number("SessionTimerTime", &R::SessionTimerTime),
    Number("AudioDSCP", &R::AudioDSCP),
    Number("AudioServiceType", &R::AudioServiceType),
    Number("VideoDSCP", &R::VideoDSCP),
    Number("VideoServiceType", &R::VideoServiceType),
    Number("logLevel", &R::logLevel),
    Text("logPath", &R::logPath, Kind::Base64Text),
    Number("RtpKeepAlivePayload", &R::RtpKeepAlivePayload),
    Number("DeltaTransmitTimeMS", &R::DeltaTransmitTimeMS),
    Number("Priority", &R::Priority),
    Flag("callImmediately", &R::callImmediately),
    Flag("showTimeStamp", &R::showTimeStamp),
    Flag("displayIdle", &R::displayIdle),
    Flag("defaultSoftphone", &R::defaultSoftphone),
};

const OptionField* FindField(const char* column)
{
    for (const OptionField& field : kFields) {
        if (TavikUtility::CompareNoCase(column, field.column) == 0)
            return &field;
    }
    return nullptr;
}

void Store(OptionsRecord& record, const OptionField& field, const char* value)
{
    switch (field.kind) {
    case Kind::Number:
        record.*field.number = stored_number::LeadingNumber(value);
        break;
    case Kind::Flag:
        record.*field.flag = stored_number::LeadingNumber(value) != 0;
        break;
    case Kind::FlagExactlyOne:
        record.*field.flag = stored_number::LeadingNumber(value) == 1;
        break;
    case Kind::Text:
        record.*field.text = value;
        break;
    case Kind::Base64Text:
        record.*field.text = Base64Decode(value);
        break;
    }
}

} // namespace

int OnOptionsRow(void* argument, int columns, char** values, char** names)
{
    // SQLite calls this from C: nothing may be thrown through it.
    try {
        for (int c = 0; c < columns; ++c) {
            if (!values[c] || !names[c])
                continue;
            if (const OptionField* field = FindField(names[c]))
                Store(g_options, *field, values[c]);
        }
    } catch (...) {
        return 1; // out of memory: stop, the statement reports the failure
    }
    if (argument)
        *static_cast<bool*>(argument) = true;
    return 0;
}

bool LoadOptions(bool& optionsLoaded)
{
    if (!g_database.Exec("select * from Options", OnOptionsRow, &optionsLoaded)) {
        optionsLoaded = true;
        return false;
    }
    return true;
}
