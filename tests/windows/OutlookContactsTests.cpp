// The reading half of the Outlook import, against our stand-in Outlook: each contact with an
// address arrives with its texts (letters of the ANSI code page intact), its address made a
// SIP address on the account's server and its own avatar; distribution lists and contacts
// without an address are passed over; Ostrel is let go on every way out, also when Outlook
// is missing, and the main window's slot holds the handle only while the import runs.
#include "windows/contacts/OutlookContacts.h"

#include "tests/ostrel/OstrelTestSupport.h"
#include "tests/ostrel/outlook/OutlookStandIn.h"
#include "tests/windows/OutlookSampleFolder.h"
#include "windows/main/MainFrame.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

using ostrel_test::MakeRecord;
using ostrel_test::StandInOutlook;

namespace {

OutlookImportSettings Settings(int port)
{
    OutlookImportSettings settings;
    settings.proxyServer = "sip.example.net";
    settings.proxyPort = port;
    settings.skinFolder = "C:\\Lumeo\\Skins\\Lumeo\\";
    return settings;
}

TEST(OutlookContacts, AddressesBecomeSipAddressesOnTheAccountsServer)
{
    const struct {
        const char* address;
        int port;
        const char* expected;
    } cases[] = {
        {"bob", 5060, "sip:bob@sip.example.net"},
        {"bob", 5070, "sip:bob@sip.example.net:5070"},
        {"+1 (555) 0100", 5060, "sip:+1 (555) 0100@sip.example.net"},
        {"+1 (555) 0100", 5070, "sip:+1 (555) 0100@sip.example.net:5070"},
        {"bob@example.org", 5060, "sip:bob@example.org"},
        {"bob@example.org", 5070, "sip:bob@example.org:5070"},
        {"sip:bob@example.org", 5060, "sip:bob@example.org"},
        {"sip:bob@example.org", 5070, "sip:bob@example.org"},
        {"sip:bob", 5070, "sip:bob@sip.example.net:5070"},
        {"SIP:bob@example.org", 5060, "sip:SIP:bob@example.org"},   // "sip:" is looked for as written
        {"J\xF6rg", 5060, "sip:J\xF6rg@sip.example.net"},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(row.expected, MakeSipAddress(row.address, Settings(row.port)))
            << row.address << " on port " << row.port;
    }
}

TEST(OutlookContacts, TheAddressIsTheFirstFieldSetAndTheIconFollowsTheContactsOwnAvatarKind)
{
    OutlookContact contact;
    ASSERT_TRUE(ContactFromRecord(MakeRecord({{&ContactRecord::FirstName, "Ann"},
                                              {&ContactRecord::LastName, "Lee"},
                                              {&ContactRecord::NickName, "Annie"},
                                              {&ContactRecord::Email, "ann@example.org"},
                                              {&ContactRecord::HomePhone, "111"},
                                              {&ContactRecord::WorkPhone, "222"},
                                              {&ContactRecord::MobilePhone, "333"},
                                              {&ContactRecord::Extra2, "Ann Lee"}},
                                             1),
                                  Settings(5060), contact));
    EXPECT_EQ("Ann", contact.firstName);
    EXPECT_EQ("Lee", contact.lastName);
    EXPECT_EQ("Annie", contact.nickName);
    EXPECT_EQ("sip:ann@example.org", contact.sipAddress);
    EXPECT_EQ("ann@example.org", contact.email);
    EXPECT_EQ("111", contact.homePhone);
    EXPECT_EQ("222", contact.workPhone);
    EXPECT_EQ("333", contact.mobilePhone);
    EXPECT_EQ("C:\\Lumeo\\Skins\\Lumeo\\avatars\\Face012.bmp", contact.avatarPath);

    for (const int kind : {0, 2, -1}) {
        ASSERT_TRUE(ContactFromRecord(MakeRecord({{&ContactRecord::HomePhone, "111"}}, kind), Settings(5060), contact));
        EXPECT_EQ("sip:111@sip.example.net", contact.sipAddress) << kind;
        EXPECT_EQ("C:\\Lumeo\\Skins\\Lumeo\\avatars\\Face01.bmp", contact.avatarPath) << kind;
    }
}

TEST(OutlookContacts, AContactWithNoAddressIsNotTaken)
{
    OutlookContact contact;
    contact.firstName = "kept";
    EXPECT_FALSE(ContactFromRecord(MakeRecord({{&ContactRecord::FirstName, "Nobody"},
                                               {&ContactRecord::NickName, "nil"},
                                               {&ContactRecord::Extra5, "http://nowhere/"}},
                                              1),
                                   Settings(5060), contact));
    EXPECT_EQ("kept", contact.firstName);
}

std::vector<OutlookContact> ExpectedFolder()
{
    const std::string avatars = "C:\\Lumeo\\Skins\\Lumeo\\avatars\\";
    return {
        {"Zo\xEB", "\xC5ngstr\xF6m", "Zozo", "sip:zoe@example.org", "zoe@example.org", "+33 1 22 33 44 55",
         "+33 1 33 33 33 33", "+33 6 11 22 33 44", avatars + "Face012.bmp"},
        {"Bj\xF6rn", "S\xF8", "", "sip:+46 70 123 45 67@sip.example.net:5070", "", "", "", "+46 70 123 45 67",
         avatars + "Face01.bmp"},
        {"Jos\xE9", "", "", "sip:jose@example.org:5070", "jose@example.org", "", "", "", avatars + "Face01.bmp"},
        {"", "", "Kim", "sip:kim@sip.example.net:5070", "", "", "", "", avatars + "Face012.bmp"},
    };
}

void ExpectContacts(const std::vector<OutlookContact>& expected, const std::vector<OutlookContact>& actual)
{
    ASSERT_EQ(expected.size(), actual.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const OutlookContact& want = expected[i];
        const OutlookContact& got = actual[i];
        const std::string row = "contact " + std::to_string(i + 1);
        EXPECT_EQ(want.firstName, got.firstName) << row;
        EXPECT_EQ(want.lastName, got.lastName) << row;
        EXPECT_EQ(want.nickName, got.nickName) << row;
        EXPECT_EQ(want.sipAddress, got.sipAddress) << row;
        EXPECT_EQ(want.email, got.email) << row;
        EXPECT_EQ(want.homePhone, got.homePhone) << row;
        EXPECT_EQ(want.workPhone, got.workPhone) << row;
        EXPECT_EQ(want.mobilePhone, got.mobilePhone) << row;
        EXPECT_EQ(want.avatarPath, got.avatarPath) << row;
    }
}

TEST(OutlookContacts, EveryContactWithAnAddressIsHandedOnInFolderOrderAndTheRestPassedOver)
{
    ASSERT_EQ(1252u, GetACP());   // the expected texts are written in it
    StandInOutlook outlook(windows_test::kOutlookSampleFolder);
    ASSERT_TRUE(outlook.Registered());
    CMainFrame frame;
    std::vector<OutlookContact> taken;
    std::vector<bool> heldWhileTaking;
    EXPECT_EQ(OutlookImportResult::kRead, ReadOutlookContacts(&frame, Settings(5070), [&](const OutlookContact& contact) {
                  taken.push_back(contact);
                  heldWhileTaking.push_back(frame.GetOstrelHandle() != nullptr);
              }));
    ExpectContacts(ExpectedFolder(), taken);
    EXPECT_EQ(std::vector<bool>(taken.size(), true), heldWhileTaking);
    EXPECT_EQ(nullptr, frame.GetOstrelHandle());
    EXPECT_EQ(0, OutlookStandIn_LiveObjects());
}

TEST(OutlookContacts, OstrelIsLetGoOnEveryWayOut)
{
    const struct {
        const char* name;
        const char* folder;
        bool handleAlreadyHeld;
        bool takeThrows;
        size_t taken;
    } cases[] = {
        {"an empty folder", "", false, false, 0},
        {"a folder of a distribution list", "Class=69\tDLName=Team\n", false, false, 0},
        {"a handle the window already held", windows_test::kOutlookSampleFolder, true, false, 4},
        {"a store that throws", windows_test::kOutlookSampleFolder, false, true, 1},
        {"a contact Outlook cannot read", "Class=40\tNickName=A\tIMAddress=a\nClass=40\tNickName=B\tIMAddress=b\tFail=NickName\n"
                                          "Class=40\tNickName=C\tIMAddress=c\n",
         false, false, 1},
    };
    for (const auto& row : cases) {
        StandInOutlook outlook(row.folder);
        ASSERT_TRUE(outlook.Registered()) << row.name;
        CMainFrame frame;
        if (row.handleAlreadyHeld)
            frame.SetOstrelHandle(Ostrel_initialize());
        size_t taken = 0;
        const auto take = [&](const OutlookContact&) {
            ++taken;
            if (row.takeThrows)
                throw std::runtime_error("the store failed");
        };
        OutlookImportResult result = OutlookImportResult::kNoOutlook;
        bool threw = false;
        try {
            result = ReadOutlookContacts(&frame, Settings(5060), take);
        } catch (const std::runtime_error&) {
            threw = true;
        }
        EXPECT_EQ(row.takeThrows, threw) << row.name;
        if (!row.takeThrows) {
            EXPECT_EQ(OutlookImportResult::kRead, result) << row.name;
        }
        EXPECT_EQ(row.taken, taken) << row.name;
        EXPECT_EQ(nullptr, frame.GetOstrelHandle()) << row.name;
        EXPECT_EQ(0, OutlookStandIn_LiveObjects()) << row.name;
    }
}

TEST(OutlookContacts, WithoutOutlookNothingIsReadAndNothingIsHeld)
{
    ASSERT_TRUE(SUCCEEDED(OutlookStandIn_Unregister()));
    CMainFrame frame;
    for (CMainFrame* holder : {static_cast<CMainFrame*>(nullptr), &frame}) {
        int taken = 0;
        EXPECT_EQ(OutlookImportResult::kNoOutlook,
                  ReadOutlookContacts(holder, Settings(5060), [&](const OutlookContact&) { ++taken; }));
        EXPECT_EQ(0, taken);
        if (holder) {
            EXPECT_EQ(nullptr, holder->GetOstrelHandle());
        }
    }
    EXPECT_EQ(0, OutlookStandIn_LiveObjects());
}

} // namespace
