// The contact's address: the first non-empty of PreferredAddress, Email, WorkPhone,
// MobilePhone and HomePhone, or none.
#include "tests/ostrel/OstrelTestSupport.h"

#include <gtest/gtest.h>

using namespace ostrel_test;

namespace {

TEST(ContactAddress, TheFirstNonEmptyFieldInOrderOfPreferenceIsChosen)
{
    const struct {
        const char* label;
        ContactRecord record;
        const char* address;   // null: no address
    } cases[] = {
        {"all five", MakeRecord({{&ContactRecord::PreferredAddress, "p"}, {&ContactRecord::Email, "e"},
                                 {&ContactRecord::WorkPhone, "w"}, {&ContactRecord::MobilePhone, "m"},
                                 {&ContactRecord::HomePhone, "h"}}, 0), "p"},
        {"no preferred address", MakeRecord({{&ContactRecord::Email, "e"}, {&ContactRecord::WorkPhone, "w"},
                                             {&ContactRecord::HomePhone, "h"}}, 0), "e"},
        {"phones only", MakeRecord({{&ContactRecord::WorkPhone, "w"}, {&ContactRecord::MobilePhone, "m"}}, 0), "w"},
        {"mobile and home", MakeRecord({{&ContactRecord::MobilePhone, "m"}, {&ContactRecord::HomePhone, "h"}}, 0), "m"},
        {"home only", MakeRecord({{&ContactRecord::HomePhone, "h"}}, 1), "h"},
        {"names only", MakeRecord({{&ContactRecord::FirstName, "f"}, {&ContactRecord::NickName, "n"},
                                   {&ContactRecord::Extra5, "web"}, {&ContactRecord::Extra13, "fax"}}, 1), nullptr},
        {"nothing", MakeRecord({}, 0), nullptr},
    };
    for (const auto& c : cases) {
        const char* address = ContactAddress(c.record);
        if (!c.address)
            EXPECT_EQ(nullptr, address) << c.label;
        else
            EXPECT_STREQ(c.address, address) << c.label;
    }
}

} // namespace
