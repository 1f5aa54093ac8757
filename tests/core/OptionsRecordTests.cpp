#include "core/Base64.h"
#include "core/Database.h"
#include "core/OptionsRecord.h"
#include "core/TavikSQL.h"

#include "tests/core/CoreTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using core_test::DatabaseFixtureFolders;

// g_options and g_database are the program's own: every test starts from a fresh record
// and a freshly opened temporary database, and leaves both as it found them.
class LoadOptionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_options = OptionsRecord();
        ASSERT_TRUE(OpenDatabase(g_database, f.folders));
    }
    void TearDown() override
    {
        g_database.Close();
        g_options = OptionsRecord();
    }

    DatabaseFixtureFolders f;
    bool loaded = false;
};

TEST_F(LoadOptionsTest, DefaultRowLoads)
{
    ASSERT_TRUE(LoadOptions(loaded));
    EXPECT_TRUE(loaded);
    const OptionsRecord& o = g_options;
    EXPECT_EQ(o.DTMFPayload, 101);
    EXPECT_EQ(o.DTMFDuration, 160);
    EXPECT_EQ(o.JitBuffer, 4);
    EXPECT_EQ(o.Language, "SP_ENG");
    EXPECT_EQ(o.VideoImageQualityLevel, 2);
    EXPECT_EQ(o.recordFolder, f.RecordFolder());
    EXPECT_EQ(o.logPath, f.RecordFolder());
    EXPECT_EQ(o.ARPath, f.folders.program);
    EXPECT_EQ(o.VRPath, f.folders.program);
    EXPECT_EQ(o.ARName, "RecordFiles");
    EXPECT_EQ(o.VRName, "RecordFiles");
    EXPECT_EQ(o.EnableAudioCodec1, "G.729");
    EXPECT_EQ(o.EnableAudioCodec3, "G.711 uLaw");
    EXPECT_EQ(o.EnableAudioCodec4, "");
    EXPECT_EQ(o.DisableAudioCodec8, "AMR");
    EXPECT_EQ(o.EnableVideoCodec2, "H.263");
    EXPECT_EQ(o.DisableVideoCodec1, "H.263+(1998)");
    EXPECT_EQ(o.DeltaTransmitTimeMS, 40);
    EXPECT_EQ(o.logLevel, -1);
    EXPECT_EQ(o.RtpKeepAlivePayload, 126);
    // The stored row overrides the constructor's defaults where they differ.
    EXPECT_FALSE(o.ANS);
    EXPECT_FALSE(o.callImmediately);
    EXPECT_FALSE(o.displayIdle);
    EXPECT_TRUE(o.showTimeStamp);
    EXPECT_TRUE(o.AutoUpgrade);
    EXPECT_TRUE(o.RtpKeepLive);
    EXPECT_FALSE(o.EnableMwi);
    // Fields without a column keep their defaults.
    EXPECT_TRUE(o.VideoResolutionChanged);
    EXPECT_EQ(o.CurrentAudioInputDeviceId, 0);
}

TEST_F(LoadOptionsTest, StoredValuesAndQuotedText)
{
    const std::string forward = "sip:O'Brien@100%.example \xC4rger";
    ASSERT_TRUE(g_database.Run("update Options set AutoUpgrade = 2, AGC = 2, Language = NULL, ForwardTo = ?, logPath = ?",
                               {forward, Base64Encode(forward, false)}));
    g_options.Language = "SP_FRE";
    ASSERT_TRUE(LoadOptions(loaded));
    EXPECT_TRUE(loaded);
    EXPECT_FALSE(g_options.AutoUpgrade);
    EXPECT_TRUE(g_options.AGC);
    EXPECT_EQ(g_options.Language, "SP_FRE"); // NULL leaves the field as it was
    EXPECT_EQ(g_options.ForwardTo, forward);
    EXPECT_EQ(g_options.logPath, forward);   // the standard alphabet decodes too
}

TEST_F(LoadOptionsTest, TableWithoutRowLeavesDefaultsAndFlagClear)
{
    ASSERT_TRUE(g_database.Exec("delete from Options"));
    EXPECT_TRUE(LoadOptions(loaded));
    EXPECT_FALSE(loaded);
    EXPECT_EQ(g_options.VideoImageQualityLevel, 200);
    EXPECT_EQ(g_options.Language, "");
}

TEST_F(LoadOptionsTest, FailedStatementStillSetsTheFlag)
{
    ASSERT_TRUE(g_database.Exec("drop table Options"));
    EXPECT_FALSE(LoadOptions(loaded));
    EXPECT_TRUE(loaded);
    EXPECT_EQ(g_options.DTMFPayload, 101);
}

TEST(OptionsRecord, ConstructorDefaults)
{
    const OptionsRecord o;
    EXPECT_EQ(o.VideoImageQualityLevel, 200);
    EXPECT_TRUE(o.ANS);
    EXPECT_EQ(o.DeltaTransmitTimeMS, 0);
    EXPECT_TRUE(o.callImmediately && o.showTimeStamp && o.displayIdle && o.defaultSoftphone);
    EXPECT_TRUE(o.AGC && o.AEC && o.KeepLive && o.RtpKeepLive && o.AutoUpgrade && o.VideoResolutionChanged);
    EXPECT_FALSE(o.VAD || o.CNG || o.EnableMwi || o.DisableCABAC);
    EXPECT_EQ(o.DTMFPayload, 101);
    EXPECT_EQ(o.DTMFDuration, 160);
    EXPECT_EQ(o.JitBuffer, 4);
    EXPECT_EQ(o.VideoResolution, 1);
    EXPECT_EQ(o.logLevel, -1);
    EXPECT_EQ(o.RtpKeepAlivePayload, 126);
}

struct RowCase {
    const char* column;
    const char* value; // null: SQL NULL
    std::function<bool(const OptionsRecord&)> holds;
    const char* what;
};

TEST(OnOptionsRow, ConvertsEachColumnByItsField)
{
    const RowCase cases[] = {
        {"AutoUpgrade", "2", [](const OptionsRecord& o) { return !o.AutoUpgrade; }, "exactly-1 bool, 2"},
        {"AutoUpgrade", "1", [](const OptionsRecord& o) { return o.AutoUpgrade; }, "exactly-1 bool, 1"},
        {"EnableMwi", "-1", [](const OptionsRecord& o) { return !o.EnableMwi; }, "exactly-1 bool, -1"},
        {"RtpKeepLive", "0", [](const OptionsRecord& o) { return !o.RtpKeepLive; }, "exactly-1 bool, 0"},
        {"AGC", "2", [](const OptionsRecord& o) { return o.AGC; }, "bool, 2"},
        {"AGC", "0", [](const OptionsRecord& o) { return !o.AGC; }, "bool, 0"},
        {"KeepLive", "-1", [](const OptionsRecord& o) { return o.KeepLive; }, "bool, -1"},
        {"VAD", "yes", [](const OptionsRecord& o) { return !o.VAD; }, "bool, not a number"},
        {"JITBUFFER", "7", [](const OptionsRecord& o) { return o.JitBuffer == 7; }, "name in any case"},
        {"jitbuffer", " -12abc", [](const OptionsRecord& o) { return o.JitBuffer == -12; }, "blanks, sign, tail"},
        {"DTMFPayload", "abc", [](const OptionsRecord& o) { return o.DTMFPayload == 0; }, "no digits"},
        {"DTMFPayload", "+5", [](const OptionsRecord& o) { return o.DTMFPayload == 5; }, "plus sign"},
        {"DTMFPayload", "3.9", [](const OptionsRecord& o) { return o.DTMFPayload == 3; }, "leading number"},
        {"Language", nullptr, [](const OptionsRecord& o) { return o.Language == "SP_ITA"; }, "NULL skipped"},
        {"DTMFPayload", nullptr, [](const OptionsRecord& o) { return o.DTMFPayload == 101; }, "NULL number"},
        {"Language", "SP_RUS", [](const OptionsRecord& o) { return o.Language == "SP_RUS"; }, "text"},
        {"ForwardTo", "a'b%c\xE9", [](const OptionsRecord& o) { return o.ForwardTo == "a'b%c\xE9"; }, "text as is"},
        {"recordFolder", "QzpcUmVj", [](const OptionsRecord& o) { return o.recordFolder == "C:\\Rec"; }, "Base64"},
        {"ARName", "UmVjb3JkRmlsZXM.", [](const OptionsRecord& o) { return o.ARName == "RecordFiles"; },
         "URL-safe Base64"},
        {"VRPath", "Pz8-", [](const OptionsRecord& o) { return o.VRPath == "?\?>"; }, "URL-safe letters"},
        {"VRPath", "Pz8+", [](const OptionsRecord& o) { return o.VRPath == "?\?>"; }, "standard letters"},
        {"VideoResolutionChanged", "0", [](const OptionsRecord& o) { return o.VideoResolutionChanged; },
         "field without a column"},
        {"Nonsense", "1", [](const OptionsRecord& o) { return o.DTMFPayload == 101; }, "unknown column"},
    };
    for (const RowCase& c : cases) {
        g_options = OptionsRecord();
        g_options.Language = "SP_ITA";
        char* values[] = {const_cast<char*>(c.value)};
        char* names[] = {const_cast<char*>(c.column)};
        bool loaded = false;
        EXPECT_EQ(OnOptionsRow(&loaded, 1, values, names), 0);
        EXPECT_TRUE(loaded) << c.what;
        EXPECT_TRUE(c.holds(g_options)) << c.what << ": " << c.column << " = " << (c.value ? c.value : "NULL");
    }
    g_options = OptionsRecord();
}

TEST(OnOptionsRow, WholeRowInOrderWithoutFlag)
{
    g_options = OptionsRecord();
    char* values[] = {const_cast<char*>("5"), nullptr, const_cast<char*>("SP_POR")};
    char* names[] = {const_cast<char*>("DTMFMode"), const_cast<char*>("Priority"), const_cast<char*>("language")};
    EXPECT_EQ(OnOptionsRow(nullptr, 3, values, names), 0);
    EXPECT_EQ(g_options.DTMFMode, 5);
    EXPECT_EQ(g_options.Priority, 0);
    EXPECT_EQ(g_options.Language, "SP_POR");
    g_options = OptionsRecord();
}

} // namespace
