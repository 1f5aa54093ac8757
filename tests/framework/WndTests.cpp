// CWnd: attaching at creation, handle maps, subclassing, detaching and self-deleting windows.
#include "tests/framework/WindowTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

// Records the messages its window procedure sees, in order.
class RecordingWnd : public CWnd {
public:
    std::vector<UINT> seen;
    int postNcDestroyCalls = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        seen.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override { ++postNcDestroyCalls; }
};

size_t IndexOf(const std::vector<UINT>& messages, UINT message)
{
    for (size_t i = 0; i < messages.size(); ++i) {
        if (messages[i] == message)
            return i;
    }
    return messages.size();
}

TEST(Wnd, CreationAttachesBeforeTheFirstMessage)
{
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"plain", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    ASSERT_FALSE(wnd.seen.empty());
    EXPECT_LT(IndexOf(wnd.seen, WM_NCCREATE), IndexOf(wnd.seen, WM_CREATE));
    EXPECT_LT(IndexOf(wnd.seen, WM_CREATE), wnd.seen.size());
    for (size_t i = 0; i < IndexOf(wnd.seen, WM_NCCREATE); ++i)
        EXPECT_EQ(wnd.seen[i], static_cast<UINT>(WM_GETMINMAXINFO)) << "only that may come first";
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);

    wchar_t className[32] = {};
    GetClassNameW(wnd.m_hWnd, className, 32);
    EXPECT_STREQ(className, L"LumeoWnd");   // a null class name takes the framework's class
}

TEST(Wnd, ASystemEditSeesItsCreationThroughWindowProc)
{
    wndtest::Frame parent;
    ASSERT_TRUE(parent.Make());
    RecordingWnd edit;
    ASSERT_TRUE(edit.Create(L"EDIT", L"first", WS_VISIBLE | ES_AUTOHSCROLL, CRect(5, 5, 100, 25), &parent, 7));
    EXPECT_LT(IndexOf(edit.seen, WM_NCCREATE), IndexOf(edit.seen, WM_CREATE));
    EXPECT_LT(IndexOf(edit.seen, WM_CREATE), edit.seen.size());

    // The edit's own procedure still does the work behind the object.
    edit.SetWindowText(L"typed text");
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, L"typed text");
    EXPECT_EQ(edit.GetDlgCtrlID(), 7);
    EXPECT_EQ(parent.GetDlgItem(7), &edit);
}

TEST(Wnd, ForeignHandlesGetTemporaryWrappers)
{
    const HWND foreign = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                         GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(foreign);
    EXPECT_EQ(CWnd::FromHandlePermanent(foreign), nullptr);
    CWnd* const wrapper = CWnd::FromHandle(foreign);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->m_hWnd, foreign);
    EXPECT_EQ(CWnd::FromHandle(foreign), wrapper);   // one wrapper per handle
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);

    AfxDeleteTempWindowMap();
    EXPECT_TRUE(IsWindow(foreign));   // the wrapper went, the window it wrapped did not
    EXPECT_EQ(CWnd::FromHandle(foreign)->m_hWnd, foreign);

    // Bound for good while a wrapper of it is still around: the object answers from now
    // on, and freeing the wrappers leaves it bound.
    CWnd bound;
    ASSERT_TRUE(bound.SubclassWindow(foreign));
    EXPECT_EQ(CWnd::FromHandle(foreign), &bound);
    AfxDeleteTempWindowMap();
    EXPECT_TRUE(IsWindow(foreign));
    EXPECT_EQ(CWnd::FromHandlePermanent(foreign), &bound);
    EXPECT_EQ(bound.m_hWnd, foreign);
    bound.DestroyWindow();
}

LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP + 9)
        return 4242;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A procedure someone else installs above the framework's, keeping ours as its predecessor.
WNDPROC g_belowTop = nullptr;
LRESULT CALLBACK TopProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP + 10)
        return 55;
    return CallWindowProcW(g_belowTop, hwnd, message, wParam, lParam);
}

HWND MakeCountingWindow()
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = &CountingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"LumeoTestCounting";
    if (!AfxRegisterClass(&wc))
        return nullptr;
    return CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                           nullptr);
}

WNDPROC ProcOf(HWND hwnd)
{
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
}

class AppMessageWnd : public CWnd {
public:
    int handled = 0;

protected:
    LRESULT OnAppMessage(WPARAM, LPARAM)
    {
        ++handled;
        return Default() + 1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(AppMessageWnd, CWnd)
    ON_MESSAGE(WM_APP + 9, &AppMessageWnd::OnAppMessage)
END_MESSAGE_MAP()

TEST(Wnd, SubclassingAnExistingWindowAndGivingItBack)
{
    const HWND hwnd = MakeCountingWindow();
    ASSERT_TRUE(hwnd);
    EXPECT_EQ(SendMessageW(hwnd, WM_APP + 9, 0, 0), 4242);

    AppMessageWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(hwnd));
    EXPECT_FALSE(AppMessageWnd().SubclassWindow(hwnd));   // one object per window
    EXPECT_EQ(SendMessageW(hwnd, WM_APP + 9, 0, 0), 4243);
    EXPECT_EQ(wnd.handled, 1);

    EXPECT_EQ(wnd.UnsubclassWindow(), hwnd);
    EXPECT_EQ(ProcOf(hwnd), &CountingProc);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    EXPECT_EQ(SendMessageW(hwnd, WM_APP + 9, 0, 0), 4242);
    EXPECT_EQ(wnd.handled, 1);
    DestroyWindow(hwnd);
}

TEST(Wnd, UnsubclassingWaitsWhileAnotherProcedureSitsAboveOurs)
{
    const HWND hwnd = MakeCountingWindow();
    ASSERT_TRUE(hwnd);
    AppMessageWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(hwnd));
    g_belowTop = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TopProc)));
    ASSERT_EQ(g_belowTop, &AfxWndProc);

    // Taking ours out now would cut the procedure above out of the chain.
    EXPECT_EQ(wnd.UnsubclassWindow(), nullptr);
    EXPECT_EQ(ProcOf(hwnd), &TopProc);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), &wnd);
    EXPECT_EQ(SendMessageW(hwnd, WM_APP + 10, 0, 0), 55);
    EXPECT_EQ(SendMessageW(hwnd, WM_APP + 9, 0, 0), 4243);   // top -> framework -> the class's own

    // Once the other one has gone, ours comes out as usual.
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_belowTop));
    EXPECT_EQ(wnd.UnsubclassWindow(), hwnd);
    EXPECT_EQ(ProcOf(hwnd), &CountingProc);

    // A window that was only attached keeps its procedure.
    CWnd attached;
    ASSERT_TRUE(attached.Attach(hwnd));
    EXPECT_EQ(attached.UnsubclassWindow(), nullptr);
    EXPECT_EQ(ProcOf(hwnd), &CountingProc);
    EXPECT_EQ(SendMessageW(hwnd, WM_APP + 9, 0, 0), 4242);
    EXPECT_EQ(attached.Detach(), hwnd);
    DestroyWindow(hwnd);
}

TEST(Wnd, AWindowOfAnotherThreadIsNotSubclassed)
{
    HWND foreign = nullptr;
    const HANDLE made = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread owner([&] {
        foreign = MakeCountingWindow();
        SetEvent(made);
        WaitForSingleObject(done, INFINITE);
        DestroyWindow(foreign);
    });
    WaitForSingleObject(made, INFINITE);
    ASSERT_TRUE(foreign);

    AppMessageWnd wnd;
    EXPECT_FALSE(wnd.SubclassWindow(foreign));
    EXPECT_EQ(ProcOf(foreign), &CountingProc);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(foreign), nullptr);

    SetEvent(done);
    owner.join();
    CloseHandle(made);
    CloseHandle(done);
}

class DestroyWatcher : public RecordingWnd {
public:
    bool attachedDuringDestroy = false;

protected:
    void OnDestroy()
    {
        attachedDuringDestroy = CWnd::FromHandlePermanent(m_hWnd) == this;
        CWnd::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DestroyWatcher, RecordingWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST(Wnd, DetachesAtNcDestroyAndCanBeCreatedAgain)
{
    DestroyWatcher wnd;
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr));
        const HWND hwnd = wnd.m_hWnd;
        EXPECT_TRUE(wnd.DestroyWindow());
        EXPECT_TRUE(wnd.attachedDuringDestroy);
        EXPECT_EQ(wnd.m_hWnd, nullptr);
        EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
        EXPECT_EQ(wnd.seen.back(), static_cast<UINT>(WM_NCDESTROY));
        EXPECT_EQ(wnd.postNcDestroyCalls, round + 1);
    }
}

TEST(Wnd, AnObjectGoingOutOfScopeDestroysItsWindow)
{
    HWND hwnd = nullptr;
    {
        CWnd wnd;
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr));
        hwnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

// Self-deleting windows. Freed objects are kept poisoned (not returned to the heap) until
// the test ends, so any use of the object after its deletion - a virtual call above all -
// fails at once instead of reading memory that happens to look right.
std::vector<void*> g_graveyard;
int g_selfDeleted = 0;

// The class's own new and delete are a pair; once its new is inlined, gcc sees the global
// allocation reach the class's delete and calls them mismatched.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

class SelfDeletingWnd : public CWnd {
public:
    static void* operator new(std::size_t size) { return ::operator new(size); }
    static void operator delete(void* object, std::size_t size)
    {
        std::memset(object, 0xDD, size);
        g_graveyard.push_back(object);
    }
    ~SelfDeletingWnd() override { ++g_selfDeleted; }

protected:
    void OnClose() { DestroyWindow(); }   // deletes this object on the way
    void PostNcDestroy() override { delete this; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SelfDeletingWnd, CWnd)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

class SelfDeletingTest : public testing::Test {
protected:
    void SetUp() override { g_selfDeleted = 0; }
    void TearDown() override
    {
        for (void* object : g_graveyard)
            ::operator delete(object);
        g_graveyard.clear();
    }
};

TEST_F(SelfDeletingTest, SurvivesItsOwnNcDestroy)
{
    auto* const wnd = new SelfDeletingWnd;
    ASSERT_TRUE(wnd->CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr));
    const HWND hwnd = wnd->m_hWnd;
    EXPECT_TRUE(wnd->DestroyWindow());
    EXPECT_EQ(g_selfDeleted, 1);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

TEST_F(SelfDeletingTest, SurvivesDestroyingItselfFromItsOwnHandler)
{
    auto* const wnd = new SelfDeletingWnd;
    ASSERT_TRUE(wnd->CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr));
    const HWND hwnd = wnd->m_hWnd;
    SendMessageW(hwnd, WM_CLOSE, 0, 0);   // handler -> DestroyWindow -> delete, then unwinds
    EXPECT_EQ(g_selfDeleted, 1);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(SelfDeletingTest, ChildrenDeleteThemselvesWithTheirParent)
{
    wndtest::Frame parent;
    ASSERT_TRUE(parent.Make());
    for (int id = 1; id <= 3; ++id)
        ASSERT_TRUE((new SelfDeletingWnd)->Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 10, 10), &parent, id));
    parent.DestroyWindow();
    EXPECT_EQ(g_selfDeleted, 3);
}
#pragma GCC diagnostic pop

// Refuses its creation at WM_NCCREATE or WM_CREATE, by answer or by exception.
class FailingWnd : public RecordingWnd {
public:
    UINT failAt = WM_CREATE;
    bool throwInstead = false;

protected:
    LRESULT OnNcCreate(WPARAM, LPARAM)
    {
        return failAt == WM_NCCREATE ? Refuse(FALSE) : Default();
    }
    int OnCreate(LPCREATESTRUCT cs) { return failAt == WM_CREATE ? static_cast<int>(Refuse(-1)) : CWnd::OnCreate(cs); }
    LRESULT Refuse(LRESULT answer)
    {
        if (throwInstead)
            throw std::runtime_error("creation refused");
        return answer;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FailingWnd, RecordingWnd)
    ON_MESSAGE(WM_NCCREATE, &FailingWnd::OnNcCreate)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(Wnd, AFailedCreationEndsLikeADestroyedWindow)
{
    for (const UINT failAt : {static_cast<UINT>(WM_NCCREATE), static_cast<UINT>(WM_CREATE)}) {
        for (const bool throwInstead : {false, true}) {
            FailingWnd wnd;
            wnd.failAt = failAt;
            wnd.throwInstead = throwInstead;
            EXPECT_FALSE(wnd.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr));
            EXPECT_EQ(wnd.m_hWnd, nullptr) << failAt << throwInstead;
            EXPECT_EQ(wnd.postNcDestroyCalls, 1) << failAt << throwInstead;
            EXPECT_EQ(wnd.seen.back(), static_cast<UINT>(WM_NCDESTROY)) << failAt << throwInstead;
        }
    }
}

class RefusingWnd : public RecordingWnd {
protected:
    BOOL PreCreateWindow(CREATESTRUCTW&) override { return FALSE; }
};

TEST(Wnd, PreCreateWindowCanRefuse)
{
    RefusingWnd wnd;
    EXPECT_FALSE(wnd.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr));
    EXPECT_TRUE(wnd.seen.empty());
    EXPECT_EQ(wnd.postNcDestroyCalls, 1);
}

class ThrowingWnd : public CWnd {
protected:
    LRESULT OnBoom(WPARAM, LPARAM) { throw std::runtime_error("boom"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingWnd, CWnd)
    ON_MESSAGE(WM_APP + 3, &ThrowingWnd::OnBoom)
END_MESSAGE_MAP()

TEST(Wnd, ExceptionsStopAtTheWindowProcedure)
{
    ThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr));
    EXPECT_EQ(wnd.SendMessage(WM_APP + 3), 0);
    EXPECT_TRUE(IsWindow(wnd.m_hWnd));
}

TEST(Wnd, RegisteringAClassTwiceSucceeds)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = &DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"LumeoTestTwice";
    EXPECT_TRUE(AfxRegisterClass(&wc));
    EXPECT_TRUE(AfxRegisterClass(&wc));

    const HCURSOR arrow = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    const CString name = AfxRegisterWndClass(0, arrow, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    ASSERT_FALSE(name.IsEmpty());
    EXPECT_EQ(AfxRegisterWndClass(0, arrow, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)), name);
    WNDCLASSW found;
    ASSERT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), name, &found));
    EXPECT_EQ(found.hCursor, arrow);
    EXPECT_EQ(found.style, 0u);
}

TEST(Wnd, ThinMembersReachTheirWindow)
{
    wndtest::Frame parent;
    ASSERT_TRUE(parent.Make(L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 40, 20), &parent, 3));

    EXPECT_TRUE(child.ModifyStyle(0, WS_CLIPSIBLINGS));
    EXPECT_FALSE(child.ModifyStyle(0, WS_CLIPSIBLINGS));   // nothing to change
    EXPECT_TRUE(child.GetStyle() & WS_CLIPSIBLINGS);
    EXPECT_TRUE(child.ModifyStyleEx(0, WS_EX_TRANSPARENT));
    EXPECT_TRUE(child.GetExStyle() & WS_EX_TRANSPARENT);

    child.CenterWindow();
    CRect client;
    parent.GetClientRect(&client);
    CRect placed;
    child.GetWindowRect(&placed);
    parent.ScreenToClient(&placed);
    EXPECT_EQ(placed.left, (client.Width() - 40) / 2);
    EXPECT_EQ(placed.top, (client.Height() - 20) / 2);
    EXPECT_EQ(child.GetParent(), &parent);
    EXPECT_EQ(child.GetTopLevelParent(), &parent);
}

} // namespace
