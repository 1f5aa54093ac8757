#pragma once
// The settings dialog under test: the main window's fixture (temporary program folder, the
// shipped skin, a fresh database, every UI text "<section>/<key>", the engine stand-in, shell
// and folder-chooser seams) with a known Options row, and a driver that acts on the running
// dialog as the user would, through its windows only.
#include "framework/FolderBrowser.h"
#include "tests/support/SystemAnswersScope.h"
#include "tests/windows/MainFrameTestSupport.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace settings_test {

// The Options row as stored: column name -> text ("<null>" for NULL).
using StoredRow = std::map<std::string, std::string>;

// Acts on a running settings dialog.
class SettingsDriver {
public:
    explicit SettingsDriver(HWND dialog) : m_dialog(dialog) {}

    HWND Dialog() const { return m_dialog; }
    // Selects the page's name in the tree; the page's window (null when it was not made).
    HWND ShowPage(int index) const;
    // The page's window when it has been made, else null.
    HWND Page(int index) const;
    // Whether a page is the one shown: its own visible style, since the dialog itself is not
    // on screen yet while a test acts on it.
    static bool Shown(HWND page);
    // The page names in tree order, and the page selected.
    std::vector<std::wstring> PageNames() const;
    // The dialog's OK, Cancel and close buttons.
    void Ok() const;
    void Cancel() const;
    void Close() const;

    // Controls of a window (a page or the dialog).
    static std::wstring Text(HWND window, int id);
    static void SetText(HWND window, int id, const wchar_t* text);
    static bool IsChecked(HWND window, int id);
    static void SetCheck(HWND window, int id, bool checked);
    // Checks `id` and clears the others of its group, as a click on a radio button does.
    static void ChooseRadio(HWND window, std::initializer_list<int> group, int id);
    static void Click(HWND window, int id);
    // Combo boxes: rows, the selected row (-1: none); Choose selects and tells the window.
    static std::vector<std::wstring> Rows(HWND window, int id);
    static int Selection(HWND window, int id);
    static void Choose(HWND window, int id, int row);
    // Sliders: the position; Slide moves it and tells the window as a drag does.
    static int SliderPos(HWND window, int id);
    static void Slide(HWND window, int id, int position);
    // Progress bars: position and upper bound.
    static int BarPos(HWND window, int id);
    static int BarMax(HWND window, int id);
    // Flat tree lists: entries in order, the selected one ("" for none); Select selects the
    // first entry of that text.
    static std::vector<std::wstring> Entries(HWND window, int id);
    static std::wstring SelectedEntry(HWND window, int id);
    static void Select(HWND window, int id, const wchar_t* text);
    static void SelectNone(HWND window, int id);

private:
    HWND m_dialog;
};

class SettingsTest : public windows_test::MainFrameTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the Options columns given (numbers as written, texts quoted) and loads g_options
    // from the row again.
    void StoreOptions(const std::map<std::string, std::string>& columns);
    // A main window signed in to the engine stand-in; the journal cleared.
    void SignIn();
    // Runs the dialog as the Options command does (through the main window when there is
    // one); `user` acts once it is up and ends it. The dialog's result (0 through the main
    // window, which keeps it).
    int RunDialog(const std::function<void(const SettingsDriver&)>& user);
    static StoredRow ReadRow();

public:
    // The folder chooser's next answer: a folder path, or empty for Cancel; what it was shown.
    static std::wstring s_folderAnswer;
    static std::wstring s_folderTitle;
    static int s_folderCalls;

private:
    // Answers the folder chooser from s_folderAnswer.
    class FolderAnswers : public lumeo_test::SystemAnswersScope {
    public:
        PIDLIST_ABSOLUTE BrowseForFolder(BROWSEINFOW* info) const override;
    };
    std::optional<FolderAnswers> m_folderAnswers;
};

// Every column of `after` that differs from `before`, as "column: before -> after".
std::vector<std::string> Differences(const StoredRow& before, const StoredRow& after);

// The Base64 text the database holds for a folder.
std::string StoredFolder(const std::string& folder);

} // namespace settings_test
