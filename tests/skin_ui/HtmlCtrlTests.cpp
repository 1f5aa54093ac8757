// The HTML view, with and without a browser. Without one (the HTML engine is switched off
// here) it is still an empty child that says why and takes its records safely. With the
// tests' own browser: the record's host flags answer the browser's questions, the start
// page opens under the skin folder or as an address, the innermost of the browser's nested
// windows never erases its background, and the browser follows the view's size.
#include "ControlParent.h"
#include "FakeHtmlBrowser.h"
#include "UIWndTestSupport.h"

#include "framework/WinApp.h"
#include "skin/model/ButtonProperties.h"
#include "skin/model/MiscControlProperties.h"
#include "skin/ui/WndProcRegistry.h"
#include "skin/ui/controls/HtmlCtrl.h"

#include <gtest/gtest.h>

#include <mshtmhst.h>

#include <memory>
#include <string>
#include <thread>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr UINT kHtmlId = 60;
const RECT kPlace{10, 10, 210, 130};

TEST(HtmlCtrlAddress, PageFilesOpenUnderTheSkinFolderAndAnythingElseAsGiven)
{
    const CString folder = L"C:\\Skins\\Lumeo\\";
    const struct {
        LPCWSTR startPage;
        LPCWSTR address;
    } kCases[] = {
        {L"Pages\\About.HTM", L"C:\\Skins\\Lumeo\\Pages\\About.HTM"},
        {L"start.html", L"C:\\Skins\\Lumeo\\start.html"},
        {L"intro.swf", L"C:\\Skins\\Lumeo\\intro.swf"},
        {L"news.php", L"news.php"},
        {L"www.example.invalid", L"www.example.invalid"},
        {L"pages.htm\\readme", L"pages.htm\\readme"},
        {L"http://example.invalid/index.html", L"http://example.invalid/index.html"},
    };
    for (const auto& c : kCases)
        EXPECT_STREQ(CHtmlCtrl::StartPageAddress(c.startPage, folder), c.address) << c.startPage;
}

class HtmlCtrlTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(AfxOleInit()); }

    HTMLCTRLPROPERTIES& Record(bool hideBorder, bool hideScrollBar, bool hideMenu, LPCWSTR startPage)
    {
        SetSwitch(record, HtmlVar::IsHideBorder, hideBorder);
        SetSwitch(record, HtmlVar::IsHideScrollBar, hideScrollBar);
        SetSwitch(record, HtmlVar::IsHideContextMenu, hideMenu);
        SetText(record, HtmlVar::StartPage, startPage);
        return record;
    }

    TestSkin skin;
    ControlParent parent{50, 50, 300, 200};
    HTMLCTRLPROPERTIES record;
};

TEST_F(HtmlCtrlTest, WithoutABrowserItIsAnEmptyChildThatSaysWhy)
{
    CHtmlCtrl view;
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, kPlace, &parent, kHtmlId));
    EXPECT_TRUE(::IsWindow(view.m_hWnd));
    EXPECT_EQ(::GetParent(view.m_hWnd), parent.m_hWnd);
    EXPECT_EQ(CRect(ChildRect(parent, view.m_hWnd)), CRect(kPlace));
    EXPECT_TRUE(FAILED(view.GetBrowserResult()));
    EXPECT_EQ(view.GetBrowser(), nullptr);
    EXPECT_EQ(::GetWindow(view.m_hWnd, GW_CHILD), nullptr);

    EXPECT_EQ(view.ApplyProperties(&Record(true, true, true, L"start.htm")), 0);
    EXPECT_EQ(view.GetHostFlags(), static_cast<DWORD>(CHtmlCtrl::kNoBorder | CHtmlCtrl::kNoScrollBars |
                                                      CHtmlCtrl::kNoContextMenu));
    view.SetWindowPos(nullptr, 0, 0, 120, 80, SWP_NOZORDER | SWP_NOMOVE);
    view.UpdateWindow();
    EXPECT_TRUE(view.DestroyWindow());
}

TEST_F(HtmlCtrlTest, WithoutOleOnTheThreadItIsAnEmptyChildToo)
{
    HRESULT result = S_OK;
    bool made = false;
    std::thread([&] {
        ControlParent other(0, 0, 100, 100);
        {
            CHtmlCtrl view;
            made = view.Create(nullptr, nullptr, WS_CHILD, {0, 0, 50, 50}, &other, 1) && ::IsWindow(view.m_hWnd);
            result = view.GetBrowserResult();
        }
        other.DestroyWindow();
        AfxTermThreadWindows();
    }).join();
    EXPECT_TRUE(made);
    EXPECT_TRUE(FAILED(result));
}

TEST_F(HtmlCtrlTest, WithABrowserTheRecordAnswersItsHostQuestionsAndOpensTheStartPage)
{
    FakeHtmlBrowserMaker maker;
    CHtmlCtrl view;
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, kPlace, &parent, kHtmlId));
    ASSERT_EQ(view.GetBrowserResult(), S_OK);
    FakeHtmlBrowser* const browser = FakeHtmlBrowser::Last();
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(browser->site);
    ComPtr<IDocHostUIHandler> host;
    ASSERT_EQ(host.QueryFrom(browser->site.Get(), __uuidof(IDocHostUIHandler)), S_OK);

    const struct {
        bool hideBorder, hideScrollBar, hideMenu;
        DWORD flags;
        HRESULT menuAnswer;
    } kCases[] = {
        {false, false, false, 0, S_FALSE},
        {true, false, false, DOCHOSTUIFLAG_NO3DBORDER, S_FALSE},
        {false, true, true, DOCHOSTUIFLAG_SCROLL_NO | 0x2, S_OK},
        {true, true, true, DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO | 0x2, S_OK},
    };
    for (const auto& c : kCases) {
        ASSERT_EQ(view.ApplyProperties(&Record(c.hideBorder, c.hideScrollBar, c.hideMenu, L"")), 0);
        DOCHOSTUIINFO info{};
        info.cbSize = sizeof info;
        ASSERT_EQ(host->GetHostInfo(&info), S_OK);
        EXPECT_EQ(info.cbSize, 20u);
        EXPECT_EQ(info.dwFlags, c.flags) << c.hideBorder << c.hideScrollBar << c.hideMenu;
        EXPECT_EQ(info.dwDoubleClick, static_cast<DWORD>(DOCHOSTUIDBLCLK_DEFAULT));
        POINT point{5, 5};
        EXPECT_EQ(host->ShowContextMenu(CONTEXT_MENU_DEFAULT, &point, nullptr, nullptr), c.menuAnswer);
    }
    EXPECT_TRUE(browser->navigated.empty()) << "an empty start page opens nothing";

    ASSERT_EQ(view.ApplyProperties(&Record(false, false, false, L"Pages\\About.HTM")), 0);
    ASSERT_EQ(view.ApplyProperties(&Record(false, false, false, L"news.php")), 0);
    ASSERT_EQ(browser->navigated.size(), 2u);
    EXPECT_EQ(browser->navigated[0], std::wstring(g_skinStore.GetSkinFolder()) + L"Pages\\About.HTM");
    EXPECT_EQ(browser->navigated[1], L"news.php");
}

TEST_F(HtmlCtrlTest, TheInnermostBrowserWindowNeverErasesAndTheBrowserFollowsTheViewsSize)
{
    FakeHtmlBrowserMaker maker;
    CHtmlCtrl view;
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, kPlace, &parent, kHtmlId));
    FakeHtmlBrowser* const browser = FakeHtmlBrowser::Last();
    ASSERT_NE(browser, nullptr);

    const HDC dc = ::GetDC(view.m_hWnd);
    const LRESULT kErased[] = {0, 0, 1};   // the outer two hand it on to a procedure that erases nothing
    for (int level = 0; level < 3; ++level) {
        const HWND pane = browser->panes[level];
        ASSERT_TRUE(::IsWindow(pane)) << level;
        EXPECT_NE(::GetPropW(pane, kOldWndProcProperty), nullptr) << level;
        EXPECT_EQ(::SendMessageW(pane, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), kErased[level]) << level;
    }
    ::ReleaseDC(view.m_hWnd, dc);

    view.SetWindowPos(nullptr, 0, 0, 150, 90, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(CRect(ChildRect(view, browser->panes[0])), CRect(0, 0, 150, 90));
    EXPECT_EQ(CRect(browser->placed), CRect(0, 0, 150, 90));
}

TEST_F(HtmlCtrlTest, RecordsOfAnotherKindAndUnknownStylesAreRefused)
{
    auto style = std::make_unique<HTMLCTRLPROPERTIES>();
    SetText(*style, CtrlVar::Type, L"STYLE_HTMLCTRL");
    SetText(*style, CtrlVar::ID, L"IDR_HTML_1");
    SetSwitch(*style, HtmlVar::IsHideBorder, true);
    ASSERT_GE(g_skinStore.AddStyle(StyleKind::HtmlCtrl, style.get()), 0);
    style.release();

    CHtmlCtrl view;
    BTNPROPERTIES button;
    EXPECT_EQ(view.ApplyProperties(&record), -1);
    EXPECT_EQ(view.ApplyStyle(L"IDR_HTML_1"), -1);
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD, kPlace, &parent, kHtmlId));
    EXPECT_EQ(view.ApplyProperties(&button), -3);
    EXPECT_EQ(view.ApplyProperties(nullptr), -2);
    EXPECT_EQ(view.ApplyStyle(nullptr), -2);
    EXPECT_EQ(view.ApplyStyle(L"IDR_NO_SUCH_STYLE"), -2);
    EXPECT_EQ(view.ApplyStyle(L"IDR_HTML_1"), 0);
    EXPECT_EQ(view.GetHostFlags(), static_cast<DWORD>(CHtmlCtrl::kNoBorder));
    EXPECT_EQ(view.ShowBorder(TRUE), 0);
    EXPECT_EQ(view.GetHostFlags(), 0u);
}

} // namespace
} // namespace skin_ui_test
