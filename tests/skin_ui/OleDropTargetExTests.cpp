// The drop target that hands OLE's calls to its window as messages: the order in which a
// drag's messages arrive, what each COleDropInfo carries, and how the window's answers go
// back to OLE, through a data object of the test's own.
#include "ControlParent.h"

#include "framework/ComObject.h"
#include "framework/WinApp.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/controls/OleDropTargetEx.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Vexel;

namespace skin_ui_test {
namespace {

const CLIPFORMAT kContactFormat = static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(L"LumeoTestContact"));

// A data object that offers one format and holds nothing else.
class FakeData : public ComObject<IDataObject> {
public:
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override
    {
        return format && format->cfFormat == kContactFormat ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
};

// A window that notes each drop-target message with what its record carried, and answers
// as the test sets (0 for a message without an answer, as a window without a handler does).
class DropWindow : public CWnd {
public:
    struct Seen {
        UINT message;
        bool hasInfo;
        bool dataOffered;   // the record's data offers the contact format
        DWORD keyState;
        DROPEFFECT dropEffect;
        DROPEFFECT dropList;
        CPoint point;
    };
    std::vector<Seen> seen;
    std::vector<std::pair<UINT, LRESULT>> answers;
    bool handles = true;

    bool Make()
    {
        return CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, 100, 100, 200, 150, nullptr,
                        nullptr) != FALSE;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (handles && message >= WM_DROPTARGET_DRAGENTER && message <= WM_DROPTARGET_DRAGSCROLL) {
            const auto* info = reinterpret_cast<const COleDropInfo*>(lParam);
            Seen entry{message, info != nullptr, false, 0, 0, 0, CPoint(-1, -1)};
            if (info) {
                entry.dataOffered = info->m_dataObject && info->m_dataObject->IsDataAvailable(kContactFormat);
                entry.keyState = info->m_keyState;
                entry.dropEffect = info->m_dropEffect;
                entry.dropList = info->m_dropList;
                entry.point = info->m_point;
            }
            seen.push_back(entry);
            for (const auto& answer : answers) {
                if (answer.first == message)
                    return answer.second;
            }
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class OleDropTargetExTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxOleInit());
        ASSERT_TRUE(window.Make());
        ASSERT_TRUE(target.Register(&window));
        face = target.GetDropTarget();
        ASSERT_NE(face, nullptr);
        data = FakeData::Make<FakeData>();
        ASSERT_TRUE(data);
    }
    void TearDown() override { target.Revoke(); }

    POINTL At(int x, int y) const
    {
        POINT point{x, y};
        ::ClientToScreen(window, &point);
        return POINTL{point.x, point.y};
    }
    std::vector<UINT> Messages() const
    {
        std::vector<UINT> messages;
        for (const auto& entry : window.seen)
            messages.push_back(entry.message);
        return messages;
    }

    DropWindow window;
    COleDropTargetEx target;
    IDropTarget* face = nullptr;
    ComPtr<FakeData> data;
};

TEST_F(OleDropTargetExTest, ADragReachesTheWindowAsMessagesInOrder)
{
    window.answers = {{WM_DROPTARGET_DRAGENTER, DROPEFFECT_COPY},
                      {WM_DROPTARGET_DRAGOVER, DROPEFFECT_MOVE},
                      {WM_DROPTARGET_DROPEX, -1},
                      {WM_DROPTARGET_DROP, 1}};
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(face->DragEnter(data.Get(), MK_LBUTTON, At(10, 20), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(face->DragOver(MK_LBUTTON | MK_SHIFT, At(30, 40), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(face->Drop(data.Get(), 0, At(50, 60), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));

    const std::vector<UINT> expected = {WM_DROPTARGET_DRAGSCROLL, WM_DROPTARGET_DRAGENTER, WM_DROPTARGET_DRAGSCROLL,
                                        WM_DROPTARGET_DRAGOVER,   WM_DROPTARGET_DRAGOVER,  WM_DROPTARGET_DROPEX,
                                        WM_DROPTARGET_DROP};
    ASSERT_EQ(Messages(), expected);
    const auto& seen = window.seen;
    EXPECT_FALSE(seen[0].hasInfo) << "drag-scroll carries neither keys nor point";
    EXPECT_TRUE(seen[1].dataOffered);
    EXPECT_EQ(seen[1].keyState, static_cast<DWORD>(MK_LBUTTON));
    EXPECT_EQ(seen[1].point, CPoint(10, 20));
    EXPECT_EQ(seen[3].keyState, static_cast<DWORD>(MK_LBUTTON | MK_SHIFT));
    EXPECT_EQ(seen[3].point, CPoint(30, 40));
    EXPECT_EQ(seen[5].dropEffect, static_cast<DROPEFFECT>(DROPEFFECT_MOVE)) << "drop-ex: the default effect";
    EXPECT_EQ(seen[5].dropList, static_cast<DROPEFFECT>(DROPEFFECT_COPY | DROPEFFECT_MOVE));
    EXPECT_EQ(seen[5].keyState, 0u);
    EXPECT_TRUE(seen[6].dataOffered);
    EXPECT_EQ(seen[6].dropEffect, static_cast<DROPEFFECT>(DROPEFFECT_MOVE)) << "drop: the chosen effect";
    EXPECT_EQ(seen[6].dropList, 0u);
    EXPECT_EQ(seen[6].point, CPoint(50, 60));
}

TEST_F(OleDropTargetExTest, ADropExTheWindowCarriesOutNeedsNoPlainDrop)
{
    window.answers = {{WM_DROPTARGET_DRAGOVER, DROPEFFECT_MOVE}, {WM_DROPTARGET_DROPEX, DROPEFFECT_COPY}};
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    face->DragEnter(data.Get(), MK_LBUTTON, At(5, 5), &effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(face->Drop(data.Get(), 0, At(5, 5), &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(Messages().back(), static_cast<UINT>(WM_DROPTARGET_DROPEX));
}

TEST_F(OleDropTargetExTest, AWindowWithoutHandlersTakesNothing)
{
    window.handles = false;
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    face->DragEnter(data.Get(), MK_LBUTTON, At(5, 5), &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    face->Drop(data.Get(), 0, At(5, 5), &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE)) << "no effect and no drop";
}

TEST_F(OleDropTargetExTest, LeavingAndScrollingReachTheWindow)
{
    window.answers = {{WM_DROPTARGET_DRAGSCROLL, DROPEFFECT_SCROLL | DROPEFFECT_MOVE}};
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    face->DragEnter(data.Get(), MK_LBUTTON, At(5, 5), &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_SCROLL | DROPEFFECT_MOVE));
    face->DragLeave();
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_DROPTARGET_DRAGSCROLL, WM_DROPTARGET_DRAGLEAVE}))
        << "a scrolling window is not asked to enter";
    EXPECT_FALSE(window.seen.back().hasInfo);
}

} // namespace
} // namespace skin_ui_test
