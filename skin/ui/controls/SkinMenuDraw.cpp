// Measuring and drawing the owner-drawn items of a skinned menu.
#include "skin/ui/controls/SkinMenu.h"

#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/GradientBitmap.h"
#include "skin/ui/NineGrid.h"

#include <algorithm>

namespace Vexel {
namespace {

constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER;
constexpr DWORD kDisabledIconRop = 0xB8074A;   // brush where the mask is black, else the target

int Width(const RECT& rect)
{
    return rect.right - rect.left;
}

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

// Each component raised by `step` without running into the next one.
COLORREF Lighter(COLORREF color, BYTE step)
{
    const auto up = [step](BYTE c) { return static_cast<BYTE>(std::min(255, c + step)); };
    return RGB(up(GetRValue(color)), up(GetGValue(color)), up(GetBValue(color)));
}

// A monochrome source reaches a colour target as black (0) and white (1) only while the
// target's text and background colours are black and white.
class MonochromeColors {
public:
    explicit MonochromeColors(HDC dc)
        : m_dc(dc), m_text(::SetTextColor(dc, RGB(0, 0, 0))), m_back(::SetBkColor(dc, RGB(255, 255, 255)))
    {
    }
    ~MonochromeColors()
    {
        ::SetTextColor(m_dc, m_text);
        ::SetBkColor(m_dc, m_back);
    }
    MonochromeColors(const MonochromeColors&) = delete;
    MonochromeColors& operator=(const MonochromeColors&) = delete;

private:
    HDC m_dc;
    COLORREF m_text;
    COLORREF m_back;
};

} // namespace

CSkinMenu::Look CSkinMenu::LookOf(BOOL selected, BOOL grayed)
{
    return grayed ? kDisabledLook : selected ? kHighlightLook : kNormalLook;
}

const MENU_ITEM_PROPERTIES& CSkinMenu::LookProperties(Look look) const
{
    return look == kDisabledLook ? m_member.disabled : look == kHighlightLook ? m_member.highlight : m_member.normal;
}

HFONT CSkinMenu::LookFont(Look look, bool bold)
{
    CFont& font = m_fonts[look][bold ? 1 : 0];
    if (!font.GetSafeHandle()) {
        LOGFONTW face = LookProperties(look).font;
        if (bold)
            face.lfWeight = FW_BOLD;
        font.CreateFontIndirect(&face);
    }
    return static_cast<HFONT>(font.GetSafeHandle());
}

HBITMAP CSkinMenu::IconAreaBand(HDC dc, int w, int h)
{
    // Every row of the band is the same: one as tall as the tallest item serves them all.
    if (!m_iconBand.GetSafeHandle() || m_iconBandSize.cx != w || m_iconBandSize.cy < h) {
        HandBitmap(m_iconBand, CreateGradientBitmap(m_member.iconAreaEndColor, dc, m_member.iconAreaStartColor, w, h,
                                                    kGradientHorizontal));
        m_iconBandSize = SIZE{w, h};
    }
    return static_cast<HBITMAP>(m_iconBand.GetSafeHandle());
}

HPEN CSkinMenu::SeparatorPen()
{
    if (!m_separatorPen.GetSafeHandle())
        m_separatorPen.CreatePen(PS_SOLID, 1, m_member.separatorLineColor);
    return m_separatorPen;
}

// --- measuring ---------------------------------------------------------------------------

void CSkinMenu::MeasureItem(LPMEASUREITEMSTRUCT item)
{
    if (!item || item->CtlType != ODT_MENU)
        return;
    const CSkinMenuItem* const record = RecordOf(item->itemData);
    if (!record)
        return;
    int width = 0;
    int height = 0;
    if (record->title) {
        width = record->extent;
    } else if (record->separator) {
        SIZE size{};
        if (m_member.separatorBackgroundType == kMenuBackgroundImage && m_member.separatorImage &&
            GetBitmapSize(m_member.separatorImage, size) == 0)
            height = size.cy;
        else
            height = ::GetSystemMetrics(SM_CYMENUCHECK) / 2;
    } else {
        height = m_member.itemHeight;
        ScreenDC screen;
        SelectedObject font(screen, LookFont(kNormalLook, false));
        RECT text{0, 0, 0, 0};
        screen.DrawText(record->text, &text, DT_CALCRECT | kTextFormat);
        width = 2 * record->extent + 18 + Width(text);
    }
    // The system adds the check mark's width to every owner-drawn item; we draw our own.
    width = width + 1 - ::GetSystemMetrics(SM_CXMENUCHECK);
    item->itemWidth = static_cast<UINT>(width);
    item->itemHeight = static_cast<UINT>(height);
}

// --- drawing -----------------------------------------------------------------------------

void CSkinMenu::DrawItem(LPDRAWITEMSTRUCT item)
{
    if (!item || item->CtlType != ODT_MENU)
        return;
    const CSkinMenuItem* const record = RecordOf(item->itemData);
    if (!record)
        return;
    BorrowedDC dc(item->hDC);
    RECT rect = item->rcItem;
    rect.right += 3;
    if (record->title)
        DrawTitleItem(&dc, rect, record->text, record->icon);
    else if (record->separator)
        DrawSeparatorItem(&dc, rect);
    else
        DrawTextItem(&dc, rect, item);
}

int CSkinMenu::DrawTextItem(CDC* dc, RECT rect, LPDRAWITEMSTRUCT item)
{
    const CSkinMenuItem* const record = item ? RecordOf(item->itemData) : nullptr;
    if (!dc || !record)
        return 0;
    const BOOL selected = (item->itemState & ODS_SELECTED) ? TRUE : FALSE;
    const BOOL grayed = (item->itemState & ODS_GRAYED) ? TRUE : FALSE;
    const BOOL checked = (item->itemState & ODS_CHECKED) ? TRUE : FALSE;
    const BOOL isDefault = (item->itemState & ODS_DEFAULT) ? TRUE : FALSE;
    DrawItemBackground(dc, rect, item, LookProperties(LookOf(selected, grayed)));

    RECT iconArea{rect.left, rect.top, rect.left + m_member.iconAreaWidth, rect.bottom};
    ::InflateRect(&iconArea, -2, -2);
    if (record->icon)
        DrawItemIcon(dc, iconArea, record->icon, selected, grayed);
    else if (checked)
        DrawCheckMark(dc, iconArea, selected);

    const RECT text{rect.left + m_member.iconAreaWidth + 3, rect.top, rect.right - record->extent + 10, rect.bottom};
    DrawItemText(dc, text, record->text, selected, grayed, isDefault);
    return 0;
}

int CSkinMenu::DrawItemBackground(CDC* dc, RECT rect, LPDRAWITEMSTRUCT item, const MENU_ITEM_PROPERTIES& look)
{
    if (!dc || !item)
        return 0;
    if (look.backgroundType == kMenuBackgroundColor) {
        const BOOL selected = (item->itemState & ODS_SELECTED) ? TRUE : FALSE;
        const BOOL grayed = (item->itemState & ODS_GRAYED) ? TRUE : FALSE;
        const BOOL checked = (item->itemState & ODS_CHECKED) ? TRUE : FALSE;
        const CSkinMenuItem* const record = RecordOf(item->itemData);
        FillItemBackground(dc, rect, selected, grayed);
        const RECT iconArea{rect.left, rect.top, rect.left + m_member.iconAreaWidth, rect.bottom};
        DrawIconArea(dc, iconArea, selected, grayed, checked);
        if ((record && record->icon) || checked)
            DrawIconFrame(dc, iconArea, selected, grayed, checked);
    } else if (look.backgroundType == kMenuBackgroundImage) {
        DrawLookImage(dc, rect, look.image, look.resizePoint);
    }
    return 0;
}

void CSkinMenu::DrawLookImage(CDC* dc, const RECT& rect, HBITMAP image, POINT resizePoint)
{
    // Without an image the item gets the memory bitmap as it was made.
    CBitmap memory;
    if (!memory.CreateCompatibleBitmap(dc, Width(rect), Height(rect)))
        return;
    BitmapDC canvas(*dc, memory);
    DrawResizedBitmap(canvas, 0, 0, Width(rect), Height(rect), image, 1, resizePoint.x, resizePoint.y);
    dc->BitBlt(rect.left, rect.top, Width(rect), Height(rect), &canvas, 0, 0, SRCCOPY);
}

int CSkinMenu::FillItemBackground(CDC* dc, RECT rect, BOOL selected, BOOL grayed)
{
    if (dc)
        dc->FillSolidRect(&rect, LookProperties(LookOf(selected, grayed)).backgroundColor);
    return 0;
}

int CSkinMenu::DrawIconArea(CDC* dc, RECT rect, BOOL selected, BOOL grayed, BOOL)
{
    // A selected enabled item keeps the highlight colour under its icon.
    if (!dc || (selected && !grayed))
        return 0;
    const HBITMAP band = IconAreaBand(*dc, Width(rect), Height(rect));
    if (!band)
        return 0;
    BitmapDC source(*dc, band);
    dc->BitBlt(rect.left, rect.top, Width(rect), Height(rect), &source, 0, 0, SRCCOPY);
    return 0;
}

int CSkinMenu::DrawIconFrame(CDC* dc, RECT rect, BOOL selected, BOOL grayed, BOOL checked)
{
    if (!dc)
        return 0;
    const COLORREF normal = m_member.normal.backgroundColor;
    dc->FillSolidRect(&rect, checked && !selected ? Lighter(normal, 2) : normal);
    if (!grayed && (selected || checked))
        dc->DrawEdge(&rect, checked ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    return 0;
}

int CSkinMenu::DrawItemIcon(CDC* dc, RECT rect, HICON icon, BOOL, BOOL grayed)
{
    if (!dc || !icon)
        return 0;
    if (grayed)
        return DrawDisabledIcon(dc, icon, rect, FALSE);
    ::DrawIconEx(*dc, rect.left, rect.top, icon, Width(rect), Height(rect), 0, nullptr, DI_NORMAL);
    return 0;
}

int CSkinMenu::DrawDisabledIcon(CDC* dc, HICON icon, RECT rect, BOOL colorBitmap)
{
    const int w = Width(rect);
    const int h = Height(rect);
    if (!dc || !icon || w < 1 || h < 1)
        return 0;
    CBitmap mask;
    if (!(colorBitmap ? mask.CreateCompatibleBitmap(dc, w, h) : mask.CreateBitmap(w, h, 1, 1, nullptr)))
        return 0;
    BitmapDC source(*dc, mask);
    source.PatBlt(0, 0, w, h, WHITENESS);
    ::DrawIconEx(source, 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);

    // Embossed: the highlight one pixel down and right, the shadow over it.
    MonochromeColors colors(*dc);
    CBrush highlight(::GetSysColor(COLOR_BTNHIGHLIGHT));
    CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
    {
        SelectedObject brush(*dc, highlight);
        dc->BitBlt(rect.left + 1, rect.top + 1, w, h, &source, 0, 0, kDisabledIconRop);
    }
    SelectedObject brush(*dc, shadow);
    dc->BitBlt(rect.left, rect.top, w, h, &source, 0, 0, kDisabledIconRop);
    return 0;
}

int CSkinMenu::DrawCheckMark(CDC* dc, RECT rect, BOOL)
{
    const int w = Width(rect);
    const int h = Height(rect);
    CBitmap mark;
    if (!dc || w < 1 || h < 1 || !mark.CreateBitmap(w, h, 1, 1, nullptr))
        return 0;
    BitmapDC source(*dc, mark);
    RECT area{0, 0, w, h};
    source.DrawFrameControl(&area, DFC_MENU, DFCS_MENUCHECK);
    MonochromeColors colors(*dc);
    dc->BitBlt(rect.left, rect.top, w, h, &source, 0, 0, SRCAND);
    return 0;
}

int CSkinMenu::DrawItemText(CDC* dc, RECT rect, const CString& text, BOOL selected, BOOL grayed, BOOL isDefault)
{
    if (!dc)
        return 0;
    const Look look = LookOf(selected, grayed);
    SelectedObject font(*dc, LookFont(look, isDefault != FALSE));
    const int mode = dc->SetBkMode(TRANSPARENT);
    DrawItemString(dc, rect, text, LookProperties(look).textColor);
    dc->SetBkMode(mode);
    return 0;
}

int CSkinMenu::DrawItemString(CDC* dc, RECT rect, const CString& text, COLORREF color)
{
    if (!dc)
        return 0;
    const COLORREF previous = dc->SetTextColor(color);
    const int tab = text.Find(L'\t');
    if (tab < 0) {
        dc->DrawText(text, &rect, kTextFormat);
    } else {
        // The accelerator after the tab sits at the right end of the same row.
        const LPCWSTR chars = text;
        dc->DrawText(chars, tab, &rect, kTextFormat);
        if (tab > 0)
            dc->DrawText(chars + tab + 1, -1, &rect, DT_RIGHT | kTextFormat);
    }
    dc->SetTextColor(previous);
    return 0;
}

int CSkinMenu::DrawSeparatorItem(CDC* dc, RECT rect)
{
    if (!dc)
        return 0;
    if (m_member.separatorBackgroundType == kMenuBackgroundColor) {
        FillItemBackground(dc, rect, FALSE, FALSE);
        DrawIconArea(dc, RECT{rect.left, rect.top, rect.left + m_member.iconAreaWidth, rect.bottom}, FALSE, FALSE, FALSE);
        SelectedObject pen(*dc, SeparatorPen());
        const int y = rect.top + Height(rect) / 2;
        dc->MoveTo(rect.left + m_member.iconAreaWidth + m_member.separatorLineLeftMargin, y);
        dc->LineTo(rect.right - m_member.separatorLineRightMargin, y);
    } else if (m_member.separatorBackgroundType == kMenuBackgroundImage) {
        DrawLookImage(dc, rect, m_member.separatorImage, m_member.separatorResizePoint);
    }
    return 0;
}

int CSkinMenu::DrawTitleItem(CDC* dc, RECT rect, const CString& text, HICON)
{
    if (!dc)
        return 0;
    RECT clip{};
    dc->GetClipBox(&clip);
    CBitmap band;
    band.Attach(CreateGradientBitmap(m_member.titleColors[1], *dc, m_member.titleColors[0], Width(rect) + 3,
                                     Height(clip), kGradientVertical));
    if (band.GetSafeHandle()) {
        BitmapDC source(*dc, band);
        dc->BitBlt(rect.left, rect.top, Width(rect) + 3, Height(clip), &source, 0, 0, SRCCOPY);
    }
    // Turned a quarter, reading upwards from the bottom of the band.
    CFont font;
    font.CreateFont(16, 0, 900, 900, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial");
    SelectedObject selected(*dc, font);
    const COLORREF previous = dc->SetTextColor(RGB(255, 255, 255));
    const int mode = dc->SetBkMode(TRANSPARENT);
    dc->TextOut(rect.left + 2, clip.bottom - 4, text);
    dc->SetBkMode(mode);
    dc->SetTextColor(previous);
    return 0;
}

} // namespace Vexel
