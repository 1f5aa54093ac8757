// CContactsTree: drawing a row. A row lies between two separator lines, filled white or, when
// selected, with the selection colour; a group row shows its icon and name, a contact row its
// avatar and three lines: name, address, presence status.
#include "windows/contacts/ContactsTree.h"

#include "skin/ui/DcScopes.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kNameColor = RGB(117, 117, 117);
constexpr COLORREF kAddressColor = RGB(152, 166, 175);
constexpr COLORREF kStatusColor = RGB(117, 117, 117);

void DrawLine(CDC& dc, const CString& text, HFONT font, COLORREF color, RECT box, UINT format)
{
    const Vexel::SelectedObject selected(dc, font);
    dc.SetTextColor(color);
    dc.DrawText(text, &box, format | DT_NOPREFIX);
}

} // namespace

int CContactsTree::DrawItem(CDC* dc, HTREEITEM item)
{
    RECT row;
    RECT text;
    if (!dc || !item || !GetItemRect(item, &row, FALSE) || !GetItemRect(item, &text, TRUE))
        return 0;
    const UINT state = GetItemState(item, TVIS_SELECTED | TVIS_EXPANDED);
    {
        const Vexel::SelectedObject pen(*dc, ::GetStockObject(DC_PEN));
        ::SetDCPenColor(*dc, m_separatorColor);
        dc->MoveTo(row.left, row.top);
        dc->LineTo(row.right, row.top);
        dc->MoveTo(row.left, row.bottom);
        dc->LineTo(row.right, row.bottom);
    }
    const RECT fill{row.left, row.top + 1, row.right, row.bottom - 1};
    dc->FillSolidRect(&fill, (state & TVIS_SELECTED) ? m_selectedFillColor : kWhite);
    dc->SetBkMode(TRANSPARENT);

    if (!GetParentItem(item))
        DrawGroupRow(*dc, item, row, text, state);
    else if (const ContactItemData* record = GetContactData(item))
        DrawContactRow(*dc, *record, row, text);
    return 0;
}

void CContactsTree::DrawGroupRow(CDC& dc, HTREEITEM item, const RECT& row, const RECT& text, UINT state)
{
    const HICON icon = (state & TVIS_EXPANDED) ? m_expandedIcon : m_collapsedIcon;
    if (icon)
        ::DrawIconEx(dc, text.left, row.top + 8, icon, 16, 16, 0, nullptr, DI_NORMAL);
    DrawLine(dc, GetItemText(item), m_groupFont, kBlack, RECT{text.left + 20, row.top, row.right, row.bottom},
             DT_SINGLELINE | DT_VCENTER);
}

void CContactsTree::DrawContactRow(CDC& dc, const ContactItemData& record, const RECT& row, const RECT& text)
{
    if (record.icon)
        ::DrawIconEx(dc, text.left, row.top + 5, record.icon.Get(), 50, 50, 0, nullptr, DI_NORMAL);
    const int left = text.left + 60;
    DrawLine(dc, record.displayName, m_nameFont, kNameColor, RECT{left, row.top + 6, row.right, row.top + 22},
             DT_SINGLELINE);
    DrawLine(dc, record.sipUri, m_detailFont, kAddressColor, RECT{left, row.top + 24, row.right, row.top + 38},
             DT_SINGLELINE | DT_VCENTER);
    DrawLine(dc, record.status, m_detailFont, kStatusColor, RECT{left, row.top + 40, row.right, row.top + 56},
             DT_SINGLELINE | DT_VCENTER);
}
