#include "skin/ui/controls/SkinHotKeyCtrl.h"

#include "skin/model/SkinGlobals.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/DpiScaling.h"
#include "skin/ui/NineGrid.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/WindowImages.h"
#include "skin/ui/controls/LayeredParent.h"

namespace Vexel {

IMPLEMENT_DYNAMIC(CSkinHotKeyCtrl, CHotKeyCtrl)

BEGIN_MESSAGE_MAP(CSkinHotKeyCtrl, CHotKeyCtrl)
    ON_WM_ERASEBKGND()
    ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

CSkinHotKeyCtrl::~CSkinHotKeyCtrl() = default;

int CSkinHotKeyCtrl::ApplyProperties(CTRLPROPERTIES* record)
{
    const int check = CheckApplyRecord(this, record, L"HOTKEY");
    if (check != 0)
        return check;
    if (!record_read::Switch(*record, CtrlVar::IsSpecifyImages))
        return 0;
    m_resizePoint = ScalePoint(record_read::Point(*record, CtrlVar::ResizingPoint), CurrentDpi());   // as the images
    m_parentResizePoint = false;
    LoadTwoStateImages(record, &m_normal, &m_disabled);
    ImagesChanged();
    return 0;
}

int CSkinHotKeyCtrl::ApplyStyle(LPCWSTR styleId)
{
    return ApplyNamedStyle(*this, StyleKind::HotKey, styleId);
}

int CSkinHotKeyCtrl::SetBackgroundImages(HBITMAP normal, HBITMAP disabled)
{
    HandBitmap(m_normal, normal);
    HandBitmap(m_disabled, disabled);
    ImagesChanged();
    return 0;
}

int CSkinHotKeyCtrl::SetBackgroundImages(const SharedBitmap& normal, const SharedBitmap& disabled)
{
    m_normal = normal;
    m_disabled = disabled;
    ImagesChanged();
    return 0;
}

void CSkinHotKeyCtrl::ImagesChanged()
{
    if (::IsWindow(m_hWnd))
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

int CSkinHotKeyCtrl::ReleaseImages()
{
    m_normal.Release();
    m_disabled.Release();
    return 0;
}

POINT CSkinHotKeyCtrl::ResizePoint() const
{
    const HWND parent = ::GetParent(m_hWnd);
    return ControlResizePoint(m_hWnd, parent, RectInParent(m_hWnd, parent), m_parentResizePoint, m_resizePoint.x,
                              m_resizePoint.y);
}

HBITMAP CSkinHotKeyCtrl::CurrentImage() const
{
    return IsWindowEnabled() ? static_cast<HBITMAP>(m_normal) : static_cast<HBITMAP>(m_disabled);
}

BOOL CSkinHotKeyCtrl::OnEraseBkgnd(CDC* dc)
{
    CRect client;
    GetClientRect(&client);
    const POINT point = ResizePoint();
    DrawResizedBitmapEx(*dc, 0, 0, client.Width(), client.Height(), CurrentImage(), 1, 1, point.x, point.y);
    return TRUE;
}

// The skin in place of the system frame: the background over the whole window.
void CSkinHotKeyCtrl::PaintFrame()
{
    CRect window;
    GetWindowRect(&window);
    WindowDCScope dc(m_hWnd, WindowDCScope::Area::Whole);
    const POINT point = ResizePoint();
    DrawResizedBitmapEx(dc, 0, 0, window.Width(), window.Height(), CurrentImage(), 1, 1, point.x, point.y);
}

void CSkinHotKeyCtrl::OnWindowPosChanged(WINDOWPOS* pos)
{
    if (pos)
        RepaintOverLayeredParent(m_hWnd, *pos);
    Default();
}

LRESULT CSkinHotKeyCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCPAINT) {
        PaintFrame();
        return 1;
    }
    return CHotKeyCtrl::WindowProc(message, wParam, lParam);
}

} // namespace Vexel
