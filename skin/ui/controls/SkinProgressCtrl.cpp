#include "skin/ui/controls/SkinProgressCtrl.h"

#include "framework/WndDC.h"
#include "skin/model/MiscControlProperties.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/BitmapCopies.h"
#include "skin/ui/BitmapDrawing.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/DpiScaling.h"
#include "skin/ui/NineGrid.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/SkinFonts.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/WindowImages.h"
#include "skin/ui/controls/LayeredParent.h"

namespace Vexel {

using namespace record_read;

IMPLEMENT_DYNAMIC(CSkinProgressCtrl, CProgressCtrl)

CSkinProgressCtrl::~CSkinProgressCtrl() = default;

int CSkinProgressCtrl::ApplyProperties(CTRLPROPERTIES* record)
{
    const int check = CheckApplyRecord(this, record, L"PROGRESS");
    if (check != 0)
        return check;

    if (Switch(*record, CtrlVar::IsSpecifyImages)) {
        SharedBitmap loaded[kStates];
        LoadTwoStateImages(record, &loaded[kNormal], &loaded[kDisabled]);
        SetBackgroundBitmaps(loaded[kNormal], loaded[kDisabled]);
        // A bar's own images are laid out around their own point: the parent's point, taken
        // from the window's background, lies outside them and left the bar's rest unpainted.
        const POINT point = Point(*record, CtrlVar::ResizingPoint);
        if (point.x >= 0 && point.y >= 0) {
            m_resizePoint = ScalePoint(point, CurrentDpi());
            m_progressPoint = m_resizePoint;
            m_followParent = false;
        }
    }
    SharedBitmap progress[kStates];
    LoadSkinImage(record->GetVar(PrgVar::ThumbN), progress[kNormal]);
    LoadSkinImage(record->GetVar(PrgVar::ThumbD), progress[kDisabled]);
    SetProgressBitmaps(progress[kNormal], progress[kDisabled]);

    m_progressMode = Enum(*record, PrgVar::ProgressMode, ValueKind::ProgressMode);
    m_positionMode = Enum(*record, PrgVar::ThumbPositionMode, ValueKind::ThumbPositionMode);
    if (m_positionMode == kFillSpecified)
        m_progressRect = ScaleRect(Rect(*record, PrgVar::ThumbOriginalPosition), CurrentDpi());
    m_showText = Switch(*record, PrgVar::IsShowText);
    CreateTwoStateFonts(record, &m_fonts[kNormal], &m_fonts[kDisabled]);
    return 0;
}

int CSkinProgressCtrl::ApplyStyle(LPCWSTR styleId)
{
    return ApplyNamedStyle(*this, StyleKind::Progress, styleId);
}

int CSkinProgressCtrl::SetBackgroundBitmaps(HBITMAP normal, HBITMAP disabled)
{
    HandBitmap(m_backgrounds[kNormal], normal);
    HandBitmap(m_backgrounds[kDisabled], disabled);
    return 0;
}

int CSkinProgressCtrl::SetProgressBitmaps(HBITMAP normal, HBITMAP disabled)
{
    HandBitmap(m_progress[kNormal], normal);
    HandBitmap(m_progress[kDisabled], disabled);
    ProgressImagesChanged();
    return 0;
}

int CSkinProgressCtrl::SetBackgroundBitmaps(const SharedBitmap& normal, const SharedBitmap& disabled)
{
    m_backgrounds[kNormal] = normal;
    m_backgrounds[kDisabled] = disabled;
    return 0;
}

int CSkinProgressCtrl::SetProgressBitmaps(const SharedBitmap& normal, const SharedBitmap& disabled)
{
    m_progress[kNormal] = normal;
    m_progress[kDisabled] = disabled;
    ProgressImagesChanged();
    return 0;
}

void CSkinProgressCtrl::ProgressImagesChanged()
{
    SIZE size;
    if (GetBitmapSize(m_progress[kNormal], size) == 0)
        m_imageSize = size;
}

void CSkinProgressCtrl::ReleaseImages()
{
    for (int state = 0; state < kStates; ++state) {
        m_backgrounds[state].Release();
        m_progress[state].Release();
        m_fonts[state].DeleteObject();
    }
}

POINT CSkinProgressCtrl::ResizePoint() const
{
    const HWND parent = ::GetParent(m_hWnd);
    return ControlResizePoint(m_hWnd, parent, RectInParent(m_hWnd, parent), m_followParent, m_resizePoint.x,
                              m_resizePoint.y);
}

ProgressSpan CSkinProgressCtrl::Span() const
{
    int lower = 0;
    int upper = 0;
    GetRange(lower, upper);
    return MakeProgressSpan(lower, upper, GetPos());
}

int CSkinProgressCtrl::DrawProgress(CDC* dc)
{
    return (GetStyle() & PBS_VERTICAL) ? DrawVerticalProgress(dc) : DrawHorizontalProgress(dc);
}

int CSkinProgressCtrl::DrawHorizontalProgress(CDC* dc)
{
    if (!dc || !m_progress[CurrentState()].GetSafeHandle())
        return -1;
    CRect client;
    GetClientRect(&client);
    const bool specified = m_positionMode == kFillSpecified;
    const int length = specified ? m_progressRect.right - m_progressRect.left : client.Width();
    const int start = specified ? m_progressRect.left : client.left;
    const int filled = ProgressFilledLength(Span(), length);
    DrawFill(*dc, CRect(start, client.top, start + filled, client.bottom), length, false);
    return 0;
}

int CSkinProgressCtrl::DrawVerticalProgress(CDC* dc)
{
    if (!dc || !m_progress[CurrentState()].GetSafeHandle())
        return -1;
    CRect client;
    GetClientRect(&client);
    const bool specified = m_positionMode == kFillSpecified;
    const int length = specified ? m_progressRect.bottom - m_progressRect.top : client.Height();
    const int end = specified ? m_progressRect.bottom : client.bottom;
    const int filled = ProgressFilledLength(Span(), length);
    DrawFill(*dc, CRect(client.left, end - filled, client.right, end), length, true);
    return 0;
}

void CSkinProgressCtrl::DrawFill(CDC& dc, const CRect& filled, int length, bool vertical)
{
    const HBITMAP image = m_progress[CurrentState()];
    if (m_progressMode != kTile) {
        StretchBitmapToRect(image, dc, filled);
        return;
    }
    // The image laid out along the whole bar, of which the filled end is shown: a tiled
    // bar does not squeeze its pattern as it fills.
    const int w = vertical ? filled.Width() : length;
    const int h = vertical ? length : filled.Height();
    CBitmap whole;
    if (CreateResizedBitmap(image, &whole, m_progressPoint.x, m_progressPoint.y, w, h, 1, 1) != 0)
        return;
    BitmapDC source(dc, whole);
    dc.BitBlt(filled.left, filled.top, filled.Width(), filled.Height(), &source, 0, vertical ? h - filled.Height() : 0,
              SRCCOPY);
}

int CSkinProgressCtrl::DrawProgressText(CDC* dc)
{
    if (!dc)
        return -1;
    if (!m_showText)
        return 0;
    CString text;
    text.Format(L"%d%%", ProgressPercent(Span()));
    CRect client;
    GetClientRect(&client);
    dc->SetBkMode(TRANSPARENT);
    const HGDIOBJ previous = m_fonts[kNormal].GetSafeHandle() ? dc->SelectObject(&m_fonts[kNormal]) : nullptr;
    dc->DrawText(text, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (previous)
        dc->SelectObject(previous);
    return 0;
}

LRESULT CSkinProgressCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        if (!HasBackground())
            break;
        OnPaint();
        return 0;
    case WM_NCPAINT:
        if (!HasBackground())
            break;
        OnNcPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_WINDOWPOSCHANGED:
        RepaintOverLayeredParent(m_hWnd, *reinterpret_cast<const WINDOWPOS*>(lParam));
        break;
    default:
        break;
    }
    return CProgressCtrl::WindowProc(message, wParam, lParam);
}

void CSkinProgressCtrl::OnPaint()
{
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    const HBITMAP canvas = m_buffer.Get(paint, client.Size());
    if (!canvas)
        return;
    BitmapDC memory(paint, canvas);
    const POINT point = ResizePoint();
    DrawResizedBitmapEx(memory, 0, 0, client.Width(), client.Height(), m_backgrounds[CurrentState()], 1, 1, point.x,
                        point.y);
    DrawProgress(&memory);
    DrawProgressText(&memory);
    paint.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
}

void CSkinProgressCtrl::OnNcPaint()
{
    const HBITMAP background = m_backgrounds[CurrentState()];
    const POINT point = ResizePoint();
    if (point.x < 0 && point.y < 0)
        DrawFrameFromBitmap(m_hWnd, background);
    else
        DrawFrameFromResizedBitmap(m_hWnd, background, FALSE, point.x, point.y);
}

} // namespace Vexel
