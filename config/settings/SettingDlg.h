#pragma once
// CSettingDlg: the modal options dialog (skin window IDW_SETTING): a tree of seven page names
// beside one page at a time. It holds no settings of its own. The page manager creates each
// page the first time it is shown, which loads its values; OK asks every page to save, in page
// order (pages never shown save nothing); Cancel only undoes what the devices page did live.
// Both end the dialog with 1, after which the main window pushes the stored settings to the
// engine.
#include "config/settings/SettingPage1.h"
#include "config/settings/SettingPage2.h"
#include "config/settings/SettingPage3.h"
#include "config/settings/SettingPage4.h"
#include "config/settings/SettingPage5.h"
#include "config/settings/SettingPage6.h"
#include "config/settings/SettingPage7.h"
#include "skin/ui/controls/TaskWndMgr.h"

namespace Vexel {
class CSkinTreeCtrl;
}

class CSettingDlg : public Vexel::CUIWnd {
public:
    // What both OK and Cancel end the dialog with.
    static constexpr int kClosedResult = 1;
    static constexpr int kPageCount = 7;

    CSettingDlg();
    ~CSettingDlg() override;

    // Every page's save, in page order, then the end of the dialog.
    void OnOK() override;
    // Every page's cancel step, then the end of the dialog; the close button, the Cancel
    // button and Escape.
    void OnCancel() override;

protected:
    void SetWindowID() override;
    int OnCreate(LPCREATESTRUCT cs);
    void OnPageSelChanged(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    void InitControls();
    void FillPageTree();
    void SetTexts();
    CSettingPage* Page(int index);

    Vexel::CSkinTreeCtrl* m_pPageTree = nullptr;
    Vexel::CTaskWndMgr m_pageManager{18, 1};
    CSettingPage1 m_page1;
    CSettingPage2 m_page2;
    CSettingPage3 m_page3;
    CSettingPage4 m_page4;
    CSettingPage5 m_page5;
    CSettingPage6 m_page6;
    CSettingPage7 m_page7;
};
