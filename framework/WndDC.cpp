#include "framework/WndDC.h"

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd)
{
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr)
{
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
    if (const HDC dc = Detach())
        ::ReleaseDC(m_hWnd, dc);
}

CWindowDC::CWindowDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr)
{
    Attach(::GetWindowDC(m_hWnd));
}

CWindowDC::~CWindowDC()
{
    if (const HDC dc = Detach())
        ::ReleaseDC(m_hWnd, dc);
}
