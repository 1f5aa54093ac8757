#pragma once
// Opens (and at once closes) a TCP connection to a server within a time limit. The
// internet classes use it to hold a connect time-out that the system's own HTTP stack
// does not hold everywhere (Wine's connects block until the network gives up).
// (No system header here: Winsock's must come before the one the framework's bring.)

enum class ConnectProbeResult {
    Reached,    // a connection was made
    Refused,    // every address of the server refused
    TimedOut,   // no answer within the limit
    Unknown,    // the name did not resolve, or sockets are not to be had
};

// Tries each address of `host` (a name or an address) on `port` until one connects or
// `timeoutMs` has passed in all.
ConnectProbeResult AfxProbeConnect(const wchar_t* host, unsigned short port, unsigned long timeoutMs);
