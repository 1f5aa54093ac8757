// CSkinStatic: construction, what it holds and frees, its setters and applying a record.
#include "skin/ui/controls/SkinStatic.h"

#include "skin/model/EditProperties.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/DpiScaling.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/SkinColors.h"
#include "skin/ui/SkinFonts.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/controls/SkinStaticPrivate.h"

namespace Vexel {

using namespace record_read;

IMPLEMENT_DYNAMIC(CSkinStatic, CStatic)

CSkinStatic::CSkinStatic() : m_pPrivate(std::make_unique<SkinStaticPrivate>())
{
}

CSkinStatic::~CSkinStatic()
{
    m_pPrivate->bitmaps.DeleteAll();
}

int CSkinStatic::ReleaseImages()
{
    SkinStaticPrivate& p = *m_pPrivate;
    p.bitmaps.Replace(kStaticBackgrounds, {nullptr, nullptr}, true);
    for (auto& font : p.fonts)
        font.reset();
    return 0;
}

int CSkinStatic::SetBackgroundImages(HBITMAP normal, HBITMAP disabled)
{
    m_pPrivate->bitmaps.Replace(kStaticBackgrounds, {normal, disabled}, true);
    return 0;
}

int CSkinStatic::SetBackgroundImages(const SharedBitmap& normal, const SharedBitmap& disabled)
{
    m_pPrivate->bitmaps.Share(kStaticBackgrounds, {normal, disabled});
    return 0;
}

int CSkinStatic::SetResizingPoint(POINT point)
{
    m_pPrivate->resizePoint = point;
    m_pPrivate->followParent = 0;
    RedrawControl(this);
    return 0;
}

int CSkinStatic::SetFonts(std::unique_ptr<CFont> normal, std::unique_ptr<CFont> disabled)
{
    SkinStaticPrivate& p = *m_pPrivate;
    if (normal)
        p.fonts[kStaticNormal] = std::move(normal);
    if (disabled)
        p.fonts[kStaticDisabled] = std::move(disabled);
    return 0;
}

int CSkinStatic::SetForegroundImages(HBITMAP normal, HBITMAP disabled, int xOffset, int yOffset, int horizontalMode,
                                     int verticalMode)
{
    SkinStaticPrivate& p = *m_pPrivate;
    p.bitmaps.Replace(kStaticForegrounds, {normal, disabled}, true);
    p.foregroundOffsetX = xOffset;
    p.foregroundOffsetY = yOffset;
    p.foregroundHorMode = horizontalMode;
    p.foregroundVerMode = verticalMode;
    p.foregroundKey = RGB(255, 0, 255);
    RedrawControl(this);
    return 0;
}

int CSkinStatic::SetToolTip(LPCWSTR text)
{
    return AddControlTool(m_pPrivate->toolTip, *this, text);
}

const CToolTipCtrl& CSkinStatic::GetToolTip() const
{
    return m_pPrivate->toolTip;
}

BOOL CSkinStatic::PreTranslateMessage(MSG* msg)
{
    if (m_pPrivate->toolTip.GetSafeHwnd())
        m_pPrivate->toolTip.RelayEvent(msg);
    return CStatic::PreTranslateMessage(msg);
}

int CSkinStatic::ApplyStyle(LPCWSTR styleId)
{
    return ApplyNamedStyle(*this, StyleKind::Static, styleId);
}

int CSkinStatic::ApplyProperties(CTRLPROPERTIES* record)
{
    if (const int refused = CheckApplyRecord(this, record, L"STATIC"))
        return refused;
    const TXTPROPERTIES* const text = dynamic_cast<const TXTPROPERTIES*>(record);
    if (!text)
        return -3;   // its variables are not where a static's are
    SkinStaticPrivate& p = *m_pPrivate;

    if (Switch(*record, CtrlVar::IsCanBackgroundChange) && Switch(*record, CtrlVar::IsSpecifyImages)) {
        SharedBitmap background[kStaticLooks];
        LoadTwoStateImages(record, &background[kStaticNormal], &background[kStaticDisabled]);
        SetBackgroundImages(background[kStaticNormal], background[kStaticDisabled]);
        SetResizingPoint(ScalePoint(Point(*record, CtrlVar::ResizingPoint), CurrentDpi()));   // as the images
    }
    SharedBitmap foreground[kStaticLooks];
    if (LoadTwoStateForegroundImages(text, &foreground[kStaticNormal], &foreground[kStaticDisabled]) == 0) {
        p.bitmaps.Share(kStaticForegrounds, {foreground[kStaticNormal], foreground[kStaticDisabled]});
        p.foregroundOffsetX = Int(*record, TxtVar::ForegroundHorOffset);
        p.foregroundOffsetY = Int(*record, TxtVar::ForegroundVerOffset);
        p.foregroundHorMode = Enum(*record, TxtVar::ForegroundHorAlign, ValueKind::ForegroundHorAlignMode);
        p.foregroundVerMode = Enum(*record, TxtVar::ForegroundVerAlign, ValueKind::ForegroundVerAlignMode);
        p.foregroundKey = RGB(255, 0, 255);
        RedrawControl(this);
    }

    auto normalFont = std::make_unique<CFont>();
    auto disabledFont = std::make_unique<CFont>();
    CreateTwoStateFonts(record, normalFont.get(), disabledFont.get());
    SetFonts(std::move(normalFont), std::move(disabledFont));
    GetFourStateColors(record, &p.textColors[kStaticNormal], nullptr, nullptr, &p.textColors[kStaticDisabled]);

    const int hor = Enum(*record, TxtVar::TextHorAlign, ValueKind::TextHorAlignMode);
    const int ver = Enum(*record, TxtVar::TextVerAlign, ValueKind::TextVerAlignMode);
    for (int look = 0; look < kStaticLooks; ++look) {
        p.textHorAlign[look] = hor;
        p.textVerAlign[look] = ver;
        p.textOffsetX[look] = Int(*record, TxtVar::TextHorOffset);
        p.textOffsetY[look] = Int(*record, TxtVar::TextVerOffset);
    }
    p.singleLine = Switch(*record, TxtVar::Nowrap);
    p.pathEllipsis = Switch(*record, TxtVar::IsPathEllipsis);
    p.endEllipsis = Switch(*record, TxtVar::IsEndEllipsis);
    if (Switch(*record, TxtVar::ToolTipEnable))
        SetToolTip(Text(*record, TxtVar::ToolTipText));
    return 0;
}

} // namespace Vexel
