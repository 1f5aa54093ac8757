#pragma once
// The rules that turn a call into the parties shown on a line and the row the history keeps.
// Pure functions on texts and the line's SessionInfo, apart from any window.
#include "core/Session.h"

#include <string>

// The history row of one finished call.
struct CallHistoryRow {
    std::string text;    // start time, four blanks, duration "hh:mm:ss"
    std::string number;  // the other party, shortened by HistoryPeer
    int callType = 0;    // 1 answered incoming, 2 connected outgoing, 3 unanswered, 4 never connected
};

// The party a placed call shows: the address cut before its first "@" when it has one, then
// the part after its first "sip:" when that occurs ("sip:bob@example" gives "bob").
std::string DialledPartyName(const std::string& address);

// The peer as the history keeps it: one at the account's own server ("sip:" + user + "@" +
// proxyServer, or user + "@" + proxyServer) becomes the user part; any other stays whole.
std::string HistoryPeer(const std::string& peer, const std::string& proxyServer);

// The row of a call whose end has been marked. Whether the call connected follows its start
// tick, not its duration text, so a call answered and ended within its first second still
// counts as answered.
CallHistoryRow MakeCallHistoryRow(const SessionInfo& info, const std::string& proxyServer);
