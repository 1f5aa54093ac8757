#include "skin/ui/controls/TaskWndMgr.h"

#include "framework/CallbackGuard.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/UIWnd.h"
#include "skin/ui/WindowImages.h"

#include <map>

namespace Vexel {

struct TaskWndMgrPrivate {
    int id;
    int noButtonSync;
    int currentKey = -1;
    CUIWnd* host = nullptr;
    std::map<int, TASKWNDINFO> entries;   // nodes stay put: a slide holds pointers to them
    RECT taskRect{0, 0, 0, 0};
    bool taskRectSet = false;
    int animated = 0;
    int step = 10;
    UINT period = 100;
};

namespace {

// A slide in progress, held by the host's property.
struct TASKWNDMGR_TIMER_STRUCT {
    TASKWNDINFO* newEntry;
    TASKWNDINFO* oldEntry;
    RECT target;                  // the task rectangle mapped to the host, host client coordinates
    TaskWndMgrPrivate* manager;
};

TASKWNDMGR_TIMER_STRUCT* PendingSlide(HWND host)
{
    return static_cast<TASKWNDMGR_TIMER_STRUCT*>(::GetPropW(host, kTaskWndTimerProperty));
}

// Ends the slide held by the host: its timer, its record and the property.
void EndSlide(HWND host)
{
    ::KillTimer(host, kTaskWndTimerId);
    delete static_cast<TASKWNDMGR_TIMER_STRUCT*>(::RemovePropW(host, kTaskWndTimerProperty));
}

bool EntryHasWindow(const TASKWNDINFO* entry)
{
    return entry && entry->window && entry->window->GetSafeHwnd();
}

void MoveTo(CWnd& window, const RECT& rect)
{
    window.MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void Tick(HWND host, TASKWNDMGR_TIMER_STRUCT& slide)
{
    // Read before the record goes with the end of the slide.
    TaskWndSwitch pair{slide.newEntry, slide.oldEntry};
    const WPARAM id = static_cast<WPARAM>(slide.manager->id);
    if (!EntryHasWindow(slide.oldEntry) || !EntryHasWindow(slide.newEntry)) {
        // Nothing left to move: the switch is as done as it gets.
        EndSlide(host);
        ::SendMessageW(host, WM_VXL_TASKWNDCHANGED, id, reinterpret_cast<LPARAM>(&pair));
        return;
    }
    const RECT old = RectInParent(slide.oldEntry->window->GetSafeHwnd(), host);
    const int w = slide.target.right - slide.target.left;
    const int oldW = old.right - old.left;
    const int oldH = old.bottom - old.top;
    // The last tick lands the old window's right edge on the rectangle's left edge.
    const int distance = old.right - slide.manager->taskRect.left;
    const int step = distance > 0 && distance <= slide.manager->step ? distance : slide.manager->step;
    slide.oldEntry->window->MoveWindow(old.left - step, old.top, oldW, oldH, TRUE);
    slide.newEntry->window->MoveWindow(old.left - step + w, old.top, oldW, oldH, TRUE);
    if (old.right - step + w <= slide.target.right) {
        EndSlide(host);
        ::SendMessageW(host, WM_VXL_TASKWNDCHANGED, id, reinterpret_cast<LPARAM>(&pair));
    }
}

} // namespace

CTaskWndMgr::CTaskWndMgr(int id, int noButtonSync) : m_private(std::make_unique<TaskWndMgrPrivate>())
{
    m_private->id = id;
    m_private->noButtonSync = noButtonSync;
}

CTaskWndMgr::~CTaskWndMgr()
{
    StopTransition(true);
    if (m_private->host)
        m_private->host->RemoveHostedTaskWndMgr(this);
}

int CTaskWndMgr::SetParent(CUIWnd* host)
{
    if (m_private->host && m_private->host != host)
        m_private->host->RemoveHostedTaskWndMgr(this);
    m_private->host = host;
    if (host)
        host->AddHostedTaskWndMgr(this);
    return 0;
}

int CTaskWndMgr::SetTaskWndRect(const RECT& rect)
{
    m_private->taskRect = rect;
    m_private->taskRectSet = true;
    return 0;
}

int CTaskWndMgr::AddTaskWindow(int key, CWnd* window, UINT id, LPCWSTR name, DWORD style)
{
    TASKWNDINFO& entry = m_private->entries[key];
    entry.window = window;
    entry.id = id;
    entry.name = name ? name : L"";
    entry.style = style;
    return 0;
}

int CTaskWndMgr::SetTransition(BOOL animated, int step, UINT period)
{
    m_private->animated = animated;
    m_private->step = step;
    m_private->period = period;
    return 0;
}

bool CTaskWndMgr::GetTaskWndRect(RECT& rect) const
{
    if (!m_private->taskRectSet)
        return false;
    rect = m_private->taskRect;
    return true;
}

RECT CTaskWndMgr::MappedTaskRect() const
{
    const TaskWndMgrPrivate& p = *m_private;
    RECT mapped = p.taskRect;
    if (p.host && p.taskRectSet)
        p.host->MapTaskWndRect(&p.taskRect, &mapped);
    else if (p.host)
        p.host->GetClientRect(&mapped);
    return mapped;
}

void CTaskWndMgr::SyncButtons(int key) const
{
    const TaskWndMgrPrivate& p = *m_private;
    if (p.noButtonSync || !p.host)
        return;
    for (const auto& entry : p.entries) {
        // A key without a button of the host has nothing to follow the switch.
        if (const HWND button = ::GetDlgItem(p.host->GetSafeHwnd(), entry.first))
            ::SendMessageW(button, BM_SETCHECK, entry.first == key ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

int CTaskWndMgr::SwitchTo(int key, BOOL setFocus)
{
    TaskWndMgrPrivate& p = *m_private;
    const auto found = p.entries.find(key);
    if (found == p.entries.end())
        return -1;
    if (key == p.currentKey)
        return 1;
    TASKWNDINFO& entry = found->second;
    const RECT target = MappedTaskRect();

    // Made before anything changes: a task window that cannot be made is not switched to.
    if (!entry.window)
        return -2;
    if (!entry.window->GetSafeHwnd()) {
        entry.window->Create(nullptr, entry.name, entry.style, target, p.host, entry.id);
        if (!entry.window->GetSafeHwnd())
            return -2;
    }

    SyncButtons(key);
    const auto current = p.entries.find(p.currentKey);
    TASKWNDINFO* const old = current == p.entries.end() ? nullptr : &current->second;
    TaskWndSwitch pair{&entry, old};
    const HWND host = p.host ? p.host->GetSafeHwnd() : nullptr;
    if (host)
        ::SendMessageW(host, WM_VXL_TASKWNDCHANGING, static_cast<WPARAM>(p.id), reinterpret_cast<LPARAM>(&pair));

    if (!p.animated) {
        MoveTo(*entry.window, target);
        entry.window->ShowWindow(SW_SHOW);
        if (setFocus)
            entry.window->SetFocus();
        if (EntryHasWindow(old))
            old->window->ShowWindow(SW_HIDE);
        p.currentKey = key;
        if (host)
            ::SendMessageW(host, WM_VXL_TASKWNDCHANGED, static_cast<WPARAM>(p.id), reinterpret_cast<LPARAM>(&pair));
        return 0;
    }

    // A slide: windows are only moved. One in progress stops where it is and the new one
    // starts from there.
    p.currentKey = key;
    if (!host)
        return 0;
    EndSlide(host);
    const RECT now = RectInParent(entry.window->GetSafeHwnd(), host);
    if (!::EqualRect(&now, &target))
        MoveTo(*entry.window, target);
    ::SetPropW(host, kTaskWndTimerProperty, new TASKWNDMGR_TIMER_STRUCT{&entry, old, target, m_private.get()});
    if (old)
        ::SetTimer(host, kTaskWndTimerId, p.period, TaskWndTimerProc);
    return 0;
}

int CTaskWndMgr::MoveTaskWindows(const RECT& rect)
{
    for (auto& entry : m_private->entries) {
        if (EntryHasWindow(&entry.second))
            MoveTo(*entry.second.window, rect);
    }
    return 0;
}

void CTaskWndMgr::StopTransition(bool onlyOwn)
{
    const HWND host = m_private->host ? m_private->host->GetSafeHwnd() : nullptr;
    if (!host)
        return;
    const TASKWNDMGR_TIMER_STRUCT* const slide = PendingSlide(host);
    if (slide && (!onlyOwn || slide->manager == m_private.get()))
        EndSlide(host);
}

void CTaskWndMgr::ForgetTaskWindows()
{
    StopTransition(true);
    m_private->entries.clear();
    m_private->currentKey = -1;
    m_private->host = nullptr;
}

void CALLBACK TaskWndTimerProc(HWND host, UINT, UINT_PTR timerId, DWORD)
{
    try {
        if (timerId != kTaskWndTimerId || !::SendMessageW(host, WM_VXL_ISUIWND, 0, 0))
            return;
        if (TASKWNDMGR_TIMER_STRUCT* const slide = PendingSlide(host))
            Tick(host, *slide);
    } catch (...) {
        AfxReportCallbackException("task-window timer");
    }
}

} // namespace Vexel
