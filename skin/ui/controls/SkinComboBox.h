#pragma once
// CSkinComboBox: the combo box of skinned windows. A three-state skin image (normal,
// hover, pressed) covers the whole control, drop button included; the combo's edit child
// is taken over by an embedded CSkinEdit whose images are cut out of the combo's, so that
// the text field blends into the skin. A drop-down list draws its selected text itself.
//
// The combo holds its four images and its font from the moment they are handed over; the
// window that made it releases them once, through ReleaseImages. The images cut for the
// edit are the edit's, and go when the combo's window does.
#include "framework/ComboBox.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/PaintBuffer.h"
#include "skin/ui/SharedBitmap.h"
#include "skin/ui/controls/SkinEdit.h"

namespace Vexel {

class CSkinComboBox : public CComboBox, public CControlBase {
    DECLARE_DYNAMIC(CSkinComboBox)
public:
    enum State : int { kNormal, kHover, kPressed, kDisabled, kStates };
    // The inset from which the selection field's height follows: the record's height
    // less twice this.
    static constexpr int kBorder = 3;

    CSkinComboBox() = default;
    ~CSkinComboBox() override;

    // Font, button width, item heights, images and resize point, text colour, offsets and
    // tag from a "COMBOBOX" record; CheckApplyRecord's codes.
    int ApplyProperties(CTRLPROPERTIES* record) override;
    // The ComboBox style of that id applied; -1 without a window, -2 for an unknown id.
    int ApplyStyle(LPCWSTR styleId) override;
    // Deletes the font and the four images; 0. A second call finds nothing to delete.
    int ReleaseImages() override;

    // Each non-null image replaces the one held (which is deleted); then the edit's images
    // are cut again. 0.
    int SetImages(HBITMAP normal, HBITMAP hover, HBITMAP pressed, HBITMAP disabled);
    // The same with shared images, which the combo box holds and never deletes.
    int SetImages(const SharedBitmap (&images)[kStates]);
    // Takes over the font and hands it to the combo with a redraw; -1 (nothing changed)
    // for null, else 0.
    int SetTextFont(HFONT font);
    // -1 for null, else 0.
    int SetTag(LPCWSTR tag);
    const CString& GetTag() const { return m_tag; }

    // The embedded edit: attached to the combo's edit child while the combo has one.
    CSkinEdit& GetSkinEdit() { return m_edit; }
    int GetButtonWidth() const { return m_buttonWidth; }
    COLORREF GetEditTextColor() const { return m_editTextColor; }
    // The image the combo shows: pressed while the left button is held over it, hover
    // while the mouse is over it, else normal. The disabled image is never drawn.
    State CurrentState() const;

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    HBRUSH OnCtlColor(CDC* dc, CWnd* child, UINT kind);
    void OnCloseUp();

    DECLARE_MESSAGE_MAP()

private:
    void AttachEdit(HWND edit);
    void DetachEdit();
    bool HasEdit() const { return m_edit.GetSafeHwnd() != nullptr; }
    // A drop button wider than the system's takes the difference off the edit.
    void NarrowEditForButton();
    // The edit ends where the drop button begins.
    void FitEditToButton();
    void CutEditImages();
    POINT ResizePoint() const;
    bool ClosesEmptyList() const;
    void PaintSkinned();
    void PaintDropDownList(CDC& paint, const CRect& client);

    CSkinEdit m_edit;
    SharedBitmap m_images[kStates];   // held
    CFont m_font;                     // owned
    COLORREF m_editTextColor = 0;     // of the edit and of a drop-down list's own text
    COLORREF m_listTextColor = 0;
    int m_horizontalOffset = 0;
    int m_verticalOffset = 0;
    int m_buttonWidth = 16;
    bool m_hover = false;
    CString m_tag;
    bool m_parentResizePoint = true;  // stretch around the parent window's point
    POINT m_resizePoint{3, 3};
    PaintBuffer m_buffer;             // what a drop-down list composes its WM_PAINT in
};

} // namespace Vexel
