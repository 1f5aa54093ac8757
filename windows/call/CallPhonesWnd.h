#pragma once
// CCallPhonesWnd: the call page, the second of the main window's three pages. It holds the
// five call lines (one Session each, line 1..5 at index 1..5), the current line whose number
// and three info texts its labels show, the numbers dialled and the conference; it places,
// answers and ends calls and handles the engine's call events. The main window creates it,
// hands it every engine event that is not the contacts page's alone, and keeps it until exit.
//
// The operations are split by concern: CallPhonesWnd.cpp (creation, timers, Enter, texts and
// the number field), CallLines.cpp (lines, switching, hold and transfer boxes, conference
// text), CallPlacing.cpp (placing, answering, ending calls and their history rows),
// CallEvents.cpp (the engine's call events), DialPad.cpp (dial pad, typed keys, the
// field's list and the one sound routine), CallControls.cpp (hold, transfer, conference,
// recording, mute, volumes and video sending).
#include "core/Session.h"
#include "engine/TavikCore.h"
#include "skin/ui/UIWnd.h"
#include "windows/call/Conference.h"

#include <string>
#include <vector>

namespace Vexel {
class CSliderCtrlEx;
}

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
    // Event 2: every call still up is ended and recorded, the user is signed out, the reason
    // shows on every line, then the sign-in is offered again.
    void OnRegisterFailure(SIPCallbackCommand* record);
    // Event 3: the first free line takes the call (or 486 "Busy here" when none is free).
    void OnIncomingCall(SIPCallbackCommand* record);
    // Events 4 (trying) and 5 (the other party rings).
    void OnCallEvent4(SIPCallbackCommand* record);
    void OnCallEvent5(SIPCallbackCommand* record);
    // Event 6: a placed call was answered; its clock starts.
    void OnCallConnected(SIPCallbackCommand* record);
    // Event 7 (failed or closed with a status) and 8 (ended by the other party): the history
    // row is written and the line freed.
    void OnCallClosed(SIPCallbackCommand* record);
    void OnCallEnded(SIPCallbackCommand* record);
    // Notices shown as the line's text 2.
    void OnCallEvent13(SIPCallbackCommand* record);
    void OnCallEvent14(SIPCallbackCommand* record);
    void OnCallEvent15(SIPCallbackCommand* record);
    void OnCallEvent16(SIPCallbackCommand* record);
    // Event 17: the call's video arrived; the shown clock starts again from zero.
    void OnRemoteVideo(SIPCallbackCommand* record);
    // Event 18: the line's call is gone; the line is freed without a history row.
    void OnCallEvent18(SIPCallbackCommand* record);
    // Events 19 and 20: a notice with a reason; 20 also takes the line's call off hold.
    void OnCallEvent19(SIPCallbackCommand* record);
    void OnCallEvent20(SIPCallbackCommand* record);

    // --- calls
    // For the other pages: refuses (false) unless signed in; shows the call page; refuses
    // when the current line is busy or ringing in; places the call and puts the outcome into
    // the current line's text 2.
    bool Dial(const CString& address);
    // Places a call to `address` (passed to the engine unchanged) on the current line; true
    // when the engine took it. It does not look at the line: its callers do.
    bool MakeCall(const CString& address);
    // Enter: dials the number field's text when it is not empty, the current line is idle,
    // and the engine runs with the user signed in. No redial, no answer.
    void DialEnteredNumber();
    // Answers the current line when it is ringing in; false (nothing done) otherwise.
    bool AnswerCall();
    // Takes a call that just arrived on `line`: the line becomes current and is answered.
    void AutoAnswer(int line, SIPCallbackCommand* record);
    // Ends the current line's call: rejects it when ringing in, else terminates it.
    void EndCurrentCall();
    // Ends the call on every line that is not idle: a ringing incoming call is rejected (486
    // "Busy here"), a busy line's call terminated; each is recorded and its line reset. The
    // line texts and the conference are left for the caller.
    void HangUpAllLines();
    // Hands the history row of `line`'s call to the main window; nothing for a line outside
    // 1..5.
    void WriteHistory(int line);
    void OnLineEstablished(int line);
    void OnLineReleased(int line, int sessionId);

    // --- lines
    // The line whose session id is the event's; -1 when none is (an id of 0 or less matches
    // no line, idle lines included).
    int FindLineBySession(const SIPCallbackCommand* record) const;
    // The first line neither busy nor ringing in; -1 when all five are taken.
    int FindFreeLine() const;
    // Makes `line` current: the line left is held when busy, the chosen one taken off hold.
    void SwitchLine(int line);
    void UpdateHoldTransferButtons();
    void EnableHoldButton(bool enable);
    void SetHoldCheck(bool checked);
    void EnableTransferButton(bool enable);
    bool IsAutoAnswerOn() const;
    bool IsDoNotDisturbOn() const;
    bool IsConferenceOn() const;
    // A text, or with an empty text the conference's own status line, as the current line's
    // text 2 (shown, not stored).
    void ShowConferenceText(const CString& text);

    // --- hold, transfer, conference
    // Signed in only. With conference mode on and a line busy, every busy line not held yet
    // is held (CALL_WND 30011 on each); otherwise the current line when busy and not held
    // (CALL_WND 30009).
    void HoldCalls();
    // The mirror of HoldCalls: every busy held line resumes in conference mode (the
    // conference's status line then shows), else the current line (CALL_WND 30004).
    void UnholdCalls();
    // Joins `line`'s call to the conference when signed in and conference mode is on.
    void JoinLineToConference(int line);
    // After sign-out: the engine's conference is gone with the engine, so the record is
    // emptied and conference mode switched off.
    void ResetConference();

    // --- the lines' texts
    // Stores `text` as info text n (1..3) of `line` (1..5) when `store`; shows it in label
    // 1045 + n - 1 when `show`, whatever line it belongs to.
    void SetLineInfoText(const CString& text, int line, int n, bool show, bool store);
    // The same for all five lines, stored, then shown.
    void SetInfoTextAllLines(const CString& text, int n);
    // Captions of the five line buttons (CALL_WND 30027 to 30031).
    void SetLineButtonTexts();
    void SetButtonToolTips();

    // --- number field and sounds
    // Empties the number field (all) or takes its last character off, and stores it as the
    // current line's number; emptying it also resets every line's texts.
    void ClearNumber(bool all);
    CString GetNumberFieldText() const;
    // Sets the field's text with the caret at its end.
    void SetNumberFieldText(const CString& text);
    // Adds a dialled number to the field's list and to the dialled numbers; nothing for "".
    void AddDialledNumber(const CString& number);
    // Plays the key's sound through the main window; a dial-pad key also goes to the current
    // line's call as DTMF when that line is busy.
    void PlayKeyTone(char key);
    // Appends to the number field (caret at the end) and stores the whole text as the current
    // line's number. The first character after a call ended on an idle line first clears
    // the field (ClearNumber(true)).
    void AppendToNumber(const CString& text);
    // Typing into the number field while another control has the focus, with a tone for
    // each key; true when the key was consumed. Keys the focused field types itself are
    // left to it, after their tone.
    bool PreTranslateKeys(MSG* msg);
    BOOL PreTranslateMessage(MSG* msg) override;

    // --- controls and video
    // The controls' state at creation: line 1 chosen, hold and transfer off, conference off.
    void InitControls();
    // Microphone and speaker sliders (0..255) from the engine's current volumes.
    void InitVolumeSliders();
    // Starts or stops sending video on the current line's call (CMainFrame::SetVideoSending
    // and the video window's send button reach it). False, with nothing done, when the
    // current line is not busy; false when the engine refuses, and the line's sending flag is
    // then put back as it was.
    bool UpdateVideoSending(bool on);
    // The current line has a call that carries video.
    bool IsCurrentLineVideo() const;

    int GetCurrentLine() const { return m_currentLine; }
    const Session& GetLine(int line) const { return m_lines[LineIndex(line)]; }
    const std::vector<std::string>& GetDialledNumbers() const { return m_dialledNumbers; }
    const CString& GetLastDialledNumber() const { return m_lastDialledNumber; }
    const Conference& GetConference() const { return m_conference; }
    int IsNumberStale() const { return m_numberIsStale; }

protected:
    void SetWindowID() override;
    int OnCreate(LPCREATESTRUCT cs);
    void OnTimer(UINT_PTR id);
    void OnDial();
    void OnHangUp();
    // The dial pad: each button appends its character and plays its tone.
    void OnNum0();
    void OnNum1();
    void OnNum2();
    void OnNum3();
    void OnNum4();
    void OnNum5();
    void OnNum6();
    void OnNum7();
    void OnNum8();
    void OnNum9();
    void OnNumStar();
    void OnNumSharp();
    // Takes the number's last character off.
    void OnClear();
    // Refills the field's list with each dialled number once, in the order first dialled.
    void OnPhoneNumberDropDown();
    // The check boxes, read after the click has toggled them.
    void OnHold();
    void OnTransfer();
    void OnConference();
    void OnRecord();
    void OnMuteMic();
    void OnMuteSpeaker();
    // A volume slider moved: its position goes to the engine.
    void OnHScroll(UINT code, UINT position, CWnd* scrollBar);
    void OnLine1();
    void OnLine2();
    void OnLine3();
    void OnLine4();
    void OnLine5();

    DECLARE_MESSAGE_MAP()

private:
    static int LineIndex(int line) { return line >= 1 && line <= kLineCount ? line : 0; }
    Session& Line(int line) { return m_lines[LineIndex(line)]; }
    Session& CurrentLine() { return Line(m_currentLine); }
    bool IsChecked(int id) const;
    void SetCheck(int id, bool checked);
    void EnableControl(int id, bool enable);
    int BusyLineCount() const;
    // Recording switched off, and its check box cleared, once no line is busy.
    void StopRecordingWithoutCalls();
    // The busy lines 1..5, in order, that are held (or not held).
    std::vector<int> BusyLines(bool held) const;
    // Text 2 of `line`, stored, and shown when it is the current line.
    void SetLineStatus(int line, const CString& text);
    // Places a call for Dial, the dial button and Enter, with the outcome as text 2.
    bool PlaceCall(const CString& address);
    void StartClock(int line);
    void StopClock(int line);
    void StopRingTones();
    // The line reset after its call ended, and the page told.
    void ReleaseLine(int line);
    // The number field, and whether the focus is in it (the combo or its edit).
    CWnd* NumberField() const;
    bool IsNumberFieldFocused() const;
    void PressDialPadKey(char key);
    // Events 7 and 8: the tones stop, and the event's line shows `status`, records the call
    // and is freed.
    void EndCallOnEvent(SIPCallbackCommand* record, const CString& status);

    Vexel::CSliderCtrlEx* m_pMicSlider = nullptr;
    Vexel::CSliderCtrlEx* m_pSpeakerSlider = nullptr;
    // 1 while the number field still shows the number of a finished or arriving call.
    int m_numberIsStale = 0;
    int m_currentLine = 1;
    Session m_lines[kLineCount + 1];   // index 0 holds no line
    std::vector<std::string> m_dialledNumbers;
    CString m_lastDialledNumber;
    Conference m_conference;
};
