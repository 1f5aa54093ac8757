#include "config/settings/SettingDlg.h"

#include "resources/Resource.h"

BEGIN_MESSAGE_MAP(CSettingDlg, Vexel::CUIWnd)
END_MESSAGE_MAP()

CSettingDlg::CSettingDlg() = default;

CSettingDlg::~CSettingDlg() = default;

void CSettingDlg::SetWindowID()
{
    m_nWindowID = IDW_SETTING;
}
