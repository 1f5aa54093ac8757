// CSkinButton: construction, what the button holds and frees, and its setters.
#include "skin/ui/controls/SkinButton.h"

#include "skin/ui/controls/SkinButtonPrivate.h"

namespace Vexel {

IMPLEMENT_DYNAMIC(CSkinButton, CButton)

CSkinButton::CSkinButton() : m_pPrivate(std::make_unique<SkinButtonPrivate>())
{
}

CSkinButton::~CSkinButton()
{
    SkinButtonPrivate& p = *m_pPrivate;
    if (p.ownsObjects) {
        ReleaseImages();
        return;
    }
    // Someone else's: the handles stay alive, only our wrappers go.
    p.bitmaps.ForgetAll();
    for (ButtonLook& look : p.looks) {
        for (auto& font : look.fonts) {
            if (font)
                font->Detach();
        }
    }
}

int CSkinButton::ReleaseImages()
{
    SkinButtonPrivate& p = *m_pPrivate;
    if (!p.ownsObjects)
        return 1;
    p.bitmaps.DeleteAll();
    for (ButtonLook& look : p.looks) {
        for (auto& font : look.fonts)
            font.reset();
    }
    return 0;
}

namespace {

template <class T>
void CopyFour(T (&to)[kStateCount], T normal, T highlight, T selected, T disabled)
{
    to[kStateNormal] = normal;
    to[kStateHighlight] = highlight;
    to[kStateSelected] = selected;
    to[kStateDisabled] = disabled;
}

// Each font given replaces its state's; an empty one keeps it.
void TakeFonts(ButtonLook& look, std::unique_ptr<CFont> normal, std::unique_ptr<CFont> highlight,
               std::unique_ptr<CFont> selected, std::unique_ptr<CFont> disabled)
{
    std::unique_ptr<CFont>* const given[] = {&normal, &highlight, &selected, &disabled};
    for (int i = 0; i < kStateCount; ++i) {
        if (*given[i])
            look.fonts[i] = std::move(*given[i]);
    }
}

} // namespace

int CSkinButton::SetTextColors(COLORREF normal, COLORREF highlight, COLORREF selected, COLORREF disabled, BOOL redraw)
{
    CopyFour(m_pPrivate->Look(false).textColors, normal, highlight, selected, disabled);
    if (redraw)
        RedrawControl(this);
    return 0;
}

int CSkinButton::SetCheckedTextColors(COLORREF normal, COLORREF highlight, COLORREF selected, COLORREF disabled,
                                      BOOL redraw)
{
    CopyFour(m_pPrivate->Look(true).textColors, normal, highlight, selected, disabled);
    if (redraw)
        RedrawControl(this);
    return 0;
}

int CSkinButton::SetFonts(std::unique_ptr<CFont> normal, std::unique_ptr<CFont> highlight,
                          std::unique_ptr<CFont> selected, std::unique_ptr<CFont> disabled, BOOL redraw)
{
    TakeFonts(m_pPrivate->Look(false), std::move(normal), std::move(highlight), std::move(selected),
              std::move(disabled));
    if (redraw)
        RedrawControl(this);
    return 0;
}

int CSkinButton::SetCheckedFonts(std::unique_ptr<CFont> normal, std::unique_ptr<CFont> highlight,
                                 std::unique_ptr<CFont> selected, std::unique_ptr<CFont> disabled)
{
    TakeFonts(m_pPrivate->Look(true), std::move(normal), std::move(highlight), std::move(selected),
              std::move(disabled));
    RedrawControl(this);
    return 0;
}

int CSkinButton::SetBitmaps(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled, BOOL deleteOld,
                            BOOL redraw)
{
    m_pPrivate->bitmaps.Replace(kBackgroundSlots, {normal, highlight, selected, disabled}, deleteOld != FALSE);
    if (redraw)
        RedrawControl(this);
    return 0;
}

int CSkinButton::SetCheckedBitmaps(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled,
                                   BOOL deleteOld)
{
    m_pPrivate->bitmaps.Replace(kCheckedBackgroundSlots, {normal, highlight, selected, disabled}, deleteOld != FALSE);
    RedrawControl(this);
    return 0;
}

void CSkinButton::ShareBitmaps(const SharedBitmap (&images)[4], bool checked)
{
    m_pPrivate->bitmaps.Share(checked ? kCheckedBackgroundSlots : kBackgroundSlots,
                              {images[0], images[1], images[2], images[3]});
}

namespace {

void PlaceForeground(ButtonLook& look, int horOffset, int verOffset, int horAlign, int verAlign)
{
    look.foregroundHorOffset = horOffset;
    look.foregroundVerOffset = verOffset;
    look.foregroundHorAlign = horAlign;
    look.foregroundVerAlign = verAlign;
    look.foregroundKey = RGB(255, 0, 255);
}

} // namespace

int CSkinButton::SetForegroundBitmaps(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled,
                                      int horOffset, int verOffset, int horAlign, int verAlign)
{
    m_pPrivate->bitmaps.Replace(kForegroundSlots, {normal, highlight, selected, disabled}, true);
    PlaceForeground(m_pPrivate->Look(false), horOffset, verOffset, horAlign, verAlign);
    RedrawControl(this);
    return 0;
}

int CSkinButton::SetCheckedForegroundBitmaps(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled,
                                             int horOffset, int verOffset, int horAlign, int verAlign)
{
    m_pPrivate->bitmaps.Replace(kCheckedForegroundSlots, {normal, highlight, selected, disabled}, true);
    PlaceForeground(m_pPrivate->Look(true), horOffset, verOffset, horAlign, verAlign);
    RedrawControl(this);
    return 0;
}

int CSkinButton::SetTextHorAlign(int normal, int highlight, int selected, int disabled)
{
    CopyFour(m_pPrivate->Look(false).textHorAligns, normal, highlight, selected, disabled);
    RedrawControl(this);
    return 0;
}

int CSkinButton::SetTextVerAlign(int normal, int highlight, int selected, int disabled)
{
    CopyFour(m_pPrivate->Look(false).textVerAligns, normal, highlight, selected, disabled);
    RedrawControl(this);
    return 0;
}

int CSkinButton::SetResizePoint(const POINT* point)
{
    if (!point)
        return -1;
    m_pPrivate->resizePoint = *point;
    m_pPrivate->followParent = 0;
    RedrawControl(this);
    return 0;
}

int CSkinButton::SetTag(LPCWSTR tag)
{
    if (!tag)
        return -1;
    m_pPrivate->tag = tag;
    return 0;
}

const CString& CSkinButton::GetTag() const
{
    return m_pPrivate->tag;
}

int CSkinButton::SetToolTip(LPCWSTR text)
{
    AddControlTool(m_pPrivate->toolTip, *this, text);
    return 0;
}

const CToolTipCtrl& CSkinButton::GetToolTip() const
{
    return m_pPrivate->toolTip;
}

BOOL CSkinButton::PreTranslateMessage(MSG* msg)
{
    if (m_pPrivate->toolTip.GetSafeHwnd())
        m_pPrivate->toolTip.RelayEvent(msg);
    return CButton::PreTranslateMessage(msg);
}

} // namespace Vexel
