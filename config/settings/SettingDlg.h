#pragma once
// CSettingDlg: the modal options dialog: a tree of seven page names beside one page at a time.
// It holds no settings of its own; OK asks every page to save, and both OK and Cancel end it
// with 1, after which the main window pushes the stored settings to the engine.
#include "skin/ui/UIWnd.h"

class CSettingDlg : public Vexel::CUIWnd {
public:
    CSettingDlg();
    ~CSettingDlg() override;

protected:
    void SetWindowID() override;

    DECLARE_MESSAGE_MAP()
};
