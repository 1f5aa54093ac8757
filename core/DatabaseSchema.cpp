#include "core/DatabaseSchema.h"

#include "core/Base64.h"
#include "core/SqlStatement.h"

#include <cstdlib>
#include <vector>

namespace {

// What the default row holds in a column.
enum class Default {
    Number,        // the value as written
    Text,          // the value as text
    ProgramFolder, // the program folder in URL-safe Base64
    RecordWord,    // "RecordFiles" in URL-safe Base64
    RecordFolder,  // the default record folder in URL-safe Base64
};

struct OptionsColumn {
    const char* name;
    const char* type;
    Default kind;
    const char* value;
};

constexpr OptionsColumn kOptionsColumns[] = {
    {"ID", "integer primary key", Default::Number, "1"},
    {"AGC", "integer", Default::Number, "1"},
    {"AEC", "integer", Default::Number, "1"},
    {"VAD", "integer", Default::Number, "0"},
    {"CNG", "integer", Default::Number, "0"},
    {"ARPath", "nvarchar(512)", Default::ProgramFolder, nullptr},
    {"ARName", "char(128)", Default::RecordWord, nullptr},
    {"VRPath", "nvarchar(512)", Default::ProgramFolder, nullptr},
    {"VRName", "char(128)", Default::RecordWord, nullptr},
    {"DTMFMode", "integer", Default::Number, "0"},
    {"DTMFPayload", "integer", Default::Number, "101"},
    {"DTMFDuration", "integer", Default::Number, "160"},
    {"Jitbuffer", "integer", Default::Number, "4"},
    {"AudioInputDeviceId", "integer", Default::Number, "0"},
    {"AudioOutputDeviceId", "integer", Default::Number, "0"},
    {"VideoDeviceId", "integer", Default::Number, "0"},
    {"KeepLive", "integer", Default::Number, "1"},
    {"AutoLoginSIPUri", "nvarchar(1024)", Default::Text, ""},
    {"EnableAudioCodec1", "char(32)", Default::Text, "G.729"},
    {"EnableAudioCodec2", "char(32)", Default::Text, "G.711 aLaw"},
    {"EnableAudioCodec3", "char(32)", Default::Text, "G.711 uLaw"},
    {"EnableAudioCodec4", "char(32)", Default::Text, ""},
    {"EnableAudioCodec5", "char(32)", Default::Text, ""},
    {"EnableAudioCodec6", "char(32)", Default::Text, ""},
    {"EnableAudioCodec7", "char(32)", Default::Text, ""},
    {"EnableAudioCodec8", "char(32)", Default::Text, ""},
    {"EnableAudioCodec9", "char(32)", Default::Text, ""},
    {"EnableAudioCodec10", "char(32)", Default::Text, ""},
    {"EnableAudioCodec11", "char(32)", Default::Text, ""},
    {"DisableAudioCodec1", "char(32)", Default::Text, "G.722.1"},
    {"DisableAudioCodec2", "char(32)", Default::Text, "G.722"},
    {"DisableAudioCodec3", "char(32)", Default::Text, "AMR-WB"},
    {"DisableAudioCodec4", "char(32)", Default::Text, "SPEEX-WB"},
    {"DisableAudioCodec5", "char(32)", Default::Text, "SPEEX"},
    {"DisableAudioCodec6", "char(32)", Default::Text, "GSM"},
    {"DisableAudioCodec7", "char(32)", Default::Text, "iLBC"},
    {"DisableAudioCodec8", "char(32)", Default::Text, "AMR"},
    {"DisableAudioCodec9", "char(32)", Default::Text, ""},
    {"DisableAudioCodec10", "char(32)", Default::Text, ""},
    {"DisableAudioCodec11", "char(32)", Default::Text, ""},
    {"EnableVideoCodec1", "char(32)", Default::Text, "H.264"},
    {"EnableVideoCodec2", "char(32)", Default::Text, "H.263"},
    {"EnableVideoCodec3", "char(32)", Default::Text, ""},
    {"DisableVideoCodec1", "char(32)", Default::Text, "H.263+(1998)"},
    {"DisableVideoCodec2", "char(32)", Default::Text, ""},
    {"DisableVideoCodec3", "char(32)", Default::Text, ""},
    {"ReverseLocalVideo", "integer", Default::Number, "0"},
    {"ReverseReceivedVideo", "integer", Default::Number, "0"},
    {"ReverseSendingVideo", "integer", Default::Number, "0"},
    {"VideoImageQualityLevel", "integer", Default::Number, "2"},
    {"ForwardTo", "char(512)", Default::Text, ""},
    {"BusyForwardTo", "char(512)", Default::Text, ""},
    {"NetworkInterface", "char(20)", Default::Text, ""},
    {"DisableCABAC", "integer", Default::Number, "0"},
    {"NoAnswerForwardTo", "char(512)", Default::Text, ""},
    {"NoAnwerWaitSeconds", "integer", Default::Number, "0"},
    {"AudioRtpMiniPort", "integer", Default::Number, "0"},
    {"AudioRtpMaxPort", "integer", Default::Number, "0"},
    {"VideoRtpMiniPort", "integer", Default::Number, "0"},
    {"VideoRtpMaxPort", "integer", Default::Number, "0"},
    {"Language", "char(64)", Default::Text, "SP_ENG"},
    {"EnableMwi", "integer", Default::Number, "0"},
    {"RtpKeepLive", "integer", Default::Number, "1"},
    {"LastLoginUri", "nvarchar(1024)", Default::Text, ""},
    {"AutoUpgrade", "integer", Default::Number, "1"},
    {"VideoResolution", "integer", Default::Number, "1"},
    {"SessionTimerTime", "integer", Default::Number, "0"},
    {"AudioDSCP", "integer", Default::Number, "0"},
    {"AudioServiceType", "integer", Default::Number, "0"},
    {"VideoDSCP", "integer", Default::Number, "0"},
    {"VideoServiceType", "integer", Default::Number, "0"},
    {"logLevel", "integer", Default::Number, "-1"},
    {"logPath", "nvarchar(512)", Default::RecordFolder, nullptr},
    {"RtpKeepAlivePayload", "integer", Default::Number, "126"},
    {"DeltaTransmitTimeMS", "integer", Default::Number, "40"},
    {"Priority", "integer", Default::Number, "0"},
    {"defaultSoftphone", "integer", Default::Number, "1"},
    {"displayIdle", "integer", Default::Number, "0"},
    {"showTimeStamp", "integer", Default::Number, "1"},
    {"callImmediately", "integer", Default::Number, "0"},
    {"recordFolder", "nvarchar(512)", Default::RecordFolder, nullptr},
    {"ANS", "integer", Default::Number, "0"},
};

constexpr char kRecordWord[] = "RecordFiles";

} // namespace

std::string CreateOptionsTableStatement()
{
    std::string sql = "create table Options(";
    bool first = true;
    for (const OptionsColumn& column : kOptionsColumns) {
        if (!first)
            sql += ", ";
        first = false;
        sql += column.name;
        sql += ' ';
        sql += column.type;
    }
    sql += ')';
    return sql;
}

bool InsertDefaultOptions(TavikSQL& database, const std::string& programFolder, const std::string& recordFolder)
{
    const std::string encodedProgram = Base64Encode(programFolder, true);
    const std::string encodedWord = Base64Encode(kRecordWord, true);
    const std::string encodedRecord = Base64Encode(recordFolder, true);

    std::string names;
    std::string places;
    std::vector<SqlValue> values;
    for (const OptionsColumn& column : kOptionsColumns) {
        if (!names.empty()) {
            names += ", ";
            places += ", ";
        }
        names += column.name;
        places += '?';
        switch (column.kind) {
        case Default::Number:
            values.emplace_back(std::atoi(column.value));
            break;
        case Default::Text:
            values.emplace_back(column.value);
            break;
        case Default::ProgramFolder:
            values.emplace_back(encodedProgram);
            break;
        case Default::RecordWord:
            values.emplace_back(encodedWord);
            break;
        case Default::RecordFolder:
            values.emplace_back(encodedRecord);
            break;
        }
    }
    SqlStatement insert(database, "insert into Options(" + names + ") values(" + places + ")");
    return insert.Run(values);
}
