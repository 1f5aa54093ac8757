// A user's contacts with the real Lumeo.exe from a fresh program copy: a contact added
// through the contact form, a group made from the tree's menu and named in place, the contact
// dragged into it, its presence, scripted for the stand-in's peer, popping up, and a chat
// message sent to it and echoed back by the peer.
#include "tests/e2e/SignInChecks.h"
#include "tests/e2e/driver/ProgramTree.h"

#include "core/Base64.h"

#include <gtest/gtest.h>

namespace {

using e2e::LumeoProcess;
using e2e::ProgramCopy;
using e2e::ProgramTree;
using namespace e2e_test;

// The contacts page's tree (the page gives it this id).
constexpr int kContactsTreeId = 1111;

std::string Stored(const std::string& text)
{
    return Base64Encode(text, true);
}

std::vector<std::wstring> Notices(const LumeoProcess& lumeo)
{
    std::vector<std::wstring> notices;
    for (const e2e::SeamLine& line : lumeo.ShellCalls()) {
        if (line.kind == "notice")
            notices.push_back(line.second);
    }
    return notices;
}

TEST(Story, ContactAddedGroupedWatchedAndMessaged)
{
    const ProgramCopy copy;
    ASSERT_TRUE(copy.Ready());
    const e2e::TypedAccount account;
    ASSERT_TRUE(e2e::StoreAccount(copy, account));
    // The peer reports its presence 30 s after the engine starts: the contact is in its new
    // group by then, and presence notices pop up (they stay silent for 10 s after sign-in).
    ASSERT_TRUE(e2e::WriteFileBytes(copy.Path(L"peer.txt"),
                                    "event 30000 31 remote=\"bob@sip.example\" status=Online\n"));
    const LumeoProcess lumeo(copy, {{L"LUMEO_ENGINE_SCENARIO", copy.Path(L"peer.txt")}});
    const HWND main = lumeo.WaitForWindow(L"IDW_MAIN");
    ASSERT_NE(nullptr, main);
    ExpectSignedInWith(lumeo, account);
    const std::string handle = lumeo.JournalOf("Tavik_registerServer")[0].substr(21);
    const std::string engine = handle.substr(0, handle.find(','));
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::ControlText(main, IDC_STA_USERNAME) == Wide(account.userName); }));
    ASSERT_TRUE(e2e::Click(main, IDC_RAD_CONTACTS));
    const HWND page = lumeo.FindChild(main, L"IDW_CONTACTS");
    ASSERT_NE(nullptr, page);
    const ProgramTree tree(lumeo.Handle(), e2e::Control(page, kContactsTreeId));
    ASSERT_NE(nullptr, tree.Window());
    ASSERT_TRUE(e2e::WaitUntil([&] { return ::IsWindowVisible(tree.Window()) != FALSE; }));
    ASSERT_TRUE(e2e::WaitUntil([&] { return tree.Root(L"Friends") != nullptr; }));

    // A contact added with the add-contact button: a bare number gets the account's server.
    ASSERT_TRUE(e2e::Click(main, IDC_BTN_ADDCONTACT));
    const HWND form = lumeo.WaitForWindow(L"IDW_CONTACTDETAILS");
    ASSERT_NE(nullptr, form);
    ASSERT_TRUE(e2e::TypeInto(form, IDC_EDT_FIRSTNAME, L"Bob"));
    ASSERT_TRUE(e2e::TypeInto(form, IDC_EDT_LASTNAME, L"Stone"));
    ASSERT_TRUE(e2e::TypeInto(form, IDC_EDT_SIPNUMBER, L"bob"));
    ASSERT_TRUE(e2e::Click(form, IDC_BTN_SAVECONTACT));
    ASSERT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(form); }));
    ASSERT_TRUE(e2e::WaitUntil([&] { return tree.Children(tree.Root(L"Friends")).size() == 1; }));
    EXPECT_TRUE(lumeo.Prompts().empty()) << Describe(lumeo.Prompts());
    // The new contact's presence is subscribed to.
    const std::string subscribe = "Tavik_presenceSubscribeContact(" + engine + ",\"sip:bob@sip.example\",\"Hello\")";
    const std::vector<std::string> subscriptions = lumeo.JournalOf("Tavik_presenceSubscribeContact");
    EXPECT_FALSE(subscriptions.empty());
    for (const std::string& line : subscriptions)
        EXPECT_EQ(subscribe, line);

    // A group made from the tree's menu and named in place.
    ASSERT_TRUE(e2e::Command(tree.Window(), ID_GROUP_CREATE));
    HWND editor = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] { return (editor = tree.LabelEditor()) != nullptr; }));
    ASSERT_TRUE(::SendMessageW(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Work")));
    ASSERT_TRUE(e2e::PressKey(editor, VK_RETURN));
    ASSERT_TRUE(e2e::WaitUntil([&] { return tree.LabelEditor() == nullptr && tree.Root(L"Work") != nullptr; }));
    const HTREEITEM work = tree.Root(L"Work");
    EXPECT_EQ((std::vector<HTREEITEM>{tree.Root(L"Friends"), work}), tree.Roots());

    // The contact dragged onto the new group.
    ASSERT_TRUE(tree.Drag(tree.Children(tree.Root(L"Friends"))[0], work));
    ASSERT_TRUE(e2e::WaitUntil([&] { return tree.Children(work).size() == 1; }));
    EXPECT_TRUE(tree.Children(tree.Root(L"Friends")).empty());

    // The peer's presence pops up with the contact's name and address.
    ASSERT_TRUE(e2e::WaitUntil([&] { return !Notices(lumeo).empty(); }, 45000));
    EXPECT_EQ(std::vector<std::wstring>{L"Bob Stone<sip:bob@sip.example> is Online."}, Notices(lumeo));
    ASSERT_EQ(1u, tree.Children(work).size());

    // A chat opened from the tree's menu; the message sent with Enter, and the peer's echo.
    ASSERT_TRUE(tree.Select(tree.Children(work)[0]));
    ASSERT_TRUE(e2e::Command(tree.Window(), ID_CONTACT_MESSAGE));
    const HWND chat = lumeo.WaitForWindow(L"IDW_CHAT");
    ASSERT_NE(nullptr, chat);
    EXPECT_EQ(L"Bob Stone", e2e::ControlText(chat, IDC_STA_TITLE));
    ASSERT_TRUE(e2e::TypeInto(chat, IDC_EDT_SENDMESSAGETEXT, L"Hello Bob"));
    ASSERT_TRUE(e2e::PressKey(e2e::Control(chat, IDC_EDT_SENDMESSAGETEXT), VK_RETURN));
    const std::wstring sent = L"alice<alice@sip.example> says:\r\n  Hello Bob";
    const std::wstring echoed = sent + L"\r\n\r\nBob Stone<bob@sip.example> says:\r\n  Hello Bob";
    e2e::WaitUntil([&] { return e2e::ControlText(chat, IDC_EDT_RECVMESSAGETEXT) == echoed; });
    ASSERT_EQ(echoed, e2e::ControlText(chat, IDC_EDT_RECVMESSAGETEXT));
    EXPECT_EQ(L"", e2e::ControlText(chat, IDC_EDT_SENDMESSAGETEXT));
    EXPECT_EQ(std::vector<std::string>{"Tavik_sendPagerMessage(" + engine + ",\"sip:bob@sip.example\",\"Hello Bob\")"},
              lumeo.JournalOf("Tavik_sendPagerMessage"));
    EXPECT_TRUE(lumeo.Prompts().empty()) << Describe(lumeo.Prompts());
    ExitThroughMenu(lumeo, main);

    // What the next start finds: the contact in its new group, and the group.
    EXPECT_EQ((e2e::SqlRows{{"sip:bob@sip.example", Stored("Bob"), Stored("Stone"), Stored("Work")}}),
              e2e::QuerySql(copy, "select SIPUri, FirstName, LastName, GroupName from Contacts"));
    EXPECT_EQ((e2e::SqlRows{{Stored("Work")}}),
              e2e::QuerySql(copy, "select GroupName from Groups where GroupName = '" + Stored("Work") + "'"));
}

} // namespace
