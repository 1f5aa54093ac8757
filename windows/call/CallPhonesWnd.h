#pragma once
// CCallPhonesWnd: the call page, the second of the main window's three pages. It holds the
// five call lines (one Session each, line 1..5 at index 1..5), the current line whose texts
// its labels show, and handles the engine's call events. The main window creates it, hands it
// every engine event that is not the contacts page's alone, and keeps it until exit.
#include "core/Session.h"
#include "engine/TavikCore.h"
#include "skin/ui/UIWnd.h"

class CCallPhonesWnd : public Vexel::CUIWnd {
public:
    static constexpr int kLineCount = 5;

    CCallPhonesWnd();
    ~CCallPhonesWnd() override;

    // --- engine events (the record stays the main window's; handlers copy what they keep)
    // Types 1 to 8 and 13 to 20; every other type is ignored.
    virtual void OnSipEvent(SIPCallbackCommand* record);
    // Event 1: when not yet signed in, the user becomes signed in and the lists reload.
    void OnRegisterSuccess(SIPCallbackCommand* record);
    // Event 2: signed out, the reason on every line, then the sign-in is offered again.
    void OnRegisterFailure(SIPCallbackCommand* record);

    // --- calls for the other pages and the main window
    // Refuses (false) unless signed in; shows the call page; refuses when the current line
    // is busy; places the call and puts the outcome into the current line's text 2.
    bool Dial(const CString& address);
    // Ends the call on every line: a ringing incoming call is rejected (486 "Busy here"), a
    // busy line's call is terminated, and the line is reset.
    void HangUpAllLines();
    // Enter in the number field: dials its text when the current line is idle and the user
    // is signed in.
    void DialEnteredNumber();
    // Keys for the number field; true when consumed.
    bool PreTranslateKeys(MSG* msg);
    // Starts or stops sending video on the current line's call; false without such a call or
    // when the engine refuses.
    bool UpdateVideoSending(bool on);
    // The current line has a call that carries video.
    bool IsCurrentLineVideo() const;

    // --- the lines' texts
    // Stores `text` as info text n (1..3) of `line` (1..5) when `store`; shows it in label
    // 1045 + n - 1 when `show`, whatever line it belongs to.
    void SetLineInfoText(const CString& text, int line, int n, bool show, bool store);
    // The same for all five lines, stored, then shown.
    void SetInfoTextAllLines(const CString& text, int n);
    // Captions of the five line buttons (CALL_WND 30027 to 30031).
    void SetLineButtonTexts();
    // Microphone and speaker sliders (0..255) from the engine's current volumes.
    void InitVolumeSliders();

    int GetCurrentLine() const { return m_currentLine; }
    const Session& GetLine(int line) const { return m_lines[LineIndex(line)]; }

protected:
    void SetWindowID() override;
    int OnCreate(LPCREATESTRUCT cs);
    void OnTimer(UINT_PTR id);

    DECLARE_MESSAGE_MAP()

private:
    static int LineIndex(int line) { return line >= 1 && line <= kLineCount ? line : 0; }
    Session& Line(int line) { return m_lines[LineIndex(line)]; }
    // Places a call to `address` on the current line; true when the engine took it.
    bool MakeCall(const CString& address);
    CString NumberFieldText() const;

    int m_currentLine = 1;
    Session m_lines[kLineCount + 1];   // index 0 holds no line
};
