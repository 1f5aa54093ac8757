#include "config/AboutWnd.h"

#include "config/ControlValues.h"
#include "config/ProductInfo.h"
#include "framework/SystemAnswers.h"
#include "resources/Resource.h"
#include "texts/UiTextTable.h"

BEGIN_MESSAGE_MAP(AboutWnd, Vexel::CUIWnd)
    ON_WM_CREATE()
    ON_COMMAND(IDC_BTN_URL, &AboutWnd::OnUrl)
END_MESSAGE_MAP()

AboutWnd::AboutWnd() = default;

AboutWnd::~AboutWnd() = default;

void AboutWnd::SetWindowID()
{
    m_nWindowID = IDW_ABOUT;
}

int AboutWnd::OnCreate(LPCREATESTRUCT cs)
{
    if (CUIWnd::OnCreate(cs) == -1)
        return -1;
    InitTexts();
    return 0;
}

void AboutWnd::InitTexts()
{
    const UiDlgAboutTexts& texts = g_uiTexts.dlgAbout;
    SetWindowText(texts.t21000);
    SetControlTexts(*this, {
        {IDC_STA_TITLE, texts.t21000}, {IDC_STA_LINE1, texts.t21001}, {IDC_STA_LINE2, texts.t21002},
        {IDC_STA_LINE3, texts.t21003},
        // The settings' OK text serves every OK button.
        {IDC_BTN_OK, g_uiTexts.dlgAudioCodec.t22009},
    });
}

void AboutWnd::OnUrl()
{
    GetSystemAnswers().ShellOpen(m_hWnd, L"OPEN", kMakerSite, SW_SHOWNORMAL);
}
