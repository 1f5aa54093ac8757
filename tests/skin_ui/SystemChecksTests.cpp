// The version, composition and window-kind questions.
#include "FakeSystem.h"
#include "TestWindow.h"

#include "skin/ui/SystemChecks.h"

#include <gtest/gtest.h>

using namespace skin_ui_test;

namespace {

TEST(WindowsXPSP2OrLater, AnswersByVersionAndServicePack)
{
    const struct {
        DWORD major, minor;
        const wchar_t* servicePack;
        int answer;
    } cases[] = {
        {4, 0, L"Service Pack 6", 0},
        {5, 0, L"Service Pack 4", 0},
        {5, 1, L"", 0},
        {5, 1, L"Service Pack 1", 0},
        {5, 1, L"Service Pack 2", 1},
        {5, 1, L"Service Pack 3", 1},
        {5, 1, L"Service Pack 2, v.2096", 1},
        {5, 1, L"  Service Pack   12", 1},
        {5, 1, L"Beta", 0},
        {5, 2, L"", 1},
        {6, 0, L"", 1},
        {10, 0, L"", 1},
    };
    FakeSystem system;
    for (const auto& c : cases) {
        system.major = c.major;
        system.minor = c.minor;
        system.servicePack = c.servicePack;
        EXPECT_EQ(c.answer, Vexel::IsWindowsXPSP2OrLater()) << c.major << "." << c.minor << " " << c.servicePack;
    }
}

TEST(WindowsXPSP2OrLater, NoVersionAnswerCountsAsOld)
{
    FakeSystem system;
    system.versionAnswers = false;
    system.major = 0;
    EXPECT_EQ(0, Vexel::IsWindowsXPSP2OrLater());
}

TEST(CompositionEnabled, OnlyAnOkAnswerSayingYes)
{
    const struct {
        const char* name;
        HRESULT result;
        BOOL on;
        int answer;
    } cases[] = {
        {"composing", S_OK, TRUE, 1},
        {"not composing", S_OK, FALSE, 0},
        {"failed query", E_FAIL, TRUE, 0},
        {"no dwmapi.dll", HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND), TRUE, 0},
        {"no export", HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND), TRUE, 0},
    };
    FakeSystem system;
    for (const auto& c : cases) {
        system.compositionResult = c.result;
        system.compositionOn = c.on;
        EXPECT_EQ(c.answer, Vexel::IsCompositionEnabled()) << c.name;
    }
}

TEST(SystemAnswers, TheSystemsOwnAnswersAreConsistent)
{
    // This runs on a system newer than XP, and the real query answers in one of its two ways.
    OSVERSIONINFOW info = {};
    ASSERT_TRUE(GetSystemAnswers().GetVersion(info));
    EXPECT_GE(info.dwMajorVersion, 6u);
    EXPECT_EQ(1, Vexel::IsWindowsXPSP2OrLater());

    BOOL enabled = FALSE;
    const HRESULT result = GetSystemAnswers().QueryComposition(enabled);
    EXPECT_EQ(result == S_OK && enabled ? 1 : 0, Vexel::IsCompositionEnabled());

    const SIZE dpi = GetSystemAnswers().GetScreenDpi();
    EXPECT_GT(dpi.cx, 0);
    EXPECT_GT(dpi.cy, 0);

    // The work area lies on the screen; the program folder is this program's.
    const ScreenArea area = GetSystemAnswers().GetScreenArea();
    EXPECT_GT(area.screen.cx, 0);
    EXPECT_GT(area.screen.cy, 0);
    EXPECT_LE(area.workArea.right, area.screen.cx);
    EXPECT_LE(area.workArea.bottom, area.screen.cy);
    const CString folder = GetSystemAnswers().GetProgramFolder();
    ASSERT_FALSE(folder.IsEmpty());
    EXPECT_EQ(L'\\', folder[folder.GetLength() - 1]);
    wchar_t module[MAX_PATH] = {};
    ASSERT_GT(::GetModuleFileNameW(nullptr, module, MAX_PATH), 0u);
    EXPECT_EQ(0, ::_wcsnicmp(module, folder, static_cast<size_t>(folder.GetLength())));
}

TEST(EditWindow, RecognisesEditBoxesInAnyCase)
{
    TestWindow parent(100, 100);
    const HWND edit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 50, 20, parent, nullptr, nullptr, nullptr);
    const HWND button = ::CreateWindowExW(0, L"Button", L"", WS_CHILD, 0, 0, 50, 20, parent, nullptr, nullptr, nullptr);
    EXPECT_EQ(1, Vexel::IsEditWindow(edit));
    EXPECT_EQ(0, Vexel::IsEditWindow(button));
    EXPECT_EQ(0, Vexel::IsEditWindow(parent));
    EXPECT_EQ(0, Vexel::IsEditWindow(nullptr));
}

TEST(DirectChild, OnlyImmediateChildren)
{
    TestWindow top(100, 100);
    TestWindow first(top, 0, 0, 10, 10);
    TestWindow second(top, 20, 0, 10, 10);
    TestWindow grandchild(first, 0, 0, 5, 5);
    EXPECT_EQ(1, Vexel::IsDirectChild(top, first));
    EXPECT_EQ(1, Vexel::IsDirectChild(top, second));
    EXPECT_EQ(0, Vexel::IsDirectChild(top, grandchild));
    EXPECT_EQ(1, Vexel::IsDirectChild(first, grandchild));
    EXPECT_EQ(0, Vexel::IsDirectChild(second, first));
    EXPECT_EQ(0, Vexel::IsDirectChild(nullptr, first));
}

} // namespace
