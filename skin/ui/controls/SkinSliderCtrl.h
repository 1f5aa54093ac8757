#pragma once
// CSkinSliderCtrl: the common trackbar painted over from the skin. Its background is the
// skin image under it (normal; the disabled image is also the "filled" channel), handed to
// the trackbar as its background brush; the channel is copied from the same image, tick
// marks are never drawn, and the thumb is drawn only from thumb images (normal, highlight
// under the cursor, pressed while the slider holds the mouse, disabled), magenta left
// transparent. Range, position and notifications stay the trackbar's own.
//
// It owns the images it is given (a setter deletes what it replaces) and its brush. The
// window that made it from a skin record releases the images once through ReleaseImages;
// what is still held when the object goes is deleted with it.
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "framework/SliderCtrl.h"
#include "skin/model/CtrlProperties.h"
#include "skin/ui/SharedBitmap.h"

namespace Vexel {

class CSkinSliderCtrl : public CSliderCtrl {
    DECLARE_DYNAMIC(CSkinSliderCtrl)
public:
    CSkinSliderCtrl() = default;
    ~CSkinSliderCtrl() override;

    // A SLIDER record or style: with IsSpecifyImages its two backgrounds (a strip cut in
    // halves, or two files); its thumb images (ThumbCombine or ThumbN .. ThumbD) in any
    // case. 0; -1 no window, -2 null record or unknown style, -3 a record of another kind.
    virtual int ApplyProperties(CTRLPROPERTIES* record);
    virtual int ApplyStyle(LPCWSTR styleId);

    // Each setter takes its images over (null allowed), deleting those held before. 0.
    int SetBkImages(HBITMAP normal, HBITMAP disabled);
    int SetThumbImages(HBITMAP normal, HBITMAP highlight, HBITMAP pressed, HBITMAP disabled);
    // The same with shared images, which the slider holds and never deletes.
    int SetBkImages(const SharedBitmap& normal, const SharedBitmap& disabled);
    // With `filled`, the channel before the thumb comes from the disabled background.
    void SetFilledChannel(bool filled);
    // Frees the images; a second call does nothing. 0.
    int ReleaseImages();

    // The middle of the thumb along the slider, as the last paint drew it.
    int GetThumbCentre() const { return m_thumbCentre; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(LPCREATESTRUCT cs);
    HBRUSH CtlColor(CDC* dc, UINT kind);
    void OnCustomDraw(NMHDR* header, LRESULT* result);
    LRESULT OnGetThumbRect(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    enum { kThumbNormal, kThumbHighlight, kThumbPressed, kThumbDisabled, kThumbStates };

    // The two backgrounds at the slider's size around the resize point, or the images as
    // they are when the point lies before the slider.
    struct Backgrounds {
        CBitmap normalCopy;
        CBitmap filledCopy;
        HBITMAP normal = nullptr;
        HBITMAP filled = nullptr;
    };
    void MakeBackgrounds(Backgrounds& out) const;
    POINT ResizePoint() const;
    RECT ThumbRect();
    // Copies `area` of the background (and of the filled image up to `filledTo` along the
    // slider) to the same place of `dc`.
    void DrawBackgroundArea(CDC& dc, const RECT& area, const Backgrounds& images, int filledTo) const;
    void DrawChannel(CDC& dc, const RECT& channel);
    void DrawThumb(CDC& dc);

    CBrush m_brush;                       // owned: what the trackbar fills its background with
    CBitmap m_brushImage;                 // the brush's pattern
    struct BrushKey {
        SIZE size{-1, -1};
        POINT point{0, 0};
        int filledTo = -1;
        HBITMAP normal = nullptr;
    } m_brushKey;                         // what the brush was made for
    SharedBitmap m_normal;                // held
    SharedBitmap m_disabled;              // held
    SharedBitmap m_thumbs[kThumbStates];  // held
    bool m_filledChannel = false;
    bool m_vertical = false;              // TBS_VERT, fixed at creation
    int m_thumbCentre = 0;
    bool m_parentResizePoint = true;
    POINT m_resizePoint{3, 3};
};

} // namespace Vexel
