#pragma once
// The sign-in, advanced account, about and update windows under test: the shipped skin with
// every UI text set to "<section>/<key>", a fresh database in the temporary program folder,
// empty account and options records, the shell seam recording what would have opened, and the
// skinned message boxes answered with OK and their texts recorded. Each window runs modally,
// driven from inside its own loop.
#include "tests/support/SkinnedWindowTestSupport.h"
#include "tests/support/SystemAnswersScope.h"

#include "skin/ui/UIWnd.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace config_test {

// Ends every skinned message box at its WM_INITDIALOG with OK, recording its message, for the
// life of the object.
class MessageBoxAnswers {
public:
    MessageBoxAnswers();
    ~MessageBoxAnswers();
    MessageBoxAnswers(const MessageBoxAnswers&) = delete;
    MessageBoxAnswers& operator=(const MessageBoxAnswers&) = delete;

    // The messages shown, in order.
    const std::vector<std::wstring>& Messages() const;

private:
    HHOOK m_hook = nullptr;
};

struct ShellCall {
    std::wstring verb;
    std::wstring file;
};

class ConfigWindowTest : public lumeo_test::ShippedSkinTest {
protected:
    // The result a run gets when the test left its window open.
    static constexpr int kLeftOpen = -99;

    void SetUp() override;
    void TearDown() override;

    // Runs `window` modally and calls `whileOpen` with its handle from inside the loop; a
    // window still open afterwards is ended with kLeftOpen. The run's result.
    int RunModal(Vexel::CUIWnd& window, const std::function<void(HWND)>& whileOpen);

    // A click on the button `id` of `window`, as the button reports it.
    static void Click(HWND window, int id);
    // Picks entry `index` of the combo box `id`, with the notification a user's pick sends.
    static void Pick(HWND window, int id, int index);
    static void SetText(HWND window, int id, const wchar_t* text);
    static void SetCheck(HWND window, int id, bool checked);
    static bool IsChecked(HWND window, int id);
    // The combo box's entries, in order.
    static std::vector<std::wstring> Entries(HWND window, int id);

    struct ChildTextCase {
        int id;
        const wchar_t* text;
    };
    // Expects each child of `window` to show its text.
    static void ExpectChildTexts(HWND window, std::initializer_list<ChildTextCase> expected);

    // Adds a row to table User: each column with its value as SQL text ("'alice'", "0", "NULL");
    // the columns not named keep the table's defaults.
    static void AddAccount(const std::vector<std::pair<const char*, std::string>>& columns);
    static int UserRows();

    lumeo_test::PostedActions actions;
    MessageBoxAnswers messageBoxes;
    static std::vector<ShellCall> s_shell;

private:
    // Records every shell open in s_shell.
    class ShellAnswers : public lumeo_test::SystemAnswersScope {
    public:
        void ShellOpen(HWND owner, LPCWSTR verb, LPCWSTR file, int show) const override;
    };
    std::optional<ShellAnswers> m_shellAnswers;
};

} // namespace config_test
