#pragma once
// CAdvancedWindow: the sign-in window's advanced account pane (skin window IDW_ADVANCEDWINDOW):
// display name, authorization name, domain, registration expiry, transport, STUN server and
// port, and SRTP. It has no data of its own: it shows g_account and, on OK, writes the fields
// back into it unchecked. Its close box ends it without changing anything.
#include "skin/ui/UIWnd.h"

class CAdvancedWindow : public Vexel::CUIWnd {
public:
    // The transports in the order of the combo box's entries; an entry's index is the engine's
    // transport code.
    static constexpr const wchar_t* kTransports[] = {L"UDP", L"TLS", L"TCP", L"PERS"};
    static constexpr int kTlsTransport = 1;

    explicit CAdvancedWindow(CWnd* owner = nullptr);
    ~CAdvancedWindow() override;

    // Tab from an edit moves to the next window at its level (EditTab.h); the rest as the base.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void SetWindowID() override;
    int OnCreate(LPCREATESTRUCT cs);
    void OnOK() override;

    DECLARE_MESSAGE_MAP()

private:
    // The eight controls by id (a missing one stays null and is skipped) and the transport
    // list filled, its first entry selected. 0.
    int FindControls();
    void InitTexts();
    void ShowAccount();

    CWnd* m_displayName = nullptr;
    CWnd* m_authName = nullptr;
    CWnd* m_userDomain = nullptr;
    CWnd* m_registerTime = nullptr;
    CWnd* m_transport = nullptr;    // drop-down list, not sorted
    CWnd* m_stunServer = nullptr;
    CWnd* m_stunPort = nullptr;
    CWnd* m_srtp = nullptr;         // check box
};
