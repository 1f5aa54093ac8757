// The contacts tree's commands on the selected node: calls to the address and the stored
// phones (a double click calls the address), the chat window, deleting a contact with its
// row and chat window (the Delete key too), and commands that need a contact doing nothing
// on a group or an empty selection.
#include "tests/windows/ContactsTreeTestSupport.h"

#include "resources/ProgramIds.h"
#include "windows/call/CallPhonesWnd.h"
#include "windows/chat/ChatWnd.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

namespace windows_test {
namespace {

class ContactsCommands : public ContactsTreeTest {
protected:
    void SetUp() override
    {
        ContactsTreeTest::SetUp();
        ASSERT_TRUE(tree.SaveContact("Ann", "", "", "", "sip:ann@h", "", "100", "200", "", DefaultGroup(), "", false,
                                     0, 0, false));
        ann = ContactNode(L"sip:ann@h");
        ASSERT_NE(nullptr, ann);
    }
    void SignInAndRegister()
    {
        UseAccount();
        ASSERT_TRUE(frame->SignIn());
        Deliver(NewEvent(1));
        ASSERT_EQ(1, frame->IsSignedIn());
        EngineControl_ClearJournal();
    }
    // The callee of each call placed since the journal was cleared.
    std::vector<std::string> Calls() const
    {
        std::vector<std::string> callees;
        for (const std::string& line : JournalOf("Tavik_call")) {
            const size_t open = line.find('"');
            callees.push_back(line.substr(open + 1, line.find('"', open + 1) - open - 1));
        }
        return callees;
    }
    void Command(UINT id)
    {
        tree.SendMessage(WM_COMMAND, id, 0);
        PumpPending();
    }

    HTREEITEM ann = nullptr;
};

TEST_F(ContactsCommands, CallsGoToTheAddressOrTheStoredPhoneOfTheSelectedContact)
{
    SignInAndRegister();
    struct Case {
        UINT command;
        const char* callee;   // null: no call
    };
    const Case cases[] = {{ID_CONTACT_CALLSIP, "sip:ann@h"},
                          {ID_CONTACT_CALLHOME, "100"},
                          {ID_CONTACT_CALLWORK, "200"},
                          {ID_CONTACT_CALLMOBILE, nullptr}};
    for (const Case& c : cases) {
        EngineControl_ClearJournal();
        tree.SelectItem(ann);
        Command(c.command);
        if (c.callee)
            EXPECT_THAT(Calls(), ElementsAre(c.callee)) << c.command;
        else
            EXPECT_THAT(Calls(), IsEmpty()) << c.command;
        frame->GetCallPage()->HangUpAllLines();

        // On a group, nothing.
        EngineControl_ClearJournal();
        tree.SelectItem(tree.GetRootItem());
        Command(c.command);
        EXPECT_THAT(Calls(), IsEmpty()) << c.command;
    }

    EngineControl_ClearJournal();
    tree.SelectItem(ann);
    RECT row{};
    tree.GetItemRect(ann, &row, FALSE);
    tree.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(row.left + 80, row.top + 20));
    PumpPending();
    EXPECT_THAT(Calls(), ElementsAre("sip:ann@h"));
}

TEST_F(ContactsCommands, InstantMessageOpensOneChatWindowForTheContact)
{
    tree.SelectItem(ann);
    Command(ID_CONTACT_MESSAGE);
    CChatWnd* const chat = frame->FindChatWindow("sip:ann@h");
    ASSERT_NE(nullptr, chat);
    EXPECT_TRUE(chat->IsWindowVisible());
    Command(ID_CONTACT_MESSAGE);
    EXPECT_EQ(1u, frame->GetChatWindows().size());
    Command(ID_CONTACT_MESSAGEHISTORY);   // no action
    EXPECT_EQ(1u, frame->GetChatWindows().size());
}

TEST_F(ContactsCommands, DeletingAContactTakesItsRowNodeAndChatWindowWithoutAsking)
{
    ASSERT_TRUE(Save("Bob", "sip:bob@h", DefaultGroup()));
    tree.SelectItem(ann);
    Command(ID_CONTACT_MESSAGE);
    ASSERT_NE(nullptr, frame->FindChatWindow("sip:ann@h"));
    Command(ID_CONTACT_DELETE);
    EXPECT_EQ(nullptr, ContactNode(L"sip:ann@h"));
    EXPECT_EQ(nullptr, frame->FindChatWindow("sip:ann@h"));
    ASSERT_EQ(1u, StoredContacts().size());
    EXPECT_EQ("sip:bob@h", StoredContacts()[0].sipUri);
    EXPECT_THAT(prompts.Prompts(), IsEmpty());

    // The Delete key does the same; on a group holding contacts it does nothing.
    tree.SelectItem(tree.GetRootItem());
    tree.SendMessage(WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_NE(nullptr, ContactNode(L"sip:bob@h"));
    tree.SelectItem(ContactNode(L"sip:bob@h"));
    tree.SendMessage(WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(nullptr, ContactNode(L"sip:bob@h"));
    EXPECT_THAT(StoredContacts(), IsEmpty());
    EXPECT_NE(nullptr, tree.GetRootItem());
}

TEST_F(ContactsCommands, AContactWhoseRowCannotBeDeletedStaysShown)
{
    Refuse("Contacts", "delete");
    tree.SelectItem(ann);
    Command(ID_CONTACT_DELETE);
    EXPECT_NE(nullptr, ContactNode(L"sip:ann@h"));
    EXPECT_EQ(1u, StoredContacts().size());
}

} // namespace
} // namespace windows_test
