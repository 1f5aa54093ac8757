#pragma once
// CUpdateWnd: the modal window that offers a newer build: the running build and the latest
// one, which the caller sets before the run, and a button that opens the download page. OK
// and the corner button are the skin's close boxes.
#include "skin/ui/UIWnd.h"

#include <string>

class CUpdateWnd : public Vexel::CUIWnd {
public:
    CUpdateWnd();
    ~CUpdateWnd() override;

    CString m_latestVersion;   // set by the caller before DoModal

protected:
    void SetWindowID() override;
    int OnCreate(LPCREATESTRUCT cs);
    // Opens the download page through the shell seam; the window stays open.
    void OnWebsite();

    DECLARE_MESSAGE_MAP()

private:
    void InitTexts();
};

// What the main window does with a build the update check found: the update window, run
// modally, shows `version`, which is kept as g_account.LatestVersion. Nothing is shown while
// an update window is open, nor for the text offered last (a check repeated at every sign-in
// finds the same build again). true when the window was shown.
bool OfferNewVersion(const std::string& version);
