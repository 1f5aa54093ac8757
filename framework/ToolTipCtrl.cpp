#include "framework/ToolTipCtrl.h"

#include "framework/CommonControls.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    if (!AfxInitCommonControls(ICC_WIN95_CLASSES))
        return FALSE;
    return CWnd::CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | style, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent ? parent->m_hWnd : nullptr, nullptr);
}

void CToolTipCtrl::FillInToolInfo(TOOLINFOW& info, const CWnd* wnd, UINT_PTR id)
{
    info = TOOLINFOW{};
    // The plain common controls refuse the larger structure of the styled ones.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    const HWND hwnd = wnd ? wnd->m_hWnd : nullptr;
    if (id == 0) {
        // The window is the tool; its parent holds it and hears its notifications.
        info.hwnd = ::GetParent(hwnd);
        info.uFlags = TTF_IDISHWND;
        info.uId = reinterpret_cast<UINT_PTR>(hwnd);
    } else {
        info.hwnd = hwnd;
        info.uId = id;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, LPCWSTR text, LPCRECT rect, UINT_PTR id)
{
    if (!wnd || !wnd->m_hWnd)
        return FALSE;
    TOOLINFOW info;
    FillInToolInfo(info, wnd, id);
    if (id != 0) {
        if (rect)
            info.rect = *rect;
        else
            ::GetClientRect(wnd->m_hWnd, &info.rect);
    }
    info.lpszText = const_cast<LPWSTR>(text);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::DelTool(CWnd* wnd, UINT_PTR id)
{
    TOOLINFOW info;
    FillInToolInfo(info, wnd, id);
    SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(LPCWSTR text, CWnd* wnd, UINT_PTR id)
{
    TOOLINFOW info;
    FillInToolInfo(info, wnd, id);
    info.lpszText = const_cast<LPWSTR>(text);
    SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::SetToolRect(CWnd* wnd, UINT_PTR id, LPCRECT rect)
{
    TOOLINFOW info;
    FillInToolInfo(info, wnd, id);
    info.rect = *rect;
    SendMessage(TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

BOOL CToolTipCtrl::GetToolInfo(TOOLINFOW& info, CWnd* wnd, UINT_PTR id) const
{
    FillInToolInfo(info, wnd, id);
    return static_cast<BOOL>(SendMessage(TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)));
}
