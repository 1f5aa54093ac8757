#pragma once
// CSkinButton: the one skinned button, for push buttons, check boxes and radio buttons alike
// (which of them follows from the window's button style). It paints itself completely: a
// background image per state stretched around a resize point, a foreground image, the
// caption in the state's font and colour, a focus rectangle; a checked button has a second,
// complete set. The parent may take over the whole drawing (WM_VXL_DRAWCHILDITEM) or the
// caption alone (NM_VXL_DRAWTEXT).
//
// The button owns the bitmaps and fonts it holds, a bitmap held in several slots included,
// and frees each once: in ReleaseImages, which its window calls just before destroying it,
// or else in its destructor. Told WM_VXL_SETOWNOBJECTS 0, it frees none of them.
#include "framework/Button.h"
#include "framework/ToolTipCtrl.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/SharedBitmap.h"

#include <memory>

namespace Vexel {

struct SkinButtonPrivate;

class CSkinButton : public CButton, public CControlBase {
    DECLARE_DYNAMIC(CSkinButton)
public:
    CSkinButton();
    ~CSkinButton() override;

    // The record applied as a check box when the button style has both low bits
    // ((style & 3) == 3), as a radio button when (style & 9) == 9, else as a push button.
    // 0; -1 no window; -2 null record or unknown style id; -3 a record of another kind.
    int ApplyProperties(CTRLPROPERTIES* record) override;
    int ApplyStyle(LPCWSTR styleId) override;
    // Frees every bitmap and font held and empties the slots: 0. 1, freeing nothing, when
    // the button does not own them (WM_VXL_SETOWNOBJECTS 0).
    int ReleaseImages() override;

    // Accept "STYLE_PUSHBUTTON"/"PUSHBUTTON", "STYLE_CHECK"/"CHECK", "STYLE_RADIO"/"RADIO".
    virtual int ApplyPushButtonProperties(CTRLPROPERTIES* record);
    virtual int ApplyCheckBoxProperties(CTRLPROPERTIES* record);
    virtual int ApplyRadioButtonProperties(CTRLPROPERTIES* record);

    // --- what the states look like; every setter answers 0 unless it says otherwise, and
    // redraws (RedrawControl) when asked to or when it has no flag
    int SetTextColors(COLORREF normal, COLORREF highlight, COLORREF selected, COLORREF disabled, BOOL redraw = TRUE);
    int SetCheckedTextColors(COLORREF normal, COLORREF highlight, COLORREF selected, COLORREF disabled,
                             BOOL redraw = TRUE);
    // Each font given replaces its state's (the old one is deleted); an empty one keeps it.
    int SetFonts(std::unique_ptr<CFont> normal, std::unique_ptr<CFont> highlight, std::unique_ptr<CFont> selected,
                 std::unique_ptr<CFont> disabled, BOOL redraw = TRUE);
    int SetCheckedFonts(std::unique_ptr<CFont> normal, std::unique_ptr<CFont> highlight,
                        std::unique_ptr<CFont> selected, std::unique_ptr<CFont> disabled);
    // The button takes the four bitmaps over (one bitmap may fill several slots; null
    // empties a slot). With `deleteOld`, the bitmaps the slots held are deleted, each once,
    // unless the button still holds them elsewhere; without, they go back to the caller.
    int SetBitmaps(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled, BOOL deleteOld,
                   BOOL redraw);
    int SetCheckedBitmaps(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled, BOOL deleteOld);
    // The four backgrounds (unchecked or checked) as shared images, which the button holds
    // and never deletes; owned bitmaps they replace are deleted unless still held. No redraw.
    void ShareBitmaps(const SharedBitmap (&images)[4], bool checked);
    // Foreground images (the key colour 0xFF00FF left transparent) with their placement:
    // horizontal 0 centre, 1 left, 2 right; vertical 0 centre, 1 top, 2 bottom. The bitmaps
    // they replace are the button's and are deleted unless still held.
    int SetForegroundBitmaps(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled, int horOffset,
                             int verOffset, int horAlign, int verAlign);
    int SetCheckedForegroundBitmaps(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled,
                                    int horOffset, int verOffset, int horAlign, int verAlign);
    // Text alignment per state (0 default = centred, 1 left/top, 2 right/bottom, 3 centre).
    int SetTextHorAlign(int normal, int highlight, int selected, int disabled);
    int SetTextVerAlign(int normal, int highlight, int selected, int disabled);
    // The button's own resize point, used from now on instead of its window's; -1 for null.
    int SetResizePoint(const POINT* point);
    // -1 for null, without redrawing.
    int SetTag(LPCWSTR tag);
    const CString& GetTag() const;
    // Adds a tool of the whole button with `text` to the button's tool tip, made on first
    // use; a second call adds a second tool.
    int SetToolTip(LPCWSTR text);
    // The tool tip; it has no window before the first SetToolTip.
    const CToolTipCtrl& GetToolTip() const;

    // Paints the whole button into `dc`: the parent's background under it, the state's
    // images, caption and focus rectangle. -1 for a null DC.
    virtual int DrawButton(CDC* dc);

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    // The state's background, foreground and caption over `rect`.
    virtual int DrawStateContent(CDC& dc, bool checked, int state, const RECT& rect, POINT resizePoint,
                                 const CString& caption, UINT format);
    // Offers the caption to the parent (NM_VXL_DRAWTEXT), else draws it.
    virtual int DrawButtonText(CDC& dc, const CString& caption, RECT& rect, UINT format);
    // WM_VXL_GETTEXTEXTENT: the caption as the current state would draw it.
    LRESULT TextExtent(WPARAM which);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnMouseLeave();
    void OnWindowPosChanged(WINDOWPOS* position);
    DECLARE_MESSAGE_MAP()

private:
    int ApplyToggleProperties(CTRLPROPERTIES* record);
    void ApplyCommonTail(const CTRLPROPERTIES& record, bool toggle);
    // Sends `message` to the standard button with drawing held off, then repaints at once,
    // so the standard button's own painting never shows.
    LRESULT HandleWithoutFlicker(UINT message, WPARAM wParam, LPARAM lParam);
    void TrackLeave();

    std::unique_ptr<SkinButtonPrivate> m_pPrivate;
};

} // namespace Vexel
