#pragma once
// CSkinHotKeyCtrl: the system hot-key box with a skinned background and frame. The system
// control keeps its key handling and draws the key text; the skin paints the background
// (normal, or disabled for a disabled box) resized to the box on erase, and over the whole
// window rectangle in place of the system frame.
//
// It owns the two images it is given (a setter deletes what it replaces). The window that
// made it from a skin record releases them once through ReleaseImages; what is still held
// when the object goes is deleted with it.
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "framework/HotKeyCtrl.h"
#include "skin/model/CtrlProperties.h"
#include "skin/ui/SharedBitmap.h"

namespace Vexel {

class CSkinHotKeyCtrl : public CHotKeyCtrl {
    DECLARE_DYNAMIC(CSkinHotKeyCtrl)
public:
    CSkinHotKeyCtrl() = default;
    ~CSkinHotKeyCtrl() override;

    // A HOTKEY record or style. With IsSpecifyImages its own resizing point and its two
    // images (a strip cut in halves, or two files); without, nothing changes. 0; -1 no
    // window, -2 null record or unknown style, -3 a record of another kind.
    virtual int ApplyProperties(CTRLPROPERTIES* record);
    virtual int ApplyStyle(LPCWSTR styleId);

    // Takes both images over (null allowed), deleting those held before. 0.
    int SetBackgroundImages(HBITMAP normal, HBITMAP disabled);
    // The same with shared images, which the box holds and never deletes. 0.
    int SetBackgroundImages(const SharedBitmap& normal, const SharedBitmap& disabled);
    // Frees the images; a second call does nothing. 0.
    int ReleaseImages();

    // The point the background is resized around, in the box's coordinates: its own once a
    // record gave one, else the parent window's point made relative to the box.
    POINT ResizePoint() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnEraseBkgnd(CDC* dc);
    void OnWindowPosChanged(WINDOWPOS* pos);
    DECLARE_MESSAGE_MAP()

private:
    void ImagesChanged();   // redrawn with the new images
    HBITMAP CurrentImage() const;
    void PaintFrame();

    SharedBitmap m_normal;              // held
    SharedBitmap m_disabled;            // held
    bool m_parentResizePoint = true;    // ask the parent on every paint
    POINT m_resizePoint{3, 3};
};

} // namespace Vexel
