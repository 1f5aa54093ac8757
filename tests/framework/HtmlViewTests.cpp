// The browser host: where the HTML engine cannot be created (here it is switched off) or
// OLE is not started, creation fails cleanly, leaving no window and no browser, and the
// view can be used and destroyed safely; the site the browser would be given asks the view
// its host questions while the view is there, and answers alone after.
#include "framework/HtmlHostSite.h"
#include "framework/HtmlView.h"
#include "framework/WinApp.h"
#include "tests/framework/WindowTestSupport.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

class AnsweringView : public CHtmlView {
public:
    int hostInfoAsked = 0;
    int menuAsked = 0;
    HRESULT OnGetHostInfo(DOCHOSTUIINFO* info) override
    {
        ++hostInfoAsked;
        info->cbSize = 20;
        info->dwFlags = DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO;
        info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
        return S_OK;
    }
    HRESULT OnShowContextMenu(DWORD, LPPOINT, LPUNKNOWN, LPDISPATCH) override
    {
        ++menuAsked;
        return S_OK;
    }
};

bool HasChildWindow(HWND parent)
{
    return ::GetWindow(parent, GW_CHILD) != nullptr;
}

} // namespace

TEST(HtmlView, WithoutAnHtmlEngineCreationFailsCleanly)
{
    ASSERT_TRUE(AfxOleInit());
    wndtest::Frame parent;
    ASSERT_TRUE(parent.Make());
    {
        AnsweringView view;
        const RECT rect{0, 0, 200, 100};
        for (int attempt = 0; attempt < 2; ++attempt) {
            EXPECT_FALSE(view.Create(nullptr, L"page", WS_VISIBLE, rect, &parent, 100)) << attempt;
            EXPECT_EQ(nullptr, view.m_hWnd) << attempt;
            EXPECT_FALSE(HasChildWindow(parent.m_hWnd)) << attempt;
            EXPECT_EQ(nullptr, view.GetBrowser()) << attempt;
            EXPECT_EQ(nullptr, view.GetBrowserWindow()) << attempt;
            EXPECT_FALSE(view.Navigate(L"about:blank")) << attempt;
        }
        EXPECT_EQ(0, view.hostInfoAsked);
    }
    EXPECT_TRUE(IsWindow(parent.m_hWnd));
}

TEST(HtmlView, WithoutOleCreationFailsCleanly)
{
    bool created = true;
    bool windowLeft = true;
    std::thread([&] {
        wndtest::Frame parent;
        if (parent.Make()) {
            CHtmlView view;
            created = view.Create(nullptr, L"page", WS_VISIBLE, RECT{0, 0, 50, 50}, &parent, 1) != FALSE;
            windowLeft = HasChildWindow(parent.m_hWnd);
        }
        parent.DestroyWindow();
        AfxTermThreadWindows();
    }).join();
    EXPECT_FALSE(created);
    EXPECT_FALSE(windowLeft);
}

TEST(HtmlView, TheSiteAsksTheViewItsHostQuestionsWhileTheViewIsThere)
{
    AnsweringView view;
    ComPtr<IOleClientSite> site = AfxMakeHtmlHostSite(&view);
    ASSERT_TRUE(site);
    ComPtr<IDocHostUIHandler> handler;
    ASSERT_EQ(S_OK, handler.QueryFrom(site.Get(), __uuidof(IDocHostUIHandler)));
    for (REFIID iid : {__uuidof(IOleWindow), __uuidof(IOleInPlaceSite), __uuidof(IOleInPlaceUIWindow),
                       __uuidof(IOleInPlaceFrame)}) {
        ComPtr<IUnknown> face;
        EXPECT_EQ(S_OK, face.QueryFrom(site.Get(), iid));
    }

    DOCHOSTUIINFO info{};
    info.cbSize = sizeof info;
    EXPECT_EQ(S_OK, handler->GetHostInfo(&info));
    EXPECT_EQ(1, view.hostInfoAsked);
    EXPECT_EQ(20u, info.cbSize);
    EXPECT_EQ(static_cast<DWORD>(DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO), info.dwFlags);
    POINT point{1, 2};
    EXPECT_EQ(S_OK, handler->ShowContextMenu(0, &point, nullptr, nullptr));
    EXPECT_EQ(1, view.menuAsked);

    // A view that is going cuts its site off: the browser then gets the plain answers.
    AfxForgetHtmlHostView(site.Get());
    EXPECT_EQ(S_OK, handler->GetHostInfo(&info));
    EXPECT_EQ(S_FALSE, handler->ShowContextMenu(0, &point, nullptr, nullptr));
    EXPECT_EQ(1, view.hostInfoAsked);
    EXPECT_EQ(1, view.menuAsked);
    ComPtr<IOleInPlaceSite> inPlace;
    ASSERT_EQ(S_OK, inPlace.QueryFrom(site.Get(), __uuidof(IOleInPlaceSite)));
    HWND window = reinterpret_cast<HWND>(1);
    EXPECT_EQ(E_FAIL, inPlace->GetWindow(&window));
    EXPECT_EQ(nullptr, window);
}
