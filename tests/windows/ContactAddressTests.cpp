// The address the contact form stores for a typed SIP number: a bare number, a user and host,
// either with the "sip:" scheme, against proxy ports 5060 (no port written) and 5080.
#include "windows/contacts/SipAddress.h"

#include <gtest/gtest.h>

namespace windows_test {
namespace {

struct Completion {
    const char* typed;
    int port;
    const char* stored;
};

constexpr Completion kCompletions[] = {
    {"1001", 5060, "sip:1001@sip.example"},
    {"1001", 5080, "sip:1001@sip.example:5080"},
    {"bob@other.example", 5060, "sip:bob@other.example"},
    {"bob@other.example", 5080, "sip:bob@other.example:5080"},
    {"bob@other.example:7000", 5080, "sip:bob@other.example:7000"},
    // The scheme's ":" counts as a port: the host stays as typed.
    {"sip:bob@other.example", 5060, "sip:bob@other.example"},
    {"sip:bob@other.example", 5080, "sip:bob@other.example"},
    {"sip:1001", 5060, "sip:1001@sip.example"},
    {"sip:1001", 5080, "sip:1001@sip.example:5080"},
    // Case-sensitive: an upper-case scheme is no scheme.
    {"SIP:bob@other.example", 5080, "sip:SIP:bob@other.example"},
};

TEST(ContactAddress, CompletesEachTypedFormForBothProxyPorts)
{
    for (const Completion& row : kCompletions) {
        EXPECT_EQ(row.stored, CompleteSipAddress(row.typed, "sip.example", row.port))
            << row.typed << " with port " << row.port;
    }
}

} // namespace
} // namespace windows_test
