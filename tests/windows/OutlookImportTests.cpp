// The contacts tree's "Import contacts from Outlook" against our stand-in Outlook: every
// contact with an address is stored in the default group with its fields and shown under the
// group's node, distribution lists and contacts without an address are passed over, letters
// of the ANSI code page stay intact, and an import adds nothing that is already stored.
// Without Outlook the user is told so, nothing is stored and nothing is held.
#include "tests/windows/ContactsTreeTestSupport.h"

#include "core/AccountRecord.h"
#include "core/TextConvert.h"
#include "resources/ProgramIds.h"
#include "skin/model/SkinReader.h"
#include "tests/ostrel/OstrelTestSupport.h"
#include "tests/ostrel/outlook/OutlookStandIn.h"
#include "tests/support/SystemAnswersScope.h"
#include "tests/windows/OutlookSampleFolder.h"
#include "texts/UiTextTable.h"
#include "windows/msgbox/MessageBox.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace windows_test {
namespace {


std::vector<std::wstring> g_messages;

class RecordMessages : public lumeo_test::SystemAnswersScope {
public:
    std::optional<int> AnswerMessageBox(const CString&, const CString& message, CWnd*) const override
    {
        g_messages.push_back(static_cast<LPCWSTR>(message));
        return IDOK;
    }
};

class OutlookImportTest : public ContactsTreeTest {
protected:
    void SetUp() override
    {
        ContactsTreeTest::SetUp();
        g_account.ProxyServer = "sip.example.net";
        g_account.ProxyPort = 5070;
        g_messages.clear();
        m_messages.emplace();
    }
    void TearDown() override
    {
        m_messages.reset();
        ContactsTreeTest::TearDown();
    }

    // The command as the tree's menus send it.
    void Import() { tree.SendMessage(WM_COMMAND, MAKEWPARAM(ID_CONTACTS_IMPORTOUTLOOK, 0), 0); }

    static std::string Avatar(const char* face) { return WideToAnsi(Vexel::GetSkinFolder()) + "avatars\\" + face; }

    std::optional<RecordMessages> m_messages;
};

TEST_F(OutlookImportTest, EveryContactWithAnAddressIsStoredInTheDefaultGroupAndShownUnderIt)
{
    ASSERT_EQ(1252u, GetACP());   // the expected texts are written in it
    ostrel_test::StandInOutlook outlook(kOutlookSampleFolder);
    ASSERT_TRUE(outlook.Registered());
    Import();

    const struct {
        const char* sipUri;
        const char* firstName;
        const char* lastName;
        const char* nickName;
        const char* email;
        const char* homePhone;
        const char* workPhone;
        const char* mobilePhone;
        const char* face;
    } expected[] = {
        {"sip:zoe@example.org", "Zo\xEB", "\xC5ngstr\xF6m", "Zozo", "zoe@example.org", "+33 1 22 33 44 55",
         "+33 1 33 33 33 33", "+33 6 11 22 33 44", "face012.ico"},
        {"sip:+46 70 123 45 67@sip.example.net:5070", "Bj\xF6rn", "S\xF8", "", "", "", "", "+46 70 123 45 67",
         "face01.ico"},
        {"sip:jose@example.org:5070", "Jos\xE9", "", "", "jose@example.org", "", "", "", "face01.ico"},
        {"sip:kim@sip.example.net:5070", "", "", "Kim", "", "", "", "", "face012.ico"},
    };
    const std::vector<StoredContact> stored = StoredContacts();
    ASSERT_EQ(std::size(expected), stored.size());
    for (const auto& want : expected) {
        const StoredContact got = StoredContactOf(want.sipUri);
        ASSERT_EQ(want.sipUri, got.sipUri) << want.sipUri << " is stored";
        EXPECT_EQ(want.firstName, got.firstName) << want.sipUri;
        EXPECT_EQ(want.lastName, got.lastName) << want.sipUri;
        EXPECT_EQ(want.nickName, got.nickName) << want.sipUri;
        EXPECT_EQ("", got.jobTitle) << want.sipUri;
        EXPECT_EQ("Friends", got.groupName) << want.sipUri;
        EXPECT_EQ(Avatar(want.face), got.icon) << want.sipUri;
        EXPECT_EQ(want.email, got.email) << want.sipUri;
        EXPECT_EQ(want.homePhone, got.homePhone) << want.sipUri;
        EXPECT_EQ(want.workPhone, got.workPhone) << want.sipUri;
        EXPECT_EQ(want.mobilePhone, got.mobilePhone) << want.sipUri;
        EXPECT_EQ(0, got.blocked) << want.sipUri;
        EXPECT_EQ(1, got.subscribed) << want.sipUri;
        EXPECT_EQ(0, got.accepted) << want.sipUri;
        EXPECT_EQ(0, got.subscribeId) << want.sipUri;
    }

    const std::vector<ShownGroup> expectedShown = {
        {std::wstring(AnsiToWide(DefaultGroup())),
         {{L"Zozo", L"sip:zoe@example.org", L"Offline"},
          {L"Bj\u00F6rn S\u00F8", L"sip:+46 70 123 45 67@sip.example.net:5070", L"Offline"},
          {L"Jos\u00E9 ", L"sip:jose@example.org:5070", L"Offline"},
          {L"Kim", L"sip:kim@sip.example.net:5070", L"Offline"}}},
    };
    EXPECT_EQ(expectedShown, Shown());
    EXPECT_TRUE(g_messages.empty());
    EXPECT_EQ(nullptr, g_pMainFrame->GetOstrelHandle());
    EXPECT_EQ(0, OutlookStandIn_LiveObjects());
}

TEST_F(OutlookImportTest, AnImportAddsNothingThatIsAlreadyStored)
{
    ostrel_test::StandInOutlook outlook(kOutlookSampleFolder);
    ASSERT_TRUE(outlook.Registered());
    // A contact of the book with an address Outlook also gives keeps its own texts.
    ASSERT_TRUE(Save("Zed", "sip:zoe@example.org", DefaultGroup()));
    Import();
    const std::vector<StoredContact> afterFirst = StoredContacts();
    const std::vector<ShownGroup> shownAfterFirst = Shown();
    ASSERT_EQ(4u, afterFirst.size());
    EXPECT_EQ("Zed", StoredContactOf("sip:zoe@example.org").firstName);

    Import();
    const std::vector<StoredContact> afterSecond = StoredContacts();
    ASSERT_EQ(afterFirst.size(), afterSecond.size());
    for (size_t i = 0; i < afterFirst.size(); ++i) {
        EXPECT_EQ(afterFirst[i].sipUri, afterSecond[i].sipUri);
        EXPECT_EQ(afterFirst[i].firstName, afterSecond[i].firstName) << afterFirst[i].sipUri;
    }
    EXPECT_EQ(shownAfterFirst, Shown());
    EXPECT_TRUE(g_messages.empty());
}

TEST_F(OutlookImportTest, AFolderWithNothingToImportStoresNothingAndSaysNothing)
{
    for (const char* folder : {"", "Class=69\tDLName=Team\n", "Class=40\tFirstName=Nobody\tGender=1\n"}) {
        ostrel_test::StandInOutlook outlook(folder);
        ASSERT_TRUE(outlook.Registered());
        Import();
        EXPECT_TRUE(StoredContacts().empty()) << folder;
        EXPECT_TRUE(g_messages.empty()) << folder;
        EXPECT_EQ(nullptr, g_pMainFrame->GetOstrelHandle()) << folder;
        EXPECT_EQ(0, OutlookStandIn_LiveObjects()) << folder;
    }
}

TEST_F(OutlookImportTest, WithoutOutlookTheUserIsToldAndNothingIsStoredOrHeld)
{
    ASSERT_TRUE(SUCCEEDED(OutlookStandIn_Unregister()));
    Import();
    ASSERT_FALSE(g_uiTexts.contactTreeWnd.t33011.IsEmpty());
    EXPECT_EQ(std::vector<std::wstring>{static_cast<LPCWSTR>(g_uiTexts.contactTreeWnd.t33011)}, g_messages);
    EXPECT_TRUE(StoredContacts().empty());
    EXPECT_EQ(nullptr, g_pMainFrame->GetOstrelHandle());
    EXPECT_TRUE(::IsWindow(tree.m_hWnd));

    // Outlook found again afterwards imports as usual.
    ostrel_test::StandInOutlook outlook("Class=40\tFirstName=Ann\tEmail1Address=ann@example.org\n");
    Import();
    EXPECT_EQ(1u, StoredContacts().size());
    EXPECT_EQ(1u, g_messages.size());
}

} // namespace
} // namespace windows_test
