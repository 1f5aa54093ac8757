#pragma once
// The call page under test: the main window of MainFrameTestSupport.h signed in against the
// engine stand-in (placed calls do not progress by themselves: the tests inject each event),
// a call clock the tests set, and readers for what a user or the engine sees of the page: the
// three labels, the lines, the engine journal of call operations, the sounds played and the
// rows of table History.
#include "tests/support/SystemAnswersScope.h"
#include "tests/windows/MainFrameTestSupport.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace windows_test {

struct HistoryEntry {
    std::string text;
    std::string number;
    int callType;
};

// Remote address, display name and the flags of an event for InjectEvent.
struct EventFields {
    const char* remote = nullptr;
    const char* display = nullptr;
    int statusCode = 0;
    const char* statusText = nullptr;
    const char* note = nullptr;
    bool earlyMedia = false;
    bool video = false;
};

// Holds Shift and Ctrl down, as the call page asks of them, for the life of the object.
class HeldKeys : public lumeo_test::SystemAnswersScope {
public:
    explicit HeldKeys(std::vector<int> keys) : m_keys(std::move(keys)) {}
    bool IsKeyDown(int virtualKey) const override;

private:
    const std::vector<int> m_keys;
};

class CallPageTest : public MainFrameTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A main window, signed in (registration success delivered) with the account of
    // UseAccount; the journal, the sounds and the history are empty afterwards.
    void SignInFrame();
    CCallPhonesWnd& Page() const { return *frame->GetCallPage(); }
    const Session& Line(int line) const { return Page().GetLine(line); }

    // Hands an event to the engine, which delivers it through its callback at once, and lets
    // the window dispatch it.
    void InjectEvent(int type, int sessionId, const EventFields& fields = {});
    // An incoming call (event 3).
    void IncomingCall(int sessionId, const char* remote = "bob@sip.example", const char* display = "Bob");
    // Places a call from the dial button with `number` typed; the new session id (0 when
    // none was made).
    int DialFromButton(const wchar_t* number);

    // The labels 1045 to 1047.
    std::array<std::wstring, 3> Labels() const;
    // A line's three stored texts.
    std::array<std::wstring, 3> LineTexts(int line) const;
    std::wstring NumberField() const;
    // Journal lines of the call operations (call, answer, reject, terminate, remote video,
    // hold, unhold, DTMF, conference join), the signed-in engine's handle written as H (also
    // after the sign-out).
    std::vector<std::string> CallJournal() const;
    // The remote video area as the journal writes it.
    std::string RemoteVideo() const;
    // The names of the sounds played, without folder and ".wav".
    std::vector<std::string> Sounds() const;
    std::vector<HistoryEntry> HistoryRows() const;
    // Empties table History.
    void ClearHistory() const;
    // Whether the page's timer ran; it is stopped, and the test drives it from then on.
    bool TakeTimer(UINT_PTR id) const;
    void Tick(UINT_PTR id) const;
    void Command(int id) const;
    // A click on a check box: it toggles, then tells the page.
    void Click(int id) const;
    bool IsChecked(int id) const;
    bool IsEnabled(int id) const;
    void SetChecked(int id, bool checked) const;
    void TypeNumber(const wchar_t* number) const;
    // Enter, as the message loop hands it to the page.
    void PressEnter() const;
    // A WM_KEYDOWN for `target` (the page when null) as the message loop offers it to the
    // window tree: true when a window consumed it.
    bool PressKey(UINT virtualKey, HWND target = nullptr) const;
    // The number field's edit, the window a user types into.
    HWND NumberEdit() const;

    // The call clock: milliseconds and seconds since 1970, moved by the tests.
    static std::uint32_t s_ticks;
    static std::int64_t s_now;
    // Moves both clocks on.
    static void Advance(int seconds);
    // The start time as a history row writes it.
    static std::string TimeText(std::int64_t time);

private:
    // Answers the two clocks from s_ticks and s_now.
    class TestClocks : public lumeo_test::SystemAnswersScope {
    public:
        std::uint32_t GetTicks() const override { return s_ticks; }
        std::int64_t GetNow() const override { return s_now; }
    };
    std::optional<TestClocks> m_clocks;
    TavikHandle m_signedInHandle = 0;
};

} // namespace windows_test
