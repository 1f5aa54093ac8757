#pragma once
// Opening the chat window of a peer and handing it an incoming message: what the contacts
// page does for its "Instant message" command and for engine event 21. The windows are listed
// in, and owned by, the main window (CMainFrame); every call here needs it.
#include "framework/String.h"

class CChatWnd;
class SIPCallbackCommand;

// The listed chat window of `sipUri` (with "sip:", found ignoring case) with its title
// refreshed, or else a new one for the peer `name` at that address, listed, made from the
// skin and titled `name`; shown either way. Null when there is no main window or the window
// cannot be made.
CChatWnd* OpenChatWindow(const CString& name, const CString& sipUri);

// Event 21, an instant message: the sender's window, found or opened, shows the message.
// `contactName` is the sender's name in the contacts tree, null for a sender it does not
// know: a new window then bears the event's display name, or "sip:" + the address when that
// is empty. The record stays the caller's.
void ReceiveInstantMessage(const SIPCallbackCommand& record, const CString* contactName);
