#pragma once
// CMessageBox: the program's own message box, a skinned window (IDW_MESSAGEWINDOW1) with a
// caption, one text and an OK button, run modally for the failures the user must see. The
// caller makes it on its stack, sets the caption and the message, and runs it with DoModal:
// 1 when OK ends it, 2 when Escape or the system's close does; the skin's close box ends it
// with its own id. The owner (the main window when none is given) is disabled meanwhile.
#include "skin/ui/UIWnd.h"

class CMessageBox : public Vexel::CUIWnd {
    DECLARE_DYNAMIC(CMessageBox)
public:
    explicit CMessageBox(CWnd* owner = nullptr);
    ~CMessageBox() override;

    void SetMessage(const CString& message) { m_message = message; }

    // Shown in the title label and as the window's own text; set before the run.
    CString m_caption;

protected:
    void SetWindowID() override;
    int OnCreate(LPCREATESTRUCT cs);

    DECLARE_MESSAGE_MAP()

private:
    CString m_message;
};

// What every window does for a failure the user must see: a message box with the program's
// caption (DLG_LOGIN 20000) and `message`, run modally over `owner` (null: over the main
// window). Its result; or the system table's answer in its place (framework/SystemAnswers.h,
// AnswerMessageBox), which gets the caption and text the window would show.
int ShowMessageBox(const CString& message, CWnd* owner = nullptr);
