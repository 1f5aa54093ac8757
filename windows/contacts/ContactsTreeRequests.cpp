// CContactsTree: presence-subscription requests (engine event 30).
#include "windows/contacts/ContactsTree.h"

#include "core/TextConvert.h"
#include "engine/TavikCore.h"
#include "windows/call/EngineOperations.h"
#include "windows/contacts/OnlineRequestWnd.h"
#include "windows/contacts/SubscriptionRequest.h"

namespace {

constexpr int kAllowed = 1;
constexpr char kOnlineStatus[] = "Available";
constexpr char kSubscribeBackNote[] = "Hello.";

// The user's presence goes to the requester from now on.
void AcceptRequest(int subscribeId)
{
    Tavik_presenceAcceptSubscribe(EngineHandle(), subscribeId);
    Tavik_presenceOnline(EngineHandle(), subscribeId, kOnlineStatus);
}

} // namespace

void CContactsTree::OnSubscriptionRequest(SIPCallbackCommand* record)
{
    if (!record)
        return;
    const SubscriptionRequest request = ReadSubscriptionRequest(*record);
    int storedId = 0;
    bool accepted = false;
    bool subscribed = true;
    GetSubscriptionState(request.address, storedId, accepted, subscribed);
    if (accepted) {
        AcceptRequest(request.subscribeId);
        if (subscribed && storedId == 0)
            Tavik_presenceSubscribeContact(EngineHandle(), request.address.c_str(), kSubscribeBackNote);
        SetSubscribeId(request.address, request.subscribeId);
        return;
    }
    // The same requester again, while or after the user was asked: asked once is enough.
    if (request.address == m_lastRequestAddress)
        return;
    m_lastRequestAddress = request.address;

    // The pop-up runs a nested loop; the main window holds back later engine events until it
    // closes, so the record and this tree's state are as they were when it returns.
    COnlineRequestWnd popup(this);
    popup.SetRequest(RequesterLine(request), request.requestText);
    if (popup.DoModal() != kAllowed) {
        Tavik_presenceRejectSubscribe(EngineHandle(), request.subscribeId);
        return;
    }
    AcceptRequest(request.subscribeId);
    // One subscription back, here, whether or not the group has a node: the store is told
    // not to make a second.
    Tavik_presenceSubscribeContact(EngineHandle(), request.address.c_str(), kSubscribeBackNote);
    SaveContact(RequesterFirstName(request), "", "", "", request.address, "", "", "", "",
                WideToAnsi(popup.GetGroupName()), "", true, 1, request.subscribeId, false);
}
