#pragma once
// What the tests of the program's skinned windows share: the shipped skin written into a
// temporary program folder and opened, with every control kind registered and every UI text
// set to "<section>/<key>"; and actions run from inside a modal window's own loop.
#include "config/UiTextTable.h"
#include "framework/Afx.h"
#include "tests/support/ProgramFolderScope.h"

#include <gtest/gtest.h>

#include <map>
#include <functional>
#include <string>

namespace windows_test {

class ShippedSkinTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The text of `window`'s child `id`; empty when there is no such child.
    static std::wstring ChildText(HWND window, int id);
    static std::wstring WindowText(HWND window);

    lumeo_test::ProgramFolderScope folder;

private:
    UiTextTable m_savedTexts;
};

// Runs actions, in the order posted, wherever the thread's messages are dispatched: inside a
// modal window's loop too. An action may post further actions. Cancel drops those not yet
// run, so that nothing of one modal run reaches the next.
class PostedActions {
public:
    PostedActions();
    ~PostedActions();
    PostedActions(const PostedActions&) = delete;
    PostedActions& operator=(const PostedActions&) = delete;

    void Post(std::function<void()> action);
    void Cancel() { m_actions.clear(); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND m_window = nullptr;
    WPARAM m_next = 0;
    std::map<WPARAM, std::function<void()>> m_actions;   // by the number their message carries
};

// Posts a key press as the keyboard would: down, then up.
void PostKey(HWND target, WPARAM key);

} // namespace windows_test
