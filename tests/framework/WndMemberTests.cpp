// CWnd's thin members over scroll bars, fonts and related windows, and the owner-draw map
// entries of a parent.
#include "tests/framework/WindowTestSupport.h"

#include "framework/Button.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(WndMembers, ScrollInformationReadsBackWhatWasSet)
{
    wndtest::Frame frame;
    ASSERT_TRUE(frame.Make(L"scrolling", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_VISIBLE));
    SCROLLINFO set{};
    set.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    set.nMin = 0;
    set.nMax = 99;
    set.nPage = 10;
    set.nPos = 50;
    EXPECT_EQ(frame.SetScrollInfo(SB_VERT, &set), 50);
    SCROLLINFO got{};
    ASSERT_TRUE(frame.GetScrollInfo(SB_VERT, &got));
    EXPECT_EQ(got.nMax, 99);
    EXPECT_EQ(got.nPage, 10u);
    EXPECT_EQ(got.nPos, 50);
    EXPECT_EQ(frame.SetScrollPos(SB_VERT, 20), 50);
    EXPECT_EQ(frame.GetScrollPos(SB_VERT), 20);
    int minimum = -1, maximum = -1;
    frame.GetScrollRange(SB_VERT, &minimum, &maximum);
    EXPECT_EQ(minimum, 0);
    EXPECT_EQ(maximum, 99);
}

TEST(WndMembers, FontsAndRelatedWindows)
{
    wndtest::Frame frame;
    ASSERT_TRUE(frame.Make());
    CWnd edit;
    ASSERT_TRUE(edit.Create(L"EDIT", L"", WS_VISIBLE, CRect(10, 5, 90, 25), &frame, 4));
    CFont font;
    ASSERT_TRUE(font.CreateFont(-15, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    edit.SetFont(&font);
    EXPECT_EQ(edit.GetFont(), static_cast<HFONT>(font));
    edit.SetFont(nullptr);
    EXPECT_EQ(edit.GetFont(), nullptr);

    EXPECT_EQ(frame.GetWindow(GW_CHILD), &edit);
    EXPECT_EQ(edit.GetWindow(GW_HWNDNEXT), nullptr);
    CRect rect(1, 2, 3, 4);
    edit.MapWindowPoints(&frame, &rect);
    EXPECT_EQ(rect, CRect(11, 7, 13, 9));   // the edit sits at (10, 5) of the frame's client area
}

constexpr UINT kRawDrawnId = 61;
constexpr UINT kObjectDrawnId = 62;

class DrawingParent : public wndtest::Frame {
public:
    std::vector<UINT> drawnIds;

protected:
    void OnDrawItem(int id, LPDRAWITEMSTRUCT item)
    {
        drawnIds.push_back(static_cast<UINT>(id));
        CWnd::OnDrawItem(id, item);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DrawingParent, wndtest::Frame)
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

class SelfDrawnButton : public CButton {
public:
    int draws = 0;
    void DrawItem(LPDRAWITEMSTRUCT) override { ++draws; }
};

TEST(WndMembers, AParentDrawsTheItemsOfControlsThatDoNotDrawThemselves)
{
    DrawingParent parent;
    ASSERT_TRUE(parent.Make(L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    SelfDrawnButton own;
    ASSERT_TRUE(own.Create(L"own", WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 50, 20), &parent, kObjectDrawnId));
    const HWND raw = CreateWindowExW(0, L"BUTTON", L"raw", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 30, 50, 20,
                                     parent.m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kRawDrawnId)),
                                     GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(raw);
    own.draws = 0;
    parent.drawnIds.clear();
    parent.Invalidate();
    RedrawWindow(parent.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    wndtest::PumpPending();
    EXPECT_GT(own.draws, 0);
    ASSERT_FALSE(parent.drawnIds.empty());
    for (const UINT id : parent.drawnIds)
        EXPECT_EQ(id, kRawDrawnId);   // the object's items never reach the parent
}

} // namespace
