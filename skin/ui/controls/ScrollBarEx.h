#pragma once
// CScrollBarEx: a scroll bar painted entirely from skin images (two arrows, a track and a
// thumb, each with a normal, highlight, selected and disabled look), in a window of its
// own (class "ScrollBarEx"). Its owner sets its scroll info; it reports what the user does
// with WM_VSCROLL (vertical bar) or WM_HSCROLL (horizontal bar), lParam the bar's window,
// to its notify window, or to its parent when that has no window. The bar never moves its
// own position: the owner sets it back.
//
// The bar holds its thirteen part bitmaps (its own, or shared ones cut from shared images)
// and lets go of them itself; the window that made it releases nothing in it.
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "skin/model/CtrlProperties.h"
#include "skin/ui/SharedBitmap.h"
#include "skin/ui/controls/ScrollBarExGeometry.h"

namespace Vexel {

class CScrollBarEx : public CWnd {
    DECLARE_DYNAMIC(CScrollBarEx)
public:
    // The repeat timers: the first repeat comes after kFirstRepeatDelay, the next ones
    // every kRepeatInterval (milliseconds).
    enum : UINT_PTR {
        kTimerLineUp = 1, kTimerLineDown = 2, kTimerPageUp = 3, kTimerPageDown = 4,
        kTimerRepeatLineUp = 10, kTimerRepeatLineDown = 11, kTimerRepeatPageUp = 12, kTimerRepeatPageDown = 13,
    };
    static constexpr UINT kFirstRepeatDelay = 400;
    static constexpr UINT kRepeatInterval = 100;

    CScrollBarEx();
    ~CScrollBarEx() override;

    // A child window of `parent`. `style` decides the orientation: SBS_VERT vertical,
    // SBS_SIZEBOX a size box (drawn as nothing), else horizontal. FALSE when the class
    // cannot be registered or the window cannot be made.
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // A VERSCROLLBAR (vertical bar) or HORSCROLLBAR (horizontal bar) record or style; 0 for
    // a size box. -1 no window, -2 null record or unknown style, -3 a record of another kind.
    virtual int ApplyProperties(CTRLPROPERTIES* record);
    virtual int ApplyStyle(LPCWSTR styleId);
    virtual int ApplyHorzProperties(CTRLPROPERTIES* record);
    virtual int ApplyVertProperties(CTRLPROPERTIES* record);

    // The arrows and the track are cut from the images, which stay the caller's: the
    // track and both arrows from `normal`, only the arrows from the other three. With
    // `replace` the current arrows and track are deleted first. -1 (nothing cut) for a null
    // `normal`; -2 when a state image is missing (the given ones are still cut); else 0.
    int SetImages(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled, BOOL replace);
    // The same from shared images, whose parts are shared too (SharedCrop): every bar cut
    // from the same images at the same lengths holds one set.
    int SetImages(const SharedBitmap (&images)[kScrollLookCount], BOOL replace);
    // Takes the four thumb images over as they are. With `replace` the current ones are
    // deleted first. -1 for a null `normal` (nothing is taken; the caller keeps them all);
    // -2 when a state image is missing; else 0.
    int SetThumbImages(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled, BOOL replace);
    // The same with shared images, which the bar holds and never deletes.
    int SetThumbImages(const SharedBitmap (&images)[kScrollLookCount], BOOL replace);
    // The thumb images the bar holds (still its own); each pointer may be null. 0.
    int GetThumbImages(HBITMAP* normal, HBITMAP* highlight, HBITMAP* selected, HBITMAP* disabled) const;

    // Arrow lengths in skin design units (scaled to the screen when drawn).
    void SetLeftUpButtonSize(int length) { m_leftUpLength = length; }
    void SetRightDownButtonSize(int length) { m_rightDownLength = length; }

    // Stores what `info.fMask` names (SIF_RANGE, SIF_PAGE, SIF_POS, SIF_TRACKPOS) and
    // repaints at once; 1.
    BOOL SetScrollInfo(const SCROLLINFO& info);
    const SCROLLINFO& GetScrollInfo() const { return m_info; }
    // FALSE for a position outside nMin .. nMax; else stores it and invalidates.
    BOOL SetScrollPos(int position);

    bool IsVertical() const { return (m_style & SBS_VERT) != 0 && !IsSizeBox(); }
    bool IsSizeBox() const { return (m_style & SBS_SIZEBOX) != 0; }

    // Where the arrows and the thumb lie now (client coordinates).
    ScrollBarParts GetPartRects() const;

    // Receives the notifications; null (or a window object without a window): the parent.
    CWnd* m_pNotifyWnd = nullptr;

protected:
    virtual int DrawSizeBox(CDC* dc, const RECT& rect);
    virtual int DrawHorzScrollBar(CDC* dc, const RECT& rect);
    virtual int DrawVertScrollBar(CDC* dc, const RECT& rect);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnMouseLeave();
    void OnTimer(UINT_PTR id);
    DECLARE_MESSAGE_MAP()

private:
    enum { kArrowLeftUp, kArrowRightDown, kArrows };

    int ApplyBarRecord(const CTRLPROPERTIES& record);
    // The parts of the state images: shared cuts of `shared` when given, else cuts of the
    // bar's own.
    int CutImages(const HBITMAP (&sources)[kScrollLookCount], const SharedBitmap* shared, BOOL replace);
    int TakeThumbs(const SharedBitmap (&thumbs)[kScrollLookCount], BOOL replace);
    ScrollBarShape Shape() const;
    ScrollBarParts PartsOf(const ScrollBarShape& shape) const;
    void DrawBar(CDC& dc, const RECT& rect);
    void DrawThumb(CDC& dc, const RECT& thumb, HBITMAP image);
    void Notify(WORD code, WORD position = 0);
    UINT ScrollMessage() const { return IsVertical() ? WM_VSCROLL : WM_HSCROLL; }
    void ForwardMouse(UINT message, LPARAM lParam);
    void PressPartAt(POINT point);
    void UpdateHover(POINT point);
    void TrackLeave();
    void KillRepeatTimers();
    // Back to idle: pressed flags, repeat timers, a running drag (which ends with
    // SB_ENDSCROLL) and the capture. The state is reset before the capture is let go, so
    // the WM_CAPTURECHANGED that follows finds nothing left to end.
    void EndInteraction();

    int m_leftUpLength = 15;
    int m_rightDownLength = 15;
    SCROLLINFO m_info{};
    DWORD m_style = 0;
    SharedBitmap m_arrows[kArrows][kScrollLookCount];   // held
    SharedBitmap m_track;                               // held: the middle of the normal image
    POINT m_resizePoint{20, 2};
    SharedBitmap m_thumbs[kScrollLookCount];            // held
    POINT m_thumbResizePoint{4, 4};
    int m_hitPart = kScrollPartNone;
    POINT m_dragStart{0, 0};
    SCROLLINFO m_dragInfo{};
    int m_dragOffset = 0;
    bool m_pressed[kScrollPartThumb + 1] = {};     // by part: left/up, right/down, thumb
    bool m_hover[kScrollPartThumb + 1] = {};
    CBitmap m_canvas;                              // the off-screen paint, kept at the client size
    SIZE m_canvasSize{0, 0};
};

} // namespace Vexel
