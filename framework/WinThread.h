#pragma once
// CWinThread: a thread with a message queue, a message map of its own (ON_THREAD_MESSAGE)
// and the framework's message pump. AfxBeginThread starts one from its run-time class;
// the new thread's queue exists before AfxBeginThread returns, so a PostThreadMessage
// right after the start is never lost. WM_QUIT ends the thread's run.
#include "framework/CmdTarget.h"

#include <windows.h>

class CWnd;

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    ~CWinThread() override;

    // The thread's own main window: its destruction ends the thread's run.
    CWnd* m_pMainWnd = nullptr;
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    // The object deletes itself when its thread ends (the default).
    BOOL m_bAutoDelete = TRUE;

    operator HANDLE() const { return m_hThread; }
    BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam) const
    {
        return ::PostThreadMessageW(m_nThreadID, message, wParam, lParam);
    }
    int GetThreadPriority() const { return ::GetThreadPriority(m_hThread); }
    BOOL SetThreadPriority(int priority) { return ::SetThreadPriority(m_hThread, priority); }

    // Starts the thread; answers once its message queue exists. FALSE when it cannot start.
    BOOL CreateThread(int priority = THREAD_PRIORITY_NORMAL, UINT stackSize = 0);

    // TRUE runs the message loop (Run); FALSE ends the thread after ExitInstance.
    virtual BOOL InitInstance();
    // The message loop with idle processing; answers ExitInstance's result after WM_QUIT.
    virtual int Run();
    // Thread messages (no window) go to this object's message map; window messages are
    // offered from their target window up to its top-level window.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // One message: FALSE when it was WM_QUIT.
    virtual BOOL PumpMessage();
    // Idle work while the queue is empty; `count` counts calls since the last message.
    // Answers whether more idle calls are wanted. The base frees temporary wrappers.
    virtual BOOL OnIdle(LONG count);
    // Whether a message starts a new idle phase (paint, caret blink and repeated mouse
    // moves do not).
    virtual BOOL IsIdleMessage(MSG* msg);
    virtual int ExitInstance();
    // The thread's main window, else the application's.
    virtual CWnd* GetMainWnd();
    // Deletes the object when m_bAutoDelete is set.
    virtual void Delete();

protected:
    MSG m_msgCur{};   // the message being pumped
    DECLARE_MESSAGE_MAP()

private:
    friend struct WinThreadAccess;
    POINT m_ptCursorLast{-1, -1};
    UINT m_nMsgLast = 0;
};

// Creates an object of `threadClass` (a CWinThread class made with DECLARE_DYNCREATE)
// and starts it. The object deletes itself when the thread ends. Null on failure.
CWinThread* AfxBeginThread(const CRuntimeClass* threadClass, int priority = THREAD_PRIORITY_NORMAL,
                           UINT stackSize = 0);

// The thread object of the calling thread (the application on the main thread), or null.
CWinThread* AfxGetThread();

// One message of the calling thread's queue through PreTranslateMessage (the thread
// object's, or the window walk on a thread without one) and dispatch. `msg` receives the
// message; FALSE when it was WM_QUIT (its exit code in msg.wParam).
BOOL AfxPumpMessage(MSG& msg);
// Whether `msg` starts a new idle phase, by the calling thread's rule.
BOOL AfxIsIdleMessage(MSG& msg);
