// Ostrel against our stand-in Outlook: every contact arrives with every field in the ANSI
// code page, items that are not contacts and contacts with no address are passed over,
// each property is read once, long texts are cut, a reader can start again and a new one
// reads the same, and everything taken from Outlook is released.
#include "tests/ostrel/OstrelTestSupport.h"
#include "tests/ostrel/outlook/OutlookStandIn.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

using namespace ostrel_test;

namespace {

// A contact with every field set, a distribution list, a contact with no address at all,
// a contact with letters the ANSI code page lacks (one it writes as its nearest letter, the
// others as its default character), one with only an e-mail.
const char kFolder[] =
    "Class=40\tFirstName=Zoë\tLastName=Ångström\tFullName=Zoë Ångström\tNickName=Zozo\t"
    "Email1Address=zoe@example.org\tWebPage=http://zoe.example.org/\tIMAddress=sip:zoe@example.org\t"
    "HomeAddress=1 Rue Très Longue\tOfficeLocation=B-12\tCompanyAndFullName=Acme (Zoë Ångström)\t"
    "MobileTelephoneNumber=+33 6 11 22 33 44\tHomeTelephoneNumber=+33 1 22 33 44 55\t"
    "CompanyMainTelephoneNumber=+33 1 00 00 00 00\tBusinessFaxNumber=+33 1 99 99 99 99\t"
    "BusinessTelephoneNumber=+33 1 33 33 33 33\tGender=1\n"
    "Class=69\tDLName=Team\n"
    "Class=40\tFirstName=Nobody\tLastName=Unreachable\tNickName=nil\tWebPage=http://nowhere/\tGender=2\n"
    "Class=40\tFirstName=Łukasz\tLastName=Nowak\tNickName=Лука\tMobileTelephoneNumber=600 700 800\tGender=2\n"
    "Class=40\tFirstName=José\tEmail1Address=jose@example.org\n";

// What Ostrel gives for kFolder, in code page 1252.
std::vector<ContactRecord> ExpectedFolder()
{
    return {
        MakeRecord({{&ContactRecord::FirstName, "Zo\xEB"},
                    {&ContactRecord::LastName, "\xC5ngstr\xF6m"},
                    {&ContactRecord::Extra2, "Zo\xEB \xC5ngstr\xF6m"},
                    {&ContactRecord::NickName, "Zozo"},
                    {&ContactRecord::Email, "zoe@example.org"},
                    {&ContactRecord::Extra5, "http://zoe.example.org/"},
                    {&ContactRecord::PreferredAddress, "sip:zoe@example.org"},
                    {&ContactRecord::Extra7, "1 Rue Tr\xE8s Longue"},
                    {&ContactRecord::Extra8, "B-12"},
                    {&ContactRecord::Extra9, "Acme (Zo\xEB \xC5ngstr\xF6m)"},
                    {&ContactRecord::MobilePhone, "+33 6 11 22 33 44"},
                    {&ContactRecord::HomePhone, "+33 1 22 33 44 55"},
                    {&ContactRecord::Extra12, "+33 1 00 00 00 00"},
                    {&ContactRecord::Extra13, "+33 1 99 99 99 99"},
                    {&ContactRecord::WorkPhone, "+33 1 33 33 33 33"}},
                   1),
        MakeRecord({{&ContactRecord::FirstName, "Lukasz"},
                    {&ContactRecord::LastName, "Nowak"},
                    {&ContactRecord::NickName, "????"},
                    {&ContactRecord::MobilePhone, "600 700 800"}},
                   2),
        MakeRecord({{&ContactRecord::FirstName, "Jos\xE9"}, {&ContactRecord::Email, "jose@example.org"}}, 0),
    };
}

void ExpectFolder(const std::vector<ContactRecord>& records, const std::string& label)
{
    const std::vector<ContactRecord> expected = ExpectedFolder();
    ASSERT_EQ(expected.size(), records.size()) << label;
    for (size_t i = 0; i < expected.size(); ++i)
        ExpectSameRecord(expected[i], records[i], label + ", contact " + std::to_string(i + 1));
}

TEST(OstrelRead, TheProcessRunsInCodePage1252)
{
    // The expected texts below are written in it.
    EXPECT_EQ(1252u, GetACP());
}

TEST(OstrelRead, EveryContactWithAnAddressArrivesWithEveryFieldAndTheOtherItemsArePassedOver)
{
    StandInOutlook outlook(kFolder);
    ASSERT_TRUE(outlook.Registered());
    Reader reader(Ostrel_initialize());
    ASSERT_NE(nullptr, reader);
    ExpectFolder(ReadAll(reader.get()), "first read");
}

TEST(OstrelRead, AFolderThatStartsWithADistributionListStillGivesTheContactsAfterIt)
{
    StandInOutlook outlook("Class=69\tDLName=Team\nClass=69\tDLName=Family\n"
                           "Class=40\tFirstName=Ann\tBusinessTelephoneNumber=100\n");
    Reader reader(Ostrel_initialize());
    ASSERT_NE(nullptr, reader);
    const std::vector<ContactRecord> records = ReadAll(reader.get());
    ASSERT_EQ(1u, records.size());
    ExpectSameRecord(MakeRecord({{&ContactRecord::FirstName, "Ann"}, {&ContactRecord::WorkPhone, "100"}}, 0),
                     records[0], "Ann");
}

TEST(OstrelRead, FoldersWithNothingToGiveEndAtOnce)
{
    const struct {
        const char* label;
        const char* contacts;
    } cases[] = {
        {"empty folder", ""},
        {"only a distribution list", "Class=69\tDLName=Team\n"},
        {"only contacts without an address", "Class=40\tFirstName=A\nClass=40\tNickName=B\tGender=1\n"},
    };
    for (const auto& c : cases) {
        StandInOutlook outlook(c.contacts);
        Reader reader(Ostrel_initialize());
        ASSERT_NE(nullptr, reader) << c.label;
        ContactRecord record = {};
        EXPECT_FALSE(Ostrel_getFirstContact(reader.get(), &record)) << c.label;
        EXPECT_FALSE(Ostrel_getNextContact(reader.get(), &record)) << c.label;
    }
}

TEST(OstrelRead, EachPropertyIsReadOncePerContactItem)
{
    StandInOutlook outlook(kFolder);
    Reader reader(Ostrel_initialize());
    ASSERT_NE(nullptr, reader);
    ReadAll(reader.get());
    // Five items; four of them contacts, the one without an address among them.
    EXPECT_EQ(5, OutlookStandIn_ReadCount(L"Class"));
    const char* const properties[] = {
        "FirstName", "LastName", "FullName", "NickName", "Email1Address", "WebPage",
        "IMAddress", "Gender", "HomeAddress", "OfficeLocation", "CompanyAndFullName",
        "MobileTelephoneNumber", "HomeTelephoneNumber", "CompanyMainTelephoneNumber",
        "BusinessFaxNumber", "BusinessTelephoneNumber",
    };
    for (const char* property : properties) {
        const std::wstring name(property, property + strlen(property));
        EXPECT_EQ(4, OutlookStandIn_ReadCount(name.c_str())) << property;
    }
    EXPECT_EQ(0, OutlookStandIn_ReadCount(L"DLName"));
}

TEST(OstrelRead, TextsLongerThanAFieldAreCutTo511Bytes)
{
    const std::string ascii(600, 'x');
    std::string accented;
    for (int i = 0; i < 600; ++i)
        accented += "é";
    StandInOutlook outlook("Class=40\tFirstName=" + ascii + "\tLastName=" + accented + "\tIMAddress=" + ascii +
                           "\n");
    Reader reader(Ostrel_initialize());
    ASSERT_NE(nullptr, reader);
    const std::vector<ContactRecord> records = ReadAll(reader.get());
    ASSERT_EQ(1u, records.size());
    ExpectSameRecord(MakeRecord({{&ContactRecord::FirstName, ascii.c_str()},
                                 {&ContactRecord::LastName, std::string(600, '\xE9').c_str()},
                                 {&ContactRecord::PreferredAddress, ascii.c_str()}},
                                0),
                     records[0], "long texts");
    EXPECT_EQ(511u, strlen(records[0].LastName));
}

TEST(OstrelRead, FirstStartsTheFolderAgainAndTheEndStaysTheEnd)
{
    StandInOutlook outlook(kFolder);
    Reader reader(Ostrel_initialize());
    ASSERT_NE(nullptr, reader);
    ContactRecord record = {};
    ASSERT_TRUE(Ostrel_getFirstContact(reader.get(), &record));
    ASSERT_TRUE(Ostrel_getNextContact(reader.get(), &record));
    EXPECT_STREQ("Lukasz", record.FirstName);
    ASSERT_TRUE(Ostrel_getNextContact(reader.get(), &record));
    EXPECT_FALSE(Ostrel_getNextContact(reader.get(), &record));
    EXPECT_FALSE(Ostrel_getNextContact(reader.get(), &record));
    ExpectFolder(ReadAll(reader.get()), "read again from the first contact");
}

TEST(OstrelRead, AReaderMadeAfterTheFirstIsGoneReadsTheSameContacts)
{
    StandInOutlook outlook(kFolder);
    for (int round = 1; round <= 2; ++round) {
        Reader reader(Ostrel_initialize());
        ASSERT_NE(nullptr, reader) << "round " << round;
        ExpectFolder(ReadAll(reader.get()), "round " + std::to_string(round));
    }
}

TEST(OstrelRead, EverythingTakenFromOutlookIsReleasedWithTheReader)
{
    StandInOutlook outlook(kFolder);
    ASSERT_EQ(0, OutlookStandIn_LiveObjects());
    const struct {
        const char* label;
        int reads;   // calls after the first; -1 for none at all
    } cases[] = {{"never read", -1}, {"left in the middle", 1}, {"read to the end", 10}};
    for (const auto& c : cases) {
        Ostrel* reader = Ostrel_initialize();
        ASSERT_NE(nullptr, reader) << c.label;
        ContactRecord record = {};
        if (c.reads >= 0 && Ostrel_getFirstContact(reader, &record)) {
            for (int i = 0; i < c.reads && Ostrel_getNextContact(reader, &record); ++i) {
            }
        }
        EXPECT_GT(OutlookStandIn_LiveObjects(), 0) << c.label;
        Ostrel_unInitialize(reader);
        EXPECT_EQ(0, OutlookStandIn_LiveObjects()) << c.label;
    }
}

} // namespace
