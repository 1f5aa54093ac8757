#include "windows/contacts/ContactsWnd.h"

#include "framework/WinApp.h"
#include "resources/ProgramIds.h"
#include "resources/Resource.h"
#include "skin/model/SkinReader.h"
#include "skin/ui/RectCtrl.h"
#include "windows/SkinScrollBars.h"

#include <commctrl.h>

namespace {

constexpr DWORD kTreeStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TVS_FULLROWSELECT | TVS_EDITLABELS | TVS_HASBUTTONS;
constexpr int kGroupRowHeight = 32;
constexpr int kGroupIconSize = 16;

// A group icon of the program's resources at the size the tree draws it. Shared: the system
// keeps it for the life of the program, so nobody destroys it.
HICON GroupIcon(UINT id)
{
    return static_cast<HICON>(::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id), IMAGE_ICON, kGroupIconSize,
                                           kGroupIconSize, LR_SHARED));
}

} // namespace

BEGIN_MESSAGE_MAP(CContactsWnd, Vexel::CUIWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CContactsWnd::CContactsWnd() = default;

CContactsWnd::~CContactsWnd() = default;

void CContactsWnd::SetWindowID()
{
    m_nWindowID = IDW_CONTACTS;
}

int CContactsWnd::OnCreate(LPCREATESTRUCT cs)
{
    if (Vexel::CUIWnd::OnCreate(cs) == -1)
        return -1;
    // WM_SIZE places the tree over the placeholder.
    const RECT nowhere{0, 0, 0, 0};
    if (!m_tree.Create(kTreeStyle, nowhere, this, kTreeId))
        return -1;
    m_tree.EnableOwnScrollBars(TRUE);
    DressScrollBars();
    m_tree.SetGroupIcons(GroupIcon(IDI_GROUP_COLLAPSED), GroupIcon(IDI_GROUP_EXPANDED));
    m_tree.SetBkColor(RGB(0xFF, 0xFF, 0xFF));
    m_tree.SetItemHeight(kGroupRowHeight);
    return 0;
}

void CContactsWnd::DressScrollBars()
{
    const CString folder = Vexel::GetSkinFolder();
    DressSkinScrollBar(m_tree.GetHorzScrollBarEx(), kHorzScrollBarFiles, folder);
    DressSkinScrollBar(m_tree.GetVertScrollBarEx(), kVertScrollBarFiles, folder);
}

void CContactsWnd::OnSize(UINT type, int cx, int cy)
{
    Vexel::CUIWnd::OnSize(type, cx, cy);
    const Vexel::CRectCtrl* const placeholder = GetRectCtrl(IDC_RECT_Contacts);
    if (!placeholder || placeholder->GetID() == 0 || !HasTree())
        return;
    RECT area{};
    placeholder->GetRect(area);
    m_tree.MoveWindow(&area, TRUE);
}

// The records go while the tree window still exists (children are destroyed after us).
void CContactsWnd::OnDestroy()
{
    Vexel::CUIWnd::OnDestroy();
    if (HasTree())
        m_tree.DeleteAllNodes();
}

void CContactsWnd::OnSipEvent(SIPCallbackCommand* record)
{
    if (record && HasTree())
        m_tree.OnSipEvent(record);
}

void CContactsWnd::EditContact()
{
    if (HasTree())
        m_tree.OnAddContact();
}

void CContactsWnd::AddContact(const CString& number)
{
    if (HasTree())
        m_tree.AddContactWithNumber(number);
}

// Without drawing held, the tree view would lay out and repaint its rows once per row taken.
void CContactsWnd::EmptyTree()
{
    if (!HasTree())
        return;
    m_tree.SetRedraw(FALSE);
    m_tree.DeleteAllNodes();
    m_tree.SetRedraw(TRUE);
    m_tree.Invalidate(TRUE);
}
