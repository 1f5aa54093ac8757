#include "windows/video/VideoWnd.h"

#include "core/OptionsRecord.h"
#include "resources/Resource.h"
#include "texts/UiTextTable.h"
#include "windows/main/MainFrame.h"
#include "windows/video/VideoLayout.h"

namespace {

constexpr UINT_PTR kShowTimer = 30;
constexpr UINT kShowDelayMs = 200;
constexpr UINT_PTR kHideTimer = 31;
constexpr UINT kHideDelayMs = 150;

} // namespace

using Vexel::CUIWnd;

IMPLEMENT_DYNAMIC(CVideoWnd, CUIWnd)

BEGIN_MESSAGE_MAP(CVideoWnd, CUIWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_WM_WINDOWPOSCHANGING()
    ON_COMMAND(IDC_BTN_CLOSE, &CVideoWnd::OnCloseButton)
    ON_COMMAND(IDC_BTN_SENDVIDEO, &CVideoWnd::OnSendVideo)
END_MESSAGE_MAP()

CVideoWnd::CVideoWnd() = default;

CVideoWnd::~CVideoWnd() = default;

void CVideoWnd::SetWindowID()
{
    m_nWindowID = IDW_VIDEO;
}

void CVideoWnd::PostNcDestroy()
{
}

int CVideoWnd::OnCreate(LPCREATESTRUCT cs)
{
    if (CUIWnd::OnCreate(cs) == -1)
        return -1;
    SetCaptions();
    return 0;
}

void CVideoWnd::SetCaptions()
{
    const UiVideoWndTexts& texts = g_uiTexts.videoWnd;
    SetDlgItemText(IDC_STA_TITLE, texts.t36000);
    SetDlgItemText(IDC_CHK_VIEWMYVIDEO, texts.t36001);
    const bool sendChecked = ::IsDlgButtonChecked(m_hWnd, IDC_CHK_SENDVIDEO) == BST_CHECKED;
    SetDlgItemText(IDC_CHK_SENDVIDEO, sendChecked ? texts.t36003 : texts.t36002);
    SetDlgItemText(IDC_BTN_VIEWMYVIDEO, texts.t36001);
    SetDlgItemText(IDC_BTN_SENDVIDEO, texts.t36002);
}

void CVideoWnd::StartShowTimer()
{
    if (m_showPending || !m_hWnd)
        return;
    SetTimer(kShowTimer, kShowDelayMs);
    m_showPending = 1;
    ShowWindow(SW_SHOW);
}

void CVideoWnd::StartHideTimer()
{
    if (!m_hWnd)
        return;
    SetTimer(kHideTimer, kHideDelayMs);
    m_showPending = 0;
    ShowWindow(SW_HIDE);
}

void CVideoWnd::FinishHide()
{
    if (m_hWnd && KillTimer(kHideTimer) && g_pMainFrame)
        g_pMainFrame->StopLocalVideo();
}

void CVideoWnd::OnTimer(UINT_PTR id)
{
    if (id == kShowTimer) {
        KillTimer(id);
        // A hide in the meantime cancels the preview.
        if (m_showPending) {
            SetDlgItemText(IDC_BTN_VIEWMYVIDEO, g_uiTexts.videoWnd.t36004);
            if (g_pMainFrame)
                g_pMainFrame->StartLocalVideo();
        }
        return;
    }
    if (id == kHideTimer) {
        KillTimer(id);
        if (g_pMainFrame)
            g_pMainFrame->StopLocalVideo();
        return;
    }
    CUIWnd::OnTimer(id);
}

void CVideoWnd::OnSize(UINT type, int cx, int cy)
{
    CUIWnd::OnSize(type, cx, cy);
    LayoutVideo();
}

void CVideoWnd::OnWindowPosChanging(WINDOWPOS* pos)
{
    // The base has already held the size within the window's limits (CUIWnd::WindowProc).
    CUIWnd::OnWindowPosChanging(pos);
    if (!(pos->flags & SWP_NOSIZE))
        pos->cy = VideoWindowHeightFor(pos->cx);
}

void CVideoWnd::OnCloseButton()
{
    StartHideTimer();
}

void CVideoWnd::OnSendVideo()
{
    CString caption;
    if (CWnd* const button = GetDlgItem(IDC_BTN_SENDVIDEO))
        button->GetWindowText(caption);
    const bool start = caption == g_uiTexts.videoWnd.t36002;
    // Not signed in, no call on the current line, or refused by the engine: not sending.
    const bool accepted = g_pMainFrame && g_pMainFrame->SetVideoSending(start);
    SetSendVideoState(start && accepted);
}

HWND CVideoWnd::Area(int id) const
{
    return m_hWnd ? ::GetDlgItem(m_hWnd, id) : nullptr;
}

HWND CVideoWnd::GetRemoteVideoHwnd() const
{
    return Area(IDC_STA_REMOTEVIDEO);
}

HWND CVideoWnd::GetLocalVideoHwnd() const
{
    return Area(IDC_STA_LOCALVIDEO);
}

void CVideoWnd::RepaintVideo()
{
    for (const HWND area : {GetRemoteVideoHwnd(), GetLocalVideoHwnd()}) {
        if (area)
            ::InvalidateRect(area, nullptr, TRUE);
    }
}

void CVideoWnd::LayoutVideo()
{
    const HWND remote = GetRemoteVideoHwnd();
    if (!remote)
        return;
    RECT window{};
    GetWindowRect(&window);
    ScreenToClient(&window);
    RECT area{};
    if (!RemoteVideoArea(window, g_options.VideoResolution, area))
        return;
    ::SetWindowPos(remote, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                   SWP_SHOWWINDOW);
}

void CVideoWnd::SetSendVideoState(bool sending)
{
    if (!m_hWnd)
        return;
    SetDlgItemText(IDC_BTN_SENDVIDEO, sending ? g_uiTexts.videoWnd.t36003 : g_uiTexts.videoWnd.t36002);
    ::SendDlgItemMessageW(m_hWnd, IDC_BTN_SENDVIDEO, BM_SETCHECK, sending ? BST_CHECKED : BST_UNCHECKED, 0);
}
