#include "config/settings/SettingPage1.h"

#include "config/AutoStart.h"
#include "config/SipUrlProtocol.h"
#include "core/Base64.h"
#include "core/OptionsRecord.h"
#include "core/TextConvert.h"
#include "framework/FolderBrowser.h"
#include "framework/SystemAnswers.h"
#include "resources/Resource.h"
#include "texts/UiTextTable.h"

namespace {

// The five check boxes that mirror a flag of the Options row.
struct FlagBox {
    int id;
    const char* column;
    bool OptionsRecord::*field;
};
constexpr FlagBox kFlagBoxes[] = {
    {IDC_CHK_DEFAULTSOFTPHONE, "defaultSoftphone", &OptionsRecord::defaultSoftphone},
    {IDC_CHK_UPDATE, "AutoUpgrade", &OptionsRecord::AutoUpgrade},
    {IDC_CHK_IDLE, "displayIdle", &OptionsRecord::displayIdle},
    {IDC_CHK_TIMESTAMP, "showTimeStamp", &OptionsRecord::showTimeStamp},
    {IDC_CHK_CALLIMMEDIATE, "callImmediately", &OptionsRecord::callImmediately},
};

} // namespace

BEGIN_MESSAGE_MAP(CSettingPage1, CSettingPage)
    ON_BN_CLICKED(IDC_BTN_BROSWE, &CSettingPage1::OnBrowse)
    ON_BN_CLICKED(IDC_BTN_OPENFOLDER, &CSettingPage1::OnOpenFolder)
END_MESSAGE_MAP()

CSettingPage1::CSettingPage1() = default;

CSettingPage1::~CSettingPage1() = default;

void CSettingPage1::SetWindowID()
{
    m_nWindowID = IDW_SETTING_PAGE1;
}

void CSettingPage1::SetTexts()
{
    const UiPageWndTexts& texts = g_uiTexts.pageWnd;
    SetItemTexts({{IDC_STA_LINE1, &texts.t40000},
                  {IDC_STA_LINE2, &texts.t40001},
                  {IDC_STA_LINE3, &texts.t40002},
                  {IDC_STA_LINE4, &texts.t40003},
                  {IDC_STA_LINE5, &texts.t40004},
                  {IDC_STA_LINE6, &texts.t40005},
                  {IDC_STA_LINE7, &texts.t40006},
                  {IDC_STA_LINE8, &texts.t40007},
                  {IDC_BTN_BROSWE, &texts.t40008},
                  {IDC_BTN_OPENFOLDER, &texts.t40009}});
}

void CSettingPage1::LoadValues()
{
    for (const FlagBox& box : kFlagBoxes)
        SetChecked(box.id, g_options.*box.field);
    SetChecked(IDC_CHK_RUNWINDOWS, IsAutoStart());
    SetDlgItemText(IDC_EDT_FILEFOLDER, AnsiToWide(g_options.recordFolder));
}

void CSettingPage1::OnBrowse()
{
    CString folder;
    if (AfxBrowseForFolder(m_hWnd, g_uiTexts.dlgOptions.t27030, BIF_RETURNONLYFSDIRS, folder))
        SetDlgItemText(IDC_EDT_FILEFOLDER, folder);
}

void CSettingPage1::OnOpenFolder()
{
    GetSystemAnswers().ShellOpen(m_hWnd, nullptr, ItemText(IDC_EDT_FILEFOLDER), SW_SHOWNORMAL);
}

void CSettingPage1::SaveValues()
{
    OptionsRecord updated = g_options;
    updated.recordFolder = WideToAnsi(ItemText(IDC_EDT_FILEFOLDER));
    for (const FlagBox& box : kFlagBoxes)
        updated.*box.field = IsChecked(box.id);

    RegisterSipUrlProtocol();
    if (IsChecked(IDC_CHK_RUNWINDOWS))
        SetAutoStart();
    else
        RemoveAutoStart();

    // The three folders are stored in URL-safe Base64; the page has no control for the
    // recording paths and writes them back as they are.
    OptionsUpdate update;
    update.Text("ARPath", Base64Encode(updated.ARPath, true))
        .Text("VRPath", Base64Encode(updated.VRPath, true))
        .Text("recordFolder", Base64Encode(updated.recordFolder, true));
    for (const FlagBox& box : kFlagBoxes)
        update.Flag(box.column, updated.*box.field);
    if (update.Run())
        g_options = updated;
}
