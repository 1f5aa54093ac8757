#pragma once
// CChatWnd: the instant-message window with one contact. The main window keeps the list of
// open chat windows and finds one by its peer's SIP URI; a window is deleted through its
// virtual destructor.
#include "skin/ui/UIWnd.h"

#include <string>

class CChatWnd : public Vexel::CUIWnd {
public:
    CChatWnd();
    ~CChatWnd() override;

    // The peer's SIP URI in the ANSI code page; empty without a peer.
    virtual std::string GetPeerUri() const;

protected:
    void SetWindowID() override;

    DECLARE_MESSAGE_MAP()
};
