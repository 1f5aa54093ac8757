#include "skin/ui/controls/SkinComboBox.h"

#include "framework/SystemAnswers.h"
#include "framework/WndDC.h"
#include "skin/model/EditProperties.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/BitmapCopies.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/DpiScaling.h"
#include "skin/ui/NineGrid.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/SkinColors.h"
#include "skin/ui/SkinFonts.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/UIWnd.h"
#include "skin/ui/WindowImages.h"
#include "skin/ui/controls/LayeredParent.h"
#include "skin/ui/controls/RedrawHeld.h"

namespace Vexel {

using namespace record_read;

namespace {

// The record's rectangle on the screen: scaled as its window's images are when the combo
// sits in a skinned window, as stored otherwise.
CRect RecordRectOnScreen(const CWnd& control, const CTRLPROPERTIES& record)
{
    if (const auto* window = dynamic_cast<const CUIWnd*>(CWnd::FromHandlePermanent(::GetParent(control))))
        return window->ControlRect(record);
    return Rect(record, CtrlVar::Rect);
}

DWORD ComboType(DWORD style)
{
    return style & (CBS_SIMPLE | CBS_DROPDOWN);
}

} // namespace

IMPLEMENT_DYNAMIC(CSkinComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CSkinComboBox, CComboBox)
    ON_WM_CTLCOLOR()
    ON_CONTROL_REFLECT(CBN_CLOSEUP, &CSkinComboBox::OnCloseUp)
END_MESSAGE_MAP()

CSkinComboBox::~CSkinComboBox()
{
    DetachEdit();
}

int CSkinComboBox::ApplyProperties(CTRLPROPERTIES* record)
{
    const int check = CheckApplyRecord(this, record, L"COMBOBOX");
    if (check != 0)
        return check;
    const DpiPair dpi = CurrentDpi();

    CFont font;
    CreateFontFromProperty(record, &font);
    SetTextFont(static_cast<HFONT>(font.Detach()));
    m_buttonWidth = ScaleX(Int(*record, CmbVar::ButtonWidth, m_buttonWidth), dpi);

    const CRect rect = RecordRectOnScreen(*this, *record);
    SetItemHeight(-1, static_cast<UINT>(rect.Height() - 2 * kBorder));
    SetItemHeight(0, static_cast<UINT>(ScaleY(Int(*record, CmbVar::DropListItemHeight), dpi)));
    // The combo lays its edit out again for the new height, up to its own, narrower
    // button.
    FitEditToButton();

    if (Switch(*record, CtrlVar::IsCanBackgroundChange) && Switch(*record, CtrlVar::IsSpecifyImages)) {
        m_parentResizePoint = false;
        m_resizePoint = ScalePoint(Point(*record, CtrlVar::ResizingPoint), dpi);
        SharedBitmap loaded[kStates];
        LoadFourStateImages(record, &loaded[kNormal], &loaded[kHover], &loaded[kPressed], &loaded[kDisabled]);
        if (loaded[kNormal] || loaded[kHover] || loaded[kPressed] || loaded[kDisabled])
            SetImages(loaded);
    }

    GetFourStateColors(record, &m_editTextColor, nullptr, nullptr, nullptr);
    m_horizontalOffset = ScaleX(Int(*record, CmbVar::TextHorOffset), dpi);
    m_verticalOffset = ScaleY(Int(*record, CmbVar::TextVerOffset), dpi);
    SetTag(Text(*record, CmbVar::Tag));
    return 0;
}

int CSkinComboBox::ApplyStyle(LPCWSTR styleId)
{
    return ApplyNamedStyle(*this, StyleKind::ComboBox, styleId);
}

int CSkinComboBox::ReleaseImages()
{
    m_font.DeleteObject();
    return DeleteImages(m_images);
}

int CSkinComboBox::SetImages(HBITMAP normal, HBITMAP hover, HBITMAP pressed, HBITMAP disabled)
{
    HandImages(m_images, {normal, hover, pressed, disabled}, true);
    CutEditImages();
    return 0;
}

int CSkinComboBox::SetImages(const SharedBitmap (&images)[kStates])
{
    ShareImages(m_images, images, true);
    CutEditImages();
    return 0;
}

int CSkinComboBox::SetTextFont(HFONT font)
{
    if (!font)
        return -1;
    m_font.Attach(font);
    if (m_hWnd)
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return 0;
}

int CSkinComboBox::SetTag(LPCWSTR tag)
{
    if (!tag)
        return -1;
    m_tag = tag;
    return 0;
}

CSkinComboBox::State CSkinComboBox::CurrentState() const
{
    if (!m_hover)
        return kNormal;
    return ::GetKeyState(VK_LBUTTON) < 0 ? kPressed : kHover;
}

POINT CSkinComboBox::ResizePoint() const
{
    const HWND parent = ::GetParent(m_hWnd);
    return ControlResizePoint(m_hWnd, parent, RectInParent(m_hWnd, parent), m_parentResizePoint, m_resizePoint.x,
                              m_resizePoint.y);
}

void CSkinComboBox::AttachEdit(HWND edit)
{
    if (!edit || HasEdit() || !m_edit.SubclassWindow(edit))
        return;
    NarrowEditForButton();
}

void CSkinComboBox::DetachEdit()
{
    if (!HasEdit())
        return;
    m_edit.ReleaseImages();
    m_edit.UnsubclassWindow();
}

void CSkinComboBox::NarrowEditForButton()
{
    const int system = ::GetSystemMetrics(SM_CXVSCROLL);
    if (HasEdit() && m_buttonWidth > system)
        m_edit.SetRightReserve(m_buttonWidth - system);
}

void CSkinComboBox::FitEditToButton()
{
    if (!HasEdit() || !(GetStyle() & CBS_DROPDOWN))
        return;
    CRect client;
    GetClientRect(&client);
    CRect edit;
    m_edit.GetWindowRect(&edit);
    ScreenToClient(&edit);
    m_edit.SetWindowPos(nullptr, 0, 0, client.Width() - m_buttonWidth - edit.left, edit.Height(),
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The edit's four images are the parts of the combo's images, each laid out at the
// combo's size, that lie under the edit; the edit stretches them around the combo's
// point, so a later resize of the edit continues the combo's image.
void CSkinComboBox::CutEditImages()
{
    if (!HasEdit())
        return;
    CRect combo;
    GetWindowRect(&combo);
    CRect edit;
    m_edit.GetWindowRect(&edit);
    ScreenToClient(&edit);
    if (edit.Width() == 0)
        edit.right = combo.Width() - m_buttonWidth;
    const POINT point = ResizePoint();

    HBITMAP parts[kStates] = {};
    for (int state = 0; state < kStates; ++state) {
        CBitmap whole;
        CBitmap part;
        if (CreateResizedBitmap(m_images[state], &whole, point.x, point.y, combo.Width(), combo.Height(), 1, 1) == 0)
            CropBitmap(edit, whole, &part);
        parts[state] = static_cast<HBITMAP>(part.Detach());
    }
    m_edit.SetResizePoint(POINT{point.x - edit.left, point.y - edit.top});
    m_edit.SetImages(parts[kNormal], parts[kHover], parts[kPressed], parts[kDisabled]);
}

bool CSkinComboBox::ClosesEmptyList() const
{
    if (GetCount() > 0 || ComboType(GetStyle()) == CBS_SIMPLE)
        return false;
    // The systems of the 5.x line leave an empty list open as a stray line under the box.
    OSVERSIONINFOW version = {};
    if (!GetSystemAnswers().GetVersion(version) || version.dwMajorVersion != 5)
        return false;
    return version.dwMinorVersion == 1 || (version.dwMinorVersion == 0 && (GetStyle() & CBS_DROPDOWN));
}

LRESULT CSkinComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONUP:
    case WM_MOUSEWHEEL:
    case WM_MOUSEACTIVATE:
    case WM_GETDLGCODE:
        Invalidate(TRUE);
        break;
    case WM_WINDOWPOSCHANGED:
        RepaintOverLayeredParent(m_hWnd, *reinterpret_cast<const WINDOWPOS*>(lParam));
        break;
    case WM_CREATE: {
        const LRESULT created = CComboBox::WindowProc(message, wParam, lParam);
        if (created == -1)
            return -1;
        AttachEdit(GetEditWindow());
        return 0;
    }
    case WM_DESTROY:
        SendMessage(WM_SETFONT, 0, TRUE);
        DetachEdit();
        break;
    case WM_MOUSEMOVE:
        if (!m_hover) {
            m_hover = true;
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, HOVER_DEFAULT};
            ::TrackMouseEvent(&track);
            Invalidate(TRUE);
        }
        break;
    case WM_MOUSELEAVE:
        m_hover = false;
        Invalidate(TRUE);
        break;
    case WM_KILLFOCUS:
        if (IsWindowVisible())
            return RunWithRedrawHeld(*this, [&] { return CComboBox::WindowProc(message, wParam, lParam); });
        break;
    case WM_SIZE: {
        // After the combo's own layout, which puts the edit against its own button.
        const LRESULT result = CComboBox::WindowProc(message, wParam, lParam);
        FitEditToButton();
        return result;
    }
    case WM_PAINT:
        PaintSkinned();
        break;
    default:
        break;
    }
    return CComboBox::WindowProc(message, wParam, lParam);
}

// A drop-down list is drawn whole here; a drop-down's edit draws its own text over the
// image; a simple combo keeps the system's look. What is painted here is validated, so
// the system's painting that follows adds nothing over it.
void CSkinComboBox::PaintSkinned()
{
    const DWORD type = ComboType(GetStyle());
    if (type == CBS_SIMPLE)
        return;
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    if (type == CBS_DROPDOWNLIST) {
        PaintDropDownList(paint, client);
        return;
    }
    const POINT point = ResizePoint();
    DrawResizedBitmapEx(paint, 0, 0, client.Width(), client.Height(), m_images[CurrentState()], 1, 1, point.x,
                        point.y);
}

void CSkinComboBox::PaintDropDownList(CDC& paint, const CRect& client)
{
    const int w = client.Width();
    const int h = client.Height();
    const HBITMAP canvas = m_buffer.Get(paint, client.Size());
    if (!canvas)
        return;
    BitmapDC memory(paint, canvas);

    const CRect inParent = RectInParent(m_hWnd, ::GetParent(m_hWnd));
    DrawParentBackground(this, &memory, CRect(inParent.left, inParent.top, inParent.left + w, inParent.top + h));
    const POINT point = ResizePoint();
    DrawResizedBitmapEx(memory, 0, 0, w, h, m_images[CurrentState()], 1, 1, point.x, point.y);

    CString text;
    GetWindowText(text);
    CRect textRect = client;
    textRect.OffsetRect(m_horizontalOffset, m_verticalOffset);
    textRect.right = client.right - m_buttonWidth;
    textRect.bottom = client.bottom - 2;
    memory.SetBkMode(TRANSPARENT);
    memory.SetTextColor(m_editTextColor);
    const HFONT font = GetFont();
    const HGDIOBJ previous = font ? memory.SelectObject(font) : nullptr;
    memory.DrawText(text, &textRect, DT_NOPREFIX);
    if (previous)
        memory.SelectObject(previous);

    paint.BitBlt(0, 0, w, h, &memory, 0, 0, SRCCOPY);
}

HBRUSH CSkinComboBox::OnCtlColor(CDC* dc, CWnd* child, UINT kind)
{
    if (kind == CTLCOLOR_EDIT && !HasEdit() && child)
        AttachEdit(child->GetSafeHwnd());
    if (kind == CTLCOLOR_LISTBOX && ClosesEmptyList())
        SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    const HBRUSH brush = CComboBox::OnCtlColor(dc, child, kind);
    if (kind == CTLCOLOR_EDIT)
        dc->SetTextColor(m_editTextColor);
    else if (kind == CTLCOLOR_LISTBOX)
        dc->SetTextColor(m_listTextColor);
    return brush;
}

void CSkinComboBox::OnCloseUp()
{
    Invalidate(TRUE);
}

BOOL CSkinComboBox::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN)
        Invalidate(TRUE);
    return CComboBox::PreTranslateMessage(msg);
}

} // namespace Vexel
