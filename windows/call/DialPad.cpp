// The call page's dial pad and number field: the twelve keys, the keys typed on the keyboard
// (also while another control has the focus), pasting, the field's drop-down list of dialled
// numbers, and PlayKeyTone, the one routine through which every sound of the page is played.
#include "windows/call/CallPhonesWnd.h"

#include "core/TextConvert.h"
#include "framework/SystemAnswers.h"
#include "resources/Resource.h"
#include "windows/call/EngineOperations.h"
#include "windows/call/KeyTones.h"
#include "windows/main/MainFrame.h"

namespace {

// The clipboard, open while the object lives.
class ClipboardScope {
public:
    explicit ClipboardScope(HWND owner) : m_open(::OpenClipboard(owner) != FALSE) {}
    ~ClipboardScope()
    {
        if (m_open)
            ::CloseClipboard();
    }
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;
    bool IsOpen() const { return m_open; }

private:
    bool m_open;
};

// The clipboard's text in the ANSI code page, as wide text; empty when the clipboard cannot
// be opened or holds no text.
CString ClipboardText(HWND owner)
{
    const ClipboardScope clipboard(owner);
    if (!clipboard.IsOpen())
        return CString();
    const HANDLE data = ::GetClipboardData(CF_TEXT);
    const auto* text = data ? static_cast<const char*>(::GlobalLock(data)) : nullptr;
    if (!text)
        return CString();
    // The block need not end where its text does: the text stops at its terminator or at
    // the block's end, whichever comes first.
    const SIZE_T size = ::GlobalSize(data);
    SIZE_T length = 0;
    while (length < size && text[length] != '\0')
        ++length;
    const CString wide = AnsiToWide(std::string_view(text, length));
    ::GlobalUnlock(data);
    return wide;
}

} // namespace

void CCallPhonesWnd::PlayKeyTone(char key)
{
    if (g_pMainFrame)
        g_pMainFrame->PlaySoundFile(KeyToneSoundName(key));
    // The held state is not looked at: a held call receives the digit as well.
    const Session& line = GetLine(m_currentLine);
    if (IsDtmfKey(key) && line.IsBusy())
        engine_ops::SendDtmf(line.GetSessionId(), key);
}

void CCallPhonesWnd::AppendToNumber(const CString& text)
{
    const Session& line = GetLine(m_currentLine);
    if (m_numberIsStale && !line.IsBusy() && !line.IsIncomingPending()) {
        m_numberIsStale = 0;
        ClearNumber(true);
    }
    const CString number = GetNumberFieldText() + text;
    SetNumberFieldText(number);
    CurrentLine().SetPhoneNumber(number);
}

void CCallPhonesWnd::PressDialPadKey(char key)
{
    AppendToNumber(CString(static_cast<wchar_t>(key)));
    PlayKeyTone(key);
}

void CCallPhonesWnd::OnNum0()
{
    PressDialPadKey('0');
}

void CCallPhonesWnd::OnNum1()
{
    PressDialPadKey('1');
}

void CCallPhonesWnd::OnNum2()
{
    PressDialPadKey('2');
}

void CCallPhonesWnd::OnNum3()
{
    PressDialPadKey('3');
}

void CCallPhonesWnd::OnNum4()
{
    PressDialPadKey('4');
}

void CCallPhonesWnd::OnNum5()
{
    PressDialPadKey('5');
}

void CCallPhonesWnd::OnNum6()
{
    PressDialPadKey('6');
}

void CCallPhonesWnd::OnNum7()
{
    PressDialPadKey('7');
}

void CCallPhonesWnd::OnNum8()
{
    PressDialPadKey('8');
}

void CCallPhonesWnd::OnNum9()
{
    PressDialPadKey('9');
}

void CCallPhonesWnd::OnNumStar()
{
    PressDialPadKey('*');
}

void CCallPhonesWnd::OnNumSharp()
{
    PressDialPadKey('#');
}

void CCallPhonesWnd::OnClear()
{
    ClearNumber(false);
    PlayKeyTone('r');
}

bool CCallPhonesWnd::IsNumberFieldFocused() const
{
    const CWnd* const field = NumberField();
    if (!field)
        return false;
    const HWND focus = ::GetFocus();
    return focus && (focus == field->m_hWnd || focus == ::GetWindow(field->m_hWnd, GW_CHILD));
}

bool CCallPhonesWnd::PreTranslateKeys(MSG* msg)
{
    if (!msg || msg->message != WM_KEYDOWN || !m_hWnd)
        return false;
    const UINT key = static_cast<UINT>(msg->wParam);
    const bool focused = IsNumberFieldFocused();

    if (GetSystemAnswers().IsKeyDown(VK_SHIFT)) {
        const TypedKey shifted = ShiftedKey(key);
        if (shifted.character) {
            // The tone first: a busy line receives its DTMF '#' or '*' whatever the focus.
            PlayKeyTone(shifted.tone);
            AppendToNumber(CString(shifted.character));
            return true;
        }
    }
    if (!focused && key == 'V' && GetSystemAnswers().IsKeyDown(VK_CONTROL)) {
        AppendToNumber(ClipboardText(m_hWnd));
        return true;
    }
    if (key == VK_BACK) {
        // In the field the edit takes the character off itself.
        if (focused)
            return false;
        ClearNumber(false);
        PlayKeyTone('r');
        AppendToNumber(CString());
        return true;
    }
    const TypedKey typed = PlainKey(key);
    if (!typed.character)
        return false;
    PlayKeyTone(typed.tone);
    // In the field the edit types the character itself; the tone has gone out already.
    if (focused)
        return false;
    AppendToNumber(CString(typed.character));
    return true;
}

void CCallPhonesWnd::OnPhoneNumberDropDown()
{
    CWnd* const field = NumberField();
    if (!field || m_dialledNumbers.empty())
        return;
    // Item by item: CB_RESETCONTENT would empty the edit's text as well.
    while (field->SendMessage(CB_GETCOUNT) > 0)
        field->SendMessage(CB_DELETESTRING, 0);
    for (const std::string& number : m_dialledNumbers) {
        const CString text = AnsiToWide(number);
        const LPARAM item = reinterpret_cast<LPARAM>(text.GetString());
        if (field->SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), item) == CB_ERR)
            field->SendMessage(CB_ADDSTRING, 0, item);
    }
}
