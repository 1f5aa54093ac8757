#include "windows/chat/ChatWnd.h"

#include "resources/Resource.h"

BEGIN_MESSAGE_MAP(CChatWnd, Vexel::CUIWnd)
END_MESSAGE_MAP()

CChatWnd::CChatWnd() = default;

CChatWnd::~CChatWnd() = default;

void CChatWnd::SetWindowID()
{
    m_nWindowID = IDW_CHAT;
}

std::string CChatWnd::GetPeerUri() const
{
    // The peer is the contact the contacts tree hands the window.
    return std::string();
}
