#include "skin/ui/RectCtrl.h"

namespace Vexel {

IMPLEMENT_DYNAMIC(CRectCtrl, CObject)

BOOL CRectCtrl::Create(LPCWSTR name, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    m_name = name ? name : L"";
    m_style = style;
    m_designRect = rect;
    m_rect = rect;
    m_parent = parent;
    m_id = id;
    m_created = TRUE;
    return TRUE;
}

BOOL CRectCtrl::Destroy()
{
    m_name.Empty();
    m_style = 0;
    m_id = 0;
    m_parent = nullptr;
    m_created = FALSE;
    m_windows.clear();
    return TRUE;
}

int CRectCtrl::GetRect(RECT& rect) const
{
    rect = m_rect;
    return 0;
}

int CRectCtrl::MoveRect(const RECT& rect)
{
    m_rect = rect;
    for (CWnd* window : m_windows) {
        if (window && window->GetSafeHwnd())
            window->MoveWindow(&m_rect, TRUE);
    }
    if (m_parent && m_parent->GetSafeHwnd()) {
        NMHDR header{};
        header.hwndFrom = nullptr;
        header.idFrom = m_id;
        header.code = static_cast<UINT>(kRectCtrlMoved);
        m_parent->SendMessage(WM_NOTIFY, m_id, reinterpret_cast<LPARAM>(&header));
    }
    return 0;
}

} // namespace Vexel
