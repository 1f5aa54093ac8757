// CTreeList: the hidden list of column texts, and what the tree part passes on to its
// tree list. Painting is in TreeListPaint.cpp.
#include "skin/ui/controls/TreeList.h"

#include "skin/ui/SkinMessages.h"
#include "skin/ui/controls/LayeredParent.h"
#include "skin/ui/controls/SkinHeaderCtrl.h"

namespace Vexel {

IMPLEMENT_DYNAMIC(CTreeList, CTreeCtrl)

namespace {

constexpr COLORREF kTreeBackground = RGB(255, 255, 255);

bool IsMouseOrHoverMessage(UINT message)
{
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSEWHEEL) || message == WM_MOUSEHOVER;
}

// Messages the tree list hears of after the tree part has done them, to keep its own scroll
// bar in step with the tree.
bool IsPassedOn(UINT message)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_MOUSEWHEEL:
    case TVM_DELETEITEM:
    case TVM_SORTCHILDREN:
    case TVM_ENSUREVISIBLE:
    case TVM_SORTCHILDRENCB:
        return true;
    default:
        return false;
    }
}

} // namespace

CTreeList::CTreeList() = default;

// The window goes first, while the hidden list and the images still exist: destroying
// the tree deletes its items, and the tree list removes their rows as it hears of it.
CTreeList::~CTreeList()
{
    if (::IsWindow(m_hWnd))
        DestroyWindow();
}

BOOL CTreeList::PreCreateWindow(CREATESTRUCTW& cs)
{
    cs.style |= TVS_NOHSCROLL;
    return CTreeCtrl::PreCreateWindow(cs);
}

int CTreeList::SetBackgroundImages(HBITMAP normal, HBITMAP disabled)
{
    m_backgroundNormal = SharedBitmap::Adopt(normal);
    m_backgroundDisabled = SharedBitmap::Adopt(disabled);
    return 1;
}

int CTreeList::SetBackgroundImages(const SharedBitmap& normal, const SharedBitmap& disabled)
{
    m_backgroundNormal = normal;
    m_backgroundDisabled = disabled;
    return 1;
}

int CTreeList::ReleaseImages()
{
    m_backgroundNormal.Release();
    m_backgroundDisabled.Release();
    return 0;
}

void CTreeList::SetHeaderCtrl(CSkinHeaderCtrl* header)
{
    m_headerCtrl = header;
}

CSkinHeaderCtrl* CTreeList::GetHeaderCtrl() const
{
    return m_headerCtrl;
}

int CTreeList::ColumnCount() const
{
    return m_headerCtrl && ::IsWindow(m_headerCtrl->GetSafeHwnd()) ? m_headerCtrl->GetItemCount() : 0;
}

int CTreeList::FindColumnRow(HTREEITEM item) const
{
    if (!item || !::IsWindow(m_columns.GetSafeHwnd()))
        return -1;
    LVFINDINFOW find{};
    find.flags = LVFI_PARAM;
    find.lParam = reinterpret_cast<LPARAM>(item);
    return static_cast<int>(m_columns.SendMessage(LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

bool CTreeList::ColumnTextInto(HTREEITEM item, int column, wchar_t* buffer, int capacity) const
{
    buffer[0] = L'\0';
    if (column == 0) {
        TVITEMW tree{};
        tree.mask = TVIF_TEXT;
        tree.hItem = item;
        tree.pszText = buffer;
        tree.cchTextMax = capacity;
        return GetItem(&tree) != FALSE;
    }
    if (column < 1 || column >= ColumnCount())
        return false;
    const int row = FindColumnRow(item);
    if (row < 0)
        return false;
    LVITEMW text{};
    text.iSubItem = column;
    text.pszText = buffer;
    text.cchTextMax = capacity;
    m_columns.SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&text));
    return true;
}

CString CTreeList::GetColumnText(HTREEITEM item, int column) const
{
    wchar_t buffer[kColumnTextCapacity];
    ColumnTextInto(item, column, buffer, kColumnTextCapacity);
    return CString(buffer);
}

BOOL CTreeList::SetColumnText(HTREEITEM item, int column, LPCWSTR text)
{
    if (column == 0)
        return SetItemText(item, text);
    if (column < 1 || column >= ColumnCount() || !item)
        return FALSE;
    int row = FindColumnRow(item);
    if (row < 0)
        row = MakeColumnRow(item);
    return row >= 0 && m_columns.SetItemText(row, column, text);
}

int CTreeList::MakeColumnRow(HTREEITEM item)
{
    if (!::IsWindow(m_columns.GetSafeHwnd()))
        return -1;
    LVITEMW row{};
    row.mask = LVIF_TEXT | LVIF_PARAM;
    row.iItem = m_columns.GetItemCount();   // at the end: nothing has to move
    row.pszText = const_cast<LPWSTR>(L"");
    row.lParam = reinterpret_cast<LPARAM>(item);
    return m_columns.InsertItem(&row);
}

LRESULT CTreeList::SendToTreeList(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(::GetParent(m_hWnd), message, wParam, lParam);
}

LRESULT CTreeList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsMouseOrHoverMessage(message)) {
        SendToTreeList(WM_VXL_CHILDMOUSE, MAKEWPARAM(message, GetDlgCtrlID()), lParam);
        if (message == WM_MOUSEMOVE) {
            TRACKMOUSEEVENT track{sizeof(track), TME_HOVER, m_hWnd, m_hoverTime};
            ::TrackMouseEvent(&track);
        }
    }
    if (IsPassedOn(message))
        return PassedOn(message, wParam, lParam);
    return Dispatch(message, wParam, lParam);
}

LRESULT CTreeList::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        const LRESULT created = CTreeCtrl::WindowProc(message, wParam, lParam);
        return created == -1 ? -1 : OnCreateTree();
    }
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case TVM_INSERTITEMW:
        return InsertItemPassedOn(wParam, lParam);
    case WM_VSCROLL:
    case TVM_EXPAND:
        return WithRedrawHeld(message, wParam, lParam);
    case WM_HSCROLL:
        Invalidate(TRUE);
        break;
    case WM_TIMER:
        if (wParam == kLabelEditTimer) {
            Invalidate(TRUE);
            SendToTreeList(WM_TIMER, wParam, lParam);
        }
        break;
    case WM_SETREDRAW:
        m_redrawEnabled = static_cast<BOOL>(wParam);
        break;
    case kGetRedrawState:
        return m_redrawEnabled;
    case kSetRedrawState:
        m_redrawEnabled = static_cast<BOOL>(lParam);
        return 0;
    case WM_WINDOWPOSCHANGED:
        // The tree list paints nothing where its tree part lies, layered or not.
        if (lParam)
            RepaintOverParent(m_hWnd, *reinterpret_cast<const WINDOWPOS*>(lParam));
        break;
    default:
        break;
    }
    return CTreeCtrl::WindowProc(message, wParam, lParam);
}

int CTreeList::OnCreateTree()
{
    if (!m_columns.Create(0, RECT{0, 0, 0, 0}, this, kColumnListId))
        return -1;
    SetBkColor(kTreeBackground);
    return 0;
}

LRESULT CTreeList::InsertItemPassedOn(WPARAM wParam, LPARAM lParam)
{
    const auto item = reinterpret_cast<HTREEITEM>(CTreeCtrl::WindowProc(TVM_INSERTITEMW, wParam, lParam));
    if (!item)
        return 0;
    // The item's row in the hidden list waits for its first text in a column 1..: a list
    // with one column (or thousands of items) never pays for rows it does not use.
    // The tree list lays its scroll bar out again for the longer tree.
    SendToTreeList(TVM_INSERTITEMW, wParam, lParam);
    return reinterpret_cast<LRESULT>(item);
}

// Straight to the tree view: each message's way through this window and on to the tree list
// would cost more than the insertion itself.
size_t CTreeList::InsertItems(TVINSERTSTRUCTW* inserts, size_t count, HTREEITEM* items)
{
    size_t inserted = 0;
    const TVINSERTSTRUCTW* last = nullptr;
    for (size_t i = 0; i < count; ++i) {
        items[i] = reinterpret_cast<HTREEITEM>(DefWindowProc(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&inserts[i])));
        if (items[i]) {
            ++inserted;
            last = &inserts[i];
        }
    }
    if (last)
        SendToTreeList(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(last));
    return inserted;
}

// Scrolling and expanding with redraw held, so the tree appears once, complete.
LRESULT CTreeList::WithRedrawHeld(UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool hold = IsWindowVisible() && m_redrawEnabled;
    if (hold)
        SendMessage(WM_SETREDRAW, FALSE);
    const LRESULT result = CTreeCtrl::WindowProc(message, wParam, lParam);
    if (hold) {
        SendMessage(WM_SETREDRAW, TRUE);
        Invalidate(message == TVM_EXPAND);
        UpdateWindow();
    }
    // The tree list follows with its own scroll bar.
    if (message == WM_VSCROLL)
        SendToTreeList(WM_VSCROLL, wParam, 0);
    else
        SendToTreeList(TVM_EXPAND, wParam, lParam);
    return result;
}

LRESULT CTreeList::PassedOn(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = Dispatch(message, wParam, lParam);
    SendToTreeList(message, wParam, lParam);
    return result;
}

} // namespace Vexel
