#pragma once
// CVideoWnd: the separate window in which video is shown: a large render area for the remote
// party (IDC_STA_REMOTEVIDEO) and a small one for the user's own camera (IDC_STA_LOCALVIDEO).
// The engine draws into the two areas itself. The object is a member of the main window and
// outlives its window, which is hidden and shown any number of times.
#include "skin/ui/UIWnd.h"

class CVideoWnd : public Vexel::CUIWnd {
public:
    CVideoWnd();
    ~CVideoWnd() override;

    // Shows the window and starts the local preview 200 ms later; nothing while a show is
    // pending.
    void StartShowTimer();
    // Hides the window at once and stops the preview 150 ms later.
    void StartHideTimer();
    // 1 from a show request until a hide request.
    int IsShowPending() const { return m_showPending; }

    // Windows of the two render areas; null when the window or the control is missing.
    HWND GetRemoteVideoHwnd() const;
    HWND GetLocalVideoHwnd() const;
    // Invalidates both render areas.
    void RepaintVideo();
    // Sizes the large area to the chosen video format.
    void LayoutVideo();
    // Caption and check of the send-video button (1089).
    void SetSendVideoState(bool sending);

protected:
    void SetWindowID() override;
    // The window never frees the object: the main window holds it.
    void PostNcDestroy() override;
    void OnTimer(UINT_PTR id);
    void OnSize(UINT type, int cx, int cy);

    DECLARE_MESSAGE_MAP()

private:
    HWND Area(int id) const;

    int m_showPending = 0;
};
