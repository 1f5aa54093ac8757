#pragma once
// CTaskbarNotifier: a small pop-up that slides out from the screen edge where the taskbar
// sits, shows one text on a bitmap for a while, slides back and destroys itself. Its look is
// one bitmap of the program's resources (optionally shaped by a transparent colour), two
// fonts and two text colours, for the normal and the hovered state. A click posts
// WM_NOTIFIER_CLICKED to the owner; it neither hides nor stops the pop-up.
//
// Made with new: once the slide out is over (or the window is destroyed any other way) the
// object deletes itself. The slide runs from window timers 1 (appearing), 2 (waiting) and
// 3 (disappearing); every position follows from WM_TIMER, so a test can drive it tick by
// tick. The slide's rules are NotifierSlide.h.
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "windows/notifier/NotifierSlide.h"

// Posted to the owner, both parameters 0, when the left button is released over the pop-up.
constexpr UINT WM_NOTIFIER_CLICKED = WM_USER + 123;

class CTaskbarNotifier : public CWnd {
    DECLARE_DYNAMIC(CTaskbarNotifier)
public:
    enum State { kIdle = 0, kAppearing = 1, kWaiting = 2, kDisappearing = 3 };
    enum TimerId : UINT_PTR { kAppearTimer = 1, kWaitTimer = 2, kHideTimer = 3 };

    CTaskbarNotifier();
    ~CTaskbarNotifier() override;

    // A hidden WS_POPUP of size 0 owned by `owner`'s window (which may be null). FALSE when
    // it cannot be made: the object has then deleted itself, as a destroyed one does.
    BOOL Create(CWnd* owner);
    // Loads bitmap resource `bitmapId` as the background; false (nothing changed) when it
    // cannot be loaded. The text rectangle becomes the whole bitmap. Unless one of the
    // colour values is 0xFFFF, the pixels of that colour are cut out of the window's shape,
    // as are the columns past the width rounded down to a multiple of 4.
    bool SetSkin(UINT bitmapId, WORD red, WORD green, WORD blue);
    // Both fonts from `face` at `tenthsOfPoint` on the screen; a style's bit 0 is bold, bit 1
    // italic, bit 2 underline.
    void SetTextFont(LPCWSTR face, int tenthsOfPoint, int normalStyle, int hoverStyle);
    void SetTextColor(COLORREF normal, COLORREF hover);
    void SetTextRect(const RECT& rect) { m_textRect = rect; }
    // Starts the slide in from the taskbar's edge, or, while one runs, shows the new text at
    // once: an appearing pop-up goes on sliding, a waiting one waits `stayMs` again, and one
    // sliding out jumps back to fully shown and waits `stayMs`. The step argument is not
    // used: every tick moves two pixels.
    void Show(LPCWSTR text, UINT appearMs, UINT stayMs, UINT hideMs, int step = 2);
    // Stops the slide and hides the pop-up at size 0; it stays until destroyed.
    void Hide();

    int GetState() const { return m_state; }

    // The window shape of `bitmap` less the pixels of `transparent`, over the bitmap's width
    // rounded down to a multiple of 4 and its full height; false (no region) when the pixels
    // cannot be read.
    static bool CreateRegionFromBitmap(HBITMAP bitmap, COLORREF transparent, CRgn& region);

protected:
    void PostNcDestroy() override;

    int OnCreate(LPCREATESTRUCT cs);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnPaint();
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnMouseHover(UINT flags, CPoint point);
    void OnMouseLeave();
    void OnTimer(UINT_PTR id);

    DECLARE_MESSAGE_MAP()

private:
    SIZE SkinSize() const { return {m_skinWidth, m_skinHeight}; }
    void Redraw();
    void PlaceWindow();
    void OnAppearTick();
    void OnStayOver();
    // False when the slide out is over and the window is gone (the object with it).
    bool OnHideTick();

    static constexpr int kStep = 2;   // pixels per tick

    HWND m_owner = nullptr;   // the owner's window; a window gone meanwhile only loses the click
    CFont m_normalFont;
    CFont m_hoverFont;
    COLORREF m_normalColor = RGB(133, 146, 181);
    COLORREF m_hoverColor = RGB(10, 36, 106);
    HCURSOR m_handCursor = nullptr;   // shared system cursor
    CBitmap m_skin;
    CRgn m_region;   // kept until the window exists; the window owns it afterwards
    RECT m_textRect{};
    int m_skinWidth = 0;
    int m_skinHeight = 0;
    CString m_text;
    bool m_hovered = false;
    int m_state = kIdle;
    UINT m_appearMs = 0;
    UINT m_stayMs = 0;
    UINT m_hideMs = 0;
    UINT m_appearTick = 0;
    UINT m_hideTick = 0;
    POINT m_start{};
    POINT m_position{};
    TaskbarEdge m_edge = TaskbarEdge::Bottom;
};
