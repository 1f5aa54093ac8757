// CSkinHeaderCtrl: its record, its setters, the mouse, its place in the parent and the
// column clamp of a tree list's header. Painting is in SkinHeaderCtrlPaint.cpp.
#include "skin/ui/controls/SkinHeaderCtrl.h"

#include "skin/model/SkinGlobals.h"
#include "skin/model/TreeProperties.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/DpiScaling.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/SkinColors.h"
#include "skin/ui/SkinFonts.h"
#include "skin/ui/SkinImageStore.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/controls/LayeredParent.h"
#include "skin/ui/controls/SkinHeaderCtrlPrivate.h"
#include "skin/ui/controls/TreeList.h"

#include <algorithm>

namespace Vexel {

IMPLEMENT_DYNAMIC(CSkinHeaderCtrl, CHeaderCtrl)

BEGIN_MESSAGE_MAP(CSkinHeaderCtrl, CHeaderCtrl)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_WINDOWPOSCHANGED()
    ON_MESSAGE(HDM_LAYOUT, &CSkinHeaderCtrl::OnLayout)
    ON_NOTIFY_REFLECT(HDN_ENDTRACKW, &CSkinHeaderCtrl::OnEndTrack)
END_MESSAGE_MAP()

namespace {

using namespace record_read;

// A list view without a column header keeps its header out of sight at no height.
bool IsHiddenListHeader(HWND header)
{
    const HWND parent = ::GetParent(header);
    wchar_t className[32] = {};
    return parent && ::GetClassNameW(parent, className, 32) > 0 && lstrcmpW(className, WC_LISTVIEWW) == 0 &&
           (::GetWindowLongW(parent, GWL_STYLE) & LVS_NOCOLUMNHEADER);
}

} // namespace

CSkinHeaderCtrl::CSkinHeaderCtrl() : m_private(std::make_unique<SkinHeaderCtrlPrivate>()) {}

// The block (images, fonts, canvas) goes with the object, whether or not the window was
// ever destroyed, so it is never touched after it is freed.
CSkinHeaderCtrl::~CSkinHeaderCtrl() = default;

int CSkinHeaderCtrl::ApplyStyle(LPCWSTR styleId)
{
    return ApplyNamedStyle(*this, StyleKind::Header, styleId);
}

int CSkinHeaderCtrl::ApplyProperties(CTRLPROPERTIES* record)
{
    const int checked = CheckApplyRecord(this, record, L"HEADERCTRL");
    if (checked != 0)
        return checked;
    if (!dynamic_cast<const HEADERPROPERTIES*>(record))
        return -3;
    SkinHeaderCtrlPrivate& p = *m_private;

    p.headerBk = SharedFileImage(SkinImagePath(record->GetVar(HeaderVar::HeaderBk)), false);
    const POINT stripPoint = Point(*record, HeaderVar::HeaderBkResizingPoint);
    if (stripPoint.x >= 0 && stripPoint.y >= 0)
        p.headerBkResizePoint = stripPoint;

    LoadFourStateImages(record, &p.buttonImages[kStateNormal], &p.buttonImages[kStateHighlight],
                        &p.buttonImages[kStateSelected], &p.buttonImages[kStateDisabled]);
    // The button images were scaled as they loaded; the strip image was not.
    const POINT buttonPoint = ScalePoint(Point(*record, CtrlVar::ResizingPoint), CurrentDpi());
    if (buttonPoint.x >= 0 && buttonPoint.y >= 0)
        p.buttonResizePoint = buttonPoint;

    CFont fonts[kStateCount];
    CreateFourStateFonts(record, &fonts[kStateNormal], &fonts[kStateHighlight], &fonts[kStateSelected],
                         &fonts[kStateDisabled]);
    SetFonts(&fonts[kStateNormal], &fonts[kStateHighlight], &fonts[kStateSelected], &fonts[kStateDisabled]);

    COLORREF colors[kStateCount] = {};
    GetFourStateColors(record, &colors[kStateNormal], &colors[kStateHighlight], &colors[kStateSelected],
                       &colors[kStateDisabled]);
    SetTextColors(colors[kStateNormal], colors[kStateHighlight], colors[kStateSelected], colors[kStateDisabled]);
    return 0;
}

int CSkinHeaderCtrl::SetButtonImages(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled)
{
    const HBITMAP images[kStateCount] = {normal, highlight, selected, disabled};
    for (int look = 0; look < kStateCount; ++look)
        HandBitmap(m_private->buttonImages[look], images[look]);
    return 0;
}

int CSkinHeaderCtrl::SetTextColors(COLORREF normal, COLORREF highlight, COLORREF selected, COLORREF disabled)
{
    const COLORREF colors[kStateCount] = {normal, highlight, selected, disabled};
    std::copy(std::begin(colors), std::end(colors), m_private->textColors);
    if (::IsWindow(m_hWnd))
        Invalidate(TRUE);
    return 0;
}

int CSkinHeaderCtrl::SetFonts(const CFont* normal, const CFont* highlight, const CFont* selected,
                              const CFont* disabled)
{
    const CFont* const fonts[kStateCount] = {normal, highlight, selected, disabled};
    for (int look = 0; look < kStateCount; ++look) {
        if (fonts[look])
            CopyFont(fonts[look], &m_private->fonts[look]);
    }
    if (::IsWindow(m_hWnd))
        Invalidate(TRUE);
    return 0;
}

int CSkinHeaderCtrl::SetHeight(int height)
{
    m_private->height = height;
    if (!::IsWindow(m_hWnd))
        return 0;
    RECT area;
    GetClientRect(&area);
    area.top = height - kLayoutOffset;
    area.bottom = height;
    WINDOWPOS place{};
    HDLAYOUT layout{&area, &place};
    Layout(&layout);
    if (CWnd* const parent = GetParent())
        parent->Invalidate(TRUE);
    // The window keeps to the parent's top and to the height whatever the layout says
    // (OnWindowPosChanging).
    MoveWindow(place.x, place.y, place.cx, place.cy, TRUE);
    Invalidate(TRUE);
    return 0;
}

int CSkinHeaderCtrl::GetHeight() const
{
    return m_private->height;
}

void CSkinHeaderCtrl::SetOwnerTree(CTreeList* tree)
{
    m_private->ownerTree = tree;
}

CTreeList* CSkinHeaderCtrl::GetOwnerTree() const
{
    return m_private->ownerTree;
}

int CSkinHeaderCtrl::ItemAt(POINT point) const
{
    HDHITTESTINFO hit{};
    hit.pt = point;
    const int item = HitTest(&hit);
    if (item < 0 || (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) || !(hit.flags & HHT_ONHEADER))
        return -1;
    return item;
}

int CSkinHeaderCtrl::ReleaseImages()
{
    SkinHeaderCtrlPrivate& p = *m_private;
    p.headerBk.Release();
    for (SharedBitmap& image : p.buttonImages)
        image.Release();
    return 0;
}

void CSkinHeaderCtrl::TrackLeave()
{
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, HOVER_DEFAULT};
    ::TrackMouseEvent(&track);
}

void CSkinHeaderCtrl::OnLButtonDown(UINT flags, CPoint point)
{
    m_private->pressedItem = ItemAt(point);
    UpdateWindow();
    TrackLeave();
    Invalidate(TRUE);
    CHeaderCtrl::OnLButtonDown(flags, point);
}

void CSkinHeaderCtrl::OnLButtonUp(UINT flags, CPoint point)
{
    m_private->pressedItem = -1;
    m_private->clampedItem = -1;
    CHeaderCtrl::OnLButtonUp(flags, point);
    KeepClampedWidth();
    m_private->clampedItem = -1;
}

void CSkinHeaderCtrl::OnMouseMove(UINT flags, CPoint point)
{
    m_private->hoverItem = ItemAt(point);
    Invalidate(TRUE);
    if (m_private->pressedItem == -1)
        TrackLeave();
    CHeaderCtrl::OnMouseMove(flags, point);
}

void CSkinHeaderCtrl::OnMouseLeave()
{
    m_private->hoverItem = -1;
    Invalidate(TRUE);
    CHeaderCtrl::OnMouseLeave();
}

LRESULT CSkinHeaderCtrl::OnLayout(WPARAM, LPARAM lParam)
{
    const auto* layout = reinterpret_cast<HDLAYOUT*>(lParam);
    if (layout && layout->prc)
        layout->prc->top = m_private->height - kLayoutOffset;
    return Default();
}

void CSkinHeaderCtrl::OnWindowPosChanging(WINDOWPOS* pos)
{
    pos->y = 0;
    if (!IsHiddenListHeader(m_hWnd))
        pos->cy = m_private->height;
    CHeaderCtrl::OnWindowPosChanging(pos);
}

void CSkinHeaderCtrl::OnWindowPosChanged(WINDOWPOS* pos)
{
    RepaintOverLayeredParent(m_hWnd, *pos);
    CHeaderCtrl::OnWindowPosChanged(pos);
}

void CSkinHeaderCtrl::OnEndTrack(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const CTreeList* const tree = m_private->ownerTree;
    const auto* track = reinterpret_cast<NMHEADERW*>(header);
    if (!tree || !::IsWindow(tree->GetSafeHwnd()) || !track->pitem || !(track->pitem->mask & HDI_WIDTH))
        return;
    RECT item;
    RECT client;
    if (!GetItemRect(track->iItem, &item))
        return;
    GetClientRect(&client);
    // The column may end at the header's right edge at most: its left edge is where the
    // columns before it end.
    const int widest = std::max(0, static_cast<int>(client.right - item.left));
    track->pitem->cxy = std::min(track->pitem->cxy, widest);
    // The header control may set the width it tracked itself, during the drag or once the
    // button is up, whatever the notification says; the limit is kept then as well.
    m_private->clampedItem = track->iItem;
    m_private->clampedWidth = widest;
    KeepClampedWidth();
}

void CSkinHeaderCtrl::KeepClampedWidth()
{
    SkinHeaderCtrlPrivate& p = *m_private;
    if (p.clampedItem < 0)
        return;
    HDITEMW item{};
    item.mask = HDI_WIDTH;
    if (GetItem(p.clampedItem, &item) && item.cxy > p.clampedWidth) {
        item.cxy = p.clampedWidth;
        SetItem(p.clampedItem, &item);
    }
}

} // namespace Vexel
