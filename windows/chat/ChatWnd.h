#pragma once
// CChatWnd: the instant-message window with one peer (skin window IDW_CHAT): a read-only
// transcript above a send box; Enter or Alt+S in the send box sends through the engine's
// pager message. There is at most one window per peer: the main window lists the open ones
// and finds them by the peer's SIP URI (ChatWindows.h opens and feeds them).
//
// The window keeps its own copy of the peer's name and address: the contact record it was
// opened for may be freed while it is open. Its close button only hides it (it stays listed
// and shows again for the next message); a WM_CLOSE takes it off the main window's list and
// destroys it, and the object deletes itself. The main window deletes the windows still
// listed through the virtual destructor.
#include "skin/ui/UIWnd.h"

#include <string>

class CChatWnd : public Vexel::CUIWnd {
    DECLARE_DYNAMIC(CChatWnd)
public:
    CChatWnd();
    ~CChatWnd() override;

    // The peer: its display name and SIP URI ("sip:" included), copied. An empty URI leaves
    // the window without a peer.
    void SetContact(const CString& displayName, const CString& sipUri);
    // The peer's SIP URI in the ANSI code page; empty without a peer.
    virtual std::string GetPeerUri() const;
    // The title label from the peer's name (ChatTitle); nothing without a peer.
    void UpdateTitle();

    // Sends the send box's text to the peer and adds it to the transcript. Nothing without a
    // peer, when not signed in or without an engine, or for an empty text; a text over 1024
    // bytes in the ANSI code page is not sent, and a message box says so. The engine gets the
    // text as UTF-8.
    void OnSend();
    // A message from the peer: `from` is the sender's address without "sip:" (ANSI), `body`
    // the message as it came (UTF-8), decoded here once.
    void OnMessageReceived(const std::string& from, const std::string& body);

    // 1 while the last block of the transcript is the user's own.
    int HasSentLast() const { return m_sentLast; }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void SetWindowID() override;
    void PostNcDestroy() override;

    int OnCreate(LPCREATESTRUCT cs);
    void OnShowWindow(BOOL show, UINT status);
    void OnClose();
    void OnHideCommand();
    void OnTitleCommand();

    DECLARE_MESSAGE_MAP()

private:
    bool IsSendKey(const MSG& msg) const;
    // Puts `transcript` into the transcript box, scrolled to its last line, drawn at once.
    void ShowTranscript(const CString& transcript);
    CString Transcript() const;
    void LeaveMainWindowList();

    CString m_peerName;
    CString m_peerUri;
    int m_sentLast = 0;
};
