// The main window's tray icon and its popup menus at the cursor.
#include "windows/main/MainFrame.h"

#include "framework/SystemAnswers.h"
#include "framework/WinApp.h"
#include "resources/ProgramIds.h"
#include "texts/UiTextTable.h"
#include "windows/main/PopupMenus.h"

#include <cwchar>

namespace {

NOTIFYICONDATAW TrayIconData(HWND window)
{
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = kTrayIconId;
    return data;
}

} // namespace

UINT ShowRunningCopyMessage()
{
    static const UINT message = ::RegisterWindowMessageW(L"Lumeo.ShowRunningCopy");
    return message;
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != 0 && message == ShowRunningCopyMessage()) {
        BringToFront();
        return 0;
    }
    return Vexel::CUIWnd::WindowProc(message, wParam, lParam);
}

void CMainFrame::AddTrayIcon()
{
    NOTIFYICONDATAW data = TrayIconData(m_hWnd);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_TRAY_NOTIFY;
    data.hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_LUMEO));
    // The tip holds 127 characters and its terminator.
    std::wcsncpy(data.szTip, g_uiTexts.dlgLogin.t20000, std::size(data.szTip) - 1);
    GetSystemAnswers().TrayIcon(NIM_ADD, &data);
}

void CMainFrame::RemoveTrayIcon()
{
    NOTIFYICONDATAW data = TrayIconData(m_hWnd);
    GetSystemAnswers().TrayIcon(NIM_DELETE, &data);
}

LRESULT CMainFrame::OnTrayNotify(WPARAM wParam, LPARAM lParam)
{
    if (wParam != kTrayIconId)
        return 0;
    switch (static_cast<UINT>(lParam)) {
    case WM_LBUTTONUP:
        // A menu opened at once would be under the pointer when the second click of a double
        // click lands: it waits until no double click can follow. The release that ends a
        // double click is no click of its own.
        if (!m_trayDoubleClicked)
            SetTimer(kTrayClickTimer, ::GetDoubleClickTime());
        m_trayDoubleClicked = false;
        break;
    case WM_RBUTTONUP:
        KillTimer(kTrayClickTimer);
        ShowTrayMenu();
        break;
    case WM_LBUTTONDBLCLK:
        KillTimer(kTrayClickTimer);
        m_trayDoubleClicked = true;
        BringToFront();
        break;
    default:
        break;
    }
    return 0;
}

void CMainFrame::OnTrayClickTimer()
{
    // A tick of a timer already stopped by a double click opens nothing.
    if (KillTimer(kTrayClickTimer))
        ShowTrayMenu();
}

void CMainFrame::OnTrayOpen()
{
    BringToFront();
}

void CMainFrame::ShowTrayMenu()
{
    ShowMenu(IDM_TRAY, true);
}

void CMainFrame::ShowMainMenu(bool fromTray)
{
    ShowMenu(IDM_MAIN, fromTray);
}

void CMainFrame::ShowStatusMenu()
{
    ShowMenu(IDM_STATUS, false);
}

void CMainFrame::ShowMenu(UINT menuId, bool fromTray)
{
    POINT cursor{};
    ::GetCursorPos(&cursor);
    // A tray menu closes when the user clicks elsewhere only while its owner is in front.
    if (fromTray)
        SetForegroundWindow();
    ShowPopupMenu(menuId, cursor.x, cursor.y, this);
    if (fromTray)
        PostMessage(WM_NULL);
}
