#include "windows/notifier/TaskbarNotifier.h"

#include "framework/SystemAnswers.h"
#include "framework/WndDC.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/MaskRegion.h"

#include <vector>

namespace {

constexpr WORD kNoTransparentColor = 0xFFFF;
constexpr UINT kTextFormat = DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_END_ELLIPSIS;
constexpr UINT kPlaceFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

bool MakeFont(CFont& font, LPCWSTR face, int tenthsOfPoint, int style)
{
    LOGFONTW logFont{};
    {
        Vexel::ScreenDC screen;
        logFont.lfHeight = -::MulDiv(tenthsOfPoint, screen.GetDeviceCaps(LOGPIXELSY), 720);
    }
    logFont.lfWeight = (style & 1) ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = (style & 2) ? TRUE : FALSE;
    logFont.lfUnderline = (style & 4) ? TRUE : FALSE;
    logFont.lfCharSet = DEFAULT_CHARSET;
    if (face)
        ::lstrcpynW(logFont.lfFaceName, face, LF_FACESIZE);
    font.DeleteObject();
    return font.CreateFontIndirect(&logFont) != FALSE;
}

} // namespace

IMPLEMENT_DYNAMIC(CTaskbarNotifier, CWnd)

BEGIN_MESSAGE_MAP(CTaskbarNotifier, CWnd)
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEHOVER()
    ON_WM_MOUSELEAVE()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CTaskbarNotifier::CTaskbarNotifier() = default;

CTaskbarNotifier::~CTaskbarNotifier() = default;

BOOL CTaskbarNotifier::Create(CWnd* owner)
{
    m_owner = owner ? owner->GetSafeHwnd() : nullptr;
    const CString windowClass = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW),
                                                    reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    if (windowClass.IsEmpty()) {
        delete this;   // as after a failed creation
        return FALSE;
    }
    return CreateEx(0, windowClass, nullptr, WS_POPUP, 0, 0, 0, 0, m_owner, nullptr);
}

int CTaskbarNotifier::OnCreate(LPCREATESTRUCT cs)
{
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    m_handCursor = ::LoadCursorW(nullptr, IDC_HAND);
    if (m_region.GetSafeHandle())
        SetWindowRgn(static_cast<HRGN>(m_region.Detach()), TRUE);
    return 0;
}

void CTaskbarNotifier::PostNcDestroy()
{
    CWnd::PostNcDestroy();
    delete this;
}

bool CTaskbarNotifier::SetSkin(UINT bitmapId, WORD red, WORD green, WORD blue)
{
    CBitmap loaded;
    if (!loaded.LoadBitmap(bitmapId))
        return false;
    BITMAP info{};
    if (!loaded.GetBitmap(&info))
        return false;

    CRgn region;
    const bool shaped = red != kNoTransparentColor && green != kNoTransparentColor && blue != kNoTransparentColor;
    if (shaped && !CreateRegionFromBitmap(loaded, RGB(red, green, blue), region))
        region.DeleteObject();   // unreadable pixels: the window stays rectangular

    m_skin.DeleteObject();
    m_skin.Attach(loaded.Detach());
    m_skinWidth = info.bmWidth;
    m_skinHeight = info.bmHeight;
    m_textRect = {0, 0, m_skinWidth, m_skinHeight};
    m_region.DeleteObject();
    if (region.GetSafeHandle()) {
        if (m_hWnd)
            SetWindowRgn(static_cast<HRGN>(region.Detach()), TRUE);   // the window owns it now
        else
            m_region.Attach(region.Detach());
    }
    return true;
}

bool CTaskbarNotifier::CreateRegionFromBitmap(HBITMAP bitmap, COLORREF transparent, CRgn& region)
{
    Vexel::PixelRows pixels;
    {
        Vexel::ScreenDC screen;
        if (!Vexel::ReadPixelRows(bitmap, screen, pixels))
            return false;
    }
    // Whole 32-bit words of 24-bit pixels: the columns past a multiple of 4 stay outside.
    const int width = pixels.width & ~3;
    const DWORD key = Vexel::PixelFromColor(transparent);
    std::vector<RECT> runs;
    for (int y = 0; y < pixels.height; ++y) {
        int x = 0;
        while (x < width) {
            if (pixels.Matches(x, y, key)) {
                ++x;
                continue;
            }
            const int from = x;
            while (x < width && !pixels.Matches(x, y, key))
                ++x;
            runs.push_back({from, y, x, y + 1});
        }
    }
    return Vexel::CreateRegionFromRects(runs, region) != FALSE;
}

void CTaskbarNotifier::SetTextFont(LPCWSTR face, int tenthsOfPoint, int normalStyle, int hoverStyle)
{
    MakeFont(m_normalFont, face, tenthsOfPoint, normalStyle);
    MakeFont(m_hoverFont, face, tenthsOfPoint, hoverStyle);
}

void CTaskbarNotifier::SetTextColor(COLORREF normal, COLORREF hover)
{
    m_normalColor = normal;
    m_hoverColor = hover;
    Redraw();
}

void CTaskbarNotifier::Redraw()
{
    if (m_hWnd)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CTaskbarNotifier::Show(LPCWSTR text, UINT appearMs, UINT stayMs, UINT hideMs, int)
{
    m_text = text;
    m_appearMs = appearMs;
    m_stayMs = stayMs;
    m_hideMs = hideMs;
    if (!m_hWnd)
        return;
    const ScreenArea area = GetSystemAnswers().GetScreenArea();

    switch (m_state) {
    case kIdle: {
        const SlidePlan plan =
            PlanSlide(FindTaskbarEdge(area.workArea, area.screen), area.workArea, SkinSize(), kStep, appearMs, hideMs);
        m_edge = plan.edge;
        m_start = plan.start;
        m_position = plan.start;
        m_appearTick = plan.appearTick;
        m_hideTick = plan.hideTick;
        // Shown without activation: a notice must not take the keyboard from the window the
        // user is typing in. The first tick places it.
        ShowWindow(SW_SHOWNOACTIVATE);
        SetTimer(kAppearTimer, m_appearTick);
        break;
    }
    case kAppearing:
        Redraw();
        break;
    case kWaiting:
        // The stay may have just ended (timer 3 started, its first tick not yet come).
        KillTimer(kHideTimer);
        SetTimer(kWaitTimer, m_stayMs);
        Redraw();
        break;
    case kDisappearing:
        KillTimer(kHideTimer);
        SetTimer(kWaitTimer, m_stayMs);
        m_position = ShownPosition(m_edge, area.workArea, SkinSize(), m_position);
        PlaceWindow();
        Redraw();
        break;
    }
}

void CTaskbarNotifier::Hide()
{
    // Every timer, whatever the state: one started just before a state change must not
    // bring the pop-up back.
    KillTimer(kAppearTimer);
    KillTimer(kWaitTimer);
    KillTimer(kHideTimer);
    SetWindowPos(nullptr, 0, 0, 0, 0, kPlaceFlags);
    ShowWindow(SW_HIDE);
    m_state = kIdle;
}

void CTaskbarNotifier::PlaceWindow()
{
    SetWindowPos(nullptr, m_position.x, m_position.y, m_skinWidth, m_skinHeight, kPlaceFlags);
}

void CTaskbarNotifier::OnTimer(UINT_PTR id)
{
    switch (id) {
    case kAppearTimer:
        OnAppearTick();
        break;
    case kWaitTimer:
        OnStayOver();
        break;
    case kHideTimer:
        OnHideTick();   // the object may be gone afterwards
        break;
    default:
        CWnd::OnTimer(id);
        break;
    }
}

void CTaskbarNotifier::OnAppearTick()
{
    m_state = kAppearing;
    if (StepIn(m_edge, m_start, SkinSize(), kStep, m_position)) {
        KillTimer(kAppearTimer);
        SetTimer(kWaitTimer, m_stayMs);
        m_state = kWaiting;
    }
    PlaceWindow();
}

void CTaskbarNotifier::OnStayOver()
{
    // The mouse over the pop-up does not hold it.
    KillTimer(kWaitTimer);
    SetTimer(kHideTimer, m_hideTick);
}

bool CTaskbarNotifier::OnHideTick()
{
    m_state = kDisappearing;
    const bool done = StepOut(m_edge, m_start, kStep, m_position);
    PlaceWindow();
    if (!done)
        return true;
    Hide();
    SendMessage(WM_CLOSE);   // destroys the window, and PostNcDestroy this object
    return false;
}

BOOL CTaskbarNotifier::OnEraseBkgnd(CDC* dc)
{
    if (!m_skin.GetSafeHandle() || !dc)
        return CWnd::OnEraseBkgnd(dc);
    Vexel::BitmapDC source(dc->GetSafeHdc(), m_skin);
    dc->BitBlt(0, 0, m_skinWidth, m_skinHeight, &source, 0, 0, SRCCOPY);
    return TRUE;
}

void CTaskbarNotifier::OnPaint()
{
    CPaintDC dc(this);
    CFont& font = m_hovered ? m_hoverFont : m_normalFont;
    const HGDIOBJ previousFont = font.GetSafeHandle() ? dc.SelectObject(font.GetSafeHandle()) : nullptr;
    dc.SetTextColor(m_hovered ? m_hoverColor : m_normalColor);
    dc.SetBkMode(TRANSPARENT);
    RECT textRect = m_textRect;
    dc.DrawText(m_text, &textRect, kTextFormat);
    if (previousFont)
        dc.SelectObject(previousFont);
}

BOOL CTaskbarNotifier::OnSetCursor(CWnd* window, UINT hitTest, UINT message)
{
    if (hitTest == HTCLIENT && m_handCursor) {
        ::SetCursor(m_handCursor);
        return TRUE;
    }
    return CWnd::OnSetCursor(window, hitTest, message);
}

void CTaskbarNotifier::OnMouseMove(UINT flags, CPoint point)
{
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, m_hWnd, 1};
    ::TrackMouseEvent(&track);
    CWnd::OnMouseMove(flags, point);
}

void CTaskbarNotifier::OnMouseHover(UINT, CPoint)
{
    if (m_hovered)
        return;
    m_hovered = true;
    Redraw();
}

void CTaskbarNotifier::OnMouseLeave()
{
    if (!m_hovered)
        return;
    m_hovered = false;
    Redraw();
}

void CTaskbarNotifier::OnLButtonUp(UINT flags, CPoint point)
{
    if (m_owner)
        ::PostMessageW(m_owner, WM_NOTIFIER_CLICKED, 0, 0);
    CWnd::OnLButtonUp(flags, point);
}
