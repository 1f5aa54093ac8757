// Ostrel's failures: without Outlook there is no reader, a null handle or record is refused,
// a property Outlook cannot read ends the read with false and the fields before it kept,
// and nothing of it crashes or leaks Outlook's objects. Also the four exports' plain names.
#include "tests/ostrel/OstrelTestSupport.h"
#include "tests/ostrel/outlook/OutlookStandIn.h"
#include "tests/support/ExportTable.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

using namespace ostrel_test;

namespace {

TEST(OstrelFailure, WithoutOutlookThereIsNoReaderAndTheOtherCallsRefuseQuietly)
{
    ASSERT_TRUE(SUCCEEDED(OutlookStandIn_Unregister()));
    EXPECT_EQ(nullptr, Ostrel_initialize());
    ContactRecord record = {};
    EXPECT_FALSE(Ostrel_getFirstContact(nullptr, &record));
    EXPECT_FALSE(Ostrel_getNextContact(nullptr, &record));
    Ostrel_unInitialize(nullptr);
    EXPECT_EQ(0, OutlookStandIn_LiveObjects());
}

TEST(OstrelFailure, OutlookRegisteredAgainAfterwardsIsFound)
{
    // A failed start leaves nothing behind that stops the next one.
    ASSERT_TRUE(SUCCEEDED(OutlookStandIn_Unregister()));
    EXPECT_EQ(nullptr, Ostrel_initialize());
    StandInOutlook outlook("Class=40\tFirstName=Ann\tEmail1Address=ann@example.org\n");
    Reader reader(Ostrel_initialize());
    ASSERT_NE(nullptr, reader);
    EXPECT_EQ(1u, ReadAll(reader.get()).size());
}

TEST(OstrelFailure, ANullRecordIsRefused)
{
    StandInOutlook outlook("Class=40\tFirstName=Ann\tEmail1Address=ann@example.org\n");
    Reader reader(Ostrel_initialize());
    ASSERT_NE(nullptr, reader);
    EXPECT_FALSE(Ostrel_getFirstContact(reader.get(), nullptr));
    EXPECT_FALSE(Ostrel_getNextContact(reader.get(), nullptr));
}

TEST(OstrelFailure, APropertyOutlookCannotReadEndsTheReadWithTheFieldsBeforeItKept)
{
    // Read in this order: FirstName, LastName, FullName, NickName, ..., Gender, HomeAddress, ...
    const struct {
        const char* failing;
        const char* firstName;
        const char* nickName;
        int avatarKind;
    } cases[] = {
        {"NickName", "Ann", "", 0},
        {"HomeAddress", "Ann", "Annie", 1},
        {"Class", "", "", 0},   // the item itself cannot be told apart
    };
    for (const auto& c : cases) {
        StandInOutlook outlook(std::string("Class=40\tFirstName=Ann\tNickName=Annie\tEmail1Address=ann@example.org\t"
                                           "HomeAddress=Home\tGender=1\tFail=") +
                               c.failing + "\nClass=40\tFirstName=Bob\tEmail1Address=bob@example.org\n");
        Reader reader(Ostrel_initialize());
        ASSERT_NE(nullptr, reader) << c.failing;
        ContactRecord record = {};
        EXPECT_FALSE(Ostrel_getFirstContact(reader.get(), &record)) << c.failing;
        EXPECT_STREQ(c.firstName, record.FirstName) << c.failing;
        EXPECT_STREQ(c.nickName, record.NickName) << c.failing;
        EXPECT_EQ(c.avatarKind, record.AvatarKind) << c.failing;
        reader.reset();
        EXPECT_EQ(0, OutlookStandIn_LiveObjects()) << c.failing;
    }
}

TEST(OstrelFailure, TheFourFunctionsAreExportedUnderTheirPlainNamesAndBoundByImport)
{
    const HMODULE module = GetModuleHandleW(L"Ostrel.dll");
    ASSERT_NE(nullptr, module);
    const std::vector<std::string> exported = lumeo_test::ExportedNames(module);
    EXPECT_EQ((std::set<std::string>{"Ostrel_initialize", "Ostrel_getFirstContact", "Ostrel_getNextContact",
                                     "Ostrel_unInitialize"}),
              std::set<std::string>(exported.begin(), exported.end()));
    const struct {
        const char* name;
        const void* imported;
    } cases[] = {
        {"Ostrel_initialize", reinterpret_cast<const void*>(&Ostrel_initialize)},
        {"Ostrel_getFirstContact", reinterpret_cast<const void*>(&Ostrel_getFirstContact)},
        {"Ostrel_getNextContact", reinterpret_cast<const void*>(&Ostrel_getNextContact)},
        {"Ostrel_unInitialize", reinterpret_cast<const void*>(&Ostrel_unInitialize)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reinterpret_cast<const void*>(GetProcAddress(module, c.name)), c.imported) << c.name;
}

} // namespace
