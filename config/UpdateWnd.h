#pragma once
// CUpdateWnd: the modal window that offers a newer build: the running build and the latest
// one, which the main window sets before the run.
#include "skin/ui/UIWnd.h"

class CUpdateWnd : public Vexel::CUIWnd {
public:
    CUpdateWnd();
    ~CUpdateWnd() override;

    CString m_latestVersion;   // set by the caller before DoModal

protected:
    void SetWindowID() override;

    DECLARE_MESSAGE_MAP()
};
