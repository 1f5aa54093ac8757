#pragma once
// The main window under test: made from the shipped skin in a temporary program folder, with
// a fresh database, every UI text set to "<section>/<key>", the engine stand-in's journal
// cleared, and the system table's shell, tray, sound, pause and popup-menu answers recording
// instead of acting.
// Its pages are recording subclasses of the real ones, so a test sees what the window hands
// them.
#include "config/ProvisionThread.h"
#include "engine/TavikControl.h"
#include "framework/FileDialog.h"
#include "skin/ui/UIWnd.h"
#include "skin/ui/factories/ControlFactoryTable.h"
#include "tests/support/ProgramFolderScope.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/SystemAnswersScope.h"
#include "windows/call/CallPhonesWnd.h"
#include "windows/contacts/ContactsWnd.h"
#include "windows/history/HistoryWnd.h"
#include "windows/main/MainFrame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace windows_test {

// Dispatches what is queued for this thread, without waiting.
void PumpPending();

// Event types as each page received them, in order.
struct PageLog {
    std::vector<int> contacts;
    std::vector<int> calls;
    std::vector<std::string> log;   // every page call, in order: "contacts:21", "history:load" ...
};

class RecordingContacts : public CContactsWnd {
public:
    explicit RecordingContacts(PageLog& log) : m_log(log) {}
    void OnSipEvent(SIPCallbackCommand* record) override;
    bool passOn = false;   // the contacts page's own handling runs too
    // Runs inside OnSipEvent, before it returns (a modal window, for instance).
    std::function<void(int type)> whileHandling;
    // Then given the record itself (to hand it to a tree of the test's own, for instance).
    std::function<void(SIPCallbackCommand* record)> handleRecord;
    int depth = 0;
    int deepest = 0;

private:
    PageLog& m_log;
};

class RecordingCalls : public CCallPhonesWnd {
public:
    explicit RecordingCalls(PageLog& log) : m_log(log) {}
    void OnSipEvent(SIPCallbackCommand* record) override;
    bool passOn = true;   // the call page's own handling runs too

private:
    PageLog& m_log;
};

class RecordingHistory : public CHistoryWnd {
public:
    explicit RecordingHistory(PageLog& log) : m_log(log) {}
    void LoadHistory() override;
    void DeleteAllItems(bool alsoFromDatabase) override;
    bool passOn = false;   // the history page's own handling runs too

private:
    PageLog& m_log;
};

// An update worker that counts the checks it is asked for.
class CountingWorker : public CProvisionThread {
    DECLARE_DYNCREATE(CountingWorker)
public:
    static HANDLE CheckedEvent();   // set at each check
    static long Checks();
    static void ResetCount();

protected:
    void CheckForUpdate() override;
};

// The main window with recording pages and a counting update worker.
class TestMainFrame : public CMainFrame {
public:
    explicit TestMainFrame(PageLog& log, bool withWorker = true);
    RecordingContacts* Contacts() { return static_cast<RecordingContacts*>(m_pContactsWnd); }
    // As the window hands them out: made when not yet.
    RecordingCalls* Calls() { return static_cast<RecordingCalls*>(GetCallPage()); }
    RecordingHistory* History() { return static_cast<RecordingHistory*>(GetHistoryPage()); }
    void Command(UINT id) { SendMessage(WM_COMMAND, id, 0); }
};

// One call of a seam.
struct ShellCall {
    std::wstring verb;
    std::wstring file;
};
struct TrayCall {
    DWORD message;
    UINT id;
    UINT flags;
    UINT callbackMessage;
    std::wstring tip;
};

// Answers the modal skinned windows that open while it lives: each WM_INITDIALOG ends the
// window with the next scripted result (IDCANCEL when the script has run out) and records the
// skin id of the window it ended.
class ModalAnswers {
public:
    explicit ModalAnswers(std::vector<int> results);
    ~ModalAnswers();
    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;

    const std::vector<std::wstring>& Windows() const;
    // Runs with each window just before it is ended.
    std::function<void(Vexel::CUIWnd&)> inspect;

private:
    HHOOK m_hook = nullptr;
};

// Every skinned control kind, with plain system buttons and labels in place of four of them
// (PUSHBUTTON, CHECK, RADIO, STATIC) for the life of the object: they keep their text and check state, which is all the
// main window asks of them. The kinds that were there come back afterwards.
class PlainControlKinds {
public:
    PlainControlKinds();
    ~PlainControlKinds();
    PlainControlKinds(const PlainControlKinds&) = delete;
    PlainControlKinds& operator=(const PlainControlKinds&) = delete;

private:
    std::vector<Vexel::ControlKind> m_previous;
};

class MainFrameTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window as start-up does (hidden) and stops its sign-in timer, which the
    // tests fire themselves.
    void CreateFrame(bool withWorker = true);
    // A complete account in g_account whose password is "secret".
    void UseAccount();
    // Journal lines with the engine handle written as H.
    std::vector<std::string> Journal() const;
    // Journal lines of one function.
    std::vector<std::string> JournalOf(const std::string& function) const;
    // An event record as the engine makes them; released by whoever gets it.
    static SIPCallbackCommand* NewEvent(int type, int statusCode = 0, const char* statusText = nullptr);
    // Posts the record to the window as the engine callback does and lets the queue run.
    void Deliver(SIPCallbackCommand* record);
    std::wstring StatusText() const;
    std::wstring ControlText(int id) const;
    // A label of the call page.
    std::wstring CallPageText(int id) const;
    // Dispatches this thread's messages until `done` holds or ten seconds have passed.
    static bool PumpUntil(const std::function<bool()>& done);

    lumeo_test::ProgramFolderScope folder;
    PlainControlKinds controlKinds;
    PageLog pages;
    std::unique_ptr<TestMainFrame> frame;
    lumeo_test::ScriptedPrompts prompts{IDOK};
    static std::vector<ShellCall> s_shell;
    static std::vector<TrayCall> s_tray;
    static std::vector<std::wstring> s_sounds;
    static std::vector<DWORD> s_soundFlags;     // the flags of each sound, in step with s_sounds
    static std::vector<DWORD> s_pauses;
    static std::vector<UINT> s_menus;           // menus opened, by resource id
    static std::wstring s_lastMenuCheck;        // the checked language item's text, if any
    static std::wstring s_firstItemDrawn;       // what a skinned menu draws for its first item
    static UINT s_menuAnswer;                   // command the next menu answers with (0: none)

private:
    // Records the shell, tray, sound, pause and popup-menu calls in the lists above; a menu
    // answers s_menuAnswer.
    class ShellAnswers : public lumeo_test::SystemAnswersScope {
    public:
        void ShellOpen(HWND owner, LPCWSTR verb, LPCWSTR file, int show) const override;
        BOOL TrayIcon(DWORD message, NOTIFYICONDATAW* data) const override;
        BOOL PlaySoundFile(LPCWSTR path, DWORD flags) const override;
        void Pause(DWORD milliseconds) const override;
        std::optional<BOOL> AnswerPopupMenu(CMenu* popup, UINT menuId, int x, int y, CWnd* owner) const override;
    };
    std::optional<ShellAnswers> m_answers;
};

} // namespace windows_test
