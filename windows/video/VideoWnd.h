#pragma once
// CVideoWnd: the separate window in which video is shown: a large render area for the remote
// party (IDC_STA_REMOTEVIDEO) and a small one for the user's own camera (IDC_STA_LOCALVIDEO),
// a button to start and stop sending video and a close button. The engine draws into the two
// areas itself; this window only hands out their handles (through the main window) and keeps
// the large area sized to the chosen video format. The object is a member of the main window
// and outlives its window, which is hidden and shown any number of times.
#include "skin/ui/UIWnd.h"

class CVideoWnd : public Vexel::CUIWnd {
    DECLARE_DYNAMIC(CVideoWnd)
public:
    CVideoWnd();
    ~CVideoWnd() override;

    // Shows the window and starts the local preview 200 ms later; nothing while a show is
    // pending or before the window exists.
    void StartShowTimer();
    // Hides the window at once and stops the preview 150 ms later; a show asked for in
    // between starts a new show, and the stop still runs.
    void StartHideTimer();
    // The stop a hide has still to run, run now (nothing when none is due).
    void FinishHide();
    // 1 from a show request until a hide request.
    int IsShowPending() const { return m_showPending; }

    // Windows of the two render areas; null when the window or the control is missing.
    HWND GetRemoteVideoHwnd() const;
    HWND GetLocalVideoHwnd() const;
    // Invalidates both render areas, with erasing.
    void RepaintVideo();
    // Sizes the large area to the chosen video format (nothing for an unknown format).
    void LayoutVideo();
    // The send button's caption (and check) for sending or not: the caption is this
    // window's only record of the state.
    void SetSendVideoState(bool sending);

protected:
    void SetWindowID() override;
    // The window never frees the object: the main window holds it.
    void PostNcDestroy() override;

    int OnCreate(LPCREATESTRUCT cs);
    void OnTimer(UINT_PTR id);
    void OnSize(UINT type, int cx, int cy);
    void OnWindowPosChanging(WINDOWPOS* pos);
    void OnCloseButton();
    void OnSendVideo();

    DECLARE_MESSAGE_MAP()

private:
    void SetCaptions();
    HWND Area(int id) const;

    int m_showPending = 0;
};
