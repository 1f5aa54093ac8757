// Proves the main window's own behaviour: closing only hides it and a tray double-click brings
// it back; Exit publishes offline, signs out, closes the database, ends the worker, removes the
// tray icon and really closes; the tray icon as added; the menus it opens and what choosing a
// language or a presence does; the shell actions; and the chat-window list and small services.
#include "config/UpdateWnd.h"
#include "core/AccountRecord.h"
#include "core/OptionsRecord.h"
#include "core/TavikSQL.h"
#include "resources/ProgramIds.h"
#include "tests/windows/MainFrameTestSupport.h"
#include "texts/UiTextTable.h"
#include "windows/chat/ChatWnd.h"

#include <windows.h>
#include <mmsystem.h>

namespace windows_test {
namespace {

using testing::ElementsAre;

class MainWindow : public MainFrameTest {};

TEST_F(MainWindow, CreationAddsTheTrayIconAndShowsTheContactsPage)
{
    CreateFrame();
    ASSERT_EQ(1u, s_tray.size());
    EXPECT_EQ(static_cast<DWORD>(NIM_ADD), s_tray[0].message);
    EXPECT_EQ(128u, s_tray[0].id);
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP), s_tray[0].flags);
    EXPECT_EQ(WM_TRAY_NOTIFY, s_tray[0].callbackMessage);
    EXPECT_EQ(L"DLG_LOGIN/20000", s_tray[0].tip);
    EXPECT_EQ(frame.get(), g_pMainFrame);
    EXPECT_TRUE(frame->GetContactsPage()->IsWindowVisible() || !frame->IsWindowVisible());
    EXPECT_EQ(BST_CHECKED, ::SendDlgItemMessageW(frame->GetSafeHwnd(), 1003, BM_GETCHECK, 0, 0));
    EXPECT_EQ(L"MAIN_WND/35013", ControlText(1004));
}

TEST_F(MainWindow, ClosingHidesAndATrayDoubleClickRestores)
{
    CreateFrame();
    frame->ShowWindow(SW_SHOW);
    frame->SendMessage(WM_CLOSE);
    ASSERT_TRUE(::IsWindow(frame->GetSafeHwnd()));
    EXPECT_FALSE(frame->IsWindowVisible());
    frame->Command(1002);
    EXPECT_FALSE(frame->IsWindowVisible());
    // Another icon's message is not ours.
    frame->SendMessage(WM_TRAY_NOTIFY, 129, WM_LBUTTONDBLCLK);
    EXPECT_FALSE(frame->IsWindowVisible());
    frame->SendMessage(WM_TRAY_NOTIFY, 128, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(frame->IsWindowVisible());
}

TEST_F(MainWindow, ExitSignsOutRemovesTheIconAndCloses)
{
    CreateFrame();
    UseAccount();
    ASSERT_TRUE(frame->SignIn());
    frame->SetSignedIn(1);
    EngineControl_ClearJournal();
    s_tray.clear();
    frame->Command(ID_MAIN_EXIT);
    EXPECT_FALSE(::IsWindow(frame->GetSafeHwnd()));
    EXPECT_EQ(1u, JournalOf("Tavik_unRegisterServer").size());
    EXPECT_EQ(1u, JournalOf("Tavik_unInitialize").size());
    ASSERT_FALSE(s_tray.empty());
    EXPECT_EQ(static_cast<DWORD>(NIM_DELETE), s_tray[0].message);
    EXPECT_EQ(128u, s_tray[0].id);
    EXPECT_FALSE(g_database.IsOpen());
    EXPECT_EQ(nullptr, g_pMainFrame);
}

TEST_F(MainWindow, TheMenusOpenLocalisedAtTheButtonsAndTheTray)
{
    CreateFrame();
    frame->Command(1007);
    EXPECT_EQ(L"MENU_MAIN/12000", s_firstItemDrawn);
    frame->Command(1010);
    EXPECT_EQ(L"MENU_STATUS/16000", s_firstItemDrawn);
    EXPECT_THAT(s_menus, ElementsAre(130u, 254u));
}

TEST_F(MainWindow, ATrayClickOpensTheTrayMenuOnlyOnceNoDoubleClickCanFollow)
{
    CreateFrame();
    // A press opens nothing: the release decides.
    frame->SendMessage(WM_TRAY_NOTIFY, 128, WM_LBUTTONDOWN);
    frame->SendMessage(WM_TRAY_NOTIFY, 128, WM_RBUTTONDOWN);
    EXPECT_TRUE(s_menus.empty());
    frame->SendMessage(WM_TRAY_NOTIFY, 128, WM_RBUTTONUP);
    EXPECT_THAT(s_menus, ElementsAre(131u));
    EXPECT_EQ(L"MENU_MAIN/12005", s_firstItemDrawn);

    // A left click: nothing until the double-click time has passed.
    s_menus.clear();
    frame->SendMessage(WM_TRAY_NOTIFY, 128, WM_LBUTTONUP);
    EXPECT_TRUE(s_menus.empty());
    frame->SendMessage(WM_TIMER, kTrayClickTimer);
    EXPECT_THAT(s_menus, ElementsAre(131u));
    // The timer ticks once.
    frame->SendMessage(WM_TIMER, kTrayClickTimer);
    EXPECT_THAT(s_menus, ElementsAre(131u));
}

TEST_F(MainWindow, ATrayDoubleClickRestoresTheWindowAndOpensNoMenu)
{
    CreateFrame();
    frame->SendMessage(WM_CLOSE);
    ASSERT_FALSE(frame->IsWindowVisible());
    for (const UINT mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        frame->SendMessage(WM_TRAY_NOTIFY, 128, mouse);
    EXPECT_TRUE(frame->IsWindowVisible());
    // The first release's timer was stopped by the double click, and the release that ends
    // the double click starts none.
    EXPECT_FALSE(frame->KillTimer(kTrayClickTimer));
    PumpPending();
    EXPECT_TRUE(s_menus.empty());
}

TEST_F(MainWindow, TheTrayMenusFirstItemBringsTheHiddenWindowBack)
{
    CreateFrame();
    frame->SendMessage(WM_CLOSE);
    ASSERT_FALSE(frame->IsWindowVisible());
    s_menuAnswer = ID_TRAY_OPEN;
    frame->SendMessage(WM_TRAY_NOTIFY, 128, WM_RBUTTONUP);
    PumpPending();
    EXPECT_THAT(s_menus, ElementsAre(131u));
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_TRUE(::IsWindow(frame->GetSafeHwnd()));
}

TEST_F(MainWindow, ChoosingALanguageStoresItAndChecksItNextTime)
{
    CreateFrame();
    frame->Command(1007);
    EXPECT_EQ(L"English", s_lastMenuCheck);
    s_menuAnswer = ID_LANGUAGE_RUSSIAN;
    frame->Command(1007);
    PumpPending();
    EXPECT_EQ("SP_RUS", g_options.Language);
    ASSERT_EQ(1u, prompts.Prompts().size());
    EXPECT_EQ(L"MENU_MAIN/12012", prompts.Prompts()[0].text);
    SqlTable table;
    ASSERT_TRUE(g_database.GetTable("select Language from Options where ID = 1", table));
    EXPECT_STREQ("SP_RUS", table.Value(0, 0));
    s_menuAnswer = 0;
    s_lastMenuCheck.clear();
    frame->Command(1007);
    EXPECT_EQ(L"\u0420\u0443\u0441\u0441\u043a\u0438\u0439", s_lastMenuCheck);
    // A code of none of the six checks nothing.
    g_options.Language = "SP_XYZ";
    s_lastMenuCheck.clear();
    frame->Command(1007);
    EXPECT_EQ(L"", s_lastMenuCheck);
}

TEST_F(MainWindow, APresenceCommandShowsItsTextAndTellsTheAcceptedSubscribers)
{
    CreateFrame();
    UseAccount();
    ASSERT_TRUE(frame->SignIn());
    ASSERT_TRUE(g_database.Exec("insert into Contacts(SIPUri, acceptedsubscribed, subscribeid) values('sip:b@x', 1, 7)"));
    ASSERT_TRUE(g_database.Exec("insert into Contacts(SIPUri, acceptedsubscribed, subscribeid) values('sip:c@x', 0, 8)"));
    ASSERT_TRUE(g_database.Exec("insert into Contacts(SIPUri, acceptedsubscribed, subscribeid) values('sip:d@x', 1, 0)"));
    const struct {
        UINT command;
        const wchar_t* text;
        const char* word;
    } kPresence[] = {{ID_STATUS_AVAILABLE, L"MENU_STATUS/16000", "Available"},
                     {ID_STATUS_BUSY, L"MENU_STATUS/16001", "Busy"},
                     {ID_STATUS_AWAY, L"MENU_STATUS/16002", "Away"},
                     {ID_STATUS_BERIGHTBACK, L"MENU_STATUS/16003", "Be right back"},
                     {ID_STATUS_INCALL, L"MENU_STATUS/16004", "In call"}};
    for (const auto& row : kPresence) {
        EngineControl_ClearJournal();
        frame->Command(row.command);
        EXPECT_EQ(row.text, ControlText(1010));
        EXPECT_THAT(Journal(), ElementsAre("Tavik_presenceOnline(H,7,\"" + std::string(row.word) + "\")"));
    }
}

TEST_F(MainWindow, ShellActionsOpenTheSiteTheGuideAndMail)
{
    CreateFrame();
    frame->Command(1012);
    frame->Command(ID_MAIN_HELP);
    frame->Command(ID_MAIN_SUPPORT);
    frame->Command(ID_MAIN_RECOMMEND);
    ASSERT_EQ(4u, s_shell.size());
    EXPECT_EQ(L"OPEN", s_shell[0].verb);
    EXPECT_EQ(0u, s_shell[0].file.find(L"http"));
    EXPECT_EQ(L"OPEN", s_shell[1].verb);
    EXPECT_EQ(L"open", s_shell[2].verb);
    EXPECT_EQ(0u, s_shell[2].file.find(L"mailto:"));
    EXPECT_EQ(L"mailto:", s_shell[3].file);
}

TEST_F(MainWindow, ANewVersionShowsTheUpdateWindowWithTheTextItCarriesOnce)
{
    CreateFrame();
    g_account.LatestVersion.clear();
    std::wstring shown;
    ModalAnswers answers({IDOK, IDOK});
    answers.inspect = [&](Vexel::CUIWnd& window) { shown = static_cast<CUpdateWnd&>(window).m_latestVersion.Str(); };
    for (int i = 0; i < 2; ++i) {
        auto text = std::make_unique<std::string>("8.2, Build 02012015");
        EXPECT_EQ(0, frame->SendMessage(WM_NEW_VERSION, 0, reinterpret_cast<LPARAM>(text.release())));
    }
    EXPECT_EQ(0, frame->SendMessage(WM_NEW_VERSION));   // no text: nothing to offer
    EXPECT_THAT(answers.Windows(), ElementsAre(L"IDW_UPDATE"));
    EXPECT_EQ(L"8.2, Build 02012015", shown);
    EXPECT_EQ("8.2, Build 02012015", g_account.LatestVersion);
}

class PeerChat : public CChatWnd {
public:
    PeerChat(std::string uri, int& deleted) : m_uri(std::move(uri)), m_deleted(deleted) {}
    ~PeerChat() override { ++m_deleted; }
    std::string GetPeerUri() const override { return m_uri; }

private:
    std::string m_uri;
    int& m_deleted;
};

TEST_F(MainWindow, ChatWindowsAreFoundWithoutRegardToCaseOutliveASignOutAndAreDeletedOnce)
{
    CreateFrame();
    int deleted = 0;
    auto* first = new PeerChat("sip:Bob@Example", deleted);
    frame->AddChatWindow(first);
    frame->AddChatWindow(new PeerChat("sip:carol@example", deleted));
    EXPECT_EQ(first, frame->FindChatWindow("SIP:bob@example"));
    EXPECT_EQ(nullptr, frame->FindChatWindow("sip:dave@example"));
    frame->RemoveChatWindow("sip:nobody@example");
    EXPECT_EQ(0, deleted);
    frame->RemoveChatWindow("sip:BOB@example");
    EXPECT_EQ(1, deleted);
    EXPECT_EQ(1u, frame->GetChatWindows().size());
    frame->SignOut(false);
    EXPECT_EQ(1, deleted) << "a conversation lives only in its window";
    EXPECT_EQ(1u, frame->GetChatWindows().size());
    frame->DestroyWindow();
    EXPECT_EQ(2, deleted);
    EXPECT_TRUE(frame->GetChatWindows().empty());
}

TEST_F(MainWindow, SmallServicesDoWhatThePagesAskOf)
{
    ASSERT_TRUE(g_database.Exec("insert into Groups(GroupName, GroupKey) values('old', 10)"));
    CreateFrame();
    EXPECT_FALSE(frame->MakeCall(L""));
    EXPECT_FALSE(frame->MakeCall(L"sip:bob@example"));   // not signed in
    frame->PlaySoundFile("");
    frame->PlaySoundFile("ringin");
    ASSERT_EQ(1u, s_sounds.size());
    EXPECT_NE(std::wstring::npos, s_sounds[0].find(L"\\sound\\ringin.wav"));
    // Played without waiting, and a missing file stays silent.
    EXPECT_EQ(static_cast<DWORD>(SND_ASYNC | SND_FILENAME | SND_NODEFAULT), s_soundFlags[0]);
    EXPECT_EQ("Friends", frame->GetStoredGroupName("CONTACTDETAILS_WND/32000"));
    EXPECT_EQ("contactdetails_wnd/32000", frame->GetStoredGroupName("contactdetails_wnd/32000"));
    // The default group is named in the current language at creation.
    SqlTable table;
    ASSERT_TRUE(g_database.GetTable("select GroupName from Groups where GroupKey = 10", table));
    ASSERT_EQ(1, table.Rows());
    EXPECT_STREQ("Q09OVEFDVERFVEFJTFNfV05ELzMyMDAw", table.Value(0, 0));
}

} // namespace
} // namespace windows_test
