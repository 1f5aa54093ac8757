#pragma once
// CSplitterBar: a named rectangle of a skinned window (the skin's "SPLITTER") that the user
// drags sideways. It has no window of its own: it takes over its parent window's procedure
// (through the list registry, WndProcRegistry.h) to see the parent's mouse messages, draws
// an inverted bar on the screen while it is dragged, and asks the windows beside it where
// it may go (WM_VXL_SPLITTERMOVING) and tells them where it went (WM_VXL_SPLITTERMOVED).
// One splitter per parent window.
#include "framework/Gdi.h"
#include "skin/ui/RectCtrl.h"

namespace Vexel {

// The parent's property that points at its splitter.
constexpr wchar_t kSplitterProperty[] = L"VXL_SPLITTER_POINTER";

class CSplitterBar : public CRectCtrl {
    DECLARE_DYNAMIC(CSplitterBar)
public:
    // Side codes of a window beside the bar.
    enum Side : int { kLeft = 0, kTop = 1, kRight = 2, kBottom = 3 };

    CSplitterBar() = default;
    // Lets go of the parent first (see Destroy).
    ~CSplitterBar() override;

    // The placeholder's Create, then the parent's procedure is taken over and the parent
    // points at this splitter. FALSE when the placeholder cannot be made or the parent has
    // no window; a parent that has a splitter already keeps its procedure and points at
    // this one from now on.
    BOOL Create(LPCWSTR name, DWORD style, const RECT& rect, CWnd* parent, UINT id) override;
    // Lets go of the parent (its own procedure back when ours is still the one on top, the
    // registry entry and the property gone, when they are this splitter's), then forgets
    // what the placeholder held. 1.
    BOOL Destroy() override;

    // The window beside the bar that is asked first, and the side of the bar it lies on
    // (kLeft .. kBottom). Null, or a pane without a window: only the parent is asked, as the
    // window right of the bar. The factory sets none.
    void SetPane(CWnd* pane, int side);

    BOOL IsDragging() const { return m_dragging; }
    // The feedback drawn last (screen coordinates); empty while none is drawn.
    const RECT& GetDragRect() const { return m_dragRect; }

    // Inverts the previous feedback rectangle (erasing it) and then `rect` (screen
    // coordinates) on the screen; `rect` becomes the feedback. An empty one only erases.
    void DrawDragBar(const RECT& rect);

private:
    static LRESULT CALLBACK SplitterParentWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnParentMessage(UINT message, LPARAM lParam);
    void OnMouseMove(POINT point);
    void OnButtonDown(POINT point);
    void OnButtonUp(POINT point);
    void OnCaptureChanged();
    // The current rectangle in screen coordinates, moved sideways by the cursor's travel.
    RECT DraggedRect(POINT point) const;
    bool HasPaneWindow() const;
    void EndDrag();
    void RedrawMainWindow();
    void ReleaseParent();

    CWnd* m_pane = nullptr;
    int m_side = kRight;
    BOOL m_pressed = FALSE;
    BOOL m_dragging = FALSE;
    RECT m_dragRect{0, 0, 0, 0};      // screen
    POINT m_pressPoint{0, 0};         // parent client coordinates
    HWND m_hookedParent = nullptr;    // the parent whose procedure this splitter took over
    CBrush m_halftone;                // the feedback's pattern, made on first use
};

} // namespace Vexel
