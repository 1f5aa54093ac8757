#include "skin/ui/controls/SkinIPAddressCtrl.h"

#include "framework/WndDC.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/BitmapCopies.h"
#include "skin/ui/BitmapDrawing.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/SkinImageStore.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/controls/LayeredParent.h"

namespace Vexel {
namespace {

// The point of the images that lies at the box's client origin.
constexpr POINT kImageOrigin{2, 2};
// Each field's images stretch around this point of its own part.
constexpr POINT kFieldResizePoint{2, 2};

} // namespace

IMPLEMENT_DYNAMIC(CSkinIPAddressCtrl, CIPAddressCtrl)

CSkinIPAddressCtrl::~CSkinIPAddressCtrl() = default;

int CSkinIPAddressCtrl::ApplyProperties(CTRLPROPERTIES* record)
{
    const int check = CheckApplyRecord(this, record, L"IPADDRESS");
    if (check != 0)
        return check;
    if (!record_read::Switch(*record, CtrlVar::IsSpecifyImages))
        return 0;
    SharedBitmap loaded[kStates];
    LoadFourStateImages(record, &loaded[kNormal], &loaded[kHighlight], &loaded[kSelected], &loaded[kDisabled]);
    // A state that did not load keeps the image it had.
    return SetImages(loaded);
}

int CSkinIPAddressCtrl::ApplyStyle(LPCWSTR styleId)
{
    return ApplyNamedStyle(*this, StyleKind::IPAddress, styleId);
}

int CSkinIPAddressCtrl::SetImages(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled)
{
    HandImages(m_images, {normal, highlight, selected, disabled}, true);
    ImagesChanged();
    return 0;
}

int CSkinIPAddressCtrl::SetImages(const SharedBitmap (&images)[kStates])
{
    ShareImages(m_images, images, true);
    ImagesChanged();
    return 0;
}

void CSkinIPAddressCtrl::ImagesChanged()
{
    GiveFieldsTheirParts();
    if (::IsWindow(m_hWnd))
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

int CSkinIPAddressCtrl::ReleaseImages()
{
    return DeleteImages(m_images);
}

CSkinEdit* CSkinIPAddressCtrl::GetField(int index)
{
    return index >= 0 && index < kFields ? &m_fields[index] : nullptr;
}

// Each field takes the part under its place in the box's client area. A field draws its
// part from (2, 2) on (a skinned edit inside an address box sets its brush origin so), as
// the box draws the image from (2, 2) on: the two make one picture.
void CSkinIPAddressCtrl::GiveFieldsTheirParts()
{
    if (!::IsWindow(m_hWnd))
        return;
    for (CSkinEdit& field : m_fields) {
        if (!::IsWindow(field.GetSafeHwnd()))
            continue;
        RECT place;
        field.GetWindowRect(&place);
        ScreenToClient(&place);
        SharedBitmap parts[kStates];
        for (int i = 0; i < kStates; ++i)
            parts[i] = SharedCrop(m_images[i], place);
        field.SetResizePoint(kFieldResizePoint);
        field.SetImages(parts);
    }
}

void CSkinIPAddressCtrl::AttachFields()
{
    HWND child = ::GetWindow(m_hWnd, GW_CHILD);
    for (CSkinEdit& field : m_fields) {
        if (!child)
            break;
        field.SubclassWindow(child);
        child = ::GetWindow(child, GW_HWNDNEXT);
    }
}

// Before the system control's own clean-up, which puts the fields' procedures back and
// would cut ours out of their chain.
void CSkinIPAddressCtrl::DestroyFields()
{
    for (CSkinEdit& field : m_fields) {
        field.ReleaseImages();
        if (::IsWindow(field.GetSafeHwnd()))
            field.DestroyWindow();
    }
}

HBITMAP CSkinIPAddressCtrl::CurrentImage() const
{
    return IsWindowEnabled() ? static_cast<HBITMAP>(m_images[kNormal]) : static_cast<HBITMAP>(m_images[kHighlight]);
}

// The image from (2, 2) on under the whole client area (the box's frame, two pixels wide
// where the system gives it one, shows the image from (0, 0)); the system control's dots (and whatever else it
// draws) laid over it without the window colour it fills its background with.
void CSkinIPAddressCtrl::Paint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    const SIZE size{client.Width(), client.Height()};
    const HBITMAP canvas = m_canvas.Get(dc, size);
    const HBITMAP native = m_native.Get(dc, size);
    if (!canvas || !native)
        return;
    BitmapDC canvasDC(dc, canvas);
    if (const HBITMAP image = CurrentImage())
        DrawBitmap(canvasDC, 0, 0, size.cx, size.cy, image, kImageOrigin.x, kImageOrigin.y, SRCCOPY);
    else
        canvasDC.FillSolidRect(&client, ::GetSysColor(COLOR_WINDOW));
    const COLORREF key = ::GetSysColor(IsWindowEnabled() ? COLOR_WINDOW : COLOR_3DFACE);
    {
        BitmapDC nativeDC(dc, native);
        const HGDIOBJ font = ::GetCurrentObject(nativeDC, OBJ_FONT);
        nativeDC.FillSolidRect(&client, key);
        DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(nativeDC.GetSafeHdc()), 0);
        DrawTransparentBitmap(canvasDC, 0, 0, size.cx, size.cy, nativeDC, 0, 0, size.cx, size.cy, key);
        ::SelectObject(nativeDC, font);
    }
    dc.BitBlt(0, 0, size.cx, size.cy, &canvasDC, 0, 0, SRCCOPY);
}

// The skin in place of the system frame.
void CSkinIPAddressCtrl::PaintFrame()
{
    const HBITMAP image = CurrentImage();
    if (!image)
        return;
    CRect window;
    GetWindowRect(&window);
    WindowDCScope dc(m_hWnd, WindowDCScope::Area::Whole);
    DrawBitmap(dc, 0, 0, window.Width(), window.Height(), image, 0, 0, SRCCOPY);
}

LRESULT CSkinIPAddressCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_WINDOWPOSCHANGED:
        if (lParam)
            RepaintOverLayeredParent(m_hWnd, *reinterpret_cast<const WINDOWPOS*>(lParam));
        break;
    case WM_CREATE:
        if (CIPAddressCtrl::WindowProc(message, wParam, lParam) == -1)
            return -1;
        AttachFields();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_NCPAINT:
        PaintFrame();
        return 0;
    case WM_DESTROY:
        DestroyFields();
        break;
    case WM_VXL_GETRESIZEPOINT: {
        const HWND parent = ::GetParent(m_hWnd);
        return parent ? ::SendMessageW(parent, message, wParam, lParam) : 0;
    }
    default:
        break;
    }
    return CIPAddressCtrl::WindowProc(message, wParam, lParam);
}

} // namespace Vexel
