#include "framework/Prompt.h"
#include "FrameworkTestIds.h"
#include "tests/support/SystemAnswersScope.h"

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

class ScriptedPrompt : public lumeo_test::SystemAnswersScope {
public:
    int Prompt(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) const override
    {
        g_shown.push_back({owner, text, caption, type});
        return g_answer;
    }
};

// A table that names the prompts' owner.
class FixedOwner : public lumeo_test::SystemAnswersScope {
public:
    explicit FixedOwner(HWND owner) : m_owner(owner) {}
    HWND GetPromptOwner() const override { return m_owner; }

private:
    const HWND m_owner;
};

// Puts the scripted prompt in place for one test; everything comes back afterwards.
class PromptTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_shown.clear();
        g_answer = IDOK;
    }
    void TearDown() override { AfxSetAppTitle(nullptr); }

private:
    ScriptedPrompt answers_;
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

TEST_F(PromptTest, OwnerComesFromTheTable)
{
    const HWND window = ::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                          nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    {
        const FixedOwner owner(window);
        AfxMessageBox(L"owned");
        EXPECT_EQ(window, g_shown.back().owner);
    }
    AfxMessageBox(L"active");                          // the system's: no main window, the active one
    EXPECT_EQ(::GetActiveWindow(), g_shown.back().owner);
    ::DestroyWindow(window);
}

TEST_F(PromptTest, TablesStandInFrontOfEachOtherAndTheReplacedOneComesBack)
{
    const SystemAnswers* const scripted = &GetSystemAnswers();
    const SystemAnswers* const mine = SetSystemAnswers(nullptr);   // back to the system's
    EXPECT_EQ(scripted, mine);
    const SystemAnswers* const system = SetSystemAnswers(mine);
    EXPECT_NE(nullptr, system);
    EXPECT_NE(scripted, system);
    EXPECT_EQ(scripted, &GetSystemAnswers());
    {
        const FixedOwner owner(nullptr);                  // answers the owner only
        g_answer = IDYES;
        EXPECT_EQ(IDYES, AfxPrompt(nullptr, L"direct", L"caption", MB_YESNO));
        EXPECT_EQ(L"caption", g_shown.back().caption);
    }
    EXPECT_EQ(scripted, &GetSystemAnswers());
}

} // namespace
