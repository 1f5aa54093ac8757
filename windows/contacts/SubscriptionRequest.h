#pragma once
// A presence-subscription request (engine event 30) as the contacts tree answers it.
#include <string>

class SIPCallbackCommand;

struct SubscriptionRequest {
    std::string remoteAddress;   // as the engine sent it, without "sip:"
    std::string address;         // "sip:" + remoteAddress: the contact's key
    int subscribeId = 0;         // the engine's id of this request
    std::string requestText;     // "Hi." when the request carries none
    std::string displayName;     // the remote address when the request names nobody
};

// The record's fields, each read through a 512-byte buffer.
SubscriptionRequest ReadSubscriptionRequest(const SIPCallbackCommand& record);

// Who asks, as the pop-up shows it: display name + "<" + address + ">".
std::string RequesterLine(const SubscriptionRequest& request);
// The first name an allowed requester is stored under: the display name up to its first "@".
std::string RequesterFirstName(const SubscriptionRequest& request);
