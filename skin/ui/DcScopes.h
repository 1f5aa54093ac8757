#pragma once
// Device contexts and selections that put themselves back: a DC borrowed from a caller,
// a window's DC handed back to its window, a memory DC holding a bitmap, and an object
// selected for the length of a scope.
#include "framework/Gdi.h"

namespace Vexel {

// A CDC over a DC that belongs to someone else: it is neither deleted nor released here.
class BorrowedDC : public CDC {
public:
    explicit BorrowedDC(HDC dc) { Attach(dc); }
    ~BorrowedDC() override { Detach(); }
};

// The DC of a window, returned with ReleaseDC when the object goes. `Whole` takes the
// window DC (frame included), `Client` the client-area DC. The desktop window's DC
// stands for the screen.
class WindowDCScope : public CDC {
public:
    enum class Area { Client, Whole };

    explicit WindowDCScope(HWND window, Area area = Area::Client) : m_window(window)
    {
        Attach(area == Area::Whole ? ::GetWindowDC(window) : ::GetDC(window));
    }
    ~WindowDCScope() override
    {
        if (HDC dc = Detach())
            ::ReleaseDC(m_window, dc);
    }

private:
    HWND m_window;
};

// The screen's DC, against which the skin's scratch bitmaps are made.
class ScreenDC : public WindowDCScope {
public:
    ScreenDC() : WindowDCScope(::GetDesktopWindow()) {}
};

// An object selected into a DC until the scope ends, when the previous one goes back.
class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(dc && object ? ::SelectObject(dc, object) : nullptr) {}
    ~SelectScope()
    {
        if (m_previous)
            ::SelectObject(m_dc, m_previous);
    }
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// A memory DC compatible with `reference` (the screen when null) with `bitmap` selected
// into it while the object lives. The bitmap stays its owner's.
class BitmapDC : public CDC {
public:
    BitmapDC(HDC reference, HBITMAP bitmap)
    {
        Attach(::CreateCompatibleDC(reference));
        if (m_hDC && bitmap)
            m_previous = ::SelectObject(m_hDC, bitmap);
    }
    ~BitmapDC() override
    {
        if (m_hDC && m_previous)
            ::SelectObject(m_hDC, m_previous);
    }

private:
    HGDIOBJ m_previous = nullptr;
};

} // namespace Vexel
