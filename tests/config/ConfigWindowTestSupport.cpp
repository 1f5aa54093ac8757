#include "tests/config/ConfigWindowTestSupport.h"

#include "core/AccountRecord.h"
#include "core/Database.h"
#include "core/OptionsRecord.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "resources/Resource.h"
#include "windows/msgbox/MessageBox.h"

namespace config_test {

// --- message boxes

namespace {

std::vector<std::wstring> g_messages;

LRESULT CALLBACK MessageBoxHook(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* const message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message && message->message == WM_INITDIALOG) {
        if (auto* box = dynamic_cast<CMessageBox*>(CWnd::FromHandlePermanent(message->hwnd))) {
            g_messages.push_back(lumeo_test::ChildText(message->hwnd, IDC_STA_TEXT));
            box->EndDialog(IDOK);
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

MessageBoxAnswers::MessageBoxAnswers()
{
    g_messages.clear();
    m_hook = ::SetWindowsHookExW(WH_CALLWNDPROC, &MessageBoxHook, nullptr, ::GetCurrentThreadId());
}

MessageBoxAnswers::~MessageBoxAnswers()
{
    ::UnhookWindowsHookEx(m_hook);
}

const std::vector<std::wstring>& MessageBoxAnswers::Messages() const
{
    return g_messages;
}

// --- the fixture

std::vector<ShellCall> ConfigWindowTest::s_shell;

void ConfigWindowTest::SetUp()
{
    ShippedSkinTest::SetUp();
    const std::string programFolder = WideToAnsi(CString(folder.Path(L"").c_str()));
    const std::string withoutBackslash = programFolder.substr(0, programFolder.size() - 1);
    ASSERT_TRUE(OpenDatabase(g_database, DatabaseFolders{withoutBackslash, withoutBackslash}));
    g_options = OptionsRecord();
    g_account = AccountRecord();
    s_shell.clear();
    m_shellAnswers.emplace();
}

void ConfigWindowTest::ShellAnswers::ShellOpen(HWND, LPCWSTR verb, LPCWSTR file, int) const
{
    s_shell.push_back({verb ? verb : L"", file ? file : L""});
}

void ConfigWindowTest::TearDown()
{
    m_shellAnswers.reset();
    g_database.Close();
    g_options = OptionsRecord();
    g_account = AccountRecord();
    ShippedSkinTest::TearDown();
}

int ConfigWindowTest::RunModal(Vexel::CUIWnd& window, const std::function<void(HWND)>& whileOpen)
{
    actions.Post([this, &window, whileOpen] {
        whileOpen(window.GetSafeHwnd());
        actions.Post([&window] {
            if (window.GetSafeHwnd())
                window.EndDialog(kLeftOpen);
        });
    });
    const int result = window.DoModal();
    actions.Cancel();
    return result;
}

void ConfigWindowTest::Click(HWND window, int id)
{
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
}

void ConfigWindowTest::Pick(HWND window, int id, int index)
{
    ::SendDlgItemMessageW(window, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
}

void ConfigWindowTest::SetText(HWND window, int id, const wchar_t* text)
{
    ::SetDlgItemTextW(window, id, text);
}

void ConfigWindowTest::SetCheck(HWND window, int id, bool checked)
{
    ::SendDlgItemMessageW(window, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool ConfigWindowTest::IsChecked(HWND window, int id)
{
    return ::SendDlgItemMessageW(window, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::vector<std::wstring> ConfigWindowTest::Entries(HWND window, int id)
{
    std::vector<std::wstring> entries;
    const LRESULT count = ::SendDlgItemMessageW(window, id, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = ::SendDlgItemMessageW(window, id, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring entry(static_cast<size_t>(length < 0 ? 0 : length) + 1, L'\0');
        ::SendDlgItemMessageW(window, id, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(static_cast<size_t>(length < 0 ? 0 : length));
        entries.push_back(entry);
    }
    return entries;
}

void ConfigWindowTest::ExpectChildTexts(HWND window, std::initializer_list<ChildTextCase> expected)
{
    for (const ChildTextCase& child : expected)
        EXPECT_EQ(child.text, lumeo_test::ChildText(window, child.id)) << "control " << child.id;
}

void ConfigWindowTest::AddAccount(const std::vector<std::pair<const char*, std::string>>& columns)
{
    std::string names;
    std::string values;
    for (const auto& [column, value] : columns) {
        names += (names.empty() ? "" : ", ") + std::string(column);
        values += (values.empty() ? "" : ", ") + value;
    }
    ASSERT_TRUE(g_database.Exec("insert into User(" + names + ") values(" + values + ")")) << names;
}

int ConfigWindowTest::UserRows()
{
    SqlTable table;
    if (!g_database.GetTable("select count(*) from User", table) || table.Rows() < 1)
        return -1;
    return std::atoi(table.Value(0, 0));
}

} // namespace config_test
