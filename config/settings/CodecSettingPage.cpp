#include "config/settings/CodecSettingPage.h"

#include "core/TavikUtility.h"
#include "core/TextConvert.h"
#include "resources/Resource.h"
#include "skin/ui/controls/SkinTreeCtrl.h"

namespace {

constexpr int kBarMaximum = 10;

} // namespace

IMPLEMENT_DYNAMIC(CCodecSettingPage, CSettingPage)

BEGIN_MESSAGE_MAP(CCodecSettingPage, CSettingPage)
    ON_BN_CLICKED(IDC_BTN_RIGHT, &CCodecSettingPage::OnRight)
    ON_BN_CLICKED(IDC_BTN_LEFT, &CCodecSettingPage::OnLeft)
END_MESSAGE_MAP()

CCodecSettingPage::CCodecSettingPage(const Layout& layout) : m_layout(layout) {}

CCodecSettingPage::~CCodecSettingPage() = default;

bool CCodecSettingPage::InitControls()
{
    m_pEnabledList = dynamic_cast<Vexel::CSkinTreeCtrl*>(GetDlgItem(m_layout.enabledListId));
    m_pDisabledList = dynamic_cast<Vexel::CSkinTreeCtrl*>(GetDlgItem(m_layout.disabledListId));
    return m_pEnabledList && m_pDisabledList;
}

void CCodecSettingPage::LoadValues()
{
    LoadCodecLists();
    // Loading moved the selection, and the information with it: the page opens without any.
    ClearCodecInfo();
}

bool CCodecSettingPage::IsHidden(const std::string& name) const
{
    for (int i = 0; i < m_layout.hiddenCount; ++i) {
        if (TavikUtility::CompareNoCase(name, m_layout.hiddenNames[i]) == 0)
            return true;
    }
    return false;
}

void CCodecSettingPage::Append(Vexel::CSkinTreeCtrl& list, const CString& name, bool select)
{
    const HTREEITEM item = list.InsertItem(name, TVI_ROOT, TVI_LAST);
    if (item && select)
        list.SelectItem(item);
}

void CCodecSettingPage::LoadCodecLists()
{
    const struct {
        const Slot* slots;
        Vexel::CSkinTreeCtrl* list;
    } kLists[] = {{m_layout.enabledSlots, m_pEnabledList}, {m_layout.disabledSlots, m_pDisabledList}};
    for (const auto& entry : kLists) {
        for (int i = 0; i < m_layout.slotCount; ++i) {
            const std::string& name = g_options.*entry.slots[i];
            if (!name.empty() && !IsHidden(name))
                Append(*entry.list, AnsiToWide(name), true);
        }
    }

    const bool enabledEmpty = m_pEnabledList->GetCount() == 0;
    const bool empty = m_layout.fallbackIntoEnabled ? enabledEmpty
                                                    : enabledEmpty && m_pDisabledList->GetCount() == 0;
    if (!empty)
        return;
    Vexel::CSkinTreeCtrl& target = m_layout.fallbackIntoEnabled ? *m_pEnabledList : *m_pDisabledList;
    for (int i = 0; i < m_layout.fallbackCount; ++i)
        Append(target, AnsiToWide(m_layout.fallbackNames[i]), true);
}

void CCodecSettingPage::MoveSelected(Vexel::CSkinTreeCtrl& from, Vexel::CSkinTreeCtrl& to)
{
    const HTREEITEM selected = from.GetSelectedItem();
    if (!selected)
        return;
    const CString name = from.GetItemText(selected);
    if (name.IsEmpty())
        return;
    from.DeleteItem(selected);
    Append(to, name, false);
}

void CCodecSettingPage::OnRight()
{
    MoveSelected(*m_pDisabledList, *m_pEnabledList);
}

void CCodecSettingPage::OnLeft()
{
    MoveSelected(*m_pEnabledList, *m_pDisabledList);
}

void CCodecSettingPage::OnCodecSelChanged(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const auto* change = reinterpret_cast<const NMTREEVIEWW*>(header);
    if (!change->itemNew.hItem)
        return;
    if (const auto* list = dynamic_cast<const Vexel::CSkinTreeCtrl*>(CWnd::FromHandlePermanent(header->hwndFrom)))
        ShowCodecInfo(list->GetItemText(change->itemNew.hItem));
}

void CCodecSettingPage::SetBar(int id, int position)
{
    ::SendDlgItemMessageW(m_hWnd, id, PBM_SETRANGE, 0, MAKELPARAM(0, kBarMaximum));
    ::SendDlgItemMessageW(m_hWnd, id, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

std::vector<std::string> CCodecSettingPage::EntryTexts(const Vexel::CSkinTreeCtrl& list, int count)
{
    std::vector<std::string> texts;
    texts.reserve(static_cast<size_t>(count));
    for (HTREEITEM item = list.GetRootItem(); item && static_cast<int>(texts.size()) < count;
         item = list.GetNextSiblingItem(item))
        texts.push_back(WideToAnsi(list.GetItemText(item)));
    texts.resize(static_cast<size_t>(count));
    return texts;
}

void CCodecSettingPage::SaveValues()
{
    const std::vector<std::string> enabled = EntryTexts(*m_pEnabledList, m_layout.slotCount);
    const std::vector<std::string> disabled = EntryTexts(*m_pDisabledList, m_layout.slotCount);
    OptionsUpdate update;
    for (int i = 0; i < m_layout.slotCount; ++i)
        update.Text(m_layout.enabledColumn + std::to_string(i + 1), enabled[static_cast<size_t>(i)]);
    for (int i = 0; i < m_layout.slotCount; ++i)
        update.Text(m_layout.disabledColumn + std::to_string(i + 1), disabled[static_cast<size_t>(i)]);
    if (!update.Run())
        return;
    for (int i = 0; i < m_layout.slotCount; ++i) {
        g_options.*m_layout.enabledSlots[i] = enabled[static_cast<size_t>(i)];
        g_options.*m_layout.disabledSlots[i] = disabled[static_cast<size_t>(i)];
    }
}
