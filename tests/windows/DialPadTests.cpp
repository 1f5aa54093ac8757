// Proves the call page's dial pad and number field against the engine stand-in: each pad key
// appends its character and plays its sound, and goes to the call as DTMF only while the
// current line is busy; keys typed on the keyboard with the field focused or not (the edit
// types its own characters, each tone and DTMF digit goes out once), Shift symbols, Backspace,
// letters and Ctrl+V paste; the number of a finished call replaced by the next typed
// character; and the field's list showing each dialled number once.
#include "resources/Resource.h"
#include "tests/windows/CallPageTestSupport.h"

#include <cstring>

namespace windows_test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class DialPad : public CallPageTest {
protected:
    // A WM_KEYDOWN for `target` (the page when null) offered to the page's key translation
    // alone: true when the page consumed it.
    bool TranslateKey(UINT virtualKey, HWND target = nullptr) const
    {
        MSG message{};
        message.hwnd = target ? target : Page().GetSafeHwnd();
        message.message = WM_KEYDOWN;
        message.wParam = virtualKey;
        return Page().PreTranslateKeys(&message);
    }

    // The DTMF lines of the journal.
    std::vector<std::string> Dtmf() const { return JournalOf("Tavik_sendDTMF"); }

    // A placed call on line 1, answered; journal and sounds empty.
    int BusyLine()
    {
        const int session = DialFromButton(L"5550000");
        InjectEvent(6, session);
        TakeTimer(20);
        EngineControl_ClearJournal();
        s_sounds.clear();
        return session;
    }

    // Puts `text` on the clipboard as CF_TEXT.
    void SetClipboard(const char* text) const
    {
        ASSERT_TRUE(::OpenClipboard(Page().GetSafeHwnd()));
        ::EmptyClipboard();
        const size_t size = std::strlen(text) + 1;
        const HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
        std::memcpy(::GlobalLock(block), text, size);
        ::GlobalUnlock(block);
        ::SetClipboardData(CF_TEXT, block);
        ::CloseClipboard();
    }
};

const struct PadKey {
    int id;
    const wchar_t* text;
    const char* sound;
    int dtmf;
} kPadKeys[] = {
    {IDC_BTN_NUM1, L"1", "1", 49},    {IDC_BTN_NUM2, L"2", "2", 50},     {IDC_BTN_NUM3, L"3", "3", 51},
    {IDC_BTN_NUM4, L"4", "4", 52},    {IDC_BTN_NUM5, L"5", "5", 53},     {IDC_BTN_NUM6, L"6", "6", 54},
    {IDC_BTN_NUM7, L"7", "7", 55},    {IDC_BTN_NUM8, L"8", "8", 56},     {IDC_BTN_NUM9, L"9", "9", 57},
    {IDC_BTN_NUMSTAR, L"*", "x", 42}, {IDC_BTN_NUM0, L"0", "0", 48},     {IDC_BTN_NUMSHARP, L"#", "#", 35},
};

TEST_F(DialPad, EachKeyAppendsItsCharacterPlaysItsSoundAndSendsDtmfOnlyOnABusyLine)
{
    SignInFrame();
    for (const bool busy : {false, true}) {
        int session = 0;
        if (busy)
            session = BusyLine();
        for (const PadKey& key : kPadKeys) {
            SCOPED_TRACE(testing::Message() << key.sound << (busy ? " on a busy line" : " on an idle line"));
            const std::wstring before = NumberField();
            s_sounds.clear();
            EngineControl_ClearJournal();
            Command(key.id);
            EXPECT_EQ(before + key.text, NumberField());
            EXPECT_EQ(NumberField(), Line(1).GetPhoneNumber().Str());
            EXPECT_THAT(Sounds(), ElementsAre(key.sound));
            if (busy)
                EXPECT_THAT(Dtmf(), ElementsAre("Tavik_sendDTMF(H," + std::to_string(session) + "," +
                                                std::to_string(key.dtmf) + ")"));
            else
                EXPECT_THAT(Dtmf(), IsEmpty());
        }
    }
}

TEST_F(DialPad, TheClearButtonTakesTheLastCharacterOffAndPlaysItsSound)
{
    SignInFrame();
    TypeNumber(L"12");
    Command(IDC_BTN_CLEAR);
    EXPECT_EQ(L"1", NumberField());
    Command(IDC_BTN_CLEAR);
    Command(IDC_BTN_CLEAR);
    EXPECT_EQ(L"", NumberField());
    EXPECT_EQ(L"", Line(1).GetPhoneNumber().Str());
    EXPECT_THAT(Sounds(), ElementsAre("r", "r", "r"));
    EXPECT_THAT(CallJournal(), IsEmpty());
}

TEST_F(DialPad, KeysTypedElsewhereGoIntoTheFieldAndKeysInTheFieldAreLeftToTheEdit)
{
    SignInFrame();
    const int session = BusyLine();
    TypeNumber(L"");
    const struct {
        UINT key;
        const wchar_t* appended;
        const char* sound;
        const char* dtmf;   // null: none
    } kKeys[] = {
        {'7', L"7", "7", "55"},         {VK_NUMPAD3, L"3", "3", "51"}, {VK_MULTIPLY, L"*", "x", "42"},
        {'B', L"b", "a", nullptr},     {VK_F5, L"", nullptr, nullptr},
    };
    for (const bool focused : {false, true}) {
        if (focused)
            ::SetFocus(NumberEdit());
        ASSERT_EQ(focused, ::GetFocus() == NumberEdit());
        for (const auto& key : kKeys) {
            SCOPED_TRACE(testing::Message() << "key " << key.key << (focused ? " in the field" : " elsewhere"));
            const std::wstring before = NumberField();
            s_sounds.clear();
            EngineControl_ClearJournal();
            const bool consumed = TranslateKey(key.key, focused ? NumberEdit() : nullptr);
            // Only the page's own typing consumes: in the field the edit types the key.
            EXPECT_EQ(!focused && key.sound != nullptr, consumed);
            EXPECT_EQ(focused ? before : before + key.appended, NumberField());
            EXPECT_EQ(key.sound ? std::vector<std::string>{key.sound} : std::vector<std::string>{}, Sounds());
            EXPECT_EQ(key.dtmf ? std::vector<std::string>{"Tavik_sendDTMF(H," + std::to_string(session) + "," +
                                                          key.dtmf + ")"}
                               : std::vector<std::string>{},
                      Dtmf());
        }
    }
}

TEST_F(DialPad, ShiftSymbolsAreTypedOnceWhateverTheFocusAndSendTheirDtmf)
{
    SignInFrame();
    const int session = BusyLine();
    TypeNumber(L"");
    ::SetFocus(NumberEdit());
    const HeldKeys shift({VK_SHIFT});
    EXPECT_TRUE(PressKey('2', NumberEdit()));
    EXPECT_TRUE(PressKey('5'));
    EXPECT_TRUE(PressKey('9'));
    EXPECT_EQ(L"@%(", NumberField());
    EXPECT_THAT(Sounds(), ElementsAre("#", "x", "#"));
    const std::string id = std::to_string(session);
    EXPECT_THAT(Dtmf(), ElementsAre("Tavik_sendDTMF(H," + id + ",35)", "Tavik_sendDTMF(H," + id + ",42)",
                                    "Tavik_sendDTMF(H," + id + ",35)"));
    // Shift with '0' is the plain digit, which the focused field types itself.
    s_sounds.clear();
    EXPECT_FALSE(TranslateKey('0', NumberEdit()));
    EXPECT_EQ(L"@%(", NumberField());
    ::SetFocus(Page().GetSafeHwnd());
    EXPECT_TRUE(TranslateKey('0'));
    EXPECT_EQ(L"@%(0", NumberField());
    EXPECT_THAT(Sounds(), ElementsAre("0", "0"));
}

TEST_F(DialPad, AKeyInTheFocusedFieldPlaysItsToneAndSendsItsDigitOnce)
{
    SignInFrame();
    const int session = BusyLine();
    ::SetFocus(NumberEdit());
    ASSERT_EQ(NumberEdit(), ::GetFocus());
    // As the message loop offers it: the page has its turn first, and the main window,
    // which routes keys to the call page as well, must not give it a second.
    PressKey('5', NumberEdit());
    EXPECT_THAT(Sounds(), ElementsAre("5"));
    EXPECT_THAT(Dtmf(), ElementsAre("Tavik_sendDTMF(H," + std::to_string(session) + ",53)"));
    // A key from outside the page still reaches it through the main window, once.
    s_sounds.clear();
    ::SetFocus(frame->GetSafeHwnd());
    PressKey('6', frame->GetSafeHwnd());
    EXPECT_THAT(Sounds(), ElementsAre("6"));
    EXPECT_EQ(L"6", NumberField().substr(NumberField().size() - 1));
}

TEST_F(DialPad, BackspaceOutsideTheFieldTakesACharacterOffAndPlaysItsSound)
{
    SignInFrame();
    TypeNumber(L"5");
    EXPECT_TRUE(TranslateKey(VK_BACK));
    EXPECT_TRUE(TranslateKey(VK_BACK));
    EXPECT_EQ(L"", NumberField());
    EXPECT_THAT(Sounds(), ElementsAre("r", "r"));
    ::SetFocus(NumberEdit());
    EXPECT_FALSE(TranslateKey(VK_BACK, NumberEdit()));
    EXPECT_THAT(Sounds(), ElementsAre("r", "r"));
}

TEST_F(DialPad, CtrlVOutsideTheFieldPastesTheClipboardsTextWithoutATone)
{
    SignInFrame();
    TypeNumber(L"00");
    SetClipboard("555-12");
    {
        const HeldKeys ctrl({VK_CONTROL});
        EXPECT_TRUE(PressKey('V'));
    }
    EXPECT_EQ(L"00555-12", NumberField());
    EXPECT_EQ(L"00555-12", Line(1).GetPhoneNumber().Str());
    EXPECT_THAT(Sounds(), IsEmpty());
    // An empty clipboard pastes nothing.
    ASSERT_TRUE(::OpenClipboard(Page().GetSafeHwnd()));
    ::EmptyClipboard();
    ::CloseClipboard();
    const HeldKeys ctrl({VK_CONTROL});
    EXPECT_TRUE(PressKey('V'));
    EXPECT_EQ(L"00555-12", NumberField());
}

TEST_F(DialPad, TheFirstCharacterAfterACallReplacesItsNumberButNotWhileALineIsTaken)
{
    SignInFrame();
    const int session = DialFromButton(L"5551234");
    Command(IDC_BTN_NUM1);
    EXPECT_EQ(L"55512341", NumberField());
    InjectEvent(8, session);
    EXPECT_EQ(1, Page().IsNumberStale());
    Command(IDC_BTN_NUM2);
    EXPECT_EQ(L"2", NumberField());
    EXPECT_EQ(0, Page().IsNumberStale());
    Command(IDC_BTN_NUM3);
    EXPECT_EQ(L"23", NumberField());

    // An arriving call keeps its number shown while it rings.
    TypeNumber(L"777");
    IncomingCall(201);
    Command(IDC_BTN_NUM4);
    EXPECT_EQ(L"7774", NumberField());
    EXPECT_EQ(1, Page().IsNumberStale());
}

TEST_F(DialPad, TheListShowsEachDialledNumberOnceInTheOrderFirstDialled)
{
    SignInFrame();
    const HWND field = ::GetDlgItem(Page().GetSafeHwnd(), IDC_CMB_PHONENUMBER);
    // Nothing dialled yet: the list stays as it is.
    const LRESULT initial = ::SendMessageW(field, CB_GETCOUNT, 0, 0);
    Page().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CMB_PHONENUMBER, CBN_DROPDOWN), reinterpret_cast<LPARAM>(field));
    EXPECT_EQ(initial, ::SendMessageW(field, CB_GETCOUNT, 0, 0));

    for (const wchar_t* number : {L"111", L"222", L"111", L"333", L"222"}) {
        DialFromButton(number);
        Command(IDC_BTN_HANGUP);
    }
    TypeNumber(L"typed");
    Page().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CMB_PHONENUMBER, CBN_DROPDOWN), reinterpret_cast<LPARAM>(field));
    std::vector<std::wstring> items;
    for (LRESULT i = 0; i < ::SendMessageW(field, CB_GETCOUNT, 0, 0); ++i) {
        wchar_t text[64] = {};
        ::SendMessageW(field, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    EXPECT_THAT(items, ElementsAre(L"111", L"222", L"333"));
    EXPECT_EQ(L"typed", NumberField());
}

} // namespace
} // namespace windows_test
