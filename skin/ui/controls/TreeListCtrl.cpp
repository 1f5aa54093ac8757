// CTreeListCtrl: its class and parts, its record, columns and items, and what it does with
// the messages of its parts. The layout and the own scroll bar are in TreeListCtrlLayout.cpp.
#include "skin/ui/controls/TreeListCtrl.h"

#include "framework/WndDC.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/ControlBase.h"
#include "skin/ui/RecordRead.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/SkinWindowClass.h"
#include "skin/ui/StateImages.h"
#include "skin/ui/controls/LayeredParent.h"
#include "skin/ui/controls/TreeListCtrlPrivate.h"

namespace Vexel {

IMPLEMENT_DYNAMIC(CTreeListCtrl, CWnd)

BEGIN_MESSAGE_MAP(CTreeListCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

// What shows where no part lies.
constexpr COLORREF kUncovered = RGB(0x80, 0x80, 0x80);
constexpr DWORD kHeaderStyle = WS_CHILD | WS_VISIBLE | HDS_BUTTONS | HDS_DRAGDROP | HDS_FULLDRAG;

// Changes of the tree after which the own scroll bar is brought into step: the tree part
// passes these on once it has done them.
bool ChangesTheTree(UINT message)
{
    switch (message) {
    case TVM_INSERTITEMW:
    case TVM_DELETEITEM:
    case TVM_SORTCHILDREN:
    case TVM_SORTCHILDRENCB:
    case TVM_ENSUREVISIBLE:
    case TVM_EXPAND:
    case WM_MOUSEWHEEL:
        return true;
    default:
        return false;
    }
}

bool IsNavigationKey(WPARAM key)
{
    return key >= VK_PRIOR && key <= VK_DOWN;
}

} // namespace

CTreeListCtrl::CTreeListCtrl() : m_private(std::make_unique<TreeListCtrlPrivate>()) {}

// The window goes first, while its parts' objects still exist to hear of it.
CTreeListCtrl::~CTreeListCtrl()
{
    if (::IsWindow(m_hWnd))
        DestroyWindow();
}

BOOL CTreeListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id, int headerHeight, BOOL ownScrollBar,
                           int scrollBarWidth)
{
    TreeListCtrlPrivate& p = *m_private;
    p.headerHeight = headerHeight;
    p.ownScrollBar = ownScrollBar;
    p.scrollBarWidth = scrollBarWidth;
    // Registered by the first tree list; later ones find it there.
    if (!RegisterSkinWindowClass(kClassName))
        return FALSE;
    return CWnd::Create(kClassName, nullptr, style, rect, parent, id);
}

int CTreeListCtrl::OnCreateParts(const CREATESTRUCTW& create)
{
    TreeListCtrlPrivate& p = *m_private;
    const int height = p.headerHeight;
    const DWORD style = static_cast<DWORD>(create.style);
    // With its own scroll bar the tree part reaches past the right edge, so its native bar
    // lies outside. It is visible whatever the tree list is: it shows and hides with it.
    const int treeWidth = p.ownScrollBar ? create.cx + ::GetSystemMetrics(SM_CXVSCROLL) : create.cx;
    if (!p.tree.Create(style | WS_VISIBLE, RECT{0, height, treeWidth, create.cy}, this, kTreeId))
        return -1;
    if (p.ownScrollBar) {
        RECT client;
        GetClientRect(&client);
        const RECT bar{client.right - p.scrollBarWidth, height, client.right, client.bottom};
        if (!p.vScroll.Create(WS_CHILD | SBS_VERT | SBS_LEFTALIGN, bar, this, kScrollBarId))
            return -1;
    }
    if (!p.header.Create(kHeaderStyle | (style & WS_BORDER), RECT{0, 0, create.cx, height}, this, kHeaderId))
        return -1;
    p.header.SetOwnerTree(&p.tree);
    p.tree.SetHeaderCtrl(&p.header);
    p.header.SetHeight(height);
    p.header.SendMessage(WM_SETFONT, static_cast<WPARAM>(SendMessage(WM_GETFONT)), TRUE);
    return 0;
}

int CTreeListCtrl::ApplyStyle(LPCWSTR styleId)
{
    return ApplyNamedStyle(*this, StyleKind::TreeList, styleId);
}

int CTreeListCtrl::ApplyProperties(CTRLPROPERTIES* record)
{
    const int checked = CheckApplyRecord(this, record, L"TREELIST");
    if (checked != 0)
        return checked;
    if (record_read::Switch(*record, CtrlVar::IsSpecifyImages)) {
        SharedBitmap normal;
        SharedBitmap disabled;
        LoadTwoStateImages(record, &normal, &disabled);
        m_private->tree.SetBackgroundImages(normal, disabled);
    }
    return 0;
}

int CTreeListCtrl::InsertColumn(int column, LPCWSTR heading, int format, int width, int subItem)
{
    TreeListCtrlPrivate& p = *m_private;
    HDITEMW item{};
    item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT;
    item.cxy = width;
    item.fmt = HDF_STRING;
    item.pszText = const_cast<LPWSTR>(heading ? heading : L"");
    p.header.InsertItem(column, &item);
    return p.tree.GetColumnList().InsertColumn(column, heading, format, width, subItem);
}

HTREEITEM CTreeListCtrl::InsertItem(LPCWSTR text, HTREEITEM parent, HTREEITEM after)
{
    return m_private->tree.InsertItem(text, parent, after);
}

int CTreeListCtrl::SetScrollBarImages(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled)
{
    return m_private->vScroll.SetImages(normal, highlight, selected, disabled, TRUE);
}

int CTreeListCtrl::SetScrollBarThumbImages(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled)
{
    return m_private->vScroll.SetThumbImages(normal, highlight, selected, disabled, TRUE);
}

CTreeList* CTreeListCtrl::GetTreeList()
{
    return &m_private->tree;
}

CScrollBarEx* CTreeListCtrl::GetVertScrollBarEx()
{
    return m_private->ownScrollBar ? &m_private->vScroll : nullptr;
}

CSkinHeaderCtrl* CTreeListCtrl::GetHeaderCtrl()
{
    return &m_private->header;
}

int CTreeListCtrl::GetHeaderHeight() const
{
    return m_private->headerHeight;
}

int CTreeListCtrl::ReleaseImages()
{
    return m_private->tree.ReleaseImages();
}

void CTreeListCtrl::OnPaint()
{
    CPaintDC paint(this);
    RECT client;
    GetClientRect(&client);
    paint.FillSolidRect(&client, kUncovered);
}

BOOL CTreeListCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

LRESULT CTreeListCtrl::AfterBase(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
    UpdateScrollBar();
    return result;
}

LRESULT CTreeListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        if (CWnd::WindowProc(message, wParam, lParam) == -1)
            return -1;
        return OnCreateParts(*reinterpret_cast<const CREATESTRUCTW*>(lParam));
    case WM_SIZE: {
        const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
        LayOutParts();
        UpdateScrollBar();
        return result;
    }
    case WM_WINDOWPOSCHANGED:
        if (lParam)
            RepaintOverLayeredParent(m_hWnd, *reinterpret_cast<const WINDOWPOS*>(lParam));
        break;
    case WM_KEYUP:
        if (IsNavigationKey(wParam))
            return AfterBase(message, wParam, lParam);
        break;
    case WM_TIMER:
        if (wParam == CTreeList::kLabelEditTimer)
            return AfterBase(message, wParam, lParam);
        break;
    case WM_VSCROLL: {
        const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
        // The own bar tells the tree part what to do; the tree part's own report of a
        // scroll comes without a bar.
        if (lParam && reinterpret_cast<HWND>(lParam) == m_private->vScroll.GetSafeHwnd())
            m_private->tree.SendMessage(WM_VSCROLL, wParam, lParam);
        UpdateScrollBar();
        return result;
    }
    case WM_VXL_CHILDMOUSE:
        // The tree list's parent hears of the mouse first, then a derived class here.
        ::SendMessageW(::GetParent(m_hWnd), message, wParam, lParam);
        break;
    default:
        // While the tree part's redraw is held, many changes come at once: the bar follows
        // when the holder lets go (UpdateScrollBar), not after each of them.
        if (ChangesTheTree(message) && m_private->tree.SendMessage(CTreeList::kGetRedrawState) != 0)
            return AfterBase(message, wParam, lParam);
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CTreeListCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const NMHDR* const header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header)
        return FALSE;
    TreeListCtrlPrivate& p = *m_private;
    // Expanding with the tree part's redraw off: unless a handler here refuses the
    // expansion, which then never ends with TVN_ITEMEXPANDEDW to switch it on again.
    const BOOL handled = CWnd::OnNotify(wParam, lParam, result);
    const bool refused = handled && *result != 0;
    if (header->hwndFrom == p.tree.GetSafeHwnd()) {
        OnTreeNotify(*header, refused);
        return TRUE;
    }
    if (header->hwndFrom == p.header.GetSafeHwnd()) {
        OnHeaderNotify(*header, handled);
        return TRUE;
    }
    return handled;
}

void CTreeListCtrl::OnHeaderNotify(const NMHDR& header, BOOL handled)
{
    if (header.code == static_cast<UINT>(HDN_ITEMCHANGEDW)) {
        m_private->tree.Invalidate(TRUE);
    } else if (header.code == static_cast<UINT>(HDN_ITEMCLICKW) && !handled) {
        // A click on a column reads to the parent as a list view's column click.
        NMLISTVIEW click{};
        click.hdr.hwndFrom = m_hWnd;
        click.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
        click.hdr.code = static_cast<UINT>(LVN_COLUMNCLICK);
        click.iItem = -1;
        click.iSubItem = reinterpret_cast<const NMHEADERW&>(header).iItem;
        ::SendMessageW(::GetParent(m_hWnd), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
    }
}

void CTreeListCtrl::OnTreeNotify(const NMHDR& header, bool refused)
{
    CTreeList& tree = m_private->tree;
    const bool redrawing = tree.SendMessage(CTreeList::kGetRedrawState) != 0;
    switch (header.code) {
    case TVN_ITEMEXPANDINGW:
        if (redrawing && !refused) {
            tree.SendMessage(WM_SETREDRAW, FALSE);
            tree.SendMessage(CTreeList::kSetRedrawState, 0, TRUE);
        }
        break;
    case TVN_ITEMEXPANDEDW:
        if (redrawing) {
            tree.SendMessage(WM_SETREDRAW, TRUE);
            tree.Invalidate(TRUE);
            tree.UpdateWindow();
            UpdateScrollBar();
        }
        break;
    case TVN_DELETEITEMW: {
        // The deleted item's column texts go with it, so no later item can inherit them.
        const int row = tree.FindColumnRow(reinterpret_cast<const NMTREEVIEWW&>(header).itemOld.hItem);
        if (row >= 0)
            tree.GetColumnList().DeleteItem(row);
        break;
    }
    default:
        break;
    }
}

} // namespace Vexel
