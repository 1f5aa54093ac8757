#include "config/settings/SettingDlg.h"

#include "resources/Resource.h"
#include "skin/ui/controls/SkinTreeCtrl.h"
#include "texts/UiTextTable.h"

namespace {

constexpr DWORD kSettingPageStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

// The pages' skin windows, by page index.
constexpr UINT kPageWindows[CSettingDlg::kPageCount] = {
    IDW_SETTING_PAGE1, IDW_SETTING_PAGE2, IDW_SETTING_PAGE3, IDW_SETTING_PAGE4,
    IDW_SETTING_PAGE5, IDW_SETTING_PAGE6, IDW_SETTING_PAGE7,
};

} // namespace

BEGIN_MESSAGE_MAP(CSettingDlg, Vexel::CUIWnd)
    ON_WM_CREATE()
    ON_BN_CLICKED(IDC_BTN_CLOSE, &CSettingDlg::OnCancel)
    ON_BN_CLICKED(IDC_BTN_CANCEL, &CSettingDlg::OnCancel)
    ON_BN_CLICKED(IDC_BTN_OK, &CSettingDlg::OnOK)
    ON_NOTIFY(TVN_SELCHANGED, IDC_TREECTRL_CONTROLS, &CSettingDlg::OnPageSelChanged)
END_MESSAGE_MAP()

CSettingDlg::CSettingDlg() = default;

CSettingDlg::~CSettingDlg()
{
    // The pages' windows go while their objects still exist.
    if (m_hWnd)
        DestroyWindow();
}

void CSettingDlg::SetWindowID()
{
    m_nWindowID = IDW_SETTING;
}

CSettingPage* CSettingDlg::Page(int index)
{
    CSettingPage* const pages[kPageCount] = {&m_page1, &m_page2, &m_page3, &m_page4, &m_page5, &m_page6, &m_page7};
    return index >= 0 && index < kPageCount ? pages[index] : nullptr;
}

int CSettingDlg::OnCreate(LPCREATESTRUCT cs)
{
    if (Vexel::CUIWnd::OnCreate(cs) == -1)
        return -1;
    InitControls();

    m_pageManager.SetParent(this);
    RECT pageArea{};
    GetOrigRect(&pageArea);
    m_pageManager.SetTaskWndRect(pageArea);
    for (int index = 0; index < kPageCount; ++index)
        m_pageManager.AddTaskWindow(index, Page(index), kPageWindows[index], nullptr, kSettingPageStyle);

    FillPageTree();
    SetTexts();
    return 0;
}

void CSettingDlg::InitControls()
{
    m_pPageTree = dynamic_cast<Vexel::CSkinTreeCtrl*>(GetDlgItem(IDC_TREECTRL_CONTROLS));
}

void CSettingDlg::FillPageTree()
{
    if (!m_pPageTree)
        return;
    const CString* const names[kPageCount] = {
        &g_uiTexts.dlgOptions.t27043, &g_uiTexts.pageWnd.t40048, &g_uiTexts.dlgOptions.t27044,
        &g_uiTexts.dlgOptions.t27045, &g_uiTexts.dlgOptions.t27051, &g_uiTexts.pageWnd.t40049,
        &g_uiTexts.dlgOptions.t27048,
    };
    for (int index = 0; index < kPageCount; ++index) {
        TVINSERTSTRUCTW insert{};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = const_cast<LPWSTR>(static_cast<LPCWSTR>(*names[index]));
        insert.item.lParam = index;
        const HTREEITEM item = m_pPageTree->InsertItem(&insert);
        // Selecting the first page's name shows the first page.
        if (index == 0 && item)
            m_pPageTree->SelectItem(item);
    }
}

void CSettingDlg::SetTexts()
{
    SetWindowText(g_uiTexts.menuMain.t12001);
    SetDlgItemText(IDC_STA_TITLE, g_uiTexts.menuMain.t12001);
    SetDlgItemText(IDC_BTN_OK, g_uiTexts.dlgUpdate.t26005);
    SetDlgItemText(IDC_BTN_CANCEL, g_uiTexts.dlgAudioSetup.t24010);
}

void CSettingDlg::OnPageSelChanged(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const auto* change = reinterpret_cast<const NMTREEVIEWW*>(header);
    if (!change->itemNew.hItem || !m_pPageTree)
        return;
    const auto index = static_cast<int>(m_pPageTree->GetItemData(change->itemNew.hItem));
    // The page's window is made, and its values loaded, the first time it is shown. The
    // focus stays in the tree, so the keyboard keeps walking the pages.
    m_pageManager.SwitchTo(index, FALSE);
}

void CSettingDlg::OnOK()
{
    // A failing save does not stop the others.
    for (int index = 0; index < kPageCount; ++index)
        Page(index)->Save();
    EndDialog(kClosedResult);
}

void CSettingDlg::OnCancel()
{
    for (int index = 0; index < kPageCount; ++index)
        Page(index)->CancelStep();
    EndDialog(kClosedResult);
}
