#include "windows/history/HistoryWnd.h"

#include "core/ProgramResources.h"
#include "core/TextConvert.h"
#include "resources/Resource.h"
#include "skin/model/SkinReader.h"
#include "skin/ui/RectCtrl.h"
#include "skin/ui/controls/TreeList.h"
#include "windows/SkinScrollBars.h"
#include "windows/history/HistoryList.h"
#include "windows/history/HistoryTable.h"

namespace {

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TVS_FULLROWSELECT;
constexpr int kScrollBarWidth = 21;
constexpr int kRowHeight = 28;
constexpr int kColumnWidth = 200;

} // namespace

BEGIN_MESSAGE_MAP(CHistoryWnd, Vexel::CUIWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CHistoryWnd::CHistoryWnd() = default;

CHistoryWnd::~CHistoryWnd() = default;

void CHistoryWnd::SetWindowID()
{
    m_nWindowID = IDW_HISTORY;
}

int CHistoryWnd::OnCreate(LPCREATESTRUCT cs)
{
    if (Vexel::CUIWnd::OnCreate(cs) == -1)
        return -1;
    RECT area{};
    if (const Vexel::CRectCtrl* placeholder = GetRectCtrl(IDC_RECT_HISTORY))
        placeholder->GetRect(area);
    else
        GetClientRect(&area);
    m_callTypeImages.Load(Vexel::GetSkinFolder());

    auto list = std::make_unique<CHistoryList>();
    if (!list->Create(kListStyle, area, this, kListId, 0, TRUE, kScrollBarWidth))
        return -1;
    m_list = std::move(list);
    SetListImages();
    m_list->InsertColumn(0, L"No", 0, kColumnWidth, 0);
    Vexel::CTreeList& tree = *m_list->GetTreeList();
    tree.SetBkColor(RGB(0xFF, 0xFF, 0xFF));
    tree.SetItemHeight(kRowHeight);
    m_list->SetHistoryPage(this);
    return 0;
}

void CHistoryWnd::SetListImages()
{
    DressSkinScrollBar(m_list->GetVertScrollBarEx(), kVertScrollBarFiles, SkinFolder());
}

void CHistoryWnd::OnSize(UINT type, int cx, int cy)
{
    Vexel::CUIWnd::OnSize(type, cx, cy);
    const Vexel::CRectCtrl* const placeholder = GetRectCtrl(IDC_RECT_HISTORY);
    if (!placeholder || !m_list || !::IsWindow(m_list->GetSafeHwnd()))
        return;
    RECT area{};
    placeholder->GetRect(area);
    m_list->MoveWindow(&area, TRUE);
}

// The rows go while the list can still free their records cheaply, before its window does.
void CHistoryWnd::OnDestroy()
{
    if (m_list)
        m_list->DeleteAll(false);
    Vexel::CUIWnd::OnDestroy();
}

void CHistoryWnd::AddHistory(const std::string& history, const std::string& number, int callType)
{
    if (!InsertHistoryRow(history, number, callType))
        return;
    // A row the list cannot show leaves the table again, so the two keep agreeing.
    if (m_list && ::IsWindow(m_list->GetSafeHwnd()) && !m_list->AddRow(MakeRecord(history, number, callType), true))
        CHistoryList::DeleteHistory(history);
}

std::unique_ptr<HistoryItem> CHistoryWnd::MakeRecord(const std::string& history, const std::string& number,
                                                     int callType) const
{
    auto record = std::make_unique<HistoryItem>();
    record->key = history;
    record->number = AnsiToWide(number);
    record->history = AnsiToWide(history);
    record->icon = m_callTypeImages.For(callType);
    return record;
}

namespace {

struct HistoryLoad {
    const CHistoryWnd* page;
    std::vector<std::unique_ptr<HistoryItem>> records;
};

} // namespace

bool CHistoryWnd::HistoryRowCallback(void* load, const HistoryRow& row)
{
    auto& taken = *static_cast<HistoryLoad*>(load);
    taken.records.push_back(taken.page->MakeRecord(row.history, row.number, row.callType));
    return true;
}

// The records are made while the table is read, the rows then go in together: the rows come
// newest first, so each goes after the ones before it.
void CHistoryWnd::LoadHistory()
{
    if (!m_list || !::IsWindow(m_list->GetSafeHwnd()))
        return;
    m_list->DeleteAll(false);
    HistoryLoad load{this, {}};
    ReadHistoryRows(&CHistoryWnd::HistoryRowCallback, &load);
    m_list->AddRows(std::move(load.records));
}

void CHistoryWnd::DeleteAllItems(bool alsoFromDatabase)
{
    if (m_list)
        m_list->DeleteAll(alsoFromDatabase);
}
