#pragma once
// CSliderCtrlEx: the skin library's own slider (the volume sliders), a window of its own
// class drawn wholly from skin images: a channel background, an optional mark that fills
// the channel from the minimum up to the thumb, and a thumb of four states. It keeps its
// own range and position and moves them with the mouse only.
//
// The parent hears of every position change the mouse makes: WM_HSCROLL (WM_VSCROLL when
// vertical) with wParam MAKEWPARAM(position before, position after) and lParam the
// slider; and of every left-button release: WM_NOTIFY NM_RELEASEDCAPTURE. With the tool
// tip on, the parent may reword the position's tip (WM_VXL_LISTTIPTEXT).
//
// The slider holds its eight images from the moment they are handed over; the window
// that made it releases them once, through ReleaseImages.
#include "framework/Gdi.h"
#include "framework/ToolTipCtrl.h"
#include "framework/Wnd.h"
#include "skin/model/CtrlProperties.h"
#include "skin/ui/PaintBuffer.h"
#include "skin/ui/SharedBitmap.h"
#include "skin/ui/controls/SliderExGeometry.h"

namespace Vexel {

class CSliderCtrlEx : public CWnd {
    DECLARE_DYNAMIC(CSliderCtrlEx)
public:
    enum Background : int { kBackgroundNormal, kMarkNormal, kMarkDisabled, kBackgroundDisabled, kBackgrounds };
    // In the order of the visual states (VisualState.h).
    enum Thumb : int { kThumbNormal, kThumbHighlight, kThumbSelected, kThumbDisabled, kThumbs };
    // The extended-style words the skin's ExtendedStyle names ("Progress", "Split Progress").
    static constexpr DWORD kExtendedProgress = 0x1000;
    static constexpr DWORD kExtendedSplitProgress = 0x2000;

    CSliderCtrlEx() = default;
    ~CSliderCtrlEx() override;

    using CWnd::Create;
    // A child window of the class "msctls_trackbar32ex" (registered on first use; a class
    // already registered is used as it is). TBS_VERT in `style` makes it vertical. FALSE
    // when the class cannot be registered or the window not made.
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Images, resize point, thumb, tool tip and mark from a "SLIDEREX" record;
    // CheckApplyRecord's codes.
    virtual int ApplyProperties(CTRLPROPERTIES* record);
    // The SliderEx style of that id applied; -1 without a window, -2 for an unknown id.
    virtual int ApplyStyle(LPCWSTR styleId);
    // Draw the slider into `dc` (client coordinates); 0, -1 for a null DC.
    virtual int DrawHorizontal(CDC* dc);
    virtual int DrawVertical(CDC* dc);

    // The position is left alone; the next SetPos or mouse change brings it into range.
    void SetRange(int minimum, int maximum, BOOL redraw = FALSE);
    void GetRange(int& minimum, int& maximum) const;
    // Stores the position clamped to the range and repaints.
    void SetPos(int position);
    int GetPos() const { return m_position; }

    // Each takes over all four images (any may be null), deleting those held before; 0.
    int SetBackgroundBitmaps(HBITMAP normal, HBITMAP markNormal, HBITMAP markDisabled, HBITMAP disabled);
    // The thumb takes the new normal image's size when there is one.
    int SetThumbBitmaps(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled);
    // The same with shared images, which the slider holds and never deletes.
    int SetBackgroundBitmaps(const SharedBitmap (&images)[kBackgrounds]);
    int SetThumbBitmaps(const SharedBitmap (&images)[kThumbs]);
    // Deletes the eight images; a second call finds nothing to delete.
    void ReleaseImages();

    // A tool tip over the whole slider (made once); 0.
    int CreateToolTip();
    void SetExtendedStyle(DWORD style) { m_extendedStyle = style; }
    DWORD GetExtendedStyle() const { return m_extendedStyle; }
    // The thumb's rectangle now (client coordinates): where the drag holds it while one
    // runs.
    RECT GetThumbRect() const;

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ThumbsChanged();   // the thumb takes the normal image's size
    SliderLayout Layout() const;
    bool IsVertical() const;
    int Draw(CDC& dc, bool vertical);
    HBITMAP ThumbImage() const;
    void OnPaint();
    void OnButtonDown(WPARAM keys, LPARAM at);
    void OnMouseMove(LPARAM at);
    void OnButtonUp();
    // Tells the parent the mouse moved the position from `previous`.
    void NotifyScroll(int previous);
    void NotifyReleased();

    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = 0;
    int m_dragStartPosition = 0;
    SIZE m_thumbSize{0, 0};
    POINT m_dragStart{0, 0};
    RECT m_thumb{0, 0, 0, 0};          // where the drag holds the thumb
    DWORD m_style = 0;                  // as created: TBS_VERT makes it vertical
    DWORD m_extendedStyle = 0;
    bool m_dragging = false;
    bool m_thumbHover = false;
    bool m_mouseTracked = false;
    bool m_useMark = false;
    SharedBitmap m_backgrounds[kBackgrounds];   // held
    bool m_followParent = true;            // stretch around the parent window's point
    POINT m_resizePoint{3, 3};
    SharedBitmap m_thumbs[kThumbs];             // held
    PaintBuffer m_buffer;                  // what WM_PAINT composes in
    CToolTipCtrl m_tip;
    bool m_tipEnabled = false;
    bool m_showPosition = true;
};

} // namespace Vexel
