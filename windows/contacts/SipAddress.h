#pragma once
// The address the contact form stores for what the user typed in its SIP number field.
#include <string>

// A bare number gets "@" + the proxy server, and ":" + the port unless it is 5060; an address
// with a host but no port gets the port the same way; "sip:" goes in front when missing. All
// tests are case-sensitive substring searches, so an address typed with its "sip:" scheme
// (whose ":" counts as a port) keeps its host as typed.
std::string CompleteSipAddress(const std::string& typed, const std::string& proxyServer, int proxyPort);
