#pragma once
// What the tests of the program's skinned windows share: the shipped skin written into a
// temporary program folder and opened, with every control kind registered and every UI text
// set to "<section>/<key>"; and actions run from inside a modal window's own loop.
#include "framework/Wnd.h"
#include "skin/ui/factories/ControlFactoryTable.h"
#include "tests/support/ProgramFolderScope.h"
#include "texts/UiTextTable.h"

#include <gtest/gtest.h>

#include <map>
#include <functional>
#include <string>
#include <vector>

namespace lumeo_test {

// Every skinned control kind the program registers, in place for the life of the object; the
// kinds that were there before come back afterwards.
class SkinControlKinds {
public:
    SkinControlKinds();
    ~SkinControlKinds();
    SkinControlKinds(const SkinControlKinds&) = delete;
    SkinControlKinds& operator=(const SkinControlKinds&) = delete;

private:
    std::vector<Vexel::ControlKind> m_previous;
};

class ShippedSkinTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    lumeo_test::ProgramFolderScope folder;
    SkinControlKinds kinds;

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

// A window's text, and that of its child `id`; empty when there is no such window.
std::wstring WindowText(HWND window);
std::wstring ChildText(HWND window, int id);

// Posts a key press as the keyboard would: down, then up.
void PostKey(HWND target, WPARAM key);

} // namespace lumeo_test
