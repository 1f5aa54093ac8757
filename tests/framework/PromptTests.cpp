#include "framework/Prompt.h"
#include "FrameworkTestIds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Shown {
    HWND owner;
    std::wstring text;
    std::wstring caption;
    UINT type;
};

std::vector<Shown> g_shown;
int g_answer = IDOK;

int ScriptedPrompt(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type)
{
    g_shown.push_back({owner, text, caption, type});
    return g_answer;
}

HWND g_owner = nullptr;
HWND FixedOwner()
{
    return g_owner;
}

// Installs the scripted prompt for one test and puts everything back afterwards.
class PromptTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_shown.clear();
        g_answer = IDOK;
        previous_ = AfxSetPromptHandler(&ScriptedPrompt);
    }
    void TearDown() override
    {
        AfxSetPromptHandler(previous_);
        AfxSetPromptOwnerSource(nullptr);
        AfxSetAppTitle(nullptr);
    }

private:
    AfxPromptHandler previous_ = nullptr;
};

TEST_F(PromptTest, ScriptedAnswerComesBackWithTextStyleAndTitleCaption)
{
    struct Case {
        UINT type;
        int answer;
    };
    const Case cases[] = {{MB_OK | MB_ICONINFORMATION, IDOK}, {MB_YESNO | MB_ICONQUESTION, IDNO},
                          {MB_YESNOCANCEL, IDCANCEL}, {MB_RETRYCANCEL, IDRETRY}};
    for (const Case& c : cases) {
        g_answer = c.answer;
        EXPECT_EQ(c.answer, AfxMessageBox(L"Question?", c.type));
        ASSERT_FALSE(g_shown.empty());
        EXPECT_EQ(L"Question?", g_shown.back().text);
        EXPECT_EQ(c.type, g_shown.back().type);
        // No title set: string 57344 of the program.
        EXPECT_EQ(L"Framework Tests", g_shown.back().caption);
    }
    EXPECT_EQ(4u, g_shown.size());
}

TEST_F(PromptTest, TextFromTheStringTableAndTitleFromTheApplication)
{
    AfxSetAppTitle(L"Lumeo");
    EXPECT_EQ(IDOK, AfxMessageBox(IDS_TEST_PROMPT, MB_ICONINFORMATION));
    ASSERT_EQ(1u, g_shown.size());
    EXPECT_EQ(L"Save the changes?", g_shown[0].text);
    EXPECT_EQ(L"Lumeo", g_shown[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), g_shown[0].type);

    AfxMessageBox(IDS_TEST_MISSING);                  // no such string: an empty text
    EXPECT_EQ(L"", g_shown[1].text);
    EXPECT_EQ(static_cast<UINT>(MB_OK), g_shown[1].type);

    AfxMessageBox(static_cast<LPCWSTR>(nullptr));
    EXPECT_EQ(L"", g_shown[2].text);

    AfxSetAppTitle(L"");
    EXPECT_EQ(L"Framework Tests", std::wstring(AfxGetAppTitle()));
}

TEST_F(PromptTest, OwnerComesFromTheInstalledSource)
{
    const HWND window = ::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                          nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    g_owner = window;
    AfxSetPromptOwnerSource(&FixedOwner);
    AfxMessageBox(L"owned");
    EXPECT_EQ(window, g_shown.back().owner);

    AfxSetPromptOwnerSource(nullptr);                  // default: the active window
    AfxMessageBox(L"active");
    EXPECT_EQ(::GetActiveWindow(), g_shown.back().owner);
    ::DestroyWindow(window);
}

TEST_F(PromptTest, HandlerCanBeSwappedAndRestored)
{
    const AfxPromptHandler mine = AfxSetPromptHandler(nullptr);   // back to the system box
    EXPECT_EQ(&ScriptedPrompt, mine);
    const AfxPromptHandler system = AfxSetPromptHandler(&ScriptedPrompt);
    EXPECT_NE(nullptr, system);
    EXPECT_NE(&ScriptedPrompt, system);
    g_answer = IDYES;
    EXPECT_EQ(IDYES, AfxPrompt(nullptr, L"direct", L"caption", MB_YESNO));
    EXPECT_EQ(L"caption", g_shown.back().caption);
}

} // namespace
