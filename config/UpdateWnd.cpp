#include "config/UpdateWnd.h"

#include "resources/Resource.h"

BEGIN_MESSAGE_MAP(CUpdateWnd, Vexel::CUIWnd)
END_MESSAGE_MAP()

CUpdateWnd::CUpdateWnd() = default;

CUpdateWnd::~CUpdateWnd() = default;

void CUpdateWnd::SetWindowID()
{
    m_nWindowID = IDW_UPDATE;
}
