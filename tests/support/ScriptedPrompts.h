#pragma once
// Answers every prompt with one button, chosen by the test, and keeps what would have been
// shown. The system table it stands in front of comes back when the object goes.
#include "framework/Prompt.h"
#include "tests/support/SystemAnswersScope.h"

#include <string>
#include <vector>

namespace lumeo_test {

class ScriptedPrompts : public SystemAnswersScope {
public:
    explicit ScriptedPrompts(int answer = IDOK) : m_answer(answer) {}

    void SetAnswer(int answer) { m_answer = answer; }

    struct Shown {
        std::wstring text;
        UINT type;
    };
    const std::vector<Shown>& Prompts() const { return m_prompts; }

    int Prompt(HWND, LPCWSTR text, LPCWSTR, UINT type) const override
    {
        m_prompts.push_back({text ? text : L"", type});
        return m_answer;
    }

private:
    int m_answer;
    mutable std::vector<Shown> m_prompts;
};

} // namespace lumeo_test
