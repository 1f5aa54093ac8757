// CWaveCtrl: creation, records, series, panning and the paint message.
#include "skin/ui/controls/WaveCtrl.h"

#include "framework/WndDC.h"
#include "skin/model/MiscControlProperties.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/SkinWindowClass.h"
#include "skin/ui/StateImages.h"

#include <windowsx.h>

#include <algorithm>

namespace Vexel {
namespace {

constexpr wchar_t kWaveClass[] = L"WaveView32";

} // namespace

IMPLEMENT_DYNAMIC(CWaveCtrl, CWnd)

BEGIN_MESSAGE_MAP(CWaveCtrl, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CWaveCtrl::CWaveCtrl() = default;

CWaveCtrl::~CWaveCtrl() = default;

BOOL CWaveCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (!RegisterSkinWindowClass(kWaveClass))
        return FALSE;
    return CreateEx(0, kWaveClass, L"", style, rect, parent, id);
}

// --- Records -----------------------------------------------------------------------

int CWaveCtrl::ApplyStyle(LPCWSTR styleId)
{
    return ApplyNamedStyle(*this, StyleKind::WaveCtrl, styleId);
}

int CWaveCtrl::ApplyProperties(CTRLPROPERTIES* record)
{
    const int checked = CheckApplyRecord(this, record, L"WAVECTRL");
    if (checked != 0)
        return checked;
    if (!dynamic_cast<const WAVECTRLPROPERTIES*>(record))
        return -3;
    return ApplyWaveRecord(*record);
}

int CWaveCtrl::ApplyWaveRecord(const CTRLPROPERTIES& record)
{
    using namespace record_read;
    if (Switch(record, CtrlVar::IsSpecifyImages)) {
        // The graph has one look: the normal image, or the left half of the combined strip.
        SharedBitmap normal;
        LoadTwoStateImages(&record, &normal, nullptr);
        SetBackgroundImage(normal);
    }
    m_panning = Switch(record, WaveVar::IsEnableDragMove);
    m_scale.cellWidth = Int(record, WaveVar::GridWidth, m_scale.cellWidth);
    m_scale.cellHeight = Int(record, WaveVar::GridHeight, m_scale.cellHeight);
    COLORREF color = kDefaultGridColor;
    g_skinStore.GetColorByID(Text(record, WaveVar::GridLineColorResID), &color);
    m_gridColor = color;
    m_scale.unitX = Int(record, WaveVar::GridUnitX, m_scale.unitX);
    m_scale.unitY = Int(record, WaveVar::GridUnitY, m_scale.unitY);
    m_scale.infoWidth = Int(record, WaveVar::InfoAreaWidth, m_scale.infoWidth);
    m_scale.infoHeight = Int(record, WaveVar::InfoAreaHeight, m_scale.infoHeight);
    // A cell or unit of 0 would stop the grid and divide by zero.
    m_scale = SaneWaveScale(m_scale);
    Changed();
    return 0;
}

void CWaveCtrl::SetBackgroundImage(HBITMAP image)
{
    SetBackgroundImage(SharedBitmap::Adopt(image));
}

void CWaveCtrl::SetBackgroundImage(const SharedBitmap& image)
{
    m_background = image;
    if (::IsWindow(m_hWnd))
        Invalidate(TRUE);
}

// --- Series and offset ---------------------------------------------------------------

int CWaveCtrl::AddSeries(const WAVESERIES& series)
{
    m_series.push_back(series);
    Changed();
    return static_cast<int>(m_series.size()) - 1;
}

BOOL CWaveCtrl::SetSeries(int index, const WAVESERIES& series)
{
    if (index < 0 || index >= GetSeriesCount())
        return FALSE;
    m_series[static_cast<size_t>(index)] = series;
    Changed();
    return TRUE;
}

BOOL CWaveCtrl::RemoveSeries(int index)
{
    if (index < 0 || index >= GetSeriesCount())
        return FALSE;
    m_series.erase(m_series.begin() + index);
    Changed();
    return TRUE;
}

void CWaveCtrl::RemoveAllSeries()
{
    m_series.clear();
    Changed();
}

const WAVESERIES* CWaveCtrl::GetSeries(int index) const
{
    if (index < 0 || index >= GetSeriesCount())
        return nullptr;
    return &m_series[static_cast<size_t>(index)];
}

void CWaveCtrl::SetOffset(int offset)
{
    offset = std::max(offset, 0);
    if (offset == m_scale.offset)
        return;
    m_scale.offset = offset;
    Changed();
}

void CWaveCtrl::Changed()
{
    // The region under the curve follows the curve: it is made again at the next paint.
    ForgetFillRegion();
    if (::IsWindow(m_hWnd))
        Invalidate(TRUE);
}

RECT CWaveCtrl::Client() const
{
    RECT client{};
    if (::IsWindow(m_hWnd))
        ::GetClientRect(m_hWnd, &client);
    return client;
}

// --- Messages ----------------------------------------------------------------------

LRESULT CWaveCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (m_panning && OnPanMessage(message, wParam, lParam, result))
        return result;
    return CWnd::WindowProc(message, wParam, lParam);
}

bool CWaveCtrl::OnPanMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        SetCapture();
        m_dragging = true;
        m_dragStart = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        m_dragStartOffset = m_scale.offset;
        return false;
    case WM_MOUSEMOVE: {
        if (wParam != MK_LBUTTON || !m_dragging)
            return false;
        SetOffset(m_dragStartOffset + m_dragStart.x - GET_X_LPARAM(lParam));
        NMHDR header{m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), static_cast<UINT>(WVN_OFFSETCHANGED)};
        const HWND parent = ::GetParent(m_hWnd);
        if (parent && ::SendMessageW(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header)) != 0) {
            result = 0;
            return true;
        }
        return false;
    }
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        m_dragging = false;
        // Only our own capture is let go: WM_CAPTURECHANGED comes when another window has
        // just taken it, and releasing then would take it from that window.
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        return false;
    default:
        return false;
    }
}

BOOL CWaveCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CWaveCtrl::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    // The baseline follows the client bottom.
    ForgetFillRegion();
}

void CWaveCtrl::OnPaint()
{
    CPaintDC paint(this);
    const RECT client = Client();
    const SIZE size{client.right, client.bottom};
    if (size.cx <= 0 || size.cy <= 0)
        return;
    const HBITMAP image = m_frame.Get(paint, size);
    if (!image)
        return;
    BitmapDC frame(paint, image);
    DrawView(&frame);
    paint.BitBlt(0, 0, size.cx, size.cy, &frame, 0, 0, SRCCOPY);
}

} // namespace Vexel
