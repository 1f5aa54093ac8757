// Every test program that links the framework starts with this system table in place: a
// message box, file dialog or folder chooser that no test scripted fails the running test at
// once and answers Cancel, instead of waiting on a dialog nobody will close. Tests that
// expect one put a table of their own in front of it, which goes again with the test.
#include "tests/support/SystemAnswersScope.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

std::string Narrow(LPCWSTR text)
{
    if (!text)
        return {};
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string result(size > 0 ? static_cast<std::size_t>(size) : 1u, '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    result.resize(result.size() - 1);
    return result;
}

class FailUnscripted : public lumeo_test::SystemAnswersScope {
public:
    int Prompt(HWND, LPCWSTR text, LPCWSTR caption, UINT) const override
    {
        ADD_FAILURE() << "a message box appeared that the test did not script: \"" << Narrow(text)
                      << "\" (caption \"" << Narrow(caption) << "\")";
        return IDCANCEL;
    }

    BOOL ChooseFile(OPENFILENAMEW* ofn, BOOL open) const override
    {
        ADD_FAILURE() << "a file " << (open ? "open" : "save") << " dialog appeared that the test did not script"
                      << (ofn && ofn->lpstrTitle ? ": \"" + Narrow(ofn->lpstrTitle) + "\"" : std::string());
        return FALSE;
    }

    PIDLIST_ABSOLUTE BrowseForFolder(BROWSEINFOW* info) const override
    {
        ADD_FAILURE() << "a folder chooser appeared that the test did not script: \""
                      << Narrow(info ? info->lpszTitle : nullptr) << "\"";
        return nullptr;
    }
};

class UnscriptedPromptsFail : public testing::Environment {
public:
    void SetUp() override { m_answers.emplace(); }
    void TearDown() override { m_answers.reset(); }

private:
    std::optional<FailUnscripted> m_answers;
};

// Registered while the program starts; an object library keeps this file in every program.
[[maybe_unused]] testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new UnscriptedPromptsFail);

} // namespace
