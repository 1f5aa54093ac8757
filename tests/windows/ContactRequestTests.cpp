// The presence request pop-up on its own: who asks and what they wrote, the groups of table
// Groups to file them under (the default group's shown name when there is none), Allow giving
// 1 with the chosen group and Reject giving 2.
#include "tests/windows/ContactTestSupport.h"

#include "resources/Resource.h"
#include "windows/contacts/OnlineRequestWnd.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

namespace windows_test {
namespace {

using lumeo_test::ChildText;
using testing::ElementsAre;

class RequestPopup : public ContactTest {};

TEST_F(RequestPopup, ShowsWhoAsksWhatTheyWroteAndTheStoredGroups)
{
    StoreGroup("Work");
    StoreGroup("Family");
    COnlineRequestWnd popup;
    popup.SetRequest("Bob<sip:bob@sip.example>", "May I see you?");
    std::map<int, std::wstring> shown;
    std::vector<std::wstring> groups;
    const int result = RunModal(popup, [&](HWND window) {
        for (const int id : {IDC_STA_TITLE, IDC_STA_MESSAGEFROM, IDC_STA_INFO, IDC_STA_SUBJECT, IDC_STA_ADDGROUP,
                             IDC_BTN_ALLOW, IDC_BTN_REJECT})
            shown[id] = ChildText(window, id);
        groups = ComboEntries(window, IDC_CMB_GROUP);
        ::SendDlgItemMessageW(window, IDC_CMB_GROUP, CB_SETCURSEL, 1, 0);
        Click(window, IDC_BTN_ALLOW);
    });
    EXPECT_EQ(1, result);
    EXPECT_EQ(L"ONLINE_WND/34001", shown[IDC_STA_TITLE]);
    EXPECT_EQ(L"ONLINE_WND/34002", shown[IDC_STA_MESSAGEFROM]);
    EXPECT_EQ(L"Bob<sip:bob@sip.example> ONLINE_WND/34000", shown[IDC_STA_INFO]);
    EXPECT_EQ(L"May I see you?", shown[IDC_STA_SUBJECT]);
    EXPECT_EQ(L"ONLINE_WND/34003", shown[IDC_STA_ADDGROUP]);
    EXPECT_EQ(L"ONLINE_WND/34004", shown[IDC_BTN_ALLOW]);
    EXPECT_EQ(L"ONLINE_WND/34005", shown[IDC_BTN_REJECT]);
    ASSERT_EQ(2u, groups.size());
    EXPECT_EQ(groups[1], std::wstring(popup.GetGroupName()));
}

TEST_F(RequestPopup, WithoutStoredGroupsOffersTheDefaultGroupAndAllowFilesThereUnderIt)
{
    COnlineRequestWnd popup;
    popup.SetRequest("bob<sip:bob@sip.example>", "Hi.");
    std::vector<std::wstring> groups;
    EXPECT_EQ(1, RunModal(popup, [&](HWND window) {
                  groups = ComboEntries(window, IDC_CMB_GROUP);
                  Click(window, IDC_BTN_ALLOW);
              }));
    EXPECT_THAT(groups, ElementsAre(L"CONTACTDETAILS_WND/32000"));
    EXPECT_EQ(L"CONTACTDETAILS_WND/32000", std::wstring(popup.GetGroupName()));
}

TEST_F(RequestPopup, RejectAndEscapeGiveTwoAndNoGroupWasChosen)
{
    struct Ending {
        const char* name;
        void (*end)(HWND);
    };
    const Ending kEndings[] = {
        {"Reject", [](HWND window) { Click(window, IDC_BTN_REJECT); }},
        {"Escape", [](HWND window) { lumeo_test::PostKey(::GetFocus() ? ::GetFocus() : window, VK_ESCAPE); }},
    };
    StoreGroup("Work");
    for (const Ending& ending : kEndings) {
        COnlineRequestWnd popup;
        popup.SetRequest("bob<sip:bob@sip.example>", "Hi.");
        EXPECT_EQ(IDCANCEL, RunModal(popup, ending.end)) << ending.name;
        EXPECT_EQ(L"CONTACTDETAILS_WND/32000", std::wstring(popup.GetGroupName())) << ending.name;
    }
}

} // namespace
} // namespace windows_test
