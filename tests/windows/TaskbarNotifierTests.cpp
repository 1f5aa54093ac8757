// The taskbar notifier: the edge it slides from for every taskbar position, its plan (start,
// tick lengths, the guard against a skin smaller than a step), the slide in, the wait and the
// slide out position by position from driven timer ticks on every edge, a second Show in each
// state, its shape from the skin bitmap, and the click it posts to its owner.
#include "resources/ProgramIds.h"
#include "tests/support/SystemAnswersScope.h"
#include "windows/notifier/TaskbarNotifier.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr SIZE kScreen = {1280, 1024};
constexpr SIZE kSkin = {261, 84};   // bitmap IDB_MSGBOX

struct EdgeCase {
    const char* name;
    RECT workArea;
    TaskbarEdge edge;
};

const EdgeCase kEdges[] = {
    {"bottom", {0, 0, 1280, 984}, TaskbarEdge::Bottom},
    {"top", {0, 40, 1280, 1024}, TaskbarEdge::Top},
    {"right", {0, 0, 1240, 1024}, TaskbarEdge::Right},
    {"left", {40, 0, 1280, 1024}, TaskbarEdge::Left},
};

TEST(NotifierSlide, TheTaskbarEdgeFollowsTheWorkArea)
{
    for (const EdgeCase& row : kEdges)
        EXPECT_EQ(row.edge, FindTaskbarEdge(row.workArea, kScreen)) << row.name;
    // No taskbar at all, and a taskbar both narrowing and lowering the work area.
    EXPECT_EQ(TaskbarEdge::Bottom, FindTaskbarEdge({0, 0, 1280, 1024}, kScreen));
    EXPECT_EQ(TaskbarEdge::Right, FindTaskbarEdge({0, 40, 1240, 1024}, kScreen));
    EXPECT_EQ(TaskbarEdge::Left, FindTaskbarEdge({40, 40, 1280, 1024}, kScreen));
}

TEST(NotifierSlide, ThePlanStartsJustOutsideTheWorkAreaWithTicksFromTheSteps)
{
    struct Row {
        const char* name;
        RECT workArea;
        POINT start;
        UINT appearTick;
        UINT hideTick;
    };
    // 84 / 2 = 42 steps up or down, 261 / 2 = 130 sideways.
    const Row kRows[] = {
        {"bottom", {0, 0, 1280, 984}, {1019, 984}, 500 / 42, 400 / 42},
        {"top", {0, 40, 1280, 1024}, {1019, -44}, 500 / 42, 400 / 42},
        {"right", {0, 0, 1240, 1024}, {1240, 940}, 500 / 130, 400 / 130},
        {"left", {40, 0, 1280, 1024}, {-221, 940}, 500 / 130, 400 / 130},
    };
    for (const Row& row : kRows) {
        const SlidePlan plan =
            PlanSlide(FindTaskbarEdge(row.workArea, kScreen), row.workArea, kSkin, 2, 500, 400);
        EXPECT_EQ(row.start.x, plan.start.x) << row.name;
        EXPECT_EQ(row.start.y, plan.start.y) << row.name;
        EXPECT_EQ(row.appearTick, plan.appearTick) << row.name;
        EXPECT_EQ(row.hideTick, plan.hideTick) << row.name;
    }
}

TEST(NotifierSlide, ASkinSmallerThanAStepSlidesInOneStep)
{
    const RECT work = {0, 0, 1280, 984};
    for (const SIZE skin : {SIZE{0, 0}, SIZE{1, 1}}) {
        const SlidePlan plan = PlanSlide(TaskbarEdge::Bottom, work, skin, 2, 500, 400);
        EXPECT_EQ(500u, plan.appearTick) << skin.cx;
        EXPECT_EQ(400u, plan.hideTick) << skin.cx;
    }
    // A step below one pixel counts as one: 261 steps sideways.
    EXPECT_EQ(500u / 261, PlanSlide(TaskbarEdge::Left, work, kSkin, 0, 500, 400).appearTick);
}

// --- the live pop-up

ScreenArea g_area;

class FakeScreenArea : public lumeo_test::SystemAnswersScope {
public:
    ScreenArea GetScreenArea() const override { return g_area; }
};

class OwnerWnd : public CWnd {
public:
    bool Make()
    {
        return CreateEx(0, nullptr, L"owner", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr) != FALSE;
    }
};

class TaskbarNotifierTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.Make());
    }
    void TearDown() override
    {
        // A pop-up a failed test left behind goes (and deletes itself) before anything pumps.
        if (::IsWindow(popup))
            ::DestroyWindow(popup);
        owner.DestroyWindow();
    }

    // A pop-up as the program makes one, on `workArea`, not yet shown.
    CTaskbarNotifier* Make(const RECT& workArea)
    {
        g_area = {workArea, kScreen};
        auto* notifier = new CTaskbarNotifier;
        if (!notifier->Create(&owner))
            return nullptr;   // it has deleted itself
        popup = notifier->GetSafeHwnd();
        EXPECT_TRUE(notifier->SetSkin(IDB_MSGBOX, 255, 255, 255));
        notifier->SetTextFont(L"Trebuchet MS", 90, 0, 1);
        notifier->SetTextColor(RGB(0, 0, 0), RGB(0, 0, 0));
        notifier->SetTextRect({20, 25, kSkin.cx - 20, kSkin.cy - 15});
        return notifier;
    }

    void Tick(UINT_PTR timer) { ::SendMessageW(popup, WM_TIMER, timer, 0); }

    POINT Position() const
    {
        RECT placed{};
        ::GetWindowRect(popup, &placed);
        return {placed.left, placed.top};
    }
    SIZE Size() const
    {
        RECT placed{};
        ::GetWindowRect(popup, &placed);
        return {placed.right - placed.left, placed.bottom - placed.top};
    }

    FakeScreenArea screenArea;
    OwnerWnd owner;
    HWND popup = nullptr;
};

// Where each edge's pop-up starts, which way it moves in, and how many moves bring it fully
// in: the side slide covers 262 pixels for the skin's odd 261.
struct SlideCase {
    const char* name;
    TaskbarEdge edge;
    RECT workArea;
    POINT start;
    POINT inward;
    int moves;
};

const SlideCase kSlides[] = {
    {"bottom", TaskbarEdge::Bottom, {0, 0, 1280, 984}, {1019, 984}, {0, -1}, 42},
    {"top", TaskbarEdge::Top, {0, 40, 1280, 1024}, {1019, -44}, {0, 1}, 42},
    {"right", TaskbarEdge::Right, {0, 0, 1240, 1024}, {1240, 940}, {-1, 0}, 131},
    {"left", TaskbarEdge::Left, {40, 0, 1280, 1024}, {-221, 940}, {1, 0}, 131},
};

POINT Along(POINT start, POINT inward, int moves)
{
    return {start.x + inward.x * 2 * moves, start.y + inward.y * 2 * moves};
}

TEST_F(TaskbarNotifierTest, SlidesInWaitsAndSlidesOutOnEveryEdgeTickByTick)
{
    for (const SlideCase& slide : kSlides) {
        SCOPED_TRACE(slide.name);
        CTaskbarNotifier* notifier = Make(slide.workArea);
        ASSERT_NE(nullptr, notifier);
        notifier->Show(L"Bob<sip:bob@example> is Available.", 500, 3000, 500, 1);
        EXPECT_TRUE(::IsWindowVisible(popup));

        for (int move = 1; move <= slide.moves; ++move) {
            Tick(CTaskbarNotifier::kAppearTimer);
            const POINT expected = Along(slide.start, slide.inward, move);
            ASSERT_EQ(expected.x, Position().x) << "in, move " << move;
            ASSERT_EQ(expected.y, Position().y) << "in, move " << move;
            ASSERT_EQ(CTaskbarNotifier::kAppearing, notifier->GetState());
        }
        EXPECT_EQ(kSkin.cx, Size().cx);
        EXPECT_EQ(kSkin.cy, Size().cy);
        // The tick after the last move finds it arrived: it waits where it is.
        const POINT shown = Position();
        Tick(CTaskbarNotifier::kAppearTimer);
        EXPECT_EQ(CTaskbarNotifier::kWaiting, notifier->GetState());
        EXPECT_EQ(shown.x, Position().x);
        EXPECT_EQ(shown.y, Position().y);

        // The stay is over: the slide out starts with the next hide tick.
        Tick(CTaskbarNotifier::kWaitTimer);
        EXPECT_EQ(CTaskbarNotifier::kWaiting, notifier->GetState());
        for (int move = 1; move <= slide.moves; ++move) {
            Tick(CTaskbarNotifier::kHideTimer);
            const POINT expected = Along(shown, {-slide.inward.x, -slide.inward.y}, move);
            ASSERT_EQ(expected.x, Position().x) << "out, move " << move;
            ASSERT_EQ(expected.y, Position().y) << "out, move " << move;
            ASSERT_EQ(CTaskbarNotifier::kDisappearing, notifier->GetState());
        }
        EXPECT_EQ(slide.start.x, Position().x);
        EXPECT_EQ(slide.start.y, Position().y);
        // Back at the start: the next tick hides it and closes it, and the object goes with it.
        Tick(CTaskbarNotifier::kHideTimer);
        EXPECT_FALSE(::IsWindow(popup));
    }
}

TEST_F(TaskbarNotifierTest, ASecondShowWhileAppearingKeepsTheSlideGoing)
{
    const SlideCase& slide = kSlides[0];
    CTaskbarNotifier* notifier = Make(slide.workArea);
    ASSERT_NE(nullptr, notifier);
    notifier->Show(L"first", 500, 3000, 500, 1);
    Tick(CTaskbarNotifier::kAppearTimer);
    Tick(CTaskbarNotifier::kAppearTimer);
    notifier->Show(L"second", 500, 3000, 500, 1);
    EXPECT_EQ(CTaskbarNotifier::kAppearing, notifier->GetState());
    EXPECT_EQ(Along(slide.start, slide.inward, 2).y, Position().y);
    Tick(CTaskbarNotifier::kAppearTimer);
    EXPECT_EQ(Along(slide.start, slide.inward, 3).y, Position().y);
}

TEST_F(TaskbarNotifierTest, ASecondShowWhileWaitingWaitsTheFullStayAgain)
{
    const SlideCase& slide = kSlides[2];
    CTaskbarNotifier* notifier = Make(slide.workArea);
    ASSERT_NE(nullptr, notifier);
    notifier->Show(L"first", 500, 3000, 500, 1);
    for (int tick = 0; tick <= slide.moves; ++tick)
        Tick(CTaskbarNotifier::kAppearTimer);
    ASSERT_EQ(CTaskbarNotifier::kWaiting, notifier->GetState());
    const POINT shown = Position();
    // Even just after the stay ended, before the first step out.
    Tick(CTaskbarNotifier::kWaitTimer);
    notifier->Show(L"second", 500, 3000, 500, 1);
    EXPECT_EQ(CTaskbarNotifier::kWaiting, notifier->GetState());
    EXPECT_EQ(shown.x, Position().x);
    EXPECT_FALSE(::KillTimer(popup, CTaskbarNotifier::kHideTimer)) << "the slide out was called off";
    EXPECT_TRUE(::KillTimer(popup, CTaskbarNotifier::kWaitTimer)) << "the stay runs again";
}

TEST_F(TaskbarNotifierTest, AShowWhileSlidingOutBringsItBackAtOnceAndWaitsAgain)
{
    for (const SlideCase& slide : kSlides) {
        SCOPED_TRACE(slide.name);
        CTaskbarNotifier* notifier = Make(slide.workArea);
        ASSERT_NE(nullptr, notifier);
        notifier->Show(L"first", 500, 3000, 500, 1);
        for (int tick = 0; tick <= slide.moves; ++tick)
            Tick(CTaskbarNotifier::kAppearTimer);
        const POINT shown = Position();
        Tick(CTaskbarNotifier::kWaitTimer);
        for (int tick = 0; tick < 5; ++tick)
            Tick(CTaskbarNotifier::kHideTimer);
        ASSERT_EQ(Along(shown, {-slide.inward.x, -slide.inward.y}, 5).x, Position().x);
        ASSERT_EQ(Along(shown, {-slide.inward.x, -slide.inward.y}, 5).y, Position().y);

        notifier->Show(L"second", 500, 3000, 500, 1);
        // Fully shown at once, on the work area's edge (the odd width's extra pixel is gone).
        const POINT edge = ShownPosition(slide.edge, slide.workArea, kSkin, shown);
        EXPECT_EQ(edge.x, Position().x);
        EXPECT_EQ(edge.y, Position().y);
        EXPECT_EQ(CTaskbarNotifier::kDisappearing, notifier->GetState());
        EXPECT_FALSE(::KillTimer(popup, CTaskbarNotifier::kHideTimer));

        // The stay ends again and it slides out from there.
        Tick(CTaskbarNotifier::kWaitTimer);
        Tick(CTaskbarNotifier::kHideTimer);
        const POINT out = Along(edge, {-slide.inward.x, -slide.inward.y}, 1);
        EXPECT_EQ(out.x, Position().x);
        EXPECT_EQ(out.y, Position().y);
        ::DestroyWindow(popup);
        EXPECT_FALSE(::IsWindow(popup));
    }
}

TEST_F(TaskbarNotifierTest, AClickPostsItsMessageToTheOwnerAndLeavesThePopUpAlone)
{
    CTaskbarNotifier* notifier = Make(kSlides[0].workArea);
    ASSERT_NE(nullptr, notifier);
    notifier->Show(L"text", 500, 3000, 500, 1);
    for (int tick = 0; tick < 10; ++tick)
        Tick(CTaskbarNotifier::kAppearTimer);
    const POINT before = Position();
    ::SendMessageW(popup, WM_LBUTTONUP, 0, MAKELPARAM(30, 30));

    MSG message{};
    ASSERT_TRUE(::PeekMessageW(&message, owner.GetSafeHwnd(), WM_NOTIFIER_CLICKED, WM_NOTIFIER_CLICKED, PM_REMOVE));
    EXPECT_EQ(1147u, message.message);
    EXPECT_EQ(0u, message.wParam);
    EXPECT_EQ(0, message.lParam);
    EXPECT_EQ(CTaskbarNotifier::kAppearing, notifier->GetState());
    EXPECT_EQ(before.y, Position().y);
    EXPECT_TRUE(::IsWindowVisible(popup));
}

TEST_F(TaskbarNotifierTest, HideStopsTheSlideAndLeavesTheWindowHiddenAtSizeZero)
{
    CTaskbarNotifier* notifier = Make(kSlides[0].workArea);
    ASSERT_NE(nullptr, notifier);
    notifier->Show(L"text", 500, 3000, 500, 1);
    Tick(CTaskbarNotifier::kAppearTimer);
    notifier->Hide();
    EXPECT_EQ(CTaskbarNotifier::kIdle, notifier->GetState());
    EXPECT_FALSE(::IsWindowVisible(popup));
    EXPECT_EQ(0, Size().cx);
    EXPECT_FALSE(::KillTimer(popup, CTaskbarNotifier::kAppearTimer));
    EXPECT_TRUE(::IsWindow(popup));
}

// --- the shape

// A bitmap of `width` x 3 whose pixel (1, 1) is magenta and every other one grey.
HBITMAP MarkedBitmap(int width)
{
    const HDC screen = ::GetDC(nullptr);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, 3);
    const HDC memory = ::CreateCompatibleDC(screen);
    const HGDIOBJ previous = ::SelectObject(memory, bitmap);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < width; ++x)
            ::SetPixel(memory, x, y, x == 1 && y == 1 ? RGB(255, 0, 255) : RGB(128, 128, 128));
    }
    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

TEST(NotifierShape, TheRegionLeavesOutTheTransparentPixelsAndTheColumnsPastAMultipleOfFour)
{
    const HBITMAP bitmap = MarkedBitmap(10);
    CRgn region;
    ASSERT_TRUE(CTaskbarNotifier::CreateRegionFromBitmap(bitmap, RGB(255, 0, 255), region));
    struct Probe {
        int x, y;
        bool inside;
    };
    const Probe kProbes[] = {{0, 0, true}, {1, 1, false}, {2, 1, true}, {7, 2, true}, {8, 0, false}, {9, 2, false}};
    for (const Probe& probe : kProbes)
        EXPECT_EQ(probe.inside, region.PtInRegion(probe.x, probe.y) != FALSE) << probe.x << "," << probe.y;
    ::DeleteObject(bitmap);
    EXPECT_FALSE(CTaskbarNotifier::CreateRegionFromBitmap(nullptr, RGB(255, 0, 255), region));
}

TEST_F(TaskbarNotifierTest, TheSkinShapesTheWindowUnlessAColourIsOutOfRange)
{
    CTaskbarNotifier* notifier = Make(kSlides[0].workArea);
    ASSERT_NE(nullptr, notifier);
    CRgn shape;
    shape.CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, ::GetWindowRgn(popup, shape));
    RECT box{};
    shape.GetRgnBox(&box);
    EXPECT_LE(box.right, 260);   // 261 rounded down to whole words of pixels

    auto* plain = new CTaskbarNotifier;
    ASSERT_TRUE(plain->Create(&owner));
    EXPECT_TRUE(plain->SetSkin(IDB_MSGBOX, 0xFFFF, 255, 255));
    EXPECT_EQ(ERROR, ::GetWindowRgn(plain->GetSafeHwnd(), shape));
    EXPECT_FALSE(plain->SetSkin(9999, 255, 255, 255));
    plain->DestroyWindow();
}

} // namespace
