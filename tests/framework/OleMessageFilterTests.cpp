// OLE started by the framework has its message filter: a call that a busy program turns
// away is retried for a while and then given up, without a prompt; calls coming in are taken.
#include "framework/OleMessageFilter.h"
#include "framework/ThreadInternal.h"
#include "framework/WinApp.h"

#include <gtest/gtest.h>

#include <thread>

TEST(OleMessageFilter, BusyCallsAreRetriedForAWhileThenGivenUp)
{
    const ComPtr<IMessageFilter> filter = AfxMakeOleMessageFilter();
    ASSERT_TRUE(filter);
    struct Case {
        const char* name;
        DWORD elapsed;
        DWORD rejectType;
        DWORD answer;
    };
    const DWORD cancel = static_cast<DWORD>(-1);
    const Case cases[] = {
        {"busy at once", 0, SERVERCALL_RETRYLATER, kOleBusyRetryPause},
        {"busy a while", kOleBusyRetryLimit - 1, SERVERCALL_RETRYLATER, kOleBusyRetryPause},
        {"busy too long", kOleBusyRetryLimit, SERVERCALL_RETRYLATER, cancel},
        {"refused outright", 0, SERVERCALL_REJECTED, cancel},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.answer, filter->RetryRejectedCall(nullptr, c.elapsed, c.rejectType)) << c.name;
    EXPECT_EQ(static_cast<DWORD>(SERVERCALL_ISHANDLED), filter->HandleInComingCall(CALLTYPE_TOPLEVEL, nullptr, 0, nullptr));
    EXPECT_EQ(static_cast<DWORD>(PENDINGMSG_WAITDEFPROCESS), filter->MessagePending(nullptr, 0, PENDINGTYPE_TOPLEVEL));
}

TEST(OleMessageFilter, AfxOleInitRegistersIt)
{
    bool registered = false;
    // A thread of its own, so OLE starts here rather than being on already.
    std::thread([&registered] {
        if (!AfxOleInit())
            return;
        IMessageFilter* current = nullptr;
        if (SUCCEEDED(CoRegisterMessageFilter(nullptr, &current)) && current) {
            DWORD delay = current->RetryRejectedCall(nullptr, 0, SERVERCALL_RETRYLATER);
            registered = delay == kOleBusyRetryPause;
            CoRegisterMessageFilter(current, nullptr);   // put back
            current->Release();
        }
        AfxOleTermThread();
    }).join();
    EXPECT_TRUE(registered);
}
