// The contact form in its three modes over a real contacts tree: what each mode shows and lets
// the user change, what Save stores (a typed number completed into a full address, the
// default group when the combo offers nothing else, the picked avatar's icon), the message
// for a missing first name or number, and a view or a tree-less form that stores nothing.
#include "tests/windows/ContactTestSupport.h"

#include "core/AccountRecord.h"
#include "core/AvatarPaths.h"
#include "core/Base64.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "resources/Resource.h"
#include "tests/support/TempDir.h"
#include "windows/contacts/ContactDetailsWnd.h"
#include "windows/contacts/ContactsTree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

namespace windows_test {
namespace {

using lumeo_test::ChildText;
using testing::ElementsAre;

constexpr int kEdits[] = {IDC_EDT_FIRSTNAME, IDC_EDT_LASTNAME,  IDC_EDT_NICKNAME,  IDC_EDT_JOBTITLE, IDC_EDT_SIPNUMBER,
                          IDC_EDT_EMAIL,     IDC_EDT_HOMEPHONE, IDC_EDT_WORKPHONE, IDC_EDT_MOBILE};

bool IsReadOnly(HWND window, int id)
{
    return (::GetWindowLongW(::GetDlgItem(window, id), GWL_STYLE) & ES_READONLY) != 0;
}

bool IsEnabled(HWND window, int id)
{
    return ::IsWindowEnabled(::GetDlgItem(window, id)) != FALSE;
}

// A 2 x 2 bitmap file of one colour.
bool WriteTinyBitmap(const std::wstring& path)
{
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = 2;
    info.biHeight = 2;
    info.biPlanes = 1;
    info.biBitCount = 24;
    const std::string pixels(2 * 8, '\x40');   // rows padded to 4 bytes
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    return lumeo_test::WriteFileBytes(path, bytes + pixels);
}

void Type(HWND window, int id, const wchar_t* text)
{
    ::SetDlgItemTextW(window, id, text);
}

// What the form showed once it was up.
struct Seen {
    std::map<int, std::wstring> texts;
    std::map<int, bool> readOnly;
    bool groupsEnabled = false;
    bool pictureEnabled = false;
    std::wstring group;
    std::vector<std::wstring> groups;
};

Seen Look(HWND window)
{
    Seen seen;
    for (const int id : kEdits) {
        seen.texts[id] = ChildText(window, id);
        seen.readOnly[id] = IsReadOnly(window, id);
    }
    seen.groupsEnabled = IsEnabled(window, IDC_CMB_GROUP);
    seen.pictureEnabled = IsEnabled(window, IDC_BTN_SELECTPIC);
    seen.group = ChildText(window, IDC_CMB_GROUP);
    seen.groups = ContactTest::ComboEntries(window, IDC_CMB_GROUP);
    return seen;
}

class ContactForm : public ContactTest {
protected:
    void SetUp() override
    {
        ContactTest::SetUp();
        CreateFrame();
        UseAccount();
        g_account.ProxyServer = "sip.example";
        g_account.ProxyPort = 5080;
        StoreGroup("CONTACTDETAILS_WND/32000");
        StoreGroup("Group alice");
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_EDITLABELS, CRect(0, 0, 300, 400), frame.get(), 4242));
        tree.InsertItem(L"CONTACTDETAILS_WND/32000");
        tree.InsertItem(L"Group alice");
        Store(SampleContact("alice"));
        stored = ContactsOf(g_database);
    }
    void TearDown() override
    {
        if (tree.GetSafeHwnd())
            tree.DestroyWindow();
        ContactTest::TearDown();
    }

    CContactsTree tree;
    TableRows stored;
};

struct ModeRule {
    int mode;
    bool editsReadOnly;
    bool addressReadOnly;
    bool groupsEnabled;
    bool pictureEnabled;
};

TEST_F(ContactForm, EachModeShowsTheContactAndLetsTheUserChangeWhatItMay)
{
    const ModeRule kRules[] = {
        {CContactDetailsWnd::kViewMode, true, true, false, false},
        {CContactDetailsWnd::kEditMode, false, true, true, true},
        {CContactDetailsWnd::kAddMode, false, false, true, true},
    };
    for (const ModeRule& rule : kRules) {
        CContactDetailsWnd form;
        form.SetContactsTree(&tree);
        form.SetMode(rule.mode);
        form.SetSipUri(rule.mode == CContactDetailsWnd::kAddMode ? "1001" : "sip:alice@sip.example");
        Seen seen;
        EXPECT_EQ(kNotEnded, RunModal(form, [&](HWND window) { seen = Look(window); })) << rule.mode;
        for (const int id : kEdits) {
            const bool readOnly = id == IDC_EDT_SIPNUMBER ? rule.addressReadOnly : rule.editsReadOnly;
            EXPECT_EQ(readOnly, seen.readOnly[id]) << "mode " << rule.mode << ", edit " << id;
        }
        EXPECT_EQ(rule.groupsEnabled, seen.groupsEnabled) << rule.mode;
        EXPECT_EQ(rule.pictureEnabled, seen.pictureEnabled) << rule.mode;
        EXPECT_THAT(seen.groups, ElementsAre(L"CONTACTDETAILS_WND/32000", L"Group alice")) << rule.mode;
        if (rule.mode == CContactDetailsWnd::kAddMode) {
            EXPECT_EQ(L"1001", seen.texts[IDC_EDT_SIPNUMBER]);
            EXPECT_EQ(L"", seen.texts[IDC_EDT_FIRSTNAME]);
            EXPECT_EQ(L"CONTACTDETAILS_WND/32000", seen.group);
        } else {
            EXPECT_EQ(L"sip:alice@sip.example", seen.texts[IDC_EDT_SIPNUMBER]) << rule.mode;
            EXPECT_EQ(L"First alice", seen.texts[IDC_EDT_FIRSTNAME]) << rule.mode;
            EXPECT_EQ(L"O'Last alice", seen.texts[IDC_EDT_LASTNAME]) << rule.mode;
            EXPECT_EQ(L"Nick alice", seen.texts[IDC_EDT_NICKNAME]) << rule.mode;
            EXPECT_EQ(L"Job alice", seen.texts[IDC_EDT_JOBTITLE]) << rule.mode;
            EXPECT_EQ(L"alice@mail.example", seen.texts[IDC_EDT_EMAIL]) << rule.mode;
            EXPECT_EQ(L"100-alice", seen.texts[IDC_EDT_HOMEPHONE]) << rule.mode;
            EXPECT_EQ(L"200-alice", seen.texts[IDC_EDT_WORKPHONE]) << rule.mode;
            EXPECT_EQ(L"300-alice", seen.texts[IDC_EDT_MOBILE]) << rule.mode;
            EXPECT_EQ(L"Group alice", seen.group) << rule.mode;
        }
    }
    EXPECT_EQ(stored, ContactsOf(g_database));
}

TEST_F(ContactForm, SaveInViewModeOnlyClosesTheForm)
{
    CContactDetailsWnd form;
    form.SetContactsTree(&tree);
    form.SetMode(CContactDetailsWnd::kViewMode);
    form.SetSipUri("sip:alice@sip.example");
    EXPECT_EQ(IDCANCEL, RunModal(form, [](HWND window) {
                  Type(window, IDC_EDT_FIRSTNAME, L"Changed");
                  Click(window, IDC_BTN_SAVECONTACT);
              }));
    EXPECT_EQ(stored, ContactsOf(g_database));
}

TEST_F(ContactForm, EditStoresTheChangedFieldsAndKeepsTheAddress)
{
    CContactDetailsWnd form;
    form.SetContactsTree(&tree);
    form.SetMode(CContactDetailsWnd::kEditMode);
    form.SetSipUri("sip:alice@sip.example");
    EXPECT_EQ(IDOK, RunModal(form, [](HWND window) {
                  Type(window, IDC_EDT_NICKNAME, L"Ally");
                  Type(window, IDC_EDT_MOBILE, L"0799");
                  Type(window, IDC_EDT_SIPNUMBER, L"sip:mallory@sip.example");   // read-only: ignored
                  ::SendDlgItemMessageW(window, IDC_CMB_GROUP, CB_SETCURSEL, 0, 0);
                  Click(window, IDC_BTN_SAVECONTACT);
              }));
    const TableRows rows = ContactsOf(g_database);
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ("sip:alice@sip.example", rows[0][0]);
    EXPECT_EQ("0799", rows[0][4]);
    EXPECT_EQ(Base64Encode("Ally", true), rows[0][7]);
    EXPECT_EQ(Base64Encode("First alice", true), rows[0][5]);
    EXPECT_EQ(Base64Encode("Friends", true), rows[0][9]) << "the default group is stored by its own name";
}

TEST_F(ContactForm, AnEditThatChangesOnlyAPhoneNumberKeepsTheStoredAvatar)
{
    CContactDetailsWnd form;
    form.SetContactsTree(&tree);
    form.SetMode(CContactDetailsWnd::kEditMode);
    form.SetSipUri("sip:alice@sip.example");
    EXPECT_EQ(IDOK, RunModal(form, [](HWND window) {
                  Type(window, IDC_EDT_MOBILE, L"0799");
                  Click(window, IDC_BTN_SAVECONTACT);
              }));
    TableRows expected = stored;
    expected[0][4] = "0799";
    EXPECT_EQ(expected, ContactsOf(g_database)) << "the avatar (column 10) and every other column stay as stored";
    EXPECT_EQ(Base64Encode("C:\\avatars\\face02.ico", true), ContactsOf(g_database)[0][10]);
}

TEST_F(ContactForm, AddStoresTheCompletedAddressInTheDefaultGroup)
{
    ASSERT_TRUE(g_database.Exec("delete from Groups"));   // the combo then offers only the default
    CContactDetailsWnd form;
    form.SetContactsTree(&tree);
    form.SetSipUri("1001");
    Seen seen;
    EXPECT_EQ(IDOK, RunModal(form, [&](HWND window) {
                  seen = Look(window);
                  Type(window, IDC_EDT_FIRSTNAME, L"Dave");
                  Type(window, IDC_EDT_EMAIL, L"dave@mail.example");
                  Click(window, IDC_BTN_SAVECONTACT);
              }));
    EXPECT_THAT(seen.groups, ElementsAre(L"CONTACTDETAILS_WND/32000"));
    const TableRows rows = ContactsOf(g_database);
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ("sip:1001@sip.example:5080", rows[0][0]);
    EXPECT_EQ("dave@mail.example", rows[0][1]);
    EXPECT_EQ(Base64Encode("Dave", true), rows[0][5]);
    EXPECT_EQ(Base64Encode("Friends", true), rows[0][9]);
    EXPECT_EQ("0", rows[0][11]);
    EXPECT_EQ("1", rows[0][12]);
    EXPECT_EQ("0", rows[0][13]);
    EXPECT_EQ("0", rows[0][14]);
}

TEST_F(ContactForm, AMissingFirstNameOrNumberShowsTheMessageAndKeepsTheFormOpen)
{
    const struct {
        const char* name;
        const wchar_t* first;
        const wchar_t* number;
    } kCases[] = {{"no first name", L"", L"1001"}, {"no number", L"Dave", L""}};
    for (const auto& row : kCases) {
        CContactDetailsWnd form;
        form.SetContactsTree(&tree);
        std::vector<std::wstring> boxes;
        std::wstring message;
        std::wstring keptFirst;
        const int result = RunModal(form, [&](HWND window) {
            Type(window, IDC_EDT_FIRSTNAME, row.first);
            Type(window, IDC_EDT_SIPNUMBER, row.number);
            ModalAnswers answers({IDOK});
            answers.inspect = [&](Vexel::CUIWnd& box) { message = ChildText(box.GetSafeHwnd(), IDC_STA_TEXT); };
            Click(window, IDC_BTN_SAVECONTACT);
            boxes = answers.Windows();
            keptFirst = ChildText(window, IDC_EDT_FIRSTNAME);
        });
        EXPECT_EQ(kNotEnded, result) << row.name;
        EXPECT_THAT(boxes, ElementsAre(L"IDW_MESSAGEWINDOW1")) << row.name;
        EXPECT_EQ(L"CONTACTDETAILS_WND/32001", message) << row.name;
        EXPECT_EQ(row.first, keptFirst) << row.name;
    }
    EXPECT_EQ(stored, ContactsOf(g_database));
}

TEST_F(ContactForm, AddingAStoredAddressClosesWithoutAMessageAndLeavesTheRow)
{
    CContactDetailsWnd form;
    form.SetContactsTree(&tree);
    form.SetSipUri("sip:alice@sip.example");
    EXPECT_EQ(IDOK, RunModal(form, [](HWND window) {
                  Type(window, IDC_EDT_FIRSTNAME, L"Other");
                  Click(window, IDC_BTN_SAVECONTACT);
              }));
    EXPECT_EQ(stored, ContactsOf(g_database));
}

TEST_F(ContactForm, WithoutATreeSaveClosesAndStoresNothing)
{
    CContactDetailsWnd form;
    form.SetSipUri("1001");
    EXPECT_EQ(IDOK, RunModal(form, [](HWND window) {
                  Type(window, IDC_EDT_FIRSTNAME, L"Dave");
                  Click(window, IDC_BTN_SAVECONTACT);
              }));
    EXPECT_EQ(stored, ContactsOf(g_database));
}

TEST_F(ContactForm, ThePickedAvatarIsStoredAsItsIcon)
{
    const std::wstring avatars = folder.Path(L"skins\\Lumeo\\avatars");
    ::CreateDirectoryW(folder.Path(L"skins").c_str(), nullptr);
    ::CreateDirectoryW(folder.Path(L"skins\\Lumeo").c_str(), nullptr);
    ::CreateDirectoryW(avatars.c_str(), nullptr);
    ASSERT_TRUE(WriteTinyBitmap(avatars + L"\\face03.bmp"));
    const std::string picked = WideToAnsi(CString((avatars + L"\\face03.bmp").c_str()));
    CContactDetailsWnd form;
    form.SetContactsTree(&tree);
    form.SetSipUri("1002");
    s_fileAnswer = avatars + L"\\face03.bmp";
    EXPECT_EQ(IDOK, RunModal(form, [](HWND window) {
                  Type(window, IDC_EDT_FIRSTNAME, L"Erin");
                  Click(window, IDC_BTN_SELECTPIC);
                  Click(window, IDC_BTN_SAVECONTACT);
              }));
    EXPECT_EQ(L"Bitmap Files (*.bmp)|*.bmp|", s_fileFilter);
    EXPECT_EQ(avatars, s_fileFolder);
    const TableRows rows = ContactsOf(g_database);
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ("sip:1002@sip.example:5080", rows[0][0]);
    EXPECT_EQ(Base64Encode(GetAvatarIconPath(picked), true), rows[0][10]);
}

} // namespace
} // namespace windows_test
