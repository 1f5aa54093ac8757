#include "windows/contacts/SubscriptionRequest.h"

#include "engine/TavikCore.h"

namespace {

constexpr std::size_t kFieldSize = 512;

template <class Getter>
std::string ReadField(const SIPCallbackCommand& record, Getter getter)
{
    char buffer[kFieldSize] = {};
    (record.*getter)(buffer, sizeof buffer);
    buffer[kFieldSize - 1] = '\0';
    return buffer;
}

} // namespace

SubscriptionRequest ReadSubscriptionRequest(const SIPCallbackCommand& record)
{
    SubscriptionRequest request;
    request.remoteAddress = ReadField(record, &SIPCallbackCommand::GetRemoteAddress);
    request.address = "sip:" + request.remoteAddress;
    request.subscribeId = record.GetSubscribeId();
    request.requestText = ReadField(record, &SIPCallbackCommand::GetRequestText);
    if (request.requestText.empty())
        request.requestText = "Hi.";
    request.displayName = ReadField(record, &SIPCallbackCommand::GetDisplayName);
    if (request.displayName.empty())
        request.displayName = request.remoteAddress;
    return request;
}

std::string RequesterLine(const SubscriptionRequest& request)
{
    return request.displayName + "<" + request.address + ">";
}

std::string RequesterFirstName(const SubscriptionRequest& request)
{
    return request.displayName.substr(0, request.displayName.find('@'));
}
