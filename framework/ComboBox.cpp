#include "framework/ComboBox.h"

#include "framework/ControlCreate.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return afxctl::CreateControl(*this, 0, false, 0, L"COMBOBOX", nullptr, style, rect, parent, id);
}

HWND CComboBox::GetEditWindow() const
{
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!::GetComboBoxInfo(m_hWnd, &info))
        return nullptr;
    return info.hwndItem != info.hwndCombo ? info.hwndItem : nullptr;
}

int CComboBox::GetLBText(int index, CString& text) const
{
    const int length = GetLBTextLen(index);
    if (length == CB_ERR) {
        text.Empty();
        return CB_ERR;
    }
    LPWSTR buffer = text.GetBufferSetLength(length);
    const int copied = static_cast<int>(SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)));
    text.ReleaseBuffer(copied == CB_ERR ? 0 : copied);
    return copied;
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}

void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return afxctl::ReflectOwnerDraw(*this, message, lParam, result) ||
           CWnd::OnChildNotify(message, wParam, lParam, result);
}
