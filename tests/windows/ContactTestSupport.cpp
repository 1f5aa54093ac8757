#include "tests/windows/ContactTestSupport.h"

#include "core/Base64.h"
#include "core/SqlStatement.h"
#include "core/TavikSQL.h"

#include <shlobj.h>

namespace windows_test {

std::wstring ContactTest::s_fileAnswer;
std::wstring ContactTest::s_fileFilter;
std::wstring ContactTest::s_fileFolder;
int ContactTest::s_fileCalls = 0;
std::wstring ContactTest::s_folderAnswer;
std::wstring ContactTest::s_folderTitle;

namespace {

int CollectCells(void* argument, int columns, char** values, char**)
{
    auto& rows = *static_cast<TableRows*>(argument);
    rows.emplace_back();
    for (int c = 0; c < columns; ++c)
        rows.back().push_back(values[c] ? values[c] : "<null>");
    return 0;
}

} // namespace

TableRows ContactsOf(TavikSQL& database)
{
    TableRows rows;
    EXPECT_TRUE(database.Exec("select * from Contacts order by SIPUri", &CollectCells, &rows));
    return rows;
}

ContactRow SampleContact(const std::string& key)
{
    ContactRow row;
    row.sipUri = "sip:" + key + "@sip.example";
    row.email = key + "@mail.example";
    row.homePhone = "100-" + key;
    row.workPhone = "200-" + key;
    row.mobilePhone = "300-" + key;
    row.firstName = Base64Encode("First " + key, true);
    row.lastName = Base64Encode("O'Last " + key, true);   // a quote inside, decoded
    row.nickName = Base64Encode("Nick " + key, true);
    row.jobTitle = Base64Encode("Job " + key, true);
    row.groupName = Base64Encode("Group " + key, true);
    row.icon = Base64Encode("C:\\avatars\\face02.ico", true);
    row.blocked = 1;
    row.subscribed = 0;
    row.acceptedSubscribed = 1;
    row.subscribeId = 40 + static_cast<int>(key.size());
    return row;
}

BOOL ContactTest::ChooserAnswers::ChooseFile(OPENFILENAMEW* ofn, BOOL) const
{
    ++ContactTest::s_fileCalls;
    // The filter is a list of zero-ended parts; keep it with '|' for the separators.
    ContactTest::s_fileFilter.clear();
    for (const wchar_t* part = ofn->lpstrFilter; part && *part; part += wcslen(part) + 1)
        ContactTest::s_fileFilter += std::wstring(part) + L"|";
    ContactTest::s_fileFolder = ofn->lpstrInitialDir ? ofn->lpstrInitialDir : L"";
    if (ContactTest::s_fileAnswer.empty() || ContactTest::s_fileAnswer.size() >= ofn->nMaxFile)
        return FALSE;
    wcscpy(ofn->lpstrFile, ContactTest::s_fileAnswer.c_str());
    return TRUE;
}

PIDLIST_ABSOLUTE ContactTest::ChooserAnswers::BrowseForFolder(BROWSEINFOW* info) const
{
    ContactTest::s_folderTitle = info->lpszTitle ? info->lpszTitle : L"";
    if (ContactTest::s_folderAnswer.empty())
        return nullptr;
    return ::ILCreateFromPathW(ContactTest::s_folderAnswer.c_str());
}

void ContactTest::SetUp()
{
    MainFrameTest::SetUp();
    s_fileAnswer.clear();
    s_fileFilter.clear();
    s_fileFolder.clear();
    s_fileCalls = 0;
    s_folderAnswer.clear();
    s_folderTitle.clear();
    m_chooserAnswers.emplace();
}

void ContactTest::TearDown()
{
    actions.Cancel();
    m_chooserAnswers.reset();
    MainFrameTest::TearDown();
}

void ContactTest::Store(const ContactRow& row)
{
    SqlStatement insert(g_database, kContactInsertSql);
    std::string error;
    ASSERT_TRUE(InsertContact(insert, row, &error)) << row.sipUri << ": " << error;
}

void ContactTest::StoreGroup(const std::string& name)
{
    ASSERT_TRUE(g_database.Run("insert into Groups(GroupName, GroupKey) values(?, 0)", {Base64Encode(name, true)}))
        << name;
}

int ContactTest::RunModal(Vexel::CUIWnd& window, std::function<void(HWND)> act)
{
    actions.Post([this, &window, act] {
        const HWND handle = window.GetSafeHwnd();
        if (!::IsWindowVisible(handle))
            ::ShowWindow(handle, SW_SHOWNORMAL);
        if (act)
            act(handle);
        actions.Post([&window] {
            if (window.GetSafeHwnd())
                window.EndDialog(kNotEnded);
        });
    });
    const int result = window.DoModal();
    actions.Cancel();
    return result;
}

void ContactTest::Click(HWND window, int id)
{
    const HWND button = ::GetDlgItem(window, id);
    ASSERT_NE(nullptr, button) << "button " << id;
    ::SendMessageW(button, BM_CLICK, 0, 0);
}

std::vector<std::wstring> ContactTest::ComboEntries(HWND window, int id)
{
    std::vector<std::wstring> entries;
    const HWND combo = ::GetDlgItem(window, id);
    const LRESULT count = combo ? ::SendMessageW(combo, CB_GETCOUNT, 0, 0) : 0;
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        if (::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) < 255)
            ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

} // namespace windows_test
