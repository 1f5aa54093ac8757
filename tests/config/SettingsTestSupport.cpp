#include "tests/config/SettingsTestSupport.h"

#include "config/settings/SettingDlg.h"
#include "core/Base64.h"
#include "core/OptionsRecord.h"
#include "core/SqlStatement.h"
#include "core/TavikSQL.h"
#include "resources/ProgramIds.h"
#include "resources/Resource.h"
#include "skin/ui/controls/SliderCtrlEx.h"

#include <commctrl.h>
#include <shlobj.h>

namespace settings_test {

namespace {

constexpr int kPageWindows[] = {IDW_SETTING_PAGE1, IDW_SETTING_PAGE2, IDW_SETTING_PAGE3, IDW_SETTING_PAGE4,
                                IDW_SETTING_PAGE5, IDW_SETTING_PAGE6, IDW_SETTING_PAGE7};
constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

HWND Item(HWND window, int id)
{
    return ::GetDlgItem(window, id);
}

std::wstring TreeText(HWND tree, HTREEITEM item)
{
    wchar_t text[256] = {};
    TVITEMW data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = 256;
    ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
    return text;
}

std::vector<HTREEITEM> TreeItems(HWND tree)
{
    std::vector<HTREEITEM> items;
    for (HTREEITEM item = TreeView_GetRoot(tree); item; item = TreeView_GetNextSibling(tree, item))
        items.push_back(item);
    return items;
}

} // namespace

PIDLIST_ABSOLUTE SettingsTest::FolderAnswers::BrowseForFolder(BROWSEINFOW* info) const
{
    ++SettingsTest::s_folderCalls;
    SettingsTest::s_folderTitle = info->lpszTitle ? info->lpszTitle : L"";
    if (SettingsTest::s_folderAnswer.empty())
        return nullptr;
    return ::ILCreateFromPathW(SettingsTest::s_folderAnswer.c_str());
}

namespace {

// Audio slots 1..11 of one list: the names given, the rest empty.
void AudioSlots(std::map<std::string, std::string>& row, const char* column, std::vector<const char*> names)
{
    names.resize(11, "");
    for (size_t i = 0; i < names.size(); ++i)
        row[column + std::to_string(i + 1)] = names[i];
}

} // namespace

// --- the driver

HWND SettingsDriver::Page(int index) const
{
    return Item(m_dialog, kPageWindows[index]);
}

bool SettingsDriver::Shown(HWND page)
{
    return page && (::GetWindowLongW(page, GWL_STYLE) & WS_VISIBLE) != 0;
}

HWND SettingsDriver::ShowPage(int index) const
{
    const HWND tree = Item(m_dialog, IDC_TREECTRL_CONTROLS);
    const std::vector<HTREEITEM> items = TreeItems(tree);
    if (index < static_cast<int>(items.size()))
        TreeView_SelectItem(tree, items[static_cast<size_t>(index)]);
    return Page(index);
}

void SettingsDriver::Ok() const
{
    Click(m_dialog, IDC_BTN_OK);
}

void SettingsDriver::Cancel() const
{
    Click(m_dialog, IDC_BTN_CANCEL);
}

void SettingsDriver::Close() const
{
    Click(m_dialog, IDC_BTN_CLOSE);
}

std::vector<std::wstring> SettingsDriver::PageNames() const
{
    return Entries(m_dialog, IDC_TREECTRL_CONTROLS);
}

std::wstring SettingsDriver::Text(HWND window, int id)
{
    wchar_t text[1024] = {};
    ::GetDlgItemTextW(window, id, text, 1024);
    return text;
}

void SettingsDriver::SetText(HWND window, int id, const wchar_t* text)
{
    ::SetDlgItemTextW(window, id, text);
}

bool SettingsDriver::IsChecked(HWND window, int id)
{
    return ::SendDlgItemMessageW(window, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SettingsDriver::SetCheck(HWND window, int id, bool checked)
{
    ::SendDlgItemMessageW(window, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void SettingsDriver::ChooseRadio(HWND window, std::initializer_list<int> group, int id)
{
    for (const int member : group)
        SetCheck(window, member, member == id);
}

void SettingsDriver::Click(HWND window, int id)
{
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(window, id)));
}

std::vector<std::wstring> SettingsDriver::Rows(HWND window, int id)
{
    std::vector<std::wstring> rows;
    const int count = static_cast<int>(::SendDlgItemMessageW(window, id, CB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        wchar_t text[512] = {};
        ::SendDlgItemMessageW(window, id, CB_GETLBTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
        rows.push_back(text);
    }
    return rows;
}

int SettingsDriver::Selection(HWND window, int id)
{
    return static_cast<int>(::SendDlgItemMessageW(window, id, CB_GETCURSEL, 0, 0));
}

void SettingsDriver::Choose(HWND window, int id, int row)
{
    ::SendDlgItemMessageW(window, id, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(window, id)));
}

int SettingsDriver::SliderPos(HWND window, int id)
{
    const auto* slider = dynamic_cast<Vexel::CSliderCtrlEx*>(CWnd::FromHandlePermanent(Item(window, id)));
    return slider ? slider->GetPos() : -1;
}

void SettingsDriver::Slide(HWND window, int id, int position)
{
    auto* slider = dynamic_cast<Vexel::CSliderCtrlEx*>(CWnd::FromHandlePermanent(Item(window, id)));
    if (!slider)
        return;
    const int before = slider->GetPos();
    slider->SetPos(position);
    ::SendMessageW(window, WM_HSCROLL, MAKEWPARAM(before, slider->GetPos()),
                   reinterpret_cast<LPARAM>(slider->GetSafeHwnd()));
}

int SettingsDriver::BarPos(HWND window, int id)
{
    return static_cast<int>(::SendDlgItemMessageW(window, id, PBM_GETPOS, 0, 0));
}

int SettingsDriver::BarMax(HWND window, int id)
{
    return static_cast<int>(::SendDlgItemMessageW(window, id, PBM_GETRANGE, FALSE, 0));
}

std::vector<std::wstring> SettingsDriver::Entries(HWND window, int id)
{
    const HWND tree = Item(window, id);
    std::vector<std::wstring> entries;
    for (const HTREEITEM item : TreeItems(tree))
        entries.push_back(TreeText(tree, item));
    return entries;
}

std::wstring SettingsDriver::SelectedEntry(HWND window, int id)
{
    const HWND tree = Item(window, id);
    const HTREEITEM selected = TreeView_GetSelection(tree);
    return selected ? TreeText(tree, selected) : L"";
}

void SettingsDriver::Select(HWND window, int id, const wchar_t* text)
{
    const HWND tree = Item(window, id);
    for (const HTREEITEM item : TreeItems(tree)) {
        if (TreeText(tree, item) == text) {
            TreeView_SelectItem(tree, item);
            return;
        }
    }
    ADD_FAILURE() << "no entry to select";
}

void SettingsDriver::SelectNone(HWND window, int id)
{
    TreeView_SelectItem(Item(window, id), nullptr);
}

// --- the fixture

std::wstring SettingsTest::s_folderAnswer;
std::wstring SettingsTest::s_folderTitle;
int SettingsTest::s_folderCalls = 0;

void SettingsTest::SetUp()
{
    MainFrameTest::SetUp();
    if (HasFatalFailure())
        return;
    s_folderAnswer.clear();
    s_folderTitle.clear();
    s_folderCalls = 0;
    m_folderAnswers.emplace();
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, "Lumeo");

    // A row away from the defaults in every column the pages show.
    std::map<std::string, std::string> row = {
        {"recordFolder", StoredFolder("C:\\Record's")},
        {"ARPath", StoredFolder("C:\\Audio Records")},
        {"VRPath", StoredFolder("C:\\Video Records")},
        {"defaultSoftphone", "1"},
        {"AutoUpgrade", "0"},
        {"displayIdle", "1"},
        {"showTimeStamp", "0"},
        {"callImmediately", "1"},
        {"AudioInputDeviceId", "1"},
        {"AudioOutputDeviceId", "2"},
        {"VideoDeviceId", "1"},
        {"EnableVideoCodec1", "H.263"},
        {"EnableVideoCodec2", ""},
        {"EnableVideoCodec3", ""},
        {"DisableVideoCodec1", "H.263+(1998)"},
        {"DisableVideoCodec2", ""},
        {"DisableVideoCodec3", ""},
        {"AudioDSCP", "46"},
        {"AudioServiceType", "0"},
        {"VideoDSCP", "0"},
        {"VideoServiceType", "2"},
        {"VideoResolution", "3"},
        {"VideoImageQualityLevel", "4"},
        {"AEC", "0"},
        {"AGC", "1"},
        {"ANS", "1"},
        {"VAD", "0"},
        {"CNG", "1"},
        {"ForwardTo", "alice@example"},
        {"BusyForwardTo", ""},
        {"NoAnswerForwardTo", "desk@example"},
        {"NoAnwerWaitSeconds", "20"},
        {"AudioRtpMiniPort", "10000"},
        {"AudioRtpMaxPort", "10100"},
        {"VideoRtpMiniPort", "20000"},
        {"VideoRtpMaxPort", "20100"},
        {"SessionTimerTime", "1800"},
        {"EnableMwi", "1"},
        {"RtpKeepLive", "0"},
    };
    AudioSlots(row, "EnableAudioCodec", {"SPEEX", "G.711 uLaw"});
    AudioSlots(row, "DisableAudioCodec", {"GSM", "iLBC", "G.722", "G.711 aLaw"});
    StoreOptions(row);
}

void SettingsTest::TearDown()
{
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, "Lumeo");
    m_folderAnswers.reset();
    MainFrameTest::TearDown();
}

void SettingsTest::StoreOptions(const std::map<std::string, std::string>& columns)
{
    std::string sql;
    std::vector<SqlValue> values;
    for (const auto& [column, value] : columns) {
        sql += sql.empty() ? "update Options set " : ", ";
        sql += column + " = ?";
        // Digits as text still go into an integer column as a number.
        values.emplace_back(value);
    }
    SqlStatement update(g_database, sql);
    ASSERT_TRUE(update.Run(values)) << sql << ": " << update.Error();
    g_options = OptionsRecord();
    bool loaded = false;
    ASSERT_TRUE(LoadOptions(loaded));
    g_options.VideoResolutionChanged = false;
}

void SettingsTest::SignIn()
{
    CreateFrame();
    UseAccount();
    ASSERT_TRUE(frame->SignIn());
    EngineControl_ClearJournal();
}

int SettingsTest::RunDialog(const std::function<void(const SettingsDriver&)>& user)
{
    windows_test::ModalAnswers answers({});
    answers.inspect = [&](Vexel::CUIWnd& window) {
        if (dynamic_cast<CSettingDlg*>(&window))
            user(SettingsDriver(window.GetSafeHwnd()));
    };
    if (frame) {
        frame->Command(ID_MAIN_OPTIONS);
        return 0;
    }
    CSettingDlg dialog;
    return dialog.DoModal();
}

StoredRow SettingsTest::ReadRow()
{
    StoredRow row;
    SqlTable table;
    if (!g_database.GetTable("select * from Options", table) || table.Rows() != 1) {
        ADD_FAILURE() << "the Options row cannot be read";
        return row;
    }
    for (int c = 0; c < table.Columns(); ++c)
        row[table.Name(c)] = table.Value(0, c) ? table.Value(0, c) : "<null>";
    return row;
}

std::vector<std::string> Differences(const StoredRow& before, const StoredRow& after)
{
    std::vector<std::string> changes;
    for (const auto& [column, value] : after) {
        const auto old = before.find(column);
        const std::string was = old == before.end() ? "<missing>" : old->second;
        if (was != value)
            changes.push_back(column + ": " + was + " -> " + value);
    }
    return changes;
}

std::string StoredFolder(const std::string& folder)
{
    return Base64Encode(folder, true);
}

} // namespace settings_test
