// The scenario file that makes the stand-in engine act by itself after initialisation.
#include "tests/engine/EngineTestSupport.h"
#include "tests/support/TempDir.h"

#include <gmock/gmock.h>

#include <string>

using namespace engine_test;
using ::testing::ElementsAre;

namespace {

constexpr wchar_t kScenarioVariable[] = L"LUMEO_ENGINE_SCENARIO";

// Names a scenario file in the environment while it exists.
class ScenarioFile {
public:
    explicit ScenarioFile(const std::string& text) : path_(folder_.File(L"scenario.txt"))
    {
        lumeo_test::WriteFileBytes(path_, text);
        SetEnvironmentVariableW(kScenarioVariable, path_.c_str());
    }
    ~ScenarioFile() { SetEnvironmentVariableW(kScenarioVariable, nullptr); }
    ScenarioFile(const ScenarioFile&) = delete;
    ScenarioFile& operator=(const ScenarioFile&) = delete;

private:
    lumeo_test::TempDir folder_;
    std::wstring path_;
};

using EngineScenario = EngineTest;

TEST_F(EngineScenario, ScriptedEventsArriveInTheirOrderWithTheirFields)
{
    const ScenarioFile file("# an incoming call, then a message and a presence notice\r\n"
                            "event 0 3 session=40 remote=bob@example.com display=\"Bob B\" video=1\r\n"
                            "event 5 21 remote=bob@example.com body=\"h\xC3\xA9llo # not a comment\"\n"
                            "event 10 31 remote=carol@example.com status=Busy note=\"in a meeting\"\n"
                            "event x 5\n"                       // unreadable: skipped
                            "event 0 7 session=1 colour=blue\n"); // unknown field: skipped
    RecordingCallback callback;
    EngineSession engine(&callback);
    ASSERT_TRUE(callback.WaitFor(3));
    ASSERT_EQ(0, EngineControl_WaitIdle(engine.Handle(), kPatienceMs));

    const std::vector<ReceivedEvent> events = callback.Events();
    ASSERT_EQ(3u, events.size());
    EXPECT_EQ(3, events[0].type);
    EXPECT_EQ(40, events[0].sessionId);
    EXPECT_EQ("Bob B", events[0].displayName);
    EXPECT_TRUE(events[0].hasVideo);
    EXPECT_EQ(21, events[1].type);
    EXPECT_EQ("h\xE9llo # not a comment", events[1].body);
    EXPECT_EQ(31, events[2].type);
    EXPECT_EQ("Busy", events[2].statusText);

    // The incoming call is known to the engine, and placed calls take ids above it.
    EXPECT_EQ(0, Tavik_answerCall(engine.Handle(), 40));
    int error = 0;
    EXPECT_EQ(41, Tavik_call(engine.Handle(), "dave@example.com", 1, &error));
}

TEST_F(EngineScenario, WithoutTheVariableNothingHappens)
{
    RecordingCallback callback;
    EngineSession engine(&callback);
    EXPECT_EQ(0, EngineControl_WaitIdle(engine.Handle(), kPatienceMs));
    EXPECT_TRUE(callback.Events().empty());
}

} // namespace
