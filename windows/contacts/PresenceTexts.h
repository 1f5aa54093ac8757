#pragma once
// The presence texts the contacts page stores, shows and sends.

// The status of a contact not known to be online: stored, shown, and compared (ignoring
// letter case) with the status a presence notice reports.
constexpr char kOfflineStatus[] = "Offline";
// The note that goes with a subscription to a contact's presence.
constexpr char kSubscribeNote[] = "Hello";
