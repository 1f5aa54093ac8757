#include "framework/OleMessageFilter.h"

#include "framework/ComObject.h"

namespace {

class BusyRetryFilter : public ComObject<IMessageFilter> {
public:
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override
    {
        return SERVERCALL_ISHANDLED;
    }
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD elapsed, DWORD rejectType) override
    {
        // -1 cancels the call; a pause of 100 ms or more means "try again after it".
        if (rejectType == SERVERCALL_RETRYLATER && elapsed < kOleBusyRetryLimit)
            return kOleBusyRetryPause;
        return static_cast<DWORD>(-1);
    }
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override { return PENDINGMSG_WAITDEFPROCESS; }
};

} // namespace

ComPtr<IMessageFilter> AfxMakeOleMessageFilter()
{
    ComPtr<BusyRetryFilter> filter = BusyRetryFilter::Make<BusyRetryFilter>();
    return ComPtr<IMessageFilter>(filter.Detach(), false);
}
