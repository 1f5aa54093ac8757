#pragma once
// CSkinEdit: the text box of skinned windows. The system edit keeps its text handling; a
// four-state skin image (normal, hover, focus, disabled), stretched around a resize point
// to the control's size, lies behind the text as the background brush. The same class is
// the edit part of the skinned combo box.
//
// The control holds its images and its font from the moment they are handed over; the
// window that made it releases them once, through ReleaseImages, just before it destroys
// the control. Its background brush is its own and goes with the object.
#include "framework/Edit.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/PaintBuffer.h"
#include "skin/ui/SharedBitmap.h"

namespace Vexel {

class CSkinEdit : public CEdit, public CControlBase {
    DECLARE_DYNAMIC(CSkinEdit)
public:
    enum State : int { kNormal, kHover, kFocus, kDisabled, kStates };

    CSkinEdit() = default;
    ~CSkinEdit() override;

    // Font, margins, images and resize point, text colour and tag from an "EDIT" record;
    // CheckApplyRecord's codes.
    int ApplyProperties(CTRLPROPERTIES* record) override;
    // The Edit style of that id applied; -1 without a window, -2 for an unknown id.
    int ApplyStyle(LPCWSTR styleId) override;
    // Deletes the font and the four images; 0. A second call finds nothing to delete.
    int ReleaseImages() override;

    // Takes over all four images (any may be null), deleting those held before, and
    // rebuilds the background brush; 1.
    int SetImages(HBITMAP normal, HBITMAP hover, HBITMAP focus, HBITMAP disabled);
    // The same with shared images, which the edit holds and never deletes.
    int SetImages(const SharedBitmap (&images)[kStates]);
    // The held images (still the control's); a null out-pointer is skipped; 1.
    int GetImages(HBITMAP* normal, HBITMAP* hover, HBITMAP* focus, HBITMAP* disabled) const;
    // The images stretch around `point` (client coordinates) from now on rather than
    // around the parent window's resizing point; rebuilds the brush; 0.
    int SetResizePoint(POINT point);
    // Text margins: a single-line edit takes `horizontal` as its left margin (its right
    // one with ES_RIGHT), and from now on its line of text sits in the middle of its box,
    // `vertical` pixels lower (never out of the box); a multi-line edit's formatting
    // rectangle is the client area with `vertical` off its top and `horizontal` off its
    // left (its right with ES_RIGHT). 0.
    int SetTextMargins(int horizontal, int vertical);
    // The band above a centred single-line edit's client area, in pixels; 0 when its text
    // is not centred or the box has no room to spare.
    int GetTextInset() const { return m_textInset; }
    // Takes over the font (null: the system font), deleting the one held before, and
    // hands it to the edit with a redraw; 0.
    int SetTextFont(HFONT font);
    void SetTag(LPCWSTR tag) { m_tag = tag ? tag : L""; }
    const CString& GetTag() const { return m_tag; }
    COLORREF GetTextColor() const { return m_textColor; }
    // Gives up `width` pixels at the right: the window keeps its place and becomes that
    // much narrower.
    void SetRightReserve(int width);
    int GetRightReserve() const { return m_rightReserve; }
    // The brush the text is drawn on, made from the current state's image at the
    // control's size. 0; 1 when there is no image to make it from (the brush stays).
    int UpdateBackgroundBrush();
    // The state whose image is shown: disabled for a disabled or read-only edit, else
    // focus, hover or normal.
    State CurrentState() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnChar(UINT key, UINT repeat, UINT flags);
    HBRUSH CtlColor(CDC* dc, UINT kind);

    DECLARE_MESSAGE_MAP()

private:
    bool IsSingleLine() const { return !(GetStyle() & ES_MULTILINE); }
    POINT ResizePoint() const;
    // The default handling of the current message, with drawing held back while it runs
    // and the whole control repainted afterwards.
    LRESULT DefaultWithoutFlicker(UINT message, WPARAM wParam, LPARAM lParam);
    void OnKeyInput();
    bool PaintsItself() const;
    void PaintSkinned();

    // The centred single-line text (SkinEditInset.cpp): the room above the line is given to
    // the non-client area, which shows the skin's image as the client area does.
    bool CentresText() const;
    int LineHeight() const;
    void ApplyTextInset();
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    void PaintTextInset();
    void RepaintTextInset();

    CFont m_font;                     // owned
    COLORREF m_textColor = 0;
    int m_horizontalOffset = 0;
    int m_verticalOffset = 0;
    bool m_centred = false;           // set by SetTextMargins on a single-line edit
    int m_textInset = 0;              // the band above the client area
    bool m_hover = false;
    SharedBitmap m_images[kStates];   // held
    CBrush m_background;              // owned: the current state's image as a pattern
    int m_rightReserve = 0;
    bool m_parentResizePoint = true;  // stretch around the parent window's point
    POINT m_resizePoint{3, 3};
    CString m_tag;
    bool m_framed = false;            // created with WS_BORDER
    PaintBuffer m_content;            // what the edit paints of itself, when it paints framed
    PaintBuffer m_composed;           // ... laid over its image
};

} // namespace Vexel
