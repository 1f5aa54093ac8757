// Proves the sign-in window against a real database: its texts; an empty table User (no
// entries, port 5060, and a sign-in with an empty port using 5060); a stored account filled
// into the form and into g_account with its enciphered password remembered, never shown; the
// last sign-in chosen whatever its letter case; at most 500 accounts and a NULL name kept in
// step; what Login stores (enciphered password, address, auto sign-in, the Run value); the one
// message for every missing field and bad port with the window left open; the close button's
// 8 with the database still open; Tab from an edit to the next window; and the whole layout
// scaled alike on a screen of 120 DPI.
#include "tests/config/ConfigWindowTestSupport.h"

#include "config/AutoStart.h"
#include "config/EditTab.h"
#include "config/LoginWnd.h"
#include "core/AccountRecord.h"
#include "core/Crypto.h"
#include "core/OptionsRecord.h"
#include "core/TavikSQL.h"
#include "resources/Resource.h"
#include "tests/support/SystemAnswersScope.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace config_test {
namespace {

using lumeo_test::ChildText;
using lumeo_test::WindowText;

constexpr wchar_t kPortMessage[] = L"DLG_LOGIN/20021";

std::string Cipher(const char* password)
{
    std::string hex;
    EXPECT_TRUE(Crypto().Encrypt(password, hex));
    return hex;
}

// A screen of `dpi` in both directions while the object lives; the other answers are the
// system's.
class LoginScreenDpi : public lumeo_test::SystemAnswersScope {
public:
    explicit LoginScreenDpi(int dpi) : m_dpi(dpi) {}
    SIZE GetScreenDpi() const override { return {m_dpi, m_dpi}; }

private:
    LONG m_dpi;
};

// Where a window's controls lie: each direct child's rectangle in the client area, in the
// order the window made them, and whether it shows.
struct LoginLayout {
    SIZE window{};
    struct Control {
        int id;
        bool visible;
        bool combo;
        RECT rect;
    };
    std::vector<Control> controls;
};

LoginLayout LoginLayoutOf(HWND window)
{
    LoginLayout layout;
    RECT outer{};
    ::GetWindowRect(window, &outer);
    layout.window = {outer.right - outer.left, outer.bottom - outer.top};
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[32] = {};
        ::GetClassNameW(child, className, 32);
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        layout.controls.push_back({::GetDlgCtrlID(child), ::IsWindowVisible(child) != FALSE,
                                   std::wstring(className) == L"ComboBox", rect});
    }
    return layout;
}

bool ControlsOverlap(const RECT& a, const RECT& b)
{
    RECT both{};
    return ::IntersectRect(&both, &a, &b) != FALSE;
}

class LoginWindow : public ConfigWindowTest {
protected:
    void SetUp() override
    {
        ConfigWindowTest::SetUp();
        RemoveAutoStart();
    }
    void TearDown() override
    {
        RemoveAutoStart();
        ConfigWindowTest::TearDown();
    }

    // Fills the four fields and presses Login.
    static void SignIn(HWND window, const wchar_t* user, const wchar_t* password, const wchar_t* server,
                       const wchar_t* port)
    {
        SetText(window, IDC_CMB_USERNAME, user);
        SetText(window, IDC_EDT_PASSWORD, password);
        SetText(window, IDC_EDT_SIPSERVER, server);
        SetText(window, IDC_EDT_SIPSERVERPORT, port);
        Click(window, IDC_BTN_LOGIN);
    }

    // Two stored accounts: alice with everything set, bob on another server.
    static void AddTwoAccounts()
    {
        AddAccount({{"SIPUri", "'sip:alice@sip.one:5070'"},
                    {"UserName", "'alice'"},
                    {"AuthName", "'alice-auth'"},
                    {"Password", "'" + Cipher("stored") + "'"},
                    {"ProxyServer", "'sip.one'"},
                    {"ProxyPort", "5070"},
                    {"UserDomain", "'one.test'"},
                    {"StunServer", "'stun.one'"},
                    {"StunServerPort", "3478"},
                    {"RegVal", "300"},
                    {"Tls", "1"},
                    {"Srtp", "1"},
                    {"displayName", "'Alice'"},
                    {"Transport", "7"},
                    {"OutboundServer", "'out.one'"},
                    {"OutboundPort", "5080"},
                    {"ipv6", "1"}});
        AddAccount({{"SIPUri", "'sip:bob@sip.two:0'"},
                    {"UserName", "'bob'"},
                    {"Password", "'" + Cipher("bobs") + "'"},
                    {"ProxyServer", "'sip.two'"},
                    {"ProxyPort", "0"}});
    }
};

TEST_F(LoginWindow, ShowsItsTextsFromTheTable)
{
    CLoginWnd login;
    RunModal(login, [](HWND window) {
        EXPECT_EQ(L"Lumeo Softphone", WindowText(window));
        ExpectChildTexts(window, {
            {IDC_STA_TITLE, L"DLG_LOGIN/20000"},    {IDC_STATIC_LINE3, L"DLG_LOGIN/20003"},
            {IDC_STATIC_LINE4, L"DLG_LOGIN/20004"}, {IDC_STATIC_LINE5, L"DLG_LOGIN/20005"},
            {IDC_STATIC_LINE6, L"DLG_LOGIN/20006"}, {IDC_STATIC_LINE7, L"DLG_LOGIN/20007"},
            {IDC_STATIC_LINE8, L"DLG_LOGIN/20008"}, {IDC_BTN_ADVANCED, L"DLG_LOGIN/20009"},
            {IDC_BTN_LOGIN, L"DLG_LOGIN/20010"},
        });
    });
}

TEST_F(LoginWindow, WithNoStoredAccountTheFormIsEmptyAndAnEmptyPortMeans5060)
{
    ASSERT_EQ(0, UserRows());
    CLoginWnd login;
    const int result = RunModal(login, [](HWND window) {
        EXPECT_TRUE(Entries(window, IDC_CMB_USERNAME).empty());
        EXPECT_EQ(L"5060", ChildText(window, IDC_EDT_SIPSERVERPORT));
        EXPECT_EQ(L"", ChildText(window, IDC_EDT_SIPSERVER));
        SignIn(window, L"carol", L"secret", L"sip.three", L"");
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("carol", g_account.UserName);
    EXPECT_EQ(Cipher("secret"), g_account.Password);
    EXPECT_EQ("sip.three", g_account.ProxyServer);
    EXPECT_EQ(5060, g_account.ProxyPort);
    EXPECT_EQ("sip:carol@sip.three:5060", g_account.SIPUri);
    EXPECT_EQ("sip:carol@sip.three:5060", g_options.LastLoginUri);
    EXPECT_EQ("", g_options.NetworkInterface);
    EXPECT_TRUE(messageBoxes.Messages().empty());
    // Saving is the caller's: nothing was written.
    EXPECT_EQ(0, UserRows());
}

TEST_F(LoginWindow, AStoredAccountIsFilledIntoTheFormWithItsPasswordRememberedButNotShown)
{
    AddTwoAccounts();
    g_options.LastLoginUri = "sip:alice@sip.one:5070";
    CLoginWnd login;
    RunModal(login, [](HWND window) {
        EXPECT_EQ((std::vector<std::wstring>{L"alice", L"bob"}), Entries(window, IDC_CMB_USERNAME));
        EXPECT_EQ(L"alice", ChildText(window, IDC_CMB_USERNAME));
        EXPECT_EQ(L"sip.one", ChildText(window, IDC_EDT_SIPSERVER));
        EXPECT_EQ(L"5070", ChildText(window, IDC_EDT_SIPSERVERPORT));
        EXPECT_EQ(L"", ChildText(window, IDC_EDT_PASSWORD));
    });
    EXPECT_EQ("sip:alice@sip.one:5070", g_account.SIPUri);
    EXPECT_EQ("alice", g_account.UserName);
    EXPECT_EQ("alice-auth", g_account.AuthName);
    EXPECT_EQ(Cipher("stored"), g_account.Password);
    EXPECT_EQ("sip.one", g_account.ProxyServer);
    EXPECT_EQ(5070, g_account.ProxyPort);
    EXPECT_EQ("one.test", g_account.UserDomain);
    EXPECT_EQ("stun.one", g_account.StunServer);
    EXPECT_EQ(3478, g_account.StunServerPort);
    EXPECT_EQ(300, g_account.RegVal);
    EXPECT_TRUE(g_account.Tls);
    EXPECT_TRUE(g_account.Srtp);
    EXPECT_EQ("Alice", g_account.displayName);
    EXPECT_EQ(0, g_account.Transport) << "a stored 7 reads as UDP";
    EXPECT_EQ("out.one", g_account.OutboundServer);
    EXPECT_EQ(5080, g_account.OutboundPort);
    EXPECT_EQ(1, g_account.ipv6);
}

TEST_F(LoginWindow, TheRememberedPasswordSignsInOnlyWhenTypedAgain)
{
    AddTwoAccounts();
    g_options.LastLoginUri = "sip:alice@sip.one:5070";
    CLoginWnd login;
    const int result = RunModal(login, [this](HWND window) {
        Click(window, IDC_BTN_LOGIN);   // the password edit is empty
        EXPECT_EQ(std::vector<std::wstring>{kPortMessage}, messageBoxes.Messages());
        EXPECT_EQ(Cipher("stored"), g_account.Password);
        SetText(window, IDC_EDT_PASSWORD, L"stored");
        Click(window, IDC_BTN_LOGIN);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(Cipher("stored"), g_account.Password);
    EXPECT_EQ("sip:alice@sip.one:5070", g_account.SIPUri);
}

TEST_F(LoginWindow, TheLastSignInIsChosenWhateverItsLetterCaseAndAPickLoadsItsAccount)
{
    AddTwoAccounts();
    g_options.LastLoginUri = "SIP:BOB@SIP.TWO:0";
    CLoginWnd login;
    RunModal(login, [](HWND window) {
        EXPECT_EQ(1, ::SendDlgItemMessageW(window, IDC_CMB_USERNAME, CB_GETCURSEL, 0, 0));
        EXPECT_EQ(L"sip.two", ChildText(window, IDC_EDT_SIPSERVER));
        EXPECT_EQ(L"5060", ChildText(window, IDC_EDT_SIPSERVERPORT)) << "a stored port of 0";
        Pick(window, IDC_CMB_USERNAME, 0);
        EXPECT_EQ(L"sip.one", ChildText(window, IDC_EDT_SIPSERVER));
        EXPECT_EQ(L"5070", ChildText(window, IDC_EDT_SIPSERVERPORT));
        EXPECT_EQ("alice", g_account.UserName);
    });
    // With no match the first entry is chosen.
    g_options.LastLoginUri = "sip:nobody@nowhere:5060";
    CLoginWnd again;
    RunModal(again, [](HWND window) {
        EXPECT_EQ(0, ::SendDlgItemMessageW(window, IDC_CMB_USERNAME, CB_GETCURSEL, 0, 0));
        EXPECT_EQ(L"sip.one", ChildText(window, IDC_EDT_SIPSERVER));
    });
}

TEST_F(LoginWindow, AtMost500AccountsAreListedAndANullNameKeepsTheListInStep)
{
    ASSERT_TRUE(g_database.Exec("begin transaction"));
    AddAccount({{"SIPUri", "'sip:nameless@sip.null:5060'"}, {"UserName", "NULL"}, {"ProxyServer", "'sip.null'"}});
    for (int i = 1; i <= 500; ++i) {
        const std::string n = std::to_string(i);
        AddAccount({{"SIPUri", "'sip:user" + n + "@sip.many:5060'"},
                    {"UserName", "'user" + n + "'"},
                    {"ProxyServer", "'sip.many" + n + "'"}});
    }
    ASSERT_TRUE(g_database.Exec("commit transaction"));
    g_options.LastLoginUri = "sip:user2@sip.many:5060";
    CLoginWnd login;
    RunModal(login, [](HWND window) {
        const std::vector<std::wstring> entries = Entries(window, IDC_CMB_USERNAME);
        ASSERT_EQ(500u, entries.size());
        EXPECT_EQ(L"", entries[0]);
        EXPECT_EQ(L"user499", entries[499]);
        // Entry 2 is user2, whose row fills the form: the list and the addresses are in step.
        EXPECT_EQ(2, ::SendDlgItemMessageW(window, IDC_CMB_USERNAME, CB_GETCURSEL, 0, 0));
        EXPECT_EQ(L"sip.many2", ChildText(window, IDC_EDT_SIPSERVER));
        Pick(window, IDC_CMB_USERNAME, 0);
        EXPECT_EQ(L"sip.null", ChildText(window, IDC_EDT_SIPSERVER));
        // A typed name leaves no entry chosen: nothing is loaded.
        ::SendDlgItemMessageW(window, IDC_CMB_USERNAME, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_CMB_USERNAME, CBN_SELCHANGE), 0);
        EXPECT_EQ(L"sip.null", ChildText(window, IDC_EDT_SIPSERVER));
    });
}

TEST_F(LoginWindow, AutoSignInAndStartWithWindowsFollowTheirBoxes)
{
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on ? "on" : "off");
        CLoginWnd login;
        const int result = RunModal(login, [on](HWND window) {
            EXPECT_EQ(!on, IsChecked(window, IDC_CHECK_AUTORUN)) << "the box shows the Run value";
            SetCheck(window, IDC_CHECK_AUTOLOGIN, on);
            SetCheck(window, IDC_CHECK_AUTORUN, on);
            SignIn(window, L"dave", L"pw", L"sip.four", L"5061");
        });
        EXPECT_EQ(IDOK, result);
        EXPECT_EQ(on, g_account.AutoSignIn);
        EXPECT_EQ(on, IsAutoStart());
    }
}

TEST_F(LoginWindow, EveryMissingFieldAndBadPortGivesTheOneMessageAndTheWindowStays)
{
    struct Case {
        const wchar_t* user;
        const wchar_t* password;
        const wchar_t* server;
        const wchar_t* port;
    };
    const Case refused[] = {
        {L"", L"pw", L"sip.five", L"5060"},      {L"erin", L"", L"sip.five", L"5060"},
        {L"erin", L"pw", L"", L"5060"},          {L"erin", L"pw", L"sip.five", L"0"},
        {L"erin", L"pw", L"sip.five", L"abc"},   {L"erin", L"pw", L"sip.five", L"-5"},
        {L"erin", L"pw", L"sip.five", L"65536"}, {L"erin", L"pw", L"sip.five", L"99999999999"},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(testing::Message() << "user '" << c.user << "' password '" << c.password << "' server '"
                                        << c.server << "' port '" << c.port << "'");
        g_account = AccountRecord();
        g_options.LastLoginUri = "before";
        const size_t shownBefore = messageBoxes.Messages().size();
        CLoginWnd login;
        const int result = RunModal(login, [&](HWND window) {
            SignIn(window, c.user, c.password, c.server, c.port);
            EXPECT_EQ(c.port, ChildText(window, IDC_EDT_SIPSERVERPORT)) << "the fields stay as typed";
        });
        EXPECT_EQ(kLeftOpen, result);
        ASSERT_EQ(shownBefore + 1, messageBoxes.Messages().size());
        EXPECT_EQ(kPortMessage, messageBoxes.Messages().back());
        EXPECT_EQ("", g_account.UserName);
        EXPECT_EQ("before", g_options.LastLoginUri);
    }
    for (const wchar_t* port : {L"1", L"65535"}) {
        CLoginWnd login;
        EXPECT_EQ(IDOK, RunModal(login, [port](HWND window) { SignIn(window, L"erin", L"pw", L"sip.five", port); }))
            << port;
        EXPECT_EQ(std::stoi(port), g_account.ProxyPort);
    }
}

TEST_F(LoginWindow, TheCloseButtonEndsWith8AndLeavesTheDatabaseOpen)
{
    CLoginWnd login;
    EXPECT_EQ(CLoginWnd::kClosedResult, RunModal(login, [](HWND window) { Click(window, IDC_BTN_CLOSE); }));
    EXPECT_TRUE(g_database.IsOpen());
}

TEST_F(LoginWindow, TabFromAnEditMovesToTheNextWindowWhateverItsKind)
{
    struct Step {
        int from;
        int to;
    };
    const Step steps[] = {
        {IDC_EDT_PASSWORD, IDC_EDT_SIPSERVER},
        {IDC_EDT_SIPSERVER, IDC_EDT_SIPSERVERPORT},
        {IDC_EDT_SIPSERVERPORT, IDC_CHECK_AUTOLOGIN},
    };
    CLoginWnd login;
    RunModal(login, [&](HWND window) {
        for (const Step& step : steps) {
            const HWND from = ::GetDlgItem(window, step.from);
            ASSERT_NE(nullptr, from) << step.from;
            ::SetFocus(from);
            ASSERT_EQ(from, ::GetFocus()) << step.from;
            MSG tab{from, WM_KEYDOWN, VK_TAB, 1, 0, {}};
            EXPECT_TRUE(login.PreTranslateMessage(&tab)) << step.from;
            EXPECT_EQ(::GetDlgItem(window, step.to), ::GetFocus()) << step.from;
        }
        // From a check box the key is left to the window's own dialog keys.
        const HWND box = ::GetDlgItem(window, IDC_CHECK_AUTOLOGIN);
        ::SetFocus(box);
        const MSG tabOnBox{box, WM_KEYDOWN, VK_TAB, 1, 0, {}};
        EXPECT_FALSE(MoveFocusOnEditTab(tabOnBox));
        EXPECT_EQ(box, ::GetFocus());
    });
}

TEST_F(LoginWindow, OnAScreenOf120DpiEveryControlKeepsItsPlaceSoNoneOverlapsAnotherThatItDoesNotAt96)
{
    const auto layoutAt = [this](int dpi) {
        const LoginScreenDpi screen(dpi);
        CLoginWnd login;
        LoginLayout layout;
        RunModal(login, [&layout](HWND window) { layout = LoginLayoutOf(window); });
        return layout;
    };
    const LoginLayout designed = layoutAt(96);
    const LoginLayout shown = layoutAt(120);
    const auto scaled = [](LONG design) { return design * 120 / 96; };
    EXPECT_NEAR(scaled(designed.window.cx), shown.window.cx, 1);
    EXPECT_NEAR(scaled(designed.window.cy), shown.window.cy, 1);
    ASSERT_EQ(designed.controls.size(), shown.controls.size());
    ASSERT_GT(designed.controls.size(), 10u);
    for (size_t i = 0; i < shown.controls.size(); ++i) {
        const LoginLayout::Control& at96 = designed.controls[i];
        const LoginLayout::Control& at120 = shown.controls[i];
        ASSERT_EQ(at96.id, at120.id) << "control " << i;
        // Where the skin put it, on the background scaled by 120/96: no band is left empty.
        EXPECT_NEAR(scaled(at96.rect.left), at120.rect.left, 1) << "control " << at96.id;
        EXPECT_NEAR(scaled(at96.rect.top), at120.rect.top, 1) << "control " << at96.id;
        EXPECT_NEAR(scaled(at96.rect.right), at120.rect.right, 1) << "control " << at96.id;
        if (!at96.combo) {   // a combo box's field is as high as its font and items make it
            EXPECT_NEAR(scaled(at96.rect.bottom), at120.rect.bottom, 1) << "control " << at96.id;
        }
        for (size_t j = i + 1; j < shown.controls.size(); ++j) {
            if (!at120.visible || !shown.controls[j].visible)
                continue;
            if (ControlsOverlap(at120.rect, shown.controls[j].rect)) {
                EXPECT_TRUE(ControlsOverlap(at96.rect, designed.controls[j].rect))
                    << "controls " << at96.id << " and " << designed.controls[j].id << " overlap only at 120 DPI";
            }
        }
    }
}

} // namespace
} // namespace config_test
