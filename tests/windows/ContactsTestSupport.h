#pragma once
// The contacts page inside the main window, signed in against the engine stand-in: rows put
// straight into tables Groups and Contacts before the sign-in loads them, contact events
// delivered as the engine delivers them, the tree read back group by group, and the presence
// pop-ups recorded instead of shown.
#include "tests/support/SystemAnswersScope.h"
#include "tests/windows/ContactsTreeTestSupport.h"
#include "tests/windows/MainFrameTestSupport.h"

#include "windows/contacts/ContactsTree.h"
#include "windows/contacts/ContactsWnd.h"

#include <string>
#include <vector>

namespace windows_test {

// A contact row as a test writes it: names in plain text (stored in Base64), the group by
// its stored name.
struct ContactRowSpec {
    std::string sipUri;
    std::string firstName;
    std::string lastName;
    std::string nickName;
    std::string group;
    int subscribed = 0;
    int accepted = 0;
    int subscribeId = 0;
    std::string icon;
};

// A presence pop-up: its owner window and text.
struct Notice {
    HWND owner;
    std::wstring text;
};

class ContactsTest : public MainFrameTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Rows straight into the tables, as an earlier session left them.
    static void StoreGroup(const std::string& name);
    // The default group's row, under its shown name as the main window names it.
    static void StoreDefaultGroup();
    static void StoreContact(const ContactRowSpec& contact);
    // Signs in; the registration success loads the page.
    void SignIn();

    CContactsWnd& Page() { return *frame->Contacts(); }
    CContactsTree& Tree() { return Page().GetTree(); }
    // The group items' texts, in order.
    std::vector<std::wstring> Groups();
    // The contacts under the group item of that text, in order.
    std::vector<ShownContact> ContactsOf(const std::wstring& group);
    // The subscribeid column of a row; -1 when there is none.
    static int StoredSubscribeId(const std::string& sipUri);

    // An event as the engine delivers it, dispatched through the main window.
    void Deliver(int type, const char* remote, const char* displayName = nullptr, const char* status = nullptr,
                 const char* body = nullptr);

    // The default group's shown name (every UI text is "<section>/<key>" here).
    static const std::wstring kDefaultGroup;

    static std::vector<Notice> s_notices;

    // Keeps every presence notice in s_notices instead of showing it, while `recording`.
    class NoticeRecorder : public lumeo_test::SystemAnswersScope {
    public:
        bool TakePresenceNotice(CWnd* owner, const CString& text) const override;
        bool recording = true;
    };
    NoticeRecorder noticeRecorder;
};

} // namespace windows_test
