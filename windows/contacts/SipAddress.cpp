#include "windows/contacts/SipAddress.h"

namespace {

constexpr int kStandardSipPort = 5060;

} // namespace

std::string CompleteSipAddress(const std::string& typed, const std::string& proxyServer, int proxyPort)
{
    std::string address = typed;
    const std::string port = ":" + std::to_string(proxyPort);
    if (address.find('@') == std::string::npos) {
        address += "@" + proxyServer;
        if (proxyPort != kStandardSipPort)
            address += port;
    }
    if (address.find(':') == std::string::npos && proxyPort != kStandardSipPort)
        address += port;
    if (address.find("sip:") == std::string::npos)
        address.insert(0, "sip:");
    return address;
}
