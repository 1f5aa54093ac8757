#include "framework/WinThread.h"

#include "framework/CallbackGuard.h"
#include "framework/Gdi.h"
#include "framework/Menu.h"
#include "framework/ThreadInternal.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

#include <process.h>

#include <memory>

namespace {

thread_local CWinThread* t_thread = nullptr;

// The idle rule for a thread without a thread object.
thread_local POINT t_cursorLast{-1, -1};
thread_local UINT t_messageLast = 0;

bool IsIdleMessageByRule(const MSG& msg, POINT& cursorLast, UINT& messageLast)
{
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
        // A mouse that did not move is no reason to run idle work again.
        if (msg.message == messageLast && msg.pt.x == cursorLast.x && msg.pt.y == cursorLast.y)
            return false;
        cursorLast = msg.pt;
        messageLast = msg.message;
        return true;
    }
    constexpr UINT WM_SYSTIMER = 0x0118;   // caret blink
    return msg.message != WM_PAINT && msg.message != WM_SYSTIMER;
}

class EventHandle {
public:
    EventHandle() : m_handle(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~EventHandle()
    {
        if (m_handle)
            CloseHandle(m_handle);
    }
    EventHandle(const EventHandle&) = delete;
    EventHandle& operator=(const EventHandle&) = delete;
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle;
};

struct StartBlock {
    CWinThread* thread;
    HANDLE started;
};

// Frees what the framework kept for this thread.
void EndThreadState()
{
    AfxTermThreadToolTips();
    AfxTermThreadWindows();
    AfxTermThreadMenus();
    CDC::DeleteTempMap();
    AfxOleTermThread();
    t_thread = nullptr;
}

unsigned __stdcall ThreadEntry(void* param)
{
    const StartBlock* const start = static_cast<StartBlock*>(param);
    CWinThread* const thread = start->thread;
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);   // makes the message queue
    t_thread = thread;
    SetEvent(start->started);   // the starter goes on; `start` is gone after this

    int code = -1;
    try {
        code = thread->InitInstance() ? thread->Run() : thread->ExitInstance();
    } catch (...) {
        AfxReportCallbackException("thread");
    }
    try {
        thread->Delete();   // first: windows the object still holds are destroyed as usual
        EndThreadState();
    } catch (...) {
        AfxReportCallbackException("thread end");
    }
    return static_cast<unsigned>(code);
}

} // namespace

struct WinThreadAccess {
    static const MSG& Current(const CWinThread* thread) { return thread->m_msgCur; }
    static void SetCurrent(CWinThread* thread) { t_thread = thread; }
};

void AfxSetThreadObject(CWinThread* thread)
{
    WinThreadAccess::SetCurrent(thread);
}

void AfxEndThreadState()
{
    EndThreadState();
}

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinThread, CCmdTarget)
END_MESSAGE_MAP()

CWinThread::CWinThread() = default;

CWinThread::~CWinThread()
{
    if (m_hThread)
        CloseHandle(m_hThread);
    if (t_thread == this)
        t_thread = nullptr;
}

BOOL CWinThread::CreateThread(int priority, UINT stackSize)
{
    if (m_hThread)
        return FALSE;
    const EventHandle started;
    if (!started.get())
        return FALSE;
    StartBlock start{this, started.get()};
    unsigned id = 0;
    const HANDLE handle = reinterpret_cast<HANDLE>(
        _beginthreadex(nullptr, stackSize, &ThreadEntry, &start, CREATE_SUSPENDED, &id));
    if (!handle)
        return FALSE;
    m_hThread = handle;
    m_nThreadID = id;
    ::SetThreadPriority(handle, priority);
    ::ResumeThread(handle);
    // Wait for the queue. The thread may end, and delete this object, at any time after.
    WaitForSingleObject(started.get(), INFINITE);
    return TRUE;
}

BOOL CWinThread::InitInstance()
{
    return TRUE;
}

int CWinThread::Run()
{
    bool idle = true;
    LONG idleCount = 0;
    for (;;) {
        while (idle && !PeekMessageW(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++))
                idle = false;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                idle = true;
                idleCount = 0;
            }
        } while (PeekMessageW(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage()
{
    if (GetMessageW(&m_msgCur, nullptr, 0, 0) <= 0)
        return FALSE;   // WM_QUIT, or a queue that cannot be read
    if (!PreTranslateMessage(&m_msgCur)) {
        TranslateMessage(&m_msgCur);
        DispatchMessageW(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* msg)
{
    if (!msg->hwnd) {
        AFX_MSGCALL call{msg->message, msg->wParam, msg->lParam, 0};
        return DispatchMsg(msg->message, 0, 0, call) ? TRUE : FALSE;
    }
    return CWnd::WalkPreTranslateTree(msg);
}

BOOL CWinThread::OnIdle(LONG count)
{
    if (count == 0) {
        AfxDeleteTempWindowMap();
        CDC::DeleteTempMap();
        CMenu::DeleteTempMap();
    }
    return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* msg)
{
    return IsIdleMessageByRule(*msg, m_ptCursorLast, m_nMsgLast) ? TRUE : FALSE;
}

int CWinThread::ExitInstance()
{
    return static_cast<int>(m_msgCur.wParam);
}

CWnd* CWinThread::GetMainWnd()
{
    if (m_pMainWnd)
        return m_pMainWnd;
    CWinApp* const app = AfxGetApp();
    return app ? app->m_pMainWnd : nullptr;
}

void CWinThread::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

CWinThread* AfxBeginThread(const CRuntimeClass* threadClass, int priority, UINT stackSize)
{
    if (!threadClass || !threadClass->IsDerivedFrom(RUNTIME_CLASS(CWinThread)))
        return nullptr;
    std::unique_ptr<CObject> object(threadClass->CreateObject());
    if (!object)
        return nullptr;
    auto* const thread = static_cast<CWinThread*>(object.get());
    if (!thread->CreateThread(priority, stackSize))
        return nullptr;
    // From here on the thread owns its object (m_bAutoDelete) or its caller does.
    object.release();
    return thread;
}

CWinThread* AfxGetThread()
{
    return t_thread;
}

BOOL AfxPumpMessage(MSG& msg)
{
    if (CWinThread* const thread = t_thread) {
        const BOOL more = thread->PumpMessage();
        msg = WinThreadAccess::Current(thread);
        return more;
    }
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0)
        return FALSE;
    if (!CWnd::WalkPreTranslateTree(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return TRUE;
}

BOOL AfxIsIdleMessage(MSG& msg)
{
    if (CWinThread* const thread = t_thread)
        return thread->IsIdleMessage(&msg);
    return IsIdleMessageByRule(msg, t_cursorLast, t_messageLast) ? TRUE : FALSE;
}
