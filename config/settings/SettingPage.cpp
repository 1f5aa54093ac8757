#include "config/settings/SettingPage.h"

#include "core/TextConvert.h"
#include "windows/main/MainFrame.h"

#include <cstdlib>

using Vexel::CUIWnd;
IMPLEMENT_DYNAMIC(CSettingPage, CUIWnd)

BEGIN_MESSAGE_MAP(CSettingPage, Vexel::CUIWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CSettingPage::~CSettingPage() = default;

int CSettingPage::OnCreate(LPCREATESTRUCT cs)
{
    if (Vexel::CUIWnd::OnCreate(cs) == -1 || !InitControls())
        return -1;
    SetTexts();
    LoadValues();
    m_loaded = 1;   // last: a page is saved only once it has shown its values
    return 0;
}

void CSettingPage::Save()
{
    if (m_loaded)
        SaveValues();
}

void CSettingPage::SetItemTexts(std::initializer_list<TextSlot> texts)
{
    for (const TextSlot& item : texts)
        ::SetDlgItemTextW(m_hWnd, item.id, *item.text);
}

bool CSettingPage::IsChecked(int id) const
{
    return ::SendDlgItemMessageW(m_hWnd, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CSettingPage::SetChecked(int id, bool checked)
{
    ::SendDlgItemMessageW(m_hWnd, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

CString CSettingPage::ItemText(int id) const
{
    CString text;
    if (const HWND item = ::GetDlgItem(m_hWnd, id))
        CWnd::FromHandle(item)->GetWindowText(text);
    return text;
}

int CSettingPage::ItemNumber(int id) const
{
    return static_cast<int>(std::strtol(WideToAnsi(ItemText(id)).c_str(), nullptr, 10));
}

void CSettingPage::SetItemNumber(int id, int value)
{
    ::SetDlgItemInt(m_hWnd, id, static_cast<UINT>(value), TRUE);
}

int CSettingPage::SelectedRow(int id) const
{
    const LRESULT row = ::SendDlgItemMessageW(m_hWnd, id, CB_GETCURSEL, 0, 0);
    return row == CB_ERR ? -1 : static_cast<int>(row);
}

void CSettingPage::SelectRow(int id, int row)
{
    ::SendDlgItemMessageW(m_hWnd, id, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void CSettingPage::AddRow(int id, const CString& text)
{
    ::SendDlgItemMessageW(m_hWnd, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCWSTR>(text)));
}

TavikHandle SettingsEngineHandle()
{
    return g_pMainFrame ? g_pMainFrame->GetEngineHandle() : 0;
}
