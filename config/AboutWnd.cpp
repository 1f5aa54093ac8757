#include "config/AboutWnd.h"

#include "resources/Resource.h"

BEGIN_MESSAGE_MAP(AboutWnd, Vexel::CUIWnd)
END_MESSAGE_MAP()

AboutWnd::AboutWnd() = default;

AboutWnd::~AboutWnd() = default;

void AboutWnd::SetWindowID()
{
    m_nWindowID = IDW_ABOUT;
}
