#include "windows/call/CallHistoryRow.h"

#include "core/TextConvert.h"

namespace {

constexpr char kScheme[] = "sip:";
constexpr char kDurationSeparator[] = "    ";
constexpr int kIncoming = 1;
constexpr int kOutgoing = 2;
constexpr int kUnansweredIncoming = 3;
constexpr int kUnconnectedOutgoing = 4;

std::string AfterScheme(const std::string& text)
{
    const size_t scheme = text.find(kScheme);
    return scheme == std::string::npos ? text : text.substr(scheme + sizeof kScheme - 1);
}

} // namespace

std::string DialledPartyName(const std::string& address)
{
    return AfterScheme(address.substr(0, address.find('@')));
}

std::string HistoryPeer(const std::string& peer, const std::string& proxyServer)
{
    const size_t at = peer.find("@" + proxyServer);
    if (at == std::string::npos)
        return peer;
    return AfterScheme(peer.substr(0, at));
}

CallHistoryRow MakeCallHistoryRow(const SessionInfo& info, const std::string& proxyServer)
{
    CallHistoryRow row;
    row.text = WideToAnsi(info.GetStartTimeText()) + kDurationSeparator + WideToAnsi(info.GetDurationText());
    const bool connected = info.startTick != 0;
    row.callType = info.callType;
    if (info.callType == kIncoming) {
        row.number = HistoryPeer(WideToAnsi(info.GetCaller()), proxyServer);
        if (!connected)
            row.callType = kUnansweredIncoming;
    } else if (info.callType == kOutgoing) {
        row.number = HistoryPeer(WideToAnsi(info.GetCallee()), proxyServer);
        if (!connected)
            row.callType = kUnconnectedOutgoing;
    }
    return row;
}
