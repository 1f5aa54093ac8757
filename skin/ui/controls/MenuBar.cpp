#include "skin/ui/controls/MenuBar.h"

#include "framework/CallbackGuard.h"
#include "framework/Menu.h"
#include "framework/WndDC.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/BitmapCopies.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/SkinFonts.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/controls/SkinButton.h"

#include <algorithm>

namespace Vexel {
namespace {

constexpr wchar_t kButtonIndexProperty[] = L"VXL_MENUBAR_BUTTON_INDEX";
constexpr wchar_t kWindowName[] = L"Menu bar";

// The bar whose menu the thread is tracking, for the key filter; the user-interface thread
// is the only one that touches it.
CMenuBar* g_trackingBar = nullptr;
HHOOK g_keyFilter = nullptr;

HBITMAP CopyOf(const CBitmap& image)
{
    CBitmap copy;
    CopyBitmap(&copy, image);
    return static_cast<HBITMAP>(copy.Detach());
}

std::unique_ptr<CFont> FontCopy(const CFont& font)
{
    if (!font.GetSafeHandle())
        return nullptr;
    auto copy = std::make_unique<CFont>();
    if (CopyFont(&font, copy.get()) != 0)
        return nullptr;
    return copy;
}

// The bar, its key filter and the tracked bar put back when one menu's run ends.
class TrackingScope {
public:
    explicit TrackingScope(CMenuBar* bar, HOOKPROC filter) : m_previousBar(g_trackingBar), m_previousHook(g_keyFilter)
    {
        g_trackingBar = bar;
        g_keyFilter = ::SetWindowsHookExW(WH_MSGFILTER, filter, nullptr, ::GetCurrentThreadId());
    }
    ~TrackingScope()
    {
        if (g_keyFilter)
            ::UnhookWindowsHookEx(g_keyFilter);
        g_keyFilter = m_previousHook;
        g_trackingBar = m_previousBar;
    }
    TrackingScope(const TrackingScope&) = delete;
    TrackingScope& operator=(const TrackingScope&) = delete;

private:
    CMenuBar* m_previousBar;
    HHOOK m_previousHook;
};

} // namespace

IMPLEMENT_DYNAMIC(CMenuBar, CWnd)

BEGIN_MESSAGE_MAP(CMenuBar, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_VXL_MENUBARMOUSEMOVE, &CMenuBar::OnMenuMouseMove)
END_MESSAGE_MAP()

CMenuBar::CMenuBar() = default;

CMenuBar::~CMenuBar() = default;

BOOL CMenuBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(nullptr, kWindowName, style | WS_CHILD, rect, parent, id);
}

// --- Style and buttons --------------------------------------------------------------

int CMenuBar::SetMenuProperties(CTRLPROPERTIES* record)
{
    if (m_menu.GetSafeHmenu())
        return -1;
    if (!record)
        return -2;
    return m_menu.ApplyProperties(record) == 0 ? 0 : -3;
}

int CMenuBar::SetMenuStyle(LPCWSTR styleId)
{
    if (m_menu.GetSafeHmenu())
        return -1;
    if (!styleId)
        return -2;
    CTRLPROPERTIES* const style = g_skinStore.FindStyle(StyleKind::Menu, styleId);
    return style ? SetMenuProperties(style) : -3;
}

BOOL CMenuBar::LoadMenu(UINT id)
{
    if (!::IsWindow(m_hWnd) || m_menu.GetSafeHmenu())
        return FALSE;
    CMenu source;
    if (!source.LoadMenu(MAKEINTRESOURCEW(id & 0xFFFF)) || !m_menu.LoadMenu(id))
        return FALSE;
    const int count = source.GetMenuItemCount();
    for (int position = 0; position < count; ++position) {
        wchar_t text[256] = {};
        source.GetMenuString(static_cast<UINT>(position), text, 255, MF_BYPOSITION);
        auto button = std::make_unique<CSkinButton>();
        const RECT none{0, 0, 0, 0};
        if (!button->Create(text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, none, this,
                            kFirstButtonId + static_cast<UINT>(position)))
            continue;
        ::SetPropW(*button, kButtonIndexProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(position)));
        DressButton(*button);
        m_buttons.push_back(std::move(button));
    }
    LayOutButtons();
    return TRUE;
}

CSkinButton* CMenuBar::GetButton(int position) const
{
    return position >= 0 && position < GetButtonCount() ? m_buttons[static_cast<size_t>(position)].get() : nullptr;
}

int CMenuBar::SetButtonImages(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled)
{
    const HBITMAP given[kStates] = {normal, highlight, selected, disabled};
    for (int i = 0; i < kStates; ++i)
        HandBitmap(m_images[i], given[i]);
    for (CBitmap& checked : m_checkedImages)
        HandBitmap(checked, m_images[2].GetSafeHandle() ? CopyOf(m_images[2]) : nullptr);
    for (const auto& button : m_buttons)
        DressButton(*button);
    LayOutButtons();
    return 0;
}

int CMenuBar::SetButtonColors(COLORREF normal, COLORREF highlight, COLORREF selected, COLORREF disabled)
{
    const COLORREF given[kStates] = {normal, highlight, selected, disabled};
    std::copy(std::begin(given), std::end(given), std::begin(m_colors));
    for (const auto& button : m_buttons) {
        button->SetTextColors(normal, highlight, selected, disabled, FALSE);
        button->SetCheckedTextColors(normal, highlight, selected, disabled, FALSE);
        button->RedrawControl(button.get());
    }
    return 0;
}

int CMenuBar::SetButtonFonts(const CFont* normal, const CFont* highlight, const CFont* selected,
                             const CFont* disabled)
{
    const CFont* const given[kStates] = {normal, highlight, selected, disabled};
    for (int i = 0; i < kStates; ++i) {
        if (given[i] && given[i]->GetSafeHandle()) {
            m_fonts[i].DeleteObject();
            CopyFont(given[i], &m_fonts[i]);
        }
    }
    for (const auto& button : m_buttons)
        DressButton(*button);
    LayOutButtons();
    return 0;
}

int CMenuBar::SetResizePoint(POINT point)
{
    m_resizePoint = point;
    for (const auto& button : m_buttons) {
        button->SetResizePoint(&m_resizePoint);
        button->RedrawControl(button.get());
    }
    return 0;
}

// Each button holds copies of the bar's images and fonts, and frees them itself.
void CMenuBar::DressButton(CSkinButton& button)
{
    button.SetBitmaps(CopyOf(m_images[0]), CopyOf(m_images[1]), CopyOf(m_images[2]), CopyOf(m_images[3]), TRUE,
                      FALSE);
    if ((button.GetStyle() & 0x3) == 0x3)
        button.SetCheckedBitmaps(CopyOf(m_checkedImages[0]), CopyOf(m_checkedImages[1]), CopyOf(m_checkedImages[2]),
                                 CopyOf(m_checkedImages[3]), TRUE);
    button.SetResizePoint(&m_resizePoint);
    button.SetTextColors(m_colors[0], m_colors[1], m_colors[2], m_colors[3], FALSE);
    button.SetCheckedTextColors(m_colors[0], m_colors[1], m_colors[2], m_colors[3], FALSE);
    button.SetTextHorAlign(3, 3, 3, 3);
    button.SetFonts(FontCopy(m_fonts[0]), FontCopy(m_fonts[1]), FontCopy(m_fonts[2]), FontCopy(m_fonts[3]), FALSE);
    button.SetCheckedFonts(FontCopy(m_fonts[0]), FontCopy(m_fonts[1]), FontCopy(m_fonts[2]), FontCopy(m_fonts[3]));
    button.RedrawControl(&button);
}

// Left to right from the bar's left edge, each as wide as its text and the margin and as
// high as the normal image or its text and the margin; the bar then covers the row.
void CMenuBar::LayOutButtons()
{
    if (!::IsWindow(m_hWnd))
        return;
    ScreenDC dc;
    CFont fallback;
    if (!m_fonts[0].GetSafeHandle())
        fallback.CreateFontIndirect(&DefaultSkinFont());
    const HGDIOBJ previous =
        ::SelectObject(dc, m_fonts[0].GetSafeHandle() ? m_fonts[0].GetSafeHandle() : fallback.GetSafeHandle());
    SIZE image{0, 0};
    GetBitmapSize(m_images[0], image);
    int x = 0;
    int rowHeight = 0;
    for (const auto& button : m_buttons) {
        CString text;
        button->GetWindowText(text);
        RECT measured{0, 0, 0, 0};
        ::DrawTextW(dc, text, -1, &measured, DT_CALCRECT | DT_SINGLELINE);
        const int w = m_horizontalMargin + measured.right;
        const int h = std::max<int>(image.cy, m_verticalMargin + measured.bottom);
        button->MoveWindow(x, 0, w, h, TRUE);
        x += w;
        rowHeight = std::max(rowHeight, h);
    }
    ::SelectObject(dc, previous);
    SetWindowPos(nullptr, 0, 0, x, rowHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int CMenuBar::ReleaseImages()
{
    for (CBitmap& image : m_images)
        image.DeleteObject();
    for (CBitmap& image : m_checkedImages)
        image.DeleteObject();
    for (CFont& font : m_fonts)
        font.DeleteObject();
    return 0;
}

// The menu's images, the buttons with what they hold, then the bar's own.
void CMenuBar::OnDestroyBar()
{
    m_menu.ReleaseImages();
    for (const auto& button : m_buttons) {
        if (::IsWindow(button->GetSafeHwnd())) {
            ::RemovePropW(*button, kButtonIndexProperty);
            button->ReleaseImages();
            button->DestroyWindow();
        }
    }
    m_buttons.clear();
    ReleaseImages();
}

// --- Showing the menus ----------------------------------------------------------------

bool CMenuBar::IsOwnButton(HWND window) const
{
    return window && window != m_hWnd && ::GetParent(window) == m_hWnd;
}

// One menu after the other in a loop, not by calling itself, so switching between the
// menus any number of times takes no more stack; the loop ends when a menu closes for any
// other reason than a switch.
int CMenuBar::ShowButtonMenu(UINT buttonId)
{
    UINT id = buttonId;
    for (bool first = true;; first = false) {
        CWnd* const button = GetDlgItem(static_cast<int>(id));
        if (!button || !IsOwnButton(button->GetSafeHwnd())) {
            m_current = -1;
            return first ? -1 : 0;
        }
        m_current = static_cast<int>(id);
        m_next = 0;
        const int position = static_cast<int>(reinterpret_cast<INT_PTR>(::GetPropW(*button, kButtonIndexProperty)));
        RECT place;
        button->GetWindowRect(&place);
        ::SetForegroundWindow(::GetAncestor(m_hWnd, GA_ROOT));
        CMenu* const found = CMenu::FromHandlePermanent(::GetSubMenu(m_menu, position));
        if (!found || !found->IsKindOf(RUNTIME_CLASS(CSkinMenu))) {
            m_current = -1;
            return first ? 1 : 0;
        }
        auto* const menu = static_cast<CSkinMenu*>(found);
        const HWND buttonWindow = button->GetSafeHwnd();
        ::SendMessageW(buttonWindow, BM_SETSTATE, TRUE, 0);
        m_selectedMenu = nullptr;
        m_selectedFlags = 0;
        {
            TrackingScope scope(this, &CMenuBar::MenuKeyFilter);
            menu->TrackPopupMenu(0, place.left, place.bottom, this);
        }
        if (!::IsWindow(m_hWnd))
            return 0;   // a command closed the window the bar lives in
        if (::IsWindow(buttonWindow))
            ::SendMessageW(buttonWindow, BM_SETSTATE, FALSE, 0);
        if (m_next <= 0 || m_next == m_current)
            break;
        id = static_cast<UINT>(m_next);
    }
    m_current = -1;
    m_next = -1;
    return 0;
}

void CMenuBar::SwitchTo(UINT next)
{
    m_next = static_cast<int>(next);
    SendMessage(WM_CANCELMODE);
}

LRESULT CMenuBar::OnMenuMouseMove(WPARAM wParam, LPARAM lParam)
{
    const POINT cursor{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const HWND under = ::WindowFromPoint(cursor);
    const CWnd* const current = m_current > 0 ? GetDlgItem(m_current) : nullptr;
    if (IsOwnButton(under) && (!current || under != current->GetSafeHwnd()) && under != reinterpret_cast<HWND>(wParam)) {
        SwitchTo(static_cast<UINT>(::GetDlgCtrlID(under)));
        return 1;
    }
    m_next = 0;
    return 0;
}

// Left and Right move to the neighbouring button's menu where the menu has no use for
// them: Right on an item that opens no sub-menu, Left in the bar's menu itself.
bool CMenuBar::OnMenuKey(UINT key)
{
    if (m_current <= 0 || m_buttons.empty())
        return false;
    const int position = m_current - static_cast<int>(kFirstButtonId);
    const HMENU top = ::GetSubMenu(m_menu, position);
    if (key == VK_RIGHT && (m_selectedFlags & MF_POPUP))
        return false;
    if (key == VK_LEFT && m_selectedMenu && m_selectedMenu != top)
        return false;
    const int count = GetButtonCount();
    const int step = key == VK_RIGHT ? 1 : count - 1;
    SwitchTo(kFirstButtonId + static_cast<UINT>((position + step) % count));
    return true;
}

LRESULT CALLBACK CMenuBar::MenuKeyFilter(int code, WPARAM wParam, LPARAM lParam)
{
    try {
        const auto* const msg = reinterpret_cast<const MSG*>(lParam);
        if (code == MSGF_MENU && msg && msg->message == WM_KEYDOWN && g_trackingBar &&
            (msg->wParam == VK_LEFT || msg->wParam == VK_RIGHT) && g_trackingBar->OnMenuKey(static_cast<UINT>(msg->wParam)))
            return 1;
    } catch (...) {
        AfxReportCallbackException("menu bar key filter");
    }
    return ::CallNextHookEx(g_keyFilter, code, wParam, lParam);
}

BOOL CMenuBar::PreTranslateMessage(MSG* msg)
{
    if (IsOwnButton(msg->hwnd)) {
        const bool click = msg->message == WM_LBUTTONDOWN;
        const bool key = msg->message == WM_KEYDOWN &&
                         (msg->wParam == VK_DOWN || msg->wParam == VK_RETURN || msg->wParam == VK_SPACE);
        if ((click || key) && ShowButtonMenu(static_cast<UINT>(::GetDlgCtrlID(msg->hwnd))) == 0)
            return TRUE;
    }
    return CWnd::PreTranslateMessage(msg);
}

// --- Messages -----------------------------------------------------------------------

// Only the parent's background: the buttons cover the bar.
void CMenuBar::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CBitmap composed;
    if (client.IsRectEmpty() || !composed.CreateCompatibleBitmap(&dc, client.Width(), client.Height()))
        return;
    BitmapDC composedDC(dc, composed);
    RECT inParent = client;
    MapWindowPoints(GetParent(), &inParent);
    DrawParentBackground(this, &composedDC, inParent);
    dc.BitBlt(0, 0, client.Width(), client.Height(), &composedDC, 0, 0, SRCCOPY);
}

LRESULT CMenuBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_MENUCOMMAND:
        // A chosen command goes on to the parent; the buttons' own notifications stay here.
        if (!IsOwnButton(reinterpret_cast<HWND>(lParam)) || message == WM_MENUCOMMAND) {
            if (CWnd* const parent = GetParent())
                parent->SendMessage(message, wParam, lParam);
        }
        break;
    case WM_INITMENUPOPUP:
        if (AfxGetTrackingWindow() == m_hWnd) {
            if (CWnd* const parent = GetParent())
                parent->SendMessage(message, wParam, lParam);
        }
        break;
    case WM_MENUSELECT:
        m_selectedFlags = HIWORD(wParam);
        m_selectedMenu = reinterpret_cast<HMENU>(lParam);
        break;
    case WM_EXITMENULOOP:
        ::ReleaseCapture();
        break;
    case WM_VXL_MENUBARTRACKING:
        CWnd::WindowProc(message, wParam, lParam);
        return 1;
    case WM_DESTROY:
        OnDestroyBar();
        break;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

} // namespace Vexel
