#pragma once
// Answers every prompt with one button, chosen by the test, and keeps what would have been
// shown. The handler it replaced comes back when the object goes.
#include "framework/Prompt.h"

#include <string>
#include <vector>

namespace lumeo_test {

class ScriptedPrompts {
public:
    explicit ScriptedPrompts(int answer = IDOK)
    {
        s_answer = answer;
        s_prompts.clear();
        m_previous = AfxSetPromptHandler(&Answer);
    }
    ~ScriptedPrompts() { AfxSetPromptHandler(m_previous); }
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    void SetAnswer(int answer) { s_answer = answer; }

    struct Prompt {
        std::wstring text;
        UINT type;
    };
    const std::vector<Prompt>& Prompts() const { return s_prompts; }

private:
    static int Answer(HWND, LPCWSTR text, LPCWSTR, UINT type)
    {
        s_prompts.push_back({text ? text : L"", type});
        return s_answer;
    }
    static inline int s_answer = IDOK;
    static inline std::vector<Prompt> s_prompts;
    AfxPromptHandler m_previous;
};

} // namespace lumeo_test
