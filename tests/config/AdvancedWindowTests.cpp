// Proves the advanced account window: its texts and transport list; every field of g_account
// shown, changed and written back by OK (and shown again when the window reopens); TLS alone
// setting the Tls flag; a stored transport outside the list read as UDP; the close box and the
// sign-in window's Advanced button leaving or taking the changes as they should; and Tab from
// an edit to the next window.
#include "tests/config/ConfigWindowTestSupport.h"

#include "config/AdvancedWindow.h"
#include "config/LoginWnd.h"
#include "core/AccountRecord.h"
#include "resources/Resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace config_test {
namespace {

using lumeo_test::ChildText;
using lumeo_test::WindowText;

class AdvancedAccount : public ConfigWindowTest {
protected:
    void SetUp() override
    {
        ConfigWindowTest::SetUp();
        g_account.displayName = "Alice";
        g_account.AuthName = "alice-auth";
        g_account.UserDomain = "one.test";
        g_account.RegVal = 300;
        g_account.Transport = 2;
        g_account.StunServer = "stun.one";
        g_account.StunServerPort = 3478;
        g_account.Srtp = true;
    }

    // Sets every field away from SetUp's values and picks the transport `index`.
    static void ChangeEverything(HWND window, int transport)
    {
        SetText(window, IDC_EDT_DISPLAYNAME, L"Bob");
        SetText(window, IDC_EDT_AUTHNAME, L"bob-auth");
        SetText(window, IDC_EDT_USERDOMAIN, L"two.test");
        SetText(window, IDC_EDT_REGISTERTIME, L"600");
        Pick(window, IDC_CMB_TRANSPORT, transport);
        SetText(window, IDC_EDT_STUNSERVER, L"stun.two");
        SetText(window, IDC_EDT_STUNPORT, L"19302");
        SetCheck(window, IDC_CHECKBOX_SRTP, false);
    }
};

TEST_F(AdvancedAccount, ShowsItsTextsAndTheFourTransports)
{
    CAdvancedWindow advanced;
    RunModal(advanced, [](HWND window) {
        EXPECT_EQ(L"DLG_LOGIN/20009", WindowText(window));
        ExpectChildTexts(window, {
            {IDC_STA_TITLE, L"DLG_LOGIN/20009"},     {IDC_STATIC_LINE7, L"DLG_LOGIN/20012"},
            {IDC_STATIC_LINE8, L"DLG_LOGIN/20013"},  {IDC_STATIC_LINE9, L"DLG_LOGIN/20014"},
            {IDC_STATIC_LINE10, L"DLG_LOGIN/20015"}, {IDC_STATIC_LINE11, L"DLG_LOGIN/20023"},
            {IDC_STATIC_LINE16, L"DLG_LOGIN/20024"}, {IDC_STATIC_LINE12, L"DLG_LOGIN/20016"},
            {IDC_STATIC_LINE13, L"DLG_LOGIN/20017"}, {IDC_STATIC_LINE14, L"DLG_LOGIN/20019"},
            // The window's one button says what it does.
            {IDC_BTN_OK, L"DLG_LOGIN/20025"},
        });
        EXPECT_EQ((std::vector<std::wstring>{L"UDP", L"TLS", L"TCP", L"PERS"}), Entries(window, IDC_CMB_TRANSPORT));
    });
}

TEST_F(AdvancedAccount, OkWritesEveryFieldBackAndTheWindowShowsThemAgain)
{
    CAdvancedWindow advanced;
    const int result = RunModal(advanced, [](HWND window) {
        EXPECT_EQ(L"Alice", ChildText(window, IDC_EDT_DISPLAYNAME));
        EXPECT_EQ(L"alice-auth", ChildText(window, IDC_EDT_AUTHNAME));
        EXPECT_EQ(L"one.test", ChildText(window, IDC_EDT_USERDOMAIN));
        EXPECT_EQ(L"300", ChildText(window, IDC_EDT_REGISTERTIME));
        EXPECT_EQ(2, ::SendDlgItemMessageW(window, IDC_CMB_TRANSPORT, CB_GETCURSEL, 0, 0));
        EXPECT_EQ(L"stun.one", ChildText(window, IDC_EDT_STUNSERVER));
        EXPECT_EQ(L"3478", ChildText(window, IDC_EDT_STUNPORT));
        EXPECT_TRUE(IsChecked(window, IDC_CHECKBOX_SRTP));
        ChangeEverything(window, 3);
        Click(window, IDC_BTN_OK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("Bob", g_account.displayName);
    EXPECT_EQ("bob-auth", g_account.AuthName);
    EXPECT_EQ("two.test", g_account.UserDomain);
    EXPECT_EQ(600, g_account.RegVal);
    EXPECT_EQ(3, g_account.Transport);
    EXPECT_FALSE(g_account.Tls);
    EXPECT_EQ("stun.two", g_account.StunServer);
    EXPECT_EQ(19302, g_account.StunServerPort);
    EXPECT_FALSE(g_account.Srtp);

    CAdvancedWindow again;
    RunModal(again, [](HWND window) {
        EXPECT_EQ(L"PERS", ChildText(window, IDC_CMB_TRANSPORT));
        EXPECT_EQ(L"Bob", ChildText(window, IDC_EDT_DISPLAYNAME));
        EXPECT_EQ(L"600", ChildText(window, IDC_EDT_REGISTERTIME));
        EXPECT_FALSE(IsChecked(window, IDC_CHECKBOX_SRTP));
    });
}

TEST_F(AdvancedAccount, OnlyTlsSetsTheTlsFlagAndNumbersThatAreNoNumbersAreZero)
{
    for (int transport = 0; transport < 4; ++transport) {
        g_account.Tls = transport != 1;
        CAdvancedWindow advanced;
        RunModal(advanced, [transport](HWND window) {
            Pick(window, IDC_CMB_TRANSPORT, transport);
            SetText(window, IDC_EDT_REGISTERTIME, L"soon");
            SetText(window, IDC_EDT_STUNPORT, L"");
            Click(window, IDC_BTN_OK);
        });
        EXPECT_EQ(transport, g_account.Transport);
        EXPECT_EQ(transport == 1, g_account.Tls) << transport;
        EXPECT_EQ(0, g_account.RegVal);
        EXPECT_EQ(0, g_account.StunServerPort);
    }
}

TEST_F(AdvancedAccount, AStoredTransportOutsideTheListIsShownAsUdpAndSetTo0)
{
    g_account.Transport = 7;
    CAdvancedWindow advanced;
    RunModal(advanced, [](HWND window) { EXPECT_EQ(L"UDP", ChildText(window, IDC_CMB_TRANSPORT)); });
    EXPECT_EQ(0, g_account.Transport);
}

TEST_F(AdvancedAccount, TheCloseBoxChangesNothing)
{
    CAdvancedWindow advanced;
    const int result = RunModal(advanced, [](HWND window) {
        ChangeEverything(window, 1);
        Click(window, IDC_BTN_1);
    });
    EXPECT_EQ(IDC_BTN_1, result);
    EXPECT_EQ("Alice", g_account.displayName);
    EXPECT_EQ(2, g_account.Transport);
    EXPECT_TRUE(g_account.Srtp);
}

TEST_F(AdvancedAccount, TheSignInWindowsAdvancedButtonEditsTheAccountItSignsInWith)
{
    CLoginWnd login;
    const int result = RunModal(login, [this](HWND window) {
        // Runs inside the advanced window's own loop, which the click below starts.
        actions.Post([] {
            const HWND advanced = ::GetActiveWindow();
            ChangeEverything(advanced, 1);
            Click(advanced, IDC_BTN_OK);
        });
        Click(window, IDC_BTN_ADVANCED);
        SetText(window, IDC_CMB_USERNAME, L"bob");
        SetText(window, IDC_EDT_PASSWORD, L"pw");
        SetText(window, IDC_EDT_SIPSERVER, L"sip.two");
        Click(window, IDC_BTN_LOGIN);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("Bob", g_account.displayName);
    EXPECT_EQ(1, g_account.Transport);
    EXPECT_TRUE(g_account.Tls);
    EXPECT_EQ("bob", g_account.UserName);
}

TEST_F(AdvancedAccount, TabFromAnEditMovesToTheNextWindow)
{
    CAdvancedWindow advanced;
    RunModal(advanced, [&](HWND window) {
        const HWND from = ::GetDlgItem(window, IDC_EDT_REGISTERTIME);
        ::SetFocus(from);
        MSG tab{from, WM_KEYDOWN, VK_TAB, 1, 0, {}};
        EXPECT_TRUE(advanced.PreTranslateMessage(&tab));
        EXPECT_EQ(::GetDlgItem(window, IDC_CMB_TRANSPORT), ::GetFocus());
    });
}

} // namespace
} // namespace config_test
