// Every test program that links the framework starts with these prompt handlers installed:
// a message box, file dialog or folder chooser that no test scripted fails the running test
// at once and answers Cancel, instead of waiting on a dialog nobody will close. Tests that
// expect one install their own handler, which puts this one back when it goes.
#include "framework/FileDialog.h"
#include "framework/FolderBrowser.h"
#include "framework/Prompt.h"

#include <gtest/gtest.h>

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

int FailUnscripted(HWND, LPCWSTR text, LPCWSTR caption, UINT)
{
    ADD_FAILURE() << "a message box appeared that the test did not script: \"" << Narrow(text)
                  << "\" (caption \"" << Narrow(caption) << "\")";
    return IDCANCEL;
}

BOOL FailUnscriptedFileDialog(OPENFILENAMEW* ofn, BOOL open)
{
    ADD_FAILURE() << "a file " << (open ? "open" : "save") << " dialog appeared that the test did not script"
                  << (ofn && ofn->lpstrTitle ? ": \"" + Narrow(ofn->lpstrTitle) + "\"" : std::string());
    return FALSE;
}

PIDLIST_ABSOLUTE FailUnscriptedFolderBrowser(BROWSEINFOW* info)
{
    ADD_FAILURE() << "a folder chooser appeared that the test did not script: \""
                  << Narrow(info ? info->lpszTitle : nullptr) << "\"";
    return nullptr;
}

class UnscriptedPromptsFail : public testing::Environment {
public:
    void SetUp() override
    {
        AfxSetPromptHandler(&FailUnscripted);
        AfxSetFileDialogHandler(&FailUnscriptedFileDialog);
        AfxSetFolderBrowserHandler(&FailUnscriptedFolderBrowser);
    }
    void TearDown() override
    {
        AfxSetPromptHandler(nullptr);
        AfxSetFileDialogHandler(nullptr);
        AfxSetFolderBrowserHandler(nullptr);
    }
};

// Registered while the program starts; an object library keeps this file in every program.
[[maybe_unused]] testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new UnscriptedPromptsFail);

} // namespace
