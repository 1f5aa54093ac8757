#pragma once
// Device contexts that put themselves back: a window's DC handed back to its window, a
// memory DC holding a bitmap for its lifetime, and an object selected into a DC for the
// length of a scope. A DC borrowed from a caller is framework/Gdi.h's BorrowedDC.
#include "framework/Gdi.h"

namespace Vexel {

// The DC of a window, returned with ReleaseDC when the object goes. `Whole` takes the
// window DC (frame included), `Client` the client-area DC; a null window gives the DC of
// the whole screen.
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

// `object` selected into `dc` while the scope lives; what was selected before comes back.
// A null object selects nothing.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(object ? ::SelectObject(dc, object) : nullptr) {}
    ~SelectedObject()
    {
        if (m_previous)
            ::SelectObject(m_dc, m_previous);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

} // namespace Vexel
