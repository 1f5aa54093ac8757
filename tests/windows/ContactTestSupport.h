#pragma once
// What the contact form, presence request and contacts backup tests share: the main window's
// test set-up (fresh database, marked texts, engine journal, scripted prompts) with the real
// skinned control kinds, scripted file and folder choosers, table Contacts as plain rows, and a
// sink that records what the contacts backup import stored.
#include "tests/support/SkinnedWindowTestSupport.h"
#include "tests/support/SystemAnswersScope.h"
#include "tests/windows/MainFrameTestSupport.h"
#include "windows/contacts/ContactRow.h"
#include "windows/contacts/ContactsBackup.h"

#include "framework/FileDialog.h"
#include "framework/FolderBrowser.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class TavikSQL;

namespace windows_test {

// Table Contacts of `database`, every cell as text ("<null>" for NULL), ordered by address.
using TableRows = std::vector<std::vector<std::string>>;
TableRows ContactsOf(TavikSQL& database);

// A row with every column away from its default, named by `key`.
ContactRow SampleContact(const std::string& key);

// Hears the contacts backup import: the address of every row it stored, in order.
class RecordingSink : public ContactImportSink {
public:
    void ContactImported(const ContactRow& row) override { addresses.push_back(row.sipUri); }
    std::vector<std::string> addresses;
};

class ContactTest : public MainFrameTest {
public:
    // What the next file dialog answers (empty: Cancel), and what it was asked.
    static std::wstring s_fileAnswer;
    static std::wstring s_fileFilter;
    static std::wstring s_fileFolder;
    static int s_fileCalls;
    // What the next folder chooser answers (empty: Cancel), and its title.
    static std::wstring s_folderAnswer;
    static std::wstring s_folderTitle;

    // Clicks a button of `window` as the user would.
    static void Click(HWND window, int id);
    // The entries of a combo box of `window`, in order.
    static std::vector<std::wstring> ComboEntries(HWND window, int id);

protected:
    void SetUp() override;
    void TearDown() override;

    // Stores `row` in the program's table Contacts.
    static void Store(const ContactRow& row);
    // Adds a row to table Groups under the shown `name`.
    static void StoreGroup(const std::string& name);

    // A modal run of `window` with `act` run from inside its loop once the window is shown
    // (it is shown first when the loop has not done so yet); a window `act` left open is
    // ended with kNotEnded, so that no test waits for a person. DoModal's result.
    static constexpr int kNotEnded = -99;
    int RunModal(Vexel::CUIWnd& window, std::function<void(HWND)> act);

    lumeo_test::SkinControlKinds skinKinds;   // after the plain kinds: the real ones win
    lumeo_test::PostedActions actions;

private:
    // Answers the file dialog and the folder chooser from s_fileAnswer and s_folderAnswer.
    class ChooserAnswers : public lumeo_test::SystemAnswersScope {
    public:
        BOOL ChooseFile(OPENFILENAMEW* ofn, BOOL openFileDialog) const override;
        PIDLIST_ABSOLUTE BrowseForFolder(BROWSEINFOW* info) const override;
    };
    std::optional<ChooserAnswers> m_chooserAnswers;
};

} // namespace windows_test
