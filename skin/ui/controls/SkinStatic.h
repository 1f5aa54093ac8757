#pragma once
// CSkinStatic: the skinned label, the control the skin uses most: every caption, every
// decorative picture and the areas where the program shows windows of its own. It paints
// its parent's background under it, an optional background and foreground image and its
// text, each in a Normal and a Disabled look; the parent may take over the whole drawing
// (WM_VXL_DRAWCHILDITEM).
//
// It owns the bitmaps and fonts it holds. Its window frees the two backgrounds and the two
// fonts (ReleaseImages) just before destroying it; the destructor frees what is left, so
// each is freed once whichever way the static goes.
#include "framework/Static.h"
#include "framework/ToolTipCtrl.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/SharedBitmap.h"

#include <memory>

namespace Vexel {

struct SkinStaticPrivate;

class CSkinStatic : public CStatic, public CControlBase {
    DECLARE_DYNAMIC(CSkinStatic)
public:
    CSkinStatic();
    ~CSkinStatic() override;

    // 0; -1 no window; -2 null record or unknown style id; -3 a record that is neither
    // "STATIC" nor "STYLE_STATIC". The caption is not the record's business here: the
    // factory creates the window with it.
    int ApplyProperties(CTRLPROPERTIES* record) override;
    int ApplyStyle(LPCWSTR styleId) override;
    // Frees the two backgrounds and the two fonts; 0.
    int ReleaseImages() override;

    // Both backgrounds replaced, taken over (the old ones deleted); no redraw. 0.
    int SetBackgroundImages(HBITMAP normal, HBITMAP disabled);
    // The same with images the store shares: the static holds them, never owns them.
    int SetBackgroundImages(const SharedBitmap& normal, const SharedBitmap& disabled);
    // The static's own resize point, used from now on instead of its window's. 0.
    int SetResizingPoint(POINT point);
    // Each font given replaces its look's (the old one is deleted); an empty one keeps it.
    int SetFonts(std::unique_ptr<CFont> normal, std::unique_ptr<CFont> disabled);
    // Foreground images (the key colour 0xFF00FF left transparent), taken over, and their
    // placement: horizontal 0 centre, 1 left, 2 right; vertical 0 centre, 1 top, 2 bottom.
    int SetForegroundImages(HBITMAP normal, HBITMAP disabled, int xOffset, int yOffset, int horizontalMode,
                            int verticalMode);
    // Adds the static as a tool with `text` to its tool tip, made on first use. The tool
    // tip's answer.
    int SetToolTip(LPCWSTR text);
    const CToolTipCtrl& GetToolTip() const;

    // Paints the whole static into `dc`. -1 for a null DC, else 0.
    virtual int DrawStatic(CDC* dc);

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();
    void OnWindowPosChanged(WINDOWPOS* position);
    DECLARE_MESSAGE_MAP()

private:
    // WM_VXL_GETTEXTEXTENT: the text as DrawStatic draws it.
    LRESULT TextExtent(WPARAM which);

    std::unique_ptr<SkinStaticPrivate> m_pPrivate;
};

} // namespace Vexel
