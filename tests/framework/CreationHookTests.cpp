// The creation hook binds exactly the window being created: nested creations from inside
// WM_CREATE, other windows made while the hook waits, and creations that fail early.
#include "tests/framework/WindowTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Recorder : public CWnd {
public:
    std::vector<UINT> seen;
    int postNcDestroyCalls = 0;

    bool Saw(UINT message) const
    {
        for (const UINT m : seen) {
            if (m == message)
                return true;
        }
        return false;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        seen.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override { ++postNcDestroyCalls; }
};

HWND MakeStatic(HWND parent, int id)
{
    return CreateWindowExW(0, L"STATIC", L"", (parent ? WS_CHILD : WS_POPUP) | WS_VISIBLE, 0, 0, 10, 10, parent,
                           parent ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

// Creates its children while it is itself being created.
class NestingWnd : public Recorder {
public:
    Recorder child;
    Recorder edit;
    Recorder refused;   // a class that does not exist: fails before its window is made
    HWND rawInNcCreate = nullptr;
    HWND rawInCreate = nullptr;
    bool childMade = false;
    bool editMade = false;
    bool refusedMade = true;

protected:
    LRESULT OnNcCreate(WPARAM, LPARAM)
    {
        rawInNcCreate = MakeStatic(nullptr, 0);
        return Default();
    }
    int OnCreate(LPCREATESTRUCT cs)
    {
        childMade = child.Create(nullptr, L"child", WS_VISIBLE, CRect(0, 0, 20, 20), this, 1) != FALSE;
        rawInCreate = MakeStatic(m_hWnd, 2);
        refusedMade = refused.Create(L"LumeoTestNoSuchClass", L"", WS_VISIBLE, CRect(0, 0, 5, 5), this, 3) != FALSE;
        editMade = edit.Create(L"EDIT", L"edit", WS_VISIBLE, CRect(0, 30, 80, 50), this, 4) != FALSE;
        return CWnd::OnCreate(cs);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NestingWnd, Recorder)
    ON_MESSAGE(WM_NCCREATE, &NestingWnd::OnNcCreate)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(CreationHook, WindowsCreatedFromInsideCreationAreEachBoundToTheirOwnObject)
{
    NestingWnd outer;
    ASSERT_TRUE(outer.CreateEx(0, nullptr, L"outer", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
    EXPECT_TRUE(outer.Saw(WM_NCCREATE));
    EXPECT_TRUE(outer.Saw(WM_CREATE));
    EXPECT_EQ(CWnd::FromHandlePermanent(outer.m_hWnd), &outer);

    ASSERT_TRUE(outer.childMade);
    ASSERT_TRUE(outer.editMade);
    for (Recorder* const inner : {&outer.child, &outer.edit}) {
        EXPECT_EQ(CWnd::FromHandlePermanent(inner->m_hWnd), inner);
        EXPECT_EQ(::GetParent(inner->m_hWnd), outer.m_hWnd);
        EXPECT_TRUE(inner->Saw(WM_NCCREATE));
        EXPECT_TRUE(inner->Saw(WM_CREATE));
    }
    EXPECT_EQ(outer.GetDlgItem(4), &outer.edit);

    // The windows nobody asked the framework for stay unbound.
    ASSERT_TRUE(outer.rawInNcCreate);
    ASSERT_TRUE(outer.rawInCreate);
    EXPECT_EQ(CWnd::FromHandlePermanent(outer.rawInNcCreate), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(outer.rawInCreate), nullptr);

    // The one that failed ended like a destroyed window and took nothing with it.
    EXPECT_FALSE(outer.refusedMade);
    EXPECT_EQ(outer.refused.m_hWnd, nullptr);
    EXPECT_EQ(outer.refused.postNcDestroyCalls, 1);
    EXPECT_TRUE(outer.refused.seen.empty());
    DestroyWindow(outer.rawInNcCreate);
}

TEST(CreationHook, ACreationThatFailsBeforeItsWindowExistsLeavesNothingWaiting)
{
    Recorder wnd;
    EXPECT_FALSE(wnd.CreateEx(0, L"LumeoTestNoSuchClass", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(wnd.postNcDestroyCalls, 1);
    EXPECT_TRUE(wnd.seen.empty());

    // The next window of the thread, made without the framework, is not taken for it.
    const HWND raw = MakeStatic(nullptr, 0);
    ASSERT_TRUE(raw);
    EXPECT_EQ(CWnd::FromHandlePermanent(raw), nullptr);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_TRUE(wnd.seen.empty());
    DestroyWindow(raw);
}

// An input-method window made while the framework waits for its own window to appear, the
// way the system's text services make theirs: a hook installed after the framework's runs
// first, and creates one when it sees the framework's window coming.
constexpr wchar_t kImeLikeClass[] = L"LumeoTestImeLike";
HHOOK g_testHook = nullptr;
HWND g_imeWindow = nullptr;
bool g_inTestHook = false;

LRESULT CALLBACK ImeMakingHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && !g_inTestHook && !g_imeWindow) {
        const auto* const create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        const LPCWSTR cls = create->lpcs->lpszClass;
        if (!IS_INTRESOURCE(cls) && lstrcmpW(cls, L"LumeoWnd") == 0) {
            g_inTestHook = true;
            g_imeWindow = CreateWindowExW(0, kImeLikeClass, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                          GetModuleHandleW(nullptr), nullptr);
            g_inTestHook = false;
        }
    }
    return CallNextHookEx(g_testHook, code, wParam, lParam);
}

TEST(CreationHook, AnInputMethodWindowMadeMeanwhileIsNotTakenForTheNewWindow)
{
    WNDCLASSW wc{};
    wc.style = CS_IME;
    wc.lpfnWndProc = &DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kImeLikeClass;
    ASSERT_TRUE(AfxRegisterClass(&wc));

    wndtest::Frame warmUp;   // the framework's own hook is in place before the test's
    ASSERT_TRUE(warmUp.Make());
    g_imeWindow = nullptr;
    g_testHook = SetWindowsHookExW(WH_CBT, &ImeMakingHook, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(g_testHook);

    Recorder wnd;
    const BOOL created = wnd.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    UnhookWindowsHookEx(g_testHook);
    g_testHook = nullptr;

    ASSERT_TRUE(g_imeWindow);
    ASSERT_TRUE(created);
    EXPECT_NE(wnd.m_hWnd, g_imeWindow);
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(g_imeWindow), nullptr);
    EXPECT_TRUE(wnd.Saw(WM_NCCREATE));   // bound at its own creation, not later
    DestroyWindow(g_imeWindow);
}

} // namespace
