#include "config/UpdateWnd.h"

#include "config/ControlValues.h"
#include "config/ProductInfo.h"
#include "core/AccountRecord.h"
#include "core/TextConvert.h"
#include "framework/SystemAnswers.h"
#include "resources/Resource.h"
#include "texts/UiTextTable.h"

namespace {

// An update window is on the screen (its modal run lets further offers arrive).
bool g_updateWindowOpen = false;

class UpdateWindowOpen {
public:
    UpdateWindowOpen() { g_updateWindowOpen = true; }
    ~UpdateWindowOpen() { g_updateWindowOpen = false; }
    UpdateWindowOpen(const UpdateWindowOpen&) = delete;
    UpdateWindowOpen& operator=(const UpdateWindowOpen&) = delete;
};

} // namespace

BEGIN_MESSAGE_MAP(CUpdateWnd, Vexel::CUIWnd)
    ON_WM_CREATE()
    ON_COMMAND(IDC_BTN_WEBSITE1, &CUpdateWnd::OnWebsite)
END_MESSAGE_MAP()

CUpdateWnd::CUpdateWnd() = default;

CUpdateWnd::~CUpdateWnd() = default;

void CUpdateWnd::SetWindowID()
{
    m_nWindowID = IDW_UPDATE;
}

int CUpdateWnd::OnCreate(LPCREATESTRUCT cs)
{
    const int created = CUIWnd::OnCreate(cs);
    if (created == -1)
        return created;
    SetDlgItemText(IDC_STA_OLDVERSION, kBuildTextWide);
    SetDlgItemText(IDC_STA_NEWVERSION, m_latestVersion);
    InitTexts();
    return 0;
}

void CUpdateWnd::InitTexts()
{
    const UiDlgUpdateTexts& texts = g_uiTexts.dlgUpdate;
    SetWindowText(texts.t26000);
    SetControlTexts(*this, {
        {IDC_STA_TITLE, texts.t26000},    {IDC_STA_LINE1, texts.t26001}, {IDC_STA_LINE2, texts.t26002},
        {IDC_STA_LINE3, texts.t26003},    {IDC_BTN_WEBSITE1, texts.t26004}, {IDC_BTN_OK, texts.t26005},
    });
}

void CUpdateWnd::OnWebsite()
{
    GetSystemAnswers().ShellOpen(m_hWnd, L"OPEN", kDownloadPage, SW_SHOWNORMAL);
}

bool OfferNewVersion(const std::string& version)
{
    if (g_updateWindowOpen || version == g_account.LatestVersion)
        return false;
    g_account.LatestVersion = version;
    CUpdateWnd update;
    update.m_latestVersion = AnsiToWide(version);
    const UpdateWindowOpen open;
    update.DoModal();
    return true;
}
