#pragma once
// CSkinProgressCtrl: a standard progress bar (range and position stay the system
// control's, set with PBM_SETRANGE/PBM_SETPOS) drawn from skin images: a background, a
// progress image filling the bar up to the position (stretched, or tiled around a point),
// and an optional percentage. Without a background image it is the system's progress bar
// in look and behaviour.
//
// The bar holds its four images and its two fonts from the moment they are handed over;
// the window that made it releases them once, through ReleaseImages.
#include "framework/Gdi.h"
#include "framework/ProgressCtrl.h"
#include "skin/model/CtrlProperties.h"
#include "skin/ui/PaintBuffer.h"
#include "skin/ui/controls/ProgressGeometry.h"
#include "skin/ui/SharedBitmap.h"

namespace Vexel {

class CSkinProgressCtrl : public CProgressCtrl {
    DECLARE_DYNAMIC(CSkinProgressCtrl)
public:
    enum State : int { kNormal, kDisabled, kStates };
    // ProgressMode: how the progress image fills its part.
    enum : int { kStretch = 0, kTile = 1 };
    // ThumbPositionMode: the bar fills the client area, or the record's rectangle.
    enum : int { kFillClient = 0, kFillSpecified = 1 };

    CSkinProgressCtrl() = default;
    ~CSkinProgressCtrl() override;

    // Images, modes, fill rectangle, text switch and fonts from a "PROGRESS" record;
    // CheckApplyRecord's codes.
    virtual int ApplyProperties(CTRLPROPERTIES* record);
    // The Progress style of that id applied; -1 without a window, -2 for a null or
    // unknown id.
    virtual int ApplyStyle(LPCWSTR styleId);
    // The filled part, along the bar's direction (PBS_VERTICAL fills from the bottom up),
    // into `dc` (client coordinates). 0; -1 for a null DC or when the state has no
    // progress image.
    virtual int DrawProgress(CDC* dc);
    virtual int DrawHorizontalProgress(CDC* dc);
    virtual int DrawVerticalProgress(CDC* dc);
    // The percentage, centred, in the normal font, when the text is on. 0; -1 for a null DC.
    virtual int DrawProgressText(CDC* dc);

    // Each takes over both images (either may be null), deleting those held before; 0.
    int SetBackgroundBitmaps(HBITMAP normal, HBITMAP disabled);
    // The progress image's size becomes the new normal image's.
    int SetProgressBitmaps(HBITMAP normal, HBITMAP disabled);
    // The same with shared images, which the bar holds and never deletes.
    int SetBackgroundBitmaps(const SharedBitmap& normal, const SharedBitmap& disabled);
    int SetProgressBitmaps(const SharedBitmap& normal, const SharedBitmap& disabled);
    // Deletes the four images and the two fonts; a second call finds nothing to delete.
    void ReleaseImages();

    void SetShowText(bool show) { m_showText = show; }
    int GetProgressMode() const { return m_progressMode; }
    int GetPositionMode() const { return m_positionMode; }
    const RECT& GetProgressRect() const { return m_progressRect; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ProgressImagesChanged();   // the image size follows the normal progress image
    State CurrentState() const { return IsWindowEnabled() ? kNormal : kDisabled; }
    bool HasBackground() const { return m_backgrounds[kNormal].GetSafeHandle() != nullptr; }
    POINT ResizePoint() const;
    ProgressSpan Span() const;
    // The filled rectangle, `length` long along the bar, drawn with the state's image.
    void DrawFill(CDC& dc, const CRect& filled, int length, bool vertical);
    void OnPaint();
    void OnNcPaint();

    bool m_showText = true;
    SIZE m_imageSize{0, 0};              // the normal progress image's
    POINT m_progressPoint{1, 1};         // the point a tiled progress image is built around
    CFont m_fonts[kStates];              // owned; the text always takes the normal one
    SharedBitmap m_backgrounds[kStates];   // held
    SharedBitmap m_progress[kStates];      // held
    bool m_followParent = true;          // stretch around the parent window's point
    POINT m_resizePoint{3, 3};
    int m_progressMode = kStretch;
    int m_positionMode = kFillClient;
    RECT m_progressRect{-1, -1, -1, -1};
    PaintBuffer m_buffer;                // what WM_PAINT composes in
};

} // namespace Vexel
