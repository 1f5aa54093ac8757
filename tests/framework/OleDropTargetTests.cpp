// A registered drop target turns OLE's calls into its overridables in the documented
// order (drag-scroll before enter and over; at the drop, over, then drop-ex, then drop
// when drop-ex answers -1), with the drag's data and the cursor in client coordinates,
// and narrows each answer to the effects the source allows.
#include "framework/GlobalMemory.h"
#include "framework/OleDataSource.h"
#include "framework/OleDropTarget.h"
#include "framework/WinApp.h"
#include "tests/framework/WindowTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

const CLIPFORMAT kDragFormat = static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"LumeoTestDrag"));
const char kDragText[] = "contact 42";

using Calls = std::vector<std::string>;

class RecordingTarget : public COleDropTarget {
public:
    Calls calls;
    DROPEFFECT scrollAnswer = DROPEFFECT_NONE;
    DROPEFFECT enterAnswer = DROPEFFECT_COPY;
    DROPEFFECT overAnswer = DROPEFFECT_MOVE;
    DROPEFFECT dropExAnswer = kDropExNotHandled;
    BOOL dropAnswer = TRUE;

    HWND seenWindow = nullptr;
    CPoint lastPoint;
    DWORD lastKeys = 0;
    DROPEFFECT droppedWith = 0;
    DROPEFFECT dropDefault = 0;
    DROPEFFECT dropList = 0;
    std::string droppedText;

    DROPEFFECT OnDragScroll(CWnd* wnd, DWORD keys, CPoint point) override
    {
        Note("scroll", wnd, keys, point);
        return scrollAnswer;
    }
    DROPEFFECT OnDragEnter(CWnd* wnd, COleDataObject* data, DWORD keys, CPoint point) override
    {
        Note(data->IsDataAvailable(kDragFormat) ? "enter" : "enter without data", wnd, keys, point);
        return enterAnswer;
    }
    DROPEFFECT OnDragOver(CWnd* wnd, COleDataObject* data, DWORD keys, CPoint point) override
    {
        Note(data->IsDataAvailable(kDragFormat) ? "over" : "over without data", wnd, keys, point);
        return overAnswer;
    }
    DROPEFFECT OnDropEx(CWnd* wnd, COleDataObject*, DROPEFFECT byDefault, DROPEFFECT list, CPoint point) override
    {
        Note("dropex", wnd, 0, point);
        dropDefault = byDefault;
        dropList = list;
        return dropExAnswer;
    }
    BOOL OnDrop(CWnd* wnd, COleDataObject* data, DROPEFFECT effect, CPoint point) override
    {
        Note("drop", wnd, 0, point);
        droppedWith = effect;
        CGlobalMemory block(data->GetGlobalData(kDragFormat));
        const CGlobalLock lock(block.Get());
        if (lock.Data())
            droppedText = static_cast<const char*>(lock.Data());
        return dropAnswer;
    }
    void OnDragLeave(CWnd* wnd) override { Note("leave", wnd, 0, lastPoint); }

private:
    void Note(const char* what, CWnd* wnd, DWORD keys, CPoint point)
    {
        calls.push_back(what);
        seenWindow = wnd ? wnd->GetSafeHwnd() : nullptr;
        lastKeys = keys;
        lastPoint = point;
    }
};

HGLOBAL DragBlock()
{
    CGlobalMemory block;
    block.Allocate(sizeof kDragText, kDragText);
    return block.Detach();
}

class DropTargetTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxOleInit());
        ASSERT_TRUE(frame.Make(L"drop", WS_POPUP | WS_VISIBLE));
        ASSERT_TRUE(target.Register(&frame));
        face = target.GetDropTarget();
        ASSERT_NE(nullptr, face);
        source.CacheGlobalData(kDragFormat, DragBlock());
    }

    // The screen point over client point (x, y) of the frame.
    POINTL At(int x, int y) const
    {
        POINT point{x, y};
        ClientToScreen(frame.m_hWnd, &point);
        return POINTL{point.x, point.y};
    }

    wndtest::Frame frame;
    RecordingTarget target;
    IDropTarget* face = nullptr;
    COleDataSource source;
};

TEST_F(DropTargetTest, EnterOverAndDropArriveInTheDocumentedOrder)
{
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(S_OK, face->DragEnter(source.GetDataObject(), MK_LBUTTON, At(30, 40), &effect));
    EXPECT_EQ(DROPEFFECT_COPY, effect);
    EXPECT_EQ(CPoint(30, 40), target.lastPoint);
    EXPECT_EQ(static_cast<DWORD>(MK_LBUTTON), target.lastKeys);
    EXPECT_EQ(frame.m_hWnd, target.seenWindow);

    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(S_OK, face->DragOver(MK_LBUTTON | MK_SHIFT, At(50, 60), &effect));
    EXPECT_EQ(DROPEFFECT_MOVE, effect);
    EXPECT_EQ(CPoint(50, 60), target.lastPoint);
    EXPECT_EQ(static_cast<DWORD>(MK_LBUTTON | MK_SHIFT), target.lastKeys);

    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(S_OK, face->Drop(source.GetDataObject(), 0, At(70, 80), &effect));
    EXPECT_EQ(DROPEFFECT_MOVE, effect);
    EXPECT_EQ(CPoint(70, 80), target.lastPoint);
    EXPECT_EQ("contact 42", target.droppedText);

    const Calls expected = {"scroll", "enter", "scroll", "over", "over", "dropex", "drop"};
    EXPECT_EQ(expected, target.calls);
}

TEST_F(DropTargetTest, EachDropOutcomeFollowsOverDropExAndDrop)
{
    struct Case {
        const char* name;
        DROPEFFECT allowed;
        DROPEFFECT over;
        DROPEFFECT dropEx;
        BOOL drop;
        DROPEFFECT result;
        Calls calls;
        DROPEFFECT droppedWith;
    };
    const Case cases[] = {
        {"drop-ex -1 falls back to drop", DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_MOVE, kDropExNotHandled, TRUE,
         DROPEFFECT_MOVE, {"over", "dropex", "drop"}, DROPEFFECT_MOVE},
        {"a move the source forbids arrives as a copy", DROPEFFECT_COPY, DROPEFFECT_MOVE, kDropExNotHandled, TRUE,
         DROPEFFECT_COPY, {"over", "dropex", "drop"}, DROPEFFECT_COPY},
        {"drop-ex that handles it keeps drop out", DROPEFFECT_COPY, DROPEFFECT_COPY, DROPEFFECT_COPY, TRUE,
         DROPEFFECT_COPY, {"over", "dropex"}, 0},
        {"a refused drop carries no effect", DROPEFFECT_COPY, DROPEFFECT_COPY, kDropExNotHandled, FALSE,
         DROPEFFECT_NONE, {"over", "dropex", "drop"}, DROPEFFECT_COPY},
        {"no effect at the drop point leaves instead", DROPEFFECT_COPY, DROPEFFECT_NONE, kDropExNotHandled, TRUE,
         DROPEFFECT_NONE, {"over", "dropex", "leave"}, 0},
        {"an effect the source does not allow is none", DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_LINK,
         kDropExNotHandled, TRUE, DROPEFFECT_NONE, {"over", "dropex", "leave"}, 0},
    };
    for (const Case& c : cases) {
        target.calls.clear();
        target.droppedWith = 0;
        target.overAnswer = c.over;
        target.dropExAnswer = c.dropEx;
        target.dropAnswer = c.drop;
        DWORD effect = c.allowed;
        EXPECT_EQ(S_OK, face->Drop(source.GetDataObject(), 0, At(5, 6), &effect)) << c.name;
        EXPECT_EQ(c.result, effect) << c.name;
        EXPECT_EQ(c.calls, target.calls) << c.name;
        EXPECT_EQ(c.droppedWith, target.droppedWith) << c.name;
        EXPECT_EQ(c.allowed, target.dropList) << c.name;
        const DROPEFFECT narrowed = c.over == DROPEFFECT_MOVE && !(c.allowed & DROPEFFECT_MOVE) ? DROPEFFECT_COPY : c.over;
        EXPECT_EQ(narrowed & c.allowed, target.dropDefault) << c.name;
    }
}

TEST_F(DropTargetTest, AScrollZoneAnswersWithoutEnterOrOver)
{
    target.scrollAnswer = DROPEFFECT_SCROLL | DROPEFFECT_COPY;
    DWORD effect = DROPEFFECT_COPY;
    ASSERT_EQ(S_OK, face->DragEnter(source.GetDataObject(), MK_LBUTTON, At(1, 2), &effect));
    EXPECT_EQ(DROPEFFECT_SCROLL | DROPEFFECT_COPY, effect);
    effect = DROPEFFECT_COPY;
    ASSERT_EQ(S_OK, face->DragOver(MK_LBUTTON, At(3, 4), &effect));
    EXPECT_EQ(DROPEFFECT_SCROLL | DROPEFFECT_COPY, effect);
    ASSERT_EQ(S_OK, face->DragLeave());
    EXPECT_EQ((Calls{"scroll", "scroll", "leave"}), target.calls);
}

TEST_F(DropTargetTest, RegistrationIsOneTargetPerWindowAndEndsWithRevokeOrTheWindow)
{
    RecordingTarget second;
    CWnd windowless;
    EXPECT_FALSE(second.Register(nullptr));
    EXPECT_FALSE(second.Register(&windowless));
    EXPECT_FALSE(target.Register(&frame)) << "registered already";
    EXPECT_FALSE(second.Register(&frame)) << "the window has a target";
    EXPECT_EQ(&target, frame.m_pDropTarget);

    // A revoked target's OLE face answers "no effect" and reaches nothing.
    ComPtr<IDropTarget> oldFace(face);
    target.Revoke();
    EXPECT_EQ(nullptr, target.GetWindow());
    EXPECT_EQ(nullptr, frame.m_pDropTarget);
    DWORD effect = DROPEFFECT_COPY;
    EXPECT_EQ(S_OK, oldFace->DragEnter(source.GetDataObject(), 0, At(1, 1), &effect));
    EXPECT_EQ(DROPEFFECT_NONE, effect);
    EXPECT_TRUE(target.calls.empty());

    ASSERT_TRUE(second.Register(&frame));
    EXPECT_EQ(frame.m_hWnd, second.GetWindow());
    frame.DestroyWindow();
    EXPECT_EQ(nullptr, second.GetWindow()) << "the window's end revokes its target";
}

TEST(DropTargetWithoutOle, RegistrationIsRefused)
{
    bool registered = true;
    std::thread([&registered] {
        wndtest::Frame frame;
        RecordingTarget target;
        if (frame.Make())
            registered = target.Register(&frame) != FALSE;
        frame.DestroyWindow();
        AfxTermThreadWindows();
    }).join();
    EXPECT_FALSE(registered);
}

// Drives OLE's own drag loop: the drop happens on the source's say, at the cursor.
class CountingDropSource : public COleDropSource {
public:
    int asked = 0;
    SCODE QueryContinueDrag(BOOL, DWORD) override { return ++asked < 3 ? S_OK : DRAGDROP_S_DROP; }
};

TEST_F(DropTargetTest, DoDragDropCarriesTheOfferedBlockToTheTargetUnderTheCursor)
{
    ::SetWindowPos(frame.m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    POINT centre{100, 60};
    ClientToScreen(frame.m_hWnd, &centre);
    ASSERT_TRUE(SetCursorPos(centre.x, centre.y));
    ASSERT_EQ(frame.m_hWnd, WindowFromPoint(centre));

    CountingDropSource dropSource;
    EXPECT_EQ(DROPEFFECT_COPY, source.DoDragDrop(DROPEFFECT_COPY, &dropSource));
    EXPECT_EQ("contact 42", target.droppedText);
    EXPECT_EQ(DROPEFFECT_COPY, target.droppedWith);
    ASSERT_FALSE(target.calls.empty());
    EXPECT_EQ("scroll", target.calls.front());
    EXPECT_EQ("enter", target.calls[1]);
    EXPECT_EQ("drop", target.calls.back());
}

} // namespace
