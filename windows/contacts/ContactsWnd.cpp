#include "windows/contacts/ContactsWnd.h"

#include "framework/WinApp.h"
#include "resources/ProgramIds.h"
#include "resources/Resource.h"
#include "skin/model/SkinReader.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/RectCtrl.h"
#include "skin/ui/SkinImageStore.h"
#include "skin/ui/controls/ScrollBarEx.h"
#include "windows/SkinScrollBars.h"

#include <commctrl.h>

namespace {

constexpr DWORD kTreeStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TVS_FULLROWSELECT | TVS_EDITLABELS | TVS_HASBUTTONS;
constexpr int kGroupRowHeight = 32;
constexpr int kGroupIconSize = 16;

// A bar's images in the order normal, highlight, selected, disabled.
struct BarImages {
    LPCWSTR track[4];
    LPCWSTR thumb[4];
};
constexpr BarImages kHorzImages = {
    {L"HScrollBar_N.bmp", L"HScrollBar_H.bmp", L"HScrollBar_S.bmp", L"HScrollBar_D.bmp"},
    {L"HScrollBarThumb_N.bmp", L"HScrollBarThumb_H.bmp", L"HScrollBarThumb_S.bmp", L"HScrollBarThumb_D.bmp"}};
constexpr BarImages kVertImages = {
    {L"ScrollBar_N.bmp", L"ScrollBar_H.bmp", L"ScrollBar_S.bmp", L"ScrollBar_D.bmp"},
    {L"ScrollBarThumb_N.bmp", L"ScrollBarThumb_H.bmp", L"ScrollBarThumb_S.bmp", L"ScrollBarThumb_D.bmp"}};

// Shared skin images: the bar holds its parts cut from the track images, and the thumb
// images, as every other bar dressed from the same files does.
void DressBar(Vexel::CScrollBarEx* bar, const BarImages& images, const CString& folder)
{
    if (!bar)
        return;
    bar->SetLeftUpButtonSize(kScrollArrowLength);
    bar->SetRightDownButtonSize(kScrollArrowLength);
    Vexel::SharedBitmap track[4];
    for (int i = 0; i < 4; ++i)
        track[i] = Vexel::SharedFileImage(folder + images.track[i], false);
    bar->SetImages(track, TRUE);

    Vexel::SharedBitmap thumb[4];
    for (int i = 0; i < 4; ++i)
        thumb[i] = Vexel::SharedFileImage(folder + images.thumb[i], false);
    bar->SetThumbImages(thumb, TRUE);
}

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
    DressBar(m_tree.GetHorzScrollBarEx(), kHorzImages, folder);
    DressBar(m_tree.GetVertScrollBarEx(), kVertImages, folder);
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
