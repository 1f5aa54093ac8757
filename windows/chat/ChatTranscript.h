#pragma once
// The chat window's text rules, apart from the window: the title made from the peer, the
// header line of each block of messages, how a message joins the transcript, and the text of
// a message sent as a formatted fragment. Line breaks are "\r\n" throughout.
#include "framework/String.h"

#include <string>

// The peer's display name; when it is empty, the part of the SIP URI before its first "@"
// (nothing when it has none), less a leading "sip:".
CString ChatTitle(const CString& displayName, const CString& sipUri);

// own name + "<" + user + "@" + server + ">" + " " + `says` + "\r\n"; the own name is the
// display name, or the user name when that is empty.
CString OwnHeader(const CString& displayName, const CString& userName, const CString& server, const CString& says);
// peer name cut before its first "@", then "<" + `from` + ">" + " " + `says` + "\r\n".
CString PeerHeader(const CString& peerName, const CString& from, const CString& says);

// Adds `text` to `transcript`, two spaces in, on a line of its own. A new block (`header` not
// empty) is kept from the previous one by an empty line; an empty transcript starts with
// the header.
void AppendToTranscript(CString& transcript, const CString& header, const CString& text);

// The text of a message body: when it holds "</span>", what stands between the last ">"
// before its last "</span>" and that "</span>"; otherwise the body unchanged.
std::string ExtractMessageText(const std::string& body);
