// The instant-message window against the engine stand-in, through the main window: a text
// typed and sent reaches the engine with the peer's address and shows under the user's own
// header; the stand-in's echo comes back as event 21 into the same window; a message from an
// unknown peer opens a window of its own; non-ASCII text survives both ways; the 1024-byte
// limit, counted in the ANSI code page; closing, hiding and reopening; a chat that outlives a
// sign-out; and a contact record freed while its chat is open.
#include "tests/windows/MainFrameTestSupport.h"
#include "tests/support/SkinnedWindowTestSupport.h"

#include "engine/TavikControl.h"
#include "resources/Resource.h"
#include "texts/UiTextTable.h"
#include "windows/chat/ChatWindows.h"
#include "windows/chat/ChatWnd.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

using testing::ElementsAre;

namespace windows_test {

using lumeo_test::ChildText;
using lumeo_test::SkinControlKinds;
using lumeo_test::WindowText;

namespace {

const std::wstring kOwnHeader = L"Alice<alice@sip.example> CHAT_WND/31002\r\n";

class ChatTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        CreateFrame(false);
        frame->Contacts()->passOn = true;   // event 21 reaches the page's own handling
        UseAccount();
        // The registration answers at once, so that nothing stays queued in the engine.
        EngineControl_SetTiming(EngineTiming_Register, 0);
        EngineControl_SetTiming(EngineTiming_Message, 0);
        ASSERT_TRUE(frame->SignIn());
        Settle();
        frame->SetSignedIn(1);
        pages.contacts.clear();
        EngineControl_ClearJournal();
    }
    void TearDown() override
    {
        if (frame)
            frame->DeleteAllChatWindows();
        if (frame && frame->HasEngine())
            frame->SignOut(false);
        MainFrameTest::TearDown();
    }

    static void Type(CChatWnd& chat, const std::wstring& text)
    {
        ::SetDlgItemTextW(chat.GetSafeHwnd(), IDC_EDT_SENDMESSAGETEXT, text.c_str());
    }
    static std::wstring SendBox(const CChatWnd& chat)
    {
        return ChildText(chat.GetSafeHwnd(), IDC_EDT_SENDMESSAGETEXT);
    }
    static std::wstring Transcript(const CChatWnd& chat)
    {
        return ChildText(chat.GetSafeHwnd(), IDC_EDT_RECVMESSAGETEXT);
    }
    // A key as the program's message loop hands it on: the window tree's PreTranslateMessage
    // first, then translation and dispatch.
    static void Press(CChatWnd& chat, UINT message, WPARAM key)
    {
        MSG msg{::GetDlgItem(chat.GetSafeHwnd(), IDC_EDT_SENDMESSAGETEXT), message, key, 1, 0, {}};
        ASSERT_NE(nullptr, msg.hwnd);
        if (!CWnd::WalkPreTranslateTree(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        PumpPending();
    }
    static void SendTyped(CChatWnd& chat, const std::wstring& text)
    {
        Type(chat, text);
        Press(chat, WM_KEYDOWN, VK_RETURN);
    }
    // Lets whatever the engine has queued (the echo of a message) reach the windows.
    void Settle()
    {
        ASSERT_EQ(0, EngineControl_WaitIdle(frame->GetEngineHandle(), 10000));
        PumpPending();
    }
    // An instant message from `address` as the engine delivers it.
    void Arrive(const char* address, const char* displayName, const char* body)
    {
        EngineEventSpec spec{};
        spec.type = 21;
        spec.remoteAddress = address;
        spec.displayName = displayName;
        spec.messageBody = body;
        ASSERT_EQ(0, EngineControl_InjectEvent(frame->GetEngineHandle(), &spec, EngineDelivery_EngineThread));
        Settle();
    }
    // The next message sent is answered with `result` and no echo.
    static void NoEcho(int result = 0) { ASSERT_EQ(0, EngineControl_ScriptResult("Tavik_sendPagerMessage", result)); }
    CChatWnd* Open(const wchar_t* name = L"Bob", const wchar_t* uri = L"sip:bob@example")
    {
        CChatWnd* const chat = OpenChatWindow(name, uri);
        EXPECT_NE(nullptr, chat);
        return chat;
    }

    SkinControlKinds skinKinds;   // the real edits the window reads and writes
};

TEST_F(ChatTest, ATypedMessageReachesTheEngineWithThePeersAddressAndShowsUnderTheOwnHeader)
{
    CChatWnd* const chat = Open();
    ASSERT_NE(nullptr, chat);
    EXPECT_EQ(L"Bob", WindowText(chat->GetSafeHwnd()));
    EXPECT_EQ(L"Bob", ChildText(chat->GetSafeHwnd(), IDC_STA_TITLE));

    NoEcho(-1);   // an engine that refuses: the text shows as sent all the same
    SendTyped(*chat, L"Hello Bob");
    EXPECT_THAT(JournalOf("Tavik_sendPagerMessage"), ElementsAre("Tavik_sendPagerMessage(H,\"sip:bob@example\",\"Hello Bob\")"));
    EXPECT_EQ(kOwnHeader + L"  Hello Bob", Transcript(*chat));
    EXPECT_EQ(L"", SendBox(*chat));
    EXPECT_EQ(1, chat->HasSentLast());
}

TEST_F(ChatTest, AltSSendsTooAndAnEmptyBoxSendsNothing)
{
    CChatWnd* const chat = Open();
    ASSERT_NE(nullptr, chat);
    Press(*chat, WM_KEYDOWN, VK_RETURN);
    EXPECT_TRUE(JournalOf("Tavik_sendPagerMessage").empty());
    EXPECT_EQ(L"", Transcript(*chat));

    Type(*chat, L"by Alt+S");
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_MENU] = 0x80;
    ::SetKeyboardState(keys);
    Press(*chat, WM_SYSKEYDOWN, 'S');
    keys[VK_MENU] = 0;
    ::SetKeyboardState(keys);
    EXPECT_THAT(JournalOf("Tavik_sendPagerMessage"), ElementsAre("Tavik_sendPagerMessage(H,\"sip:bob@example\",\"by Alt+S\")"));
}

TEST_F(ChatTest, TheEchoArrivesAsEvent21InTheSameWindow)
{
    CChatWnd* const chat = Open();
    ASSERT_NE(nullptr, chat);
    SendTyped(*chat, L"ping");
    Settle();
    EXPECT_EQ(1u, frame->GetChatWindows().size());
    EXPECT_THAT(pages.contacts, ElementsAre(21));
    EXPECT_EQ(kOwnHeader + L"  ping\r\n\r\nBob<bob@example> CHAT_WND/31002\r\n  ping", Transcript(*chat));
    EXPECT_EQ(0, chat->HasSentLast());
}

TEST_F(ChatTest, MessagesOfOneSideShareAHeaderAndAChangeOfSideStartsANewBlock)
{
    CChatWnd* const chat = Open();
    ASSERT_NE(nullptr, chat);
    for (int i = 0; i < 3; ++i)
        NoEcho();
    SendTyped(*chat, L"one");
    SendTyped(*chat, L"two");
    Arrive("bob@example", "Bob", "<span style=\"color:red\">three</span>");
    Arrive("bob@example", "Bob", "four");
    SendTyped(*chat, L"five");
    EXPECT_EQ(kOwnHeader + L"  one\r\n  two\r\n\r\nBob<bob@example> CHAT_WND/31002\r\n  three\r\n  four\r\n\r\n" +
                  kOwnHeader + L"  five",
              Transcript(*chat));
}

TEST_F(ChatTest, AMessageFromAnUnknownPeerOpensAWindowOfItsOwn)
{
    CChatWnd* const bob = Open();
    ASSERT_NE(nullptr, bob);
    Arrive("carol@example", "Carol", "Hi Alice");
    ASSERT_EQ(2u, frame->GetChatWindows().size());
    CChatWnd* const carol = frame->FindChatWindow("SIP:Carol@Example");
    ASSERT_NE(nullptr, carol);
    EXPECT_NE(bob, carol);
    EXPECT_TRUE(carol->IsWindowVisible());
    EXPECT_EQ(L"Carol", WindowText(carol->GetSafeHwnd()));
    EXPECT_EQ(L"Carol", ChildText(carol->GetSafeHwnd(), IDC_STA_TITLE));
    EXPECT_EQ(L"Carol<carol@example> CHAT_WND/31002\r\n  Hi Alice", Transcript(*carol));
    EXPECT_EQ(L"", Transcript(*bob));

    // The next message from her goes into the same window.
    Arrive("carol@example", "Carol", "again");
    EXPECT_EQ(2u, frame->GetChatWindows().size());
    EXPECT_EQ(L"Carol<carol@example> CHAT_WND/31002\r\n  Hi Alice\r\n  again", Transcript(*carol));

    // Without a display name the window bears the address.
    Arrive("dave@example", "", "yo");
    CChatWnd* const dave = frame->FindChatWindow("sip:dave@example");
    ASSERT_NE(nullptr, dave);
    EXPECT_EQ(L"sip:dave@example", WindowText(dave->GetSafeHwnd()));
    EXPECT_EQ(L"sip:dave<dave@example> CHAT_WND/31002\r\n  yo", Transcript(*dave));
}

TEST_F(ChatTest, NonAsciiTextSurvivesBothWays)
{
    const struct {
        const char* name;
        const wchar_t* text;
        const char* utf8;
    } kTexts[] = {
        {"Cyrillic", L"\u041F\u0440\u0438\u0432\u0435\u0442, \u043C\u0438\u0440",
         "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82, \xD0\xBC\xD0\xB8\xD1\x80"},
        {"accented Latin", L"Cr\u00E8me br\u00FBl\u00E9e, d\u00E9j\u00E0 vu",
         "Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9" "e, d\xC3\xA9j\xC3\xA0 vu"},
        {"emoji", L"Smile \U0001F600 ok", "Smile \xF0\x9F\x98\x80 ok"},
    };
    for (const auto& row : kTexts) {
        SCOPED_TRACE(row.name);
        CChatWnd* const chat = Open();
        ASSERT_NE(nullptr, chat);
        EngineControl_ClearJournal();
        SendTyped(*chat, row.text);
        EXPECT_THAT(JournalOf("Tavik_sendPagerMessage"),
                    ElementsAre("Tavik_sendPagerMessage(H,\"sip:bob@example\",\"" + std::string(row.utf8) + "\")"));
        Settle();
        EXPECT_EQ(kOwnHeader + L"  " + row.text + L"\r\n\r\nBob<bob@example> CHAT_WND/31002\r\n  " + row.text,
                  Transcript(*chat));
        chat->SendMessage(WM_CLOSE);
    }
    // A peer's name and text from outside.
    Arrive("ivan@example", "Ivan", "\xD0\x94\xD0\xB0!");
    CChatWnd* const ivan = frame->FindChatWindow("sip:ivan@example");
    ASSERT_NE(nullptr, ivan);
    EXPECT_EQ(L"Ivan<ivan@example> CHAT_WND/31002\r\n  \u0414\u0430!", Transcript(*ivan));
}

TEST_F(ChatTest, ATextOfExactly1024BytesIsSentAndALongerOneIsRefusedWithAMessageBox)
{
    CChatWnd* const chat = Open();
    ASSERT_NE(nullptr, chat);
    // 1024 bytes in the ANSI code page, whatever their length as UTF-8: 1024 letters "a", and
    // 513 or 1024 Cyrillic letters (one byte each in a Cyrillic code page, and here, where
    // the code page lacks them), which go to the engine as UTF-8 of twice that length.
    const struct {
        std::wstring text;
        std::string sent;
    } kSent[] = {
        {std::wstring(1024, L'a'), std::string(1024, 'a')},
        {std::wstring(513, L'\u0436'), [] {
             std::string utf8;
             for (int i = 0; i < 513; ++i)
                 utf8 += "\xD0\xB6";
             return utf8;
         }()},
        {std::wstring(1024, L'\u0436'), {}},
    };
    for (const auto& row : kSent) {
        EngineControl_ClearJournal();
        NoEcho();
        ModalAnswers answers({IDOK});
        SendTyped(*chat, row.text);
        EXPECT_TRUE(answers.Windows().empty()) << row.text.size() << " letters";
        const std::vector<std::string> sent = JournalOf("Tavik_sendPagerMessage");
        ASSERT_EQ(1u, sent.size()) << row.text.size() << " letters";
        if (!row.sent.empty()) {
            EXPECT_EQ("Tavik_sendPagerMessage(H,\"sip:bob@example\",\"" + row.sent + "\")", sent[0]);
        }
        EXPECT_EQ(L"", SendBox(*chat));
    }

    // 1025 bytes, in either alphabet: each refused.
    for (const std::wstring& text : {std::wstring(1025, L'b'), std::wstring(1025, L'\u0436')}) {
        EngineControl_ClearJournal();
        const std::wstring before = Transcript(*chat);
        std::wstring shown;
        ModalAnswers answers({IDOK});
        answers.inspect = [&shown](Vexel::CUIWnd& box) {
            shown = ChildText(box.GetSafeHwnd(), IDC_STA_TEXT);
        };
        SendTyped(*chat, text);
        EXPECT_THAT(answers.Windows(), ElementsAre(L"IDW_MESSAGEWINDOW1"));
        EXPECT_EQ(L"CHAT_WND/31000", shown);
        EXPECT_TRUE(JournalOf("Tavik_sendPagerMessage").empty());
        EXPECT_EQ(text, SendBox(*chat));
        EXPECT_EQ(before, Transcript(*chat));
    }
}

TEST_F(ChatTest, NothingIsSentWhenNotSignedIn)
{
    CChatWnd* const chat = Open();
    ASSERT_NE(nullptr, chat);
    frame->SetSignedIn(0);
    SendTyped(*chat, L"lost?");
    EXPECT_TRUE(JournalOf("Tavik_sendPagerMessage").empty());
    EXPECT_EQ(L"", Transcript(*chat));
    EXPECT_EQ(L"lost?", SendBox(*chat));
}

TEST_F(ChatTest, TheCloseButtonHidesTheWindowAndTheNextMessageShowsItAgain)
{
    CChatWnd* const chat = Open();
    ASSERT_NE(nullptr, chat);
    chat->SendMessage(WM_COMMAND, IDC_BTN_CLOSE, 0);
    EXPECT_FALSE(chat->IsWindowVisible());
    EXPECT_EQ(chat, frame->FindChatWindow("sip:bob@example"));
    Arrive("bob@example", "Bob", "still there?");
    EXPECT_TRUE(chat->IsWindowVisible());
    EXPECT_EQ(L"Bob<bob@example> CHAT_WND/31002\r\n  still there?", Transcript(*chat));
}

TEST_F(ChatTest, ClosingTakesTheWindowOffTheListAndReopeningMakesAFreshOne)
{
    CChatWnd* const first = Open();
    ASSERT_NE(nullptr, first);
    SendTyped(*first, L"before");
    Settle();
    const HWND firstWindow = first->GetSafeHwnd();
    first->SendMessage(WM_CLOSE);   // the object deletes itself
    EXPECT_FALSE(::IsWindow(firstWindow));
    EXPECT_EQ(nullptr, frame->FindChatWindow("sip:bob@example"));
    EXPECT_TRUE(frame->GetChatWindows().empty());

    CChatWnd* const again = Open();
    ASSERT_NE(nullptr, again);
    EXPECT_EQ(1u, frame->GetChatWindows().size());
    EXPECT_EQ(L"", Transcript(*again));
    SendTyped(*again, L"after");
    Settle();
    EXPECT_EQ(kOwnHeader + L"  after\r\n\r\nBob<bob@example> CHAT_WND/31002\r\n  after", Transcript(*again));
}

TEST_F(ChatTest, AChatAndItsTranscriptOutliveASignOutAndTakeTheNextSignInsMessages)
{
    const struct {
        const char* name;
        bool registrationFails;   // else the user signs out
    } kWays[] = {{"signed out", false}, {"a failed registration, the sign-in window closed", true}};
    for (const auto& way : kWays) {
        SCOPED_TRACE(way.name);
        CChatWnd* const chat = Open();
        ASSERT_NE(nullptr, chat);
        SendTyped(*chat, L"see you");
        Settle();
        const std::wstring before = Transcript(*chat);
        const HWND window = chat->GetSafeHwnd();
        if (way.registrationFails) {
            ModalAnswers answers({IDCANCEL});
            EngineEventSpec spec{};
            spec.type = 2;
            spec.statusCode = 403;
            spec.statusText = "Forbidden";
            const TavikHandle engine = frame->GetEngineHandle();
            ASSERT_EQ(0, EngineControl_InjectEvent(engine, &spec, EngineDelivery_EngineThread));
            ASSERT_EQ(0, EngineControl_WaitIdle(engine, 10000));
            PumpPending();
            EXPECT_THAT(answers.Windows(), ElementsAre(L"IDW_LOGINWINDOW"));
        } else {
            frame->SignOut(false);
        }
        EXPECT_FALSE(frame->HasEngine());
        ASSERT_TRUE(::IsWindow(window));
        ASSERT_EQ(chat, frame->FindChatWindow("sip:bob@example"));
        EXPECT_EQ(before, Transcript(*chat));

        UseAccount();   // the failed registration's sign-out forgot the account
        ASSERT_TRUE(frame->SignIn());
        Settle();
        frame->SetSignedIn(1);
        Arrive("bob@example", "Bob", "welcome back");
        EXPECT_EQ(chat, frame->FindChatWindow("sip:bob@example"));
        // Bob's echo was the last block: his next message joins it.
        EXPECT_EQ(before + L"\r\n  welcome back", Transcript(*chat));
        chat->SendMessage(WM_CLOSE);
    }
}

TEST_F(ChatTest, AContactFreedWhileItsChatIsOpenLeavesTheWindowWorking)
{
    // The contacts tree's record, as the tree holds it; the window copies what it needs.
    struct ContactRecord {
        CString name;
        CString uri;
    };
    auto contact = std::make_unique<ContactRecord>(ContactRecord{L"Bob", L"sip:bob@example"});
    CChatWnd* const chat = OpenChatWindow(contact->name, contact->uri);
    ASSERT_NE(nullptr, chat);
    contact->name = L"overwritten";
    contact->uri = L"sip:nobody@nowhere";
    contact.reset();

    SendTyped(*chat, L"are you there");
    Settle();
    EXPECT_THAT(JournalOf("Tavik_sendPagerMessage"),
                ElementsAre("Tavik_sendPagerMessage(H,\"sip:bob@example\",\"are you there\")"));
    EXPECT_EQ(kOwnHeader + L"  are you there\r\n\r\nBob<bob@example> CHAT_WND/31002\r\n  are you there",
              Transcript(*chat));
    EXPECT_EQ(L"Bob", ChildText(chat->GetSafeHwnd(), IDC_STA_TITLE));

    // Deleting the contact closes its chat through the main window; a later message from the
    // same peer opens a new window rather than reaching the old one.
    const HWND window = chat->GetSafeHwnd();
    frame->RemoveChatWindow("sip:bob@example");
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_TRUE(frame->GetChatWindows().empty());
    Arrive("bob@example", "Bob", "hello?");
    ASSERT_EQ(1u, frame->GetChatWindows().size());
    EXPECT_EQ(L"Bob<bob@example> CHAT_WND/31002\r\n  hello?", Transcript(*frame->GetChatWindows().front()));
}

} // namespace
} // namespace windows_test
