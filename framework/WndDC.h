#pragma once
// Device contexts of a window, released the way they were obtained.
#include "framework/Gdi.h"
#include "framework/Wnd.h"

// BeginPaint/EndPaint: for WM_PAINT handlers.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

// GetDC/ReleaseDC of the client area (of the screen for a null window).
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

private:
    HWND m_hWnd;
};

// GetWindowDC/ReleaseDC of the whole window, frame included (the screen for null).
class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* wnd);
    ~CWindowDC() override;
    CWindowDC(const CWindowDC&) = delete;
    CWindowDC& operator=(const CWindowDC&) = delete;

private:
    HWND m_hWnd;
};
