#include "windows/video/VideoWnd.h"

#include "config/UiTextTable.h"
#include "core/OptionsRecord.h"
#include "resources/Resource.h"
#include "windows/main/MainFrame.h"

namespace {

constexpr UINT_PTR kShowTimer = 30;
constexpr UINT kShowDelayMs = 200;
constexpr UINT_PTR kHideTimer = 31;
constexpr UINT kHideDelayMs = 150;

// Below the large area: the title band and the button bar.
constexpr int kChromeHeight = 143;
constexpr int kAreaTop = 27;

struct FrameSize {
    int width;
    int height;
};
// Nominal frame of each video resolution row.
constexpr FrameSize kFrames[] = {{176, 144}, {352, 288}, {640, 480}, {800, 600}, {1024, 768}, {1280, 720}};

} // namespace

BEGIN_MESSAGE_MAP(CVideoWnd, Vexel::CUIWnd)
    ON_WM_TIMER()
    ON_WM_SIZE()
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

void CVideoWnd::OnTimer(UINT_PTR id)
{
    if (id == kShowTimer) {
        KillTimer(id);
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
    Vexel::CUIWnd::OnTimer(id);
}

void CVideoWnd::OnSize(UINT type, int cx, int cy)
{
    Vexel::CUIWnd::OnSize(type, cx, cy);
    LayoutVideo();
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
    const int row = g_options.VideoResolution;
    if (!remote || row < 0 || row >= static_cast<int>(std::size(kFrames)))
        return;
    RECT rect{};
    GetWindowRect(&rect);
    ScreenToClient(&rect);
    const int height = (rect.bottom - rect.top) - kChromeHeight;
    const int width = rect.right - rect.left;
    const int areaWidth = height * kFrames[row].width / kFrames[row].height;
    int left = rect.left + (width - areaWidth) / 2;
    if (row == 5)
        ++left;
    ::SetWindowPos(remote, HWND_TOP, left, rect.top + kAreaTop, areaWidth, height, SWP_SHOWWINDOW);
}

void CVideoWnd::SetSendVideoState(bool sending)
{
    if (!m_hWnd)
        return;
    SetDlgItemText(IDC_BTN_SENDVIDEO, sending ? g_uiTexts.videoWnd.t36003 : g_uiTexts.videoWnd.t36002);
    if (CWnd* button = GetDlgItem(IDC_BTN_SENDVIDEO))
        button->SendMessage(BM_SETCHECK, sending ? BST_CHECKED : BST_UNCHECKED, 0);
}
