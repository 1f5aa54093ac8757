// Lumeo's readers of the engine's event record: scalars, the copy of each text field, and
// the rule that turns UTF-8 texts into the ANSI code page (1252 here).
#include "tests/engine/EngineTestSupport.h"

#include <cstring>
#include <functional>
#include <memory>
#include <string>

using namespace engine_test;

namespace {

// A record made by the engine, released when the test is done with it.
struct RecordDeleter {
    void operator()(SIPCallbackCommand* record) const { Tavik_delSIPCallbackCommand(record); }
};
using Record = std::unique_ptr<SIPCallbackCommand, RecordDeleter>;

Record MakeRecord(const EngineEventSpec& spec)
{
    return Record(EngineControl_NewRecord(&spec));
}

using TextAccessor = bool (SIPCallbackCommand::*)(char*, std::size_t) const;

// Reads one text accessor into a buffer of `size` bytes pre-filled with 'x'.
struct Read {
    bool result;
    std::string buffer;
    std::string Text() const { return buffer.c_str(); }
};

Read ReadText(const SIPCallbackCommand& record, TextAccessor accessor, std::size_t size)
{
    Read read{false, std::string(size, 'x')};
    read.result = (record.*accessor)(read.buffer.data(), size);
    return read;
}

using RecordAccessors = EngineTest;

TEST_F(RecordAccessors, ScalarsComeBackAsTheEngineSetThem)
{
    EngineEventSpec spec = Event(31, 4);
    spec.statusCode = 486;
    spec.subscribeId = 77;
    spec.hasVideo = 1;
    spec.earlyMedia = 1;
    const Record record = MakeRecord(spec);
    EXPECT_EQ(31, record->GetEventType());
    EXPECT_EQ(4, record->GetSessionId());
    EXPECT_EQ(486, record->GetStatusCode());
    EXPECT_EQ(77, record->GetSubscribeId());
    EXPECT_TRUE(record->HasVideo());
    EXPECT_TRUE(record->HasEarlyMedia());

    const Record plain = MakeRecord(Event(5, 1));
    EXPECT_FALSE(plain->HasVideo());
    EXPECT_FALSE(plain->HasEarlyMedia());
}

// The texts that travel as UTF-8 (display name, request text, message body), and what the
// program reads of them.
const struct TextCase {
    const char* name;
    const char* sent;
    const char* read;
} kTextRuleCases[] = {
    {"ASCII", "Alice Smith", "Alice Smith"},
    {"empty", "", ""},
    {"valid UTF-8 to ANSI", "Jos\xC3\xA9 M\xC3\xBCller \xE2\x82\xAC", "Jos\xE9 M\xFCller \x80"},
    {"UTF-8 the code page lacks", "\xD0\x9F\xD1\x80\xD0\xB8", "???"},
    {"invalid UTF-8", "\x80" "abc", "\x80" "abc"},
    {"lone 0xE9 inside", "Caf\xE9 noir", "Caf\xE9 noir"},
    {"lone 0xE9 near the end", "Ren\xE9" "e", "Ren\xE9" "e"},
    {"lone 0xE9 last", "Caf\xE9", "Caf\xE9"},
    {"truncated two-byte lead", "abc\xC3", "abc\xC3"},
    {"truncated three-byte lead", "abc\xE2\x82", "abc\xE2\x82"},
    {"4-byte sequence", "smile \xF0\x9F\x98\x80", "smile \xF0\x9F\x98\x80"},
};

TEST_F(RecordAccessors, TextRuleTable)
{
    for (const TextCase& c : kTextRuleCases) {
        EngineEventSpec spec = Event(21, 1);
        spec.displayName = c.sent;
        spec.requestText = c.sent;
        spec.messageBody = c.sent;
        const Record record = MakeRecord(spec);
        const struct {
            const char* accessor;
            TextAccessor read;
            std::size_t size;
        } accessors[] = {
            {"GetDisplayName", &SIPCallbackCommand::GetDisplayName, 512},
            {"GetRequestText", &SIPCallbackCommand::GetRequestText, 512},
            {"GetMessageBody", &SIPCallbackCommand::GetMessageBody, 4096},
        };
        for (const auto& a : accessors) {
            const Read read = ReadText(*record, a.read, a.size);
            EXPECT_TRUE(read.result) << c.name << ", " << a.accessor;
            EXPECT_EQ(std::string(c.read), read.Text()) << c.name << ", " << a.accessor;
        }
    }
}

TEST_F(RecordAccessors, AddressStatusAndNoteAreCopiedUnchanged)
{
    const char* const utf8 = "Jos\xC3\xA9@example.com";
    EngineEventSpec spec = Event(31, 1);
    spec.remoteAddress = utf8;
    spec.statusText = utf8;
    spec.noteText = utf8;
    const Record record = MakeRecord(spec);
    for (TextAccessor accessor :
         {&SIPCallbackCommand::GetRemoteAddress, &SIPCallbackCommand::GetStatusText, &SIPCallbackCommand::GetNoteText}) {
        const Read read = ReadText(*record, accessor, 512);
        EXPECT_TRUE(read.result);
        EXPECT_EQ(std::string(utf8), read.Text());
    }
}

TEST_F(RecordAccessors, AFullFieldWithoutTerminatorIsCutToTheBuffer)
{
    const Record record = MakeRecord(Event(31, 1));
    const std::string full(512, 'A');
    const std::string next(512, 'B'); // what a reader running past the field would pick up
    const struct {
        int field;
        int following;
        TextAccessor read;
    } cases[] = {
        {1, 2, &SIPCallbackCommand::GetDisplayName}, {3, 4, &SIPCallbackCommand::GetRemoteAddress},
        {6, 0, &SIPCallbackCommand::GetRequestText}, {8, 0, &SIPCallbackCommand::GetStatusText},
        {16, 0, &SIPCallbackCommand::GetNoteText},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(0, EngineControl_WriteRecordField(record.get(), c.field, full.data(), 512));
        if (c.following) {
            ASSERT_EQ(0, EngineControl_WriteRecordField(record.get(), c.following, next.data(), 512));
        }
        // A 512-byte buffer keeps 511 bytes and the terminator; a larger one the whole field.
        const Read exact = ReadText(*record, c.read, 512);
        EXPECT_TRUE(exact.result) << "field " << c.field;
        EXPECT_EQ(std::string(511, 'A'), exact.Text()) << "field " << c.field;
        const Read larger = ReadText(*record, c.read, 600);
        EXPECT_EQ(full, larger.Text()) << "field " << c.field;
    }
}

TEST_F(RecordAccessors, BuffersBelowTheMinimumOrNullAreRefusedUntouched)
{
    EngineEventSpec spec = Event(21, 1);
    spec.remoteAddress = "bob@example.com";
    spec.displayName = "Bob";
    spec.statusText = "OK";
    spec.noteText = "note";
    spec.requestText = "Hi";
    spec.messageBody = "hello";
    const Record record = MakeRecord(spec);
    const struct {
        const char* accessor;
        TextAccessor read;
        std::size_t minimum;
    } cases[] = {
        {"GetRemoteAddress", &SIPCallbackCommand::GetRemoteAddress, 512},
        {"GetStatusText", &SIPCallbackCommand::GetStatusText, 512},
        {"GetNoteText", &SIPCallbackCommand::GetNoteText, 512},
        {"GetDisplayName", &SIPCallbackCommand::GetDisplayName, 512},
        {"GetRequestText", &SIPCallbackCommand::GetRequestText, 512},
        {"GetMessageBody", &SIPCallbackCommand::GetMessageBody, 4096},
        {"GetMessageBodyUtf8", &SIPCallbackCommand::GetMessageBodyUtf8, 4096},
    };
    for (const auto& c : cases) {
        const Read small = ReadText(*record, c.read, c.minimum - 1);
        EXPECT_FALSE(small.result) << c.accessor;
        EXPECT_EQ(std::string(c.minimum - 1, 'x'), small.buffer) << c.accessor;
        EXPECT_FALSE(((*record).*c.read)(nullptr, c.minimum)) << c.accessor;
        EXPECT_TRUE(ReadText(*record, c.read, c.minimum).result) << c.accessor;
    }
}

TEST_F(RecordAccessors, AMessageWithoutBodyHasNoBody)
{
    const Record record = MakeRecord(Event(21, 1)); // messageBody null
    const Read read = ReadText(*record, &SIPCallbackCommand::GetMessageBody, 4096);
    EXPECT_FALSE(read.result);
    EXPECT_EQ(std::string(4096, 'x'), read.buffer);

    EngineEventSpec empty = Event(21, 1);
    empty.messageBody = "";
    EXPECT_TRUE(ReadText(*MakeRecord(empty), &SIPCallbackCommand::GetMessageBody, 4096).result);
}

TEST_F(RecordAccessors, TheBodyAsItCameKeepsWhatTheAnsiCodePageCannotShow)
{
    const std::string cyrillic = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";   // "Privet"
    EngineEventSpec spec = Event(21, 1);
    spec.messageBody = cyrillic.c_str();
    const Record record = MakeRecord(spec);
    EXPECT_EQ(cyrillic, ReadText(*record, &SIPCallbackCommand::GetMessageBodyUtf8, 4096).Text());
    EXPECT_NE(cyrillic, ReadText(*record, &SIPCallbackCommand::GetMessageBody, 4096).Text());
    EXPECT_FALSE(ReadText(*MakeRecord(Event(21, 1)), &SIPCallbackCommand::GetMessageBodyUtf8, 4096).result);
    const std::string ascii(5000, 'm');
    spec.messageBody = ascii.c_str();
    EXPECT_EQ(std::string(4095, 'm'), ReadText(*MakeRecord(spec), &SIPCallbackCommand::GetMessageBodyUtf8, 4096).Text());
}

TEST_F(RecordAccessors, ALongBodyIsCutToItsBuffer)
{
    const std::string ascii(5000, 'm');
    EngineEventSpec spec = Event(21, 1);
    spec.messageBody = ascii.c_str();
    const Record record = MakeRecord(spec);
    EXPECT_EQ(std::string(4095, 'm'), ReadText(*record, &SIPCallbackCommand::GetMessageBody, 4096).Text());
    EXPECT_EQ(ascii, ReadText(*record, &SIPCallbackCommand::GetMessageBody, 6000).Text());
}

TEST_F(RecordAccessors, IsUtf8Table)
{
    const struct {
        const char* bytes;
        bool utf8;
    } cases[] = {
        {"", true},
        {"plain", true},
        {"\xC3\xA9", true},
        {"\xE2\x82\xAC", true},
        {"\xC3", true},           // a two-byte lead as the last byte
        {"ab\xE2\x82", true},     // a three-byte lead with fewer than three bytes left
        {"\xE9" "e", true},       // likewise, even though "e" continues nothing
        {"\x80", false},          // a continuation byte first
        {"\xC3\x41", false},      // a lead not followed by a continuation
        {"\xE2\x41\x41", false},
        {"\xE9t\xE9", false},
        {"\xF0\x9F\x98\x80", false}, // four-byte sequences are refused
        {"\xFF", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.utf8, SIPCallbackCommand::IsUtf8(c.bytes, std::strlen(c.bytes))) << c.bytes;
}

TEST_F(RecordAccessors, Utf8ToAnsiRefusesWhatDoesNotFitAndLeavesTheBuffer)
{
    const char* const text = "Jos\xC3\xA9"; // 4 characters in the code page
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_FALSE(SIPCallbackCommand::Utf8ToAnsi(text, std::strlen(text), buffer, 4));
    EXPECT_EQ(0, std::memcmp(buffer, "xxxxxxxx", 8));
    EXPECT_TRUE(SIPCallbackCommand::Utf8ToAnsi(text, std::strlen(text), buffer, 5));
    EXPECT_STREQ("Jos\xE9", buffer);
    EXPECT_FALSE(SIPCallbackCommand::Utf8ToAnsi("abc\xC3", 4, buffer, sizeof buffer)); // invalid sequence
}

} // namespace
