#pragma once
// CSkinIPAddressCtrl: the system IPv4 address box with one skin image over the whole box
// (normal; the second image while disabled) and a CSkinEdit on each of its four number
// fields, each given the part of the images that lies under it, so the box shows one
// continuous picture. The address, the fields' keys and the notifications stay the system
// control's own.
//
// It owns its four images (a setter deletes what it replaces); the window that made it
// from a skin record releases them once through ReleaseImages, and what is still held when
// the object goes is deleted with it. The fields release their parts when the box's window
// is destroyed.
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "framework/IPAddressCtrl.h"
#include "skin/model/CtrlProperties.h"
#include "skin/ui/SharedBitmap.h"
#include "skin/ui/PaintBuffer.h"
#include "skin/ui/controls/SkinEdit.h"

namespace Vexel {

class CSkinIPAddressCtrl : public CIPAddressCtrl {
    DECLARE_DYNAMIC(CSkinIPAddressCtrl)
public:
    static constexpr int kFields = 4;

    CSkinIPAddressCtrl() = default;
    ~CSkinIPAddressCtrl() override;

    // An IPADDRESS record or style: with IsSpecifyImages its four images (a strip cut in
    // four, or four files). 0; -1 no window, -2 null record or unknown style, -3 a record of
    // another kind.
    virtual int ApplyProperties(CTRLPROPERTIES* record);
    virtual int ApplyStyle(LPCWSTR styleId);

    // Each non-null image replaces its own (the old one deleted); the fields are then given
    // their parts of all four. 0.
    int SetImages(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled);
    // The same with shared images, which the control holds and never deletes.
    int SetImages(const SharedBitmap (&images)[4]);
    // Frees the box's own images; a second call does nothing. 0.
    int ReleaseImages();

    // Field 0 to 3, left to right; null for another number. Its window exists while the box's
    // does.
    CSkinEdit* GetField(int index);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    enum { kNormal, kHighlight, kSelected, kDisabled, kStates };

    void AttachFields();
    void GiveFieldsTheirParts();
    void ImagesChanged();   // the fields' parts cut again and everything redrawn
    void DestroyFields();
    HBITMAP CurrentImage() const;
    void Paint();
    void PaintFrame();

    SharedBitmap m_images[kStates];   // held
    CSkinEdit m_fields[kFields];
    PaintBuffer m_canvas;        // the composed paint
    PaintBuffer m_native;        // the system control's own rendering
};

} // namespace Vexel
